// The planets' moons at the instant shown: where each stands beside its
// planet (astro/planet_moons.h) and where the sky draws it.
#pragma once

#include "astro/astro_state.h"
#include "astro/planet_moons.h"
#include "astro/transforms.h"

namespace sky {

// The moons, in the order of their names in the string table
// (res::IDS_MOON_NAME_FIRST on): Io, Europa, Ganymede, Callisto; Mimas,
// Enceladus, Tethys, Dione, Rhea, Titan, Hyperion, Iapetus; Miranda, Ariel,
// Umbriel, Titania, Oberon; Phobos, Deimos; Triton.
constexpr int kMoonCount = 20;

// What the cards need of a moon beside its place: the body (its index in
// the Bodies table) it goes round, its mean radius (km) and its absolute
// magnitude V(1,0), as JPL's Solar System Dynamics group lists them.
struct MoonFigure {
  int Planet;
  double RadiusKm;
  double AbsoluteMagnitude;
};
const MoonFigure& MoonFigureOf(int moon);

struct MoonState {
  // Its offset from the planet, its depth, the disc and the shadow.
  astro::MoonPlace Place;
  // Where the sky draws it: the planet's drawn place (PlanetState's
  // RightAscension, Declination) moved by the offset; hours, degrees.
  double RightAscension = 0.0, Declination = 0.0;
  // Its astrometric place: the planet's (RaJ2000, DecJ2000) moved by the offset.
  double RaJ2000 = 0.0, DecJ2000 = 0.0;
};

// The place `east` and `north` arc-seconds from (ra hours, dec degrees) on
// the plane tangent to the sky there, east towards increasing right
// ascension and north towards the pole of the same axes: the gnomonic
// projection's inverse, in which astro::MoonBeside gives its offsets.
astro::EquatorialCoord OffsetPlace(double ra, double dec, double east, double north);

// The visual magnitude of moon `moon` at `state`, the Earth at
// `earthHeliocentric` (AU, GCRS axes): its absolute magnitude at its
// distances from the Sun and the Earth, the phase's dimming left out (at
// most 0.3 magnitudes beyond Mars).
double MoonMagnitudeOf(int moon, const MoonState& state, const double (&earthHeliocentric)[3]);

// Every moon at the instant of `state` beside its planet in `bodies`, both
// as AstroState::UpdateSky left them. The planet's geocentric position as
// the light left it comes back from its astrometric place, its distance and
// the observer's geocentric position: the distance is the geocentric one,
// which moves the light time by less than 0.03 s.
void ComputeMoons(const astro::AstroState& state,
                  const astro::PlanetState (&bodies)[astro::kBodyCount],
                  MoonState (&moons)[kMoonCount]);

}  // namespace sky
