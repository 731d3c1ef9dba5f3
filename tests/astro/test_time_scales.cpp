// Julian day, time scales, sidereal angle, horizon table and the command-line date.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/astro_state.h"
#include "astro/clock.h"
#include "astro/datetime_parse.h"
#include "astro/time_scales.h"
#include "astro/transforms.h"
#include "astro_test_support.h"

namespace {

using astro::AstroState;
using astro::CivilTime;
using astro_test::Greenwich;
using astro_test::Place;
using astro_test::ScopedTimeZone;
using astro_test::Sky;

double JulianDayOf(const CivilTime& time, const astro::ObserverPlace& place = Greenwich()) {
  AstroState state;
  return state.ComputeJulianDay(time, place);
}

TEST(TimeScales, J2000Epoch) {
  const Sky sky({2000, 1, 1, 12, 0, 0}, Greenwich());
  EXPECT_EQ(sky.State.JulianDay, 2451545.0);
  EXPECT_EQ(sky.State.T2000, 0.0);
  EXPECT_EQ(sky.State.T1900, 1.0);
  // The mean sidereal angle 280.46061837 and the equation of the equinoxes,
  // -0.9 s of time.
  EXPECT_NEAR((sky.State.SiderealAngle - 280.46061837) * 240.0, -0.9, 0.1);
  // Terrestrial Time runs 63.8 s ahead.
  EXPECT_NEAR(sky.State.DeltaT, 63.86, 0.01);
  EXPECT_NEAR((sky.State.TerrestrialDay - 2451545.0) * 86400.0, sky.State.DeltaT, 1e-4);
}

TEST(TimeScales, DeltaT) {
  struct Case {
    double Year, Seconds, Tolerance;
  };
  // The polynomials' own values at their epochs, and the observed Delta T
  // (IERS) where they reproduce it.
  constexpr Case kCases[] = {
      {1900.0, -2.79, 0.01},  {1920.0, 21.20, 0.01}, {1950.0, 29.07, 0.01},  {1975.0, 45.45, 0.01},
      {2000.0, 63.86, 0.01},  {1955.0, 31.1, 0.2},   {1990.0, 56.9, 0.3},    {2010.0, 66.1, 0.7},
      {2150.0, 328.48, 0.01}, {1820.0, -20.0, 0.01}, {2200.0, 442.08, 0.01},
  };
  for (const Case& c : kCases) {
    EXPECT_NEAR(astro::DeltaTSeconds(c.Year), c.Seconds, c.Tolerance) << c.Year;
  }
  // The pieces meet (the parabola before 1860 does not).
  for (double join : {1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0}) {
    EXPECT_NEAR(astro::DeltaTSeconds(join - 1e-9), astro::DeltaTSeconds(join), 0.1) << join;
  }
  EXPECT_NEAR(astro::DecimalYear(2451544.5), 2000.0, 1e-12);
  EXPECT_NEAR(astro::DecimalYear(2451544.5 + 365.2425 * 50.5), 2050.5, 1e-9);
  EXPECT_NEAR((astro::TerrestrialJulianDay(2451544.5) - 2451544.5) * 86400.0, 63.86, 1e-4);
}

TEST(TimeScales, JulianDayFillsTheWorkingDate) {
  AstroState state;
  const double jd = state.ComputeJulianDay({2000, 1, 1, 12, 34, 56}, Greenwich());
  EXPECT_EQ(jd, state.JulianDay);
  // January and February count as months 13 and 14 of the year before.
  EXPECT_EQ(state.Year, 1999);
  EXPECT_EQ(state.Month, 13);
  EXPECT_EQ(state.Day, 1);
  EXPECT_EQ(state.Hour, 12);
  EXPECT_EQ(state.Minute, 34);
  EXPECT_EQ(state.Second, 56);
  EXPECT_NEAR(state.T1900, (jd - 2415020.0) / 36525.0, 1e-15);
  EXPECT_NEAR(state.T2000, (jd - 2451545.0) / 36525.0, 1e-15);
  EXPECT_NEAR(jd, 2451545.0 + (34.0 * 60.0 + 56.0) / 86400.0, 1e-9);

  state.ComputeJulianDay({2000, 3, 1, 0, 0, 0}, Greenwich());
  EXPECT_EQ(state.Year, 2000);
  EXPECT_EQ(state.Month, 3);
}

TEST(TimeScales, GregorianCalendarSwitch) {
  EXPECT_EQ(JulianDayOf({1582, 10, 15, 0, 0, 0}), 2299160.5);
  // Below the switch the Julian calendar holds.
  EXPECT_EQ(JulianDayOf({1582, 10, 4, 0, 0, 0}), 2299159.5);
  // The switch is tested with the fraction of the day: it falls late on the
  // 14th (day 14.88), so noon of the 14th is still Julian and 22:00 Gregorian.
  EXPECT_EQ(JulianDayOf({1582, 10, 14, 12, 0, 0}), 2299170.0);
  EXPECT_NEAR(JulianDayOf({1582, 10, 14, 22, 0, 0}), 2299160.5 - 2.0 / 24.0, 1e-9);
}

TEST(TimeScales, TimeZoneAndDayCarries) {
  // Local 00:30 on the 1st at time zone +1 is 23:30 UT on the last day of the month before.
  astro::ObserverPlace plusOne = Greenwich();
  plusOne.UtOffset = 1.0;
  const double jd = JulianDayOf({2000, 3, 1, 0, 30, 0}, plusOne);
  EXPECT_NEAR(jd, 2451604.5 - 0.5 / 24.0, 1e-9);
  EXPECT_EQ(jd, JulianDayOf({2000, 2, 29, 23, 30, 0}));
  // A day beyond the end of its month counts on into the next month.
  EXPECT_EQ(JulianDayOf({2002, 2, 31, 0, 0, 0}), JulianDayOf({2002, 3, 3, 0, 0, 0}));
  // Seconds count.
  EXPECT_NEAR(JulianDayOf({2000, 1, 1, 12, 0, 30}) - 2451545.0, 30.0 / 86400.0, 1e-9);
}

TEST(TimeScales, SummerTimeOfTheComputersZoneAtAnInstant) {
  // 2026-01-15 and 2026-07-15, 12:00 UT.
  const std::int64_t january = 1768478400, july = 1784116800;
  struct Row {
    const char* Zone;
    bool January, July;
  };
  const Row rows[] = {{"Europe/Warsaw", false, true},
                      {"Australia/Sydney", true, false},
                      {astro_test::kAlwaysSummerTime, true, true},
                      {astro_test::kNeverSummerTime, false, false}};
  for (const Row& row : rows) {
    const ScopedTimeZone zone(row.Zone);
    EXPECT_EQ(astro::IsComputerSummerTime(january), row.January) << row.Zone;
    EXPECT_EQ(astro::IsComputerSummerTime(july), row.July) << row.Zone;
  }
}

TEST(TimeScales, CivilSecondsCountFrom1970) {
  struct Row {
    CivilTime Time;
    std::int64_t Seconds;
  };
  const Row rows[] = {{{1970, 1, 1, 0, 0, 0}, 0},
                      {{2000, 1, 1, 12, 0, 0}, 946728000},
                      {{1901, 1, 1, 0, 0, 0}, -2177452800},
                      {{2026, 3, 8, 2, 30, 0}, 1772937000},
                      {{2099, 12, 31, 23, 59, 59}, 4102444799},
                      {{2000, 2, 29, 0, 0, 0}, 951782400}};
  for (const Row& row : rows) {
    EXPECT_EQ(astro::SecondsOfCivil(row.Time), row.Seconds);
    const CivilTime back = astro::CivilOfSeconds(row.Seconds);
    EXPECT_EQ(astro::SecondsOfCivil(back), row.Seconds);
    EXPECT_EQ(back.Year, row.Time.Year);
    EXPECT_EQ(back.Day, row.Time.Day);
    EXPECT_EQ(back.Second, row.Time.Second);
  }
  // A day past the end of its month counts on into the next.
  EXPECT_EQ(astro::SecondsOfCivil({2026, 2, 31, 0, 0, 0}),
            astro::SecondsOfCivil({2026, 3, 3, 0, 0, 0}));
}

TEST(TimeScales, ObserverPlace) {
  AstroState state;
  SkyPoint horizon[astro::kHorizonPointCount];
  state.ComputeJulianDay({2000, 1, 1, 12, 0, 0}, Greenwich());
  state.ComputeSiderealAngle(Place(29, 37, "N", 52, 32, "E"), horizon);
  EXPECT_NEAR(state.Latitude, 29.0 + 37.0 / 60.0, 1e-12);
  EXPECT_NEAR(state.Longitude, -(52.0 + 32.0 / 60.0), 1e-12);  // west positive
  state.ComputeSiderealAngle(Place(33, 52, "S", 70, 15, "W"), horizon);
  EXPECT_NEAR(state.Latitude, -(33.0 + 52.0 / 60.0), 1e-12);
  EXPECT_NEAR(state.Longitude, 70.25, 1e-12);
  // Any other hemisphere text counts as south and west.
  state.ComputeSiderealAngle(Place(10, 30, "n", 20, 15, "x"), horizon);
  EXPECT_NEAR(state.Latitude, -10.5, 1e-12);
  EXPECT_NEAR(state.Longitude, 20.25, 1e-12);
}

TEST(TimeScales, SiderealAngle) {
  // Greenwich apparent sidereal time of 1987 April 10, 0 h UT: 13h 10m 46.1351s
  // (Meeus, Astronomical Algorithms, example 12.a).
  const Sky midnight({1987, 4, 10, 0, 0, 0}, Greenwich());
  EXPECT_NEAR(midnight.State.SiderealAngle * 240.0, 13 * 3600.0 + 10 * 60.0 + 46.1351, 0.005);
  const Sky sky({1987, 4, 10, 19, 21, 0}, Greenwich());
  EXPECT_GE(sky.State.SiderealAngle, 0.0);
  EXPECT_LT(sky.State.SiderealAngle, 360.0);
  // One mean solar day turns the sky by 360.985647366 degrees, give or take
  // the day's change in nutation.
  const Sky nextDay({1987, 4, 11, 19, 21, 0}, Greenwich());
  EXPECT_NEAR(astro::Normalize360(nextDay.State.SiderealAngle - sky.State.SiderealAngle),
              0.985647366, 2e-4);
}

TEST(TimeScales, HorizonPoints) {
  const astro::ObserverPlace place = Place(48, 51, "N", 2, 21, "E");
  const Sky sky({2021, 6, 21, 22, 15, 0}, place);
  const SkyPoint* h = sky.HorizonPoints;
  EXPECT_NEAR(h[72].RightAscension, h[0].RightAscension, 1e-5);
  EXPECT_NEAR(h[72].Declination, h[0].Declination, 1e-5);
  // Entry k lies on the horizon at azimuth 5k from the south through the east;
  // EquatorialToHorizontal counts from the south through the west.
  for (int k = 0; k < astro::kHorizonPointCount; ++k) {
    SCOPED_TRACE(k);
    const astro::HorizontalCoord back = sky.State.HorizonOf(h[k].RightAscension, h[k].Declination);
    EXPECT_NEAR(back.Altitude, 0.0, 1e-4);
    EXPECT_NEAR(std::remainder((360.0 - back.Azimuth) - 5.0 * k, 360.0), 0.0, 1e-3);
  }
  // South and north lie on the meridian: the south point at declination
  // latitude - 90, the north point at 90 - latitude, of date.
  const auto ofDate = [&](int k) {
    return sky.State.ToDate(h[k].RightAscension, h[k].Declination).Declination;
  };
  const double latitude = 48.0 + 51.0 / 60.0;
  EXPECT_NEAR(ofDate(0), latitude - 90.0, 1e-4);
  EXPECT_NEAR(ofDate(36), 90.0 - latitude, 1e-4);
  // East and west lie on the equator.
  EXPECT_NEAR(ofDate(18), 0.0, 1e-4);
  EXPECT_NEAR(ofDate(54), 0.0, 1e-4);
}

TEST(DateTimeArgument, Accepted) {
  struct Row {
    const char* Text;
    CivilTime Time;
    std::optional<int> Offset;
  };
  const Row rows[] = {
      {"2034-03-20T11:36:05", {2034, 3, 20, 11, 36, 5}, std::nullopt},
      {"1901-01-01T00:00:00", {1901, 1, 1, 0, 0, 0}, std::nullopt},
      {"2099-12-31T23:59:59", {2099, 12, 31, 23, 59, 59}, std::nullopt},
      {"2000-02-29T12:00:00", {2000, 2, 29, 12, 0, 0}, std::nullopt},
      {"2026-12-08", {2026, 12, 8, 0, 0, 0}, std::nullopt},
      {"2026-07-15T20:00:00Z", {2026, 7, 15, 20, 0, 0}, 0},
      {"2026-07-15T22:00:00+02:00", {2026, 7, 15, 22, 0, 0}, 7200},
      {"2026-07-15T01:45:00+0545", {2026, 7, 15, 1, 45, 0}, 20700},
      {"2026-03-08T02:30:00-03:30", {2026, 3, 8, 2, 30, 0}, -12600},
      {"2026-03-08T02:30:00+14", {2026, 3, 8, 2, 30, 0}, 50400},
  };
  for (const Row& row : rows) {
    const std::optional<astro::DateTimeArgument> t = astro::ParseDateTime(row.Text);
    ASSERT_TRUE(t.has_value()) << row.Text;
    EXPECT_EQ(astro::SecondsOfCivil(t->Time), astro::SecondsOfCivil(row.Time)) << row.Text;
    EXPECT_EQ(t->Time.Hour, row.Time.Hour) << row.Text;
    EXPECT_EQ(t->UtOffsetSeconds, row.Offset) << row.Text;
  }
}

TEST(DateTimeArgument, Refused) {
  for (const char* text : {"",
                           "2000-01-0",
                           "2000-01-01T",
                           "2000-01-01T12:00:00z",
                           "2000-01-01T12:00:00+2",
                           "2000-01-01T12:00:00+15:00",
                           "2000-01-01T12:00:00+02:60",
                           "2000-01-01T12:00:00+02:00:00",
                           "2000-01-01T12:00:00 Z",
                           "2000-02-30",
                           "2000-01-01 12:00:00",
                           "2000-01-01T12:00",
                           "2000-1-01T12:00:00",
                           "2000/01/01T12:00:00",
                           "+200-01-01T12:00:00",
                           "2000-01-01T1a:00:00",
                           "2000-00-10T12:00:00",
                           "2000-13-10T12:00:00",
                           "2000-01-00T12:00:00",
                           "2000-04-31T12:00:00",
                           "2099-02-29T12:00:00",
                           "2001-02-29T12:00:00",
                           "2000-01-01T24:00:00",
                           "2000-01-01T12:60:00",
                           "2000-01-01T12:00:60",
                           "1900-12-31T23:59:59",
                           "2100-01-01T00:00:00",
                           "-999-01-01T00:00:00"}) {
    EXPECT_FALSE(astro::ParseDateTime(text).has_value()) << text;
  }
}

}  // namespace
