// Where a catalogue star is at an instant: its proper motion and parallax
// (the place of the star as the Earth sees it, astrometric) and the annual
// aberration (the direction the precession-nutation of the sky of date then
// turns to the apparent place). The IAU's SOFA algorithms as ERFA carries
// them: eraPmpx, then eraAb (through Aberrate). Vectors and places are on
// the GCRS axes (the J2000 frame of the catalogues).
#pragma once

#include "astro/apparent.h"
#include "astro/transforms.h"

namespace astro {

// A star's motion as catalogues give it.
struct StarMotion {
  double ProperMotionRa = 0;   // mas/yr along the parallel (the change of RA times cos Dec)
  double ProperMotionDec = 0;  // mas/yr
  double Parallax = 0;         // mas
};

struct StarDirection {
  EquatorialCoord Astrometric;  // J2000 axes, the star moved to the instant
  EquatorialCoord Aberrated;    // the same, as an observer moving with the Earth sees it
};

// The star of J2000.0 place `j2000` (RA hours, Dec degrees, epoch 2000.0) at
// Terrestrial Time `ttJulianDay`, seen from the Earth of `earth` (its
// heliocentric place stands in for the barycentric one: 0.01 AU, a 1/100 of
// the parallax). Radial velocities are not known: taken as zero.
StarDirection StarPlaceAt(const EquatorialCoord& j2000, const StarMotion& motion,
                          double ttJulianDay, const EarthMotion& earth);

// The same as unit vectors, without turning them into places.
void StarVectorsAt(const EquatorialCoord& j2000, const StarMotion& motion, double ttJulianDay,
                   const EarthMotion& earth, double (&astrometric)[3], double (&aberrated)[3]);

}  // namespace astro
