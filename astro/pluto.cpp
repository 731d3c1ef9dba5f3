#include "astro/pluto.h"

#include <algorithm>
#include <cmath>

namespace astro {

void PlutoPosition(double ttJulianDay, double (&xyz)[3]) {
  const double days = ttJulianDay - kPlutoStart;
  const int segment =
      std::clamp(static_cast<int>(std::floor(days / kPlutoSegmentDays)), 0, kPlutoSegmentCount - 1);
  const double x = 2.0 * (days - segment * kPlutoSegmentDays) / kPlutoSegmentDays - 1.0;
  for (int axis = 0; axis < 3; ++axis) {
    // Clenshaw's recurrence.
    const double(&c)[11] = kPlutoSegments[segment].Coefficients[axis];
    double b1 = 0.0, b2 = 0.0;
    for (int k = 10; k >= 1; --k) {
      const double b0 = 2.0 * x * b1 - b2 + c[k];
      b2 = b1;
      b1 = b0;
    }
    xyz[axis] = x * b1 - b2 + c[0];
  }
}

}  // namespace astro
