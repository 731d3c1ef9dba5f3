// Jupiter's central meridians and the Great Red Spot's longitude. The
// meridians: J. Meeus, "Astronomical Algorithms", 2nd ed., 1998, ch. 43,
// the method of lower accuracy (a few hundredths of a degree), with the
// light time. Longitudes on Jupiter are counted towards the west, so that
// the central meridian's longitude grows as the planet turns.
#pragma once

namespace astro {

struct JupiterMeridians {
  // The longitudes (degrees, [0, 360)) of the meridian through the middle
  // of the disc as seen from the Earth's centre, in System I (the equatorial
  // zone's period) and System II (the rest of the planet's clouds).
  double SystemI = 0.0, SystemII = 0.0;
  // What the meridian through the middle of the lit part of the disc adds to
  // either (the meridians Meeus tabulates), degrees, within +-0.7.
  double LitDiscCorrection = 0.0;
};

// Jupiter's central meridians at `ttJulianDay`, seen as the light that
// reaches the Earth then left the planet.
JupiterMeridians JupiterMeridiansOf(double ttJulianDay);

// The Great Red Spot's System II longitude as observers publish it: the
// longitude measured at an epoch and its mean drift since (it wanders by a
// few degrees either side of that over months).
struct RedSpotDrift {
  double Longitude = 0.0;     // degrees, System II
  double EpochYear = 0.0;     // the epoch as a Julian year (2025.0 is JD 2460676.25)
  double DegreesPerYear = 0;  // growing longitude: the spot falls behind System II
};

// The spot's System II longitude (degrees, [0, 360)) at `ttJulianDay`.
double RedSpotLongitude(const RedSpotDrift& drift, double ttJulianDay);

}  // namespace astro
