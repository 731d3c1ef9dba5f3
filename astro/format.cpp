#include "astro/format.h"

#include <cstdio>

namespace astro {

std::string FormatFixed(double x, int decimals) {
  char text[31];
  std::snprintf(text, sizeof text, "%4.*f", decimals, x);
  return text;
}

}  // namespace astro
