#!/usr/bin/python3
"""Writes tests/astro/data/moon_reference.csv: the planets' moons beside their
planet from PyEphem, against which astro/planet_moons.h is tested.

Run once with Debian's interpreter and its python3-ephem package:

    /usr/bin/python3 tools/make_moon_reference.py > tests/astro/data/moon_reference.csv

For each instant the planet's astrometric place (J2000 a_ra, a_dec and its
distance) is written beside each moon's offset from it in arc-seconds:
PyEphem's moon a_dec less the planet's to the north, and its a_ra less the
planet's to the east. PyEphem places a moon at its planet's right ascension
plus the offset along the parallel, not divided by cos(dec), so that
difference is the offset along the parallel itself. The program is given
PyEphem's planet, so that only the moons' theories are compared. Dates are
PyEphem's: Universal Time, its own Delta T giving the Terrestrial Time
written in "tt".

PyEphem's moons agree with the program's theories to about 1" from 1999 to
2040 (Uranus's aside: PyEphem puts them 7% farther out than their orbits
are). From mid-2040 to 2041 its moons' places are nonsense (millions of
arc-seconds), and outside 1999-2041 they change character: Jupiter's stray
by up to 8" and Saturn's by up to 3' from the theories, the mark of a
coarser method, and Mars's and Uranus's sit on the planet. Jupiter's moons
are written over 1950-2050 less 2040-2041, Mars's, Saturn's and Uranus's over
1999-2040 only.

Besides instants spread over the years, instants are sought (30-minute
steps over three days from dates 1999-2040) where a moon is behind its
planet, in its shadow, or well inside its disc in front of it.

Whether a moon is hidden is PyEphem's earth_visible. Whether it is in the
planet's shadow is worked out here from PyEphem's places (the Sun's and the
planet's a_ra, a_dec and distances, the moon's offset and its depth z in
planet radii): behind the planet from the Sun and less than one equatorial
radius from the line through the Sun and the planet. PyEphem's own
sun_visible disagrees with that in a few cases where the moon is well inside
the shadow. No instant is written where a moon is between 0.8 and 1.2
equatorial radii from the disc's centre or from the shadow's line, so that
no moon stands near an edge, where the planet's shape decides.

Columns: planet, moon, tt, the planet's a_ra (hours), a_dec (degrees) and
earth_distance (AU), the moon's east and north offsets (arc-seconds), then
hidden and shadowed (1 or 0), filled only from 1999 to 2040.
"""
import math

import ephem

DUBLIN = 2415020.0

MOONS = {
    "Mars": (ephem.Mars, ["Phobos", "Deimos"]),
    "Jupiter": (ephem.Jupiter, ["Io", "Europa", "Ganymede", "Callisto"]),
    "Saturn": (ephem.Saturn, ["Mimas", "Enceladus", "Tethys", "Dione", "Rhea", "Titan",
                              "Hyperion", "Iapetus"]),
    "Uranus": (ephem.Uranus, ["Miranda", "Ariel", "Umbriel", "Titania", "Oberon"]),
}

# Universal Time, Julian days: where PyEphem's moons are good, and its span of nonsense.
GOOD = (2451179.5, 2466154.5)
NONSENSE = (2466154.5, 2466520.5)


def spread():
    """Instants at no round interval, so that the moons come at every phase of their orbits."""
    jupiter = [2433282.5 + k * 1013.37 + 0.29 * (k % 5) for k in range(37)]
    saturn = [GOOD[0] + 30.0 + k * 367.37 + 0.41 * (k % 7) for k in range(40)]
    return {"Jupiter": [t for t in jupiter if not NONSENSE[0] <= t < NONSENSE[1]],
            "Saturn": [t for t in saturn if t < GOOD[1]],
            "Uranus": [t + 11.3 for t in saturn if t + 11.3 < GOOD[1]],
            "Mars": [t + 5.7 for t in saturn if t + 5.7 < GOOD[1]]}


def arcsec(radians):
    return radians * 180.0 / math.pi * 3600.0


