// The planets' and the Moon's faces up close: each a ball with its map,
// turned as sky/planet_face.h places it and lit from the Sun, so that its
// phase and terminator fall where they are; Saturn in its rings, which the
// planet shadows. Part of the solar-system layer.
#pragma once

#include "astro/bodies.h"
#include "sky/planet_face.h"

namespace render {

struct Frame;

// Draws the face of `planet` (the Moon, or Mercury to Neptune) in window pixels; the sky's
// projection is set again after it.
void DrawPlanetFace(const Frame& frame, astro::Body planet, const sky::PlanetFace& face);

}  // namespace render
