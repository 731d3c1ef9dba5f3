// In local-horizon mode: the landscape band standing on the horizon, and the
// ground that hides everything below it, with its fog, the horizon line and
// the ticks of the eight compass points.
//
// Both lists are built in the horizon frame: +Y is the zenith, and a point at
// altitude a and angle A (0 the east point, 90 the north point) lies at
// (-sin A cos a, sin a, -cos A cos a).
#include <algorithm>
#include <cmath>
#include <numbers>

#include "astro/transforms.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

void HorizonVertex(double angle, double altitude) {
  const double a = angle * astro::kDegToRad, h = altitude * astro::kDegToRad;
  glVertex3d(-std::sin(a) * std::cos(h), std::sin(h), -std::cos(a) * std::cos(h));
}

// Below zoom 2 the whole disc is in view: the ground and the band reach a
// little past the sphere so that no sky shows round the rim.
void WidenAtLowZoom(double zoom) {
  if (zoom < 2) glScaled(1.02, 1.02, 1.02);
}

// The ground in full daylight, near the viewer and at the rim of the disc;
// LandscapeLight dims both with the Sun.
constexpr double kGroundNear[3] = {92, 98, 72};
constexpr double kGroundRim = 0.45;

// How bright the land is now: with the Sun's altitude, darkened as the sky of an eclipse.
double LandLight(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  double sun = AltitudeOf(doc, doc.Sky.Bodies[astro::kSun]);
  if (doc.Settings().SolarSystem) sun -= frame.Sky.EclipseDarkening;
  return LandscapeLight(sun);
}

// Where the sky colour fills the whole window, the part of it outside the
// sphere's disc that lies beyond the ground's half of the rim is ground too,
// in the colour of the rim: nothing below the horizon shows the sky.
void GroundBeyondTheDisc(const Frame& frame, const GLfloat rim[4]) {
  const CSkyDoc& doc = frame.Doc;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  // The zenith in eye space: a point of the rim at window angle t lies below
  // the horizon where cos t * zx + sin t * zy < 0.
  const double* m = frame.View.Modelview;
  const double* z = doc.Sky.AstroState.ZenithPoint;
  const double zx = m[0] * z[0] + m[4] * z[1] + m[8] * z[2];
  const double zy = m[1] * z[0] + m[5] * z[1] + m[9] * z[2];
  const double zz = m[2] * z[0] + m[6] * z[1] + m[10] * z[2];
  const double tilt = std::hypot(zx, zy);
  // Looking straight up, the whole rim is horizon and nothing lies below it.
  if (tilt < 1e-9 && zz >= 0) return;
  const double down = tilt < 1e-9 ? 0 : std::atan2(-zy, -zx);
  const double half = tilt < 1e-9 ? std::numbers::pi : std::numbers::pi / 2;
  // From a little inside the rim, where the ground's polygons fall short of
  // the sphere's curve; the ground drawn next covers the rest.
  const double inner = 0.99 * (std::min(width, height) / 2) * frame.Zoom;
  const double outer = inner + std::hypot(width, height);
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  glColor4fv(rim);
  glDisable(GL_BLEND);  // opaque
  glBegin(GL_TRIANGLE_STRIP);
  constexpr int kSteps = 90;
  for (int k = 0; k <= kSteps; ++k) {
    const double t = down - half + 2 * half * k / kSteps;
    glVertex2d(frame.View.CentreX + inner * std::cos(t), frame.View.CentreY + inner * std::sin(t));
    glVertex2d(frame.View.CentreX + outer * std::cos(t), frame.View.CentreY + outer * std::sin(t));
  }
  glEnd();
  glEnable(GL_BLEND);
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

// Every 45 degrees of HorizonPoints, from the south through the east.
constexpr int kCompassStep = 9;
constexpr int kCompassPointCount = 8;
constexpr double kTickLength = 5;

}  // namespace

double LandscapeLight(double sunAltitude) {
  // Full daylight from 6 degrees up, night from -12 down, when the land is a
  // dark silhouette that still shows its outline.
  constexpr double kNight = 0.15;
  return kNight + (1 - kNight) * std::clamp((sunAltitude + 12) / 18, 0.0, 1.0);
}

