#include "sky/tonight.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/angles.h"
#include "astro/clock.h"
#include "astro/format.h"
#include "astro/json.h"
#include "astro/moon_phase.h"
#include "astro/refraction.h"
#include "astro/transforms.h"
#include "catalog/builtin_tables.h"
#include "res/strings.h"
#include "res/translatable.h"
#include "sky/app_settings.h"
#include "sky/object_info.h"
#include "sky/sky_doc.h"
#include "sky/small_bodies.h"

namespace sky {
namespace {

std::string TimeOr(const std::optional<double>& t, const ClockRules& rules,
                   const astro::CivilTime& evening, const char* none) {
  return t ? ClockTimeTextOn(rules, *t, evening) : std::string(none);
}

std::string Trim(const char* text, std::size_t size) {
  std::string s(text, strnlen(text, size));
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(s.begin());
  return s;
}

// Altitude as shown (apparent with refraction) and azimuth from the north.
void Horizon(const astro::BodyPlace& p, double latitude, bool refraction, double& altitude,
             double& azimuth) {
  altitude = refraction ? astro::ApparentAltitude(p.Altitude) : p.Altitude;
  const double h = p.HourAngle / astro::kRadToDeg, d = p.OfDate.Declination / astro::kRadToDeg,
               f = latitude / astro::kRadToDeg;
  azimuth = astro::NorthEastFromSouthWest(
      std::atan2(std::sin(h), std::cos(h) * std::sin(f) - std::tan(d) * std::cos(f)) *
      astro::kRadToDeg);
}

// The rise and the set that bound an object's time above the horizon in the
// night (sunset to sunrise): of the noon-to-noon day's, a set before the night
// of an object that rises later in it gives way to the set after that rise,
// and a rise after the night of one that set in it to the rise before that
// set. `eventsOf` gives the events of an observer's day.
template <typename EventsOf>
void RiseAndSetOfTheNight(const Observer& o, double sunset, double sunrise,
                          const EventsOf& eventsOf, astro::DayEvents& e) {
  if (!e.Rise || !e.Set) return;
  Observer around = o;
  if (*e.Set < *e.Rise && *e.Set < sunset) {
    around.Day = {*e.Rise, *e.Rise + 1.0};
    e.Set = eventsOf(around).Set;
  } else if (*e.Rise > *e.Set && *e.Rise > sunrise) {
    around.Day = {*e.Set - 1.0, *e.Set};
    e.Rise = eventsOf(around).Rise;
  }
}

}  // namespace

astro::CivilTime EveningOf(const astro::CivilTime& clock) {
  const astro::CivilTime date{clock.Year, clock.Month, clock.Day, 0, 0, 0};
  return clock.Hour >= 12 ? date : astro::CivilOfSeconds(astro::SecondsOfCivil(date) - 86400);
}

double DefaultTonightHour(const Observer& night, const astro::DayEvents& astronomical) {
  if (astronomical.Set) return *astronomical.Set;
  const CivilInstant noon = CivilTimeAt(night.Clock, SecondsOfJulianDay(night.Day.Start));
  astro::CivilTime ten = noon.Clock;
  ten.Hour = 22;
  ten.Minute = ten.Second = 0;
  return JulianDayOfSeconds(ResolveLocalTime(night.Clock, ten).UtSeconds);
}

Tonight TonightOf(const CSkyDoc& doc, std::optional<double> hour) {
  return NightOf(doc, EveningOf(doc.Sky.DocumentTime), hour);
}

Tonight NightOf(const CSkyDoc& doc, const astro::CivilTime& evening, std::optional<double> hour) {
  Observer o = ObserverOf(doc);
  const astro::CivilTime d{evening.Year, evening.Month, evening.Day, 0, 0, 0};
  const std::int64_t noonSeconds = astro::SecondsOfCivil({d.Year, d.Month, d.Day, 12, 0, 0});
  o.Day = {
      JulianDayOfSeconds(ResolveLocalTime(o.Clock, astro::CivilOfSeconds(noonSeconds)).UtSeconds),
      JulianDayOfSeconds(
          ResolveLocalTime(o.Clock, astro::CivilOfSeconds(noonSeconds + 86400)).UtSeconds)};
  Tonight t;
  t.Evening = d;
  t.Night = o.Day;
  const ClockRules& c = o.Clock;

  const astro::DayEvents sun = BodyDayEvents(o, astro::kSun);
  const astro::DayEvents civil = TwilightDayEvents(o, astro::kCivilTwilight);
  const astro::DayEvents nautical = TwilightDayEvents(o, astro::kNauticalTwilight);
  const astro::DayEvents astronomical = TwilightDayEvents(o, astro::kAstronomicalTwilight);
  const auto none = [](const astro::DayEvents& e) {
    return e.AlwaysAbove  ? STELLIX_TEXT("sky", "Sun always higher")
           : e.NeverRises ? STELLIX_TEXT("sky", "Sun always lower")
                          : kNotThisDay;
  };
  t.Sunset = TimeOr(sun.Set, c, d,
                    sun.AlwaysAbove  ? kAlwaysAbove
                    : sun.NeverRises ? kNeverRises
                                     : kNotThisDay);
  t.Sunrise = TimeOr(sun.Rise, c, d,
                     sun.AlwaysAbove  ? kAlwaysAbove
                     : sun.NeverRises ? kNeverRises
                                      : kNotThisDay);
  t.CivilDusk = TimeOr(civil.Set, c, d, none(civil));
  t.NauticalDusk = TimeOr(nautical.Set, c, d, none(nautical));
  t.AstronomicalDusk = TimeOr(astronomical.Set, c, d, none(astronomical));
  t.AstronomicalDawn = TimeOr(astronomical.Rise, c, d, none(astronomical));
  t.SunsetAt = sun.Set;
  t.SunriseAt = sun.Rise;
  t.CivilDuskAt = civil.Set;
  t.NauticalDuskAt = nautical.Set;
  t.AstronomicalDuskAt = astronomical.Set;
  t.AstronomicalDawnAt = astronomical.Rise;

  const astro::Track moonTrack =
      astro::BodyTrack(astro::kMoon, o.Latitude, o.Longitude, o.Refraction);
  const astro::DayEvents moon = astro::FindDayEvents(moonTrack, o.Day.Start, o.Day.End);
  const char* moonNone = moon.AlwaysAbove  ? kAlwaysAbove
                         : moon.NeverRises ? kNeverRises
                                           : kNotThisDay;
  t.Moonrise = TimeOr(moon.Rise, c, d, moonNone);
  t.Moonset = TimeOr(moon.Set, c, d, moonNone);
  t.MoonriseAt = moon.Rise;
  t.MoonsetAt = moon.Set;
  t.Hour = hour.value_or(DefaultTonightHour(o, astronomical));
  t.HourText = ClockTimeTextOn(c, t.Hour, d);
  t.MoonPhase = astro::MoonPhaseName(astro::MoonElongation(t.Hour));
  t.MoonIlluminated = astro::MoonIlluminatedFraction(t.Hour);

  // The dark hours: from the end of the evening's astronomical twilight to
  // its start in the morning, less the time the Moon is up.
  const double darkStart = astronomical.Set.value_or(o.Day.Start);
  const double darkEnd = astronomical.Rise.value_or(o.Day.End);
  const bool dark = astronomical.NeverRises ||
                    (astronomical.Set && (!astronomical.Rise || *astronomical.Rise > darkStart));
  std::vector<std::pair<double, double>> spans;
  if (dark) {
    const astro::TrackPoint first = moonTrack(darkStart);
    bool up = first.Altitude > first.Threshold;
    double from = darkStart;
    std::vector<std::pair<double, bool>> changes;  // instant, up after it
    if (moon.Rise && *moon.Rise > darkStart && *moon.Rise < darkEnd)
      changes.push_back({*moon.Rise, true});
    if (moon.Set && *moon.Set > darkStart && *moon.Set < darkEnd)
      changes.push_back({*moon.Set, false});
    std::sort(changes.begin(), changes.end());
    for (const auto& [at, upAfter] : changes) {
      if (!up && upAfter) spans.push_back({from, at});
      if (up && !upAfter) from = at;
      up = upAfter;
    }
    if (!up) spans.push_back({from, darkEnd});
  }
  t.DarkSpans = spans;
  for (const auto& [from, to] : spans) {
    if (!t.DarkHours.empty()) t.DarkHours += ", ";
    t.DarkHours += ClockTimeTextOn(c, from, d) + " - " + ClockTimeTextOn(c, to, d);
    t.DarkMinutes += (to - from) * 1440.0;
  }
  if (t.DarkHours.empty()) {
    t.DarkHours = STELLIX_TEXT("sky", "none");
  } else {
    const int minutes = static_cast<int>(std::lround(t.DarkMinutes));
    t.DarkHours +=
        " (" + std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min)";
  }

