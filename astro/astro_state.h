// The instant and place of the sky shown, and every quantity the astronomy engine derives from them.
#pragma once

#include <string>

#include "astro/sky_point.h"

namespace astro {

// The sky's date and time as the user set them: local civil time.
struct CivilTime {
  int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
};

// The observer's place and clock rules, as the settings keep them.
struct ObserverPlace {
  int LongDeg = 0, LongMin = 0;
  std::string EW = "E";  // "E" or "W"; anything else counts as "W"
  int LatDeg = 0, LatMin = 0;
  std::string NS = "N";  // "N" or "S"; anything else counts as "S"
  float TimeZone = 0.0f;  // hours ahead of Greenwich
  int DaylightSavingTime = 0;
};

// One solar-system body: the Bodies table holds the Moon, the Sun, Mercury ... Pluto in this order.
struct PlanetState {
  double RightAscension = 0.0;   // hours
  double Declination = 0.0;      // degrees
  double HelioDistance = 0.0;    // AU; 0 for the Sun; cos(phase angle) for the Moon
  double GeoDistance = 0.0;      // AU; kilometres for the Moon
};

constexpr int kBodyCount = 10;
constexpr int kHorizonPointCount = 73;

}  // namespace astro
