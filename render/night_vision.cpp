#include "render/night_vision.h"

#include "render/gl.h"
#include "sky/night_vision.h"

namespace render {

void DimToNightVision() {
  glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  for (GLenum cap : {GL_DEPTH_TEST, GL_TEXTURE_2D, GL_FOG, GL_LIGHTING, GL_CLIP_PLANE0,
                     GL_ALPHA_TEST, GL_COLOR_LOGIC_OP})
    glDisable(cap);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  // destination = destination x source colour: red scaled, green and blue gone.
  glEnable(GL_BLEND);
  glBlendFunc(GL_ZERO, GL_SRC_COLOR);
  glColor4f(static_cast<float>(sky::kNightVisionMaxRed) / 255.0f, 0.0f, 0.0f, 1.0f);
  const auto cover = [] {
    glBegin(GL_QUADS);
    glVertex2f(-1, -1);
    glVertex2f(1, -1);
    glVertex2f(1, 1);
    glVertex2f(-1, 1);
    glEnd();
  };
  cover();
  // An opaque frame: whatever composes it over the window adds nothing.
  glDisable(GL_BLEND);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
  glColor4f(0, 0, 0, 1);
  cover();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
}

}  // namespace render
