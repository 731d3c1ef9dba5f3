// Where a comet or an asteroid is seen from the observer at an instant, and
// how bright: the chain the planets go through (astro/planets.cpp): the
// Earth's heliocentric place, the light time, the annual aberration, then
// the rotation to the equator and equinox of date.
#pragma once

#include "astro/apparent.h"
#include "astro/orbit.h"
#include "astro/precession.h"
#include "astro/transforms.h"

namespace astro {

struct SmallBodyPlace {
  EquatorialCoord Astrometric;  // J2000 axes, as the light left the body
  EquatorialCoord Aberrated;    // the same direction, aberrated (the planets' drawing place)
  EquatorialCoord Apparent;     // aberrated and turned to the true equator of date
  double HelioDistance = 0.0;   // r, AU, when the light left
  double GeoDistance = 0.0;     // Delta, AU, from the observer
  double PhaseAngle = 0.0;      // Sun-body-observer, degrees
};

// The place at `ttJulianDay` of the body of `elements`, seen from `observer`
// (geocentric, AU, J2000 axes: astro/apparent.h ObserverPosition; zeros for
// the Earth's centre) on the Earth of `earth`, with `npb` the matrix of date
// (PrecessionNutation). The light time is iterated to below a millisecond.
SmallBodyPlace SmallBodyPlaceAt(const OrbitalElements& elements, double ttJulianDay,
                                const EarthMotion& earth, const double (&observer)[3],
                                const PrecessionMatrix& npb);

// Visual magnitude of a minor planet of absolute magnitude H and slope G at
// distances r, Delta (AU) and phase angle (degrees): the IAU two-parameter
// phase law (Bowell et al., Asteroids II, 1989, p. 549).
double MinorPlanetMagnitude(double h, double g, double r, double delta, double phaseAngle);

// Total magnitude of a comet: M1 + 5 log10(Delta) + K1 log10(r), r and Delta in AU.
double CometMagnitude(double m1, double k1, double r, double delta);

// The length (AU) of a comet's tail at r AU from the Sun, by a rule of
// thumb rather than a model of its gas and dust: a comet of magnitude 5 at
// 1 AU from the observer (M1 + K1 log10 r) has a tail of 0.1 AU, and each
// five magnitudes brighter makes it ten times longer, up to
// kLongestCometTail. The tail so grows as the comet nears the Sun by the
// comet's own law of brightening, and a faint one has next to none. Matches
// the sights of C/2020 F3 in July 2020 (about 0.2 AU, 10-20 degrees) and of
// C/1995 O1 in April 1997 (about 1 AU). NaN without M1 or K1.
double CometTailLength(double m1, double k1, double r);
inline constexpr double kLongestCometTail = 1.0;  // AU

}  // namespace astro
