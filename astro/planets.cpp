#include "astro/planets.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/transforms.h"

namespace astro {
namespace {

// Value and rate per Julian century of each element, rows as ElementsAt.
struct ElementRow {
  OrbitalElements Value;
  OrbitalElements Rate;
};

constexpr ElementRow kElements[kElementRows] = {
    {{1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0},
     {0.00000562, -0.00004392, -0.01294668, 35999.37244981, 0.32327364, 0.0}},
    {{0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593},
     {0.00000037, 0.00001906, -0.00594749, 149472.67411175, 0.16047689, -0.12534081}},
    {{0.72333566, 0.00677672, 3.39467605, 181.97909950, 131.60246718, 76.67984255},
     {0.00000390, -0.00004107, -0.00078890, 58517.81538729, 0.00268329, -0.27769418}},
    {{1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891},
     {0.00001847, 0.00007882, -0.00813131, 19140.30268499, 0.44441088, -0.29257343}},
    {{5.20288700, 0.04838624, 1.30439695, 34.39644051, 14.72847983, 100.47390909},
     {-0.00011607, -0.00013253, -0.00183714, 3034.74612775, 0.21252668, 0.20469106}},
    {{9.53667594, 0.05386179, 2.48599187, 49.95424423, 92.59887831, 113.66242448},
     {-0.00125060, -0.00050991, 0.00193609, 1222.49362201, -0.41897216, -0.28867794}},
    {{19.18916464, 0.04725744, 0.77263783, 313.23810451, 170.95427630, 74.01692503},
     {-0.00196176, -0.00004397, -0.00242939, 428.48202785, 0.40805281, 0.04240589}},
    {{30.06992276, 0.00859048, 1.77004347, -55.12002969, 44.96476227, 131.78422574},
     {0.00026291, 0.00005105, 0.00035372, 218.45945325, -0.32241464, -0.00508664}},
    {{39.48211675, 0.24882730, 17.14001206, 238.92903833, 224.06891629, 110.30393684},
     {-0.00031596, 0.00005170, 0.00004818, 145.20780515, -0.04062942, -0.01183482}},
};

constexpr double kJ2000Obliquity = 23.43928;

// True anomaly (degrees) and radius vector (AU) on the ellipse of `elements`.
struct OrbitPoint {
  double TrueAnomaly;
  double Radius;
};

OrbitPoint PointOnOrbit(const OrbitalElements& elements) {
  const double e = elements.Eccentricity;
  const double meanAnomaly = Normalize360(elements.MeanLongitude - elements.Perihelion);
  const double nu = SolveKepler(meanAnomaly, e, 12);
  const double r = elements.SemiMajorAxis * (1.0 - e * e) / (1.0 + e * std::cos(nu * kDegToRad));
  return {nu, r};
}

}  // namespace

OrbitalElements ElementsAt(int row, double t2000) {
  const OrbitalElements& v = kElements[row].Value;
  const OrbitalElements& r = kElements[row].Rate;
  return {v.SemiMajorAxis + r.SemiMajorAxis * t2000, v.Eccentricity + r.Eccentricity * t2000,
          v.Inclination + r.Inclination * t2000,     v.MeanLongitude + r.MeanLongitude * t2000,
          v.Perihelion + r.Perihelion * t2000,       v.AscendingNode + r.AscendingNode * t2000};
}

double SolveKepler(double meanAnomaly, double eccentricity, int digits) {
  const double tolerance = std::pow(10.0, -digits);
  double e = meanAnomaly;
  for (int step = 0; step < 100; ++step) {
    const double delta = (meanAnomaly - e + eccentricity * std::sin(e * kDegToRad) * kRadToDeg) /
                         (1.0 - eccentricity * std::cos(e * kDegToRad));
    e += delta;
    if (std::fabs(delta) < tolerance) break;
  }
  return 2.0 *
         std::atan(std::sqrt((1.0 + eccentricity) / (1.0 - eccentricity)) *
                   std::tan(e / 2.0 * kDegToRad)) *
         kRadToDeg;
}

EclipticVector HeliocentricPosition(const OrbitalElements& elements) {
  const OrbitPoint point = PointOnOrbit(elements);
  const double u = (point.TrueAnomaly + elements.Perihelion - elements.AscendingNode) * kDegToRad;
  const double node = elements.AscendingNode * kDegToRad;
  const double i = elements.Inclination * kDegToRad;
  const double r = point.Radius;
  return {r * (std::cos(u) * std::cos(node) - std::sin(node) * std::cos(i) * std::sin(u)),
          r * (std::sin(node) * std::cos(u) + std::cos(i) * std::cos(node) * std::sin(u)),
          r * std::sin(i) * std::sin(u)};
}

EclipticVector EarthPosition(double t2000) { return HeliocentricPosition(ElementsAt(0, t2000)); }

PlanetState EclipticToEquatorial(const EclipticVector& geocentric) {
  const double eps = kJ2000Obliquity * kDegToRad;
  const double x = geocentric.X;
  const double y = geocentric.Y * std::cos(eps) - geocentric.Z * std::sin(eps);
  const double z = geocentric.Y * std::sin(eps) + geocentric.Z * std::cos(eps);
  const double alpha = Normalize360(std::atan2(y, x) * kRadToDeg) / kHoursToDeg;
  const double delta = std::atan2(z, std::sqrt(x * x + y * y)) * kRadToDeg;
  return {alpha, delta, 0.0, std::sqrt(x * x + y * y + z * z)};
}

void AstroState::ComputePlanet(int p, PlanetState (&bodies)[kBodyCount]) const {
  const double t = (JulianDay - 2451545.0) / 36525.0;
  const EclipticVector planet = HeliocentricPosition(ElementsAt(p, t));
  const EclipticVector earth = EarthPosition(t);
  PlanetState state =
      EclipticToEquatorial({planet.X - earth.X, planet.Y - earth.Y, planet.Z - earth.Z});
  state.HelioDistance = std::sqrt(planet.X * planet.X + planet.Y * planet.Y + planet.Z * planet.Z);
  bodies[p + 1] = state;
}

}  // namespace astro
