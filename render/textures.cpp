#include "render/textures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "catalog/regular_file.h"
#include "render/bmp_reader.h"
#include "render/gl.h"
#include "render/mipmaps.h"
#include "res/strings.h"
#include "sky/messages.h"

namespace render {
namespace {

constexpr int kMadeTextureSize = 64;

// Each mip level computed from the shape itself, not averaged down: the
// coverage of a texel by a unit disc, sampled 4 x 4 times.
template <typename Alpha>
void MakeAlphaTexture(Alpha alphaAt) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  int level = 0;
  for (int n = kMadeTextureSize; n >= 1; n /= 2, ++level) {
    std::vector<GLubyte> texels(static_cast<std::size_t>(n * n));
    for (int row = 0; row < n; ++row)
      for (int col = 0; col < n; ++col) {
        double sum = 0;
        for (int sy = 0; sy < 4; ++sy)
          for (int sx = 0; sx < 4; ++sx) {
            const double u = (col + (sx + 0.5) / 4) / n * 2 - 1,
                         v = (row + (sy + 0.5) / 4) / n * 2 - 1;
            sum += alphaAt(std::sqrt(u * u + v * v));
          }
        texels[static_cast<std::size_t>(row * n + col)] =
            static_cast<GLubyte>(std::lround(std::clamp(sum / 16, 0.0, 1.0) * 255));
      }
    glTexImage2D(GL_TEXTURE_2D, level, GL_ALPHA, n, n, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 texels.data());
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  // Clear beyond its edges at every mip level: a square drawn wider than the
  // shape shows nothing there.
  const GLfloat clear[4] = {0, 0, 0, 0};
  glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, clear);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_BORDER);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_BORDER);
}

}  // namespace

std::string TextureFileProblem(const catalog::DataFiles& files, const char* fileName) {
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> f(
      catalog::OpenRegularFile(files.Path(fileName).c_str(), "rb"));
  if (!f) return res::Format(res::IDS_CANT_OPEN_FILE, fileName);
  unsigned char header[14];
  if (std::fread(header, 1, sizeof header, f.get()) != sizeof header || header[0] != 'B' ||
      header[1] != 'M')
    return res::Format(res::IDS_TEXTURE_UNUSABLE, {fileName, res::String(res::IDS_NOT_A_BITMAP)});
  return {};
}

double OpaqueHeight() {
  GLint width = 0, height = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  if (width <= 0 || height <= 0) return 1;
  std::vector<GLubyte> alpha(static_cast<std::size_t>(width) * height);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  for (int row = height - 1; row >= 0; --row)
    for (int x = 0; x < width; ++x)
      if (alpha[static_cast<std::size_t>(row) * width + x] != 0)
        return static_cast<double>(row + 1) / height;
  return 0;
}

void MakeDiscTexture() {
  MakeAlphaTexture([](double r) { return r <= 1 ? 1.0 : 0.0; });
}

void MakeGlowTexture() {
  MakeAlphaTexture([](double r) { return r < 1 ? (1 - r) * (1 - r) : 0.0; });
}

DecodedTexture DecodeTexture(const catalog::DataFiles& files, const char* fileName,
                             TextureAlpha alpha, int largestSide, bool mipmaps) {
  DecodedTexture decoded;
  decoded.Mipmaps = mipmaps;
  TextureImage bitmap;
  decoded.Problem = ReadTextureFile(files, fileName, bitmap);
  if (!decoded.Problem.empty()) return decoded;
  PixelImage image;
  image.Width = bitmap.Width;
  image.Height = bitmap.Height;
  if (alpha == TextureAlpha::None) {
    image.Channels = 3;
    image.Pixels = std::move(bitmap.Pixels);
  } else {
    image.Channels = 4;
    image.Pixels = WidenToRgba(bitmap);
    // Six times the mean: every part of the picture brighter than a
    // fortieth is opaque, and its black background stays clear.
    if (alpha == TextureAlpha::Opaque) AlphaFromBrightness(image, 6);
  }
  while (std::max(image.Width, image.Height) > std::max(1, largestSide)) image = HalveImage(image);
  decoded.Levels.push_back(std::move(image));
  while (mipmaps && (decoded.Levels.back().Width > 1 || decoded.Levels.back().Height > 1))
    decoded.Levels.push_back(HalveImage(decoded.Levels.back()));
  return decoded;
}

bool UploadTexture(const DecodedTexture& texture, CMessenger& messages) {
  if (!texture.Problem.empty()) {
    messages.Show(MessageIcon::Stop, texture.Problem);
    return false;
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  texture.Mipmaps ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  // Rows are packed without padding.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  for (std::size_t level = 0; level < texture.Levels.size(); ++level) {
    const PixelImage& image = texture.Levels[level];
    const GLenum format = image.Channels == 4 ? GL_RGBA : GL_RGB;
    glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), static_cast<GLint>(format), image.Width,
                 image.Height, 0, format, GL_UNSIGNED_BYTE, image.Pixels.data());
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  return true;
}

}  // namespace render
