// In local-horizon mode: the landscape band standing on the horizon, and the
// ground that hides everything below it, with its fog, the horizon line and
// the ticks of the eight compass points.
//
// Both lists are built in the horizon frame: +Y is the zenith, and a point at
// altitude a and angle A (0 the east point, 90 the north point) lies at
// (-sin A cos a, sin a, -cos A cos a).
#include <algorithm>
#include <cmath>

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
  glColor3ub(32, 32, 32);
  // With the orthographic camera the fog factor is the eye distance: full
  // grey in the middle of the disc, fading to black towards its rim.
  glEnable(GL_FOG);
  glHint(GL_FOG_HINT, GL_FASTEST);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogf(GL_FOG_START, 1.0f);
  glFogf(GL_FOG_END, 0.0f);
  const GLfloat fogColour[4] = {0, 0, 0, 1};
  glFogfv(GL_FOG_COLOR, fogColour);
  glLoadName(kNameGround);
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
  // The horizon line.
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
  double sun = AltitudeOf(doc, doc.Bodies[astro::kSun]);
  if (doc.SolarSystem) sun -= EclipseDarkeningOf(doc);  // as dark as the sky of an eclipse
  const double light = LandscapeLight(sun);
  glColor4d(light, light, light, 1);
  glBindTexture(GL_TEXTURE_2D, frame.Renderer.Texture(kTexHorizon));
  glCallList(kListLandscape);
  glPopMatrix();
}

void DrawGround(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  glPushMatrix();
  EnterHorizonFrame(doc);
  WidenAtLowZoom(frame.Zoom);
  glLineWidth(static_cast<float>(3.0 * frame.Scale));  // the horizon line
  glCallList(kListGround);
  glPopMatrix();

  // The compass points: a tick hanging from each point of the horizon in view,
  // then the letters beside them.
  const int width = doc.Viewport[2], height = doc.Viewport[3];
  glLineWidth(static_cast<float>(1.5 * frame.Scale));
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  if (doc.RedScreen)
    glColor3ub(255, 0, 0);
  else
    glColor3ub(255, 128, 0);
  glBegin(GL_LINES);
  for (int k = 0; k < kCompassPointCount; ++k) {
    const SkyPoint& point = doc.HorizonPoints[k * kCompassStep];
    double p[3], x, y;
    astro::EquatorialToSphere(point.RightAscension, point.Declination, p);
    if (!doc.SkyToWindow(p[0], p[1], p[2], x, y)) continue;
    glVertex2d(x, y);
    glVertex2d(x, y - kTickLength * frame.Scale);
  }
  glEnd();
  DrawCompassLetters(frame);
  frame.Renderer.SetSkyProjection(width, height);
  glPopMatrix();
}

}  // namespace render
