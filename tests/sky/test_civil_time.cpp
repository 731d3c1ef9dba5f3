// Civil time against the facts of tzdata: offsets with their history, the
// changes of summer time, places typed by hand, "now", and the settings.
#include <gtest/gtest.h>

#include <ctime>
#include <memory>

#include "astro/clock.h"
#include "sky/app_settings.h"
#include "sky/civil_time.h"
#include "sky/profile.h"
#include "sky/sky_doc.h"
#include "tests/astro/astro_test_support.h"
#include "ui/date_time_form.h"

namespace {

using astro::CivilTime;
using astro_test::ScopedTimeZone;

sky::ClockRules Zone(const char* id) {
  sky::ClockRules rules;
  rules.ZoneId = id;
  return rules;
}

sky::ClockRules ByHand(double standardOffset, bool summerTimeOption) {
  sky::ClockRules rules;
  rules.StandardOffset = standardOffset;
  rules.SummerTimeOption = summerTimeOption;
  return rules;
}

// Minutes of the UT found for a clock time, minus the true UT.
double ErrorMinutes(const sky::ClockRules& rules, const CivilTime& local, double trueOffsetHours) {
  const std::int64_t trueUt =
      astro::SecondsOfCivil(local) - static_cast<std::int64_t>(trueOffsetHours * 3600);
  return (sky::ResolveLocalTime(rules, local).UtSeconds - trueUt) / 60.0;
}

struct ZoneRow {
  const char* Zone;
  CivilTime Local;
  double Offset;  // hours ahead of UT, as tzdata has it
  const char* Text;
  bool SummerTime;
};

// The places and dates whose sky was wrong by an hour or a quarter of one:
// right now whatever the daylight-saving option and the computer's own zone.
const ZoneRow kMended[] = {
    {"Europe/Warsaw", {2026, 7, 15, 22, 0, 0}, 2, "CEST, UT+2", true},
    {"Europe/Warsaw", {2026, 1, 15, 22, 0, 0}, 1, "CET, UT+1", false},
    {"Australia/Sydney", {2026, 1, 15, 22, 0, 0}, 11, "AEDT, UT+11", true},
    {"America/New_York", {2026, 3, 10, 22, 0, 0}, -4, "EDT, UT-4", true},
    {"Asia/Kathmandu", {1980, 5, 1, 20, 0, 0}, 5.5, "UT+5:30", false},
};

// More facts of tzdata.
const ZoneRow kFacts[] = {
    {"Australia/Sydney", {2026, 7, 15, 22, 0, 0}, 10, "AEST, UT+10", false},
    {"Pacific/Kiritimati", {2026, 7, 15, 12, 0, 0}, 14, "UT+14", false},
    {"Asia/Kathmandu", {2026, 5, 1, 20, 0, 0}, 5.75, "UT+5:45", false},
    {"America/St_Johns", {2026, 1, 15, 12, 0, 0}, -3.5, "NST, UT-3:30", false},
    {"Europe/London", {2026, 1, 15, 12, 0, 0}, 0, "GMT, UT+0", false},
};

// Ids of tzdata beyond zone.tab's: the fixed zones, the Etc area, old names
// kept as links (offsets and letters as Python's zoneinfo gives them).
const ZoneRow kOtherIds[] = {
    {"UTC", {1964, 11, 24, 20, 22, 3}, 0, "UTC, UT+0", false},
    {"Etc/UTC", {1964, 11, 24, 20, 22, 3}, 0, "UTC, UT+0", false},
    {"Universal", {2026, 7, 15, 12, 0, 0}, 0, "UTC, UT+0", false},
    {"GMT", {2026, 7, 15, 12, 0, 0}, 0, "GMT, UT+0", false},
    {"Etc/GMT-3", {2026, 7, 15, 12, 0, 0}, 3, "UT+3", false},
    {"Etc/GMT+12", {2026, 1, 15, 12, 0, 0}, -12, "UT-12", false},
    {"EST5EDT", {2026, 1, 15, 12, 0, 0}, -5, "EST, UT-5", false},
    {"US/Eastern", {1990, 7, 1, 22, 0, 0}, -4, "EDT, UT-4", true},
    {"Europe/Kiev", {1990, 7, 1, 22, 0, 0}, 3, "EEST, UT+3", true},
    {"Asia/Calcutta", {1943, 7, 1, 12, 0, 0}, 6.5, "UT+6:30", true},
};

TEST(CivilTime, TheMendedCasesAreRightWhateverTheOptionAndTheComputersZone) {
  for (const char* computer : {astro_test::kNeverSummerTime, astro_test::kAlwaysSummerTime}) {
    const ScopedTimeZone zone(computer);
    for (const ZoneRow& row : kMended) {
      for (bool option : {false, true}) {
        sky::ClockRules rules = Zone(row.Zone);
        rules.SummerTimeOption = option;
        rules.StandardOffset = 1;  // whatever the time-zone field says
        EXPECT_EQ(ErrorMinutes(rules, row.Local, row.Offset), 0)
            << row.Zone << " " << row.Local.Year << "-" << row.Local.Month << " option " << option
            << " computer " << computer;
      }
    }
  }
}

TEST(CivilTime, OffsetsLettersAndSummerTimeAsTzdataHasThem) {
  for (const auto* rows : {&kMended, &kFacts}) {
    for (const ZoneRow& row : *rows) {
      const sky::CivilInstant instant = sky::ResolveLocalTime(Zone(row.Zone), row.Local);
      EXPECT_EQ(instant.OffsetSeconds, static_cast<int>(row.Offset * 3600)) << row.Zone;
      EXPECT_EQ(sky::ZoneText(instant), row.Text) << row.Zone;
      EXPECT_EQ(instant.SummerTime, row.SummerTime) << row.Zone;
      EXPECT_EQ(instant.Change, sky::ClockChange::None) << row.Zone;
      EXPECT_EQ(instant.Clock, row.Local) << row.Zone;
      // And back from the instant.
      EXPECT_EQ(sky::CivilTimeAt(Zone(row.Zone), instant.UtSeconds).Clock, row.Local) << row.Zone;
    }
  }
}

TEST(CivilTime, EveryIdOfTzdataIsKnownAndKeepsItsRules) {
  for (const ZoneRow& row : kOtherIds) {
    EXPECT_TRUE(sky::IsKnownTimeZone(row.Zone)) << row.Zone;
    const sky::CivilInstant instant = sky::ResolveLocalTime(Zone(row.Zone), row.Local);
    EXPECT_EQ(instant.OffsetSeconds, static_cast<int>(row.Offset * 3600)) << row.Zone;
    EXPECT_EQ(sky::ZoneText(instant), row.Text) << row.Zone;
    EXPECT_EQ(instant.SummerTime, row.SummerTime) << row.Zone;
    EXPECT_EQ(sky::CivilTimeAt(Zone(row.Zone), instant.UtSeconds).Clock, row.Local) << row.Zone;
    // Kept by the settings as they are read.
    CProfile profile;
    profile.Parse(std::string("[Location]\nTimeZoneId=") + row.Zone + "\n");
    AppSettings settings;
    EXPECT_TRUE(LoadSettings(profile, settings).empty()) << row.Zone;
    EXPECT_EQ(settings.TimeZoneId, row.Zone);
  }
}

TEST(CivilTime, ATimeInTheGapMovesForwardAndARepeatedOneIsTheFirst) {
  struct Row {
    const char* Zone;
    CivilTime Local;
    sky::ClockChange Change;
    const char* Ut;  // the instant meant
    CivilTime Clock;
    int GapMinutes;
  };
  const Row rows[] = {
      {"America/New_York",
       {2026, 3, 8, 2, 30, 0},
       sky::ClockChange::Gap,
       "2026-03-08T07:30:00Z",
       {2026, 3, 8, 3, 30, 0},
       60},
      {"America/New_York",
       {2026, 11, 1, 1, 30, 0},
       sky::ClockChange::Repeated,
       "2026-11-01T05:30:00Z",
       {2026, 11, 1, 1, 30, 0},
       0},
      {"Europe/Warsaw",
       {2026, 3, 29, 2, 0, 0},
       sky::ClockChange::Gap,
       "2026-03-29T01:00:00Z",
       {2026, 3, 29, 3, 0, 0},
       60},
      {"Europe/Warsaw",
       {2026, 10, 25, 2, 59, 59},
       sky::ClockChange::Repeated,
       "2026-10-25T00:59:59Z",
       {2026, 10, 25, 2, 59, 59},
       0},
      // Lord Howe Island moves its clocks by half an hour.
      {"Australia/Lord_Howe",
       {2026, 10, 4, 2, 15, 0},
       sky::ClockChange::Gap,
       "2026-10-03T15:45:00Z",
       {2026, 10, 4, 2, 45, 0},
       30},
      // Just outside the gap and the repeated hour nothing happens.
      {"America/New_York",
       {2026, 3, 8, 1, 59, 59},
       sky::ClockChange::None,
       "2026-03-08T06:59:59Z",
       {2026, 3, 8, 1, 59, 59},
       0},
      {"America/New_York",
       {2026, 11, 1, 2, 0, 0},
       sky::ClockChange::None,
       "2026-11-01T07:00:00Z",
       {2026, 11, 1, 2, 0, 0},
       0},
  };
  for (const Row& row : rows) {
    const sky::CivilInstant instant = sky::ResolveLocalTime(Zone(row.Zone), row.Local);
    const CivilTime ut = astro::CivilOfSeconds(instant.UtSeconds);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", ut.Year, ut.Month, ut.Day,
                  ut.Hour, ut.Minute, ut.Second);
    EXPECT_EQ(std::string(text), row.Ut) << row.Zone;
    EXPECT_EQ(instant.Change, row.Change) << row.Zone << " " << row.Ut;
    EXPECT_EQ(instant.Clock, row.Clock) << row.Zone << " " << row.Ut;
    EXPECT_EQ(instant.GapSeconds, row.GapMinutes * 60) << row.Zone;
  }
}

