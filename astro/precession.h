// Precession: from the J2000 mean equator and equinox, in which every
// catalogue and the planets are given, to the mean equator and equinox of a date.
#pragma once

#include "astro/transforms.h"

namespace astro {

// Rotation matrix r_date = M r_J2000 for rectangular equatorial vectors
// (x towards 0 h, y towards 6 h, z towards the north pole). t2000: Julian
// centuries from J2000.0. IAU 1976 angles zeta, z, theta (Lieske et al. 1977;
// Meeus, Astronomical Algorithms, ch. 21); within 0.1" over 1900-2100.
struct PrecessionMatrix {
  double M[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};
PrecessionMatrix PrecessionFromJ2000(double t2000);

// alpha (hours), delta (degrees) from J2000 to the equinox of date, and back
// (the inverse is the transpose). Right ascension comes out in [0, 24).
EquatorialCoord PrecessToDate(const PrecessionMatrix& p, double alpha, double delta);
EquatorialCoord PrecessToJ2000(const PrecessionMatrix& p, double alpha, double delta);

}  // namespace astro
