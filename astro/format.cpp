#include "astro/format.h"

#include <cmath>
#include <cstdio>

namespace astro {

std::string FormatFixed(double x, int decimals) {
  // Measured first: 1e308 has 309 digits before the point.
  const int length = std::snprintf(nullptr, 0, "%4.*f", decimals, x);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%4.*f", decimals, x);
  text.pop_back();
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
