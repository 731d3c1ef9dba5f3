#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "render/bmp_reader.h"
#include "tests/test_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using render::BitmapError;
using render::DecodeBitmap;
using render::TextureImage;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

// A BMP file with a 40-byte header; `palette` holds BGRX entries, `rows` the
// padded pixel rows bottom-up.
Bytes InfoBitmap(int width, int height, int bits, const Bytes& palette, const Bytes& rows,
                 std::uint32_t compression = 0, int usedColours = 0) {
  const std::size_t offset = 14 + 40 + palette.size();
  Bytes b(offset);
  b[0] = 'B', b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(offset + rows.size()));
  Put32(b, 10, static_cast<std::uint32_t>(offset));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<std::uint32_t>(bits));
  Put32(b, 30, compression);
  Put32(b, 46, static_cast<std::uint32_t>(usedColours));
  std::copy(palette.begin(), palette.end(), b.begin() + 54);
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

std::vector<int> Pixel(const TextureImage& image, int x, int y) {
  const std::size_t at = (static_cast<std::size_t>(y) * image.Width + x) * 3;
  return {image.Pixels[at], image.Pixels[at + 1], image.Pixels[at + 2]};
}

TEST(BitmapReader, TrueColourDepthsWithRowPadding) {
  // 3 x 2 at 24 bits: rows of 9 bytes padded to 12, blue-green-red.
  const Bytes rows = {
      0,  0,  255, 0,  255, 0,  255, 0,  0,  0xEE, 0xEE, 0xEE,  // bottom: red green blue
      10, 20, 30,  40, 50,  60, 70,  80, 90, 0xEE, 0xEE, 0xEE};
  TextureImage image;
  ASSERT_EQ(DecodeBitmap(InfoBitmap(3, 2, 24, {}, rows), image), BitmapError::None);
  EXPECT_EQ(image.Width, 3);
  EXPECT_EQ(image.Height, 2);
  ASSERT_EQ(image.Pixels.size(), 18u);
  EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(Pixel(image, 1, 0), (std::vector<int>{0, 255, 0}));
  EXPECT_EQ(Pixel(image, 2, 0), (std::vector<int>{0, 0, 255}));
  EXPECT_EQ(Pixel(image, 0, 1), (std::vector<int>{30, 20, 10}));
  EXPECT_EQ(Pixel(image, 2, 1), (std::vector<int>{90, 80, 70}));

  // 32 bits: BGRX.
  ASSERT_EQ(DecodeBitmap(InfoBitmap(1, 1, 32, {}, {1, 2, 3, 0}), image), BitmapError::None);
  EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{3, 2, 1}));

  // 16 bits, 5-5-5: pure red 0x7C00, padded to 4 bytes.
  ASSERT_EQ(DecodeBitmap(InfoBitmap(1, 1, 16, {}, {0x00, 0x7C, 0, 0}), image), BitmapError::None);
  EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{255, 0, 0}));
}

TEST(BitmapReader, PaletteDepths) {
  const Bytes twoColours = {0, 0, 0, 0, 255, 255, 255, 0};  // black, white
  TextureImage image;
  // 1 bit: 10 pixels 1010110000 in one padded row.
  ASSERT_EQ(DecodeBitmap(InfoBitmap(10, 1, 1, twoColours, {0xAC, 0x00, 0, 0}), image),
            BitmapError::None);
  const int expected[10] = {1, 0, 1, 0, 1, 1, 0, 0, 0, 0};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Pixel(image, x, 0)[0], expected[x] * 255) << x;

  // 4 bits with a used-colours count of 3: nibbles 2, 1, 0.
  const Bytes three = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};  // red, green, blue
  ASSERT_EQ(DecodeBitmap(InfoBitmap(3, 1, 4, three, {0x21, 0x00, 0, 0}, 0, 3), image),
            BitmapError::None);
  EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{0, 0, 255}));
  EXPECT_EQ(Pixel(image, 1, 0), (std::vector<int>{0, 255, 0}));
  EXPECT_EQ(Pixel(image, 2, 0), (std::vector<int>{255, 0, 0}));

  // 8 bits; an index past the table reads black rather than memory beyond it.
  ASSERT_EQ(DecodeBitmap(InfoBitmap(2, 1, 8, three, {1, 200, 0, 0}, 0, 3), image),
            BitmapError::None);
  EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{0, 255, 0}));
  EXPECT_EQ(Pixel(image, 1, 0), (std::vector<int>{0, 0, 0}));
}

TEST(BitmapReader, CoreHeaderAndTopDownRows) {
  // 12-byte header, 1 bit, colour table of 3-byte entries: blue, red.
  Bytes b(14 + 12 + 6);
  b[0] = 'B', b[1] = 'M';
  Put32(b, 10, 14 + 12 + 6);
  Put32(b, 14, 12);
  Put16(b, 18, 1);
  Put16(b, 20, 2);
  Put16(b, 22, 1);
  Put16(b, 24, 1);
  b[26] = 255, b[27] = 0, b[28] = 0, b[29] = 0, b[30] = 0, b[31] = 255;
  const Bytes rows = {0x00, 0, 0, 0, 0x80, 0, 0, 0};
  b.insert(b.end(), rows.begin(), rows.end());
  TextureImage image;
  ASSERT_EQ(DecodeBitmap(b, image), BitmapError::None);
  EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{0, 0, 255}));
  EXPECT_EQ(Pixel(image, 0, 1), (std::vector<int>{255, 0, 0}));
  // With 8 bits and no count the table would need 256 entries: too short a file.
  Put16(b, 24, 8);
  EXPECT_EQ(DecodeBitmap(b, image), BitmapError::Conversion);

  // A top-down 24-bit bitmap comes out bottom-up.
  Bytes topDown = InfoBitmap(1, -2, 24, {}, {0, 0, 255, 0, 255, 0, 0, 0});  // top red, bottom blue
  ASSERT_EQ(DecodeBitmap(topDown, image), BitmapError::None);
  EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{0, 0, 255}));
  EXPECT_EQ(Pixel(image, 0, 1), (std::vector<int>{255, 0, 0}));
}

