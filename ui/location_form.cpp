#include "ui/location_form.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "astro/format.h"
#include "astro/longitude.h"
#include "res/strings.h"
#include "res/translatable.h"
#include "sky/places.h"

namespace ui {
namespace {

// Blanks, tabs and line ends around a text.
std::string_view TrimBlanks(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// One decimal, as the time-zone field shows it; never "-0.0".
std::string TimeZoneText(double hours) { return astro::FormatFixed(hours == 0 ? 0.0 : hours, 1); }

// A signed whole-degree-and-minute coordinate of location.dat: the sign is
// the degrees', or the minutes' where the degrees are 0.
struct Unsigned {
  bool Negative;
  int Degrees;
  int Minutes;
};
Unsigned SplitSign(int degrees, int minutes) {
  const bool negative = degrees < 0 || (degrees == 0 && minutes < 0);
  return {negative, std::abs(degrees), std::abs(minutes)};
}

}  // namespace

LocationFields FieldsFromSettings(const AppSettings& settings) {
  LocationFields f;
  f.Name = settings.Location;
  f.NS = settings.NS == "S" ? "S" : "N";
  f.EW = settings.EW == "E" ? "E" : "W";
  f.LatDeg = std::to_string(settings.LatDeg);
  f.LatMin = std::to_string(settings.LatMin);
  f.LongDeg = std::to_string(settings.LongDeg);
  f.LongMin = std::to_string(settings.LongMin);
  f.TimeZone = TimeZoneText(settings.TimeZone);
  f.ZoneId = settings.TimeZoneId;
  return f;
}

MapPoint MarkerFromSettings(const AppSettings& settings) {
  const int west = static_cast<int>(
      astro::WestPositive(astro::EastLongitudeOf(settings.LongDeg, 0, settings.EW)));
  const int north = settings.NS == "S" ? -settings.LatDeg : settings.LatDeg;
  return {kMapLeft + kMapWidth / 2 - west, kMapTop + kMapHeight / 2 - north};
}

std::string CityName(const LocationRecord& city) {
  return std::string(TrimBlanks(std::string_view(city.Name, strnlen(city.Name, sizeof city.Name))));
}

LocationFields FieldsFromCity(const LocationRecord& city) {
  LocationFields f;
  f.Name = CityName(city);
  const Unsigned lat = SplitSign(city.LatDeg, city.LatMin);
  f.NS = lat.Negative ? "S" : "N";
  f.LatDeg = std::to_string(lat.Degrees);
  f.LatMin = std::to_string(lat.Minutes);
  const astro::HemisphereLongitude lon = astro::HemisphereOfWestRecord(city.LongDeg, city.LongMin);
  f.EW = lon.EW;
  f.LongDeg = std::to_string(lon.Degrees);
  f.LongMin = std::to_string(lon.Minutes);
  f.TimeZone = TimeZoneText(-static_cast<double>(city.TimeZone));
  return f;
}

MapPoint MarkerFromCity(const LocationRecord& city) {
  return {kMapLeft + kMapWidth / 2 - city.LongDeg, kMapTop + kMapHeight / 2 - city.LatDeg};
}

LocationFields FieldsFromPlace(const catalog::Place& place) {
  AppSettings settings;
  sky::ApplyPlace(place, settings);
  return FieldsFromSettings(settings);
}

MapPoint MarkerFromPlace(const catalog::Place& place) {
  return {kMapLeft + kMapWidth / 2 + static_cast<int>(std::trunc(place.Longitude)),
          kMapTop + kMapHeight / 2 - static_cast<int>(std::trunc(place.Latitude))};
}

std::optional<LocationFields> NamedPlaceAtMapPoint(MapPoint point,
                                                   const std::vector<catalog::Place>& places) {
  std::optional<LocationFields> f = PlaceAtMapPoint(point);
  if (!f) return f;
  const double latitude = (f->NS == "S" ? -1 : 1) * ParseInteger(f->LatDeg);
  const double longitude = astro::EastLongitudeOf(ParseInteger(f->LongDeg), 0, f->EW);
  if (const catalog::Place* near =
          sky::NearestPlace(places, latitude, longitude, kNamingDistanceKm)) {
    // The point is a whole degree: it is the place itself only when that lies on it.
    const long km =
        std::lround(sky::DistanceKm(latitude, longitude, near->Latitude, near->Longitude));
    f->Name =
        km == 0 ? near->Name : res::Format(res::IDS_NEAR_PLACE, {near->Name, std::to_string(km)});
    f->ZoneId = near->ZoneId;
    f->TimeZone = TimeZoneText(near->StandardOffset);
  } else {
    f->Name = sky::CoordinateName(latitude, longitude);
  }
  return f;
}

std::string ZoneDescription(const std::string& zoneId) {
  return zoneId.empty()
             ? STELLIX_TEXT("ui",
                            "none: standard time as typed, summer time as this computer keeps it")
             : zoneId;
}

std::optional<LocationFields> PlaceAtMapPoint(MapPoint point) {
  if (point.X < kMapLeft || point.X > kMapLeft + kMapWidth || point.Y < kMapTop ||
      point.Y > kMapTop + kMapHeight)
    return std::nullopt;
  const int west = kMapLeft + kMapWidth / 2 - point.X;
  const int north = kMapTop + kMapHeight / 2 - point.Y;
  LocationFields f;
  // The zone of whole hours nearest to the meridian.
  if (west < 0) {
    f.EW = "E";
    f.LongDeg = std::to_string(-west);
    f.TimeZone = TimeZoneText(std::floor(-west / 15.0 + 0.5));
  } else {
    f.EW = "W";
    f.LongDeg = std::to_string(west);
    f.TimeZone = TimeZoneText(-std::floor(west / 15.0 + 0.5));
  }
  f.LongMin = "0";
  f.NS = north < 0 ? "S" : "N";
  f.LatDeg = std::to_string(std::abs(north));
  f.LatMin = "0";
  return f;
}

std::string ToggleHemisphere(std::string_view hemisphere) {
  if (hemisphere == "N") return "S";
  if (hemisphere == "S") return "N";
  if (hemisphere == "E") return "W";
  return "E";
}

std::string ZoneAfterEdit(const std::string& zoneId, LocationField field) {
  return field == LocationField::TimeZone ? std::string() : zoneId;
}

std::variant<CheckedLocation, FieldError> CheckLocation(const LocationFields& fields) {
  CheckedLocation place;
  place.LongDeg = ParseInteger(fields.LongDeg);
  if (place.LongDeg < 0 || place.LongDeg > 180) return FieldError{LocationField::LongDeg, 0, 180};
  place.LongMin = ParseInteger(fields.LongMin);
  if (place.LongMin < 0 || place.LongMin > 59) return FieldError{LocationField::LongMin, 0, 59};
  place.EW = fields.EW == "E" ? "E" : "W";
  place.NS = fields.NS == "N" ? "N" : "S";
  place.LatDeg = ParseInteger(fields.LatDeg);
  if (place.LatDeg < 0 || place.LatDeg > 90) return FieldError{LocationField::LatDeg, 0, 90};
  place.LatMin = ParseInteger(fields.LatMin);
  if (place.LatMin < 0 || place.LatMin > 59) return FieldError{LocationField::LatMin, 0, 59};
  const double zone = ParseReal(fields.TimeZone);
  // Clocks run from 12 hours behind Greenwich (Baker Island) to 14 ahead
  // (Kiritimati); the city list holds zones up to +14.
  if (!(zone >= -12 && zone <= 14)) return FieldError{LocationField::TimeZone, -12, 14};
  place.TimeZone = static_cast<float>(zone);

  // The name goes into the settings file and the status bar: one line.
  std::string name = fields.Name;
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  place.Name = std::string(TrimBlanks(name));
  place.ZoneId = fields.ZoneId;
  return place;
}

void CommitLocation(const CheckedLocation& place, AppSettings& settings) {
  settings.Location = place.Name;
  settings.LongDeg = place.LongDeg;
  settings.LongMin = place.LongMin;
  settings.EW = place.EW;
  settings.LatDeg = place.LatDeg;
  settings.LatMin = place.LatMin;
  settings.NS = place.NS;
  settings.TimeZone = place.TimeZone;
  settings.TimeZoneId = place.ZoneId;
}

std::string RangeMessage(const FieldError& error) {
  return res::Format(res::IDS_WRONG_NUMBER_RANGE, error.Low, error.High);
}

int ParseInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > std::numeric_limits<int>::max()) {
      value = std::numeric_limits<int>::max() + 1LL;  // clamps below, whatever follows
      break;
    }
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

double ParseReal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  const bool plus = i < text.size() && text[i] == '+';
  if (plus) ++i;
  // from_chars takes no plus sign, and a minus only where we have not eaten a plus.
  if (plus && i < text.size() && text[i] == '-') return 0.0;
  double value = 0.0;
  const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                      std::chars_format::general);
  return result.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

}  // namespace ui
