#include "sky/almanac.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/apparent.h"
#include "astro/clock.h"
#include "astro/format.h"
#include "astro/refraction.h"
#include "res/translatable.h"
#include "sky/app_settings.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;

std::string TwoDigits(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

std::string ZoneLetters(const CivilInstant& instant) {
  return instant.Abbreviation.empty() ? UtOffsetText(instant.OffsetSeconds) : instant.Abbreviation;
}

std::string Unless(const std::optional<double>& t, const ClockRules& rules) {
  return t ? IsoTimeText(rules, *t) : std::string();
}

}  // namespace

double JulianDayOfSeconds(std::int64_t utSeconds) {
  return kUnixEpochJulianDay + static_cast<double>(utSeconds) / 86400.0;
}

std::int64_t SecondsOfJulianDay(double utJulianDay) {
  return std::llround((utJulianDay - kUnixEpochJulianDay) * 86400.0);
}

LocalDay LocalDayOf(const ClockRules& rules, int year, int month, int day) {
  const astro::CivilTime midnight{year, month, day, 0, 0, 0};
  const std::int64_t start = ResolveLocalTime(rules, midnight).UtSeconds;
  // The next day's date, through the calendar.
  const astro::CivilTime next = astro::CivilOfSeconds(astro::SecondsOfCivil(midnight) + 86400);
  const std::int64_t end = ResolveLocalTime(rules, next).UtSeconds;
  return {JulianDayOfSeconds(start), JulianDayOfSeconds(end)};
}

std::string ClockTimeText(const ClockRules& rules, double utJulianDay) {
  const std::int64_t seconds = SecondsOfJulianDay(utJulianDay);
  // To the nearest minute (seconds may be negative before 1970).
  const std::int64_t shifted = seconds + 30;
  const std::int64_t rounded = shifted - ((shifted % 60) + 60) % 60;
  const CivilInstant at = CivilTimeAt(rules, rounded);
  return TwoDigits(at.Clock.Hour) + ":" + TwoDigits(at.Clock.Minute) + " " + ZoneLetters(at);
}

std::string ClockTimeTextOn(const ClockRules& rules, double utJulianDay,
                            const astro::CivilTime& day) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::string text = ClockTimeText(rules, utJulianDay);
  // The date of the minute shown, as ClockTimeText rounds.
  const astro::CivilTime c =
      CivilTimeAt(rules, SecondsOfJulianDay(utJulianDay + 30.0 / 86400.0)).Clock;
  if (c.Year == day.Year && c.Month == day.Month && c.Day == day.Day) return text;
  return text + " " + std::to_string(c.Day) + " " + kMonths[(c.Month + 11) % 12];
}

std::string IsoTimeText(const ClockRules& rules, double utJulianDay) {
  const CivilInstant at = CivilTimeAt(rules, SecondsOfJulianDay(utJulianDay));
  const astro::CivilTime& c = at.Clock;
  const int offset = std::abs(at.OffsetSeconds) / 60;
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", c.Year, c.Month,
                c.Day, c.Hour, c.Minute, c.Second, at.OffsetSeconds < 0 ? '-' : '+', offset / 60,
                offset % 60);
  return text;
}

RiseSetTexts RiseSetTextsOf(const astro::DayEvents& e, const ClockRules& rules, bool refraction,
                            const std::optional<astro::CivilTime>& day) {
  RiseSetTexts t;
  const auto clock = [&](double at) {
    return day ? ClockTimeTextOn(rules, at, *day) : ClockTimeText(rules, at);
  };
  const char* none = e.AlwaysAbove ? kAlwaysAbove : e.NeverRises ? kNeverRises : kNotThisDay;
  t.Rise = e.Rise ? clock(*e.Rise) : none;
  t.Set = e.Set ? clock(*e.Set) : none;
  t.Transit = e.Transit ? clock(*e.Transit) : kNotThisDay;
  const auto when = [&e](RiseSetEvent k) {
    const std::optional<double>& at = k == RiseSetEvent::Rise      ? e.Rise
                                      : k == RiseSetEvent::Transit ? e.Transit
                                                                   : e.Set;
    return at.value_or(HUGE_VAL);
  };
  std::stable_sort(std::begin(t.Order), std::end(t.Order),
                   [&when](RiseSetEvent a, RiseSetEvent b) { return when(a) < when(b); });
  if (e.Transit)
    t.TransitAltitude =
        astro::FormatFixed(
            refraction ? astro::ApparentAltitude(e.TransitAltitude) : e.TransitAltitude, 2) +
        "\xC2\xB0";
  t.RiseIso = Unless(e.Rise, rules);
  t.TransitIso = Unless(e.Transit, rules);
  t.SetIso = Unless(e.Set, rules);
  return t;
}