  // The planets: highest between the nautical twilights (or sunset and
  // sunrise, or through the whole night where the Sun stays up).
  const double from = nautical.Set.value_or(sun.Set.value_or(o.Day.Start));
  const double to = std::max(from, nautical.Rise.value_or(sun.Rise.value_or(o.Day.End)));
  const double sunset = sun.Set.value_or(o.Day.Start), sunrise = sun.Rise.value_or(o.Day.End);
  for (const astro::Body planet : astro::kMajorPlanets) {
    const int body = astro::Index(planet);
    astro::DayEvents e = BodyDayEvents(o, body);
    RiseAndSetOfTheNight(
        o, sunset, sunrise, [body](const Observer& at) { return BodyDayEvents(at, body); }, e);
    TonightRow row;
    row.Name = std::string(res::String(res::IDS_BODY_NAME_FIRST + body));
    row.Kind = STELLIX_TEXT("sky", "Planet");
    row.Body = body;
    const char* noneHere = e.AlwaysAbove ? kAlwaysAbove : e.NeverRises ? kNeverRises : kNotThisDay;
    row.Rise = TimeOr(e.Rise, c, d, noneHere);
    row.Set = TimeOr(e.Set, c, d, noneHere);
    row.RiseAt = e.Rise;
    row.SetAt = e.Set;
    double best = from;
    double bestAltitude = -90.0;
    const auto consider = [&](double at) {
      const astro::BodyPlace p = astro::BodyPlaceAt(body, at, o.Latitude, o.Longitude);
      if (p.Altitude > bestAltitude) {
        bestAltitude = p.Altitude;
        best = at;
      }
    };
    consider(from);
    consider(to);
    if (e.Transit && *e.Transit > from && *e.Transit < to) consider(*e.Transit);
    const astro::BodyPlace p = astro::BodyPlaceAt(body, best, o.Latitude, o.Longitude);
    Horizon(p, o.Latitude, o.Refraction, row.Altitude, row.Azimuth);
    row.Best = ClockTimeTextOn(c, best, d);
    row.Instant = best;
    row.RaJ2000 = doc.Sky.Bodies[body].RaJ2000;
    row.DecJ2000 = doc.Sky.Bodies[body].DecJ2000;
    row.Magnitude = PlanetFiguresOf(doc, body).Magnitude;
    // A planet below the horizon the whole night is not one of the night's.
    if (row.Altitude >= 0.0) t.Planets.push_back(row);
  }

