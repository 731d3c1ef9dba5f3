// The sky background in the colour of the Sun's altitude, and the glows of
// the Sun, the Moon and twilight.
#include <cmath>

#include "astro/transforms.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "sky/sky_colour.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// A point `altitude` degrees above the horizon of the glow's local frame,
// whose +Y axis points at the body.
void GlowVertex(double azimuth, double altitude) {
  const double a = azimuth * astro::kDegToRad, h = altitude * astro::kDegToRad;
  glVertex3d(-std::sin(a) * std::cos(h), std::sin(h), -std::cos(a) * std::cos(h));
}

GLubyte Byte(double v) { return static_cast<GLubyte>(static_cast<int>(v)); }

// Turns the model so that +Y points at (ra, dec).
void FaceBody(double ra, double dec) {
  glRotated(15 * ra, 0, 1, 0);
  glRotated(dec, 1, 0, 0);
  glRotated(-90, 1, 0, 0);
}

// The body's colour over the sky: (red, G + (255 - G) f, B + (255 - B) f).
struct Tint {
  double r, g, b;
};
Tint Mix(const SkyBackground& sky, double red, double f) {
  return {red, sky.Green + (255 - sky.Green) * f, sky.Blue + (255 - sky.Blue) * f};
}

void SunGlow(const SkyBackground& sky, const astro::PlanetState& sun) {
  const double s = sky.DayFactor();
  glPushMatrix();
  FaceBody(sun.RightAscension, sun.Declination);
  glDisable(GL_CULL_FACE);
  int offset = 0;
  for (int top = 80; top >= 10; top -= 10, offset += 5) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int j = 0; j <= 365; j += 5) {
      const double altitude = j % 10 == 0 ? top - 10 : top;
      const double light = altitude * s;
      const Tint c = Mix(sky, light * 255 / 80, light / 80);
      glColor4ub(Byte(c.r), Byte(c.g), Byte(c.b), 128);
      GlowVertex(j + offset, altitude);
    }
    glEnd();
  }
  const Tint core = Mix(sky, 255 * s, s);
  glBegin(GL_TRIANGLE_FAN);
  glColor4ub(Byte(core.r), Byte(core.g), Byte(core.b), 152);
  glVertex3d(0, 1, 0);
  glColor4ub(Byte(core.r), Byte(core.g), Byte(core.b), 128);
  for (int a = 5; a <= 365; a += 10) GlowVertex(a, 80);
  glEnd();
  glEnable(GL_CULL_FACE);
  glPopMatrix();
}

// A soft ring between 60 and 75 degrees from the body and a disc inside it:
// the shape of the Moon's glow and of twilight.
void Halo(const SkyBackground& sky, double ra, double dec, const Tint& c, double ringAlpha,
          double centreAlpha) {
  glPushMatrix();
  FaceBody(ra, dec);
  glDisable(GL_CULL_FACE);
  glBegin(GL_TRIANGLE_STRIP);
  for (int j = 0; j <= 365; j += 5) {
    if (j % 10 == 0) {
      glColor4ub(0, Byte(sky.Green), Byte(sky.Blue), 0);
      GlowVertex(j, 60);
    } else {
      glColor4ub(Byte(c.r), Byte(c.g), Byte(c.b), Byte(ringAlpha));
      GlowVertex(j, 75);
    }
  }
  glEnd();
  glBegin(GL_TRIANGLE_FAN);
  glColor4ub(Byte(c.r), Byte(c.g), Byte(c.b), Byte(centreAlpha));
  glVertex3d(0, 1, 0);
  glColor4ub(Byte(c.r), Byte(c.g), Byte(c.b), Byte(ringAlpha));
  for (int a = 5; a <= 365; a += 10) GlowVertex(a, 75);
  glEnd();
  glEnable(GL_CULL_FACE);
  glPopMatrix();
}

}  // namespace

void DrawSkyColours(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  // Night vision keeps the background black.
  if (doc.RedScreen) return;
  const astro::PlanetState& sun = doc.Bodies[astro::kSun];
  const astro::PlanetState& moon = doc.Bodies[astro::kMoon];
  const SkyBackground& sky = frame.Sky.Background;

  const int width = doc.Viewport[2], height = doc.Viewport[3];
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  glColor3ub(0, Byte(sky.Green), Byte(sky.Blue));
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  if (frame.Zoom == 1.0) {
    // Only the sphere's disc: the corners stay black.
    const double radius = (std::min(width, height) / 2) * frame.Zoom;
    glBegin(GL_POLYGON);
    for (int a = 0; a < 360; a += 5)
      glVertex2d(doc.ViewCentreX + radius * std::cos(a * astro::kDegToRad),
                 doc.ViewCentreY + radius * std::sin(a * astro::kDegToRad));
    glEnd();
  } else {
    glRecti(0, 0, width, height);
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();

  if (!doc.SolarSystem) return;

  // A glow that would draw nothing is not drawn: at night the Sun's is the
  // sky's own colour, a new Moon's and a dark sky's twilight are clear; each
  // would still cost the filling of a large part of the window.
  if (sky.DayFactor() > 0) SunGlow(sky, sun);
  const double k2 = sky.MoonLight * sky.MoonLight;
  if (Byte(28 * k2) > 0 || Byte(10 * k2) > 0)
    Halo(sky, moon.RightAscension, moon.Declination, Mix(sky, 255 * sky.MoonHeight, sky.MoonHeight),
         10 * k2, 28 * k2);
  if (doc.HorizonMode && !sky.Eclipse) {
    const double w = sky.TwilightFactor();
    if (Byte(180 * w) > 0 || Byte(78 * w) > 0)
      Halo(sky, sun.RightAscension, sun.Declination, {255, 96, 0}, 78 * w, 180 * w);
  }
}

}  // namespace render
