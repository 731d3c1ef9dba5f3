// How much a solar eclipse darkens the sky.
#pragma once

#include "astro/astro_state.h"

namespace astro {

// Degrees by which a solar eclipse lowers the Sun's effective altitude: 0 when
// the Moon's and the Sun's centres are more than 5 arc minutes apart, rising as
// sin((5 - s) * 18 deg) to 12 at central alignment when the topocentric Moon
// (enlarged by its altitude) covers the Sun, 9 when it does not (annular).
// `moon` and `sun` as in the Bodies table (Moon distance in km, Sun's in AU);
// sidereal angle, longitude (west positive) and latitude in degrees. Semi-
// diameters after Meeus, Astronomical Algorithms, ch. 55.
double EclipseDarkening(const PlanetState& moon, const PlanetState& sun, double siderealAngle,
                        double longitude, double latitude);

// The same for the instant and place of `state`, with the Moon and the Sun
// of the Bodies table (J2000) taken to the equinox of date first.
double EclipseDarkeningNow(const AstroState& state, const PlanetState (&bodies)[kBodyCount]);

}  // namespace astro
