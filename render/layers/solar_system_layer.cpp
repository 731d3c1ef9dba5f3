// The Sun, the Moon, the planets and their names.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/angles.h"
#include "astro/transforms.h"
#include "render/bitmap_fonts.h"
#include "render/display_list_ids.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/sky_names.h"
#include "render/planet_faces.h"
#include "render/sky_renderer.h"
#include "sky/drawing_rules.h"
#include "sky/planet_face.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

constexpr float kThird = 1.0f / 3.0f;

// A body's name stands this many pixels clear of its drawn radius, its
// baseline this many below the body's point.
constexpr double kNameGap = 3, kNameDrop = 3;
constexpr double kPlanetRadius = 3;
// How far, in disc units, the Sun's glow is bright enough to hide a name.
constexpr double kSunGlowUnits = 3;

// The Sun's altitude as the brightness of the sky counts it: 6 degrees or more
// count as 6, and a solar eclipse lowers it.
double EffectiveSunAltitude(const Frame& frame) {
  return std::min(AltitudeOf(frame.Doc, frame.Doc.Sky.Bodies[astro::kSun]), 6.0) -
         frame.Sky.EclipseDarkening;
}

// The sky disc's radius in pixels.
double DiscRadius(const sky::ViewGeometry& view, double zoom) {
  return (std::min(view.Viewport[2], view.Viewport[3]) / 2) * zoom;
}

// How a planet looks against the sky: hidden (size 0), or a point of a size,
// with or without its mark.
struct PlanetLook {
  float Size = 0;
  bool Mark = false;
};

// Brighter skies shrink the planets and hide the faint ones; without sky
// colours every planet is a point of size 7 with its mark.
PlanetLook LookOf(int body, bool skyColours, double e) {
  if (!skyColours) return {7, true};
  const float ef = static_cast<float>(e);
  switch (astro::BodyAt(body)) {
    case astro::Body::Mercury:
      if (e > -3) return {};
      return {e > -18 ? -ef * kThird : 7, false};
    case astro::Body::Venus:
      if (e > 0) return {2, false};
      return {e > -10 ? 2 - ef * 0.5f : 7, false};
    case astro::Body::Mars:
      if (e > -3) return {};
      return {e > -18 ? -ef * kThird : 7, e <= -18};
    case astro::Body::Jupiter:
      if (e > 0) return {1, false};
      return {e > -15 ? 2 - ef * kThird : 7, e <= -15};
    case astro::Body::Saturn:
      if (e > -5) return {};
      return {e > -18 ? -ef * kThird : 7, e <= -15};
    default:  // Uranus, Neptune, Pluto
      if (e > -18) return {};
      return {7, false};
  }
}

struct Rgb {
  float R, G, B;
};
constexpr Rgb kPlanetColours[] = {
    {1, 1, 0.5f},     // Mercury
    {1, 1, 0.7f},     // Venus
    {1, 0.5f, 0.1f},  // Mars
    {1, 1, 1},        // Jupiter
    {1, 1, 0},        // Saturn
    {0, 1, 0},        // Uranus
    {0, 1, 1},        // Neptune
    {0.5f, 0.5f, 0},  // Pluto
};

// Marks are placed in window pixels around the planet and drawn as points on
// the sphere; a pixel off the sphere's disc keeps the previous point.
class CMarkVertices {
 public:
  CMarkVertices(const sky::ViewGeometry& view, double zoom, const double start[3])
      : view_(view), zoom_(zoom), point_{start[0], start[1], start[2]} {}
  void At(double x, double y) {
    double p[3];
    if (view_.WindowToSphere(static_cast<int>(x), static_cast<int>(y), zoom_, p))
      std::copy(p, p + 3, point_);
    glVertex3dv(point_);
  }

 private:
  const sky::ViewGeometry& view_;
  double zoom_;
  double point_[3];
};

