#include "astro/jupiter_meridian.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/transforms.h"

namespace astro {
namespace {

double Sin(double degrees) { return std::sin(degrees * kDegToRad); }
double Cos(double degrees) { return std::cos(degrees * kDegToRad); }

// The light's speed in AU a day, as the method rounds it.
constexpr double kAuPerLightDay = 173.0;

}  // namespace

JupiterMeridians JupiterMeridiansOf(double ttJulianDay) {
  const double d = ttJulianDay - 2451545.0;
  // The long-period term in Jupiter's longitude, the Earth's and Jupiter's
  // mean anomalies (m, n) and Jupiter's mean longitude.
  const double v = 172.74 + 0.00111588 * d;
  const double m = 357.529 + 0.9856003 * d;
  const double n = 20.020 + 0.0830853 * d + 0.329 * Sin(v);
  const double j = 66.115 + 0.9025179 * d - 0.329 * Sin(v);
  // The equations of the centre, the angle at the Sun between the Earth and
  // Jupiter, the radius vectors and the distance between them (AU).
  const double a = 1.915 * Sin(m) + 0.020 * Sin(2 * m);
  const double b = 5.555 * Sin(n) + 0.168 * Sin(2 * n);
  const double k = j + a - b;
  const double earthR = 1.00014 - 0.01671 * Cos(m) - 0.00014 * Cos(2 * m);
  const double jupiterR = 5.20872 - 0.25208 * Cos(n) - 0.00611 * Cos(2 * n);
  const double delta =
      std::sqrt(jupiterR * jupiterR + earthR * earthR - 2 * jupiterR * earthR * Cos(k));
  // The phase angle, the angle at Jupiter between the Sun and the Earth.
  const double psi = std::asin(earthR / delta * Sin(k)) * kRadToDeg;
  const double seen = d - delta / kAuPerLightDay;
  JupiterMeridians meridians;
  meridians.SystemI = Normalize360(210.98 + 877.8169088 * seen + psi - b);
  meridians.SystemII = Normalize360(187.23 + 870.1869088 * seen + psi - b);
  const double half = Sin(psi / 2);
  meridians.LitDiscCorrection = (Sin(k) > 0 ? -1.0 : 1.0) * half * half * kRadToDeg;
  return meridians;
}

double RedSpotLongitude(const RedSpotDrift& drift, double ttJulianDay) {
  const double years = (ttJulianDay - 2451545.0) / 365.25 - (drift.EpochYear - 2000.0);
  return Normalize360(drift.Longitude + drift.DegreesPerYear * years);
}

}  // namespace astro
