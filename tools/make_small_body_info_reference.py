#!/usr/bin/python3
"""Writes tests/astro/data/small_body_info_ephem.csv: where PyEphem puts a few
comets and minor planets of data/smallbodies.tab, seen from Krakow at one
instant, against which `stellix --info` is tested end to end (the bundled
table read, the document's sky, the card).

Run once with Debian's interpreter and its python3-ephem package:

    /usr/bin/python3 tools/make_small_body_info_reference.py > tests/astro/data/small_body_info_ephem.csv

Each body is given to PyEphem with the table's elements (J2000 ecliptic and
equinox, perihelion form): EllipticalBody by a = q / (1 - e) and the mean
anomaly 0 at the perihelion time T, HyperbolicBody for e >= 1. The observer
stands at sea level at 50 4' N, 19 56' E, without refraction, its epoch the
date: PyEphem's ra and dec are the apparent topocentric place of date.
Magnitudes: a minor planet's H and G (the IAU phase law), a comet's M1 and
K1 as PyEphem's g and k = K1 / 2.5.

Columns: designation, ut (Julian day), ra (hours), dec (degrees), earth_distance
and sun_distance (AU), mag (PyEphem's, to 0.01).
"""
import math

import ephem

DUBLIN = 2415020.0
TABLE = "data/smallbodies.tab"
BODIES = ["1 Ceres", "4 Vesta", "1P/Halley", "2P/Encke", "C/1995 O1 (Hale-Bopp)"]
UT = 2450540.5 - 4.0 / 24  # 1997-04-01 20:00 UT: Hale-Bopp at its brightest
LATITUDE, LONGITUDE = 50 + 4 / 60, 19 + 56 / 60


def elements():
    rows = {}
    with open(TABLE, encoding="utf-8") as table:
        for line in table:
            if line.startswith("#"):
                continue
            f = line.rstrip("\n").split("\t")
            rows[f[1]] = (f[0], [float(x) for x in f[2:]])
    return rows


def body_of(kind, el):
    q, e, inc, node, peri, t, _epoch, mag, slope = el
    if e < 1.0:
        b = ephem.EllipticalBody()
        b._a, b._e, b._M, b._epoch_M = q / (1.0 - e), e, 0.0, ephem.Date(t - DUBLIN)
    else:
        b = ephem.HyperbolicBody()
        b._q, b._e, b._epoch_p = q, e, ephem.Date(t - DUBLIN)
    b._inc, b._Om, b._om = inc, node, peri
    b._epoch = ephem.J2000
    if kind == "A":
        b._H, b._G = mag, slope
    else:
        b._g, b._k = mag, slope / 2.5
    return b


def main():
    rows = elements()
    print("designation,ut,ra,dec,earth_distance,sun_distance,mag")
    obs = ephem.Observer()
    obs.lat, obs.lon = str(LATITUDE), str(LONGITUDE)
    obs.elevation, obs.pressure = 0.0, 0.0
    obs.date = obs.epoch = ephem.Date(UT - DUBLIN)
    for name in BODIES:
        kind, el = rows[name]
        b = body_of(kind, el)
        b.compute(obs)
        print("%s,%.8f,%.10f,%.9f,%.9f,%.9f,%.2f" % (
            name, UT, math.degrees(b.ra) / 15, math.degrees(b.dec), b.earth_distance,
            b.sun_distance, b.mag))


if __name__ == "__main__":
    main()
