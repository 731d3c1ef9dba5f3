#include "render/planet_faces.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "astro/rotation_elements.h"
#include "astro/transforms.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// The ball's grid and the rings' steps, degrees and radial bands.
constexpr int kBallStep = 5, kRingStep = 2, kRingBands = 24;
// The night side keeps a trace of light, so that the limb still shows.
constexpr GLfloat kNightLight = 0.03f;
// The Sun's light, more than GL's white: its clamp leaves a face at its
// map's own brightness wherever the Sun stands high over it, darkening only
// towards the terminator. The Moon's dusty face stays bright nearly to it.
constexpr GLfloat kSunlight = 1.6f, kSunlightOnTheMoon = 2.5f;
// The rings' lit face, and the face turned from the Sun, as the planet's
// shadow darkens them.
constexpr double kRingUnlit = 0.3, kRingShadow = 0.08;
// The step of the planet's shadow on the rings, degrees: fine enough that
// its curved edge shows no corners.
constexpr double kRingShadowStepOnRings = 0.5;
// The rings' shadow on the planet: the step of its grid (degrees, finer
// than the ball's, for the rings' divisions) and how much of the light the
// rings' opacity (their texture's alpha) takes away.
constexpr int kRingShadowStep = 1;
constexpr double kRingShadowDepth = 0.85;

// A point of the unit ball at planetocentric longitude and latitude (degrees),
// with its normal and its place on the map (longitude 0 in the middle).
void BallVertex(int longitude, int latitude) {
  const double l = longitude * astro::kDegToRad, b = latitude * astro::kDegToRad;
  const double x = std::cos(b) * std::cos(l), y = std::cos(b) * std::sin(l), z = std::sin(b);
  glNormal3d(x, y, z);
  glTexCoord2d((longitude + 180) / 360.0, (latitude + 90) / 180.0);
  glVertex3d(x, y, z);
}

// The ball, its faces wound anticlockwise seen from outside.
void DrawBall() {
  for (int latitude = -90; latitude < 90; latitude += kBallStep) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int longitude = -180; longitude <= 180; longitude += kBallStep) {
      BallVertex(longitude, latitude + kBallStep);
      BallVertex(longitude, latitude);
    }
    glEnd();
  }
}

// Whether the rings' step from `angle` to `angle` + `step` (degrees) lies in
// the half nearer the observer, by its middle.
bool NearerHalf(const sky::PlanetFace& face, double angle, double step) {
  const double middle = (angle + step / 2) * astro::kDegToRad;
  return std::cos(middle) * face.Observer[0] + std::sin(middle) * face.Observer[1] > 0;
}

// The rings' texture coordinate at `radius` (equatorial radii).
double RingTexture(double radius) {
  return (radius - sky::kRingInner) / (sky::kRingOuter - sky::kRingInner);
}

// The half of the rings nearer the observer (`nearHalf`) or the far half,
// each step of the rings in the half its middle lies in; then over it the
// planet's shadow, from the inner edge out to where the shadow reaches at
// each finer step, darkened as far as the rings' opacity holds it.
void DrawRings(const sky::PlanetFace& face, bool nearHalf, double flattening) {
  const bool litFace = (face.Sun[2] >= 0) == (face.Observer[2] >= 0);
  const double brightness = litFace ? 1.0 : kRingUnlit;
  glColor4d(brightness, brightness, brightness, 1);
  for (int angle = 0; angle < 360; angle += kRingStep) {
    if (NearerHalf(face, angle, kRingStep) != nearHalf) continue;
    glBegin(GL_TRIANGLE_STRIP);
    for (int band = 0; band <= kRingBands; ++band) {
      const double s = static_cast<double>(band) / kRingBands;
      const double radius = sky::kRingInner + (sky::kRingOuter - sky::kRingInner) * s;
      for (const int a : {angle, angle + kRingStep}) {
        glTexCoord2d(s, 0.5);
        glVertex3d(radius * std::cos(a * astro::kDegToRad), radius * std::sin(a * astro::kDegToRad),
                   0);
      }
    }
    glEnd();
  }
  glColor4d(0, 0, 0, 1 - kRingShadow / brightness);
  for (double angle = 0; angle < 360; angle += kRingShadowStepOnRings) {
    if (NearerHalf(face, angle, kRingShadowStepOnRings) != nearHalf) continue;
    const double a[2] = {angle * astro::kDegToRad,
                         (angle + kRingShadowStepOnRings) * astro::kDegToRad};
    double reach[2];
    for (int i = 0; i < 2; ++i)
      reach[i] = std::clamp(sky::PlanetShadowReach(a[i], face.Sun, flattening), sky::kRingInner,
                            sky::kRingOuter);
    if (reach[0] == sky::kRingInner && reach[1] == sky::kRingInner) continue;
    glBegin(GL_TRIANGLE_STRIP);
    for (int i = 0; i < 2; ++i)
      for (const double radius : {sky::kRingInner, reach[i]}) {
        glTexCoord2d(RingTexture(radius), 0.5);
        glVertex3d(radius * std::cos(a[i]), radius * std::sin(a[i]), 0);
      }
    glEnd();
  }
}