void DrawMark(const Frame& frame, int body, const double p[3]) {
  double wx, wy;
  if (!frame.View.SkyToWindow(p[0], p[1], p[2], wx, wy)) return;
  CMarkVertices vertex(frame.View, frame.Zoom, p);
  const double d = frame.Scale;
  const bool red = frame.Doc.Run.RedScreen != 0;
  switch (astro::BodyAt(body)) {
    case astro::Body::Mars:  // the polar caps
      glColor4f(1, red ? 0 : 1, red ? 0 : 1, 0.9f);
      glPointSize(static_cast<float>(2 * d));
      glBegin(GL_POINTS);
      vertex.At(wx, wy - 3 * d);
      vertex.At(wx, wy + 3 * d);
      glEnd();
      break;
    case astro::Body::Jupiter:  // the red spot
      glColor3f(1, 0, 0);
      glPointSize(static_cast<float>(1.8 * d));
      glBegin(GL_POINTS);
      vertex.At(wx + d, wy - d);
      glEnd();
      break;
    case astro::Body::Saturn:  // the ring, in the planet's colour
      glLineWidth(static_cast<float>(0.8 * d));
      glBegin(GL_LINES);
      vertex.At(wx - 7 * d, wy);
      vertex.At(wx + 7 * d, wy);
      glEnd();
      break;
    default:
      break;
  }
}

// A ball of `scale` radians at the body's place, named as the body: what
// the selection pass picks of a body drawn in window pixels.
void PickBall(int body, const double p[3], double scale) {
  glPushMatrix();
  glTranslated(p[0], p[1], p[2]);
  glScaled(scale, scale, scale);
  glLoadName(kNameBodyFirst + body);
  GLUquadric* ball = gluNewQuadric();
  glRotated(-90, 1, 0, 0);
  gluSphere(ball, 1.0, 50, 50);
  gluDeleteQuadric(ball);
  glPopMatrix();
}

// The face of planet `body` when the frame shows it wide enough for one
// (Pluto never is).
std::optional<sky::PlanetFace> FaceShown(const Frame& frame, int body) {
  const astro::Body planet = astro::BodyAt(body);
  if (planet == astro::Body::Pluto) return std::nullopt;
  std::optional<sky::PlanetFace> face = sky::PlanetFaceOf(frame.Doc, frame.View, planet);
  if (face && face->Radius < sky::kFaceRadiusPixels * frame.Scale) face.reset();
  return face;
}

// How far from its centre a planet's face reaches, Saturn's with its rings.
double FaceReach(int body, const sky::PlanetFace& face) {
  return face.Radius * (astro::BodyAt(body) == astro::Body::Saturn ? sky::kRingOuter : 1.0);
}

void DrawPlanet(const Frame& frame, int body, const double p[3], double e) {
  const PlanetLook look = LookOf(body, frame.Doc.Settings().SkyColors != 0, e);
  if (look.Size <= 0) return;  // hidden: neither drawn nor named
  if (const std::optional<sky::PlanetFace> face = FaceShown(frame, body)) {
    if (frame.Picking)
      PickBall(body, p, face->Radius / DiscRadius(frame.View, frame.Zoom));
    else
      DrawPlanetFace(frame, astro::BodyAt(body), *face);
    return;
  }
  // In red screen every planet is red, whatever its colour would give.
  const Rgb c = frame.Doc.Run.RedScreen ? Rgb{1, 0, 0}
                                        : kPlanetColours[body - astro::Index(astro::Body::Mercury)];
  glColor3f(c.R, c.G, c.B);
  glPointSize(static_cast<float>(look.Size * frame.Scale));
  glLoadName(kNameBodyFirst + body);
  glBegin(GL_POINTS);
  glVertex3dv(p);
  glEnd();
  if (look.Mark) DrawMark(frame, body, p);
}

void Vertex(double longitude, double latitude) {
  const double l = longitude * astro::kDegToRad, b = latitude * astro::kDegToRad;
  glVertex3d(-std::sin(l) * std::cos(b), std::sin(b), -std::cos(l) * std::cos(b));
}

