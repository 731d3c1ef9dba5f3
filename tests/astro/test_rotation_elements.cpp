// The planets' rotation elements against the IAU working group's 2009
// formulae worked by hand for 2023 February 24, 0 h TDB (d = 8455.5,
// T = 0.2314989733), and the body-fixed axes they give.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/rotation_elements.h"
#include "astro/transforms.h"

namespace {

using astro::Body;

double Dot(const double (&a)[3], const double (&b)[3]) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

TEST(RotationElements, MatchTheWorkingGroupsFormulae) {
  struct Row {
    Body Planet;
    double PoleRa, PoleDec, W;
  };
  // e.g. Jupiter: W = 284.95 + 870.536 x 8455.5 = 7361102.098 = 182.098 (mod 360).
  const Row rows[] = {
      {Body::Mercury, 281.002107, 61.413166, 33.654789},
      {Body::Venus, 272.76, 67.16, 234.486112},
      {Body::Mars, 317.656868, 52.872402, 23.785999},
      {Body::Jupiter, 268.055090, 64.495862, 182.098000},
      {Body::Saturn, 40.580666, 83.536074, 226.741743},
      {Body::Uranus, 257.311, -15.175, 204.645330},
      {Body::Neptune, 299.481086, 42.957688, 126.393380},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(astro::Index(row.Planet));
    const astro::RotationElements e = astro::RotationElementsOf(row.Planet, 2460000.5);
    EXPECT_NEAR(e.PoleRa, row.PoleRa, 1e-6);
    EXPECT_NEAR(e.PoleDec, row.PoleDec, 1e-6);
    // W grows by up to 870 degrees a day: 1e-5 degree is a millisecond.
    EXPECT_NEAR(e.PrimeMeridian, row.W, 1e-5);
  }
}

TEST(RotationElements, AtJ2000WIsItsConstantTerm) {
  EXPECT_NEAR(astro::RotationElementsOf(Body::Saturn, 2451545.0).PrimeMeridian, 38.90, 1e-9);
  // Venus turns backwards: W decreases, and is brought into [0, 360).
  const double w = astro::RotationElementsOf(Body::Venus, 2451545.0 + 200).PrimeMeridian;
  EXPECT_NEAR(w, 160.20 - 1.4813688 * 200 + 360, 1e-9);
}

// The axes are a right-handed orthonormal frame: z on the pole, x on the
// equator W degrees east of the equator's ascending node on the J2000 equator.
TEST(RotationElements, AxesStandOnThePoleAndThePrimeMeridian) {
  for (const Body planet : astro::kMajorPlanets) {
    SCOPED_TRACE(astro::Index(planet));
    const astro::RotationElements e = astro::RotationElementsOf(planet, 2461000.25);
    const astro::BodyAxes axes = astro::AxesOf(e);
    const double a = e.PoleRa * astro::kDegToRad, d = e.PoleDec * astro::kDegToRad;
    const double pole[3] = {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
    const double node[3] = {-std::sin(a), std::cos(a), 0};
    EXPECT_NEAR(Dot(axes.Z, pole), 1, 1e-12);
    EXPECT_NEAR(Dot(axes.X, axes.X), 1, 1e-12);
    EXPECT_NEAR(Dot(axes.Y, axes.Y), 1, 1e-12);
    EXPECT_NEAR(Dot(axes.X, axes.Y), 0, 1e-12);
    EXPECT_NEAR(Dot(axes.X, axes.Z), 0, 1e-12);
    const double xy[3] = {axes.X[1] * axes.Y[2] - axes.X[2] * axes.Y[1],
                          axes.X[2] * axes.Y[0] - axes.X[0] * axes.Y[2],
                          axes.X[0] * axes.Y[1] - axes.X[1] * axes.Y[0]};
    EXPECT_NEAR(Dot(xy, axes.Z), 1, 1e-12) << "right-handed";
    // From the node, W along the equator towards the east.
    EXPECT_NEAR(std::atan2(-Dot(axes.Y, node), Dot(axes.X, node)) * astro::kRadToDeg,
                e.PrimeMeridian > 180 ? e.PrimeMeridian - 360 : e.PrimeMeridian, 1e-9);
  }
}

TEST(RotationElements, FiguresAreFlattenedAsTheirRadiiSay) {
  EXPECT_DOUBLE_EQ(astro::FigureOf(Body::Jupiter).EquatorialRadiusKm, 71492.0);
  EXPECT_NEAR(astro::FigureOf(Body::Saturn).Flattening, 0.09796, 1e-5);
  EXPECT_EQ(astro::FigureOf(Body::Venus).Flattening, 0.0);
}

}  // namespace