// The rings' shadow over the ball drawn: on the hemisphere away from the
// Sun's side of the ring plane, each point darkened by the rings' opacity
// where its ray towards the Sun crosses them, the texture of the rings read
// at that radius. Lighting is off; the ball's back faces are culled.
void DrawRingShadow(const sky::PlanetFace& face, double flattening) {
  if (face.Sun[2] == 0) return;
  const int side = face.Sun[2] > 0 ? -1 : 1;  // the shadowed hemisphere
  // Clear beyond the rings' edges while the shadow is drawn.
  const GLfloat clear[4] = {0, 0, 0, 0};
  glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, clear);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_BORDER);
  glColor4d(0, 0, 0, kRingShadowDepth);
  for (int latitude = 0; latitude < 90; latitude += kRingShadowStep) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int longitude = -180; longitude <= 180; longitude += kRingShadowStep) {
      // The northern latitude of each pair first, as the ball winds them.
      const int north = side * latitude + (side > 0 ? kRingShadowStep : 0);
      for (const int b : {north, north - kRingShadowStep}) {
        const double l = longitude * astro::kDegToRad, r = b * astro::kDegToRad;
        const double ball[3] = {std::cos(r) * std::cos(l), std::cos(r) * std::sin(l), std::sin(r)};
        const double p[3] = {ball[0], ball[1], ball[2] * (1 - flattening)};
        const std::optional<double> crossing = sky::RingPlaneCrossing(p, face.Sun);
        // Off the rings' texture where the ray misses the plane.
        const double s =
            crossing ? (*crossing - sky::kRingInner) / (sky::kRingOuter - sky::kRingInner) : -1.0;
        glTexCoord2d(s, 0.5);
        glVertex3dv(ball);
      }
    }
    glEnd();
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
}

}  // namespace

void DrawPlanetFace(const Frame& frame, astro::Body planet, const sky::PlanetFace& face) {
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const bool rings = planet == astro::Body::Saturn;
  const double flattening = rings ? astro::FigureOf(planet).Flattening : 0.0;
  const double depth = face.Radius * (rings ? sky::kRingOuter : 1.0) + 1;
  glPushMatrix();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, 0, height, -depth, depth);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixd(face.Matrix);
  // A mirrored chart winds the ball's faces the other way round.
  const double* m = face.Matrix;
  const double det = m[0] * (m[5] * m[10] - m[9] * m[6]) - m[4] * (m[1] * m[10] - m[9] * m[2]) +
                     m[8] * (m[1] * m[6] - m[5] * m[2]);
  glFrontFace(det >= 0 ? GL_CCW : GL_CW);
  glEnable(GL_TEXTURE_2D);

  if (rings) {
    glDisable(GL_CULL_FACE);
    glBindTexture(GL_TEXTURE_2D, frame.Renderer.Texture(kTexSaturnRings));
    DrawRings(face, false, flattening);
    glEnable(GL_CULL_FACE);
  }

  // The Sun's light, from its direction on the body's axes.
  const GLfloat sun[4] = {static_cast<GLfloat>(face.Sun[0]), static_cast<GLfloat>(face.Sun[1]),
                          static_cast<GLfloat>(face.Sun[2]), 0};
  const GLfloat night[4] = {kNightLight, kNightLight, kNightLight, 1};
  const GLfloat light = planet == astro::Body::Moon ? kSunlightOnTheMoon : kSunlight;
  const GLfloat sunlight[4] = {light, light, light, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, sun);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, sunlight);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, night);
  glEnable(GL_LIGHTING);
  glEnable(GL_NORMALIZE);
  glColor4d(1, 1, 1, 1);
  glBindTexture(
      GL_TEXTURE_2D,
      frame.Renderer.Texture(planet == astro::Body::Moon ? kTexMoon
                                                         : kTexMercury + astro::Index(planet) -
                                                               astro::Index(astro::Body::Mercury)));
  glLoadName(kNameBodyFirst + astro::Index(planet));
  glPushMatrix();
  glRotated(face.MapTurn, 0, 0, 1);
  DrawBall();
  glPopMatrix();
  glDisable(GL_NORMALIZE);
  glDisable(GL_LIGHTING);

  if (rings) {
    glBindTexture(GL_TEXTURE_2D, frame.Renderer.Texture(kTexSaturnRings));
    DrawRingShadow(face, flattening);
    glDisable(GL_CULL_FACE);
    DrawRings(face, true, flattening);
    glEnable(GL_CULL_FACE);
  }
  glDisable(GL_TEXTURE_2D);
  glFrontFace(GL_CCW);

  // GL's own light and ambient again, for the Moon's ball.
  glLoadIdentity();
  const GLfloat viewer[4] = {0, 0, 1, 0}, white[4] = {1, 1, 1, 1},
                ambient[4] = {0.2f, 0.2f, 0.2f, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, viewer);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

}  // namespace render