// The unlit part of the Moon: a hemisphere around +Y in the colour of the sky,
// with a grey terminator fading out beyond its edge.
void DrawMoonShadow(int sky) {
  const GLubyte r = sky & 0xFF, g = (sky >> 8) & 0xFF, b = (sky >> 16) & 0xFF;
  constexpr GLubyte kShadowAlpha = 245;
  glPushMatrix();
  glColor4ub(r, g, b, kShadowAlpha);
  glBegin(GL_TRIANGLE_FAN);
  glVertex3d(0, 1, 0);
  for (int l = 0; l <= 360; l += 10) Vertex(l, 85);
  glEnd();
  for (int band = 0; band <= 80; band += 5) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int o = 0; o <= 365; o += 5) {
      const int latitude = o % 10 == 0 ? band + 5 : band;
      if (latitude == 0)
        glColor4ub(32, 32, 32, 192);
      else
        glColor4ub(r, g, b, kShadowAlpha);
      Vertex(band + o, latitude);
    }
    glEnd();
  }
  glBegin(GL_TRIANGLE_STRIP);
  for (int o = 0; o <= 365; o += 5) {
    if (o % 10 == 0) {
      glColor4ub(32, 32, 32, 192);
      Vertex(o + 5, 0);
    } else {
      glColor4ub(32, 32, 32, 0);
      Vertex(o + 5, -10);
    }
  }
  glEnd();
  glClearColor(0, 0, 0, 0);
  glPopMatrix();
}

// The Moon's turn on the screen: the position angle of its axis, less the
// parallactic angle in horizon mode, half a turn more when the chart stands
// upside down.
double MoonTurn(const CSkyDoc& doc) {
  const astro::AstroState& st = doc.Sky.AstroState;
  const astro::PlanetState& moon = doc.Sky.Bodies[astro::kMoon];
  double turn = st.MoonAxisAngle;
  if (doc.Settings().HorizonMode) {
    // The parallactic angle, from the Moon's place of date.
    const astro::EquatorialCoord ofDate = st.ToDate(moon.RightAscension, moon.Declination);
    const double h =
        (st.SiderealAngle - st.Longitude - 15 * ofDate.RightAscension) * astro::kDegToRad;
    const double phi = st.Latitude * astro::kDegToRad,
                 delta = ofDate.Declination * astro::kDegToRad;
    turn -=
        std::atan2(std::sin(h), std::tan(phi) * std::cos(delta) - std::sin(delta) * std::cos(h)) *
        astro::kRadToDeg;
  }
  const double tilt = astro::Normalize360(doc.Settings().XRotation);
  if (tilt >= 90 && tilt < 270) turn += 180;
  return turn;
}

// The pixels to the unit of the Sun's glow and the Moon's ball: 10 up to
// zoom 4, then growing with the sky disc.
double DiscUnit(const Frame& frame) {
  return frame.Zoom > 4 ? DiscRadius(frame.View, frame.Zoom) / 180 : 10 * frame.Scale;
}

// The Sun's glow or the Moon's ball, in window pixels at the body's place.
void DrawDisc(const Frame& frame, int body, double wx, double wy) {
  const CSkyDoc& doc = frame.Doc;
  const int width = frame.View.Viewport[2], height = frame.View.Viewport[3];
  const double k = DiscUnit(frame);
  glPushMatrix();
  frame.Renderer.SetPixelProjection(width, height);
  glTranslated(0.375, 0.375, 0);
  glTranslated(wx, wy, 0);
  glScaled(k, k, 1);
  if (body == astro::kSun) {
    if (doc.Settings().HorizonMode) glRotated(-doc.Sky.TimeOffset, 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, frame.Renderer.Texture(kTexSun));
    glLoadName(kNameBodyFirst + astro::kSun);
    glCallList(kListSprite);
  } else {
    glRotated(MoonTurn(doc), 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, frame.Renderer.Texture(kTexMoon));
    glLoadName(kNameBodyFirst + astro::kMoon);
    glPushMatrix();
    glScaled(0.997, 0.997, 0.997);  // just inside the shadow
    glCallList(kListSphere);
    glPopMatrix();
    glRotated(doc.Sky.AstroState.MoonPhaseAngle + 180, 0, 1, 0);
    glRotated(90, 1, 0, 0);
    DrawMoonShadow(frame.Sky.SkyColour);
  }
  frame.Renderer.SetSkyProjection(width, height, frame.Zoom);
  glPopMatrix();
}

// In the selection pass the projection holds the pick matrix, so the Sun and
// the Moon are balls in sky space instead.
void PickDisc(const Frame& frame, int body, const double p[3]) {
  PickBall(body, p, frame.Zoom > 4 ? 1.0 / 180 : (1.0 / 36) / frame.Zoom);
}

