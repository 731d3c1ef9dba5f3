#include "sky/places.h"

#include <cmath>
#include <cstdlib>

#include "astro/longitude.h"

namespace sky {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool ContainsNoCase(std::string_view text, std::string_view word) {
  if (word.size() > text.size()) return false;
  for (std::size_t i = 0; i + word.size() <= text.size(); ++i)
    if (EqualNoCase(text.substr(i, word.size()), word)) return true;
  return false;
}

std::string_view CityPart(std::string_view name) {
  const std::size_t colon = name.find(':');
  if (colon != std::string_view::npos) name.remove_prefix(colon + 1);
  return name.substr(0, name.find(','));
}

// Whole degrees and minutes, rounded to the minute.
struct DegreesMinutes {
  int Degrees, Minutes;
};
DegreesMinutes Split(double value) {
  const long total = std::lround(std::abs(value) * 60.0);
  return {static_cast<int>(total / 60), static_cast<int>(total % 60)};
}

}  // namespace

const catalog::Place* FindPlace(const std::vector<catalog::Place>& places, std::string_view name) {
  for (const catalog::Place& p : places)
    if (EqualNoCase(p.Name, name)) return &p;
  for (const catalog::Place& p : places)
    if (EqualNoCase(CityPart(p.Name), name)) return &p;
  return nullptr;
}

std::vector<int> SearchPlaces(const std::vector<catalog::Place>& places, std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const std::size_t end = text.find_first_of(" \t");
    words.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  }
  std::vector<int> found;
  for (std::size_t i = 0; i < places.size(); ++i) {
    bool all = true;
    for (std::string_view w : words) all = all && ContainsNoCase(places[i].Name, w);
    if (all) found.push_back(static_cast<int>(i));
  }
  return found;
}

double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2) {
  constexpr double kRadians = 3.14159265358979323846 / 180.0;
  const double p1 = latitude1 * kRadians, p2 = latitude2 * kRadians;
  const double dp = p2 - p1, dl = (longitude2 - longitude1) * kRadians;
  // The haversine, well conditioned for near points.
  const double h = std::sin(dp / 2) * std::sin(dp / 2) +
                   std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
  return 2.0 * 6371.0 * std::asin(std::sqrt(std::min(1.0, h)));
}

const catalog::Place* NearestPlace(const std::vector<catalog::Place>& places, double latitude,
                                   double longitude, double kilometres) {
  const catalog::Place* nearest = nullptr;
  double best = kilometres;
  for (const catalog::Place& p : places) {
    const double d = DistanceKm(latitude, longitude, p.Latitude, p.Longitude);
    if (d <= best) {
      best = d;
      nearest = &p;
    }
  }
  return nearest;
}

std::string CoordinateName(double latitude, double longitude) {
  const auto part = [](double value, char positive, char negative) {
    const DegreesMinutes dm = Split(value);
    std::string text = std::to_string(dm.Degrees) + "\u00b0";
    if (dm.Minutes != 0) text += (dm.Minutes < 10 ? "0" : "") + std::to_string(dm.Minutes) + "'";
    const bool zero = dm.Degrees == 0 && dm.Minutes == 0;
    if (!zero) text += value < 0 ? negative : positive;
    return text;
  };
  return part(latitude, 'N', 'S') + " " + part(longitude, 'E', 'W');
}

void ApplyPlace(const catalog::Place& place, AppSettings& settings) {
  settings.Location = place.Name;
  const DegreesMinutes lat = Split(place.Latitude);
  const astro::HemisphereLongitude lon = astro::HemisphereOfEast(place.Longitude);
  settings.LatDeg = lat.Degrees;
  settings.LatMin = lat.Minutes;
  settings.NS = place.Latitude < 0 && (lat.Degrees || lat.Minutes) ? "S" : "N";
  settings.LongDeg = lon.Degrees;
  settings.LongMin = lon.Minutes;
  settings.EW = lon.EW;
  settings.TimeZone = static_cast<float>(place.StandardOffset);
  settings.TimeZoneId = place.ZoneId;
}

void CopyLocation(const AppSettings& from, AppSettings& to) {
  to.Location = from.Location;
  to.LongDeg = from.LongDeg;
  to.LongMin = from.LongMin;
  to.EW = from.EW;
  to.LatDeg = from.LatDeg;
  to.LatMin = from.LatMin;
  to.NS = from.NS;
  to.TimeZone = from.TimeZone;
  to.DaylightSavingTime = from.DaylightSavingTime;
  to.TimeZoneId = from.TimeZoneId;
}

bool SameLocation(const AppSettings& a, const AppSettings& b) {
  AppSettings copy = b;
  CopyLocation(a, copy);
  return copy == b;
}

}  // namespace sky
