// Atmospheric refraction and the apparent place of a drawing point.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/refraction.h"
#include "astro/transforms.h"

namespace {

TEST(Refraction, RisesSteadilyOverTheWholeSphereAndInverts) {
  double previous = -1e9;
  for (double h = -90.0; h <= 90.0; h += 0.01) {
    const double a = astro::ApparentAltitude(h);
    ASSERT_GT(a, previous) << h;
    ASSERT_LE(a, 90.0) << h;
    ASSERT_NEAR(astro::GeometricAltitude(a), h, 1e-8) << h;
    previous = a;
  }
}

TEST(Refraction, StandardValues) {
  struct Case {
    double Altitude, ArcMinutes, Tolerance;
  } const kCases[] = {
      {0.0, 29.0, 0.1},    // the horizon
      {-0.57, 34.4, 0.2},  // the Sun's centre when its limb touches the horizon
      {10.0, 5.41, 0.05}, {45.0, 1.0, 0.05}, {90.0, 0.0, 0.0}, {-5.0, 0.0, 0.0}, {-30.0, 0.0, 0.0},
  };
  for (const Case& c : kCases)
    EXPECT_NEAR(astro::RefractionAt(c.Altitude) * 60, c.ArcMinutes, c.Tolerance) << c.Altitude;
  // Continuous where the formula gives way to the taper.
  EXPECT_NEAR(astro::RefractionAt(-2.0 - 1e-9), astro::RefractionAt(-2.0), 1e-6);
  EXPECT_EQ(astro::RefractionAt(std::nan("")), 0.0);
}

TEST(Refraction, PointsMoveAlongTheirVerticalCircle) {
  // Zenith tilted; a point 1 degree above the horizon rises by its
  // refraction towards the zenith, keeps its azimuth, and comes back.
  double zenith[3];
  astro::EquatorialToSphere(3.0, 40.0, zenith);
  const double axis[3] = {zenith[1], -zenith[0], 0};  // a horizontal direction
  const double n = std::hypot(axis[0], axis[1]);
  const double h = 1.0 * astro::kDegToRad;
  double p[3];
  for (int i = 0; i < 3; ++i) p[i] = axis[i] / n * std::cos(h) + zenith[i] * std::sin(h);
  const double before[3] = {p[0], p[1], p[2]};
  astro::RefractPoint(zenith, p, true);
  const double up = p[0] * zenith[0] + p[1] * zenith[1] + p[2] * zenith[2];
  EXPECT_NEAR(std::asin(up) * astro::kRadToDeg, astro::ApparentAltitude(1.0), 1e-9);
  EXPECT_NEAR(std::hypot(p[0], p[1], p[2]), 1.0, 1e-12);
  astro::RefractPoint(zenith, p, false);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(p[i], before[i], 1e-9);
  // The zenith stays put.
  double z[3] = {zenith[0], zenith[1], zenith[2]};
  astro::RefractPoint(zenith, z, true);
  for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(z[i], zenith[i]);
}

}  // namespace
