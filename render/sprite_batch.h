// Textured squares in window pixels, drawn in one call: the stars' sprites
// and discs, and their glows. The arrays are kept from frame to frame, so a
// frame allocates nothing once they have grown.
#pragma once

#include <vector>

#include "render/gl.h"

namespace render {

struct Rgba {
  GLubyte R, G, B, A;
};

class CSpriteBatch {
 public:
  void Clear();
  // A square of half-side `half` pixels centred on window point x, y, the
  // whole texture on it, in `colour` (which modulates the texture). A
  // `margin` of pixels widens the square beyond the texture's edge (which
  // then needs a clear border), so that a small shape's rim is antialiased
  // over the pixels round it.
  void Add(double x, double y, double half, Rgba colour, double margin = 0);
  // Draws every square with `texture` bound, in the current projection
  // (window pixels), and leaves texturing and the arrays off.
  void Draw(GLuint texture) const;

 private:
  std::vector<GLfloat> vertices_;   // x, y per corner
  std::vector<GLfloat> texCoords_;  // s, t per corner
  std::vector<Rgba> colours_;       // per corner
};

}  // namespace render
