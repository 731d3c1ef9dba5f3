// The planets, members of AstroState.
#include <cmath>

#include "astro/apparent.h"
#include "astro/astro_state.h"
#include "astro/pluto.h"
#include "astro/vsop87.h"

namespace astro {
namespace {

// Heliocentric position (AU, J2000 equator) of a planet.
void Heliocentric(Body planet, double ttJulianDay, double (&xyz)[3]) {
  if (planet == Body::Pluto) {
    PlutoPosition(ttJulianDay, xyz);
  } else {
    // VSOP87's planets without the Earth: 0 Mercury ... 6 Neptune.
    Vsop87Position(Index(planet) - Index(Body::Mercury), ttJulianDay, xyz);
  }
}

double Length(const double (&v)[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

}  // namespace

void AstroState::ComputePlanet(int p, PlanetState (&bodies)[kBodyCount]) const {
  const Body body = BodyAt(p + 1);
  // The Earth and the observer now, the planet one light time before: the
  // light time from the geometric distance (once more would move Mercury by
  // less than 0.01").
  double planet[3], geocentric[3], seen[3];
  Heliocentric(body, TerrestrialDay, planet);
  for (int i = 0; i < 3; ++i) seen[i] = planet[i] - Earth.Heliocentric[i] - Observer[i];
  Heliocentric(body, TerrestrialDay - Length(seen) * kLightDaysPerAu, planet);
  for (int i = 0; i < 3; ++i) geocentric[i] = planet[i] - Earth.Heliocentric[i];
  const ApparentDirection d = SeenFrom(Observer, geocentric, Earth);
  bodies[Index(body)] = {
      d.Apparent.RightAscension, d.Apparent.Declination,       Length(planet),
      Length(geocentric),        d.Astrometric.RightAscension, d.Astrometric.Declination};
}

}  // namespace astro
