#include "astro/rotation_elements.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/transforms.h"

namespace astro {
namespace {

constexpr double kJ2000 = 2451545.0;

}  // namespace

RotationElements RotationElementsOf(Body planet, double tdbJulianDay) {
  const double d = tdbJulianDay - kJ2000, T = d / 36525.0;
  RotationElements e;
  switch (planet) {
    case Body::Mercury:
      e = {281.0097 - 0.0328 * T, 61.4143 - 0.0049 * T, 329.5469 + 6.1385025 * d};
      break;
    case Body::Venus:
      e = {272.76, 67.16, 160.20 - 1.4813688 * d};
      break;
    case Body::Mars:
      e = {317.68143 - 0.1061 * T, 52.88650 - 0.0609 * T, 176.630 + 350.89198226 * d};
      break;
    case Body::Jupiter:
      e = {268.056595 - 0.006499 * T, 64.495303 + 0.002413 * T, 284.95 + 870.5360000 * d};
      break;
    case Body::Saturn:
      e = {40.589 - 0.036 * T, 83.537 - 0.004 * T, 38.90 + 810.7939024 * d};
      break;
    case Body::Uranus:
      e = {257.311, -15.175, 203.81 - 501.1600928 * d};
      break;
    default: {  // Neptune
      const double n = (357.85 + 52.316 * T) * kDegToRad;
      e = {299.36 + 0.70 * std::sin(n), 43.46 - 0.51 * std::cos(n),
           253.18 + 536.3128492 * d - 0.48 * std::sin(n)};
      break;
    }
  }
  e.PrimeMeridian = Normalize360(e.PrimeMeridian);
  return e;
}

BodyAxes AxesOf(const RotationElements& elements) {
  // The node of the equator lies at right ascension PoleRa + 90 degrees; the
  // prime meridian is W along the equator from it.
  const double a = elements.PoleRa * kDegToRad, dl = elements.PoleDec * kDegToRad,
               w = elements.PrimeMeridian * kDegToRad;
  const double node[3] = {-std::sin(a), std::cos(a), 0.0};
  BodyAxes axes{};
  const double pole[3] = {std::cos(dl) * std::cos(a), std::cos(dl) * std::sin(a), std::sin(dl)};
  // pole x node: 90 degrees east of the node along the equator.
  const double east[3] = {pole[1] * node[2] - pole[2] * node[1],
                          pole[2] * node[0] - pole[0] * node[2],
                          pole[0] * node[1] - pole[1] * node[0]};
  for (int i = 0; i < 3; ++i) {
    axes.X[i] = std::cos(w) * node[i] + std::sin(w) * east[i];
    axes.Y[i] = -std::sin(w) * node[i] + std::cos(w) * east[i];
    axes.Z[i] = pole[i];
  }
  return axes;
}

BodyFigure FigureOf(Body planet) {
  switch (planet) {
    case Body::Mercury:
      return {2439.7, 0.0};
    case Body::Venus:
      return {6051.8, 0.0};
    case Body::Mars:
      return {3396.19, (3396.19 - 3376.20) / 3396.19};
    case Body::Jupiter:
      return {71492.0, (71492.0 - 66854.0) / 71492.0};
    case Body::Saturn:
      return {60268.0, (60268.0 - 54364.0) / 60268.0};
    case Body::Uranus:
      return {25559.0, (25559.0 - 24973.0) / 25559.0};
    default:  // Neptune
      return {24764.0, (24764.0 - 24341.0) / 24764.0};
  }
}

}  // namespace astro
