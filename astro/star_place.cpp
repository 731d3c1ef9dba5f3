#include "astro/star_place.h"

#include <erfa.h>

#include <cmath>

#include "astro/angles.h"

namespace astro {
namespace {

constexpr double kMasToRad = kDegToRad / 3600000.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianYear = 365.25;

}  // namespace

void StarVectorsAt(const EquatorialCoord& j2000, const StarMotion& motion, double ttJulianDay,
                   const EarthMotion& earth, double (&astrometric)[3], double (&aberrated)[3]) {
  const double ra = j2000.RightAscension * 15.0 * kDegToRad, dec = j2000.Declination * kDegToRad;
  // eraPmpx takes the change of RA itself; the pole has no such change.
  const double cosDec = std::cos(dec);
  const double raRate = cosDec > 1e-9 ? motion.ProperMotionRa * kMasToRad / cosDec : 0.0;
  double observer[3] = {earth.Heliocentric[0], earth.Heliocentric[1], earth.Heliocentric[2]};
  eraPmpx(ra, dec, raRate, motion.ProperMotionDec * kMasToRad, motion.Parallax / 1000.0, 0.0,
          (ttJulianDay - kJ2000) / kDaysPerJulianYear, observer, astrometric);
  for (int i = 0; i < 3; ++i) aberrated[i] = astrometric[i];
  Aberrate(earth, aberrated);
}

StarDirection StarPlaceAt(const EquatorialCoord& j2000, const StarMotion& motion,
                          double ttJulianDay, const EarthMotion& earth) {
  double astrometric[3], aberrated[3];
  StarVectorsAt(j2000, motion, ttJulianDay, earth, astrometric, aberrated);
  return {DirectionOf(astrometric), DirectionOf(aberrated)};
}

}  // namespace astro
