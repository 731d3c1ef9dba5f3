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
  std::string Rise, Set;  // clock times (planets; also the others' rise and set)
  std::string Best;       // planets: the clock time when highest in the night
  double Altitude = 0.0;  // degrees, at Best (planets) or at the chosen hour
  double Azimuth = 0.0;   // degrees from the north through the east, the same instant
  double RaJ2000 = 0.0, DecJ2000 = 0.0;  // hours, degrees: the place to centre
  double Instant = 0.0;                  // UT Julian day of Best or of the chosen hour
  int Body = -1;  // the planet's index in the Bodies table; -1 for the others
};

struct Tonight {
  LocalDay Night;        // from noon of the date shown to noon of the next day
  double Hour = 0.0;     // the chosen hour, UT Julian day
  std::string HourText;  // its clock time
  std::string Sunset, CivilDusk, NauticalDusk, AstronomicalDusk;  // clock times or texts
  std::string AstronomicalDawn, Sunrise;
  std::string Moonrise, Moonset, MoonPhase, MoonIlluminated;
  std::string DarkHours;  // "21:10 CET - 02:45 CET (5 h 35 min)", or "none"
  double DarkMinutes = 0.0;
  std::vector<TonightRow> Planets;  // Mercury to Neptune
  std::vector<TonightRow> Objects;  // above kTonightAltitude at Hour, brightest first
};

// The altitude above which the objects of the list stand at the chosen hour.
constexpr double kTonightAltitude = 30.0;
// At most this many deep-sky objects and this many named stars.
constexpr int kTonightObjects = 20;

// The default hour of the night `night` (its Day from noon to noon): the end
// of the astronomical twilight, or 22:00 by the clock where the Sun does not
// go that low.
double DefaultTonightHour(const Observer& night, const astro::DayEvents& astronomical);

// The date of the evening a night begins on: the clock's date from noon on,
// the day before until noon (02:00 on the 10th belongs to the night of the 9th).
astro::CivilTime EveningOf(const astro::CivilTime& clock);

// The night after the document's evening (EveningOf) at its place, the objects taken at
// `hour` (UT Julian day), or at the default hour when none is given.
Tonight TonightOf(const CSkyDoc& doc, std::optional<double> hour = std::nullopt);

// The night as one JSON object (the `--almanac` output).
std::string TonightJson(const Tonight& tonight);

}  // namespace sky
