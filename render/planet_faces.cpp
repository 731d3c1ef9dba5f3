#include "render/planet_faces.h"

#include <cmath>

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

// The half of the rings nearer the observer (`nearHalf`) or the far half,
// each step of the rings in the half its middle lies in.
void DrawRings(const sky::PlanetFace& face, bool nearHalf) {
  const bool litFace = (face.Sun[2] >= 0) == (face.Observer[2] >= 0);
  const double brightness = litFace ? 1.0 : kRingUnlit;
  for (int angle = 0; angle < 360; angle += kRingStep) {
    const double middle = (angle + kRingStep / 2.0) * astro::kDegToRad;
    const bool nearer =
        std::cos(middle) * face.Observer[0] + std::sin(middle) * face.Observer[1] > 0;
    if (nearer != nearHalf) continue;
    glBegin(GL_TRIANGLE_STRIP);
    for (int band = 0; band <= kRingBands; ++band) {
      const double s = static_cast<double>(band) / kRingBands;
      const double radius = sky::kRingInner + (sky::kRingOuter - sky::kRingInner) * s;
      for (const int a : {angle, angle + kRingStep}) {
        const double p[3] = {radius * std::cos(a * astro::kDegToRad),
                             radius * std::sin(a * astro::kDegToRad), 0};
        const double shade = sky::InPlanetShadow(p, face.Sun) ? kRingShadow : brightness;
        glColor4d(shade, shade, shade, 1);
        glTexCoord2d(s, 0.5);
        glVertex3dv(p);
      }
    }
    glEnd();
  }
}

}  // namespace

void DrawPlanetFace(const Frame& frame, astro::Body planet, const sky::PlanetFace& face) {
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const bool rings = planet == astro::Body::Saturn;
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
    DrawRings(face, false);
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
  DrawBall();
  glDisable(GL_NORMALIZE);
  glDisable(GL_LIGHTING);

  if (rings) {
    glDisable(GL_CULL_FACE);
    glBindTexture(GL_TEXTURE_2D, frame.Renderer.Texture(kTexSaturnRings));
    DrawRings(face, true);
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