  // Deep-sky objects, named stars, comets and minor planets high at the
  // chosen hour, brightest first.
  const auto high = [&](double ra, double dec, TonightRow& row) {
    const astro::BodyPlace p = astro::FixedPlaceAt(ra, dec, t.Hour, o.Latitude, o.Longitude);
    Horizon(p, o.Latitude, o.Refraction, row.Altitude, row.Azimuth);
    row.RaJ2000 = ra;
    row.DecJ2000 = dec;
    row.Instant = t.Hour;
    return row.Altitude >= kTonightAltitude;
  };
  std::vector<TonightRow> deepSky, stars;
  for (int i = 0; i < kDeepSkyCount; ++i) {
    const DeepSkyRecord& object = doc.Sky.DeepSkyObjects[i];
    if (object.Number == 0) continue;
    TonightRow row;
    if (!high(object.RightAscension, object.Declination, row)) continue;
    const std::string name = Trim(object.Name, sizeof object.Name);
    row.Name = (catalog::IsMessierIndex(i) ? "M " : "NGC ") + std::to_string(object.Number) +
               (name.empty() || name == "*" ? "" : " " + name);
    for (const catalog::DeepSkyTypeCode& code : catalog::kDeepSkyTypeCodes)
      if (catalog::DeepSkyTypeOf(object.Type) == code.Type)
        row.Kind = std::string(res::String(code.NameStringId));
    row.Magnitude = object.Magnitude;
    deepSky.push_back(row);
  }
  for (const StarNameRecord& name : doc.Sky.ProperNames) {
    const StarRecord* star = std::find_if(std::begin(doc.Sky.Stars), std::end(doc.Sky.Stars),
                                          [&](const StarRecord& s) { return s.HR == name.HR; });
    if (name.HR == 0 || star == std::end(doc.Sky.Stars)) continue;
    TonightRow row;
    if (!high(star->RightAscension, star->Declination, row)) continue;
    row.Name = Trim(name.Name, sizeof name.Name);
    row.Kind = STELLIX_TEXT("sky", "Star");
    row.Magnitude = star->Magnitude;
    stars.push_back(row);
  }
  // Comets and minor planets as bright as their layer's limit, where they
  // are at the chosen hour.
  std::vector<TonightRow> smallBodies;
  for (const SmallBodyState& shown : doc.Sky.SmallBodies) {
    const catalog::SmallBodyElements& body = doc.Catalogues.SmallBodies[shown.Index];
    const astro::SmallBodyPlace at = SmallBodyPlaceAtUt(body, t.Hour, doc.Sky.AstroState);
    TonightRow row;
    if (!high(at.Aberrated.RightAscension, at.Aberrated.Declination, row)) continue;
    row.Name = SmallBodyName(body);
    row.Kind = body.Comet ? STELLIX_TEXT("sky", "Comet") : STELLIX_TEXT("sky", "Minor planet");
    row.Magnitude = shown.Magnitude;
    row.SmallBody = shown.Index;
    smallBodies.push_back(row);
  }
  const auto brightest = [](std::vector<TonightRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const TonightRow& a, const TonightRow& b) {
      return a.Magnitude < b.Magnitude;
    });
    if (rows.size() > static_cast<std::size_t>(kTonightObjects)) rows.resize(kTonightObjects);
  };
  brightest(deepSky);
  brightest(stars);
  brightest(smallBodies);
  for (std::vector<TonightRow>* list : {&deepSky, &stars, &smallBodies}) {
    for (TonightRow& row : *list) {
      // A comet's or minor planet's rising and setting follow its motion.
      const auto eventsOf = [&row, &doc](const Observer& at) {
        return row.SmallBody >= 0
                   ? SmallBodyDayEvents(at, doc.Catalogues.SmallBodies[row.SmallBody],
                                        doc.Sky.AstroState)
                   : FixedDayEvents(at, row.RaJ2000, row.DecJ2000);
      };
      astro::DayEvents e = eventsOf(o);
      RiseAndSetOfTheNight(o, sunset, sunrise, eventsOf, e);
      const char* noneHere = e.AlwaysAbove  ? kAlwaysAbove
                             : e.NeverRises ? kNeverRises
                                            : kNotThisDay;
      row.Rise = TimeOr(e.Rise, c, d, noneHere);
      row.Set = TimeOr(e.Set, c, d, noneHere);
      row.RiseAt = e.Rise;
      row.SetAt = e.Set;
      t.Objects.push_back(row);
    }
  }
  std::stable_sort(
      t.Objects.begin(), t.Objects.end(),
      [](const TonightRow& a, const TonightRow& b) { return a.Magnitude < b.Magnitude; });
  return t;
}

