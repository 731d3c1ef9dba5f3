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

// Whether the point `p` (body-fixed, equatorial radii) of the ring plane lies
// in the planet's shadow: behind the planet from the Sun `sun` (unit vector)
// and within the cylinder of its equatorial radius.
bool InPlanetShadow(const double (&p)[3], const double (&sun)[3]);

}  // namespace sky
