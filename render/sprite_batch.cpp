#include "render/sprite_batch.h"

namespace render {

void CSpriteBatch::Clear() {
  vertices_.clear();
  texCoords_.clear();
  colours_.clear();
}

void CSpriteBatch::Add(double x, double y, double half, Rgba colour, double margin) {
  const auto fx = static_cast<GLfloat>(x), fy = static_cast<GLfloat>(y),
             h = static_cast<GLfloat>(half + margin);
  const auto lo = static_cast<GLfloat>(-margin / (2 * half)), hi = 1 - lo;
  // Counter-clockwise from the upper left; texture t grows downwards as the
  // sprites always had it.
  vertices_.insert(vertices_.end(),
                   {fx - h, fy + h, fx - h, fy - h, fx + h, fy - h, fx + h, fy + h});
  texCoords_.insert(texCoords_.end(), {lo, lo, lo, hi, hi, hi, hi, lo});
  colours_.insert(colours_.end(), {colour, colour, colour, colour});
}

void CSpriteBatch::Draw(GLuint texture) const {
  if (vertices_.empty()) return;
  glBindTexture(GL_TEXTURE_2D, texture);
  glEnable(GL_TEXTURE_2D);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(2, GL_FLOAT, 0, vertices_.data());
  glTexCoordPointer(2, GL_FLOAT, 0, texCoords_.data());
  glColorPointer(4, GL_UNSIGNED_BYTE, 0, colours_.data());
  glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices_.size() / 2));
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisable(GL_TEXTURE_2D);
}

}  // namespace render
