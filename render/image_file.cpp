#include "render/image_file.h"

#include <cstring>

namespace picture {
namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, const char* signature, std::size_t length) {
  return bytes.size() >= length && std::memcmp(bytes.data(), signature, length) == 0;
}

bool IsPcxHeader(std::span<const std::uint8_t> b) {
  if (b.size() < 128 || b[0] != 0x0A) return false;
  const int version = b[1], encoding = b[2], bits = b[3], planes = b[65];
  return (version == 0 || (version >= 2 && version <= 5)) && encoding <= 1 &&
         (bits == 1 || bits == 2 || bits == 4 || bits == 8) && planes >= 1 && planes <= 4;
}

// TGA files have no signature at their start: every header field must be
// one a TGA file can have.
bool IsTgaHeader(std::span<const std::uint8_t> b) {
  if (b.size() < 18) return false;
  const int mapType = b[1], type = b[2], entryBits = b[7], depth = b[16], descriptor = b[17];
  const int width = b[12] | b[13] << 8, height = b[14] | b[15] << 8;
  if (mapType > 1 || width == 0 || height == 0 || (descriptor & 0xC0) != 0) return false;
  if (mapType == 1 && entryBits != 15 && entryBits != 16 && entryBits != 24 && entryBits != 32)
    return false;
  switch (type & ~8) {
    case 1:
      return mapType == 1 && (depth == 8 || depth == 16);
    case 2:
      return depth == 15 || depth == 16 || depth == 24 || depth == 32;
    case 3:
      return depth == 8 || depth == 16;
    default:
      return false;
  }
}

}  // namespace

FileType FileTypeOf(std::span<const std::uint8_t> bytes) {
  if (StartsWith(bytes, "BM", 2)) return kBmp;
  if (StartsWith(bytes, "GIF87a", 6) || StartsWith(bytes, "GIF89a", 6)) return kGif;
  if (StartsWith(bytes, "\xFF\xD8\xFF", 3)) return kJpeg;
  if (StartsWith(bytes, "II*\0", 4) || StartsWith(bytes, "MM\0*", 4)) return kTiff;
  if (IsPcxHeader(bytes)) return kPcx;
  if (IsTgaHeader(bytes)) return kTga;
  return kNotAPicture;
}

}  // namespace picture
