#!/usr/bin/python3
"""Writes tests/astro/data/astrometric_reference.csv, the topocentric
astrometric J2000 places of the Sun, the Moon and the planets against which
the places the cards give as J2000 are tested.

    /usr/bin/python3 tools/make_astrometric_reference.py > tests/astro/data/astrometric_reference.csv

The astrometric place is the direction from the observer at the instant to
where the body was when the light left it, both in the barycentric frame
(the Astronomical Almanac's definition): the place a star chart of J2000
would show the body at, the annual aberration that turns it into the
apparent place left out, as for the catalogue stars.

PyEphem 4.1 (python3-ephem) gives the apparent topocentric place of date
(sea level, no refraction); ERFA 2.0 (python3-erfa) turns it back: the
precession-nutation matrix of IAU 2006/2000A (eraPnm06a) takes it to the
GCRS, and the Earth's barycentric velocity (eraEpv00) the aberration off
(eraAb inverted by iteration). PyEphem is asked for the instant whose
Terrestrial Time is the program's, as in make_ephemeris_reference.py.

Rows: 60 instants 1901-2099 at places spread over the Earth, and the Moon
near the Sun on 2026 August 12 at 17:31:50 UT seen from 77 54 N 19 23 W.
Columns: the UT, the place, then ra (hours) and dec (degrees) per body in
the order of the program's Bodies table (Moon, Sun, Mercury ... Pluto).
"""

import math
import sys

import ephem
import erfa
import numpy

sys.path.insert(0, __file__.rsplit("/", 1)[0])
from accuracy_common import delta_t_seconds  # noqa: E402

BODIES = [("moon", ephem.Moon), ("sun", ephem.Sun), ("mercury", ephem.Mercury),
          ("venus", ephem.Venus), ("mars", ephem.Mars), ("jupiter", ephem.Jupiter),
          ("saturn", ephem.Saturn), ("uranus", ephem.Uranus), ("neptune", ephem.Neptune),
          ("pluto", ephem.Pluto)]


def astrometric(ra, dec, tt, velocity, sun_distance):
    """The GCRS direction without the annual aberration of an apparent place of date (radians)."""
    target = erfa.pnm06a(2400000.5, tt - 2400000.5).T @ erfa.s2c(ra, dec)
    bm1 = math.sqrt(1.0 - numpy.dot(velocity, velocity))
    p = target.copy()
    for _ in range(4):
        p = p + (target - erfa.ab(p, velocity, sun_distance, bm1))
        p /= numpy.linalg.norm(p)
    r, d = erfa.c2s(p)
    return math.degrees(erfa.anp(r)) / 15.0, math.degrees(d)


def row(year, month, day, hour, minute, second, lat_deg, lat_min, ns, lon_deg, lon_min, ew):
    """One line."""
    lat = math.copysign(lat_deg + lat_min / 60.0, 1 if ns == "N" else -1)
    lon = math.copysign(lon_deg + lon_min / 60.0, 1 if ew == "E" else -1)
    instant = ephem.Date((year, month, day, hour, minute, second))
    jd_ut = ephem.julian_date(instant)
    tt = jd_ut + delta_t_seconds(jd_ut) / 86400.0
    shifted = ephem.Date(instant + (delta_t_seconds(jd_ut) - ephem.delta_t(instant)) / 86400.0)
    heliocentric, barycentric = erfa.epv00(2400000.5, tt - 2400000.5)
    velocity = barycentric[1] * erfa.DAU / erfa.CMPS / 86400.0  # in units of c
    sun_distance = numpy.linalg.norm(heliocentric[0])
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.elevation, observer.pressure = 0, 0
    observer.date = observer.epoch = shifted
    out = [year, month, day, hour, minute, second, lat_deg, lat_min, ns, lon_deg, lon_min, ew]
    for _, body_class in BODIES:
        body = body_class()
        body.compute(observer)
        out += astrometric(float(body.ra), float(body.dec), tt, velocity, sun_distance)
    return ",".join(f"{v:.12g}" if isinstance(v, float) else str(v) for v in out)


def main():
    header = ["year", "month", "day", "hour", "minute", "second",
              "lat_deg", "lat_min", "ns", "lon_deg", "lon_min", "ew"]
    for name, _ in BODIES:
        header += [name + "_ra", name + "_dec"]
    print(",".join(header))
    print(row(2026, 8, 12, 17, 31, 50, 77, 54, "N", 19, 23, "W"))
    for k in range(60):
        year = 1901 + (k * 199) // 60
        month, day = 1 + (k * 5) % 12, 1 + (k * 11) % 28
        hour, minute, second = (k * 7) % 24, (k * 13) % 60, (k * 17) % 60
        lat, lon = (k * 37) % 133 - 66, (k * 53) % 360 - 180
        print(row(year, month, day, hour, minute, second, abs(lat), (k * 13) % 60,
                  "N" if lat >= 0 else "S", abs(lon), (k * 7) % 60, "E" if lon >= 0 else "W"))


if __name__ == "__main__":
    main()
