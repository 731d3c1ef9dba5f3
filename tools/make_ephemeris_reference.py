#!/usr/bin/python3
"""Writes tests/astro/data/ephemeris_reference.csv, the high-precision positions
against which the astronomy engine's Sun, Moon and planets are tested.

Run once with Debian's interpreter and its python3-ephem package
(VSOP87 planets, ELP2000 Moon, with delta T):

    /usr/bin/python3 tools/make_ephemeris_reference.py > tests/astro/data/ephemeris_reference.csv

Each row is one instant (UT, time zone 0) between 1901 and 2099 and one
observer place. The frames match what the engine computes:
  - Sun: geocentric, geometric, mean equinox of date.
  - Moon: topocentric for the row's observer at sea level, geometric, mean
    equinox of date (the geocentric position plus the topocentric parallax shift).
  - Planets: astrometric geocentric, J2000 mean equator and equinox, with the
    light time of each planet in days, so that the test can place the planet
    where its light left it.
"""

import math

import ephem

AU_KM = 149597870.7
LIGHT_DAYS_PER_AU = 499.004783836 / 86400.0
PLANETS = [ephem.Mercury, ephem.Venus, ephem.Mars, ephem.Jupiter, ephem.Saturn,
           ephem.Uranus, ephem.Neptune, ephem.Pluto]
NAMES = ["mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"]


def hours(angle):
    return math.degrees(float(angle)) / 15.0


def degrees(angle):
    return math.degrees(float(angle))


def wrap_hours(h):
    return (h + 12.0) % 24.0 - 12.0


def main():
    header = ["year", "month", "day", "hour", "minute", "second",
              "lat_deg", "lat_min", "ns", "lon_deg", "lon_min", "ew",
              "sun_ra", "sun_dec", "sun_au", "moon_ra", "moon_dec", "moon_km"]
    for name in NAMES:
        header += [name + "_ra", name + "_dec", name + "_au", name + "_light_days"]
    print(",".join(header))

    start = ephem.Date((1901, 1, 1, 0, 0, 0))
    end = ephem.Date((2099, 12, 31, 23, 59, 59))
    k = 0
    while True:
        # 145 days and a drifting part of the day between samples, whole seconds only.
        instant = ephem.Date(start + k * 145.0 + (k * 0.3719) % 1.0)
        if instant > end:
            break
        year, month, day, hour, minute, second = instant.tuple()
        second = int(round(second))
        if second == 60:
            second = 59
        instant = ephem.Date((year, month, day, hour, minute, second))

        lat = (k * 37) % 133 - 66
        lat_min = (k * 13) % 60
        lon = (k * 53) % 360 - 180
        lon_min = (k * 7) % 60
        ns = "N" if lat >= 0 else "S"
        ew = "E" if lon >= 0 else "W"
        lat_signed = math.copysign(abs(lat) + lat_min / 60.0, 1 if lat >= 0 else -1)
        lon_signed = math.copysign(abs(lon) + lon_min / 60.0, 1 if lon >= 0 else -1)

        row = [year, month, day, hour, minute, second, abs(lat), lat_min, ns, abs(lon), lon_min, ew]

        sun = ephem.Sun()
        sun.compute(instant, epoch=instant)
        row += [hours(sun.a_ra), degrees(sun.a_dec), sun.earth_distance]

        observer = ephem.Observer()
        observer.lat = str(lat_signed)
        observer.lon = str(lon_signed)
        observer.elevation = 0
        observer.pressure = 0
        observer.date = instant
        observer.epoch = instant
        topocentric = ephem.Moon()
        topocentric.compute(observer)
        geocentric = ephem.Moon()
        geocentric.compute(instant, epoch=instant)
        shift_ra = wrap_hours(hours(topocentric.ra) - hours(topocentric.g_ra))
        shift_dec = degrees(topocentric.dec) - degrees(topocentric.g_dec)
        row += [(hours(geocentric.a_ra) + shift_ra) % 24.0, degrees(geocentric.a_dec) + shift_dec,
                geocentric.earth_distance * AU_KM]

        for planet_class in PLANETS:
            planet = planet_class()
            planet.compute(instant, epoch=ephem.J2000)
            row += [hours(planet.a_ra), degrees(planet.a_dec), planet.earth_distance,
                    planet.earth_distance * LIGHT_DAYS_PER_AU]

        print(",".join(f"{v:.10g}" if isinstance(v, float) else str(v) for v in row))
        k += 1


if __name__ == "__main__":
    main()
