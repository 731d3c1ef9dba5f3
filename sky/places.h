// Finding a place of the list by name, by words typed, or near a point, and
// putting it into the settings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalog/places.h"
#include "sky/app_settings.h"

namespace sky {

// The place called `name`: the first whose whole name matches without
// regard to letter case ("poland:krakow"), else the first whose city part
// (after the colon, before a comma) matches ("Krakow", "new york");
// nullptr when none does.
const catalog::Place* FindPlace(const std::vector<catalog::Place>& places, std::string_view name);

// The indices of the places whose names hold every word of `text`, without
// regard to letter case, in the list's order; every place for blank text.
std::vector<int> SearchPlaces(const std::vector<catalog::Place>& places, std::string_view text);

// The place nearest to latitude, longitude (degrees, east positive) when it
// lies within `kilometres` (great-circle distance), else nullptr.
const catalog::Place* NearestPlace(const std::vector<catalog::Place>& places, double latitude,
                                   double longitude, double kilometres);

// Great-circle distance in kilometres (mean Earth radius 6371 km).
double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2);

// "41°N 74°W", "33°52'S 151°13'E": a name made of whole degrees and minutes.
std::string CoordinateName(double latitude, double longitude);

// The place's name, coordinates (to the nearest minute), standard offset
// and zone into the settings; the daylight-saving option is left as it is.
void ApplyPlace(const catalog::Place& place, AppSettings& settings);

// The [Location] fields of `from` into `to`.
void CopyLocation(const AppSettings& from, AppSettings& to);
// Whether the [Location] fields of both are the same.
bool SameLocation(const AppSettings& a, const AppSettings& b);

}  // namespace sky
