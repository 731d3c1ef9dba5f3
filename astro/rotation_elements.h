// How the planets turn: the rotation elements of the IAU Working Group on
// Cartographic Coordinates and Rotational Elements, report for 2009
// (B. A. Archinal et al., Celest. Mech. Dyn. Astron. 109, 101, 2011, table 1).
// The pole's right ascension and declination on the ICRF (the J2000 frame the
// sky is drawn in) and W, the prime meridian's angle east along the body's
// equator from the node of that equator on the ICRF equator, for
//   d = days and T = Julian centuries of 36525 days from J2000.0 TDB.
// Mercury's periodic terms (at most 0.01 degree) are left out; Jupiter's W
// is System III; Neptune's elements carry their one term in N.
#pragma once

#include "astro/bodies.h"

namespace astro {

struct RotationElements {
  double PoleRa = 0.0;         // degrees
  double PoleDec = 0.0;        // degrees
  double PrimeMeridian = 0.0;  // W, degrees, [0, 360)
};

// The elements of `planet` (Mercury to Neptune) at `tdbJulianDay`. A planet is
// seen as it was one light time before: pass the instant less that time.
RotationElements RotationElementsOf(Body planet, double tdbJulianDay);

// The body-fixed axes of `elements` as unit vectors of the J2000 frame: x to
// the prime meridian on the equator, y to 90 degrees east of it, z to the
// north pole.
struct BodyAxes {
  double X[3], Y[3], Z[3];
};
BodyAxes AxesOf(const RotationElements& elements);

// The body's equatorial radius and its flattening, 1 - polar / equatorial
// (the same report's table 5, mean values).
struct BodyFigure {
  double EquatorialRadiusKm;
  double Flattening;
};
BodyFigure FigureOf(Body planet);

}  // namespace astro
