// The program's own PCX reader: 1-bit black and white, 4-bit (one plane of 4
// bits, or four planes of 1 bit) and 8-bit colour-mapped, and 24-bit (three
// planes of 8 bits) images, run-length encoded or not. Every read is checked
// against the file's size; nothing larger than the file can describe is
// allocated.
#pragma once

#include "render/image_file.h"

namespace picture {

// Decodes a whole PCX file. Returns kLoaded and fills `image`, or one of the
// LoadError codes and leaves `image` empty.
int DecodePcx(std::span<const std::uint8_t> file, DecodedImage& image);

}  // namespace picture
