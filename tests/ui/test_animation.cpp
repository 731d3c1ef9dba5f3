#include <gtest/gtest.h>

#include "astro/clock.h"
#include "ui/animation_step.h"
#include "ui/status_panes.h"

namespace {

using astro::CivilTime;

// A clock on UT: no zone, offset 0, no summer time.
const sky::ClockRules kUt;

// One step of the clock `t` of a place with `rules`, from the instant it names.
bool Step(CivilTime& t, double& offset, int step, bool forward,
          const sky::ClockRules& rules = kUt) {
  std::int64_t ut = sky::ResolveLocalTime(rules, t).UtSeconds;
  return ui::AnimationStep(t, ut, offset, step, forward, rules);
}

std::string Text(const CivilTime& t) {
  char s[40];
  std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                t.Minute, t.Second);
  return s;
}

TEST(AnimationStep, EveryStepForwardAndBack) {
  const CivilTime start{2026, 6, 15, 12, 30, 30};
  const std::pair<int, std::string> forward[] = {
      {ui::kRealTime, "2026-06-15 12:30:31"},      {ui::kTenMinutes, "2026-06-15 12:40:30"},
      {ui::kThirtyMinutes, "2026-06-15 13:00:30"}, {ui::kOneHour, "2026-06-15 13:30:30"},
      {ui::kOneDay, "2026-06-16 12:30:30"},        {ui::kSevenDays, "2026-06-22 12:30:30"},
      {ui::kOneMonth, "2026-07-15 12:30:30"},      {ui::kOneYear, "2027-06-15 12:30:30"}};
  for (const auto& [step, want] : forward) {
    CivilTime t = start;
    double offset = 0;
    EXPECT_TRUE(Step(t, offset, step, true));
    EXPECT_EQ(Text(t), want) << "step " << step;
    // And back again.
    EXPECT_TRUE(Step(t, offset, step, false));
    EXPECT_EQ(Text(t), Text(start)) << "step " << step;
    EXPECT_NEAR(offset, 0, 1e-9);
  }
}

TEST(AnimationStep, TimeOffsetTurnsWithTheStepsAndStaysInOneTurn) {
  CivilTime t{2026, 1, 1, 0, 0, 0};
  double offset = 0;
  Step(t, offset, ui::kOneHour, true);
  EXPECT_DOUBLE_EQ(offset, 60);
  for (int i = 0; i < 6; ++i) Step(t, offset, ui::kOneHour, true);
  EXPECT_DOUBLE_EQ(offset, 60);  // 420 - 360
  Step(t, offset, ui::kOneMonth, false);
  EXPECT_DOUBLE_EQ(offset, 30);
  Step(t, offset, ui::kOneYear, true);
  EXPECT_DOUBLE_EQ(offset, 30);
  Step(t, offset, ui::kRealTime, false);
  EXPECT_NEAR(offset, 29.9, 1e-9);
}

TEST(AnimationStep, CarriesThroughTheCalendar) {
  double offset = 0;
  CivilTime t{2026, 1, 31, 10, 0, 0};
  Step(t, offset, ui::kOneMonth, true);
  EXPECT_EQ(Text(t), "2026-03-03 10:00:00");
  t = {2024, 1, 31, 10, 0, 0};
  Step(t, offset, ui::kOneMonth, true);
  EXPECT_EQ(Text(t), "2024-03-02 10:00:00");
  // Backwards only days below 1 carry: the Julian day counts 31 February on into March.
  t = {2026, 3, 31, 10, 0, 0};
  Step(t, offset, ui::kOneMonth, false);
  EXPECT_EQ(Text(t), "2026-02-31 10:00:00");
  t = {2024, 2, 29, 10, 0, 0};
  Step(t, offset, ui::kOneYear, true);
  EXPECT_EQ(Text(t), "2025-03-01 10:00:00");
  t = {2026, 12, 31, 23, 59, 59};
  Step(t, offset, ui::kRealTime, true);
  EXPECT_EQ(Text(t), "2027-01-01 00:00:00");
  t = {2026, 1, 1, 0, 0, 0};
  Step(t, offset, ui::kRealTime, false);
  EXPECT_EQ(Text(t), "2025-12-31 23:59:59");
  t = {2026, 3, 1, 0, 5, 0};
  Step(t, offset, ui::kTenMinutes, false);
  EXPECT_EQ(Text(t), "2026-02-28 23:55:00");
  t = {2026, 12, 15, 0, 0, 0};
  Step(t, offset, ui::kOneMonth, true);
  EXPECT_EQ(Text(t), "2027-01-15 00:00:00");
}

TEST(AnimationStep, StopsAtTheEndsOf1901To2099) {
  double offset = 0;
  CivilTime t{2099, 12, 31, 12, 0, 0};
  EXPECT_FALSE(Step(t, offset, ui::kOneDay, true));
  EXPECT_EQ(Text(t), "2099-12-31 23:59:59");
  t = {1901, 1, 1, 12, 0, 0};
  EXPECT_FALSE(Step(t, offset, ui::kOneDay, false));
  EXPECT_EQ(Text(t), "1901-01-01 00:00:00");
  t = {2099, 6, 1, 0, 0, 0};
  EXPECT_FALSE(Step(t, offset, ui::kOneYear, true));
  t = {2098, 6, 1, 0, 0, 0};
  EXPECT_TRUE(Step(t, offset, ui::kOneYear, true));
}

