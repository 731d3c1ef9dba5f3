// The planets' faces in a window, without a window: where the face stands,
// how large, which way its pole and its lit side point, and Saturn's rings
// tilted as PyEphem gives them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <utility>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/clock.h"
#include "astro/jupiter_meridian.h"
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

// Whether the planet shadows the point `p` of the ring plane.
bool Shadowed(const double (&p)[3], const double (&sun)[3], double flattening = 0) {
  return std::hypot(p[0], p[1]) < sky::PlanetShadowReach(std::atan2(p[1], p[0]), sun, flattening);
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
    EXPECT_EQ(Shadowed(row.Point, sun), row.Shadowed) << row.Point[0] << ", " << row.Point[1];
  // The Sun 30 degrees above the ring plane: the shadow reaches out to
  // 1 / sin 30 = 2 radii straight behind a round planet, less behind a
  // flattened one (its outline from the Sun is shorter along the pole).
  const double high[3] = {std::cos(30 * astro::kDegToRad), 0, std::sin(30 * astro::kDegToRad)};
  EXPECT_NEAR(sky::PlanetShadowReach(std::numbers::pi, high, 0), 2, 1e-12);
  EXPECT_LT(sky::PlanetShadowReach(std::numbers::pi, high, 0.098), 2);
  EXPECT_GT(sky::PlanetShadowReach(std::numbers::pi, high, 0.098), 1.8);
  EXPECT_EQ(sky::PlanetShadowReach(0, high, 0.098), 0);
  EXPECT_TRUE(std::isinf(sky::PlanetShadowReach(std::numbers::pi, sun, 0)));
}

// The ray towards the Sun from a point of the planet crosses the ring plane
// ahead of it only from the hemisphere the Sun does not shine on.
TEST(PlanetFace, RayTowardsTheSunCrossesTheRingPlane) {
  struct Row {
    double Point[3], Sun[3];
    std::optional<double> Crossing;
  };
  const Row rows[] = {
      {{1, 0, -0.8}, {0.6, 0, 0.8}, 1.6},                 // on the B ring
      {{0, 1, -0.4}, {0.6, 0, 0.8}, std::hypot(0.3, 1)},  // inside the C ring: no shadow
      {{-0.5, 0, -0.8}, {0.6, 0, 0.8}, 0.1},              // through the planet
      {{1, 0, 0.5}, {0.6, 0, 0.8}, std::nullopt},         // the Sun's side
      {{1, 0, -0.5}, {1, 0, 0}, std::nullopt},            // the Sun in the ring plane
      {{0, 0.9, 0.3}, {0, 0.8, -0.6}, std::hypot(0, 1.3)},
  };
  for (const Row& row : rows) {
    const std::optional<double> got = sky::RingPlaneCrossing(row.Point, row.Sun);
    ASSERT_EQ(got.has_value(), row.Crossing.has_value()) << row.Point[0] << ", " << row.Point[2];
    if (got) {
      EXPECT_NEAR(*got, *row.Crossing, 1e-12) << row.Point[0] << ", " << row.Point[2];
    }
  }
  // Saturn's rings shadow a band below the equator, the Sun 20 degrees north
  // of the ring plane, on the meridian under it.
  const double sun[3] = {std::cos(20 * astro::kDegToRad), 0, std::sin(20 * astro::kDegToRad)};
  int shadowed = 0;
  for (int latitude = -89; latitude <= 89; ++latitude) {
    const double b = latitude * astro::kDegToRad;
    const double p[3] = {std::cos(b), 0, std::sin(b) * (1 - 0.098)};
    const std::optional<double> r = sky::RingPlaneCrossing(p, sun);
    const bool inRings = r && *r >= sky::kRingInner && *r <= sky::kRingOuter;
    if (inRings) {
      EXPECT_LT(latitude, -5);
      EXPECT_GT(latitude, -60);
      ++shadowed;
    }
  }
  EXPECT_GT(shadowed, 10);
}

// The planet's shadow falls on the rings behind it: hidden behind the
// planet when the Sun is behind the observer (opposition), seen beside it
// on the side away from the Sun when the Sun stands aside (Saturn's phase
// angle reaches 6 degrees near quadrature).
TEST(PlanetFace, ThePlanetShadowOnTheRingsIsSeenOnlyAwayFromOpposition) {
  const double tilt = 20 * astro::kDegToRad;
  const double observer[3] = {std::cos(tilt), 0, std::sin(tilt)};
  struct Row {
    double PhaseDeg;
    bool Seen;
  };
  for (const Row row : {Row{0, false}, Row{6, true}, Row{-6, true}}) {
    const double a = row.PhaseDeg * astro::kDegToRad;
    const double sun[3] = {std::cos(tilt) * std::cos(a), std::cos(tilt) * std::sin(a),
                           std::sin(tilt)};
    int seen = 0;
    for (int angle = 0; angle < 360; ++angle)
      for (double r = sky::kRingInner; r <= sky::kRingOuter; r += 0.05) {
        const double p[3] = {r * std::cos(angle * astro::kDegToRad),
                             r * std::sin(angle * astro::kDegToRad), 0};
        if (!Shadowed(p, sun) || Shadowed(p, observer)) continue;
        ++seen;
        // Beside the planet, on the side opposite the Sun's offset.
        EXPECT_LT(p[1] * row.PhaseDeg, 0) << angle << " " << r;
      }
    EXPECT_EQ(seen > 0, row.Seen) << row.PhaseDeg;
  }
}

// Jupiter's map turns with the Great Red Spot's longitude: the spot is under
// the observer when System II's central meridian reaches it.
TEST(PlanetFace, JupitersRedSpotCrossesTheMiddleAtItsLongitude) {
  // The instant near 2026-12-09 20h UT when System II's meridian reaches the
  // spot's longitude of the settings' defaults.
  const AppSettings defaults;
  const std::int64_t start = astro::SecondsOfCivil({2026, 12, 9, 20, 0, 0});
  const double deltaT = 69.0 / 86400;  // near enough for the search
  double seconds = static_cast<double>(start);
  for (int i = 0; i < 4; ++i) {
    const double day = seconds / 86400 + 2440587.5 + deltaT;
    const double behind = std::remainder(astro::RedSpotLongitude(RedSpotDriftOf(defaults), day) -
                                             astro::JupiterMeridiansOf(day).SystemII,
                                         360);
    seconds += behind / 870.19 * 86400;
  }
  for (const double minutes : {0.0, 50.0}) {
    SCOPED_TRACE(minutes);
    const Scene s(astro::Body::Jupiter,
                  astro::CivilOfSeconds(std::llround(seconds + minutes * 60)));
    const std::optional<sky::PlanetFace> face =
        sky::PlanetFaceOf(*s.Doc, s.View, astro::Body::Jupiter);
    ASSERT_TRUE(face);
    const double observerEast = std::atan2(face->Observer[1], face->Observer[0]) * astro::kRadToDeg;
    const double spotEast = face->MapTurn - sky::kMapRedSpotWest;
    // The planet turns 30 degrees in 50 minutes; the spot moves east of the
    // middle (towards the preceding limb) as its longitude falls behind.
    EXPECT_NEAR(std::remainder(spotEast - observerEast, 360), minutes / 60 / 24 * 870.19, 0.2);
  }
  const Scene saturn(astro::Body::Saturn, {2026, 12, 9, 20, 0, 0});
  const std::optional<sky::PlanetFace> face =
      sky::PlanetFaceOf(*saturn.Doc, saturn.View, astro::Body::Saturn);
  ASSERT_TRUE(face);
  EXPECT_EQ(face->MapTurn, 0);
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
