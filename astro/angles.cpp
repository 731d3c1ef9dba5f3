#include "astro/angles.h"

#include <cmath>

namespace astro {

double Normalize360(double x) { return x - 360.0 * std::floor(x / 360.0); }

}  // namespace astro