sky::ClockRules Zone(const char* id) {
  sky::ClockRules rules;
  rules.ZoneId = id;
  return rules;
}

TEST(AnimationStep, HourStepsAcrossTheChangesOfSummerTimeAreHoursOfUt) {
  // From before each change of 2026 to after it, one hour at a time, forwards and back.
  struct Row {
    const char* Zone;
    CivilTime Start;
    const char* Clocks;  // the clock's hours, step by step
  };
  const Row rows[] = {
      {"America/New_York", {2026, 3, 8, 0, 30, 0}, "0 1 3 4 5"},
      {"America/New_York", {2026, 11, 1, 0, 30, 0}, "0 1 1 2 3"},
      {"Europe/Warsaw", {2026, 3, 29, 0, 30, 0}, "0 1 3 4 5"},
      {"Europe/Warsaw", {2026, 10, 25, 1, 30, 0}, "1 2 2 3 4"},
      {"Australia/Sydney", {2026, 4, 5, 1, 30, 0}, "1 2 2 3 4"},
      {"Australia/Sydney", {2026, 10, 4, 0, 30, 0}, "0 1 3 4 5"},
  };
  for (const Row& row : rows) {
    const sky::ClockRules rules = Zone(row.Zone);
    CivilTime t = row.Start;
    std::int64_t ut = sky::ResolveLocalTime(rules, t).UtSeconds;
    const std::int64_t start = ut;
    double offset = 0;
    std::string clocks = std::to_string(t.Hour);
    for (int i = 1; i <= 4; ++i) {
      const std::int64_t before = ut;
      ASSERT_TRUE(ui::AnimationStep(t, ut, offset, ui::kOneHour, true, rules));
      EXPECT_EQ(ut - before, 3600) << row.Zone;
      // The clock shows the place's time of the instant.
      EXPECT_EQ(t, sky::CivilTimeAt(rules, ut).Clock) << row.Zone;
      clocks += " " + std::to_string(t.Hour);
    }
    EXPECT_EQ(clocks, row.Clocks) << row.Zone;
    for (int i = 1; i <= 4; ++i) {
      const std::int64_t before = ut;
      ASSERT_TRUE(ui::AnimationStep(t, ut, offset, ui::kOneHour, false, rules));
      EXPECT_EQ(before - ut, 3600) << row.Zone;
    }
    EXPECT_EQ(ut, start) << row.Zone;
    EXPECT_EQ(t, row.Start) << row.Zone;
  }
}

TEST(AnimationStep, DayStepsKeepTheClockTimeAcrossTheChanges) {
  struct Row {
    const char* Zone;
    CivilTime Start;
    int Step;
    CivilTime Want;
    int UtHours;  // how far the instant moved
  };
  const Row rows[] = {
      {"Europe/Warsaw", {2026, 3, 28, 22, 0, 0}, ui::kOneDay, {2026, 3, 29, 22, 0, 0}, 23},
      {"Europe/Warsaw", {2026, 10, 24, 22, 0, 0}, ui::kOneDay, {2026, 10, 25, 22, 0, 0}, 25},
      {"Europe/Warsaw", {2026, 3, 20, 22, 0, 0}, ui::kSevenDays, {2026, 3, 27, 22, 0, 0}, 168},
      {"Europe/Warsaw", {2026, 3, 1, 22, 0, 0}, ui::kOneMonth, {2026, 4, 1, 22, 0, 0}, 743},
      // A clock time that the next day skips moves forward by the gap.
      {"America/New_York", {2026, 3, 7, 2, 30, 0}, ui::kOneDay, {2026, 3, 8, 3, 30, 0}, 24},
  };
  for (const Row& row : rows) {
    const sky::ClockRules rules = Zone(row.Zone);
    CivilTime t = row.Start;
    std::int64_t ut = sky::ResolveLocalTime(rules, t).UtSeconds;
    const std::int64_t start = ut;
    double offset = 0;
    ASSERT_TRUE(ui::AnimationStep(t, ut, offset, row.Step, true, rules));
    EXPECT_EQ(t, row.Want) << row.Zone << " step " << row.Step;
    EXPECT_EQ(ut - start, row.UtHours * 3600) << row.Zone << " step " << row.Step;
  }
}

TEST(AnimationStep, MonthLengths) {
  EXPECT_EQ(ui::MonthLength(2, 2024), 29);
  EXPECT_EQ(ui::MonthLength(2, 2026), 28);
  EXPECT_EQ(ui::MonthLength(2, 2000), 29);
  EXPECT_EQ(ui::MonthLength(4, 2026), 30);
  EXPECT_EQ(ui::MonthLength(13, 2026), 31);
}

TEST(StatusPanes, TheMostImportantThatFitAreKept) {
  const std::vector<int> widths{50, 90, 100, 110, 200};
  const std::pair<int, std::vector<bool>> cases[] = {
      {1000, {true, true, true, true, true}},
      {550, {true, true, true, true, true}},
      {549, {true, true, true, true, false}},
      // A pane too wide is passed over; a narrower, less important one still fits.
      {300, {true, true, true, false, false}},
      {260, {true, true, true, false, false}},
      {239, {true, true, false, false, false}},
      {120, {true, false, false, false, false}},
      {49, {false, false, false, false, false}},
  };
  for (const auto& [available, shown] : cases)
    EXPECT_EQ(ui::PanesThatFit(widths, available), shown) << available;
}

}  // namespace
