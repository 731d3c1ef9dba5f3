// The date and time given on the command line.
#pragma once

#include <optional>
#include <string_view>

#include "astro/astro_state.h"

namespace astro {

// A date and time as written: the place's clock time, or an instant when
// an offset from UT was written with it.
struct DateTimeArgument {
  DateTimeArgument() = default;
  // The place's clock time `time`.
  DateTimeArgument(const CivilTime& time) : Time(time) {}  // NOLINT(google-explicit-constructor)
  CivilTime Time;
  // Seconds ahead of UT of `Time` ("Z" 0, "+05:45" 20700); none for the place's own clock.
  std::optional<int> UtOffsetSeconds;
};

// "YYYY-MM-DD" (00:00:00 of that day), "YYYY-MM-DDTHH:MM:SS", or that
// followed by "Z" or an offset "+HH:MM", "-HH:MM", "+HHMM" or "+HH" (hours
// 0-14, minutes 0-59): an ISO 8601 instant. Digits only; a real calendar
// date within 1901-01-01 .. 2099-12-31, hours 0-23, minutes and seconds
// 0-59. Anything else gives nullopt.
std::optional<DateTimeArgument> ParseDateTime(std::string_view text);

}  // namespace astro
