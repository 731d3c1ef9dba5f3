#include "render/pcx_decoder.h"

#include <algorithm>
#include <cstddef>

namespace picture {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kVgaPaletteSize = 769;  // marker 12, then 256 x RGB

int U16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | b[at + 1] << 8; }

// Expands the run-length coded (or plain) pixel bytes into `out`, which has
// its final size. Returns false when the file ends first.
bool ReadPixelBytes(std::span<const std::uint8_t> data, bool encoded,
                    std::vector<std::uint8_t>& out) {
  if (!encoded) {
    if (data.size() < out.size()) return false;
    std::copy(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(out.size()), out.begin());
    return true;
  }
  std::size_t in = 0, n = 0;
  while (n < out.size()) {
    if (in >= data.size()) return false;
    std::uint8_t value = data[in++];
    std::size_t count = 1;
    if ((value & 0xC0) == 0xC0) {
      count = value & 0x3F;
      if (in >= data.size()) return false;
      value = data[in++];
    }
    for (; count > 0 && n < out.size(); --count) out[n++] = value;
  }
  return true;
}

}  // namespace

int DecodePcx(std::span<const std::uint8_t> file, DecodedImage& image) {
  image = DecodedImage();
  if (file.size() < kHeaderSize) return kTruncated;
  if (file[0] != 0x0A || file[2] > 1) return kBadHeader;
  const bool encoded = file[2] == 1;
  const int bits = file[3], planes = file[65];
  const int xMin = U16(file, 4), yMin = U16(file, 6), xMax = U16(file, 8), yMax = U16(file, 10);
  const int bytesPerLine = U16(file, 66);
  if (xMax < xMin || yMax < yMin) return kBadHeader;
  const int width = xMax - xMin + 1, height = yMax - yMin + 1;
  if (width > kMaxDimension || height > kMaxDimension) return kTooLarge;

  const bool mono = bits == 1 && planes == 1, nibbles = bits == 4 && planes == 1,
             egaPlanes = bits == 1 && planes == 4, indexed = bits == 8 && planes == 1,
             rgb = bits == 8 && planes == 3;
  if (!mono && !nibbles && !egaPlanes && !indexed && !rgb) return kUnsupportedFormat;
  if (bytesPerLine <= 0 || static_cast<long long>(bytesPerLine) * 8 < 1LL * width * bits)
    return kBadHeader;

  const std::size_t lineBytes = static_cast<std::size_t>(bytesPerLine) * planes;
  const std::size_t total = lineBytes * static_cast<std::size_t>(height);
  const std::span<const std::uint8_t> data = file.subspan(kHeaderSize);
  // A coded byte pair gives at most 63 bytes: refuse what the file cannot hold.
  if (total > data.size() * (encoded ? 63 : 1)) return kTruncated;
  std::vector<std::uint8_t> pixels(total);
  if (!ReadPixelBytes(data, encoded, pixels)) return kTruncated;

  // The colours: 16 in the header, 256 after the pixels for 8-bit images
  // (a grey ramp when a file lacks them), black and white for 1-bit ones.
  std::uint8_t palette[256][3] = {};
  if (indexed) {
    const bool hasVga =
        file.size() >= kHeaderSize + kVgaPaletteSize && file[file.size() - kVgaPaletteSize] == 12;
    for (int i = 0; i < 256; ++i)
      for (int c = 0; c < 3; ++c)
        palette[i][c] = hasVga ? file[file.size() - 768 + i * 3 + c] : static_cast<std::uint8_t>(i);
  } else if (nibbles || egaPlanes) {
    for (int i = 0; i < 16; ++i)
      for (int c = 0; c < 3; ++c) palette[i][c] = file[16 + i * 3 + c];
  } else if (mono) {
    palette[1][0] = palette[1][1] = palette[1][2] = 255;
  }

  image.Width = width;
  image.Height = height;
  image.Rgba.resize(static_cast<std::size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* line = pixels.data() + static_cast<std::size_t>(y) * lineBytes;
    std::uint8_t* out = image.Rgba.data() + static_cast<std::size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x, out += 4) {
      out[3] = 255;
      if (rgb) {
        for (int c = 0; c < 3; ++c) out[c] = line[c * bytesPerLine + x];
        continue;
      }
      int index = 0;
      if (mono) {
        index = line[x / 8] >> (7 - x % 8) & 1;
      } else if (nibbles) {
        index = x % 2 == 0 ? line[x / 2] >> 4 : line[x / 2] & 0x0F;
      } else if (egaPlanes) {
        for (int p = 0; p < 4; ++p)
          index |= (line[p * bytesPerLine + x / 8] >> (7 - x % 8) & 1) << p;
      } else {
        index = line[x];
      }
      for (int c = 0; c < 3; ++c) out[c] = palette[index][c];
    }
  }
  return kLoaded;
}

}  // namespace picture
