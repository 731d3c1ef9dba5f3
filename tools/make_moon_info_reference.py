#!/usr/bin/python3
"""Writes tests/astro/data/moon_info_reference.csv: the offsets of a few of
the planets' moons from their planet at one instant, from PyEphem, against
which `stellix --info` is tested.

Run once with Debian's interpreter and its python3-ephem package:

    /usr/bin/python3 tools/make_moon_info_reference.py > tests/astro/data/moon_info_reference.csv

The offsets are geocentric and astrometric (J2000), in arc-seconds: the
moon's a_dec less the planet's to the north, and its a_ra less the planet's
to the east; PyEphem places a moon at its planet's right ascension plus the
offset along the parallel, not divided by cos(dec), so that difference is the
offset along the parallel itself (see tools/make_moon_reference.py).

Columns: moon, instant (UTC, as --datetime takes it), east, north.
"""
import math

import ephem

INSTANT = "2026-01-10T22:00:00Z"
MOONS = [("Jupiter", ["Io", "Europa", "Ganymede", "Callisto"]), ("Saturn", ["Titan"])]


def arcsec(radians):
    return radians * 180.0 / math.pi * 3600.0


def main():
    date = ephem.Date(INSTANT[:10].replace("-", "/") + " " + INSTANT[11:19])
    print("moon,instant,east,north")
    for planet_name, names in MOONS:
        planet = getattr(ephem, planet_name)(date)
        for name in names:
            moon = getattr(ephem, name)(date)
            east = arcsec(ephem.degrees(moon.a_ra - planet.a_ra).znorm)
            north = arcsec(moon.a_dec - planet.a_dec)
            print(f"{name},{INSTANT},{east:.3f},{north:.3f}")


main()
