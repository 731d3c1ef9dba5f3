// The texture reader on any bytes: it decodes a picture whose size matches
// its pixels, or says why not, and never reads outside the file.
#include "render/bmp_reader.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  render::TextureImage image;
  const render::BitmapError error = render::DecodeBitmap({data, size}, image);
  if (error != render::BitmapError::None) {
    FUZZ_CHECK(image.Pixels.empty());
    FUZZ_CHECK(!render::BitmapErrorMessage(error, "fuzz.tex").empty());
    return 0;
  }
  FUZZ_CHECK(image.Width > 0 && image.Height > 0);
  FUZZ_CHECK(image.Pixels.size() ==
             static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height) * 3);
  const std::vector<std::uint8_t> rgba = render::WidenToRgba(image);
  FUZZ_CHECK(rgba.size() == image.Pixels.size() / 3 * 4);
  return 0;
}
