#include "astro/moon_libration.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/transforms.h"

namespace astro {
namespace {

double Sin(double degrees) { return std::sin(degrees * kDegToRad); }
double Cos(double degrees) { return std::cos(degrees * kDegToRad); }

// The inclination of the mean lunar equator to the ecliptic, degrees.
constexpr double kInclination = 1.54242;

}  // namespace

MoonLibration MoonLibrationOf(double ttJulianDay, double lambda, double beta, double alpha,
                              double epsilon) {
  const double t = (ttJulianDay - 2451545.0) / 36525.0, t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  // The mean elements (ch. 47).
  const double d = Normalize360(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868 -
                                t4 / 113065000);
  const double m = Normalize360(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000);
  const double mp =
      Normalize360(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699 - t4 / 14712000);
  const double f = Normalize360(93.2720950 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000 +
                                t4 / 863310000);
  const double node =
      Normalize360(125.0445479 - 1934.1362891 * t + 0.0020754 * t2 + t3 / 467441 - t4 / 60616000);
  const double e = 1 - 0.002516 * t - 0.0000074 * t2;
  // The nutation in longitude (ch. 22, to 0.5").
  const double sunL = 280.4665 + 36000.7698 * t, moonL = 218.3165 + 481267.8813 * t;
  const double nutation =
      (-17.20 * Sin(node) - 1.32 * Sin(2 * sunL) - 0.23 * Sin(2 * moonL) + 0.21 * Sin(2 * node)) /
      3600;

  // The optical librations.
  const double w = Normalize360(lambda - nutation - node);
  const double a = Normalize360(
      std::atan2(Sin(w) * Cos(beta) * Cos(kInclination) - Sin(beta) * Sin(kInclination),
                 Cos(w) * Cos(beta)) *
      kRadToDeg);
  const double lOptical = std::remainder(a - f, 360.0);
  const double bOptical =
      std::asin(-Sin(w) * Cos(beta) * Sin(kInclination) - Sin(beta) * Cos(kInclination)) *
      kRadToDeg;

  // The physical librations.
  const double k1 = 119.75 + 131.849 * t, k2 = 72.56 + 20.186 * t;
  const double rho = -0.02752 * Cos(mp) - 0.02245 * Sin(f) + 0.00684 * Cos(mp - 2 * f) -
                     0.00293 * Cos(2 * f) - 0.00085 * Cos(2 * f - 2 * d) -
                     0.00054 * Cos(mp - 2 * d) - 0.00020 * Sin(mp + f) - 0.00020 * Cos(mp + 2 * f) -
                     0.00020 * Cos(mp - f) + 0.00014 * Cos(mp + 2 * f - 2 * d);
  const double sigma = -0.02816 * Sin(mp) + 0.02244 * Cos(f) - 0.00682 * Sin(mp - 2 * f) -
                       0.00279 * Sin(2 * f) - 0.00083 * Sin(2 * f - 2 * d) +
                       0.00069 * Sin(mp - 2 * d) + 0.00040 * Cos(mp + f) - 0.00025 * Sin(2 * mp) -
                       0.00023 * Sin(mp + 2 * f) + 0.00020 * Cos(mp - f) + 0.00019 * Sin(mp - f) +
                       0.00013 * Sin(mp + 2 * f - 2 * d) - 0.00010 * Cos(mp - 3 * f);
  const double tau =
      0.02520 * e * Sin(m) + 0.00473 * Sin(2 * mp - 2 * f) - 0.00467 * Sin(mp) + 0.00396 * Sin(k1) +
      0.00276 * Sin(2 * mp - 2 * d) + 0.00196 * Sin(node) - 0.00183 * Cos(mp - f) +
      0.00115 * Sin(mp - 2 * d) - 0.00096 * Sin(mp - d) + 0.00046 * Sin(2 * f - 2 * d) -
      0.00039 * Sin(mp - f) - 0.00032 * Sin(mp - m - d) + 0.00027 * Sin(2 * mp - m - 2 * d) +
      0.00023 * Sin(k2) - 0.00014 * Sin(2 * d) + 0.00014 * Cos(2 * mp - 2 * f) -
      0.00012 * Sin(mp - 2 * f) - 0.00012 * Sin(2 * mp) + 0.00011 * Sin(2 * mp - 2 * m - 2 * d);

  MoonLibration libration;
  libration.Longitude =
      lOptical - tau + (rho * Cos(a) + sigma * Sin(a)) * std::tan(bOptical * kDegToRad);
  libration.Latitude = bOptical + sigma * Cos(a) - rho * Sin(a);

  // The position angle of the axis.
  const double v = node + nutation + sigma / Sin(kInclination);
  const double x = Sin(kInclination + rho) * Sin(v);
  const double y =
      Sin(kInclination + rho) * Cos(v) * Cos(epsilon) - Cos(kInclination + rho) * Sin(epsilon);
  const double omega = std::atan2(x, y) * kRadToDeg;
  libration.AxisAngle = Normalize360(
      std::asin(std::sqrt(x * x + y * y) * Cos(alpha - omega) / Cos(libration.Latitude)) *
      kRadToDeg);
  return libration;
}

}  // namespace astro
