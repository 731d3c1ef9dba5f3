// The Moon's librations and the position angle of its axis: J. Meeus,
// "Astronomical Algorithms", 2nd ed., 1998, ch. 53 (the optical librations
// and the physical ones of Eckhardt's theory), with the Moon's mean elements
// of ch. 47 and the nutation in longitude of ch. 22 to 0.5".
#pragma once

namespace astro {

struct MoonLibration {
  double Longitude =
      0.0;                // l: the selenographic longitude of the point under the observer, degrees
  double Latitude = 0.0;  // b: its selenographic latitude, degrees
  double AxisAngle = 0.0;  // P: the position angle of the Moon's north pole, degrees, [0, 360)
};

// At `ttJulianDay`, for the Moon at apparent ecliptic longitude `lambda` and
// latitude `beta` of date and apparent right ascension `alpha` (degrees),
// with the true obliquity `epsilon`: from the Earth's centre when these are
// geocentric, from the observer when they are topocentric.
MoonLibration MoonLibrationOf(double ttJulianDay, double lambda, double beta, double alpha,
                              double epsilon);

}  // namespace astro
