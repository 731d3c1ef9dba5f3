// Kepler's equation, the element table and the planets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/planets.h"
#include "astro/transforms.h"
#include "astro_test_support.h"

namespace {

using astro::SolveKepler;
using astro_test::Greenwich;
using astro_test::Sky;

TEST(Planets, SolveKeplerOnACircle) {
  // With e = 0 the true anomaly is the mean anomaly, reduced into (-180, 180].
  EXPECT_NEAR(SolveKepler(0.0, 0.0, 12), 0.0, 1e-12);
  EXPECT_NEAR(SolveKepler(37.5, 0.0, 12), 37.5, 1e-12);
  EXPECT_NEAR(SolveKepler(179.0, 0.0, 12), 179.0, 1e-12);
  EXPECT_NEAR(std::fabs(SolveKepler(180.0, 0.0, 12)), 180.0, 1e-12);
  EXPECT_NEAR(SolveKepler(181.0, 0.0, 12), -179.0, 1e-12);
  EXPECT_NEAR(SolveKepler(359.5, 0.0, 12), -0.5, 1e-12);
}

TEST(Planets, SolveKeplerOnEllipses) {
  for (double e : {0.0067, 0.0934, 0.2056, 0.2488, 0.6, 0.9}) {
    for (double m = 0.5; m < 360.0; m += 17.25) {
      const double nu = SolveKepler(m, e, 12);
      EXPECT_GT(nu, -180.0);
      EXPECT_LE(nu, 180.0);
      // Back from the true to the eccentric and the mean anomaly.
      const double eccentric =
          2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(nu * astro::kDegToRad / 2.0));
      const double mean = (eccentric - e * std::sin(eccentric)) * astro::kRadToDeg;
      EXPECT_NEAR(astro::Normalize360(mean + 1e-9), astro::Normalize360(m + 1e-9), 1e-9)
          << "e " << e << " M " << m;
    }
  }
  // Meeus, Astronomical Algorithms, example 30.a: e = 0.1, M = 5 deg gives
  // E = 5.554589 deg, so nu = 6.1544 deg.
  const double e = 0.1;
  const double eccentric = 5.554589 * astro::kDegToRad;
  EXPECT_NEAR(
      SolveKepler(5.0, e, 12),
      2.0 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentric / 2)) * astro::kRadToDeg,
      1e-5);
}

TEST(Planets, SolveKeplerAlwaysReturns) {
  // Input for which Newton's iteration never meets its tolerance stops after a bounded count.
  EXPECT_TRUE(std::isnan(SolveKepler(std::numeric_limits<double>::quiet_NaN(), 0.1, 12)));
  EXPECT_TRUE(std::isfinite(SolveKepler(1.0, 0.9999, 12)));
  EXPECT_TRUE(std::isfinite(SolveKepler(200.0, 0.5, 300)));
}

TEST(Planets, ElementsDriftWithTime) {
  // At J2000 each row holds its tabulated values.
  const astro::OrbitalElements saturn = astro::ElementsAt(5, 0.0);
  EXPECT_EQ(saturn.SemiMajorAxis, 9.53667594);
  EXPECT_EQ(saturn.MeanLongitude, 49.95424423);
  // One century later the mean longitude has moved by the rate.
  const astro::OrbitalElements later = astro::ElementsAt(5, 1.0);
  EXPECT_NEAR(later.MeanLongitude - saturn.MeanLongitude, 1222.49362201, 1e-8);
  EXPECT_NEAR(later.Perihelion - saturn.Perihelion, -0.41897216, 1e-12);
}

TEST(Planets, EarthRowOpposesTheSun) {
  // The Earth seen from the Sun lies opposite the Sun seen from the Earth. The
  // Sun's longitude is referred to the equinox of date, the Earth's to J2000:
  // precession adds 1.397 degrees per century. The barycentre row stands up to
  // 6.5" from the Earth itself.
  for (int year = 1905; year <= 2095; year += 19) {
    const Sky sky({year, 5, 17, 9, 0, 0}, Greenwich());
    const double t = sky.State.T2000;
    const astro::EclipticVector earth = astro::EarthPosition(t);
    const double longitude = std::atan2(earth.Y, earth.X) * astro::kRadToDeg;
    const double sunOfJ2000 = sky.State.SunTrueLongitude - 1.397 * t;
    EXPECT_NEAR(std::remainder(longitude - (sunOfJ2000 + 180.0), 360.0), 0.0, 0.02) << year;
    EXPECT_NEAR(std::hypot(earth.X, earth.Y), sky.State.SunDistance, 1e-4) << year;
  }
}

TEST(Planets, EarthOrbitKeepsItsInclination) {
  // The barycentre row's inclination to the J2000 ecliptic grows by 0.013
  // degrees a century: over a year the Earth's ecliptic latitude swings
  // through it (before, the Earth was kept in the ecliptic plane).
  for (const double t : {-0.99, -0.5, 0.5, 0.99}) {
    const double inclination = std::fabs(astro::ElementsAt(0, t).Inclination);
    double largest = 0.0;
    for (int day = 0; day < 366; day += 5) {
      const astro::EclipticVector e = astro::EarthPosition(t + day / 36525.0);
      largest = std::max(largest,
                         std::fabs(std::asin(e.Z / std::hypot(e.X, e.Y, e.Z))) * astro::kRadToDeg);
    }
    EXPECT_NEAR(largest, inclination, 0.02 * inclination + 2e-4) << t;
  }
}

TEST(Planets, DistancesArePositiveAndOnTheirEllipses) {
  for (int year = 1901; year <= 2099; year += 3) {
    const Sky sky({year, 1 + year % 12, 1 + year % 28, year % 24, 0, 0}, Greenwich());
    for (int p = 1; p <= 8; ++p) {
      const astro::PlanetState& body = sky.Bodies[p + 1];
      const astro::OrbitalElements el = astro::ElementsAt(p, sky.State.T2000);
      EXPECT_GT(body.GeoDistance, 0.0) << year << " " << p;
      EXPECT_GE(body.HelioDistance, el.SemiMajorAxis * (1.0 - el.Eccentricity) - 1e-12);
      EXPECT_LE(body.HelioDistance, el.SemiMajorAxis * (1.0 + el.Eccentricity) + 1e-12);
      // The Earth is about 1 AU from the Sun: the triangle Sun-Earth-planet closes.
      EXPECT_LE(body.GeoDistance, body.HelioDistance + 1.02);
      EXPECT_GE(body.GeoDistance, std::fabs(body.HelioDistance - 1.02) - 0.04);
      EXPECT_GE(body.RightAscension, 0.0);
      EXPECT_LT(body.RightAscension, 24.0);
    }
  }
}

TEST(Planets, EveryMinuteCounts) {
  // Elements are evaluated at the instant: minutes and the time zone move the planets.
  const Sky a({2024, 3, 1, 10, 0, 0}, Greenwich());
  const Sky b({2024, 3, 1, 10, 59, 0}, Greenwich());
  EXPECT_NE(a.Bodies[2].RightAscension, b.Bodies[2].RightAscension);
  astro::ObserverPlace zone = Greenwich();
  zone.UtOffset = 2.0;
  const Sky c({2024, 3, 1, 12, 0, 0}, zone);
  EXPECT_EQ(a.Bodies[2].RightAscension, c.Bodies[2].RightAscension);
}

}  // namespace
