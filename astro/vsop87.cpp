#include "astro/vsop87.h"

#include <cmath>

namespace astro {
namespace {

double Sum(const Vsop87Series (&series)[6], double t) {
  double total = 0.0, power = 1.0;
  for (const Vsop87Series& s : series) {
    double sum = 0.0;
    for (int i = 0; i < s.Count; ++i)
      sum += s.Terms[i].A * std::cos(s.Terms[i].B + s.Terms[i].C * t);
    total += sum * power;
    power *= t;
  }
  return total;
}

}  // namespace

void Vsop87Position(int index, double ttJulianDay, double (&xyz)[3]) {
  const Vsop87Planet& planet = kVsop87Planets[index];
  const double t = (ttJulianDay - 2451545.0) / 365250.0;
  const double l = Sum(planet.L, t), b = Sum(planet.B, t), r = Sum(planet.R, t);
  const double x = r * std::cos(b) * std::cos(l);
  const double y = r * std::cos(b) * std::sin(l);
  const double z = r * std::sin(b);
  xyz[0] = x + 0.000000440360 * y - 0.000000190919 * z;
  xyz[1] = -0.000000479966 * x + 0.917482137087 * y - 0.397776982902 * z;
  xyz[2] = 0.397776982902 * y + 0.917482137087 * z;
}

}  // namespace astro
