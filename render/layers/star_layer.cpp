// The bright stars: every star brighter than the limit on the facing
// hemisphere, as a textured sprite when it is bright enough, else as a smooth
// point, in the colour of its spectral class. Twilight thins them out.
//
// This loop runs over the whole catalogue on every frame: the magnitude tests
// come first and the projection last, and nothing is allocated.
#include <algorithm>

#include "astro/transforms.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Brightness base of a dark sky: a star of magnitude m is drawn with size 7 - m.
constexpr float kDarkSkyBase = 7.0f;
// Stars from this size on are sprites; a sprite's half-side is 1.5 times the size.
constexpr float kSpriteSize = 2.0f;
constexpr double kSpriteScale = 1.5;
// Stars at or fainter than the base would get no size at all: they are drawn as
// the smallest visible point.
constexpr float kMinimumPointSize = 1.0f;

void SetStarColour(const CSkyDoc& doc, char spectralClass) {
  if (doc.RedScreen) {
    glColor3ub(255, 0, 0);
    return;
  }
  if (!doc.StarsColors) {
    glColor3f(1, 1, 1);
    return;
  }
  switch (spectralClass) {
    case 'O':
    case 'B':
      glColor3ub(150, 255, 255);
      break;
    case 'A':
      glColor3ub(255, 255, 220);
      break;
    case 'F':
    case 'G':
      glColor3ub(255, 255, 128);
      break;
    case 'K':
      glColor3ub(255, 202, 45);
      break;
    case 'M':
      glColor3ub(255, 128, 128);
      break;
    default:
      glColor3ub(255, 255, 255);
      break;
  }
}

}  // namespace

bool StarBrightnessBase(const CSkyDoc& doc, float& base) {
  base = kDarkSkyBase;
  if (!doc.SkyColors) return true;
  double h = AltitudeOf(doc, doc.Bodies[astro::kSun]);
  if (doc.SolarSystem) {
    const astro::PlanetState& moon = doc.Bodies[astro::kMoon];
    h = std::clamp(h, -18.0, 6.0);
    const double moonHeight = std::clamp(AltitudeOf(doc, moon) + 0.5, 0.0, 1.0);
    const double moonLight = (moon.HelioDistance + 1) / 2;
    h = h * (1 - moonHeight * moonLight * moonLight / 6) - EclipseDarkeningOf(doc);
  }
  // Above -3 degrees no star is drawn; twilight lowers b from 7 at -18 to 2 at -3.
  if (h > -3) return false;
  if (h > -18) base = static_cast<float>(1 - h / 3);
  return true;
}

void DrawStars(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  float base;
  if (!StarBrightnessBase(doc, base)) return;

  const bool skyColours = doc.SkyColors != 0;
  const bool aboveHorizonOnly = doc.HorizonMode != 0;
  const double* zenith = doc.AstroState.ZenithPoint;
  const bool sprites = !frame.Picking && !doc.Settings.StarsDrawPoints;
  const double limit = doc.StarMagnitudeLimit;
  const int width = doc.Viewport[2], height = doc.Viewport[3];

  glDisable(GL_CULL_FACE);
  glBindTexture(GL_TEXTURE_2D, doc.TextureNames[kTexStar]);
  for (int i = 0; i < kStarCount; ++i) {
    const StarRecord& star = doc.Stars[i];
    if (star.Magnitude > limit) continue;
    const float size = base - star.Magnitude;
    if (skyColours && size < 1) continue;
    double p[3], x, y;
    doc.DrawingPoint(star.RightAscension, star.Declination, p);
    // Stars under the horizon are neither drawn nor picked: the ground covers
    // them, and at the rim of the sphere its polygons would let them through.
    if (aboveHorizonOnly && p[0] * zenith[0] + p[1] * zenith[1] + p[2] * zenith[2] < 0) continue;
    if (!doc.SkyToWindow(p[0], p[1], p[2], x, y)) continue;

    SetStarColour(doc, star.SpectralClass);
    if (sprites && size >= kSpriteSize) {
      // A sprite, in window pixels around the star's position.
      const double t = kSpriteScale * size;
      glPushMatrix();
      frame.Renderer.SetPixelProjection(width, height);
      glTranslated(x, y, 0);
      glEnable(GL_TEXTURE_2D);
      glBegin(GL_POLYGON);
      glTexCoord2d(0, 0);
      glVertex2d(-t, t);
      glTexCoord2d(1, 0);
      glVertex2d(t, t);
      glTexCoord2d(1, 1);
      glVertex2d(t, -t);
      glTexCoord2d(0, 1);
      glVertex2d(-t, -t);
      glEnd();
      glDisable(GL_TEXTURE_2D);
      frame.Renderer.SetSkyProjection(width, height);
      glPopMatrix();
    } else {
      glPointSize(std::max(size, kMinimumPointSize));
      if (frame.Picking) glLoadName(i);
      glBegin(GL_POINTS);
      glVertex3dv(p);
      glEnd();
    }
  }
  glEnable(GL_CULL_FACE);
}

}  // namespace render
