// Loading the .tex files into GL textures.
#pragma once

class CMessenger;

namespace render {

// Loads the BMP file `fileName` into the bound 2-D texture with mipmaps, as
// RGB or as RGBA (alpha the mean of red, green and blue). Returns false when
// the file is missing, too short or not a BMP file, and when it cannot be
// decoded (after the reader's own message).
bool LoadTexture(const char* fileName, bool rgba, CMessenger& messages);

}  // namespace render
