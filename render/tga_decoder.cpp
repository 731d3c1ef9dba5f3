#include "render/tga_decoder.h"

#include <algorithm>
#include <cstddef>

namespace picture {
namespace {

constexpr std::size_t kHeaderSize = 18;

int U16(const std::uint8_t* b) { return b[0] | b[1] << 8; }

// One stored colour of `bytes` bytes (15/16-bit A1R5G5B5, 24-bit BGR,
// 32-bit BGRA) as RGBA; alpha only where the file says the pixel carries it.
void ColourOf(const std::uint8_t* p, int bytes, bool hasAlpha, std::uint8_t rgba[4]) {
  if (bytes == 2) {
    const int v = U16(p);
    const auto five = [](int c) { return static_cast<std::uint8_t>((c * 255 + 15) / 31); };
    rgba[0] = five(v >> 10 & 31);
    rgba[1] = five(v >> 5 & 31);
    rgba[2] = five(v & 31);
    rgba[3] = hasAlpha && !(v & 0x8000) ? 0 : 255;
  } else {
    rgba[0] = p[2];
    rgba[1] = p[1];
    rgba[2] = p[0];
    rgba[3] = bytes == 4 && hasAlpha ? p[3] : 255;
  }
}

struct Header {
  int IdLength, MapType, Type, MapFirst, MapLength, MapEntryBits;
  int Width, Height, Depth, Descriptor;
};

}  // namespace

int DecodeTga(std::span<const std::uint8_t> file, DecodedImage& image) {
  image = DecodedImage();
  if (file.size() < kHeaderSize) return kTruncated;
  const std::uint8_t* b = file.data();
  const Header h{b[0], b[1],        b[2],        U16(b + 3), U16(b + 5),
                 b[7], U16(b + 12), U16(b + 14), b[16],      b[17]};
  const int base = h.Type & ~8;
  const bool encoded = (h.Type & 8) != 0;
  if (h.Type != 1 && h.Type != 2 && h.Type != 3 && h.Type != 9 && h.Type != 10 && h.Type != 11)
    return kUnsupportedFormat;
  if (h.MapType > 1 || h.Width == 0 || h.Height == 0) return kBadHeader;
  if (h.Width > kMaxDimension || h.Height > kMaxDimension) return kTooLarge;
  const bool depthOk = base == 1 ? h.MapType == 1 && (h.Depth == 8 || h.Depth == 16)
                       : base == 2
                           ? h.Depth == 15 || h.Depth == 16 || h.Depth == 24 || h.Depth == 32
                           : h.Depth == 8 || h.Depth == 16;
  if (!depthOk) return kUnsupportedFormat;
  const int alphaBits = h.Descriptor & 0x0F;

  // The colour map, also skipped over when a true-colour image carries one.
  std::size_t at = kHeaderSize + static_cast<std::size_t>(h.IdLength);
  std::vector<std::uint8_t> map;
  if (h.MapType == 1) {
    const int entryBytes = (h.MapEntryBits + 7) / 8;
    if (h.MapEntryBits != 15 && h.MapEntryBits != 16 && h.MapEntryBits != 24 &&
        h.MapEntryBits != 32)
      return kBadHeader;
    const std::size_t mapBytes = static_cast<std::size_t>(h.MapLength) * entryBytes;
    if (file.size() < at + mapBytes) return kTruncated;
    if (base == 1) {
      map.resize(static_cast<std::size_t>(h.MapLength) * 4);
      for (int i = 0; i < h.MapLength; ++i)
        ColourOf(b + at + static_cast<std::size_t>(i) * entryBytes, entryBytes,
                 h.MapEntryBits == 32 ? alphaBits > 0 : h.MapEntryBits == 16 && alphaBits > 0,
                 &map[static_cast<std::size_t>(i) * 4]);
    }
    at += mapBytes;
  }
  if (file.size() < at) return kTruncated;

  const int pixelBytes = (h.Depth + 7) / 8;
  const std::size_t count = static_cast<std::size_t>(h.Width) * h.Height;
  const std::size_t available = file.size() - at;
  // A packet of 1 + pixelBytes bytes gives at most 128 pixels.
  if (encoded ? count > available / (1 + pixelBytes) * 128 + 128 : count * pixelBytes > available)
    return kTruncated;

  // The stored pixels in file order, expanded from their packets.
  std::vector<std::uint8_t> stored(count * pixelBytes);
  if (!encoded) {
    std::copy(b + at, b + at + stored.size(), stored.begin());
  } else {
    std::size_t n = 0;
    while (n < count) {
      if (at >= file.size()) return kTruncated;
      const int packet = b[at++];
      const std::size_t run = static_cast<std::size_t>(packet & 0x7F) + 1;
      const bool repeat = (packet & 0x80) != 0;
      const std::size_t need = repeat ? pixelBytes : run * pixelBytes;
      if (file.size() - at < need) return kTruncated;
      for (std::size_t i = 0; i < run && n < count; ++i, ++n)
        std::copy(b + at + (repeat ? 0 : i * pixelBytes),
                  b + at + (repeat ? 0 : i * pixelBytes) + pixelBytes,
                  stored.begin() + static_cast<std::ptrdiff_t>(n * pixelBytes));
      at += need;
    }
  }

  image.Width = h.Width;
  image.Height = h.Height;
  image.Rgba.resize(count * 4);
  const bool topDown = (h.Descriptor & 0x20) != 0, rightToLeft = (h.Descriptor & 0x10) != 0;
  for (int row = 0; row < h.Height; ++row) {
    const int y = topDown ? row : h.Height - 1 - row;
    for (int column = 0; column < h.Width; ++column) {
      const int x = rightToLeft ? h.Width - 1 - column : column;
      const std::uint8_t* p =
          stored.data() + (static_cast<std::size_t>(row) * h.Width + column) * pixelBytes;
      std::uint8_t* out = image.Rgba.data() + (static_cast<std::size_t>(y) * h.Width + x) * 4;
      if (base == 1) {
        const int index = (pixelBytes == 2 ? U16(p) : p[0]) - h.MapFirst;
        if (index >= 0 && index < h.MapLength) {
          std::copy_n(&map[static_cast<std::size_t>(index) * 4], 4, out);
        } else {  // an index outside the map: black
          out[0] = out[1] = out[2] = 0;
          out[3] = 255;
        }
      } else if (base == 2) {
        ColourOf(p, pixelBytes, alphaBits > 0, out);
      } else {
        out[0] = out[1] = out[2] = p[0];
        out[3] = pixelBytes == 2 && alphaBits > 0 ? p[1] : 255;
      }
    }
  }
  return kLoaded;
}

}  // namespace picture
