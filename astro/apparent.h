// From the J2000 frame of the catalogues to the sky of date as the observer
// sees it, on the IAU's SOFA algorithms as the ERFA library carries them.
//
// Vectors are rectangular, GCRS axes (the J2000 mean equator and equinox to
// 0.02"): x towards 0 h, y towards 6 h, z towards the north pole.
#pragma once

#include "astro/precession.h"

namespace astro {

// Light time for one astronomical unit, days.
constexpr double kLightDaysPerAu = 499.004783836 / 86400.0;

// Rotation r_date = M r_J2000 from the GCRS to the true equator and equinox
// of date: frame bias, IAU 2006 precession and IAU 2000A nutation (eraPnm06a).
// ttJulianDay: Terrestrial Time.
PrecessionMatrix PrecessionNutation(double ttJulianDay);

// Greenwich apparent sidereal angle (degrees, [0, 360)) of the Universal Time
// `utJulianDay` (taken for UT1), with the Terrestrial Time and the matrix of
// the same instant: the Earth rotation angle less the equation of the
// origins, IAU 2006 (eraGst06).
double ApparentSiderealAngle(double utJulianDay, double ttJulianDay, const PrecessionMatrix& npb);

// The Earth at an instant: heliocentric position (AU) and barycentric
// velocity (AU/day), GCRS axes; eraEpv00, within a few kilometres 1900-2100.
struct EarthMotion {
  double Heliocentric[3] = {1.0, 0.0, 0.0};
  double Velocity[3] = {0.0, 0.0, 0.0};
};
EarthMotion EarthMotionAt(double ttJulianDay);

// Annual aberration: turns the unit vector `direction` from where the light
// comes from to where an observer moving with the Earth sees it (eraAb,
// special relativity, the Sun's light bending left out).
void Aberrate(const EarthMotion& earth, double (&direction)[3]);

// The observer's geocentric position (AU) at sea level on the WGS84
// ellipsoid, latitude degrees north, longitude degrees WEST, for the
// apparent sidereal angle (degrees) and the matrix of the instant.
void ObserverPosition(double latitude, double longitude, double siderealAngle,
                      const PrecessionMatrix& npb, double (&xyz)[3]);

// The apparent place of a body from its geocentric position `geocentric`
// (AU) as the light left it, seen from the observer at `observer`
// (geocentric, AU): the astrometric direction, and the direction aberration
// turns it to. Right ascension in hours, [0, 24).
struct ApparentDirection {
  EquatorialCoord Astrometric;
  EquatorialCoord Apparent;
  double Distance;  // AU, from the observer
};
ApparentDirection SeenFrom(const double (&observer)[3], const double (&geocentric)[3],
                           const EarthMotion& earth);

// The right ascension (hours, [0, 24)) and declination (degrees) of a vector.
EquatorialCoord DirectionOf(const double (&xyz)[3]);

}  // namespace astro
