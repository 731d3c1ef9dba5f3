// Civil dates as a count of seconds, and what the computer's own clock says.
#pragma once

#include <cstdint>

#include "astro/astro_state.h"

namespace astro {

// Seconds from 1970-01-01 00:00:00 to `time` read on the same clock
// (proleptic Gregorian calendar, no leap seconds); a day past the end of its
// month counts on into the next. H. Hinnant, "chrono-Compatible Low-Level
// Date Algorithms" (days_from_civil).
std::int64_t SecondsOfCivil(const CivilTime& time);
// The civil date and time `seconds` after 1970-01-01 00:00:00 (civil_from_days).
CivilTime CivilOfSeconds(std::int64_t seconds);

// True when the computer's own time zone (the C library's, TZ included)
// keeps summer time at the instant `utSeconds` (seconds since 1970 UT).
bool IsComputerSummerTime(std::int64_t utSeconds);

}  // namespace astro
