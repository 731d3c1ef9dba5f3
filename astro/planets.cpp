// The planets, members of AstroState.
#include <cmath>

#include "astro/apparent.h"
#include "astro/astro_state.h"
#include "astro/pluto.h"
#include "astro/vsop87.h"

namespace astro {
namespace {

// Heliocentric position (AU, J2000 equator) of planet p (1 Mercury ... 8 Pluto).
void Heliocentric(int p, double ttJulianDay, double (&xyz)[3]) {
  if (p == 8) {
    PlutoPosition(ttJulianDay, xyz);
  } else {
    Vsop87Position(p - 1, ttJulianDay, xyz);
  }
}

double Length(const double (&v)[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

}  // namespace

void AstroState::ComputePlanet(int p, PlanetState (&bodies)[kBodyCount]) const {
  // The Earth and the observer now, the planet one light time before: the
  // light time from the geometric distance (once more would move Mercury by
  // less than 0.01").
  double planet[3], geocentric[3], seen[3];
  Heliocentric(p, TerrestrialDay, planet);
  for (int i = 0; i < 3; ++i) seen[i] = planet[i] - Earth.Heliocentric[i] - Observer[i];
  Heliocentric(p, TerrestrialDay - Length(seen) * kLightDaysPerAu, planet);
  for (int i = 0; i < 3; ++i) geocentric[i] = planet[i] - Earth.Heliocentric[i];
  const ApparentDirection d = SeenFrom(Observer, geocentric, Earth);
  bodies[p + 1] = {
      d.Apparent.RightAscension, d.Apparent.Declination,       Length(planet),
      Length(geocentric),        d.Astrometric.RightAscension, d.Astrometric.Declination};
}

}  // namespace astro