void DrawSunOrMoon(const Frame& frame, int body, const double p[3]) {
  double wx, wy;
  if (!frame.View.SkyToWindow(p[0], p[1], p[2], wx, wy)) return;
  if (body == astro::kMoon && !frame.Picking) {
    const std::optional<sky::PlanetFace> face = sky::MoonFaceOf(frame.Doc, frame.View);
    if (face && face->Radius >= sky::kMoonFaceRadiusPixels * frame.Scale) {
      DrawPlanetFace(frame, astro::Body::Moon, *face);
      return;
    }
  }
  if (frame.Picking)
    PickDisc(frame, body, p);
  else
    DrawDisc(frame, body, wx, wy);
}

// Whether the sky is too bright for the name of `body` (Sun, Moon, Venus and
// Jupiter are always named).
bool NameOutshone(int body, double h) {
  switch (astro::BodyAt(body)) {
    case astro::Body::Mercury:
    case astro::Body::Mars:
      return h > -3;
    case astro::Body::Saturn:
      return h > -5;
    case astro::Body::Uranus:
    case astro::Body::Neptune:
    case astro::Body::Pluto:
      return h > -18;
    default:
      return false;
  }
}

}  // namespace

void DrawPlanetNames(const Frame& frame) {
  std::string name;
  DrawPlacedLabels(frame, frame.Renderer.PlanetLabels(), frame.Doc.Settings().PlanetNamesColor,
                   [&name](int id) -> std::string_view {
                     name = BodyLabel(id);
                     return name;
                   });
}

void DrawSolarSystem(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  if (!doc.Settings().SolarSystem) return;
  const double e = EffectiveSunAltitude(frame);

  glPushMatrix();
  // The Moon last, so that it covers the Sun.
  for (int body = astro::kBodyCount - 1; body >= 0; --body) {
    const astro::PlanetState& state = doc.Sky.Bodies[body];
    double p[3];
    doc.DrawingPoint(state.RightAscension, state.Declination, p);
    if (doc.Settings().HorizonMode) {
      const double altitude = doc.HorizontalOf(state.RightAscension, state.Declination).Altitude;
      // A half-set Sun or Moon is still drawn.
      if (altitude < (body <= astro::kSun ? -1.0 : 0.0)) continue;
    }
    if (body <= astro::kSun)
      DrawSunOrMoon(frame, body, p);
    else
      DrawPlanet(frame, body, p, e);
  }
  glPopMatrix();
}

void ReservePlanetNames(const Frame& frame) {
  const CSkyDoc& doc = frame.Doc;
  std::vector<PlacedLabel>& placed = frame.Renderer.PlanetLabels();
  if (frame.Picking || !doc.Settings().SolarSystem || !doc.Settings().PlanetNames ||
      !sky::NamesShown(frame.Zoom))
    return;
  const double e = EffectiveSunAltitude(frame);
  const CTextMeasure measure(LabelFont::Plain14);
  // A planet's point is at most 7 pixels wide; the Moon's ball has the disc
  // unit for its radius, the Sun's glow shines out to three of them.
  const double scale = frame.Scale, unit = DiscUnit(frame);
  for (int body = astro::kBodyCount - 1; body >= 0; --body) {
    if (doc.Settings().SkyColors && NameOutshone(body, e)) continue;
    const astro::PlanetState& state = doc.Sky.Bodies[body];
    double x, y;
    if (!LabelPosition(doc, frame.View, state.RightAscension, state.Declination, x, y)) continue;
    const std::string name = BodyLabel(body);
    const std::optional<sky::PlanetFace> face =
        body > astro::kSun ? FaceShown(frame, body) : std::nullopt;
    const double radius = body == astro::kSun    ? kSunGlowUnits * unit
                          : body == astro::kMoon ? unit
                          : face ? std::max(FaceReach(body, *face), kPlanetRadius * scale)
                                 : kPlanetRadius * scale;
    TextExtent extent = ExtentOf(measure, name);
    extent.Middle = kNameDrop * scale;
    double left, baseline;
    if (frame.Renderer.Labels().TakeBeside(x, y, radius, kNameGap * scale, extent, left, baseline))
      placed.push_back({body, left, baseline});
  }
}

}  // namespace render
