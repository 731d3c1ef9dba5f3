#include "ui/animation_step.h"

#include "astro/angles.h"

namespace ui {

int MonthLength(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && year % 4 == 0) return 29;
  if (month < 1 || month > 12) return 31;
  return kDays[month - 1];
}

bool AnimationStep(astro::CivilTime& t, double& timeOffset, int step, bool forward) {
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
  t.Second += sign * row.seconds;
  t.Minute += sign * row.minutes;
  t.Hour += sign * row.hours;
  t.Day += sign * row.days;
  t.Month += sign * row.months;
  t.Year += sign * row.years;
  timeOffset += sign * row.offset;

  // Each carry once, from the seconds up.
  if (forward) {
    if (t.Second > 59) t.Second -= 60, ++t.Minute;
    if (t.Minute > 59) t.Minute -= 60, ++t.Hour;
    if (t.Hour > 23) t.Hour -= 24, ++t.Day;
    if (t.Day > MonthLength(t.Month, t.Year)) t.Day -= MonthLength(t.Month, t.Year), ++t.Month;
    if (t.Month > 12) t.Month -= 12, ++t.Year;
  } else {
    // Only days below 1 carry: a day past the end of a shorter month stays,
    // and the Julian day counts on into the next month.
    if (t.Second < 0) t.Second += 60, --t.Minute;
    if (t.Minute < 0) t.Minute += 60, --t.Hour;
    if (t.Hour < 0) t.Hour += 24, --t.Day;
    if (t.Day < 1) t.Day += MonthLength(t.Month == 1 ? 12 : t.Month - 1, t.Year), --t.Month;
    if (t.Month < 1) t.Month += 12, --t.Year;
  }

  timeOffset = astro::Normalize360(timeOffset);
  if (t.Year > 2099) {
    t = {2099, 12, 31, 23, 59, 59};
    return false;
  }
  if (t.Year < 1901) {
    t = {1901, 1, 1, 0, 0, 0};
    return false;
  }
  return true;
}

}  // namespace ui
