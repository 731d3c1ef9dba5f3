// The ephemeris printed on the command line.
#pragma once

#include <string>

#include "astro/astro_state.h"

namespace astro {

// Names of the Bodies entries, in their order.
inline constexpr const char* kBodyNames[kBodyCount] = {
    "Moon", "Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

// The instant of a Julian day (UT) as ISO 8601 to the nearest second:
// "2026-07-15T20:00:00Z".
std::string IsoInstant(double julianDay);

// One JSON object (no trailing newline) with the Julian day, the instant
// ("ut", ISO 8601), the offset of the local time set ("utcOffset", hours
// ahead of UT), T1900, T2000, Delta T (seconds), the apparent sidereal angle,
// latitude, longitude (west positive), the ten bodies (name; ra hours and dec
// degrees: the apparent place in the J2000 frame the sky is drawn in; helio;
// geometric altitude, apparent altitude in a standard atmosphere, azimuth
// from the north through the east; raJ2000, decJ2000: the astrometric place;
// raDate, decDate: the apparent place of date; altitudeDeg, azimuthDeg,
// apparentAltitudeDeg as altitude, azimuth, apparentAltitude; geo), the
// Moon's phase angle, axis angle and
// illuminated fraction, the eclipse darkening and the 73 horizon points as
// [ra, dec] pairs. Numbers carry 17 significant digits and never depend on the
// locale; a non-finite number is written as null.
std::string EphemerisJson(const AstroState& state,
                          const SkyPoint (&horizonPoints)[kHorizonPointCount],
                          const PlanetState (&bodies)[kBodyCount]);

}  // namespace astro
