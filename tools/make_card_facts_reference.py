#!/usr/bin/python3
"""Writes tests/astro/data/card_facts_reference.csv: what the cards say of a
star, a deep-sky object, the Sun, the Moon and two planets, seen from Krakow
on 9 December 2026 at 19:00 UT, against which sky/card_facts.cpp is tested.

Run once with Debian's interpreter and its python3-ephem package:

    /usr/bin/python3 tools/make_card_facts_reference.py > tests/astro/data/card_facts_reference.csv

One row per object and quantity. Places: astrometric J2000 (hours,
degrees; not the Moon's, which PyEphem gives geocentric only), the apparent
places of date seen from the place, the geometric altitude and azimuth
(pressure 0, the azimuth from the north through the east) and the altitude
in a standard atmosphere (1010 hPa, 10 degrees C) of those above the
horizon. Distances from the Earth's centre in km, sizes in arc seconds.
Events are the next ones after the instant, UT Julian days: the centre of
a fixed place or a planet at -0:34, the Sun's and the Moon's upper limb at
-0:34; transit altitudes are geometric.
"""

import math

import ephem

KM_PER_AU = 149597870.7
INSTANT = (2026, 12, 9, 19, 0, 0)
LATITUDE, LONGITUDE = 50 + 4 / 60.0, 19 + 56 / 60.0
# name, J2000 right ascension (hours), declination (degrees): the catalogue's places
FIXED = [("Vega", 18.61564, 38.78361), ("M31", 0.71222, 41.26917)]


def observer(pressure):
    o = ephem.Observer()
    o.lat = str(LATITUDE)
    o.lon = str(LONGITUDE)
    o.elevation = 0
    o.pressure = pressure
    o.temp = 10
    o.date = ephem.Date(INSTANT)
    return o


def julian_day(date):
    return float(date) + 2415020.0


def rows(name, body, use_center):
    o = observer(0)
    body.compute(o)
    if name != "Moon":  # PyEphem's is geocentric, the cards' seen from the place
        yield name, "ra2000", math.degrees(body.a_ra) / 15
        yield name, "dec2000", math.degrees(body.a_dec)
    yield name, "raDate", math.degrees(body.ra) / 15
    yield name, "decDate", math.degrees(body.dec)
    yield name, "altitude", math.degrees(body.alt)
    yield name, "azimuth", math.degrees(body.az)
    if body.alt > 0:  # PyEphem does not refract below the horizon
        body.compute(observer(1010))
        yield name, "apparentAltitude", math.degrees(body.alt)
        body.compute(o)
    o.horizon = "-0:34"
    for key, find in (("rise", o.next_rising), ("transit", o.next_transit),
                      ("set", o.next_setting)):
        try:
            at = find(body, use_center=use_center) if key != "transit" else find(body)
            yield name, key, julian_day(at)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            pass
    transit = observer(0)
    transit.date = o.next_transit(body)
    body.compute(transit)
    yield name, "transitAltitude", math.degrees(body.alt)
    body.compute(observer(0))


def main():
    print("object,quantity,value")
    out = []
    for name, ra, dec in FIXED:
        star = ephem.FixedBody()
        star._ra = math.radians(ra * 15)
        star._dec = math.radians(dec)
        star._epoch = ephem.J2000
        out += rows(name, star, True)
    for name, body, use_center in (("Sun", ephem.Sun(), False), ("Moon", ephem.Moon(), False),
                                   ("Mars", ephem.Mars(), True),
                                   ("Jupiter", ephem.Jupiter(), True)):
        out += rows(name, body, use_center)
        body.compute(ephem.Date(INSTANT))  # geocentric
        out.append((name, "distanceEarthKm", body.earth_distance * KM_PER_AU))
        out.append((name, "sizeArcsec", body.size))
        if name != "Sun":
            out.append((name, "illuminated", body.moon_phase if name == "Moon" else body.phase / 100))
            if name != "Moon":  # the cards' Moon follows a table of its own
                out.append((name, "magnitude", body.mag))
        if name in ("Mars", "Jupiter"):
            out.append((name, "distanceSunKm", body.sun_distance * KM_PER_AU))
        if name == "Moon":
            out.append((name, "ageDays", float(ephem.Date(INSTANT) - ephem.previous_new_moon(INSTANT))))
    for name, key, value in out:
        print(f"{name},{key},{value:.12g}")


if __name__ == "__main__":
    main()