TEST(CivilTime, ThePlaceTypedByHandKeepsSummerTimeByTheComputersZoneAtTheDateSet) {
  // The computer in Sydney, where it is summer in January and winter in
  // July; in December, when this was written, its clock keeps summer time.
  struct Row {
    const char* Computer;
    CivilTime Local;
    bool Option;
    double Offset;
  };
  const Row rows[] = {
      {"Australia/Sydney", {2026, 7, 15, 12, 0, 0}, true, 1},   // set in the computer's winter
      {"Australia/Sydney", {2026, 1, 15, 12, 0, 0}, true, 2},   // and in its summer
      {"Australia/Sydney", {2026, 1, 15, 12, 0, 0}, false, 1},  // the option off
      {"Europe/Warsaw", {2026, 1, 15, 12, 0, 0}, true, 1},
      {"Europe/Warsaw", {2026, 7, 15, 12, 0, 0}, true, 2},
      {astro_test::kNeverSummerTime, {2026, 7, 15, 12, 0, 0}, true, 1},
  };
  for (const Row& row : rows) {
    const ScopedTimeZone zone(row.Computer);
    const sky::CivilInstant instant = sky::ResolveLocalTime(ByHand(1, row.Option), row.Local);
    EXPECT_EQ(instant.OffsetSeconds, row.Offset * 3600) << row.Computer << " " << row.Local.Month;
    EXPECT_EQ(sky::ZoneText(instant), row.Offset == 2 ? "UT+2" : "UT+1");
  }
  // A zone the system does not know counts as a place typed by hand.
  const ScopedTimeZone zone(astro_test::kNeverSummerTime);
  sky::ClockRules unknown = ByHand(-3.5, true);
  unknown.ZoneId = "Mars/Olympus_Mons";
  EXPECT_EQ(sky::ResolveLocalTime(unknown, {2026, 1, 1, 0, 0, 0}).OffsetSeconds, -12600);
  EXPECT_FALSE(sky::IsKnownTimeZone("Mars/Olympus_Mons"));
  EXPECT_TRUE(sky::IsKnownTimeZone("Asia/Kathmandu"));
}

