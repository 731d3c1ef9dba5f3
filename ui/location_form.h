// The observer-location dialog without its window: what its fields show for
// the settings, a city of the list or a click on the world map, and the
// checks its OK runs before the place is changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "catalog/places.h"
#include "catalog/records.h"
#include "sky/app_settings.h"

namespace ui {

// The world map: 360 x 180 pixels, one per degree, drawn with its top-left
// corner at (15, 15) of the map area; its centre (195, 105) is longitude 0,
// latitude 0, west to the left and north up.
inline constexpr int kMapLeft = 15;
inline constexpr int kMapTop = 15;
inline constexpr int kMapWidth = 360;
inline constexpr int kMapHeight = 180;
// The marker is 11 x 11 pixels with its top-left corner 5 pixels left of and
// above the marked point.
inline constexpr int kMarkerSize = 11;
inline constexpr int kMarkerOffset = 5;

// A point of the map area (the map plus its margin).
struct MapPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

// The texts of the dialog's fields.
struct LocationFields {
  std::string Name;
  std::string LatDeg, LatMin, NS;    // NS: "N" or "S"
  std::string LongDeg, LongMin, EW;  // EW: "E" or "W"
  std::string TimeZone;              // hours ahead of Greenwich, one decimal
  // The place's IANA time zone; empty for a place typed by hand (see
  // ZoneAfterEdit).
  std::string ZoneId;
};

// The fields for the place of the settings (the time zone as `FormatFixed`
// writes it with one decimal).
LocationFields FieldsFromSettings(const AppSettings& settings);
// Where the marker stands for the settings' place; the minutes are not shown.
MapPoint MarkerFromSettings(const AppSettings& settings);

// A city's name as the list shows it: the name of its line without the
// blanks and line end around it.
std::string CityName(const LocationRecord& city);
// The fields for a city of location.dat. Its degrees carry the hemisphere
// (longitude west and latitude north positive); where the degrees are 0 the
// minutes carry it. The fields show both without sign, and the time zone the
// other way round from the file's (which counts hours west).
LocationFields FieldsFromCity(const LocationRecord& city);
// Where the marker stands for a city (whole degrees).
MapPoint MarkerFromCity(const LocationRecord& city);

// The fields for a place of the list: its coordinates to the nearest
// minute, its standard offset and its zone.
LocationFields FieldsFromPlace(const catalog::Place& place);
// Where the marker stands for a place of the list (whole degrees, as for a city).
MapPoint MarkerFromPlace(const catalog::Place& place);

// Places nearer than this to a click on the map lend it their name.
inline constexpr double kNamingDistanceKm = 50.0;

// The place under a click on the map (PlaceAtMapPoint) named after the
// nearest place of `places` within kNamingDistanceKm and how far it is
// ("near USA:Yonkers, New York (11 km)"; its bare name within half a
// kilometre), with that place's zone and standard offset; otherwise named by
// its coordinates ("41°N 74°W"), without a zone. nullopt for a click beside
// the map.
std::optional<LocationFields> NamedPlaceAtMapPoint(MapPoint point,
                                                   const std::vector<catalog::Place>& places);

// A short text of the place's clock rules for the dialog: "Europe/Warsaw",
// or that the place was typed by hand and keeps its standard offset.
std::string ZoneDescription(const std::string& zoneId);

// The place under a click on the map, whole degrees with minutes "0" and a
// time zone of whole hours from the longitude; nullopt for a click beside the
// map (edges included in the map). The name is left empty.
std::optional<LocationFields> PlaceAtMapPoint(MapPoint point);

// "N" <-> "S", "E" <-> "W": what a click on a hemisphere's up-down does in
// either direction.
std::string ToggleHemisphere(std::string_view hemisphere);

// The fields the OK checks, in the order it checks them.
enum class LocationField { LongDeg, LongMin, LatDeg, LatMin, TimeZone };

// A field out of its range: the bounds the message names.
struct FieldError {
  LocationField Field;
  int Low;
  int High;
  friend bool operator==(const FieldError&, const FieldError&) = default;
};

// The place the fields describe, once every field passed its check.
struct CheckedLocation {
  std::string Name;
  int LongDeg = 0, LongMin = 0;
  std::string EW;
  int LatDeg = 0, LatMin = 0;
  std::string NS;
  float TimeZone = 0.0f;
  std::string ZoneId;
};

// The zone a place keeps once `field` was typed into: a city whose
// coordinates are nudged is still in its zone; an offset typed into the
// time-zone field makes the place keep time by hand, without a zone.
std::string ZoneAfterEdit(const std::string& zoneId, LocationField field);

// Checks the fields in the dialog's order: longitude degrees 0-180, minutes
// 0-59, latitude degrees 0-90, minutes 0-59, time zone -12 to 12. Numbers
// are read the way the C library reads them (text that is not a number reads
// as 0). Returns the first field out of range, or the checked place. The
// name is kept on one line and without blanks around it.
std::variant<CheckedLocation, FieldError> CheckLocation(const LocationFields& fields);

// Writes a checked place into the settings, all of it at once.
void CommitLocation(const CheckedLocation& place, AppSettings& settings);

// The message for a field out of range (string 317 with its bounds).
std::string RangeMessage(const FieldError& error);

// Decimal text to int as atoi reads it: blanks, a sign, digits up to the
// first other character; no digits give 0, values beyond int are clamped.
int ParseInteger(std::string_view text);
// Decimal text to double as atof reads it in the "C" locale; text that is not
// a finite number gives 0.
double ParseReal(std::string_view text);

}  // namespace ui
