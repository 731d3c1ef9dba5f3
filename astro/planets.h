// Planets on Kepler ellipses whose elements drift linearly with time.
#pragma once

#include "astro/astro_state.h"

namespace astro {

// Number of element rows: 0 the Earth-Moon barycentre, 1 Mercury ... 8 Pluto.
constexpr int kElementRows = 9;

// Kepler elements, J2000 mean ecliptic and equinox.
struct OrbitalElements {
  double SemiMajorAxis;  // AU
  double Eccentricity;
  double Inclination;    // degrees
  double MeanLongitude;  // degrees
  double Perihelion;     // longitude of perihelion, degrees
  double AscendingNode;  // longitude of the ascending node, degrees
};

struct EclipticVector {
  double X, Y, Z;  // AU, J2000 mean ecliptic and equinox
};

// Elements of row `row` at T Julian centuries from J2000.0: value + rate * T.
// E. M. Standish, "Keplerian Elements for Approximate Positions of the Major
// Planets", JPL (table for 1800-2050, good through 2099).
OrbitalElements ElementsAt(int row, double t2000);

// True anomaly (degrees, (-180, 180]) for mean anomaly M (degrees) and
// eccentricity e < 1: Newton's iteration on Kepler's equation from E = M down
// to steps below 10^-digits degrees, stopping after 100 steps at the latest.
// Meeus, ch. 30.
double SolveKepler(double meanAnomaly, double eccentricity, int digits);

// Heliocentric ecliptic position (AU) of a body with the given elements.
// Meeus, ch. 33.
EclipticVector HeliocentricPosition(const OrbitalElements& elements);

// Heliocentric ecliptic position (AU) of the Earth at T Julian centuries from
// J2000.0: the barycentre row's ellipse with its small inclination to the
// J2000 ecliptic (0.013 degrees a century away from J2000).
EclipticVector EarthPosition(double t2000);

// Right ascension (hours, [0, 24)), declination (degrees) and geocentric
// distance Delta (AU) of a geocentric ecliptic vector, rotated by the J2000
// obliquity 23.43928 degrees; the heliocentric distance is left 0.
PlanetState EclipticToEquatorial(const EclipticVector& geocentric);

}  // namespace astro