TwilightTexts TwilightTextsOf(const astro::DayEvents& e, const ClockRules& rules) {
  TwilightTexts t;
  if (e.AlwaysAbove) {
    t.Span = STELLIX_TEXT("sky", "Sun always higher");
  } else if (e.NeverRises) {
    t.Span = STELLIX_TEXT("sky", "Sun always lower");
  } else {
    t.Span = (e.Rise ? ClockTimeText(rules, *e.Rise) : std::string("-")) + " - " +
             (e.Set ? ClockTimeText(rules, *e.Set) : std::string("-"));
  }
  t.BeginIso = Unless(e.Rise, rules);
  t.EndIso = Unless(e.Set, rules);
  return t;
}

Observer ObserverOf(const CSkyDoc& doc) {
  Observer o;
  o.Clock = ClockRulesOf(doc.Settings());
  const astro::CivilTime& d = doc.Sky.DocumentTime;
  o.Day = LocalDayOf(o.Clock, d.Year, d.Month, d.Day);
  o.Latitude = doc.Sky.AstroState.Latitude;
  o.Longitude = doc.Sky.AstroState.Longitude;
  o.Refraction = doc.Settings().Refraction != 0;
  return o;
}

Observer NextEventsObserverOf(const CSkyDoc& doc) {
  Observer o = ObserverOf(doc);
  o.Day = {doc.Sky.AstroState.JulianDay, doc.Sky.AstroState.JulianDay + kNextEventsDays};
  return o;
}

astro::DayEvents BodyDayEvents(const Observer& o, int body) {
  return astro::FindDayEvents(astro::BodyTrack(body, o.Latitude, o.Longitude, o.Refraction),
                              o.Day.Start, o.Day.End);
}

astro::DayEvents FixedDayEvents(const Observer& o, double raJ2000, double decJ2000) {
  return astro::FindDayEvents(
      astro::FixedTrack(raJ2000, decJ2000, o.Latitude, o.Longitude, o.Refraction), o.Day.Start,
      o.Day.End);
}

astro::DayEvents TwilightDayEvents(const Observer& o, double depth) {
  return astro::FindDayEvents(astro::SunDepressionTrack(depth, o.Latitude, o.Longitude),
                              o.Day.Start, o.Day.End);
}

astro::SmallBodyPlace SmallBodyPlaceAtUt(const catalog::SmallBodyElements& body, double ut,
                                         const astro::AstroState& state) {
  const double tt = ut + state.DeltaT / 86400.0;
  const double centre[3] = {0.0, 0.0, 0.0};
  return astro::SmallBodyPlaceAt(body.Orbit, tt, astro::EarthMotionAt(tt), centre,
                                 state.Precession);
}

astro::DayEvents SmallBodyDayEvents(const Observer& o, const catalog::SmallBodyElements& body,
                                    const astro::AstroState& state) {
  const astro::Track track = [&body, &state, o](double ut) {
    const astro::SmallBodyPlace at = SmallBodyPlaceAtUt(body, ut, state);
    const astro::BodyPlace p = astro::FixedPlaceAt(
        at.Aberrated.RightAscension, at.Aberrated.Declination, ut, o.Latitude, o.Longitude);
    return astro::TrackPoint{p.Altitude, p.HourAngle, astro::StarRiseAltitude(o.Refraction)};
  };
  return astro::FindDayEvents(track, o.Day.Start, o.Day.End);
}

}  // namespace sky
