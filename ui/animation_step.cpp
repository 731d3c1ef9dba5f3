#include "ui/animation_step.h"

#include "astro/angles.h"

namespace ui {

int MonthLength(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && year % 4 == 0) return 29;
  if (month < 1 || month > 12) return 31;
  return kDays[month - 1];
}

bool AnimationStep(astro::CivilTime& t, std::int64_t& utSeconds, double& timeOffset, int step,
                   bool forward, const sky::ClockRules& rules) {
  struct Row {
    int seconds, minutes, hours, days, months, years;
    double offset;
  };
  static constexpr Row kSteps[kTimeStepCount] = {
      {1, 0, 0, 0, 0, 0, 0.1}, {0, 10, 0, 0, 0, 0, 10}, {0, 30, 0, 0, 0, 0, 30},
      {0, 0, 1, 0, 0, 0, 60},  {0, 0, 0, 1, 0, 0, 1},   {0, 0, 0, 7, 0, 0, 7},
      {0, 0, 0, 0, 1, 0, 30},  {0, 0, 0, 0, 0, 1, 0},
  };
  if (step < 0 || step >= kTimeStepCount) step = kOneDay;
  const Row& row = kSteps[step];
  const int sign = forward ? 1 : -1;
  timeOffset = astro::Normalize360(timeOffset + sign * row.offset);
  const auto inRange = [&] {
    if (t.Year >= 1901 && t.Year <= 2099) return true;
    t = t.Year > 2099 ? astro::CivilTime{2099, 12, 31, 23, 59, 59}
                      : astro::CivilTime{1901, 1, 1, 0, 0, 0};
    const sky::CivilInstant bound = sky::ResolveLocalTime(rules, t);
    utSeconds = bound.UtSeconds;
    t = bound.Clock;
    return false;
  };
  const int seconds = row.seconds + 60 * row.minutes + 3600 * row.hours;
  if (seconds != 0) {
    utSeconds += sign * seconds;
    t = sky::CivilTimeAt(rules, utSeconds).Clock;
    return inRange();
  }
  t.Day += sign * row.days;
  t.Month += sign * row.months;
  t.Year += sign * row.years;

  // Each carry once, from the days up.
  if (forward) {
    if (t.Day > MonthLength(t.Month, t.Year)) t.Day -= MonthLength(t.Month, t.Year), ++t.Month;
    if (t.Month > 12) t.Month -= 12, ++t.Year;
  } else {
    // Only days below 1 carry: a day past the end of a shorter month stays,
    // and the Julian day counts on into the next month.
    if (t.Day < 1) t.Day += MonthLength(t.Month == 1 ? 12 : t.Month - 1, t.Year), --t.Month;
    if (t.Month < 1) t.Month += 12, --t.Year;
  }

  if (!inRange()) return false;
  const sky::CivilInstant instant = sky::ResolveLocalTime(rules, t);
  utSeconds = instant.UtSeconds;
  // A day past the end of a shorter month stays as it is, counted on by the Julian day.
  if (instant.Change != sky::ClockChange::Gap) return true;
  t = instant.Clock;
  return true;
}

}  // namespace ui
