// Civil time as a place keeps it: the offset from UT of its clock at any
// instant, from the time zones of the system's tzdata (through Qt Core), or
// for a place typed by hand from its standard offset and the daylight-saving
// option. The only part of the window-free code that uses Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "astro/astro_state.h"

namespace sky {

// How a place's clock runs.
struct ClockRules {
  // IANA name ("Europe/Warsaw"); empty for a place typed by hand.
  std::string ZoneId;
  // Without a zone: hours ahead of UT outside summer time, and whether the
  // clock keeps summer time whenever the computer's own zone does.
  double StandardOffset = 0.0;
  bool SummerTimeOption = false;
  friend bool operator==(const ClockRules&, const ClockRules&) = default;
};

// What a clock time turned out to be at a change of summer time.
enum class ClockChange {
  None,
  Gap,       // the time does not exist (clocks sprang forward): moved forward by the gap
  Repeated,  // the time came twice (clocks fell back): the first occurrence is meant
};

// A clock time of a place and the instant it names.
struct CivilInstant {
  std::int64_t UtSeconds = 0;  // seconds since 1970-01-01 00:00 UT
  int OffsetSeconds = 0;       // ahead of UT, in force at the instant
  astro::CivilTime Clock;      // the place's clock then (a time in a gap moved forward)
  ClockChange Change = ClockChange::None;
  int GapSeconds = 0;        // how far a time in a gap was moved forward
  bool SummerTime = false;   // summer (daylight-saving) time in force
  std::string Abbreviation;  // the zone's letters ("CEST", "EDT"); empty when it has none
};

// Whether the system's tzdata knows the zone `id`.
bool IsKnownTimeZone(std::string_view id);

// The instant of the clock time `time` at a place: with a zone, the zone's
// offset then, with its history; a time in the spring-forward gap moves
// forward by the gap, as clocks do, and a repeated autumn time means its
// first occurrence. Without a zone, or with one tzdata does not know, the
// standard offset, one hour more when the option is on and the computer's
// own zone keeps summer time at that instant.
CivilInstant ResolveLocalTime(const ClockRules& rules, const astro::CivilTime& time);

// The place's clock at the instant `utSeconds` (seconds since 1970 UT).
CivilInstant CivilTimeAt(const ClockRules& rules, std::int64_t utSeconds);

// "UT+2", "UT-3:30", "UT+5:45", "UT+0".
std::string UtOffsetText(int offsetSeconds);
// "CEST, UT+2", or "UT+5:45" where the zone has no letters of its own.
std::string ZoneText(const CivilInstant& instant);

}  // namespace sky
