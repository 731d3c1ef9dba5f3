// How a planet's face lies in a window: its body, turned by the IAU rotation
// elements (astro/rotation_elements.h) as the light that reaches us left it,
// carried onto the window through the same projection as its centre, so
// that a chart turned, mirrored or refracted turns its face alike.
#pragma once

#include <optional>

#include "astro/bodies.h"
#include "astro/moon_libration.h"
#include "sky/view_geometry.h"

class CSkyDoc;

namespace sky {

struct PlanetFace {
  // Column-major 4 x 4 (GL's order): body-fixed coordinates in equatorial
  // radii (x to the prime meridian, z to the north pole) -> window pixels
  // (x right, y up, as GL's window) and pixels towards the viewer. The polar
  // axis is flattened already.
  double Matrix[16];
  double Radius;  // equatorial radius, window pixels
  // Unit vectors from the planet, on the body-fixed axes: to the Sun, and to
  // the observer.
  double Sun[3];
  double Observer[3];
  // How far the body's map is turned about its pole, degrees towards the
  // east: Jupiter's, so that the Great Red Spot lies at its longitude of the
  // instant (JupiterMapTurn); 0 for the others.
  double MapTurn;
};

// The face of `planet` (Mercury to Neptune) in `view`, or nothing when its
// centre is off the window's reach or on the far side of the sphere.
std::optional<PlanetFace> PlanetFaceOf(const CSkyDoc& doc, const ViewGeometry& view,
                                       astro::Body planet);

// The Moon's face in `view`: turned by its librations and the position
// angle of its axis as seen from the observer (astro/moon_libration.h).
std::optional<PlanetFace> MoonFaceOf(const CSkyDoc& doc, const ViewGeometry& view);
// Those librations, from the Moon's apparent place of the document.
astro::MoonLibration MoonLibrationSeen(const CSkyDoc& doc);

// A window needs the face when its radius is this many pixels or more; a
// smaller planet stays the coloured point it always was.
constexpr double kFaceRadiusPixels = 4.0;
// The Moon keeps the ball it is drawn with at every zoom until its face is
// this wide: then it is drawn at its true size, lit by the Sun.
constexpr double kMoonFaceRadiusPixels = 48.0;

// Saturn's rings, from the inner edge of the C ring to the outer edge of the
// A ring, in equatorial radii of the planet.
constexpr double kRingInner = 74658.0 / 60268.0, kRingOuter = 136780.0 / 60268.0;

// Where the ray from the point `p` (body-fixed, equatorial radii) towards
// the Sun `sun` (unit vector) crosses the ring plane: the crossing's
// distance from the planet's centre (equatorial radii), or nothing when the
// ray runs away from the plane or along it. The rings shadow the point when
// it lies between kRingInner and kRingOuter.
std::optional<double> RingPlaneCrossing(const double (&p)[3], const double (&sun)[3]);

// How far out the planet's shadow reaches on the ring plane along the
// direction `angle` (radians from the body's x axis towards its y axis), the
// Sun in the direction `sun` (unit vector, body-fixed): the points of that
// ray nearer the centre than the result (equatorial radii) lie behind the
// planet from the Sun, within the cylinder of its outline, flattened by
// `flattening`. 0 for a direction on the Sun's side; infinite when the Sun
// stands in the ring plane straight behind the planet.
double PlanetShadowReach(double angle, const double (&sun)[3], double flattening);

// Where Jupiter's map (data/jupiter.tex) has the middle of the Great Red
// Spot: 47.6 degrees west of its middle, as measured on the picture.
constexpr double kMapRedSpotWest = 47.6;

// The turn of Jupiter's map (degrees east about its pole) that puts the Great
// Red Spot at System II longitude `redSpot` when the meridian under the
// observer is `observerEast` degrees east of the prime meridian of the
// body's axes (System III) and System II's central meridian is
// `centralMeridianII` (degrees): the spot crosses the middle of the disc
// when that meridian is the spot's longitude.
double JupiterMapTurn(double observerEast, double centralMeridianII, double redSpot);

}  // namespace sky
