#include <gtest/gtest.h>

#include "ui/animation_step.h"
#include "ui/status_panes.h"

namespace {

using astro::CivilTime;
using ui::AnimationStep;

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
    EXPECT_TRUE(AnimationStep(t, offset, step, true));
    EXPECT_EQ(Text(t), want) << "step " << step;
    // And back again.
    EXPECT_TRUE(AnimationStep(t, offset, step, false));
    EXPECT_EQ(Text(t), Text(start)) << "step " << step;
    EXPECT_NEAR(offset, 0, 1e-9);
  }
}

TEST(AnimationStep, TimeOffsetTurnsWithTheStepsAndStaysInOneTurn) {
  CivilTime t{2026, 1, 1, 0, 0, 0};
  double offset = 0;
  AnimationStep(t, offset, ui::kOneHour, true);
  EXPECT_DOUBLE_EQ(offset, 60);
  for (int i = 0; i < 6; ++i) AnimationStep(t, offset, ui::kOneHour, true);
  EXPECT_DOUBLE_EQ(offset, 60);  // 420 - 360
  AnimationStep(t, offset, ui::kOneMonth, false);
  EXPECT_DOUBLE_EQ(offset, 30);
  AnimationStep(t, offset, ui::kOneYear, true);
  EXPECT_DOUBLE_EQ(offset, 30);
  AnimationStep(t, offset, ui::kRealTime, false);
  EXPECT_NEAR(offset, 29.9, 1e-9);
}

TEST(AnimationStep, CarriesThroughTheCalendar) {
  double offset = 0;
  CivilTime t{2026, 1, 31, 10, 0, 0};
  AnimationStep(t, offset, ui::kOneMonth, true);
  EXPECT_EQ(Text(t), "2026-03-03 10:00:00");
  t = {2024, 1, 31, 10, 0, 0};
  AnimationStep(t, offset, ui::kOneMonth, true);
  EXPECT_EQ(Text(t), "2024-03-02 10:00:00");
  // Backwards only days below 1 carry: the Julian day counts 31 February on into March.
  t = {2026, 3, 31, 10, 0, 0};
  AnimationStep(t, offset, ui::kOneMonth, false);
  EXPECT_EQ(Text(t), "2026-02-31 10:00:00");
  t = {2024, 2, 29, 10, 0, 0};
  AnimationStep(t, offset, ui::kOneYear, true);
  EXPECT_EQ(Text(t), "2025-03-01 10:00:00");
  t = {2026, 12, 31, 23, 59, 59};
  AnimationStep(t, offset, ui::kRealTime, true);
  EXPECT_EQ(Text(t), "2027-01-01 00:00:00");
  t = {2026, 1, 1, 0, 0, 0};
  AnimationStep(t, offset, ui::kRealTime, false);
  EXPECT_EQ(Text(t), "2025-12-31 23:59:59");
  t = {2026, 3, 1, 0, 5, 0};
  AnimationStep(t, offset, ui::kTenMinutes, false);
  EXPECT_EQ(Text(t), "2026-02-28 23:55:00");
  t = {2026, 12, 15, 0, 0, 0};
  AnimationStep(t, offset, ui::kOneMonth, true);
  EXPECT_EQ(Text(t), "2027-01-15 00:00:00");
}

TEST(AnimationStep, StopsAtTheEndsOf1901To2099) {
  double offset = 0;
  CivilTime t{2099, 12, 31, 12, 0, 0};
  EXPECT_FALSE(AnimationStep(t, offset, ui::kOneDay, true));
  EXPECT_EQ(Text(t), "2099-12-31 23:59:59");
  t = {1901, 1, 1, 12, 0, 0};
  EXPECT_FALSE(AnimationStep(t, offset, ui::kOneDay, false));
  EXPECT_EQ(Text(t), "1901-01-01 00:00:00");
  t = {2099, 6, 1, 0, 0, 0};
  EXPECT_FALSE(AnimationStep(t, offset, ui::kOneYear, true));
  t = {2098, 6, 1, 0, 0, 0};
  EXPECT_TRUE(AnimationStep(t, offset, ui::kOneYear, true));
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
