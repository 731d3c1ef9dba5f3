// Picture files: which kind a file is, from its contents, and the decoded
// image the program's own PCX and TGA decoders return. Plain C++, no Qt, so
// that the decoders can be tested and fuzzed on their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace picture {

// The kinds of picture file, numbered as the picture loader reports them.
enum FileType : int {
  kNotAPicture = 0,
  kBmp = 1,
  kGif = 2,
  kPcx = 3,
  kTga = 4,
  kJpeg = 5,
  kTiff = 6,
};

// Error codes of the loader (LastError); 0 is success.
enum LoadError : int {
  kLoaded = 0,
  kCannotOpen = -1,         // the file cannot be read
  kTruncated = -2,          // the file ends before its image does
  kBadHeader = -3,          // a header field no image can have
  kUnsupportedFormat = -4,  // a variant the decoder does not read
  kTooLarge = -5,           // wider or higher than kMaxDimension
  kUndecodable = -6,        // the system's image reader refused the contents
  kUnknownFileType = -200,  // no picture format recognised
  kNoImage = -201,          // nothing has been loaded
};

// Pictures wider or higher than this are refused before anything is allocated.
constexpr int kMaxDimension = 16384;

// A decoded picture: rows top down, 4 bytes per pixel (red, green, blue, alpha).
struct DecodedImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Rgba;
};

// The kind of picture the bytes of a file hold: by their signatures (BMP,
// GIF, JPEG, TIFF), the PCX header's fixed fields, or a TGA header whose
// fields are all plausible; kNotAPicture otherwise.
FileType FileTypeOf(std::span<const std::uint8_t> bytes);

}  // namespace picture
