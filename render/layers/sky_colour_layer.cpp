// The sky background in the colour of the Sun's altitude, and the glows of
// the Sun, the Moon and twilight.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "astro/transforms.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "sky/sky_colour.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

GLubyte Byte(double v) { return static_cast<GLubyte>(static_cast<int>(v)); }

// The body's colour over the sky: (red, G + (255 - G) f, B + (255 - B) f).
struct Tint {
  double r, g, b;
};
Tint Mix(const SkyBackground& sky, double red, double f) {
  return {red, sky.Green + (255 - sky.Green) * f, sky.Blue + (255 - sky.Blue) * f};
}

// A glow's colour and opacity at some angle from its body.
struct GlowColour {
  Tint c;
  double a;
};

// The rings and sectors of the grid a glow is drawn on: the sectors those of
// the sky's disc at zoom 1, so that the grid never reaches past it.
constexpr int kGlowRings = 48, kGlowSectors = 72;

// Draws a glow round the direction (ra, dec) of the sky, `profile` giving
// its colour at each angle (degrees) from it, as a grid in window pixels
// round the middle of the view that covers the window within the sky's disc.
// Each point of the grid takes the colour of its own angle from the body: no
// triangle reaches far beyond the window, which a glow modelled round its body
// would at high zoom, where its colours over the window (a shade or two across
// thousands of pixels) came out in blocks of the rasteriser's tiles.
template <typename Profile>
void GlowOverWindow(const Frame& frame, double ra, double dec, Profile profile) {
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const double disc = (std::min(width, height) / 2) * frame.Zoom;
  if (disc <= 0) return;
  const double cx = frame.View.CentreX, cy = frame.View.CentreY;
  const double reach =
      std::min(disc, std::hypot(std::max(cx, width - cx), std::max(cy, height - cy)));
  // The body in the eye's frame, where the window point x, y of the visible
  // half of the sphere is ((x - cx) / disc, (y - cy) / disc, -depth).
  double body[3], eye[3];
  astro::EquatorialToSphere(ra, dec, body);
  const double* m = frame.View.Modelview;
  for (int i = 0; i < 3; ++i) eye[i] = m[i] * body[0] + m[4 + i] * body[1] + m[8 + i] * body[2];
  std::vector<GlowColour> grid(static_cast<std::size_t>((kGlowRings + 1) * kGlowSectors));
  for (int ring = 0; ring <= kGlowRings; ++ring)
    for (int sector = 0; sector < kGlowSectors; ++sector) {
      const double r = reach * ring / kGlowRings / disc;
      const double t = 2 * std::numbers::pi * sector / kGlowSectors;
      const double ex = r * std::cos(t), ey = r * std::sin(t);
      const double ez = -std::sqrt(std::max(0.0, 1 - r * r));
      const double cosine = std::clamp(ex * eye[0] + ey * eye[1] + ez * eye[2], -1.0, 1.0);
      grid[static_cast<std::size_t>(ring * kGlowSectors + sector)] =
          profile(std::acos(cosine) / astro::kDegToRad);
    }
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  glDisable(GL_CULL_FACE);
  glBegin(GL_QUADS);
  const auto corner = [&](int ring, int sector) {
    const GlowColour& g =
        grid[static_cast<std::size_t>(ring * kGlowSectors + sector % kGlowSectors)];
    glColor4ub(Byte(g.c.r), Byte(g.c.g), Byte(g.c.b), Byte(g.a));
    const double r = reach * ring / kGlowRings;
    const double t = 2 * std::numbers::pi * sector / kGlowSectors;
    glVertex2d(cx + r * std::cos(t), cy + r * std::sin(t));
  };
  for (int ring = 0; ring < kGlowRings; ++ring)
    for (int sector = 0; sector < kGlowSectors; ++sector) {
      // A cell clear at all four corners is left out.
      const auto clear = [&](int k, int s) {
        return Byte(grid[static_cast<std::size_t>(k * kGlowSectors + s % kGlowSectors)].a) == 0;
      };
      if (clear(ring, sector) && clear(ring + 1, sector) && clear(ring + 1, sector + 1) &&
          clear(ring, sector + 1))
        continue;
      corner(ring, sector);
      corner(ring + 1, sector);
      corner(ring + 1, sector + 1);
      corner(ring, sector + 1);
    }
  glEnd();
  glEnable(GL_CULL_FACE);
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

// The Sun's glow by day: over its half of the sky in the colour of the
// height above that half's rim (the brighter the nearer the Sun), more
// opaque within 10 degrees of it. Beyond it the sky's own colour, clear, so
// that the grid's cells across the rim blend into the sky.
GlowColour SunGlow(const SkyBackground& sky, double angle) {
  const double s = sky.DayFactor();
  if (angle >= 90) return {Mix(sky, 0, 0), 0};
  if (angle <= 10) return {Mix(sky, 255 * s, s), 152 - 24 * angle / 10};
  const double light = (90 - angle) * s;
  return {Mix(sky, light * 255 / 80, light / 80), 128};
}

// The shape of the Moon's glow and of twilight: from `centreAlpha` at the
// body to `ringAlpha` 15 degrees from it, then fading into the sky's colour
// and clear at 30 degrees and beyond.
GlowColour Halo(const SkyBackground& sky, const Tint& c, double ringAlpha, double centreAlpha,
                double angle) {
  if (angle <= 15) return {c, centreAlpha + (ringAlpha - centreAlpha) * angle / 15};
  if (angle >= 30) return {Mix(sky, 0, 0), 0};
  const double f = (angle - 15) / 15;
  return {{c.r * (1 - f), c.g + (sky.Green - c.g) * f, c.b + (sky.Blue - c.b) * f},
          ringAlpha * (1 - f)};
}

}  // namespace

