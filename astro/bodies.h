// The solar-system bodies the sky shows, in the order of the Bodies table
// (astro/astro_state.h): a named type for what were bare indices 0 to 9.
#pragma once

namespace astro {

enum class Body { Moon, Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

constexpr int kBodyCount = 10;

// The body's index in the Bodies table, and the body at an index in [0, kBodyCount).
constexpr int Index(Body body) { return static_cast<int>(body); }
constexpr Body BodyAt(int index) { return static_cast<Body>(index); }

// The planets of today, Mercury to Neptune, in the table's order.
inline constexpr Body kMajorPlanets[] = {Body::Mercury, Body::Venus,  Body::Mars,   Body::Jupiter,
                                         Body::Saturn,  Body::Uranus, Body::Neptune};

// Mercury to Pluto: neither the Moon nor the Sun.
constexpr bool IsPlanet(Body body) { return body != Body::Moon && body != Body::Sun; }

}  // namespace astro
