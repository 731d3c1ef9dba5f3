// The planets' faces in a window, without a window: where the face stands,
// how large, which way its pole and its lit side point, and Saturn's rings
// tilted as PyEphem gives them.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/clock.h"
#include "astro/rotation_elements.h"
#include "astro/transforms.h"
#include "sky/camera_math.h"
#include "sky/follow.h"
#include "sky/planet_face.h"
#include "sky/sky_doc.h"

namespace {

constexpr int kSide = 1000;
constexpr double kZoom = 8192;

// A document at `utc` with the camera on `planet` (equatorial mode unless
// `horizonMode`), and the geometry of a kSide x kSide window at kZoom.
struct Scene {
  AppSettings Settings;
  std::optional<CSkyDoc> Doc;
  sky::ViewGeometry View;

  Scene(astro::Body planet, const astro::CivilTime& utc, bool horizonMode = false) {
    Settings.HorizonMode = horizonMode;
    Doc.emplace(Settings);
    Doc->SetInstant(astro::SecondsOfCivil(utc));
    Doc->UpdateSky();
    Doc->Selected = {sky::SkyObjectRef::Body, astro::Index(planet)};
    sky::StartFollowing(*Doc);
    sky::KeepFollowing(*Doc);
    View.Viewport[2] = View.Viewport[3] = kSide;
    View.CentreX = View.CentreY = kSide / 2;
    render::OrthoMatrix(render::SkyOrthoVolume(kSide, kSide, kZoom), View.Projection);
    View.Projection[10] = 2.0;
    render::CameraMatrix(Doc->Settings().XRotation, Doc->Settings().YRotation, horizonMode,
                         Doc->Sky.AstroState, View.Modelview);
  }
  // The window point of a J2000 direction.
  void WindowOf(double ra, double dec, double& x, double& y) const {
    double p[3];
    Doc->DrawingPoint(ra, dec, p);
    ASSERT_TRUE(View.SkyToWindow(p[0], p[1], p[2], x, y));
  }
};

// Window x, y of body-fixed point b, less the face's centre.
void Offset(const sky::PlanetFace& face, const double (&b)[3], double& x, double& y) {
  x = face.Matrix[0] * b[0] + face.Matrix[4] * b[1] + face.Matrix[8] * b[2];
  y = face.Matrix[1] * b[0] + face.Matrix[5] * b[1] + face.Matrix[9] * b[2];
}

// The angle of window direction (x, y) from the sky's north through its east
// at the planet, degrees.
double PositionAngle(const Scene& s, astro::Body planet, double x, double y) {
  const astro::PlanetState& b = s.Doc->Sky.Bodies[astro::Index(planet)];
  double cx, cy, nx, ny, ex, ey;
  s.WindowOf(b.RightAscension, b.Declination, cx, cy);
  s.WindowOf(b.RightAscension, b.Declination + 0.001, nx, ny);
  s.WindowOf(b.RightAscension + 0.001 / 15 / std::cos(b.Declination * astro::kDegToRad),
             b.Declination, ex, ey);
  const double north = (x * (nx - cx) + y * (ny - cy)) / std::hypot(nx - cx, ny - cy),
               east = (x * (ex - cx) + y * (ey - cy)) / std::hypot(ex - cx, ey - cy);
  return astro::Normalize360(std::atan2(east, north) * astro::kRadToDeg);
}

// The centre at the planet's place, the radius its angular radius in pixels,
// the pole at the position angle of the IAU pole, in both chart modes.
TEST(PlanetFace, StandsWhereThePlanetIsWithItsPoleWhereTheElementsPutIt) {
  // Saturn sets before 3 h UT: the horizon view only of Jupiter.
  const std::pair<astro::Body, bool> cases[] = {{astro::Body::Jupiter, false},
                                                {astro::Body::Mars, false},
                                                {astro::Body::Saturn, false},
                                                {astro::Body::Jupiter, true}};
  for (const auto& [planet, horizon] : cases) {
    SCOPED_TRACE(astro::Index(planet) * 10 + horizon);
    const Scene s(planet, {2026, 12, 9, 3, 0, 0}, horizon);
    const std::optional<sky::PlanetFace> face = sky::PlanetFaceOf(*s.Doc, s.View, planet);
    ASSERT_TRUE(face);
    const astro::PlanetState& b = s.Doc->Sky.Bodies[astro::Index(planet)];
    double cx, cy;
    s.WindowOf(b.RightAscension, b.Declination, cx, cy);
    EXPECT_NEAR(face->Matrix[12], cx, 1e-6);
    EXPECT_NEAR(face->Matrix[13], cy, 1e-6);
    const double radians =
        astro::FigureOf(planet).EquatorialRadiusKm / (b.GeoDistance * 149597870.7);
    EXPECT_NEAR(face->Radius, radians * kSide / 2 * kZoom, 0.002 * face->Radius);

    // The pole's position angle from the elements of the light's time.
    const astro::RotationElements e = astro::RotationElementsOf(
        planet, s.Doc->Sky.AstroState.TerrestrialDay - b.GeoDistance * astro::kLightDaysPerAu);
    const double a0 = e.PoleRa * astro::kDegToRad, d0 = e.PoleDec * astro::kDegToRad,
                 a = b.RightAscension * 15 * astro::kDegToRad, d = b.Declination * astro::kDegToRad;
    const double expected = astro::Normalize360(
        std::atan2(std::cos(d0) * std::sin(a0 - a),
                   std::sin(d0) * std::cos(d) - std::cos(d0) * std::sin(d) * std::cos(a0 - a)) *
        astro::kRadToDeg);
    double px, py;
    Offset(*face, {0, 0, 1}, px, py);
    EXPECT_NEAR(PositionAngle(s, planet, px, py), expected, 0.05);
  }
}

// The sub-solar point leans from the centre towards the Sun, by the sine of
// the phase angle, and faces the observer by its cosine.
TEST(PlanetFace, TheLitSideFacesTheSun) {
  for (const astro::Body planet : {astro::Body::Venus, astro::Body::Mars, astro::Body::Jupiter}) {
    SCOPED_TRACE(astro::Index(planet));
    const Scene s(planet, {2026, 12, 9, 3, 0, 0});
    const std::optional<sky::PlanetFace> face = sky::PlanetFaceOf(*s.Doc, s.View, planet);
    ASSERT_TRUE(face);
    const double cosPhase = face->Sun[0] * face->Observer[0] + face->Sun[1] * face->Observer[1] +
                            face->Sun[2] * face->Observer[2];
    const double toward = face->Matrix[2] * face->Sun[0] + face->Matrix[6] * face->Sun[1] +
                          face->Matrix[10] * face->Sun[2];
    EXPECT_NEAR(toward / face->Radius, cosPhase, 0.01);
    double sx, sy;
    Offset(*face, {face->Sun[0], face->Sun[1], face->Sun[2]}, sx, sy);
    EXPECT_NEAR(std::hypot(sx, sy) / face->Radius, std::sqrt(1 - cosPhase * cosPhase), 0.01);
    // The Sun's position angle seen from the planet's place.
    const astro::PlanetState& b = s.Doc->Sky.Bodies[astro::Index(planet)];
    const astro::PlanetState& sun = s.Doc->Sky.Bodies[astro::kSun];
    const double a = b.RightAscension * 15 * astro::kDegToRad, d = b.Declination * astro::kDegToRad,
                 as = sun.RightAscension * 15 * astro::kDegToRad,
                 ds = sun.Declination * astro::kDegToRad;
    const double sunAngle = astro::Normalize360(
        std::atan2(std::cos(ds) * std::sin(as - a),
                   std::sin(ds) * std::cos(d) - std::cos(ds) * std::sin(d) * std::cos(as - a)) *
        astro::kRadToDeg);
    EXPECT_NEAR(PositionAngle(s, planet, sx, sy), sunAngle, 1.0);
  }
}

// Saturn's rings open and close as PyEphem 4.1.4 gives their tilt to the
// Earth and to the Sun (earth_tilt, sun_tilt at 0 h UT).
TEST(PlanetFace, SaturnsRingsAreTiltedAsSeen) {
  struct Row {
    astro::CivilTime Utc;
    double EarthTilt, SunTilt;
  };
  const Row rows[] = {
      {{2017, 10, 16, 0, 0, 0}, 26.963, 26.647},
      {{2025, 3, 23, 0, 0, 0}, 0.042, 0.663},
      {{2032, 1, 1, 0, 0, 0}, -26.490, -26.665},
      {{2010, 6, 1, 0, 0, 0}, 1.678, 4.452},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Utc.Year);
    const Scene s(astro::Body::Saturn, row.Utc);
    const std::optional<sky::PlanetFace> face =
        sky::PlanetFaceOf(*s.Doc, s.View, astro::Body::Saturn);
    ASSERT_TRUE(face);
    EXPECT_NEAR(std::asin(face->Observer[2]) * astro::kRadToDeg, row.EarthTilt, 0.1);
    EXPECT_NEAR(std::asin(face->Sun[2]) * astro::kRadToDeg, row.SunTilt, 0.1);
  }
}

