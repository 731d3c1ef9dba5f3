#include "astro/transforms.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace astro {

int EquatorialToSphere(double alpha, double delta, double xyz[3]) {
  const double a = alpha * kHoursToDeg * kDegToRad;
  const double d = delta * kDegToRad;
  xyz[0] = -std::sin(a) * std::cos(d);
  xyz[1] = std::sin(d);
  xyz[2] = -std::cos(a) * std::cos(d);
  return 1;
}

EquatorialCoord SphereToEquatorial(const double xyz[3]) {
  const double w = Normalize360(std::atan2(-xyz[0], -xyz[2]) * kRadToDeg);
  return {w / kHoursToDeg, std::asin(std::clamp(xyz[1], -1.0, 1.0)) * kRadToDeg};
}

double NorthEastFromSouthWest(double azimuth) { return Normalize360(azimuth + 180.0); }

double SouthEastFromNorthEast(double azimuth) { return Normalize360(180.0 - azimuth); }

double SouthWestFromSouthEast(double azimuth) { return 360.0 - azimuth; }

HorizontalCoord EquatorialToHorizontal(double alpha, double delta, double siderealAngle,
                                       double longitude, double latitude) {
  const double h = (siderealAngle - longitude - kHoursToDeg * alpha) * kDegToRad;
  const double phi = latitude * kDegToRad;
  const double d = delta * kDegToRad;
  const double azimuth = Normalize360(
      std::atan2(std::sin(h), std::sin(phi) * std::cos(h) - std::tan(d) * std::cos(phi)) *
      kRadToDeg);
  const double altitude =
      std::asin(std::cos(h) * std::cos(phi) * std::cos(d) + std::sin(d) * std::sin(phi)) *
      kRadToDeg;
  return {altitude, azimuth};
}

EquatorialCoord HorizontalToEquatorial(double azimuth, double altitude, double siderealAngle,
                                       double longitude, double latitude) {
  const double a = SouthWestFromSouthEast(azimuth) * kDegToRad;
  const double h = altitude * kDegToRad;
  const double phi = latitude * kDegToRad;
  const double hourAngle =
      std::atan2(std::sin(a), std::tan(h) * std::cos(phi) + std::sin(phi) * std::cos(a)) *
      kRadToDeg;
  const double alpha = Normalize360(siderealAngle - longitude - hourAngle) / kHoursToDeg;
  const double delta =
      std::asin(std::sin(h) * std::sin(phi) - std::cos(h) * std::cos(phi) * std::cos(a)) *
      kRadToDeg;
  return {alpha, delta};
}

EquatorialCoord GalacticToEquatorial(double l, double b) {
  constexpr double kPole = 0.4782202150464463;  // 27.4 degrees
  const double x = (360.0 - l - 123.0) * kDegToRad;
  const double bRad = b * kDegToRad;
  const double alpha = Normalize360(std::atan2(std::sin(x), std::sin(kPole) * std::cos(x) -
                                                                std::tan(bRad) * std::cos(kPole)) *
                                        kRadToDeg +
                                    12.25) /
                       kHoursToDeg;
  const double delta =
      std::asin(std::cos(x) * std::cos(kPole) * std::cos(bRad) + std::sin(kPole) * std::sin(bRad)) *
      kRadToDeg;
  return {alpha, delta};
}

double AngularSeparation(double alpha1, double delta1, double alpha2, double delta2) {
  const double d1 = delta1 * kDegToRad;
  const double d2 = delta2 * kDegToRad;
  const double cosD = std::cos((kHoursToDeg * alpha1 - kHoursToDeg * alpha2) * kDegToRad) *
                          std::cos(d2) * std::cos(d1) +
                      std::sin(d2) * std::sin(d1);
  const double d = std::acos(std::clamp(cosD, -1.0, 1.0)) * kRadToDeg;
  if (d > 0.166666666) return d;
  const double deltaAlpha = std::remainder(alpha2 - alpha1, 24.0);
  const double meanDelta = (delta1 + delta2) / 2.0 * kDegToRad;
  const double x = kHoursToDeg * deltaAlpha * std::cos(meanDelta);
  const double y = delta2 - delta1;
  return std::sqrt(x * x + y * y);
}

}  // namespace astro
