#include "sky/tonight.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "astro/angles.h"
#include "astro/clock.h"
#include "astro/format.h"
#include "astro/moon_phase.h"
#include "astro/refraction.h"
#include "catalog/builtin_tables.h"
#include "res/strings.h"
#include "sky/app_settings.h"
#include "sky/object_info.h"
#include "sky/sky_doc.h"

namespace sky {
namespace {

std::string TimeOr(const std::optional<double>& t, const ClockRules& rules, const char* none) {
  return t ? ClockTimeText(rules, *t) : std::string(none);
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
  azimuth = astro::Normalize360(
      std::atan2(std::sin(h), std::cos(h) * std::sin(f) - std::tan(d) * std::cos(f)) *
          astro::kRadToDeg +
      180.0);
}

std::string JsonText(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

// FormatFixed pads short numbers with blanks; JSON wants none.
std::string Number(double x, int decimals) {
  std::string s = astro::FormatFixed(x, decimals);
  s.erase(0, s.find_first_not_of(' '));
  return s;
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
  Observer o = ObserverOf(doc);
  const astro::CivilTime d = EveningOf(doc.DocumentTime);
  const std::int64_t noonSeconds = astro::SecondsOfCivil({d.Year, d.Month, d.Day, 12, 0, 0});
  o.Day = {
      JulianDayOfSeconds(ResolveLocalTime(o.Clock, astro::CivilOfSeconds(noonSeconds)).UtSeconds),
      JulianDayOfSeconds(
          ResolveLocalTime(o.Clock, astro::CivilOfSeconds(noonSeconds + 86400)).UtSeconds)};
  Tonight t;
  t.Night = o.Day;
  const ClockRules& c = o.Clock;

  const astro::DayEvents sun = BodyDayEvents(o, astro::kSun);
  const astro::DayEvents civil = TwilightDayEvents(o, astro::kCivilTwilight);
  const astro::DayEvents nautical = TwilightDayEvents(o, astro::kNauticalTwilight);
  const astro::DayEvents astronomical = TwilightDayEvents(o, astro::kAstronomicalTwilight);
  const auto none = [](const astro::DayEvents& e) {
    return e.AlwaysAbove ? "Sun always higher" : e.NeverRises ? "Sun always lower" : kNotThisDay;
  };
  t.Sunset = TimeOr(sun.Set, c,
                    sun.AlwaysAbove  ? kAlwaysAbove
                    : sun.NeverRises ? kNeverRises
                                     : kNotThisDay);
  t.Sunrise = TimeOr(sun.Rise, c,
                     sun.AlwaysAbove  ? kAlwaysAbove
                     : sun.NeverRises ? kNeverRises
                                      : kNotThisDay);
  t.CivilDusk = TimeOr(civil.Set, c, none(civil));
  t.NauticalDusk = TimeOr(nautical.Set, c, none(nautical));
  t.AstronomicalDusk = TimeOr(astronomical.Set, c, none(astronomical));
  t.AstronomicalDawn = TimeOr(astronomical.Rise, c, none(astronomical));

  const astro::Track moonTrack =
      astro::BodyTrack(astro::kMoon, o.Latitude, o.Longitude, o.Refraction);
  const astro::DayEvents moon = astro::FindDayEvents(moonTrack, o.Day.Start, o.Day.End);
  const char* moonNone = moon.AlwaysAbove  ? kAlwaysAbove
                         : moon.NeverRises ? kNeverRises
                                           : kNotThisDay;
  t.Moonrise = TimeOr(moon.Rise, c, moonNone);
  t.Moonset = TimeOr(moon.Set, c, moonNone);
  t.Hour = hour.value_or(DefaultTonightHour(o, astronomical));
  t.HourText = ClockTimeText(c, t.Hour);
  t.MoonPhase = astro::MoonPhaseName(astro::MoonElongation(t.Hour));
  const astro::BodyPlace sunAt = astro::BodyPlaceAt(astro::kSun, t.Hour, o.Latitude, o.Longitude);
  const astro::BodyPlace moonAt = astro::BodyPlaceAt(astro::kMoon, t.Hour, o.Latitude, o.Longitude);
  const double elongation =
      astro::AngularSeparation(sunAt.OfDate.RightAscension, sunAt.OfDate.Declination,
                               moonAt.OfDate.RightAscension, moonAt.OfDate.Declination);
  t.MoonIlluminated = Number((1.0 - std::cos(elongation / astro::kRadToDeg)) / 2.0, 2);

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
  for (const auto& [from, to] : spans) {
    if (!t.DarkHours.empty()) t.DarkHours += ", ";
    t.DarkHours += ClockTimeText(c, from) + " - " + ClockTimeText(c, to);
    t.DarkMinutes += (to - from) * 1440.0;
  }
  if (t.DarkHours.empty()) {
    t.DarkHours = "none";
  } else {
    const int minutes = static_cast<int>(std::lround(t.DarkMinutes));
    t.DarkHours +=
        " (" + std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min)";
  }

  // The planets: highest between the nautical twilights (or sunset and
  // sunrise, or through the whole night where the Sun stays up).
  const double from = nautical.Set.value_or(sun.Set.value_or(o.Day.Start));
  const double to = std::max(from, nautical.Rise.value_or(sun.Rise.value_or(o.Day.End)));
  for (int body = 2; body <= 8; ++body) {
    const astro::DayEvents e = BodyDayEvents(o, body);
    TonightRow row;
    row.Name = std::string(res::String(res::IDS_BODY_NAME_FIRST + body));
    row.Kind = "Planet";
    row.Body = body;
    const char* noneHere = e.AlwaysAbove ? kAlwaysAbove : e.NeverRises ? kNeverRises : kNotThisDay;
    row.Rise = TimeOr(e.Rise, c, noneHere);
    row.Set = TimeOr(e.Set, c, noneHere);
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
    row.Best = ClockTimeText(c, best);
    row.Instant = best;
    row.RaJ2000 = doc.Bodies[body].RaJ2000;
    row.DecJ2000 = doc.Bodies[body].DecJ2000;
    const BodyCard card = BodyCardOf(doc, body);
    row.Magnitude = std::strtod(card.Magnitude.c_str(), nullptr);
    t.Planets.push_back(row);
  }

  // Deep-sky objects and named stars high at the chosen hour, brightest first.
  const auto high = [&](double ra, double dec, TonightRow& row) {
    const astro::BodyPlace p = astro::FixedPlaceAt(ra, dec, t.Hour, o.Latitude, o.Longitude);
    Horizon(p, o.Latitude, o.Refraction, row.Altitude, row.Azimuth);
    row.RaJ2000 = ra;
    row.DecJ2000 = dec;
    row.Instant = t.Hour;
    return row.Altitude > kTonightAltitude;
  };
  std::vector<TonightRow> deepSky, stars;
  for (int i = 0; i < kDeepSkyCount; ++i) {
    const DeepSkyRecord& object = doc.DeepSkyObjects[i];
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
  for (const StarNameRecord& name : doc.ProperNames) {
    const StarRecord* star = std::find_if(std::begin(doc.Stars), std::end(doc.Stars),
                                          [&](const StarRecord& s) { return s.HR == name.HR; });
    if (name.HR == 0 || star == std::end(doc.Stars)) continue;
    TonightRow row;
    if (!high(star->RightAscension, star->Declination, row)) continue;
    row.Name = Trim(name.Name, sizeof name.Name);
    row.Kind = "Star";
    row.Magnitude = star->Magnitude;
    stars.push_back(row);
  }
  const auto brightest = [](std::vector<TonightRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const TonightRow& a, const TonightRow& b) {
      return a.Magnitude < b.Magnitude;
    });
    if (rows.size() > static_cast<std::size_t>(kTonightObjects)) rows.resize(kTonightObjects);
  };
  brightest(deepSky);
  brightest(stars);
  for (std::vector<TonightRow>* list : {&deepSky, &stars}) {
    for (TonightRow& row : *list) {
      const astro::DayEvents e = FixedDayEvents(o, row.RaJ2000, row.DecJ2000);
      const char* noneHere = e.AlwaysAbove  ? kAlwaysAbove
                             : e.NeverRises ? kNeverRises
                                            : kNotThisDay;
      row.Rise = TimeOr(e.Rise, c, noneHere);
      row.Set = TimeOr(e.Set, c, noneHere);
      t.Objects.push_back(row);
    }
  }
  std::stable_sort(
      t.Objects.begin(), t.Objects.end(),
      [](const TonightRow& a, const TonightRow& b) { return a.Magnitude < b.Magnitude; });
  return t;
}

std::string TonightJson(const Tonight& t) {
  std::string out = "{";
  const auto field = [&out](const char* key, const std::string& value) {
    if (out.size() > 1) out += ",";
    out += JsonText(key) + ":" + value;
  };
  field("hour", JsonText(t.HourText));
  field("sunset", JsonText(t.Sunset));
  field("civilDusk", JsonText(t.CivilDusk));
  field("nauticalDusk", JsonText(t.NauticalDusk));
  field("astronomicalDusk", JsonText(t.AstronomicalDusk));
  field("astronomicalDawn", JsonText(t.AstronomicalDawn));
  field("sunrise", JsonText(t.Sunrise));
  field("moonrise", JsonText(t.Moonrise));
  field("moonset", JsonText(t.Moonset));
  field("moonPhase", JsonText(t.MoonPhase));
  field("moonIlluminated", t.MoonIlluminated);
  field("darkHours", JsonText(t.DarkHours));
  const auto rows = [](const std::vector<TonightRow>& list, bool planets) {
    std::string out = "[";
    for (const TonightRow& r : list) {
      if (out.size() > 1) out += ",";
      out += "{\"name\":" + JsonText(r.Name) + ",\"kind\":" + JsonText(r.Kind) +
             ",\"magnitude\":" + Number(r.Magnitude, 2) + ",\"rise\":" + JsonText(r.Rise) +
             ",\"set\":" + JsonText(r.Set);
      if (planets) out += ",\"best\":" + JsonText(r.Best);
      out +=
          ",\"altitude\":" + Number(r.Altitude, 1) + ",\"azimuth\":" + Number(r.Azimuth, 1) + "}";
    }
    return out + "]";
  };
  field("planets", rows(t.Planets, true));
  field("objects", rows(t.Objects, false));
  return out + "}";
}

}  // namespace sky