// The Moon turns the point of its librations towards the observer, its pole
// at the position angle of its axis (of date: the J2000 chart's north
// differs by a fraction of a degree).
TEST(PlanetFace, TheMoonShowsItsLibrations) {
  for (const int day : {1, 8, 15, 22}) {
    SCOPED_TRACE(day);
    const Scene s(astro::Body::Moon, {2026, 12, day, 20, 0, 0});
    const std::optional<sky::PlanetFace> face = sky::MoonFaceOf(*s.Doc, s.View);
    ASSERT_TRUE(face);
    const astro::MoonLibration l = sky::MoonLibrationSeen(*s.Doc);
    EXPECT_NEAR(std::atan2(face->Observer[1], face->Observer[0]) * astro::kRadToDeg, l.Longitude,
                1e-6);
    EXPECT_NEAR(std::asin(face->Observer[2]) * astro::kRadToDeg, l.Latitude, 1e-6);
    double px, py;
    Offset(*face, {0, 0, 1}, px, py);
    EXPECT_NEAR(std::remainder(PositionAngle(s, astro::Body::Moon, px, py) - l.AxisAngle, 360), 0,
                0.5);
    // At 8192 the Moon's half degree is some 36 000 pixels across.
    EXPECT_NEAR(face->Radius,
                1737.4 / s.Doc->Sky.Bodies[astro::kMoon].GeoDistance * kSide / 2 * kZoom,
                0.002 * face->Radius);
  }
}