TEST(CivilTime, OffsetTexts) {
  const std::pair<int, const char*> rows[] = {
      {0, "UT+0"},      {7200, "UT+2"},    {-12600, "UT-3:30"}, {20700, "UT+5:45"},
      {50400, "UT+14"}, {-43200, "UT-12"}, {-1800, "UT-0:30"}};
  for (const auto& [seconds, text] : rows) EXPECT_EQ(sky::UtOffsetText(seconds), text);
}

TEST(CivilTime, TheDateTimeDialogTellsTheChanges) {
  struct Row {
    CivilTime Local;
    const char* Offset;
    const char* Change;
  };
  const Row rows[] = {
      {{2026, 3, 8, 2, 30, 0},
       "EDT, UT-4",
       "The clocks went forward by 1 hour on this day: there was no 02:30; it is read as 03:30 "
       "(EDT, UT-4)."},
      {{2026, 11, 1, 1, 30, 15},
       "EDT, UT-4",
       "The clocks went back on this day: 01:30:15 came twice; the first time (EDT, UT-4) is "
       "meant."},
      {{2026, 12, 8, 0, 0, 0}, "EST, UT-5", ""},
  };
  for (const Row& row : rows) {
    const ui::ClockPreview preview = ui::PreviewClock(Zone("America/New_York"), true, row.Local);
    EXPECT_EQ(preview.Offset, row.Offset);
    EXPECT_EQ(preview.Change, row.Change);
  }
}