void DrawSkyColours(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  // Night vision keeps the background black.
  if (doc.Run.RedScreen) return;
  const astro::PlanetState& sun = doc.Sky.Bodies[astro::kSun];
  const astro::PlanetState& moon = doc.Sky.Bodies[astro::kMoon];
  const SkyBackground& sky = frame.Sky.Background;

  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  if (frame.Zoom == 1.0) {
    // Only the sphere's disc: the corners stay black.
    glPushMatrix();
    frame.Renderer.SetPixelProjection(width, height);
    glColor3ub(0, Byte(sky.Green), Byte(sky.Blue));
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const double radius = (std::min(width, height) / 2) * frame.Zoom;
    glBegin(GL_POLYGON);
    for (int a = 0; a < 360; a += 5)
      glVertex2d(frame.View.CentreX + radius * std::cos(a * astro::kDegToRad),
                 frame.View.CentreY + radius * std::sin(a * astro::kDegToRad));
    glEnd();
    frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
    glPopMatrix();
  } else {
    // The whole view in one colour: cleared, which costs the rasteriser next
    // to nothing, where a blended rectangle would read and write every pixel.
    const GLint* v = frame.View.Viewport;
    glEnable(GL_SCISSOR_TEST);
    glScissor(v[0], v[1], v[2], v[3]);
    glClearColor(0, static_cast<GLclampf>(Byte(sky.Green) / 255.0),
                 static_cast<GLclampf>(Byte(sky.Blue) / 255.0), 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 1);
    glDisable(GL_SCISSOR_TEST);
  }

  if (!doc.Settings().SolarSystem) return;

  // A glow that would draw nothing is not drawn: at night the Sun's is the
  // sky's own colour, a new Moon's and a dark sky's twilight are clear; each
  // would still cost the filling of a large part of the window.
  if (sky.DayFactor() > 0)
    GlowOverWindow(frame, sun.RightAscension, sun.Declination,
                   [&sky](double angle) { return SunGlow(sky, angle); });
  const double k2 = sky.MoonLight * sky.MoonLight;
  if (Byte(28 * k2) > 0 || Byte(10 * k2) > 0) {
    const Tint moonlight = Mix(sky, 255 * sky.MoonHeight, sky.MoonHeight);
    GlowOverWindow(frame, moon.RightAscension, moon.Declination,
                   [&](double angle) { return Halo(sky, moonlight, 10 * k2, 28 * k2, angle); });
  }
  if (doc.Settings().HorizonMode && !sky.Eclipse) {
    const double w = sky.TwilightFactor();
    if (Byte(180 * w) > 0 || Byte(78 * w) > 0)
      GlowOverWindow(frame, sun.RightAscension, sun.Declination, [&](double angle) {
        return Halo(sky, {255, 96, 0}, 78 * w, 180 * w, angle);
      });
  }
}

}  // namespace render
