#include "astro/moon_phase.h"

#include <erfa.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/time_scales.h"
#include "astro/transforms.h"

namespace astro {
namespace {

// Ecliptic longitude (degrees) of a J2000 equatorial vector, mean obliquity of J2000.
double EclipticLongitude(const double (&v)[3]) {
  constexpr double kObliquityJ2000 = 23.4392911 / kRadToDeg;
  const double y = v[1] * std::cos(kObliquityJ2000) + v[2] * std::sin(kObliquityJ2000);
  return Normalize360(std::atan2(y, v[0]) * kRadToDeg);
}

constexpr double kSynodicRate = 360.0 / 29.530589;  // degrees a day

}  // namespace

double MoonElongation(double utJulianDay) {
  const double tt = TerrestrialJulianDay(utJulianDay);
  double pv[2][3];
  eraMoon98(2400000.5, tt - 2400000.5, pv);
  const EarthMotion earth = EarthMotionAt(tt);
  const double sun[3] = {-earth.Heliocentric[0], -earth.Heliocentric[1], -earth.Heliocentric[2]};
  return Normalize360(EclipticLongitude(pv[0]) - EclipticLongitude(sun));
}

double MoonAge(double utJulianDay) {
  double t = utJulianDay - MoonElongation(utJulianDay) / kSynodicRate;
  for (int i = 0; i < 6; ++i) {
    double e = MoonElongation(t);
    if (e > 180.0) e -= 360.0;
    t -= e / kSynodicRate;
  }
  return utJulianDay - t;
}

const char* MoonPhaseName(double elongation) {
  static constexpr const char* kNames[] = {"New Moon",       "Waxing crescent", "First quarter",
                                           "Waxing gibbous", "Full Moon",       "Waning gibbous",
                                           "Last quarter",   "Waning crescent"};
  const int octant = static_cast<int>(std::floor(Normalize360(elongation + 22.5) / 45.0)) % 8;
  return kNames[octant];
}

}  // namespace astro
