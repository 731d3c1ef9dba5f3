// The places the observer can pick by name: the 409 of location.dat with
// their time zones (location_zones.tab), and the cities of cities.tab.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/loaders.h"
#include "catalog/records.h"

namespace catalog {

struct Place {
  std::string Name;                 // "Country:City", UTF-8
  double Latitude = 0.0;            // degrees, north positive
  double Longitude = 0.0;           // degrees, EAST positive
  double StandardOffset = 0.0;      // hours ahead of UT outside summer time
  std::string ZoneId;               // IANA name; empty when none was matched
  std::optional<double> Elevation;  // metres above sea level, where known
};

// The places of location.dat's records, each with the zone and the exact
// standard offset that the text of location_zones.tab ("name<TAB>zone<TAB>
// hours" lines) gives its name (none, and the record's offset, if it names none).
std::vector<Place> PlacesOfLocations(const LocationRecord* records, int count,
                                     std::string_view zonesText);

// The cities of cities.tab's text: "name<TAB>latitude<TAB>longitude east<TAB>
// elevation m<TAB>standard offset h<TAB>zone" lines. A line with fields
// missing or too many, a number that does not read or a value beyond its
// range (latitude ±90, longitude ±180, offset -12..14), or a zone that
// `knownZone` refuses is left out and counted in `report` (a line is a
// record, the first line record 0); an empty line is no city and no fault.
std::vector<Place> ReadCities(std::string_view text,
                              const std::function<bool(std::string_view)>& knownZone,
                              LoadReport* report = nullptr);

// The whole text of a regular file, or nullopt when it cannot be read.
std::optional<std::string> ReadTextFile(const char* path);

}  // namespace catalog
