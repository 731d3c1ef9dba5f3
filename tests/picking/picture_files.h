// Small PCX and TGA files made byte by byte, for the decoder tests and the
// fuzzers' seed corpus.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_pictures {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::size_t at, int v) {
  b[at] = static_cast<std::uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8 & 0xFF);
}

// A PCX header for a width x height image of `bits` bits in `planes` planes.
inline Bytes PcxHeader(int width, int height, int bits, int planes, int bytesPerLine,
                       bool encoded) {
  Bytes b(128, 0);
  b[0] = 0x0A;
  b[1] = 5;
  b[2] = encoded ? 1 : 0;
  b[3] = static_cast<std::uint8_t>(bits);
  Put16(b, 8, width - 1);
  Put16(b, 10, height - 1);
  b[65] = static_cast<std::uint8_t>(planes);
  Put16(b, 66, bytesPerLine);
  return b;
}

// Run-length codes `bytes` as PCX does: runs of 2 or more, and bytes of
// 0xC0 and above, as a count byte and the value.
inline void PcxEncode(Bytes& out, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t run = 1;
    while (i + run < bytes.size() && bytes[i + run] == bytes[i] && run < 63) ++run;
    if (run > 1 || bytes[i] >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | run));
    out.push_back(bytes[i]);
    i += run;
  }
}

// A TGA header.
inline Bytes TgaHeader(int type, int width, int height, int depth, int descriptor,
                       int mapLength = 0, int mapBits = 0) {
  Bytes b(18, 0);
  b[1] = mapLength > 0 ? 1 : 0;
  b[2] = static_cast<std::uint8_t>(type);
  Put16(b, 5, mapLength);
  b[7] = static_cast<std::uint8_t>(mapBits);
  Put16(b, 12, width);
  Put16(b, 14, height);
  b[16] = static_cast<std::uint8_t>(depth);
  b[17] = static_cast<std::uint8_t>(descriptor);
  return b;
}

inline void TgaFooter(Bytes& b) {
  const Bytes zeros(8, 0);
  b.insert(b.end(), zeros.begin(), zeros.end());
  const std::string signature = "TRUEVISION-XFILE.";
  b.insert(b.end(), signature.begin(), signature.end());
  b.push_back(0);
}

// The test picture of every format: 3 x 2 pixels, top row red, green, blue;
// bottom row white, black, grey (128).
inline constexpr std::uint8_t kRgb[2][3][3] = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
                                               {{255, 255, 255}, {0, 0, 0}, {128, 128, 128}}};

// 8-bit PCX, run-length coded, with the 256-colour palette at the end.
inline Bytes Pcx8() {
  Bytes b = PcxHeader(3, 2, 8, 1, 4, true);
  PcxEncode(b, {1, 2, 3, 0, 4, 5, 6, 6});  // a pad byte per line; "6, 6" is a run
  b.push_back(12);
  Bytes palette(768, 0);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      for (int c = 0; c < 3; ++c) palette[(1 + y * 3 + x) * 3 + c] = kRgb[y][x][c];
  b.insert(b.end(), palette.begin(), palette.end());
  return b;
}

// 24-bit PCX: three planes of 8 bits per line, run-length coded.
inline Bytes Pcx24() {
  Bytes b = PcxHeader(3, 2, 8, 3, 4, true);
  Bytes lines;
  for (int y = 0; y < 2; ++y)
    for (int c = 0; c < 3; ++c) {
      for (int x = 0; x < 3; ++x) lines.push_back(kRgb[y][x][c]);
      lines.push_back(0);
    }
  PcxEncode(b, lines);
  return b;
}

// 24-bit TGA, type 2 (raw) or 10 (run-length coded), bottom-up or top-down.
inline Bytes Tga24(bool encoded, bool topDown, bool footer) {
  Bytes b = TgaHeader(encoded ? 10 : 2, 3, 2, 24, topDown ? 0x20 : 0);
  for (int row = 0; row < 2; ++row) {
    const int y = topDown ? row : 1 - row;
    if (encoded) b.push_back(2);  // one raw packet of 3 pixels per row
    for (int x = 0; x < 3; ++x)
      for (int c = 2; c >= 0; --c) b.push_back(kRgb[y][x][c]);
  }
  if (footer) TgaFooter(b);
  return b;
}

}  // namespace test_pictures
