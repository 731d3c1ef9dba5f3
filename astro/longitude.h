// Longitudes. Inside the program a longitude is in degrees, east positive.
// The forms the interfaces keep are converted here and nowhere else:
// - AstroState::Longitude, the observer's L of astro/transforms.h and
//   sky::Observer: degrees, west positive;
// - the settings and astro::ObserverPlace: whole degrees, minutes and "E"
//   or "W" (any other text counts as west);
// - the city records of the location list (catalog/records.h): signed whole
//   degrees and minutes, west positive;
// - the place list (catalog/places.h): degrees, east positive already.
#pragma once

#include <string>
#include <string_view>

namespace astro {

constexpr double WestPositive(double eastLongitude) { return -eastLongitude; }
constexpr double EastPositive(double westLongitude) { return -westLongitude; }

// A longitude as the settings keep it.
struct HemisphereLongitude {
  int Degrees = 0, Minutes = 0;
  std::string EW = "E";
};

// The east-positive degrees of a settings' longitude.
double EastLongitudeOf(int degrees, int minutes, std::string_view ew);
// The settings' form of an east-positive longitude, rounded to the minute;
// 0 deg 00' is east.
HemisphereLongitude HemisphereOfEast(double eastLongitude);
// The settings' form of a city record's west-positive degrees and minutes
// (negative when either is, the degrees being 0): 0 deg 00' is west.
HemisphereLongitude HemisphereOfWestRecord(int degrees, int minutes);

}  // namespace astro
