#include "astro/time_scales.h"

namespace astro {

double DeltaTSeconds(double y) {
  if (y >= 1860.0 && y < 1900.0) {
    const double t = y - 1860.0;
    return 7.62 +
           t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
  }
  if (y >= 1900.0 && y < 1920.0) {
    const double t = y - 1900.0;
    return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
  }
  if (y >= 1920.0 && y < 1941.0) {
    const double t = y - 1920.0;
    return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
  }
  if (y >= 1941.0 && y < 1961.0) {
    const double t = y - 1950.0;
    return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
  }
  if (y >= 1961.0 && y < 1986.0) {
    const double t = y - 1975.0;
    return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
  }
  if (y >= 1986.0 && y < 2005.0) {
    const double t = y - 2000.0;
    return 63.86 +
           t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
  }
  if (y >= 2005.0 && y < 2050.0) {
    const double t = y - 2000.0;
    return 62.92 + t * (0.32217 + t * 0.005589);
  }
  const double u = (y - 1820.0) / 100.0;
  if (y >= 2050.0 && y < 2150.0) return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
  return -20.0 + 32.0 * u * u;
}

double DecimalYear(double julianDay) { return 2000.0 + (julianDay - 2451544.5) / 365.2425; }

double TerrestrialJulianDay(double julianDayUt) {
  return julianDayUt + DeltaTSeconds(DecimalYear(julianDayUt)) / 86400.0;
}

}  // namespace astro
