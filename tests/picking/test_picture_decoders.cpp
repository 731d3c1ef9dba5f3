// The program's own PCX and TGA decoders and the file kinds: test images
// made here decode to the right pixels; broken and hostile files give an
// error code and nothing else.
#include <gtest/gtest.h>

#include "render/image_file.h"
#include "render/pcx_decoder.h"
#include "render/tga_decoder.h"
#include "tests/picking/picture_files.h"

namespace {

using namespace test_pictures;

struct Pixel {
  int r, g, b, a;
  bool operator==(const Pixel&) const = default;
};

Pixel At(const picture::DecodedImage& image, int x, int y) {
  const std::uint8_t* p = &image.Rgba[(static_cast<std::size_t>(y) * image.Width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

void ExpectTestPicture(const picture::DecodedImage& image, const char* what) {
  ASSERT_EQ(image.Width, 3) << what;
  ASSERT_EQ(image.Height, 2) << what;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(At(image, x, y), (Pixel{kRgb[y][x][0], kRgb[y][x][1], kRgb[y][x][2], 255}))
          << what << " at " << x << "," << y;
}

TEST(PictureDecoders, PcxAndTgaOfEveryLayoutGiveTheTestPicture) {
  const struct {
    const char* what;
    Bytes file;
    int (*decode)(std::span<const std::uint8_t>, picture::DecodedImage&);
  } cases[] = {
      {"PCX 8 bits", Pcx8(), picture::DecodePcx},
      {"PCX 24 bits", Pcx24(), picture::DecodePcx},
      {"TGA raw bottom-up", Tga24(false, false, false), picture::DecodeTga},
      {"TGA raw top-down", Tga24(false, true, false), picture::DecodeTga},
      {"TGA RLE bottom-up with footer", Tga24(true, false, true), picture::DecodeTga},
      {"TGA RLE top-down with footer", Tga24(true, true, true), picture::DecodeTga},
  };
  for (const auto& c : cases) {
    picture::DecodedImage image;
    ASSERT_EQ(c.decode(c.file, image), picture::kLoaded) << c.what;
    ExpectTestPicture(image, c.what);
  }
}

TEST(PictureDecoders, PcxOneAndFourBits) {
  // 1 bit: 10 pixels, set bits white.
  Bytes mono = PcxHeader(10, 1, 1, 1, 2, false);
  mono.insert(mono.end(), {0b10100000, 0b01000000});
  picture::DecodedImage image;
  ASSERT_EQ(picture::DecodePcx(mono, image), picture::kLoaded);
  const int expected[10] = {255, 0, 255, 0, 0, 0, 0, 0, 0, 255};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(At(image, x, 0).g, expected[x]) << x;

  // 4 bits as four planes of one bit, colours from the header's palette.
  Bytes ega = PcxHeader(2, 1, 1, 4, 1, true);
  for (int i = 0; i < 16; ++i) ega[16 + i * 3] = static_cast<std::uint8_t>(i * 16);
  // Pixel 0 has index 0b0101 (planes 0 and 2), pixel 1 index 0b1010.
  PcxEncode(ega, {0b10000000, 0b01000000, 0b10000000, 0b01000000});
  ASSERT_EQ(picture::DecodePcx(ega, image), picture::kLoaded);
  EXPECT_EQ(At(image, 0, 0).r, 5 * 16);
  EXPECT_EQ(At(image, 1, 0).r, 10 * 16);

  // 4 bits in one plane: two pixels a byte, high nibble first.
  Bytes nibbles = PcxHeader(3, 1, 4, 1, 2, false);
  for (int i = 0; i < 16; ++i) nibbles[17 + i * 3] = static_cast<std::uint8_t>(i * 10);
  nibbles.insert(nibbles.end(), {0x3C, 0x70});
  ASSERT_EQ(picture::DecodePcx(nibbles, image), picture::kLoaded);
  EXPECT_EQ(At(image, 0, 0).g, 30);
  EXPECT_EQ(At(image, 1, 0).g, 120);
  EXPECT_EQ(At(image, 2, 0).g, 70);
}

TEST(PictureDecoders, TgaColourMapsGreysSixteenBitsAndAlpha) {
  picture::DecodedImage image;
  // Type 1 and 9: a colour map of 24-bit entries; type 9 coded as one run.
  for (const int type : {1, 9}) {
    Bytes b = TgaHeader(type, 2, 1, 8, 0x20, 2, 24);
    b.insert(b.end(), {10, 20, 30, 40, 50, 60});  // BGR entries 0 and 1
    if (type == 1)
      b.insert(b.end(), {1, 0});
    else
      b.insert(b.end(), {0x81, 1});
    ASSERT_EQ(picture::DecodeTga(b, image), picture::kLoaded) << type;
    EXPECT_EQ(At(image, 0, 0), (Pixel{60, 50, 40, 255})) << type;
    EXPECT_EQ(At(image, 1, 0),
              (Pixel{type == 1 ? 30 : 60, type == 1 ? 20 : 50, type == 1 ? 10 : 40, 255}))
        << type;
  }
  // Type 3 and 11: grey.
  Bytes grey = TgaHeader(11, 3, 1, 8, 0x20);
  grey.insert(grey.end(), {0x01, 7, 9, 0x00, 200});
  ASSERT_EQ(picture::DecodeTga(grey, image), picture::kLoaded);
  EXPECT_EQ(At(image, 0, 0), (Pixel{7, 7, 7, 255}));
  EXPECT_EQ(At(image, 1, 0), (Pixel{9, 9, 9, 255}));
  EXPECT_EQ(At(image, 2, 0), (Pixel{200, 200, 200, 255}));
  // 16 bits: A1R5G5B5, the attribute bit as alpha when the descriptor says so.
  Bytes sixteen = TgaHeader(2, 2, 1, 16, 0x21);
  sixteen.insert(sixteen.end(), {0x00, 0xFC, 0x1F, 0x00});  // opaque red, transparent blue
  ASSERT_EQ(picture::DecodeTga(sixteen, image), picture::kLoaded);
  EXPECT_EQ(At(image, 0, 0), (Pixel{255, 0, 0, 255}));
  EXPECT_EQ(At(image, 1, 0), (Pixel{0, 0, 255, 0}));
  // 32 bits with alpha, right to left.
  Bytes bgra = TgaHeader(2, 2, 1, 32, 0x38);
  bgra.insert(bgra.end(), {1, 2, 3, 4, 5, 6, 7, 8});
  ASSERT_EQ(picture::DecodeTga(bgra, image), picture::kLoaded);
  EXPECT_EQ(At(image, 1, 0), (Pixel{3, 2, 1, 4}));
  EXPECT_EQ(At(image, 0, 0), (Pixel{7, 6, 5, 8}));
}

TEST(PictureDecoders, BrokenAndHostileFilesGiveAnErrorAndNoImage) {
  Bytes truncatedPcx = Pcx24();
  truncatedPcx.resize(truncatedPcx.size() - 3);
  Bytes hugePcx = PcxHeader(40000, 2, 8, 1, 40000, true);
  Bytes bombPcx = PcxHeader(16000, 16000, 8, 3, 16000, true);  // 768 MB from a few bytes
  bombPcx.insert(bombPcx.end(), {0xFF, 0x00});
  Bytes narrowLinesPcx = PcxHeader(100, 1, 8, 1, 10, false);
  narrowLinesPcx.resize(128 + 100);
  Bytes twoBitPcx = PcxHeader(4, 1, 2, 1, 1, false);
  twoBitPcx.push_back(0);
  Bytes truncatedTga = Tga24(false, false, false);
  truncatedTga.resize(truncatedTga.size() - 1);
  Bytes truncatedRle = Tga24(true, false, false);
  truncatedRle.resize(truncatedRle.size() - 4);
  Bytes bombTga = TgaHeader(10, 16000, 16000, 32, 0);
  bombTga.insert(bombTga.end(), {0xFF, 1, 2, 3, 4});
  Bytes mapMissing = TgaHeader(1, 2, 1, 8, 0, 200, 24);
  Bytes badDepth = TgaHeader(2, 2, 1, 12, 0);
  badDepth.resize(100);
  Bytes zeroWidth = TgaHeader(2, 0, 1, 24, 0);
  const struct {
    const char* what;
    Bytes file;
    int (*decode)(std::span<const std::uint8_t>, picture::DecodedImage&);
    int error;
  } cases[] = {
      {"empty PCX", {}, picture::DecodePcx, picture::kTruncated},
      {"PCX cut short", truncatedPcx, picture::DecodePcx, picture::kTruncated},
      {"PCX too wide", hugePcx, picture::DecodePcx, picture::kTooLarge},
      {"PCX run-length bomb", bombPcx, picture::DecodePcx, picture::kTruncated},
      {"PCX lines narrower than the image", narrowLinesPcx, picture::DecodePcx,
       picture::kBadHeader},
      {"PCX of 2 bits", twoBitPcx, picture::DecodePcx, picture::kUnsupportedFormat},
      {"TGA cut short", truncatedTga, picture::DecodeTga, picture::kTruncated},
      {"TGA packets cut short", truncatedRle, picture::DecodeTga, picture::kTruncated},
      {"TGA run-length bomb", bombTga, picture::DecodeTga, picture::kTruncated},
      {"TGA colour map missing", mapMissing, picture::DecodeTga, picture::kTruncated},
      {"TGA of 12 bits", badDepth, picture::DecodeTga, picture::kUnsupportedFormat},
      {"TGA of no width", zeroWidth, picture::DecodeTga, picture::kBadHeader},
  };
  for (const auto& c : cases) {
    picture::DecodedImage image;
    image.Width = 5;
    EXPECT_EQ(c.decode(c.file, image), c.error) << c.what;
    EXPECT_EQ(image.Width, 0) << c.what;
    EXPECT_TRUE(image.Rgba.empty()) << c.what;
  }
}

TEST(PictureDecoders, FileKindFromTheContents) {
  const auto kind = [](std::string_view bytes) {
    return picture::FileTypeOf(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  };
  const auto kindOf = [](const Bytes& b) { return picture::FileTypeOf(b); };
  EXPECT_EQ(kind("BM...."), picture::kBmp);
  EXPECT_EQ(kind("GIF89a.."), picture::kGif);
  EXPECT_EQ(kind("GIF87a.."), picture::kGif);
  EXPECT_EQ(kind("\xFF\xD8\xFF\xE0"), picture::kJpeg);
  EXPECT_EQ(kind(std::string_view("II*\0", 4)), picture::kTiff);
  EXPECT_EQ(kind(std::string_view("MM\0*", 4)), picture::kTiff);
  EXPECT_EQ(kindOf(Pcx8()), picture::kPcx);
  EXPECT_EQ(kindOf(Tga24(true, true, false)), picture::kTga);
  EXPECT_EQ(kindOf(Tga24(false, false, true)), picture::kTga);
  EXPECT_EQ(kind("Just some text, long enough to be taken for a header."), picture::kNotAPicture);
  EXPECT_EQ(kind(""), picture::kNotAPicture);
}

}  // namespace
