#include "render/mipmaps.h"

#include <algorithm>

namespace render {

PixelImage HalveImage(const PixelImage& image) {
  PixelImage half;
  half.Width = std::max(1, image.Width / 2);
  half.Height = std::max(1, image.Height / 2);
  half.Channels = image.Channels;
  half.Pixels.resize(static_cast<std::size_t>(half.Width) * half.Height * half.Channels);
  const int c = image.Channels;
  for (int y = 0; y < half.Height; ++y) {
    const int y0 = std::min(2 * y, image.Height - 1), y1 = std::min(2 * y + 1, image.Height - 1);
    for (int x = 0; x < half.Width; ++x) {
      const int x0 = std::min(2 * x, image.Width - 1), x1 = std::min(2 * x + 1, image.Width - 1);
      for (int k = 0; k < c; ++k) {
        const auto at = [&](int px, int py) {
          return image.Pixels[(static_cast<std::size_t>(py) * image.Width + px) * c + k];
        };
        const int sum = at(x0, y0) + at(x1, y0) + at(x0, y1) + at(x1, y1);
        half.Pixels[(static_cast<std::size_t>(y) * half.Width + x) * c + k] =
            static_cast<std::uint8_t>((sum + 2) / 4);
      }
    }
  }
  return half;
}

void AlphaFromBrightness(PixelImage& image, int gain) {
  if (image.Channels != 4) return;
  for (std::size_t i = 0; i + 3 < image.Pixels.size(); i += 4) {
    const int mean = (image.Pixels[i] + image.Pixels[i + 1] + image.Pixels[i + 2]) / 3;
    image.Pixels[i + 3] = static_cast<std::uint8_t>(std::min(255, mean * gain));
  }
}

}  // namespace render
