#include "astro/format.h"

#include <cmath>
#include <cstdio>

namespace astro {

std::string FormatFixed(double x, int decimals) {
  char text[31];
  std::snprintf(text, sizeof text, "%4.*f", decimals, x);
  return text;
}

AngleParts SplitAngle(double x) {
  double whole = 0.0;
  const double fraction = std::modf(x, &whole);
  double minutes = 0.0;
  const double minuteFraction = std::modf(60.0 * fraction, &minutes);
  return {whole, std::fabs(minutes), std::fabs(60.0 * minuteFraction)};
}

}  // namespace astro
