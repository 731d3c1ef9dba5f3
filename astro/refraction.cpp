#include "astro/refraction.h"

#include <algorithm>
#include <cmath>

#include "astro/transforms.h"

namespace astro {
namespace {

// Below this geometric altitude the formula gives way to a straight taper.
constexpr double kFormulaFloor = -2.0;
constexpr double kTaperEnd = -5.0;

double Saemundsson(double h) {
  const double r = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kDegToRad) / 60.0;
  return std::max(r, 0.0);
}

}  // namespace

double RefractionAt(double h) {
  if (!(h > kTaperEnd)) return 0.0;  // NaN too
  if (h < kFormulaFloor)
    return Saemundsson(kFormulaFloor) * (h - kTaperEnd) / (kFormulaFloor - kTaperEnd);
  return Saemundsson(std::min(h, 90.0));
}

double ApparentAltitude(double h) { return h + RefractionAt(h); }

double GeometricAltitude(double a) {
  // The refraction is under one degree: the answer lies in [a - 1, a], where
  // ApparentAltitude rises steadily.
  double low = a - 1.0, high = a;
  for (int i = 0; i < 60 && high - low > 1e-10; ++i) {
    const double mid = 0.5 * (low + high);
    (ApparentAltitude(mid) < a ? low : high) = mid;
  }
  return 0.5 * (low + high);
}

void RefractPoint(const double zenith[3], double p[3], bool toApparent) {
  const double up = std::clamp(p[0] * zenith[0] + p[1] * zenith[1] + p[2] * zenith[2], -1.0, 1.0);
  // The horizontal part of p: its direction along the horizon.
  double u[3] = {p[0] - up * zenith[0], p[1] - up * zenith[1], p[2] - up * zenith[2]};
  const double length = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
  if (length < 1e-12) return;  // the zenith or the nadir
  const double h = std::asin(up) * kRadToDeg;
  const double moved = (toApparent ? ApparentAltitude(h) : GeometricAltitude(h)) * kDegToRad;
  const double c = std::cos(moved) / length, s = std::sin(moved);
  for (int i = 0; i < 3; ++i) p[i] = u[i] * c + zenith[i] * s;
}

}  // namespace astro
