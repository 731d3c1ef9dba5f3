// One step of the time animation: the date and time move by the chosen step
// with carries through the calendar, within 1901-2099.
#pragma once

#include <cstdint>

#include "astro/astro_state.h"
#include "sky/civil_time.h"

namespace ui {

// The eight steps of the time-step box, in its order.
enum TimeStep : int {
  kRealTime = 0,  // 1 second
  kTenMinutes,
  kThirtyMinutes,
  kOneHour,
  kOneDay,
  kSevenDays,
  kOneMonth,
  kOneYear,
  kTimeStepCount
};

// Moves the place's clock `time`, whose instant is `utSeconds` (seconds
// since 1970 UT), one step forwards or backwards and turns `timeOffset` (the
// angle some textures are turned by, kept in [0, 360)). Steps shorter than a
// day move the instant, so that the clock shows an hour twice or skips one
// where summer time begins or ends; steps of days, months and years move the
// date and keep the clock time (a time in a gap moves forward). The clock
// follows `rules`. Returns false when the step left 1901-2099: the time is
// then clamped to the nearest end of that range and the animation must stop.
bool AnimationStep(astro::CivilTime& time, std::int64_t& utSeconds, double& timeOffset, int step,
                   bool forward, const sky::ClockRules& rules);

// Days in `month` (1-12; 13 counts as January) of `year`, February having
// 29 days in years divisible by 4 (the Gregorian rule within 1901-2099).
int MonthLength(int month, int year);

}  // namespace ui
