// libFuzzer target: the TGA decoder on any bytes. Built and run by
// tools/fuzz.sh with AddressSanitizer and UndefinedBehaviorSanitizer.
#include <cstddef>
#include <cstdint>

#include "render/image_file.h"
#include "render/tga_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  picture::FileTypeOf(bytes);
  picture::DecodedImage image;
  if (picture::DecodeTga(bytes, image) == picture::kLoaded &&
      image.Rgba.size() != static_cast<std::size_t>(image.Width) * image.Height * 4)
    __builtin_trap();
  return 0;
}
