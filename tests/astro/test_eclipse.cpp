// Eclipse darkening.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/eclipse.h"
#include "astro/transforms.h"
#include "astro_test_support.h"

namespace {

using astro::EclipseDarkening;
using astro::PlanetState;
using astro_test::Place;
using astro_test::Sky;

// The Sun at 1 AU, 0 h, 0 deg; an observer at S = 0, L = 0 on the equator sees it at the zenith.
constexpr PlanetState kSun{0.0, 0.0, 0.0, 1.0};

PlanetState MoonAt(double declination, double distanceKm, double rightAscension = 0.0) {
  return {rightAscension, declination, 1.0, distanceKm};
}

TEST(EclipseDarkening, SeparationAndSize) {
  // 6 arc minutes apart: no darkening.
  EXPECT_EQ(EclipseDarkening(MoonAt(6.0 / 60.0, 360000.0), kSun, 0.0, 0.0, 0.0), 0.0);
  // Exact alignment, the Moon larger than the Sun: total, 12.
  EXPECT_NEAR(EclipseDarkening(MoonAt(0.0, 360000.0), kSun, 0.0, 0.0, 0.0), 12.0, 1e-12);
  // A Moon too far to cover the Sun: annular, 9.
  EXPECT_NEAR(EclipseDarkening(MoonAt(0.0, 405000.0), kSun, 0.0, 0.0, 0.0), 9.0, 1e-12);
  // 2.5 arc minutes apart, total: sin 45 deg * 12.
  EXPECT_NEAR(EclipseDarkening(MoonAt(2.5 / 60.0, 360000.0), kSun, 0.0, 0.0, 0.0),
              12.0 * std::sqrt(0.5), 1e-6);
  // Just inside 5 arc minutes it starts from 0.
  EXPECT_NEAR(EclipseDarkening(MoonAt(4.99 / 60.0, 360000.0), kSun, 0.0, 0.0, 0.0),
              12.0 * std::sin(0.01 * 18.0 * astro::kDegToRad), 1e-6);
}

TEST(EclipseDarkening, LowMoonIsSmaller) {
  // At 374000 km the geocentric Moon (15.97') is a little smaller than the Sun
  // at 1 AU (15.99'): at the zenith it grows by 1.7% and covers the Sun, on
  // the horizon it does not.
  const PlanetState zenithMoon = MoonAt(0.0, 374000.0);
  EXPECT_NEAR(EclipseDarkening(zenithMoon, kSun, 0.0, 0.0, 0.0), 12.0, 1e-12);
  // Sidereal angle 90: both at hour angle 90, on the western horizon.
  EXPECT_NEAR(EclipseDarkening(zenithMoon, kSun, 90.0, 0.0, 0.0), 9.0, 1e-12);
  // A Sun that is farther (smaller) is covered even by the low Moon.
  const PlanetState farSun{0.0, 0.0, 0.0, 1.0167};
  EXPECT_NEAR(EclipseDarkening(zenithMoon, farSun, 90.0, 0.0, 0.0), 12.0, 1e-12);
}

TEST(EclipseDarkening, AcrossZeroHours) {
  // The Moon's right ascension a little below 0 h, the Sun's a little below 24 h.
  const PlanetState sun{23.9996, -0.02, 0.0, 0.996};
  const PlanetState moon{-0.0004, -0.02, 1.0, 360000.0};
  EXPECT_NEAR(EclipseDarkening(moon, sun, 0.0, 0.0, 0.0), 12.0, 1e-9);
}

TEST(EclipseDarkening, Shiraz2034) {
  // The total eclipse of 2034 March 20 at Shiraz (29 37' N, 52 32' E), greatest
  // at 11:33 UT: the sky about 12 degrees darker.
  const Sky sky({2034, 3, 20, 11, 33, 0}, Place(29, 37, "N", 52, 32, "E"));
  const double darkening =
      EclipseDarkening(sky.Bodies[astro::kMoon], sky.Bodies[astro::kSun], sky.State.SiderealAngle,
                       sky.State.Longitude, sky.State.Latitude);
  EXPECT_GT(darkening, 11.5);
  EXPECT_LE(darkening, 12.0);
  // An hour earlier the Moon is far from the Sun.
  const Sky before({2034, 3, 20, 10, 36, 0}, Place(29, 37, "N", 52, 32, "E"));
  EXPECT_EQ(
      EclipseDarkening(before.Bodies[astro::kMoon], before.Bodies[astro::kSun],
                       before.State.SiderealAngle, before.State.Longitude, before.State.Latitude),
      0.0);
}

}  // namespace
