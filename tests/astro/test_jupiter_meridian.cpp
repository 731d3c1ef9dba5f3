// Jupiter's central meridians against Meeus' worked example 43.b (1992
// December 16, 0h UT, JDE 2448972.50068: the lit disc's omega1 = 268.12,
// omega2 = 72.79 degrees) and against PyEphem 4.1.4's cmlI and cmlII of the
// geometric disc, which come within 0.11 degree of this method; and the Great
// Red Spot's drifting longitude.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/jupiter_meridian.h"

namespace {

double Difference(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(JupiterMeridians, MatchMeeusExample43b) {
  const astro::JupiterMeridians m = astro::JupiterMeridiansOf(2448972.50068);
  EXPECT_NEAR(Difference(m.SystemI + m.LitDiscCorrection, 268.12), 0, 0.006);
  EXPECT_NEAR(Difference(m.SystemII + m.LitDiscCorrection, 72.79), 0, 0.006);
  // The phase angle is near its largest: the lit disc's middle lies 0.43
  // degree towards the Sun.
  EXPECT_NEAR(m.LitDiscCorrection, 0.43, 0.01);
}

TEST(JupiterMeridians, AgreeWithPyEphem) {
  struct Row {
    double JulianDay, SystemI, SystemII;
  };
  const Row rows[] = {
      {2461385.5, 128.7394, 262.1897},
      {2461385.7, 304.3329, 76.2571},
      {2455000.3, 303.4544, 195.9629},
  };
  for (const Row& row : rows) {
    const astro::JupiterMeridians m = astro::JupiterMeridiansOf(row.JulianDay);
    EXPECT_NEAR(Difference(m.SystemI, row.SystemI), 0, 0.15) << row.JulianDay;
    EXPECT_NEAR(Difference(m.SystemII, row.SystemII), 0, 0.15) << row.JulianDay;
    EXPECT_GE(m.SystemII, 0);
    EXPECT_LT(m.SystemII, 360);
  }
}

TEST(RedSpot, DriftsFromItsEpoch) {
  const astro::RedSpotDrift drift{54.0, 2025.0, 18.0};
  struct Row {
    double JulianDay, Longitude;
  };
  const double epoch = 2460676.25;  // J2025.0
  const Row rows[] = {
      {epoch, 54.0},
      {epoch + 365.25, 72.0},
      {epoch - 365.25 * 4, 342.0},  // across longitude 0
      {epoch + 365.25 / 2, 63.0},
  };
  for (const Row& row : rows)
    EXPECT_NEAR(astro::RedSpotLongitude(drift, row.JulianDay), row.Longitude, 1e-9)
        << row.JulianDay;
}

}  // namespace
