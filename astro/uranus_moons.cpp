// Uranus's five great moons on their mean circles (GUST86's mean motions).
#include <cmath>

#include "astro/planet_moons.h"
#include "astro/transforms.h"

namespace astro {
namespace {

// Uranus: GM (km^3/s^2, Jacobson 2014) and the IAU's radii (Archinal et al. 2018).
constexpr double kGm = 5793951.3;
constexpr double kEquatorialRadiusKm = 25559.0;
constexpr double kPolarRadiusKm = 24973.0;

// GUST86's epoch, 1980 January 1.0 TT, and the pole of the moons' orbits on
// the B1950 equator, degrees.
constexpr double kEpoch = 2444239.5;
constexpr double kB1950 = 2433282.4235;
constexpr double kPoleRa = 76.6067, kPoleDec = 15.0320;

// Mean motions (radians per day) and mean longitudes at the epoch (radians),
// from the node of Uranus's equator on the B1950 equator.
constexpr double kMeanMotion[5] = {4445190.550e-6, 2492952.519e-6, 1516148.111e-6, 721718.509e-6,
                                   466692.120e-6};
constexpr double kLongitude[5] = {-238051.0e-6, 3098046.0e-6, 2285402.0e-6, 856359.0e-6,
                                  -915592.0e-6};

}  // namespace

std::array<MoonPlace, 5> UranusMoons(double ttJulianDay, const double (&planetGeocentric)[3],
                                     const double (&earthHeliocentric)[3]) {
  const double t = PlanetTime(ttJulianDay, planetGeocentric) - kEpoch;
  // The equator's frame on the B1950 equator: x towards right ascension
  // kPoleRa - 90 degrees, z the pole.
  const double sa = std::sin(kPoleRa * kDegToRad), ca = std::cos(kPoleRa * kDegToRad);
  const double sd = std::sin(kPoleDec * kDegToRad), cd = std::cos(kPoleDec * kDegToRad);
  const double x[3] = {sa, -ca, 0.0}, y[3] = {ca * sd, sa * sd, -cd}, z[3] = {ca * cd, sa * cd, sd};
  PlanetFigure figure{kEquatorialRadiusKm, kPolarRadiusKm, {}};
  EquatorOfDateToGcrs(kB1950, z, figure.Pole);

  std::array<MoonPlace, 5> moons;
  for (int k = 0; k < 5; ++k) {
    const double n = kMeanMotion[k] / 86400.0;  // radians per second
    const double a = std::cbrt(kGm / (n * n));
    const double l = kLongitude[k] + kMeanMotion[k] * t;
    double b1950[3], gcrs[3];
    for (int i = 0; i < 3; ++i) b1950[i] = a * (std::cos(l) * x[i] + std::sin(l) * y[i]);
    EquatorOfDateToGcrs(kB1950, b1950, gcrs);
    moons[k] = MoonBeside(gcrs, figure, planetGeocentric, earthHeliocentric);
  }
  return moons;
}

}  // namespace astro
