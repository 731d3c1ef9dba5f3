// Pieces of the Moon's computation that stand on their own.
#pragma once

#include "astro/transforms.h"

namespace astro {

// Topocentric right ascension (hours, not reduced: it may leave [0, 24) by the
// shift) and declination (degrees) of a body at geocentric right ascension
// alpha (DEGREES), declination delta, hour angle H (degrees) and horizontal
// parallax (degrees), for an observer at sea level at `latitude`, on the
// Clarke 1866 spheroid (b/a = 0.996647141). Meeus, Astronomical Algorithms, ch. 11 and 40.
EquatorialCoord TopocentricPosition(double alpha, double delta, double hourAngle, double parallax,
                                    double latitude);

}  // namespace astro
