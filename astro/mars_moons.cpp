// Phobos and Deimos on their mean precessing ellipses.
#include <cmath>

#include "astro/planet_moons.h"
#include "astro/transforms.h"

namespace astro {
namespace {

// Mars: the IAU's radii (Archinal et al. 2018).
constexpr double kEquatorialRadiusKm = 3396.19;
constexpr double kPolarRadiusKm = 3376.20;

// The elements' epoch, 1950 January 1.0 TT.
constexpr double kEpoch = 2433282.5;

// A moon's mean elements on its local Laplace plane, whose pole is given on
// the GCRS equator; the node from the Laplace plane's ascending node on that
// equator. Angles in degrees, periods in Julian years.
struct MeanElements {
  double SemiMajorAxisKm, Eccentricity, Perifocus, MeanAnomaly, Inclination, Node;
  double MeanMotion;  // degrees per day, of the mean longitude
  double PerifocusPeriod, NodePeriod;
  double PoleRa, PoleDec;
};

// R. A. Jacobson's MAR080 as JPL's Solar System Dynamics group tabulates it.
constexpr MeanElements kMoons[2] = {
    {9376.0, 0.0151, 150.057, 91.059, 1.075, 207.784, 1128.8447569, 1.1316, 2.2617, 317.671,
     52.893},
    {23458.0, 0.0002, 260.729, 325.329, 1.788, 24.525, 285.1618790, 27.3703, 54.5367, 316.657,
     53.529},
};

double Sin(double degrees) { return std::sin(degrees * kDegToRad); }
double Cos(double degrees) { return std::cos(degrees * kDegToRad); }

// The moon's position (km, GCRS axes) `t` days after the epoch: the
// perifocus advancing and the node regressing uniformly, Kepler's equation
// solved by Newton's method (three steps from M reach 1e-12 at e 0.02).
void PositionAt(const MeanElements& m, double t, double (&gcrs)[3]) {
  constexpr double kYear = 365.25;
  const double node = m.Node - 360.0 * t / (m.NodePeriod * kYear);
  const double perifocus = m.Perifocus + 360.0 * t / (m.PerifocusPeriod * kYear);
  const double longitude = m.Node + m.Perifocus + m.MeanAnomaly + m.MeanMotion * t;
  const double anomaly = std::remainder(longitude - node - perifocus, 360.0) * kDegToRad;
  double e = anomaly;
  for (int k = 0; k < 3; ++k)
    e -= (e - m.Eccentricity * std::sin(e) - anomaly) / (1.0 - m.Eccentricity * std::cos(e));
  const double x = m.SemiMajorAxisKm * (std::cos(e) - m.Eccentricity);
  const double y =
      m.SemiMajorAxisKm * std::sqrt(1.0 - m.Eccentricity * m.Eccentricity) * std::sin(e);
  // In the orbit's plane x is towards the perifocus; on the Laplace plane, towards its node.
  const double cw = Cos(perifocus), sw = Sin(perifocus), cn = Cos(node), sn = Sin(node);
  const double ci = Cos(m.Inclination), si = Sin(m.Inclination);
  const double px = cw * x - sw * y, py = sw * x + cw * y;
  const double laplace[3] = {cn * px - sn * ci * py, sn * px + cn * ci * py, si * py};
  PlaneToEquator(m.PoleRa, m.PoleDec, laplace, gcrs);
}

}  // namespace

std::array<MoonPlace, 2> MarsMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                   const double (&earthHeliocentric)[3]) {
  const double t = PlanetTime(ttJulianDay, planetGeocentric) - kEpoch;
  // Mars's pole: Phobos's Laplace plane, 0.009 degrees from its equator.
  const MeanElements& phobos = kMoons[0];
  PlanetFigure figure{kEquatorialRadiusKm,
                      kPolarRadiusKm,
                      {Cos(phobos.PoleRa) * Cos(phobos.PoleDec),
                       Sin(phobos.PoleRa) * Cos(phobos.PoleDec), Sin(phobos.PoleDec)}};
  std::array<MoonPlace, 2> moons;
  for (int k = 0; k < 2; ++k) {
    double gcrs[3];
    PositionAt(kMoons[k], t, gcrs);
    moons[k] = MoonBeside(gcrs, figure, planetGeocentric, earthHeliocentric);
  }
  return moons;
}

}  // namespace astro