TEST(PlanetFace, ThePlanetShadowsTheRingBehindItFromTheSun) {
  const double sun[3] = {1, 0, 0};
  struct Row {
    double Point[3];
    bool Shadowed;
  };
  const Row rows[] = {
      {{-1.5, 0, 0}, true}, {{-2.2, 0.9, 0}, true}, {{-2.2, 1.1, 0}, false},
      {{1.5, 0, 0}, false}, {{0, 1.5, 0}, false},   {{-1.3, -0.99, 0}, true},
  };
  for (const Row& row : rows)
    EXPECT_EQ(sky::InPlanetShadow(row.Point, sun), row.Shadowed)
        << row.Point[0] << ", " << row.Point[1];
}

// Away from the window the face is not there.
TEST(PlanetFace, NoneForAPlanetOutOfSight) {
  const Scene s(astro::Body::Jupiter, {2026, 12, 9, 3, 0, 0});
  EXPECT_TRUE(sky::PlanetFaceOf(*s.Doc, s.View, astro::Body::Jupiter));
  const astro::PlanetState& j = s.Doc->Sky.Bodies[astro::Index(astro::Body::Jupiter)];
  const astro::PlanetState& v = s.Doc->Sky.Bodies[astro::Index(astro::Body::Venus)];
  ASSERT_GT(std::fabs(j.RightAscension - v.RightAscension), 3) << "Venus far from Jupiter";
  EXPECT_FALSE(sky::PlanetFaceOf(*s.Doc, s.View, astro::Body::Venus));
}

}  // namespace
