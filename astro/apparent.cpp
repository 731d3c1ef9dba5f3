#include "astro/apparent.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/longitude.h"

namespace astro {
namespace {

// ERFA's two-part dates: the modified Julian day split off.
constexpr double kMjdZero = 2400000.5;

double Length(const double (&v)[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

}  // namespace

PrecessionMatrix PrecessionNutation(double ttJulianDay) {
  PrecessionMatrix p;
  eraPnm06a(kMjdZero, ttJulianDay - kMjdZero, p.M);
  return p;
}

double ApparentSiderealAngle(double utJulianDay, double ttJulianDay, const PrecessionMatrix& npb) {
  double rnpb[3][3];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) rnpb[i][j] = npb.M[i][j];
  return Normalize360(
      eraGst06(kMjdZero, utJulianDay - kMjdZero, kMjdZero, ttJulianDay - kMjdZero, rnpb) *
      kRadToDeg);
}

EarthMotion EarthMotionAt(double ttJulianDay) {
  double heliocentric[2][3], barycentric[2][3];
  eraEpv00(kMjdZero, ttJulianDay - kMjdZero, heliocentric, barycentric);
  EarthMotion earth;
  for (int i = 0; i < 3; ++i) {
    earth.Heliocentric[i] = heliocentric[0][i];
    earth.Velocity[i] = barycentric[1][i];
  }
  return earth;
}

void Aberrate(const EarthMotion& earth, double (&direction)[3]) {
  double v[3], speed2 = 0.0;
  for (int i = 0; i < 3; ++i) {
    v[i] = earth.Velocity[i] * kLightDaysPerAu;  // in units of c
    speed2 += v[i] * v[i];
  }
  double natural[3] = {direction[0], direction[1], direction[2]};
  eraAb(natural, v, Length(earth.Heliocentric), std::sqrt(1.0 - speed2), direction);
}

void ObserverPosition(double latitude, double longitude, double siderealAngle,
                      const PrecessionMatrix& npb, double (&xyz)[3]) {
  double earthFixed[3];
  eraGd2gc(ERFA_WGS84, EastPositive(longitude) * kDegToRad, latitude * kDegToRad, 0.0, earthFixed);
  // Metres in the Earth's frame to AU in the frame of date, then back to J2000.
  const double s = siderealAngle * kDegToRad;
  const double ofDate[3] = {(earthFixed[0] * std::cos(s) - earthFixed[1] * std::sin(s)) / ERFA_DAU,
                            (earthFixed[0] * std::sin(s) + earthFixed[1] * std::cos(s)) / ERFA_DAU,
                            earthFixed[2] / ERFA_DAU};
  for (int i = 0; i < 3; ++i)
    xyz[i] = npb.M[0][i] * ofDate[0] + npb.M[1][i] * ofDate[1] + npb.M[2][i] * ofDate[2];
}

ApparentDirection SeenFrom(const double (&observer)[3], const double (&geocentric)[3],
                           const EarthMotion& earth) {
  double u[3];
  for (int i = 0; i < 3; ++i) u[i] = geocentric[i] - observer[i];
  const double distance = Length(u);
  for (double& x : u) x /= distance;
  ApparentDirection seen{DirectionOf(u), {}, distance};
  Aberrate(earth, u);
  seen.Apparent = DirectionOf(u);
  return seen;
}

EquatorialCoord DirectionOf(const double (&xyz)[3]) {
  return {Normalize360(std::atan2(xyz[1], xyz[0]) * kRadToDeg) / kHoursToDeg,
          std::atan2(xyz[2], std::hypot(xyz[0], xyz[1])) * kRadToDeg};
}

}  // namespace astro
