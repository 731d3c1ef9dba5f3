#include "render/textures.h"

#include "render/bmp_reader.h"
#include "render/gl.h"
#include "sky/messages.h"

namespace render {

bool LoadTexture(const char* fileName, bool rgba, CMessenger& messages) {
  TextureImage image;
  const std::string problem = ReadTextureFile(fileName, image);
  if (!problem.empty()) {
    messages.Show(MessageIcon::Stop, problem);
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
