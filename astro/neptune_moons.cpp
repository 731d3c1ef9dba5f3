// Triton on its circle precessing about the Neptune system's invariable plane.
#include <cmath>

#include "astro/planet_moons.h"
#include "astro/transforms.h"

namespace astro {
namespace {

// Neptune: the IAU's radii (Archinal et al. 2018).
constexpr double kEquatorialRadiusKm = 24764.0;
constexpr double kPolarRadiusKm = 24341.0;

// The theory's epoch, 1950 January 1.0 TT, and the B1950 equinox its planes
// are referred to.
constexpr double kEpoch = 2433282.5;
constexpr double kB1950 = 2433282.4235;
// The invariable plane's pole on the B1950 equator, degrees.
constexpr double kPlanePoleRa = 298.72, kPlanePoleDec = 42.63;
// The radius of the orbit, 488.49" seen from 1 AU, in km.
constexpr double kRadiusKm = 488.49 / 206264.806 * 149597870.7;
// The inclination to the invariable plane; the argument of latitude and the
// node (from the plane's ascending node on the B1950 equator) at the epoch,
// with their rates. Degrees, degrees per day.
constexpr double kInclination = 158.996;
constexpr double kLatitudeArgument = 200.913, kLatitudeRate = 61.2588532;
constexpr double kNode = 151.401, kNodeRate = 0.57806 / 365.25;

double Sin(double degrees) { return std::sin(degrees * kDegToRad); }
double Cos(double degrees) { return std::cos(degrees * kDegToRad); }

// Neptune's north pole (GCRS axes) at `ttJulianDay`, the IAU's model
// (Archinal et al. 2018): it swings round its mean place as Triton's orbit turns.
void NeptunePole(double ttJulianDay, double (&pole)[3]) {
  const double n = 357.85 + 52.316 * (ttJulianDay - 2451545.0) / 36525.0;
  const double ra = 299.36 + 0.70 * Sin(n), dec = 43.46 - 0.51 * Cos(n);
  pole[0] = Cos(ra) * Cos(dec);
  pole[1] = Sin(ra) * Cos(dec);
  pole[2] = Sin(dec);
}

}  // namespace

std::array<MoonPlace, 1> NeptuneMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                      const double (&earthHeliocentric)[3]) {
  const double t = PlanetTime(ttJulianDay, planetGeocentric) - kEpoch;
  // On the invariable plane, x towards its ascending node on the B1950
  // equator and z its pole: the orbit turned by its inclination about its
  // node, the node by its longitude about the pole.
  const double u = kLatitudeArgument + kLatitudeRate * t, node = kNode + kNodeRate * t;
  const double cu = Cos(u), su = Sin(u), cn = Cos(node), sn = Sin(node);
  const double ci = Cos(kInclination), si = Sin(kInclination);
  const double plane[3] = {kRadiusKm * (cn * cu - sn * su * ci),
                           kRadiusKm * (sn * cu + cn * su * ci), kRadiusKm * su * si};
  double b1950[3], gcrs[3];
  PlaneToEquator(kPlanePoleRa, kPlanePoleDec, plane, b1950);
  EquatorOfDateToGcrs(kB1950, b1950, gcrs);
  PlanetFigure figure{kEquatorialRadiusKm, kPolarRadiusKm, {}};
  NeptunePole(ttJulianDay, figure.Pole);
  return {MoonBeside(gcrs, figure, planetGeocentric, earthHeliocentric)};
}

}  // namespace astro
