// A day at a place by its clock: the day's length across the changes of
// summer time, the clock times of the Sun's events on those days (against
// PyEphem, horizon -0:50, no refraction), and the texts of the cards.
#include <gtest/gtest.h>

#include <string>

#include "sky/almanac.h"

namespace {

sky::ClockRules Warsaw() {
  sky::ClockRules rules;
  rules.ZoneId = "Europe/Warsaw";
  return rules;
}

TEST(Almanac, DaysOfTheClockChanges) {
  struct Case {
    int Month, Day;
    double Hours;
    const char *Rise, *Transit, *Set, *RiseIso;
  };
  // PyEphem 4.1.4: 29 March rise 04:17:55, transit 10:40:42, set 17:04:34 UT;
  // 25 October rise 05:18:34, transit 10:20:02, set 15:20:42 UT; 21 June
  // rise 02:14:23, transit 10:37:45, set 19:01:07 UT.
  const Case cases[] = {
      {3, 29, 23.0, "06:18 CEST", "12:41 CEST", "19:05 CEST", "2026-03-29T06:17:5"},
      {10, 25, 25.0, "06:19 CET", "11:20 CET", "16:21 CET", "2026-10-25T06:18:3"},
      {6, 21, 24.0, "04:14 CEST", "12:38 CEST", "21:01 CEST", "2026-06-21T04:14:2"},
  };
  for (const Case& c : cases) {
    sky::Observer o;
    o.Clock = Warsaw();
    o.Day = sky::LocalDayOf(o.Clock, 2026, c.Month, c.Day);
    o.Latitude = 52.2297;
    o.Longitude = -21.0122;
    o.Refraction = true;
    EXPECT_NEAR((o.Day.End - o.Day.Start) * 24.0, c.Hours, 1e-6) << c.Month;
    const sky::RiseSetTexts t =
        sky::RiseSetTextsOf(sky::BodyDayEvents(o, astro::kSun), o.Clock, o.Refraction);
    EXPECT_EQ(t.Rise, c.Rise);
    EXPECT_EQ(t.Transit, c.Transit);
    EXPECT_EQ(t.Set, c.Set);
    EXPECT_EQ(t.RiseIso.substr(0, 18), c.RiseIso);
    EXPECT_EQ(t.RiseIso.substr(19), c.Month == 10 ? "+01:00" : "+02:00");
  }
}

TEST(Almanac, TextsWithoutEvents) {
  const sky::ClockRules rules = Warsaw();
  astro::DayEvents always;
  always.AlwaysAbove = true;
  always.Transit = 2461212.5;
  always.TransitAltitude = 43.79;
  astro::DayEvents never;
  never.NeverRises = true;
  astro::DayEvents skipped;
  skipped.Set = 2461212.6;
  struct Case {
    astro::DayEvents Events;
    const char *Rise, *Set, *TransitAltitude;
  };
  const Case cases[] = {
      {always, sky::kAlwaysAbove, sky::kAlwaysAbove, "43.79\xC2\xB0"},
      {never, sky::kNeverRises, sky::kNeverRises, ""},
      {skipped, sky::kNotThisDay, "04:24 CEST", ""},
  };
  for (const Case& c : cases) {
    const sky::RiseSetTexts t = sky::RiseSetTextsOf(c.Events, rules, false);
    EXPECT_EQ(t.Rise, c.Rise);
    EXPECT_EQ(t.Set, c.Set);
    EXPECT_EQ(t.TransitAltitude, c.TransitAltitude);
    EXPECT_EQ(t.RiseIso, "");
  }
}

TEST(Almanac, ClockTexts) {
  sky::ClockRules nepal;
  nepal.ZoneId = "Asia/Kathmandu";
  sky::ClockRules byHand;
  byHand.StandardOffset = -3.5;
  struct Case {
    sky::ClockRules Rules;
    double Jd;
    const char *Clock, *Iso;
  };
  const Case cases[] = {
      {nepal, 2461384.0 + 20.0 / 86400, "17:45 UT+5:45", "2026-12-09T17:45:20+05:45"},
      {byHand, 2461384.0 + 30.0 / 86400, "08:31 UT-3:30", "2026-12-09T08:30:30-03:30"},
      {Warsaw(), 2415021.0, "13:24 WMT", "1900-01-01T13:24:00+01:24"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sky::ClockTimeText(c.Rules, c.Jd), c.Clock);
    EXPECT_EQ(sky::IsoTimeText(c.Rules, c.Jd), c.Iso);
  }
}

}  // namespace
