#include "astro/precession.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace astro {
namespace {

constexpr double kArcsecToRad = kDegToRad / 3600.0;

EquatorialCoord Rotate(const double (&m)[3][3], bool transpose, double alpha, double delta) {
  const double a = alpha * kHoursToDeg * kDegToRad, d = delta * kDegToRad;
  const double v[3] = {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
  double r[3];
  for (int i = 0; i < 3; ++i)
    r[i] = transpose ? m[0][i] * v[0] + m[1][i] * v[1] + m[2][i] * v[2]
                     : m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
  return {Normalize360(std::atan2(r[1], r[0]) * kRadToDeg) / kHoursToDeg,
          std::asin(std::clamp(r[2], -1.0, 1.0)) * kRadToDeg};
}

}  // namespace

PrecessionMatrix PrecessionFromJ2000(double t) {
  const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) * kArcsecToRad;
  const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) * kArcsecToRad;
  const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) * kArcsecToRad;
  const double cz = std::cos(zeta), sz = std::sin(zeta);
  const double cZ = std::cos(z), sZ = std::sin(z);
  const double ct = std::cos(theta), st = std::sin(theta);
  PrecessionMatrix p;
  p.M[0][0] = cz * ct * cZ - sz * sZ;
  p.M[0][1] = -sz * ct * cZ - cz * sZ;
  p.M[0][2] = -st * cZ;
  p.M[1][0] = cz * ct * sZ + sz * cZ;
  p.M[1][1] = -sz * ct * sZ + cz * cZ;
  p.M[1][2] = -st * sZ;
  p.M[2][0] = cz * st;
  p.M[2][1] = -sz * st;
  p.M[2][2] = ct;
  return p;
}

EquatorialCoord PrecessToDate(const PrecessionMatrix& p, double alpha, double delta) {
  return Rotate(p.M, false, alpha, delta);
}

EquatorialCoord PrecessToJ2000(const PrecessionMatrix& p, double alpha, double delta) {
  return Rotate(p.M, true, alpha, delta);
}

}  // namespace astro
