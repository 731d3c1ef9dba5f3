// Numbers stored little-endian in the program's binary files (the catalogues,
// the BMP textures and pictures), read byte by byte so that they come out the
// same on a machine of either byte order.
#pragma once

#include <bit>
#include <cstdint>

namespace catalog {

inline std::uint16_t LittleU16(const std::uint8_t* b) {
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}
inline std::uint32_t LittleU32(const std::uint8_t* b) {
  return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
         (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}
inline std::uint64_t LittleU64(const std::uint8_t* b) {
  return static_cast<std::uint64_t>(LittleU32(b)) |
         (static_cast<std::uint64_t>(LittleU32(b + 4)) << 32);
}
inline std::int32_t LittleI32(const std::uint8_t* b) {
  return static_cast<std::int32_t>(LittleU32(b));
}
// IEEE 754 single and double precision.
inline float LittleF32(const std::uint8_t* b) { return std::bit_cast<float>(LittleU32(b)); }
inline double LittleF64(const std::uint8_t* b) { return std::bit_cast<double>(LittleU64(b)); }

}  // namespace catalog