void BuildGroundList() {
  glNewList(kListGround, GL_COMPILE);
  glPushMatrix();
  // The ground's colour and its fog colour are set before the list is called.
  // With the orthographic camera the fog factor is the eye distance: the
  // ground's colour in the middle of the disc, fading towards the fog's at its rim.
  glEnable(GL_FOG);
  glHint(GL_FOG_HINT, GL_FASTEST);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogf(GL_FOG_START, 1.0f);
  glFogf(GL_FOG_END, 0.0f);
  glLoadName(kNameGround);
  // Opaque: unblended, the rasteriser only writes the pixels.
  glDisable(GL_BLEND);
  // Eight bands of 10 degrees down to -80, each turned 5 degrees against the
  // one above it.
  int offset = 0;
  for (int top = 0; top >= -70; top -= 10, offset += 5) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int j = 0; j <= 365; j += 5) HorizonVertex(j + offset, j % 10 == 0 ? top - 10 : top);
    glEnd();
  }
  // The cap round the nadir.
  glBegin(GL_TRIANGLE_FAN);
  glVertex3d(0, -1, 0);
  for (int a = 5; a <= 365; a += 10) HorizonVertex(a, -80);
  glEnd();
  glEnable(GL_BLEND);
  // The horizon line, smoothed.
  glBegin(GL_LINE_LOOP);
  for (int a = 0; a <= 360; a += 5)
    glVertex3d(std::sin(a * astro::kDegToRad), 0, std::cos(a * astro::kDegToRad));
  glEnd();
  glDisable(GL_FOG);
  glPopMatrix();
  glEndList();
}

void BuildLandscapeList(double landTop) {
  glNewList(kListLandscape, GL_COMPILE);
  glPushMatrix();
  glEnable(GL_TEXTURE_2D);
  // The band stands slightly below the horizon, so no gap shows above the ground.
  glTranslated(0, -0.005, 0);
  // Bands of 10 degrees from the horizon up to 40 degrees, the picture's
  // full width once round the horizon; none above the land's highest point,
  // where the picture is clear anyway.
  for (int lower = 0; lower < 40 && lower < landTop; lower += 10) {
    const double tLower = lower * 0.025;
    const double tUpper = lower + 10 == 40 ? 0.99 : (lower + 10) * 0.025;
    glBegin(GL_TRIANGLE_STRIP);
    for (int a = 5; a <= 365; a += 10) {
      glTexCoord2d(a / 360.0, tLower);
      HorizonVertex(a, lower);
      glTexCoord2d(a / 360.0, tUpper);
      HorizonVertex(a, lower + 10);
    }
    glEnd();
  }
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
  glEndList();
}

void DrawLandscape(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  glPushMatrix();
  EnterHorizonFrame(doc);
  WidenAtLowZoom(frame.Zoom);
  // The landscape stands on the ground: it turns with the view's azimuth
  // only, and is as dark as the sky above it.
  const double light = LandLight(frame);
  glColor4d(light, light, light, 1);
  glBindTexture(GL_TEXTURE_2D, frame.Renderer.Texture(kTexHorizon));
  glCallList(kListLandscape);
  glPopMatrix();
}

void DrawGround(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  // Lit with the day, dark at night.
  const double light = LandLight(frame);
  const GLfloat near[4] = {static_cast<GLfloat>(kGroundNear[0] * light / 255),
                           static_cast<GLfloat>(kGroundNear[1] * light / 255),
                           static_cast<GLfloat>(kGroundNear[2] * light / 255), 1};
  const GLfloat rim[4] = {near[0] * static_cast<GLfloat>(kGroundRim),
                          near[1] * static_cast<GLfloat>(kGroundRim),
                          near[2] * static_cast<GLfloat>(kGroundRim), 1};
  if (frame.Zoom != 1.0) GroundBeyondTheDisc(frame, rim);
  glPushMatrix();
  EnterHorizonFrame(doc);
  WidenAtLowZoom(frame.Zoom);
  glLineWidth(static_cast<float>(3.0 * frame.Scale));  // the horizon line
  glColor4fv(near);
  glFogfv(GL_FOG_COLOR, rim);
  glCallList(kListGround);
  glPopMatrix();

  // The compass points: a tick hanging from each point of the horizon in view,
  // then the letters beside them.
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  glLineWidth(static_cast<float>(1.5 * frame.Scale));
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  if (doc.Run.RedScreen)
    glColor3ub(255, 0, 0);
  else
    glColor3ub(255, 128, 0);
  glBegin(GL_LINES);
  for (int k = 0; k < kCompassPointCount; ++k) {
    const SkyPoint& point = doc.Sky.HorizonPoints[k * kCompassStep];
    double p[3], x, y;
    astro::EquatorialToSphere(point.RightAscension, point.Declination, p);
    if (!frame.View.SkyToWindow(p[0], p[1], p[2], x, y)) continue;
    glVertex2d(x, y);
    glVertex2d(x, y - kTickLength * frame.Scale);
  }
  glEnd();
  DrawCompassLetters(frame);
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

}  // namespace render