TEST(BitmapReader, DamagedFilesAreRefusedWithoutReadingPastTheirEnd) {
  const Bytes good = InfoBitmap(4, 4, 24, {}, Bytes(48, 0x80));
  TextureImage image;
  ASSERT_EQ(DecodeBitmap(good, image), BitmapError::None);

  // Every truncation of a good file is refused, none read outside it.
  for (std::size_t size = 0; size < good.size(); ++size)
    EXPECT_NE(DecodeBitmap(std::span(good.data(), size), image), BitmapError::None) << size;

  Bytes lying = good;
  Put32(lying, 10, 0xFFFFFFF0);  // pixel offset beyond the file
  EXPECT_EQ(DecodeBitmap(lying, image), BitmapError::Conversion);
  lying = good;
  Put32(lying, 18, 0x7FFFFFFF);  // width
  EXPECT_NE(DecodeBitmap(lying, image), BitmapError::None);
  lying = good;
  Put32(lying, 22, 0x80000000);  // height of INT_MIN
  EXPECT_NE(DecodeBitmap(lying, image), BitmapError::None);
  lying = good;
  Put32(lying, 14, 64);  // header size
  EXPECT_EQ(DecodeBitmap(lying, image), BitmapError::UnknownFormat);
  lying = good;
  Put16(lying, 28, 7);  // bit count
  EXPECT_EQ(DecodeBitmap(lying, image), BitmapError::Conversion);
  lying = good;
  Put32(lying, 30, 1);  // run-length compressed
  EXPECT_EQ(DecodeBitmap(lying, image), BitmapError::Conversion);
  Bytes hugeTable = InfoBitmap(1, 1, 8, Bytes(8, 0), {0, 0, 0, 0}, 0, 0x40000000);
  EXPECT_EQ(DecodeBitmap(hugeTable, image), BitmapError::Conversion);
}

TEST(BitmapReader, FilesAndMessages) {
  ScratchDir dir;
  TextureImage image;
  EXPECT_EQ(render::ReadBitmapFile(dir.File("none.tex").c_str(), image), BitmapError::OpenFailed);
  const Bytes good = InfoBitmap(1, 1, 24, {}, {1, 2, 3, 0});
  dir.Write("one.tex", std::string_view(reinterpret_cast<const char*>(good.data()), good.size()));
  EXPECT_EQ(render::ReadBitmapFile(dir.File("one.tex").c_str(), image), BitmapError::None);
  EXPECT_EQ(render::BitmapErrorMessage(BitmapError::UnknownFormat, "x"),
            "Unknown DIB file format.");
  EXPECT_EQ(render::BitmapErrorMessage(BitmapError::OpenFailed, "mw.tex"),
            "Failed to open DIB file mw.tex.\n");
}

TEST(BitmapReader, TextureFilesGiveOneMessageNamingTheFile) {
  ScratchDir dir;
  const Bytes good = InfoBitmap(1, 1, 24, {}, {1, 2, 3, 0});
  const std::string goodText(reinterpret_cast<const char*>(good.data()), good.size());
  std::string unknown = goodText;
  unknown[14] = 64;
  const struct {
    const char* Name;
    std::string Bytes;  // "-": no file at all
    const char* Message;
  } kCases[] = {
      {"none.tex", "-", "Can't open \"NAME\" file !   "},
      {"empty.tex", "", "The texture file \"NAME\" cannot be used: it is not a BMP file.   "},
      {"short.tex", "BM\x10", "The texture file \"NAME\" cannot be used: it is not a BMP file.   "},
      {"gif.tex", "GIF89a" + goodText.substr(6),
       "The texture file \"NAME\" cannot be used: it is not a BMP file.   "},
      {"unknown.tex", unknown,
       "The texture file \"NAME\" cannot be used: Unknown DIB file format.   "},
      {"cut.tex", goodText.substr(0, goodText.size() - 2),
       "The texture file \"NAME\" cannot be used: Image file conversion error.   "},
      {"good.tex", goodText, ""},
  };
  for (const auto& c : kCases) {
    if (c.Bytes != "-") dir.Write(c.Name, c.Bytes);
    std::string expected = c.Message;
    if (const std::size_t at = expected.find("NAME"); at != std::string::npos)
      expected.replace(at, 4, c.Name);
    TextureImage image;
    EXPECT_EQ(render::ReadTextureFile({dir.Path().string()}, c.Name, image), expected) << c.Name;
  }
}

TEST(BitmapReader, AlphaIsTheMeanOfTheColours) {
  TextureImage image;
  image.Width = 3;
  image.Height = 1;
  image.Pixels = {0, 0, 0, 255, 255, 255, 10, 20, 31};
  const std::vector<std::uint8_t> rgba = render::WidenToRgba(image);
  ASSERT_EQ(rgba.size(), 12u);
  EXPECT_EQ(rgba[3], 0) << "black is transparent";
  EXPECT_EQ(rgba[7], 255);
  EXPECT_EQ(rgba[11], 20);
  EXPECT_EQ(rgba[8], 10);
}

}  // namespace
