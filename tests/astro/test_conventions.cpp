// The program's conventions and the conversions to those its interfaces
// name: azimuths from the north through the east against the two from the
// south, longitudes east positive against the settings', the city records'
// and AstroState's forms, and the bodies' table order.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astro_state.h"
#include "astro/bodies.h"
#include "astro/longitude.h"
#include "astro/transforms.h"

namespace {

TEST(Azimuths, TheCardinalPointsInEachConvention) {
  struct Case {
    const char* point;
    double northEast, southWest, southEast;
  } const cases[] = {
      {"north", 0.0, 180.0, 180.0},
      {"east", 90.0, 270.0, 90.0},
      {"south", 180.0, 0.0, 0.0},
      {"west", 270.0, 90.0, 270.0},
      {"north-north-west", 337.5, 157.5, 202.5},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(astro::NorthEastFromSouthWest(c.southWest), c.northEast) << c.point;
    EXPECT_DOUBLE_EQ(astro::SouthEastFromNorthEast(c.northEast), c.southEast) << c.point;
    EXPECT_DOUBLE_EQ(std::fmod(astro::SouthWestFromSouthEast(c.southEast), 360.0), c.southWest)
        << c.point;
  }
}

// A point of the horizon taken to the sky and back lands where it started:
// HorizontalToEquatorial counts from the south through the east,
// EquatorialToHorizontal from the south through the west.
TEST(Azimuths, TheTwoTransformsAgreeThroughTheConversions) {
  constexpr double kSidereal = 123.4, kLongitude = -19.9, kLatitude = 50.1;
  for (const double southEast : {10.0, 95.0, 180.0, 265.0, 350.0}) {
    const astro::EquatorialCoord sky =
        astro::HorizontalToEquatorial(southEast, 20.0, kSidereal, kLongitude, kLatitude);
    const astro::HorizontalCoord back = astro::EquatorialToHorizontal(
        sky.RightAscension, sky.Declination, kSidereal, kLongitude, kLatitude);
    EXPECT_NEAR(back.Altitude, 20.0, 1e-9) << southEast;
    EXPECT_NEAR(std::fmod(astro::SouthWestFromSouthEast(southEast), 360.0), back.Azimuth, 1e-9)
        << southEast;
  }
}

TEST(Longitudes, TheSettingsFormBothWays) {
  struct Case {
    double east;
    int degrees, minutes;
    const char* ew;
  } const cases[] = {
      {19.0 + 56.0 / 60, 19, 56, "E"},       // Krakow
      {-(157.0 + 52.0 / 60), 157, 52, "W"},  // Honolulu
      {-0.5, 0, 30, "W"},
      {0.0, 0, 0, "E"},
      {180.0, 180, 0, "E"},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(astro::EastLongitudeOf(c.degrees, c.minutes, c.ew), c.east, 1e-12) << c.east;
    const astro::HemisphereLongitude h = astro::HemisphereOfEast(c.east);
    EXPECT_EQ(h.Degrees, c.degrees) << c.east;
    EXPECT_EQ(h.Minutes, c.minutes) << c.east;
    EXPECT_EQ(h.EW, c.ew) << c.east;
  }
  // Rounded to the minute, and a west longitude that rounds to 0 is east.
  EXPECT_EQ(astro::HemisphereOfEast(10.9999).Degrees, 11);
  EXPECT_EQ(astro::HemisphereOfEast(-0.001).EW, "E");
  // Anything but "E" counts as west.
  EXPECT_EQ(astro::EastLongitudeOf(5, 0, "x"), -5.0);
  EXPECT_EQ(astro::WestPositive(astro::EastLongitudeOf(19, 30, "E")), -19.5);
  EXPECT_EQ(astro::EastPositive(-19.5), 19.5);
}

TEST(Longitudes, TheCityRecordsCountWestPositive) {
  struct Case {
    int degrees, minutes;
    int wantDegrees, wantMinutes;
    const char* ew;
  } const cases[] = {
      {-19, -56, 19, 56, "E"}, {157, 52, 157, 52, "W"}, {0, -30, 0, 30, "E"}, {0, 30, 0, 30, "W"}};
  for (const Case& c : cases) {
    const astro::HemisphereLongitude h = astro::HemisphereOfWestRecord(c.degrees, c.minutes);
    EXPECT_EQ(h.Degrees, c.wantDegrees) << c.degrees << " " << c.minutes;
    EXPECT_EQ(h.Minutes, c.wantMinutes) << c.degrees << " " << c.minutes;
    EXPECT_EQ(h.EW, c.ew) << c.degrees << " " << c.minutes;
  }
}

TEST(Bodies, TheTableOrder) {
  EXPECT_EQ(astro::Index(astro::Body::Moon), astro::kMoon);
  EXPECT_EQ(astro::Index(astro::Body::Sun), astro::kSun);
  EXPECT_EQ(astro::Index(astro::Body::Pluto), astro::kBodyCount - 1);
  EXPECT_EQ(astro::BodyAt(4), astro::Body::Mars);
  EXPECT_FALSE(astro::IsPlanet(astro::Body::Sun));
  EXPECT_TRUE(astro::IsPlanet(astro::Body::Pluto));
  // Mercury to Neptune, each once and in order.
  int expected = astro::Index(astro::Body::Mercury);
  for (const astro::Body planet : astro::kMajorPlanets) EXPECT_EQ(astro::Index(planet), expected++);
  EXPECT_EQ(expected, astro::Index(astro::Body::Pluto));
}

}  // namespace
