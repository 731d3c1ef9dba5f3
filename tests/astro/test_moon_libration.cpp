// The Moon's librations against Meeus' worked example 53.a: 1992 April 12,
// 0 h TD, the Moon at apparent longitude 133.167265, latitude -3.229126 and
// right ascension 134.688470 degrees, the true obliquity 23.440636 degrees:
// l = -1.23, b = +4.20, P = 15.08 degrees (l' -1.206 + l'' -0.025,
// b' +4.194 + b'' +0.006).
#include <gtest/gtest.h>

#include "astro/moon_libration.h"

namespace {

TEST(MoonLibration, MatchesMeeusExample53a) {
  const astro::MoonLibration l =
      astro::MoonLibrationOf(2448724.5, 133.167265, -3.229126, 134.688470, 23.440636);
  EXPECT_NEAR(l.Longitude, -1.206 - 0.025, 0.002);
  EXPECT_NEAR(l.Latitude, 4.194 + 0.006, 0.002);
  EXPECT_NEAR(l.AxisAngle, 15.08, 0.005);
}

}  // namespace
