// Atmospheric refraction: the air lifts every direction towards the zenith,
// by about 29' at the horizon and by less than 1' above 45 degrees.
#pragma once

namespace astro {

// Refraction (degrees, never negative) of a direction at geometric altitude
// h (degrees) in a standard atmosphere of 1010 hPa and 10 degrees C:
// R = 1.02' / tan(h + 10.3 / (h + 5.11)) (Saemundsson, Sky & Telescope 72,
// 1986; Meeus, Astronomical Algorithms, ch. 16). The formula holds down to a
// little below the horizon; under -2 degrees the refraction falls linearly to
// 0 at -5 degrees, so that the apparent altitude rises with the geometric one
// over the whole sphere.
double RefractionAt(double geometricAltitude);

// h + RefractionAt(h).
double ApparentAltitude(double geometricAltitude);

// The geometric altitude whose apparent altitude is `apparentAltitude`
// (the inverse of ApparentAltitude, to 1e-9 degrees).
double GeometricAltitude(double apparentAltitude);

// Moves drawing point `p` (a unit vector) along its vertical circle from its
// geometric to its apparent place (`toApparent`), or back, for the zenith
// drawing point `zenith`. The zenith itself stays where it is.
void RefractPoint(const double zenith[3], double p[3], bool toApparent);

}  // namespace astro
