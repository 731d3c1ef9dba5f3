// Coordinate conventions and the conversions between them.
//
// Angles are degrees, right ascension hours. The observer and the instant enter
// as the Greenwich sidereal angle S (degrees), the longitude L (degrees, west
// positive) and the latitude phi (degrees, north positive); the hour angle of a
// body at right ascension alpha is H = S - L - 15 * alpha.
#pragma once

namespace astro {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kHoursToDeg = 15.0;
constexpr double kDegToHours = 0.06666666666666667;

struct EquatorialCoord {
  double RightAscension;  // hours
  double Declination;     // degrees, north positive
};

struct HorizontalCoord {
  double Altitude;  // degrees, above the horizon positive
  double Azimuth;   // degrees, [0, 360); the sense depends on the conversion
};

// Azimuths. Inside the program, and as users and scripts see them, an
// azimuth runs from the north through the east (degrees, [0, 360)).
// EquatorialToHorizontal (so AstroState::HorizonOf and CSkyDoc::HorizontalOf)
// counts from the south through the west, HorizontalToEquatorial (so the
// horizon points and AstroState::SkyAt) from the south through the east.
// These are the only conversions between them.
// From the south through the west to the north through the east, [0, 360).
double NorthEastFromSouthWest(double azimuth);
// From the north through the east to the south through the east, [0, 360).
double SouthEastFromNorthEast(double azimuth);
// From the south through the east to the south through the west: the
// mirror image, in (0, 360].
double SouthWestFromSouthEast(double azimuth);

// Drawing point of a direction: the unit vector with the north celestial pole
// at +Y, 0 h towards -Z and 6 h towards -X. alpha in hours, delta in degrees;
// writes x, y, z into `xyz` and returns 1.
int EquatorialToSphere(double alpha, double delta, double xyz[3]);

// The right ascension (hours, [0, 24)) and declination of drawing point xyz
// (a unit vector): the inverse of EquatorialToSphere.
EquatorialCoord SphereToEquatorial(const double xyz[3]);

// Altitude and azimuth (degrees, azimuth from the south through the WEST)
// of alpha (hours), delta (degrees) for sidereal angle S, longitude L, latitude phi.
// Standard spherical astronomy (Meeus, Astronomical Algorithms, ch. 13).
HorizontalCoord EquatorialToHorizontal(double alpha, double delta, double siderealAngle,
                                       double longitude, double latitude);

// Right ascension (hours, [0, 24)) and declination (degrees) of the point at
// azimuth A (degrees, from the south through the EAST) and altitude h (degrees).
// Inverse spherical transformation (Meeus, ch. 13).
EquatorialCoord HorizontalToEquatorial(double azimuth, double altitude, double siderealAngle,
                                       double longitude, double latitude);

// Equatorial B1950 position of galactic longitude l and latitude b (degrees),
// with the galactic pole at declination 27.4 deg and nodes 123 and 12.25 deg.
// l runs opposite to the IAU sense (l = 90 here is the IAU's 270). Meeus, ch. 13.
EquatorialCoord GalacticToEquatorial(double l, double b);

// Angular distance in degrees between (alpha1, delta1) and (alpha2, delta2),
// right ascensions in hours. Below 10 arc minutes the plane approximation is
// used, with the difference in right ascension taken the short way round
// (within 12 h), so that 23.99 h and -0.01 h are close. Meeus, ch. 17.
double AngularSeparation(double alpha1, double delta1, double alpha2, double delta2);

}  // namespace astro