# Equatorial radii, km.
RADII = {"Mars": 3396.19, "Jupiter": 71492.0, "Saturn": 60268.0, "Uranus": 25559.0}
KM_PER_AU = 149597870.7


def vector(ra, dec, distance):
    return [distance * math.cos(dec) * math.cos(ra), distance * math.cos(dec) * math.sin(ra),
            distance * math.sin(dec)]


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def shadow(planet_name, planet, moon, sun):
    """The moon's distance along the Sun's light behind the planet and across it, equatorial radii."""
    p = vector(planet.a_ra, planet.a_dec, planet.earth_distance)
    s = vector(sun.a_ra, sun.a_dec, sun.earth_distance)
    u = [x / planet.earth_distance for x in p]
    across = math.hypot(u[0], u[1])
    east = [-u[1] / across, u[0] / across, 0.0]
    north = [-u[2] * east[1], u[2] * east[0], across]
    radius = RADII[planet_name] / (planet.earth_distance * KM_PER_AU)
    de = ephem.degrees(moon.a_ra - planet.a_ra).znorm / radius
    dn = (moon.a_dec - planet.a_dec) / radius
    # PyEphem's z is negative behind the planet.
    moon_at = [de * east[k] + dn * north[k] - moon.z * u[k] for k in range(3)]
    away = [p[k] - s[k] for k in range(3)]
    length = math.sqrt(dot(away, away))
    along = dot(moon_at, away) / length
    return along, math.sqrt(max(0.0, dot(moon_at, moon_at) - along * along))


def states(planet_name, ut):
    """(hidden, shadowed, in front) of each moon, or None near an edge."""
    planet_class, names = MOONS[planet_name]
    date = ephem.Date(ut - DUBLIN)
    planet, sun = planet_class(date), ephem.Sun(date)
    out = []
    for name in names:
        moon = getattr(ephem, name)(date)
        along, across = shadow(planet_name, planet, moon, sun)
        centre = math.hypot(moon.x, moon.y)
        if 0.8 < centre < 1.2 or (along > 0 and 0.8 < across < 1.2):
            return None
        out.append((not moon.earth_visible, along > 0 and across < 1, moon.earth_visible and centre < 0.8))
    return out


def events(planet_name):
    """Instants where some moon is hidden, shadowed or in front of the disc's middle."""
    found = []
    for start in range(int(GOOD[0]) + 100, int(GOOD[1]) - 10, 1100):
        wanted = {0, 1, 2}
        for step in range(144):
            ut = start + 0.5 + step / 48.0
            now = states(planet_name, ut)
            kinds = {k for moon in now or [] for k in range(3) if moon[k]}
            if kinds & wanted:
                found.append(ut)
                wanted -= kinds
            if not wanted:
                break
    return found


def main():
    print("planet,moon,tt,a_ra,a_dec,earth_distance,east,north,hidden,shadowed")
    instants = spread()
    for planet_name, (planet_class, moons) in MOONS.items():
        good = lambda t: GOOD[0] <= t < GOOD[1]
        chosen = [t for t in instants[planet_name] if not good(t) or states(planet_name, t)]
        for ut in sorted(chosen + events(planet_name)):
            date = ephem.Date(ut - DUBLIN)
            tt = ut + ephem.delta_t(date) / 86400.0
            planet = planet_class(date)
            flags = states(planet_name, ut) if good(ut) else None
            for k, name in enumerate(moons):
                moon = getattr(ephem, name)(date)
                east = arcsec(ephem.degrees(moon.a_ra - planet.a_ra).znorm)
                north = arcsec(moon.a_dec - planet.a_dec)
                marks = "%d,%d" % flags[k][:2] if flags else ","
                print("%s,%s,%.8f,%.10f,%.9f,%.9f,%.3f,%.3f,%s"
                      % (planet_name, name, tt, planet.a_ra * 12 / math.pi,
                         planet.a_dec * 180 / math.pi, planet.earth_distance, east, north, marks))


if __name__ == "__main__":
    main()
