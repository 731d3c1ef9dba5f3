// The Sun's elements and position, and the Moon.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astro_state.h"
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
  state.TerrestrialDay = 2451545.0;
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
  state.TerrestrialDay = 2451545.0 + 0.873 * 36525.0;  // 2087
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
  // Meeus, Astronomical Algorithms, example 25.b (VSOP87): 1992 October 13.0
  // TT (23:59:01 UT the day before, Delta T 59 s), apparent 13h 13m 30.749s,
  // -7 47' 01.74", R = 0.99760775 AU, from the centre of the Earth. The
  // Bodies table keeps the apparent place referred to J2000, like the catalogues.
  const Sky sky({1992, 10, 12, 23, 59, 1}, Greenwich());
  EXPECT_NEAR(sky.State.DeltaT, 58.96, 0.01);
  AstroState centre = sky.State;
  for (double& x : centre.Observer) x = 0.0;
  astro::PlanetState geocentric[astro::kBodyCount];
  centre.ComputeSunPosition(geocentric);
  const astro::EquatorialCoord ofDate =
      centre.ToDate(geocentric[kSun].RightAscension, geocentric[kSun].Declination);
  EXPECT_NEAR(ofDate.RightAscension * 3600.0, 13 * 3600.0 + 13 * 60.0 + 30.749, 0.01);
  EXPECT_NEAR(ofDate.Declination * 3600.0, -(7 * 3600.0 + 47 * 60.0 + 1.74), 0.1);
  EXPECT_NEAR(geocentric[kSun].GeoDistance, 0.99760775, 1e-6);
  // Seen from Greenwich at midnight the Sun stands 1.2" (its parallax times
  // the sine of 7.8 degrees) further north.
  const astro::EquatorialCoord seen =
      sky.State.ToDate(sky.Bodies[kSun].RightAscension, sky.Bodies[kSun].Declination);
  EXPECT_NEAR((seen.Declination - ofDate.Declination) * 3600.0, 1.2, 0.05);
  EXPECT_GT(std::fabs(sky.Bodies[kSun].RightAscension - ofDate.RightAscension), 0.005);
  // The topocentric distance, one Earth radius at most from the geocentric.
  EXPECT_NEAR(sky.Bodies[kSun].GeoDistance, 0.99760775, 5e-5);
  EXPECT_EQ(sky.State.SunDistance, sky.Bodies[kSun].GeoDistance);
  EXPECT_EQ(sky.Bodies[kSun].HelioDistance, 0.0);
  // Aberration: the astrometric place lies about 20" from the apparent one.
  const double shift =
      astro::AngularSeparation(sky.Bodies[kSun].RaJ2000, sky.Bodies[kSun].DecJ2000,
                               sky.Bodies[kSun].RightAscension, sky.Bodies[kSun].Declination);
  EXPECT_NEAR(shift * 3600.0, 20.5, 0.5);
}

TEST(Sun, RightAscensionStaysInOneTurn) {
  for (int day = 1; day <= 365; day += 2) {
    const Sky sky({2023, 1, day, 6, 0, 0}, Greenwich());
    EXPECT_GE(sky.Bodies[kSun].RightAscension, 0.0) << day;
    EXPECT_LT(sky.Bodies[kSun].RightAscension, 24.0) << day;
  }
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
  const double t = (s.TerrestrialDay - 2415020.0) / 36525.0;
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

TEST(Moon, TopocentricParallax) {
  // Seen from the north pole the Moon stands lower by about its horizontal
  // parallax times cos(declination) (the polar radius is 0.99665 equatorial
  // radii; terms in the square of the parallax left out) than from the centre
  // of the Earth, from the south pole as much higher.
  for (const astro::CivilTime& time :
       {astro::CivilTime{2013, 7, 9, 21, 0, 0}, astro::CivilTime{2091, 2, 3, 4, 5, 6}}) {
    const Sky north(time, Place(90, 0, "N", 0, 0, "E"));
    const Sky south(time, Place(90, 0, "S", 0, 0, "E"));
    const astro::PlanetState& n = north.Bodies[kMoon];
    const astro::PlanetState& s = south.Bodies[kMoon];
    const double parallax = north.State.MoonParallax;
    EXPECT_GT(parallax, 0.88);
    EXPECT_LT(parallax, 1.03);
    EXPECT_NEAR(s.Declination - n.Declination,
                2.0 * 0.99665 * parallax * std::cos(n.Declination * astro::kDegToRad), 0.01);
    EXPECT_NEAR(s.RightAscension, n.RightAscension, 2e-3);
  }
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
