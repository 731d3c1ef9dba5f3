// The program's own reader of BMP files (the .tex textures): core (12-byte)
// and information (40-byte) headers, 1, 4, 8, 16, 24 and 32 bits per pixel,
// colour tables, row padding. Every offset and size is checked against the
// length of the file before it is used.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalog/data_files.h"

namespace render {

// A decoded image: rows bottom-up, 3 bytes per pixel (red, green, blue), no padding.
struct TextureImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;
};

enum class BitmapError {
  None,
  OpenFailed,     // the file cannot be opened or read
  UnknownFormat,  // the header is neither a core nor an information header
  Conversion,     // the header or the pixel data do not describe a bitmap that fits in the file
  OutOfMemory,    // the image is too large to hold
};

// Decodes the bytes of a whole BMP file.
BitmapError DecodeBitmap(std::span<const std::uint8_t> file, TextureImage& image);
// Reads and decodes a BMP file.
BitmapError ReadBitmapFile(const char* path, TextureImage& image);

// The message the user sees for an error (empty for None).
std::string BitmapErrorMessage(BitmapError error, const char* path);

// Reads the texture file `name` of the data directory: it must open, hold at
// least a BMP file header and begin with "BM", and decode. Returns the one
// message that names the file and what is wrong with it, or an empty text
// when `image` holds the picture.
std::string ReadTextureFile(const catalog::DataFiles& files, const char* name, TextureImage& image);

// RGB -> RGBA with alpha the integer mean of red, green and blue, so black is
// transparent and white opaque.
std::vector<std::uint8_t> WidenToRgba(const TextureImage& image);

}  // namespace render
