// Loading the .tex files into GL textures.
#pragma once

#include <string>
#include <vector>

#include "catalog/data_files.h"
#include "render/mipmaps.h"

class CMessenger;

namespace render {

// Empty when the data file `fileName` opens as a regular file and starts
// with a BMP file header; else the message that names it and what is wrong.
std::string TextureFileProblem(const catalog::DataFiles& files, const char* fileName);

enum class TextureAlpha {
  None,    // RGB
  Mean,    // RGBA, alpha the mean of red, green and blue
  Opaque,  // RGBA, opaque but where the picture is black
};

// The BMP data file `fileName` read and decoded with its mipmaps, halved
// until no side is longer than `largestSide` (the size the sky draws it at,
// at most): what a GL texture is made from. Needs no GL context, so a thread
// of its own can read the pictures while the window comes up.
// `mipmaps` false: for a picture the sky only ever magnifies (the bands round
// the sky), one level with linear filtering is cheaper to sample and to keep.
struct DecodedTexture {
  // The message that names the file and what is wrong when it is missing,
  // too short, not a BMP file or cannot be decoded; empty when read.
  std::string Problem;
  std::vector<PixelImage> Levels;  // the picture, then its mipmaps
  bool Mipmaps = false;
};
DecodedTexture DecodeTexture(const catalog::DataFiles& files, const char* fileName,
                             TextureAlpha alpha, int largestSide, bool mipmaps);

// Puts `texture` into the bound 2-D texture; when it could not be read, shows
// its problem and returns false.
bool UploadTexture(const DecodedTexture& texture, CMessenger& messages);

// The fraction of the bound texture's height, from its first row, below its
// highest texel that is not clear (1 when it cannot be read).
double OpaqueHeight();

// Alpha textures made by the program, with their mipmaps, into the bound
// texture: a disc that fills the square with its rim antialiased at every
// size (the faint stars), and a soft glow fading from the centre to the edge
// (round the brightest stars).
void MakeDiscTexture();
void MakeGlowTexture();

}  // namespace render
