#include "astro/moon_phase.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/time_scales.h"
#include "astro/transforms.h"
#include "res/translatable.h"

namespace astro {
namespace {

// Ecliptic longitude (degrees) of a J2000 equatorial vector, mean obliquity of J2000.
double EclipticLongitude(const double (&v)[3]) {
  constexpr double kObliquityJ2000 = 23.4392911 / kRadToDeg;
  const double y = v[1] * std::cos(kObliquityJ2000) + v[2] * std::sin(kObliquityJ2000);
  return Normalize360(std::atan2(y, v[0]) * kRadToDeg);
}

constexpr double kSynodicRate = 360.0 / 29.530589;  // degrees a day

// The geocentric Moon and Sun (AU, J2000 axes) at a Universal Time.
struct MoonAndSun {
  double Moon[3], Sun[3];
};
MoonAndSun MoonAndSunAt(double utJulianDay) {
  const double tt = TerrestrialJulianDay(utJulianDay);
  double pv[2][3];
  eraMoon98(2400000.5, tt - 2400000.5, pv);
  const EarthMotion earth = EarthMotionAt(tt);
  return {{pv[0][0], pv[0][1], pv[0][2]},
          {-earth.Heliocentric[0], -earth.Heliocentric[1], -earth.Heliocentric[2]}};
}

}  // namespace

double MoonElongation(double utJulianDay) {
  const MoonAndSun at = MoonAndSunAt(utJulianDay);
  return Normalize360(EclipticLongitude(at.Moon) - EclipticLongitude(at.Sun));
}

double PhaseAngle(const double (&body)[3], const double (&sun)[3]) {
  double toSun[3], toEarth[3];
  for (int i = 0; i < 3; ++i) {
    toSun[i] = sun[i] - body[i];
    toEarth[i] = -body[i];
  }
  const double dot = toSun[0] * toEarth[0] + toSun[1] * toEarth[1] + toSun[2] * toEarth[2];
  const double lengths =
      std::hypot(toSun[0], toSun[1], toSun[2]) * std::hypot(toEarth[0], toEarth[1], toEarth[2]);
  return std::acos(std::clamp(dot / lengths, -1.0, 1.0)) * kRadToDeg;
}

double IlluminatedFraction(double degrees) { return (1.0 + std::cos(degrees * kDegToRad)) / 2.0; }

double MoonIlluminatedFraction(double utJulianDay) {
  const MoonAndSun at = MoonAndSunAt(utJulianDay);
  return IlluminatedFraction(PhaseAngle(at.Moon, at.Sun));
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
  static constexpr const char* kNames[] = {
      STELLIX_TEXT("astro", "New Moon"),      STELLIX_TEXT("astro", "Waxing crescent"),
      STELLIX_TEXT("astro", "First quarter"), STELLIX_TEXT("astro", "Waxing gibbous"),
      STELLIX_TEXT("astro", "Full Moon"),     STELLIX_TEXT("astro", "Waning gibbous"),
      STELLIX_TEXT("astro", "Last quarter"),  STELLIX_TEXT("astro", "Waning crescent")};
  const int octant = static_cast<int>(std::floor(Normalize360(elongation + 22.5) / 45.0)) % 8;
  return kNames[octant];
}

}  // namespace astro
