// Coordinate conventions, conversions and angle splitting.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/format.h"
#include "astro/transforms.h"

namespace {

using astro::AngularSeparation;
using astro::EquatorialCoord;
using astro::HorizontalCoord;

TEST(Transforms, EquatorialToSphere) {
  double xyz[3];
  EXPECT_EQ(astro::EquatorialToSphere(0.0, 0.0, xyz), 1);
  EXPECT_NEAR(xyz[0], 0.0, 1e-15);
  EXPECT_NEAR(xyz[1], 0.0, 1e-15);
  EXPECT_NEAR(xyz[2], -1.0, 1e-15);

  astro::EquatorialToSphere(6.0, 0.0, xyz);
  EXPECT_NEAR(xyz[0], -1.0, 1e-15);
  EXPECT_NEAR(xyz[1], 0.0, 1e-15);
  EXPECT_NEAR(xyz[2], 0.0, 1e-15);

  for (double alpha : {0.0, 3.7, 13.25, 23.9}) {
    astro::EquatorialToSphere(alpha, 90.0, xyz);
    EXPECT_NEAR(xyz[0], 0.0, 1e-15) << alpha;
    EXPECT_NEAR(xyz[1], 1.0, 1e-15) << alpha;
    EXPECT_NEAR(xyz[2], 0.0, 1e-15) << alpha;
  }
  // A unit vector everywhere.
  astro::EquatorialToSphere(17.3, -41.2, xyz);
  EXPECT_NEAR(xyz[0] * xyz[0] + xyz[1] * xyz[1] + xyz[2] * xyz[2], 1.0, 1e-15);
}

TEST(Transforms, EquatorialToHorizontal) {
  // S = 0, L = 0, latitude 50: the equator culminates at altitude 40 in the south.
  HorizontalCoord h = astro::EquatorialToHorizontal(0.0, 0.0, 0.0, 0.0, 50.0);
  EXPECT_NEAR(h.Altitude, 40.0, 1e-12);
  EXPECT_NEAR(h.Azimuth, 0.0, 1e-12);
  // 18 h sets in the west; the azimuth runs from the south through the west.
  h = astro::EquatorialToHorizontal(18.0, 0.0, 0.0, 0.0, 50.0);
  EXPECT_NEAR(h.Altitude, 0.0, 1e-12);
  EXPECT_NEAR(h.Azimuth, 90.0, 1e-12);
  // 6 h rises in the east.
  h = astro::EquatorialToHorizontal(6.0, 0.0, 0.0, 0.0, 50.0);
  EXPECT_NEAR(h.Altitude, 0.0, 1e-12);
  EXPECT_NEAR(h.Azimuth, 270.0, 1e-12);
  // The hour angle is S - L - 15 alpha: turning the sky and moving west by
  // the same angle changes nothing.
  const HorizontalCoord a = astro::EquatorialToHorizontal(3.0, 20.0, 100.0, 30.0, -35.0);
  const HorizontalCoord b = astro::EquatorialToHorizontal(3.0, 20.0, 130.0, 60.0, -35.0);
  EXPECT_NEAR(a.Altitude, b.Altitude, 1e-12);
  EXPECT_NEAR(a.Azimuth, b.Azimuth, 1e-12);
}

TEST(Transforms, HorizontalToEquatorial) {
  // Azimuth from the south through the east: 90 is the east point.
  EquatorialCoord e = astro::HorizontalToEquatorial(90.0, 0.0, 0.0, 0.0, 50.0);
  EXPECT_NEAR(e.RightAscension, 6.0, 1e-12);
  EXPECT_NEAR(e.Declination, 0.0, 1e-12);
  e = astro::HorizontalToEquatorial(270.0, 0.0, 0.0, 0.0, 50.0);
  EXPECT_NEAR(e.RightAscension, 18.0, 1e-12);
  EXPECT_NEAR(e.Declination, 0.0, 1e-12);
  // The inverse of EquatorialToHorizontal, once the azimuth's sense is turned round.
  for (double azimuth = 5.0; azimuth < 360.0; azimuth += 35.0) {
    for (double altitude : {-30.0, 0.0, 12.5, 60.0}) {
      const EquatorialCoord q = astro::HorizontalToEquatorial(azimuth, altitude, 77.0, -20.0, 41.5);
      EXPECT_GE(q.RightAscension, 0.0);
      EXPECT_LT(q.RightAscension, 24.0);
      const HorizontalCoord back =
          astro::EquatorialToHorizontal(q.RightAscension, q.Declination, 77.0, -20.0, 41.5);
      EXPECT_NEAR(back.Altitude, altitude, 1e-9) << azimuth;
      EXPECT_NEAR(std::remainder(360.0 - back.Azimuth - azimuth, 360.0), 0.0, 1e-9) << azimuth;
    }
  }
}

TEST(Transforms, GalacticToEquatorial) {
  EquatorialCoord e = astro::GalacticToEquatorial(0.0, 0.0);
  EXPECT_NEAR(e.RightAscension, 17.707, 5e-4);
  EXPECT_NEAR(e.Declination, -28.917, 5e-4);
  e = astro::GalacticToEquatorial(90.0, 0.0);
  EXPECT_NEAR(e.RightAscension, 9.172, 5e-4);
  EXPECT_NEAR(e.Declination, -48.123, 5e-4);
  for (double l : {0.0, 45.0, 200.0}) {
    e = astro::GalacticToEquatorial(l, 90.0);
    EXPECT_NEAR(e.RightAscension, 12.8167, 1e-4) << l;
    EXPECT_NEAR(e.Declination, 27.4, 1e-9) << l;
  }
}

TEST(Transforms, AngularSeparation) {
  // 5 arc minutes in declination, through the plane approximation.
  EXPECT_NEAR(AngularSeparation(10.0, 20.0, 10.0, 20.0 + 5.0 / 60.0), 0.083333, 1e-6);
  // Far apart, through the cosine formula.
  EXPECT_NEAR(AngularSeparation(0.0, 0.0, 6.0, 0.0), 90.0, 1e-12);
  EXPECT_NEAR(AngularSeparation(3.0, 89.0, 15.0, 89.0), 2.0, 1e-9);
  EXPECT_NEAR(AngularSeparation(5.0, -10.0, 5.0, 10.0), 20.0, 1e-12);
  // Close pairs across 0 h are close: 23.998 h and 0.001 h are 0.003 h apart.
  EXPECT_NEAR(AngularSeparation(23.998, 0.0, 0.001, 0.0), 0.045, 1e-9);
  EXPECT_NEAR(AngularSeparation(0.001, 0.0, 23.998, 0.0), 0.045, 1e-9);
  // A right ascension a little below 0 h (the Moon's may be) meets one just below 24 h.
  EXPECT_NEAR(AngularSeparation(-0.0005, 0.0, 23.9995, 0.05), 0.05, 1e-9);
  EXPECT_NEAR(AngularSeparation(24.0002, 10.0, 0.0002, 10.0), 0.0, 1e-9);
  // The two forms meet at 10 arc minutes.
  EXPECT_NEAR(AngularSeparation(1.0, 0.0, 1.0, 0.1666), 0.1666, 1e-9);
  EXPECT_NEAR(AngularSeparation(1.0, 0.0, 1.0, 0.1667), 0.1667, 1e-9);
}

TEST(Transforms, Normalize360) {
  EXPECT_EQ(astro::Normalize360(-10.0), 350.0);
  EXPECT_EQ(astro::Normalize360(360.0), 0.0);
  EXPECT_EQ(astro::Normalize360(725.0), 5.0);
  EXPECT_EQ(astro::Normalize360(0.0), 0.0);
}

TEST(AngleText, SplitAngle) {
  astro::AngleParts p = astro::SplitAngle(-12.5);
  EXPECT_EQ(p.Whole, -12.0);
  EXPECT_EQ(p.Minutes, 30.0);
  EXPECT_EQ(p.Seconds, 0.0);

  p = astro::SplitAngle(18.4028611);
  EXPECT_EQ(p.Whole, 18.0);
  EXPECT_EQ(p.Minutes, 24.0);
  EXPECT_NEAR(p.Seconds, 10.3, 1e-4);

  // Only the whole part carries the sign, so it is -0 between -1 and 0.
  p = astro::SplitAngle(-0.5125);
  EXPECT_EQ(p.Whole, 0.0);
  EXPECT_TRUE(std::signbit(p.Whole));
  EXPECT_EQ(p.Minutes, 30.0);
  EXPECT_NEAR(p.Seconds, 45.0, 1e-9);
}

}  // namespace
