// The program's own Truevision TGA reader: colour-mapped (types 1 and 9),
// true-colour (2 and 10: 15, 16, 24 and 32 bits) and greyscale (3 and 11: 8
// bits, or 16 with alpha) images, raw or run-length encoded, with either
// origin, with or without the version 2 footer. Every read is checked
// against the file's size.
#pragma once

#include "render/image_file.h"

namespace picture {

// Decodes a whole TGA file. Returns kLoaded and fills `image`, or one of the
// LoadError codes and leaves `image` empty.
int DecodeTga(std::span<const std::uint8_t> file, DecodedImage& image);

}  // namespace picture