std::string TonightJson(const Tonight& t, const ClockRules& rules) {
  const auto iso = [&rules](const std::optional<double>& at) {
    return astro::JsonString(at ? IsoTimeText(rules, *at) : std::string());
  };
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", t.Evening.Year, t.Evening.Month,
                t.Evening.Day);
  astro::JsonObject out;
  out.AddString("hour", t.HourText)
      .AddString("sunset", t.Sunset)
      .AddString("civilDusk", t.CivilDusk)
      .AddString("nauticalDusk", t.NauticalDusk)
      .AddString("astronomicalDusk", t.AstronomicalDusk)
      .AddString("astronomicalDawn", t.AstronomicalDawn)
      .AddString("sunrise", t.Sunrise)
      .AddString("moonrise", t.Moonrise)
      .AddString("moonset", t.Moonset)
      .AddString("moonPhase", t.MoonPhase)
      .Add("moonIlluminated", astro::JsonFixed(t.MoonIlluminated, 2))
      .AddString("darkHours", t.DarkHours)
      .AddString("date", date)
      .Add("hourIso", iso(t.Hour))
      .Add("sunsetIso", iso(t.SunsetAt))
      .Add("civilDuskIso", iso(t.CivilDuskAt))
      .Add("nauticalDuskIso", iso(t.NauticalDuskAt))
      .Add("astronomicalDuskIso", iso(t.AstronomicalDuskAt))
      .Add("astronomicalDawnIso", iso(t.AstronomicalDawnAt))
      .Add("sunriseIso", iso(t.SunriseAt))
      .Add("moonriseIso", iso(t.MoonriseAt))
      .Add("moonsetIso", iso(t.MoonsetAt));
  astro::JsonArray spans;
  for (const auto& [from, to] : t.DarkSpans)
    spans.Add(astro::JsonArray().Add(iso(from)).Add(iso(to)).Text());
  out.Add("darkSpans", spans.Text());
  const auto rows = [&iso](const std::vector<TonightRow>& list, bool planets) {
    astro::JsonArray array;
    for (const TonightRow& r : list) {
      astro::JsonObject row;
      row.AddString("name", r.Name)
          .AddString("kind", r.Kind)
          .Add("magnitude", astro::JsonFixed(r.Magnitude, 2))
          .AddString("rise", r.Rise)
          .AddString("set", r.Set);
      if (planets) row.AddString("best", r.Best);
      row.Add("altitude", astro::JsonFixed(r.Altitude, 1))
          .Add("azimuth", astro::JsonFixed(r.Azimuth, 1))
          .Add("riseIso", iso(r.RiseAt))
          .Add("setIso", iso(r.SetAt))
          .Add("bestIso", iso(r.Instant));
      array.Add(row.Text());
    }
    return array.Text();
  };
  return out.Add("planets", rows(t.Planets, true)).Add("objects", rows(t.Objects, false)).Text();
}

}  // namespace sky
