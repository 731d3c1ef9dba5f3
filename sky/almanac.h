// A day at the observer's place: when each object rises, culminates and
// sets by the place's clock, and the Sun's twilights; the texts the cards
// and `stellix --info` show of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "astro/astro_state.h"
#include "astro/rise_set.h"
#include "astro/small_body.h"
#include "catalog/mpc_elements.h"
#include "res/translatable.h"
#include "sky/civil_time.h"

class CSkyDoc;

namespace sky {

// UT Julian day <-> seconds since 1970-01-01 00:00 UT.
double JulianDayOfSeconds(std::int64_t utSeconds);
std::int64_t SecondsOfJulianDay(double utJulianDay);

// The place's day `year`-`month`-`day`: from its clock's midnight to the
// next (UT Julian days), 23 or 25 hours long on a day the clocks change.
struct LocalDay {
  double Start = 0.0, End = 0.0;
};
LocalDay LocalDayOf(const ClockRules& rules, int year, int month, int day);

// The place's clock at an instant to the nearest minute, with the zone's
// letters, or its offset where it has none: "06:12 CET", "18:40 UT+5:45".
std::string ClockTimeText(const ClockRules& rules, double utJulianDay);
// The clock time as ClockTimeText, with the place's date after it when that
// is not `day`'s: "09:28 CET 10 Dec".
std::string ClockTimeTextOn(const ClockRules& rules, double utJulianDay,
                            const astro::CivilTime& day);
// ISO 8601 with the offset in force, to the second: "2026-12-09T06:12:33+01:00".
std::string IsoTimeText(const ClockRules& rules, double utJulianDay);

// The texts of an object's day.
inline constexpr const char* kAlwaysAbove = STELLIX_TEXT("sky", "always above the horizon");
inline constexpr const char* kNeverRises = STELLIX_TEXT("sky", "never rises");
inline constexpr const char* kNotThisDay = STELLIX_TEXT("sky", "not this day");
enum class RiseSetEvent { Rise, Transit, Set };
struct RiseSetTexts {
  std::string Rise, Transit, Set;           // clock times, or one of the three texts above
  std::string TransitAltitude;              // "52.31°", empty without a transit
  std::string RiseIso, TransitIso, SetIso;  // empty where there is no such event
  // The three in time order, those that do not happen last.
  RiseSetEvent Order[3] = {RiseSetEvent::Rise, RiseSetEvent::Transit, RiseSetEvent::Set};
};
// `refraction`: the transit altitude is the apparent one. With `day`, the
// clock times carry their date when it is not that day's (ClockTimeTextOn).
RiseSetTexts RiseSetTextsOf(const astro::DayEvents& events, const ClockRules& rules,
                            bool refraction, const std::optional<astro::CivilTime>& day = {});

// One twilight: "05:12 CET - 16:40 CET" (dawn to dusk), with "Sun always
// higher" or "Sun always lower" where the Sun does not cross that depth.
struct TwilightTexts {
  std::string Span;
  std::string BeginIso, EndIso;  // dawn and dusk, empty where none
};
TwilightTexts TwilightTextsOf(const astro::DayEvents& events, const ClockRules& rules);

// The document's day and place: the date shown, the place's latitude and
// longitude (west positive), its clock and the refraction switch.
struct Observer {
  LocalDay Day;
  double Latitude = 0.0, Longitude = 0.0;
  ClockRules Clock;
  bool Refraction = false;
};
Observer ObserverOf(const CSkyDoc& doc);
// The same observer looking ahead from the document's instant: Day runs from
// it to kNextEventsDays later, so that the events found are the next rising,
// transit and setting, whatever the date (the Moon's day is the longest).
constexpr double kNextEventsDays = 26.0 / 24.0;
Observer NextEventsObserverOf(const CSkyDoc& doc);

// Events of a body of the Bodies table, of a fixed J2000 place (hours,
// degrees), and of the Sun at a twilight's depth (degrees), on the
// observer's day.
astro::DayEvents BodyDayEvents(const Observer& o, int body);
astro::DayEvents FixedDayEvents(const Observer& o, double raJ2000, double decJ2000);
astro::DayEvents TwilightDayEvents(const Observer& o, double depth);

// A comet's or minor planet's geocentric place at `ut` (UT Julian day) with
// the Delta T and the matrix of date of `state`, which change too little in
// a day or two to matter: what its rising and setting follow.
astro::SmallBodyPlace SmallBodyPlaceAtUt(const catalog::SmallBodyElements& body, double ut,
                                         const astro::AstroState& state);
// Its events on the observer's day, its place moving with it through the
// day (the parallax left out, as for a fixed place).
astro::DayEvents SmallBodyDayEvents(const Observer& o, const catalog::SmallBodyElements& body,
                                    const astro::AstroState& state);

}  // namespace sky
