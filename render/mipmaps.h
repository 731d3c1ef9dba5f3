// Halving pictures for their mipmaps, without a window: each level is the
// mean of 2 x 2 texels of the one above it.
#pragma once

#include <cstdint>
#include <vector>

namespace render {

struct PixelImage {
  int Width = 0, Height = 0, Channels = 0;  // rows packed without padding
  std::vector<std::uint8_t> Pixels;
};

// The image at half its width and height (each at least 1); a side of odd
// length loses its last row or column.
PixelImage HalveImage(const PixelImage& image);

// Alpha as the mean of red, green and blue times `gain`, at most 255: 1 keeps
// black transparent and white opaque; a larger gain makes everything but the
// darkest parts opaque. Needs 4 channels.
void AlphaFromBrightness(PixelImage& image, int gain);

}  // namespace render
