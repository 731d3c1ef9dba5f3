#include "sky/moon_places.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/apparent.h"

namespace sky {
namespace {

constexpr double kRadPerArcsec = astro::kDegToRad / 3600.0;
constexpr int kMars = astro::Index(astro::Body::Mars);
constexpr int kJupiter = astro::Index(astro::Body::Jupiter);
constexpr int kSaturn = astro::Index(astro::Body::Saturn);
constexpr int kUranus = astro::Index(astro::Body::Uranus);
constexpr int kNeptune = astro::Index(astro::Body::Neptune);

constexpr MoonFigure kFigures[kMoonCount] = {
    {kJupiter, 1821.5, -1.68}, {kJupiter, 1560.8, -1.41}, {kJupiter, 2631.2, -2.09},
    {kJupiter, 2410.3, -1.05}, {kSaturn, 198.2, 3.3},     {kSaturn, 252.1, 2.2},
    {kSaturn, 531.0, 0.7},     {kSaturn, 561.4, 0.88},    {kSaturn, 763.5, 0.16},
    {kSaturn, 2574.7, -1.28},  {kSaturn, 135.0, 4.63},    {kSaturn, 734.3, 1.6},
    {kUranus, 235.8, 3.6},     {kUranus, 578.9, 1.45},    {kUranus, 584.7, 2.1},
    {kUranus, 788.9, 1.02},    {kUranus, 761.4, 1.23},    {kMars, 11.08, 11.8},
    {kMars, 6.2, 12.89},       {kNeptune, 1352.6, -1.24},
};

// The planet's geocentric position (AU) as the light left it: its
// astrometric direction from the observer at the geocentric distance, plus
// the observer's geocentric position.
void GeocentricOf(const astro::AstroState& state, const astro::PlanetState& planet,
                  double (&geocentric)[3]) {
  const double ra = planet.RaJ2000 * 15.0 * astro::kDegToRad,
               dec = planet.DecJ2000 * astro::kDegToRad;
  const double toward[3] = {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra),
                            std::sin(dec)};
  for (int i = 0; i < 3; ++i) geocentric[i] = toward[i] * planet.GeoDistance + state.Observer[i];
}

}  // namespace

const MoonFigure& MoonFigureOf(int moon) { return kFigures[moon]; }

double MoonMagnitudeOf(int moon, const MoonState& state, const double (&earthHeliocentric)[3]) {
  const double(&g)[3] = state.Place.Geocentric;
  const double h[3] = {g[0] + earthHeliocentric[0], g[1] + earthHeliocentric[1],
                       g[2] + earthHeliocentric[2]};
  const double delta = std::hypot(g[0], g[1], g[2]), r = std::hypot(h[0], h[1], h[2]);
  return kFigures[moon].AbsoluteMagnitude + 5.0 * std::log10(r * delta);
}

astro::EquatorialCoord OffsetPlace(double ra, double dec, double east, double north) {
  const double a = ra * 15.0 * astro::kDegToRad, d = dec * astro::kDegToRad;
  const double ca = std::cos(a), sa = std::sin(a), cd = std::cos(d), sd = std::sin(d);
  const double x = east * kRadPerArcsec, y = north * kRadPerArcsec;
  // The centre's direction, plus the offsets along the east and the north.
  const double p[3] = {cd * ca - x * sa - y * sd * ca, cd * sa + x * ca - y * sd * sa, sd + y * cd};
  return astro::DirectionOf(p);
}

void ComputeMoons(const astro::AstroState& state,
                  const astro::PlanetState (&bodies)[astro::kBodyCount],
                  MoonState (&moons)[kMoonCount]) {
  const double tt = state.TerrestrialDay;
  const double(&earth)[3] = state.Earth.Heliocentric;
  double mars[3], jupiter[3], saturn[3], uranus[3], neptune[3];
  GeocentricOf(state, bodies[kMars], mars);
  GeocentricOf(state, bodies[kJupiter], jupiter);
  GeocentricOf(state, bodies[kSaturn], saturn);
  GeocentricOf(state, bodies[kUranus], uranus);
  GeocentricOf(state, bodies[kNeptune], neptune);
  const auto galilean = astro::GalileanMoons(tt, jupiter, earth);
  const auto saturnian = astro::SaturnMoons(tt, saturn, earth);
  const auto uranian = astro::UranusMoons(tt, uranus, earth);
  const auto martian = astro::MarsMoons(tt, mars, earth);
  const auto neptunian = astro::NeptuneMoons(tt, neptune, earth);
  static_assert(galilean.size() + saturnian.size() + uranian.size() + martian.size() +
                    neptunian.size() ==
                kMoonCount);
  int moon = 0;
  const auto keep = [&](const auto& places) {
    for (const astro::MoonPlace& place : places) moons[moon++].Place = place;
  };
  keep(galilean);
  keep(saturnian);
  keep(uranian);
  keep(martian);
  keep(neptunian);
  for (int m = 0; m < kMoonCount; ++m) {
    MoonState& s = moons[m];
    const astro::PlanetState& planet = bodies[kFigures[m].Planet];
    const astro::EquatorialCoord drawn =
        OffsetPlace(planet.RightAscension, planet.Declination, s.Place.East, s.Place.North);
    const astro::EquatorialCoord astrometric =
        OffsetPlace(planet.RaJ2000, planet.DecJ2000, s.Place.East, s.Place.North);
    s.RightAscension = drawn.RightAscension;
    s.Declination = drawn.Declination;
    s.RaJ2000 = astrometric.RightAscension;
    s.DecJ2000 = astrometric.Declination;
  }
}

}  // namespace sky
