// Loading the .tex files into GL textures.
#pragma once

class CMessenger;

namespace render {

// Loads the BMP file `fileName` into the bound 2-D texture with mipmaps, as
// RGB or as RGBA (alpha the mean of red, green and blue). When the file is
// missing, too short, not a BMP file or cannot be decoded, shows one message
// that names the file and what is wrong, and returns false.
bool LoadTexture(const char* fileName, bool rgba, CMessenger& messages);

}  // namespace render
