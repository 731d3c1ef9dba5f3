#!/usr/bin/python3
"""Writes tests/astro/data/horizon_reference.csv: the altitudes and azimuths of
a few bright stars and of the Moon, against which the whole chain from the
J2000 catalogue place to the observer's horizon is tested.

Run once with Debian's interpreter and its python3-ephem package:

    /usr/bin/python3 tools/make_horizon_reference.py > tests/astro/data/horizon_reference.csv

The stars are fixed J2000 places without proper motion (the catalogue's
places), so only precession, nutation and aberration separate them from the
place the program draws. The Moon is topocentric for an observer at sea level.
Altitudes are geometric (no refraction: pressure 0), then apparent for a
standard atmosphere of 1010 hPa and 10 degrees C; azimuths run from the north
through the east, as PyEphem gives them.
"""

import math

import ephem

# name, J2000 right ascension (hours), declination (degrees)
STARS = [
    ("Spica", "13:25:11.6", "-11:09:41"),
    ("Polaris", "2:31:48.7", "89:15:51"),
    ("Sirius", "6:45:08.9", "-16:42:58"),
    ("Regulus", "10:08:22.3", "11:58:02"),
    ("Antares", "16:29:24.4", "-26:25:55"),
]
# name, latitude, longitude (east positive), degrees and minutes
PLACES = [
    ("Krakow", 50, 4, 19, 56),
    ("Honolulu", 21, 19, -157, -52),
    ("Sydney", -33, -52, 151, 13),
]
INSTANTS = [
    (1901, 3, 14, 21, 30, 0), (1901, 9, 2, 4, 10, 0),
    (1950, 6, 21, 23, 0, 0), (2000, 1, 1, 12, 0, 0),
    (2026, 1, 6, 10, 0, 0), (2026, 1, 14, 17, 45, 0), (2026, 12, 8, 21, 0, 0),
    (2060, 7, 30, 2, 20, 0), (2099, 4, 11, 19, 5, 0), (2099, 12, 30, 6, 40, 0),
]


def main():
    print("year,month,day,hour,minute,second,lat_deg,lat_min,lon_deg,lon_min,"
          "body,ra2000,dec2000,altitude,azimuth,apparent_altitude")
    for instant in INSTANTS:
        for _, lat_d, lat_m, lon_d, lon_m in PLACES:
            observer = ephem.Observer()
            observer.lat = str(lat_d + lat_m / 60.0)
            observer.lon = str(lon_d + lon_m / 60.0)
            observer.elevation = 0
            observer.pressure = 0
            observer.date = ephem.Date(instant)
            bodies = []
            for name, ra, dec in STARS:
                star = ephem.FixedBody()
                star._ra = ephem.hours(ra)
                star._dec = ephem.degrees(dec)
                star._epoch = ephem.J2000
                star.compute(observer)
                bodies.append((name, math.degrees(star._ra) / 15.0, math.degrees(star._dec), star))
            moon = ephem.Moon()
            moon.compute(observer)
            bodies.append(("Moon", 0.0, 0.0, moon))
            refracting = ephem.Observer()
            refracting.lat, refracting.lon = observer.lat, observer.lon
            refracting.elevation = 0
            refracting.pressure = 1010
            refracting.temp = 10
            refracting.date = observer.date
            for name, ra, dec, body in bodies:
                geometric_alt, az = math.degrees(body.alt), math.degrees(body.az)
                body.compute(refracting)
                row = list(instant) + [lat_d, lat_m, lon_d, lon_m, name, ra, dec,
                                       geometric_alt, az, math.degrees(body.alt)]
                print(",".join(f"{v:.10g}" if isinstance(v, float) else str(v) for v in row))


if __name__ == "__main__":
    main()
