// The Sun's elements and position, and the Moon.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astro_state.h"
#include "astro/sun_moon.h"
#include "astro_test_support.h"

namespace {

using astro::AstroState;
using astro::kMoon;
using astro::kSun;
using astro_test::Greenwich;
using astro_test::Place;
using astro_test::Sky;

TEST(Sun, ElementsAtJ2000) {
  AstroState state;
  state.T2000 = 0.0;
  state.ComputeSunElements();
  EXPECT_NEAR(state.SunMeanLongitude, 280.46645, 1e-12);
  EXPECT_NEAR(state.SunMeanAnomaly, 357.5291, 1e-12);
  EXPECT_NEAR(state.MeanObliquity, 23.439291, 1e-12);
  EXPECT_NEAR(state.Eccentricity, 0.016708617, 1e-15);
  EXPECT_NEAR(state.MoonNode, 125.04452, 1e-12);
  EXPECT_NEAR(state.MoonMeanLongitude, 218.3165, 1e-12);
  // True longitude and anomaly differ from the mean ones by the equation of the centre.
  EXPECT_NEAR(state.SunTrueLongitude - state.SunMeanLongitude, state.SunEquationOfCentre, 1e-12);
  EXPECT_NEAR(state.SunTrueAnomaly - state.SunMeanAnomaly, state.SunEquationOfCentre, 1e-12);
  // C = 1.9146 sin M + 0.019993 sin 2M + 0.00029 sin 3M.
  EXPECT_NEAR(state.SunEquationOfCentre, -0.084302, 1e-6);
  // Nutation moves the true obliquity by a few arc seconds.
  EXPECT_NEAR(state.Obliquity, state.MeanObliquity, 0.003);
}

TEST(Sun, ElementsAreReduced) {
  AstroState state;
  state.T2000 = 0.873;  // 2087
  state.ComputeSunElements();
  for (double angle : {state.SunMeanLongitude, state.SunMeanAnomaly, state.MoonMeanLongitude}) {
    EXPECT_GE(angle, 0.0);
    EXPECT_LT(angle, 360.0);
  }
  // The node is reduced from above only.
  EXPECT_LT(state.MoonNode, 0.0);
  EXPECT_NEAR(state.MoonNode,
              125.04452 - 1934.136261 * 0.873 + (0.0020708 + 0.873 / 450000.0) * 0.873 * 0.873,
              1e-9);
}

TEST(Sun, Position) {
  // At true longitude 90 the Sun stands at 6 h and at declination epsilon.
  AstroState state;
  astro::PlanetState bodies[astro::kBodyCount]{};
  state.SunTrueLongitude = 90.0;
  state.SunTrueAnomaly = 0.0;
  state.Obliquity = 23.44;
  state.Eccentricity = 0.0167;
  state.ComputeSunPosition(bodies);
  EXPECT_NEAR(bodies[kSun].RightAscension, 6.0, 1e-12);
  EXPECT_NEAR(bodies[kSun].Declination, 23.44, 1e-12);
  EXPECT_EQ(bodies[kSun].HelioDistance, 0.0);
  EXPECT_NEAR(bodies[kSun].GeoDistance, 1.000001018 * (1.0 - 0.0167 * 0.0167) / 1.0167, 1e-15);
  EXPECT_EQ(state.SunDistance, bodies[kSun].GeoDistance);
  EXPECT_EQ(state.RightAscension, bodies[kSun].RightAscension);
  EXPECT_EQ(state.Declination, bodies[kSun].Declination);

  // Meeus, Astronomical Algorithms, example 25.a: 1992 October 13.0 TD,
  // apparent 13h 13m 31.4s, -7 47' 06"; R = 0.99766 AU. The apparent place
  // lies 20.5" (aberration) and the nutation in longitude west of the true one.
  // The Bodies table keeps it referred to J2000, like the catalogues.
  const Sky sky({1992, 10, 13, 0, 0, 0}, Greenwich());
  const astro::EquatorialCoord ofDate =
      sky.State.ToDate(sky.Bodies[kSun].RightAscension, sky.Bodies[kSun].Declination);
  EXPECT_NEAR(ofDate.RightAscension, 13.0 + 13.0 / 60.0 + 31.4 / 3600.0, 0.0005);
  EXPECT_NEAR(ofDate.Declination, -(7.0 + 47.0 / 60.0 + 6.0 / 3600.0), 0.01);
  EXPECT_GT(std::fabs(sky.Bodies[kSun].RightAscension - ofDate.RightAscension), 0.005);
  EXPECT_NEAR(sky.Bodies[kSun].GeoDistance, 0.99766, 1e-5);
}

TEST(Sun, RightAscensionStaysInOneTurn) {
  for (int day = 1; day <= 365; day += 2) {
    const Sky sky({2023, 1, day, 6, 0, 0}, Greenwich());
    EXPECT_GE(sky.Bodies[kSun].RightAscension, 0.0) << day;
    EXPECT_LT(sky.Bodies[kSun].RightAscension, 24.0) << day;
  }
}

TEST(Moon, ParallaxMayTakeTheRightAscensionOutOfOneTurn) {
  // 2034 March 20, 11:36 UT at Shiraz: the Moon at geocentric right ascension
  // a little above 0 h is shifted below 0 h; the working value of date is
  // kept as computed, the J2000 place in the Bodies table lies in [0 h, 24 h).
  const Sky shiraz({2034, 3, 20, 11, 36, 0}, Place(29, 37, "N", 52, 32, "E"));
  EXPECT_LT(shiraz.State.RightAscension, 0.0);
  EXPECT_GT(shiraz.State.RightAscension, -0.07);
  const astro::PlanetState& moon = shiraz.Bodies[kMoon];
  EXPECT_GE(moon.RightAscension, 0.0);
  EXPECT_LT(moon.RightAscension, 24.0);
  const astro::EquatorialCoord ofDate = shiraz.State.ToDate(moon.RightAscension, moon.Declination);
  EXPECT_NEAR(ofDate.RightAscension - 24.0, shiraz.State.RightAscension, 1e-9);
  EXPECT_NEAR(ofDate.Declination, shiraz.State.Declination, 1e-9);
  // 2000 January 12, 14:20 UT at 0 N 0 E: just below 24 h, shifted above it.
  const Sky greenwich({2000, 1, 12, 14, 20, 0}, Greenwich());
  EXPECT_GE(greenwich.State.RightAscension, 24.0);
  EXPECT_LT(greenwich.State.RightAscension, 24.07);
}

TEST(Moon, Phases) {
  // Full Moon 2000 January 21, 04:40 UT (a total lunar eclipse).
  const Sky full({2000, 1, 21, 4, 40, 0}, Greenwich());
  EXPECT_NEAR(std::remainder(full.State.MoonPhaseAngle, 360.0), 0.0, 3.0);
  EXPECT_GT(full.Bodies[kMoon].HelioDistance, 0.998);
  EXPECT_GT(full.State.MoonIlluminated, 0.999);
  // New Moon 2000 January 6, 18:14 UT.
  const Sky fresh({2000, 1, 6, 18, 14, 0}, Greenwich());
  EXPECT_NEAR(fresh.State.MoonPhaseAngle, 180.0, 3.0);
  EXPECT_LT(fresh.Bodies[kMoon].HelioDistance, -0.998);
  EXPECT_LT(fresh.State.MoonIlluminated, 0.001);
  // The fields agree with one another.
  for (const Sky* sky : {&full, &fresh}) {
    const double c = std::cos(sky->State.MoonPhaseAngle * astro::kDegToRad);
    EXPECT_NEAR(sky->Bodies[kMoon].HelioDistance, c, 1e-15);
    EXPECT_NEAR(sky->State.MoonIlluminated, (1.0 + c) / 2.0, 1e-15);
    EXPECT_GE(sky->State.MoonPhaseAngle, 0.0);
    EXPECT_LT(sky->State.MoonPhaseAngle, 360.0);
  }
}

TEST(Moon, DistanceParallaxAndObliquity) {
  const Sky sky({2013, 7, 9, 21, 0, 0}, Place(40, 0, "N", 74, 0, "W"));
  const astro::AstroState& s = sky.State;
  EXPECT_NEAR(s.MoonDistance, 6378.14 / std::sin(s.MoonParallax * astro::kDegToRad), 1e-6);
  EXPECT_EQ(sky.Bodies[kMoon].GeoDistance, s.MoonDistance);
  EXPECT_GT(s.MoonDistance, 356000.0);
  EXPECT_LT(s.MoonDistance, 407000.0);
  // The Moon's obliquity replaces the Sun's.
  const double t = s.T1900;
  EXPECT_NEAR(s.MeanObliquity, 23.452294 - 0.0000418 * t - 1.3e-7 * t * t, 1e-12);
  EXPECT_NEAR(s.Obliquity - s.MeanObliquity, 0.0, 0.003);
  EXPECT_GE(s.MoonHourAngle, 0.0);
  EXPECT_LT(s.MoonHourAngle, 360.0);
  EXPECT_GE(s.MoonAxisAngle, 0.0);
  EXPECT_LT(s.MoonAxisAngle, 360.0);
}

TEST(Moon, AxisPositionAngle) {
  // Meeus, Astronomical Algorithms, example 53.a: 1992 April 12, 0h TD, the
  // position angle of the Moon's axis is 15.08 degrees.
  const Sky sky({1992, 4, 12, 0, 0, 0}, Greenwich());
  EXPECT_NEAR(sky.State.MoonAxisAngle, 15.08, 0.3);
}

TEST(Moon, TopocentricCorrection) {
  // An observer on the equator: geocentric and reduced latitude 0, rho 1, so
  // the shift in right ascension at hour angle 90 is atan(sin(parallax)).
  const double parallax = 0.95;
  const double sinP = std::sin(parallax * astro::kDegToRad);
  astro::EquatorialCoord q = astro::TopocentricPosition(30.0, 0.0, 90.0, parallax, 0.0);
  EXPECT_NEAR(q.RightAscension, (30.0 - std::atan(sinP) * astro::kRadToDeg) / 15.0, 1e-12);
  EXPECT_NEAR(q.Declination, 0.0, 1e-12);
  // On the meridian only the declination moves, towards the south from the north.
  q = astro::TopocentricPosition(30.0, 10.0, 0.0, parallax, 45.0);
  EXPECT_NEAR(q.RightAscension, 2.0, 1e-12);
  EXPECT_LT(q.Declination, 10.0);
  EXPECT_GT(q.Declination, 10.0 - parallax);
  // At the pole the geocentric latitude reaches 90 without failing, and a
  // body on the equator sinks by the full parallax.
  for (double pole : {90.0, -90.0}) {
    q = astro::TopocentricPosition(30.0, 0.0, 45.0, parallax, pole);
    ASSERT_TRUE(std::isfinite(q.RightAscension)) << pole;
    EXPECT_NEAR(q.RightAscension, 2.0, 1e-9) << pole;
    EXPECT_NEAR(q.Declination, pole > 0 ? -parallax : parallax, 1e-3) << pole;
  }
  // The shift is added after the reduction: 359.9 degrees may go past 24 h.
  q = astro::TopocentricPosition(359.9, 0.0, 270.0, parallax, 0.0);
  EXPECT_GT(q.RightAscension, 24.0);
}

TEST(Moon, PolesAreFinite) {
  for (const char* ns : {"N", "S"}) {
    const Sky sky({2024, 4, 8, 18, 0, 0}, Place(90, 0, ns, 0, 0, "E"));
    EXPECT_TRUE(std::isfinite(sky.Bodies[kMoon].RightAscension)) << ns;
    EXPECT_TRUE(std::isfinite(sky.Bodies[kMoon].Declination)) << ns;
    EXPECT_TRUE(std::isfinite(sky.State.MoonAxisAngle)) << ns;
  }
}

}  // namespace
