// The night ahead at the observer's place: the evening's sunset and the
// ends of the twilights, the Moon, the dark hours without it, the planets,
// and the brightest deep-sky objects and named stars high in the sky at an
// hour the user picks. The "Tonight" window and `stellix --almanac` show it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sky/almanac.h"

class CSkyDoc;

namespace sky {

// One line of the lists.
struct TonightRow {
  std::string Name;  // "Jupiter", "Vega", "M 31 Andromeda Galaxy"
  std::string Kind;  // "Planet", "Star", or the deep-sky object's type
  double Magnitude = 0.0;
  std::string Rise, Set;                // clock times (planets; also the others' rise and set)
  std::optional<double> RiseAt, SetAt;  // their instants, UT Julian days
  std::string Best;                     // planets: the clock time when highest in the night
  double Altitude = 0.0;                // degrees, at Best (planets) or at the chosen hour
  double Azimuth = 0.0;                 // degrees from the north through the east, the same instant
  double RaJ2000 = 0.0, DecJ2000 = 0.0;  // hours, degrees: the place to centre
  double Instant = 0.0;                  // UT Julian day of Best or of the chosen hour
  int Body = -1;       // the planet's index in the Bodies table; -1 for the others
  int SmallBody = -1;  // a comet's or minor planet's index in Catalogues.SmallBodies; else -1
};

struct Tonight {
  astro::CivilTime Evening;  // the date the night begins on, by the place's clock
  LocalDay Night;            // from noon of that date to noon of the next day
  double Hour = 0.0;         // the chosen hour, UT Julian day
  std::string HourText;      // its clock time
  std::string Sunset, CivilDusk, NauticalDusk, AstronomicalDusk;  // clock times or texts
  std::string AstronomicalDawn, Sunrise;
  std::string Moonrise, Moonset, MoonPhase;
  double MoonIlluminated = 0.0;  // at Hour
  // The instants of the texts above, UT Julian days, where there are such events.
  std::optional<double> SunsetAt, CivilDuskAt, NauticalDuskAt, AstronomicalDuskAt,
      AstronomicalDawnAt, SunriseAt, MoonriseAt, MoonsetAt;
  std::string DarkHours;  // "21:10 CET - 02:45 CET (5 h 35 min)", or "none"
  std::vector<std::pair<double, double>> DarkSpans;  // from, to: UT Julian days
  double DarkMinutes = 0.0;
  std::vector<TonightRow> Planets;  // Mercury to Neptune, those above the horizon in the night
  // Deep-sky objects, named stars, and comets and minor planets as bright as
  // their layer's limit (AppSettings::SmallBodyMagnitudeLimit), at least
  // kTonightAltitude high at Hour, brightest first.
  std::vector<TonightRow> Objects;
};

// The altitude above which the objects of the list stand at the chosen hour.
constexpr double kTonightAltitude = 30.0;
// At most this many deep-sky objects, named stars, and comets and minor planets.
constexpr int kTonightObjects = 20;

// The default hour of the night `night` (its Day from noon to noon): the end
// of the astronomical twilight, or 22:00 by the clock where the Sun does not
// go that low.
double DefaultTonightHour(const Observer& night, const astro::DayEvents& astronomical);

// The date of the evening a night begins on: the clock's date from noon on,
// the day before until noon (02:00 on the 10th belongs to the night of the 9th).
astro::CivilTime EveningOf(const astro::CivilTime& clock);

// The night beginning on the evening of `evening`'s date at the document's
// place, the objects taken at `hour` (UT Julian day), or at the default hour
// when none is given.
Tonight NightOf(const CSkyDoc& doc, const astro::CivilTime& evening,
                std::optional<double> hour = std::nullopt);
// The night the document's instant belongs to (EveningOf).
Tonight TonightOf(const CSkyDoc& doc, std::optional<double> hour = std::nullopt);

// The night as one JSON object (the `--almanac` output): "date" (the
// evening's, "2026-12-10"), the clock texts of the events with, for each,
// its full date-time (ISO 8601 with the offset, key + "Iso", empty where
// there is no such event), "darkSpans" as [from, to] pairs of such
// date-times, and the lists' rows with "riseIso", "setIso" and "bestIso"
// (the planets' best hour, the others' chosen hour).
std::string TonightJson(const Tonight& tonight, const ClockRules& rules);

}  // namespace sky
