// Two-body motion of a comet or an asteroid about the Sun from its osculating
// elements, for every eccentricity: ellipses, parabolas and hyperbolas, and
// the nearly parabolic orbits between them, with one solver.
//
// Units: AU, days (Terrestrial Time), degrees for angles. The angles are
// referred to the J2000 ecliptic and equinox, as the Minor Planet Center
// gives them.
#pragma once

namespace astro {

// The Gaussian gravitational constant, radians per day (AU, solar masses).
constexpr double kGaussK = 0.01720209895;

// The obliquity of the J2000 ecliptic, degrees (IAU 1976: 23 26' 21.448").
constexpr double kJ2000Obliquity = 84381.448 / 3600.0;

// Osculating elements in the perihelion form, good for every e >= 0.
struct OrbitalElements {
  double PerihelionDistance = 1.0;    // q, AU
  double Eccentricity = 0.0;          // e
  double Inclination = 0.0;           // i, degrees
  double Node = 0.0;                  // longitude of the ascending node, degrees
  double Perihelion = 0.0;            // argument of perihelion, degrees
  double PerihelionTime = 2451545.0;  // T, Julian day TT
  double Epoch = 2451545.0;           // of osculation, Julian day TT
};

// The perihelion form of an ellipse given by its semi-major axis `a` (AU),
// `e` < 1, and its mean anomaly `meanAnomaly` (degrees) at `epoch` (JD TT);
// the angles are copied. The mean motion is k a^(-3/2) (a massless body).
OrbitalElements EllipticElements(double a, double e, double inclination, double node,
                                 double perihelion, double meanAnomaly, double epoch);

// A position and a velocity: AU and AU/day.
struct StateVector {
  double Position[3] = {0.0, 0.0, 0.0};
  double Velocity[3] = {0.0, 0.0, 0.0};
};

// The heliocentric state at `ttJulianDay` on the J2000 ecliptic axes (x
// towards the equinox, z towards the ecliptic's north pole). Universal
// variables: Kepler's equation in s with the Stumpff functions c0...c3,
// solved by Newton's method kept inside a bracket, so that it converges for
// e from 0 to far beyond 1 and for any time (Danby, Fundamentals of
// Celestial Mechanics, 2nd ed., ch. 6.9).
StateVector EclipticStateAt(const OrbitalElements& elements, double ttJulianDay);

// The same on the J2000 equatorial axes (GCRS to 0.02"): turned about x by
// kJ2000Obliquity.
StateVector EquatorialStateAt(const OrbitalElements& elements, double ttJulianDay);

}  // namespace astro
