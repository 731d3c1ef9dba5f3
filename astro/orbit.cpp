#include "astro/orbit.h"

#include <cmath>

#include "astro/transforms.h"

namespace astro {
namespace {

constexpr double kMu = kGaussK * kGaussK;  // GM of the Sun, AU^3/day^2
constexpr double kTwoPi = 6.283185307179586;

// The Stumpff functions c0(x) ... c3(x). Near x = 0 the closed forms lose
// every digit to cancellation, so the series is summed there.
struct Stumpff {
  double C0, C1, C2, C3;
};

Stumpff StumpffAt(double x) {
  if (std::fabs(x) < 0.1) {
    // c_k(x) = sum_j (-x)^j / (k + 2j)!, to j = 8: below 1e-17 for |x| < 0.1.
    double c2 = 0.0, c3 = 0.0, term2 = 0.5, term3 = 1.0 / 6.0;
    for (int j = 0; j < 9; ++j) {
      c2 += term2;
      c3 += term3;
      term2 *= -x / ((2 * j + 3) * (2 * j + 4));
      term3 *= -x / ((2 * j + 4) * (2 * j + 5));
    }
    return {1.0 - x * c2, 1.0 - x * c3, c2, c3};
  }
  double c0, c1;
  if (x > 0.0) {
    const double w = std::sqrt(x);
    c0 = std::cos(w);
    c1 = std::sin(w) / w;
  } else {
    const double w = std::sqrt(-x);
    c0 = std::cosh(w);
    c1 = std::sinh(w) / w;
  }
  return {c0, c1, (1.0 - c0) / x, (1.0 - c1) / x};
}

// Kepler's equation in universal variables from perihelion (r0 = q, radial
// velocity 0): t = q s c1(beta s^2) + mu s^3 c3(beta s^2), beta = mu (1 - e)/q.
// It increases with s (its derivative is r > 0): a bracket is grown from 0
// and Newton's steps that leave it are replaced by halving.
double UniversalAnomaly(double q, double beta, double dt) {
  const auto time = [&](double s) {
    const Stumpff c = StumpffAt(beta * s * s);
    return q * s * c.C1 + kMu * s * s * s * c.C3 - dt;
  };
  const auto radius = [&](double s) {
    const Stumpff c = StumpffAt(beta * s * s);
    return q * c.C0 + kMu * s * s * c.C2;
  };
  if (dt == 0.0) return 0.0;
  const double sign = dt > 0.0 ? 1.0 : -1.0;
  double lo = 0.0, hi = sign * std::fmin(std::fabs(dt) / q, std::cbrt(6.0 * std::fabs(dt) / kMu));
  while (sign * time(hi) < 0.0) {
    lo = hi;
    hi *= 2.0;
  }
  double s = 0.5 * (lo + hi), lastStep = std::fabs(hi - lo);
  for (int n = 0; n < 200; ++n) {
    const double f = time(s);
    if (f == 0.0) break;
    if ((f < 0.0) == (sign > 0.0)) {
      lo = s;
    } else {
      hi = s;
    }
    double next = s - f / radius(s);
    // Halving when the step leaves the bracket or is no number (cosh
    // overflows far out on a hyperbola), and when it does not shrink by half:
    // far above the root the exponential makes Newton's steps crawl.
    if (!((next - lo) * (next - hi) < 0.0) || std::fabs(next - s) > 0.5 * lastStep)
      next = 0.5 * (lo + hi);
    lastStep = std::fabs(next - s);
    s = next;
    if (lastStep <= 1e-15 * std::fabs(s)) break;
  }
  return s;
}

}  // namespace

OrbitalElements EllipticElements(double a, double e, double inclination, double node,
                                 double perihelion, double meanAnomaly, double epoch) {
  const double n = kGaussK / (a * std::sqrt(a));  // radians per day
  // The perihelion nearest the epoch: M taken within (-180, 180].
  const double m = std::remainder(meanAnomaly, 360.0) * kDegToRad;
  return {a * (1.0 - e), e, inclination, node, perihelion, epoch - m / n, epoch};
}

StateVector EclipticStateAt(const OrbitalElements& el, double ttJulianDay) {
  const double q = el.PerihelionDistance;
  const double beta = kMu * (1.0 - el.Eccentricity) / q;  // mu / a
  double dt = ttJulianDay - el.PerihelionTime;
  if (beta > 0.0) {
    // Whole periods taken off keep s, and the rounding, small.
    const double period = kTwoPi * kMu / (beta * std::sqrt(beta));
    dt = std::remainder(dt, period);
  }
  const double s = UniversalAnomaly(q, beta, dt);
  const Stumpff c = StumpffAt(beta * s * s);
  const double r = q * c.C0 + kMu * s * s * c.C2;
  const double v0 = std::sqrt(kMu * (1.0 + el.Eccentricity) / q);
  // f and g series from the perihelion state (q, 0) and (0, v0).
  const double f = 1.0 - kMu * s * s * c.C2 / q;
  const double g = dt - kMu * s * s * s * c.C3;
  const double fdot = -kMu * s * c.C1 / (r * q);
  const double gdot = 1.0 - kMu * s * s * c.C2 / r;
  const double plane[2][2] = {{f * q, g * v0}, {fdot * q, gdot * v0}};

  // The orbital plane to the ecliptic: Rz(node) Rx(i) Rz(argument of perihelion).
  const double cw = std::cos(el.Perihelion * kDegToRad), sw = std::sin(el.Perihelion * kDegToRad);
  const double cn = std::cos(el.Node * kDegToRad), sn = std::sin(el.Node * kDegToRad);
  const double ci = std::cos(el.Inclination * kDegToRad), si = std::sin(el.Inclination * kDegToRad);
  const double p[3] = {cn * cw - sn * sw * ci, sn * cw + cn * sw * ci, sw * si};
  const double qv[3] = {-cn * sw - sn * cw * ci, -sn * sw + cn * cw * ci, cw * si};
  StateVector state;
  for (int k = 0; k < 3; ++k) {
    state.Position[k] = plane[0][0] * p[k] + plane[0][1] * qv[k];
    state.Velocity[k] = plane[1][0] * p[k] + plane[1][1] * qv[k];
  }
  return state;
}

StateVector EquatorialStateAt(const OrbitalElements& elements, double ttJulianDay) {
  const StateVector ecliptic = EclipticStateAt(elements, ttJulianDay);
  const double ce = std::cos(kJ2000Obliquity * kDegToRad),
               se = std::sin(kJ2000Obliquity * kDegToRad);
  StateVector state;
  const auto turn = [&](const double(&in)[3], double(&out)[3]) {
    out[0] = in[0];
    out[1] = ce * in[1] - se * in[2];
    out[2] = se * in[1] + ce * in[2];
  };
  turn(ecliptic.Position, state.Position);
  turn(ecliptic.Velocity, state.Velocity);
  return state;
}

}  // namespace astro
