// The date and time given on the command line.
#pragma once

#include <optional>
#include <string_view>

#include "astro/astro_state.h"

namespace astro {

// Local civil time from exactly "YYYY-MM-DDTHH:MM:SS" (digits only, no sign,
// no zone): a real calendar date within 1901-01-01 .. 2099-12-31, hours 0-23,
// minutes and seconds 0-59. Anything else gives nullopt.
std::optional<CivilTime> ParseDateTime(std::string_view text);

}  // namespace astro