TEST(CivilTime, NowIsThePresentInstantInThePlacesClock) {
  // The computer in New York, the place in Sydney: never the same clock.
  const ScopedTimeZone zone("America/New_York");
  AppSettings settings;
  settings.TimeZoneId = "Australia/Sydney";
  auto doc = std::make_unique<CSkyDoc>(settings);
  const std::int64_t before = std::time(nullptr);
  doc->SetDocumentTime(std::nullopt);
  doc->UpdateSky();
  const std::int64_t after = std::time(nullptr);
  EXPECT_GE(doc->Sky.Instant.UtSeconds, before);
  EXPECT_LE(doc->Sky.Instant.UtSeconds, after);
  EXPECT_EQ(doc->Sky.DocumentTime,
            sky::CivilTimeAt(Zone("Australia/Sydney"), doc->Sky.Instant.UtSeconds).Clock);
  EXPECT_NEAR(doc->Sky.AstroState.JulianDay, doc->Sky.Instant.UtSeconds / 86400.0 + 2440587.5,
              1e-6);
  // An instant given with its offset is the same instant in the place's clock.
  doc->SetDocumentTime(*astro::ParseDateTime("2026-07-15T20:00:00Z"));
  doc->UpdateSky();
  EXPECT_EQ(doc->Sky.DocumentTime, (CivilTime{2026, 7, 16, 6, 0, 0}));
  EXPECT_DOUBLE_EQ(doc->Sky.AstroState.UtOffset, 10.0);
}

TEST(CivilTime, TheDocumentKeepsTheSecondOfTwoEqualClockTimes) {
  AppSettings settings;
  settings.TimeZoneId = "America/New_York";
  auto doc = std::make_unique<CSkyDoc>(settings);
  // 01:30 EST, the second 01:30 of 2026-11-01.
  doc->SetInstant(astro::SecondsOfCivil({2026, 11, 1, 6, 30, 0}));
  doc->UpdateSky();
  EXPECT_EQ(doc->Sky.DocumentTime, (CivilTime{2026, 11, 1, 1, 30, 0}));
  EXPECT_DOUBLE_EQ(doc->Sky.AstroState.UtOffset, -5.0);
  // Set as a clock time, it is the first.
  doc->Sky.DocumentTime = {2026, 11, 1, 1, 30, 1};
  doc->UpdateSky();
  EXPECT_DOUBLE_EQ(doc->Sky.AstroState.UtOffset, -4.0);
}

TEST(CivilTime, TheZoneOfTheSettings) {
  struct Row {
    const char* Text;
    const char* Zone;
    const char* Change;  // what the settings message says of it; "" when nothing
  };
  const Row rows[] = {
      // No file: Krakow with its zone.
      {"", "Europe/Warsaw", ""},
      // A file of an older version keeps its place without a zone.
      {"[Location]\nLocation=Australia:Sydney\nTimeZone=10\nDaylightSavingTime=1\n", "", ""},
      {"[Settings]\nZoom=2\n", "Europe/Warsaw", ""},
      {"[Location]\nTimeZoneId=Asia/Kathmandu\n", "Asia/Kathmandu", ""},
      {"[Location]\nTimeZoneId=\n", "", ""},
      {"[Location]\nTimeZoneId=Mars/Olympus_Mons\n", "", "TimeZoneId=Mars/Olympus_Mons -> none"},
  };
  for (const Row& row : rows) {
    CProfile profile;
    profile.Parse(row.Text);
    AppSettings settings;
    const std::vector<std::string> changes = LoadSettings(profile, settings);
    EXPECT_EQ(settings.TimeZoneId, row.Zone) << row.Text;
    EXPECT_EQ(changes.empty() ? "" : changes.front(), row.Change) << row.Text;
    // Written and read back as it is.
    CProfile written;
    StoreSettings(settings, written);
    AppSettings back;
    LoadSettings(written, back);
    EXPECT_EQ(back.TimeZoneId, row.Zone) << row.Text;
  }
}

}  // namespace
