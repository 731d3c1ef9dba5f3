#include "render/textures.h"

#include <cstdio>
#include <memory>

#include "catalog/regular_file.h"
#include "render/bmp_reader.h"
#include "render/gl.h"
#include "sky/messages.h"

namespace render {
namespace {

// The file exists and starts with a BMP file header.
bool HasBitmapHeader(const char* fileName) {
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> f(catalog::OpenRegularFile(fileName, "rb"));
  unsigned char header[14];
  return f && std::fread(header, 1, sizeof header, f.get()) == sizeof header && header[0] == 'B' &&
         header[1] == 'M';
}

}  // namespace

bool LoadTexture(const char* fileName, bool rgba, CMessenger& messages) {
  if (!HasBitmapHeader(fileName)) return false;
  TextureImage image;
  const BitmapError error = ReadBitmapFile(fileName, image);
  if (error != BitmapError::None) {
    messages.Show(MessageIcon::Stop, BitmapErrorMessage(error, fileName));
    return false;
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  if (rgba) {
    const std::vector<std::uint8_t> pixels = WidenToRgba(image);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, image.Width, image.Height, GL_RGBA, GL_UNSIGNED_BYTE,
                      pixels.data());
  } else {
    // Rows of three bytes are packed without padding.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.Width, image.Height, GL_RGB, GL_UNSIGNED_BYTE,
                      image.Pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  }
  return true;
}

}  // namespace render
