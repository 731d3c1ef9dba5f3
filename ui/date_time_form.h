// The date/time dialog without its window: what it tells of the clock time set.
#pragma once

#include <string>

#include "astro/astro_state.h"
#include "sky/civil_time.h"

namespace ui {

struct ClockPreview {
  std::string Offset;  // the offset in force: "CEST, UT+2"
  std::string Change;  // what a change of summer time makes of the time; empty when nothing
  bool SummerTime = false;
};

// For the clock time `time` of a place with `rules` (its daylight-saving
// option replaced by `summerTimeOption`, which counts only without a zone):
// the offset in force, and for a time that a change of summer time skips or
// repeats, which instant it is read as.
ClockPreview PreviewClock(sky::ClockRules rules, bool summerTimeOption,
                          const astro::CivilTime& time);

}  // namespace ui
