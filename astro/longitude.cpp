#include "astro/longitude.h"

#include <cmath>
#include <cstdlib>

namespace astro {

double EastLongitudeOf(int degrees, int minutes, std::string_view ew) {
  return ew == "E" ? degrees + minutes / 60.0 : -degrees - minutes / 60.0;
}

HemisphereLongitude HemisphereOfEast(double eastLongitude) {
  const long total = std::lround(std::abs(eastLongitude) * 60.0);
  const int degrees = static_cast<int>(total / 60), minutes = static_cast<int>(total % 60);
  return {degrees, minutes, eastLongitude < 0 && total != 0 ? "W" : "E"};
}

HemisphereLongitude HemisphereOfWestRecord(int degrees, int minutes) {
  const bool east = degrees < 0 || (degrees == 0 && minutes < 0);
  return {std::abs(degrees), std::abs(minutes), east ? "E" : "W"};
}

}  // namespace astro
