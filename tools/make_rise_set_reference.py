#!/usr/bin/python3
"""Writes tests/astro/data/rise_set_reference.csv: rising, transit and setting
times of the Sun, the Moon, the planets and bright stars, and the ends of the
Sun's twilights, against which the root search of astro/rise_set.cpp is
tested.

Run once with Debian's interpreter and its python3-ephem package:

    /usr/bin/python3 tools/make_rise_set_reference.py > tests/astro/data/rise_set_reference.csv

Each row is one body on one day at one place at sea level: the day runs from
local mean midnight (0 h UT less the east longitude) for 24 hours. PyEphem is
set to the program's standard altitudes, with refraction off (pressure 0) and
the horizon lowered instead: stars and planets' centres at -0:34, the Sun's
centre at -0:50, the Moon's upper limb at -0:34 (PyEphem's own semidiameter,
its place topocentric), the twilights' Sun centre at -6, -12 and -18 degrees.
Times are UT Julian days; an event outside the day is left empty. "flag" is
"always" or "never" where PyEphem finds the body circumpolar or never up
that day. "rate" is the smallest rate of the altitude (degrees a minute) at
any of the row's risings and settings: near 0 the pass grazes the horizon and
a hundredth of a degree moves the event by minutes.

Cases: 80 random places with |latitude| <= 66 degrees on random days from
1901 to 2099 (fixed seed), and Tromso (69.65 N, 18.96 E) every day of June and
December 2026 (the Sun, the Moon and the twilights).
"""

import math
import random

import ephem

STARS = [
    ("Sirius", "6:45:08.9", "-16:42:58"),
    ("Vega", "18:36:56.3", "38:47:01"),
    ("Capella", "5:16:41.4", "45:59:53"),
    ("Canopus", "6:23:57.1", "-52:41:44"),
    ("Arcturus", "14:15:39.7", "19:10:57"),
    ("Antares", "16:29:24.4", "-26:25:55"),
    ("Deneb", "20:41:25.9", "45:16:49"),
    ("Achernar", "1:37:42.8", "-57:14:12"),
]
BODIES = [("Moon", ephem.Moon), ("Sun", ephem.Sun), ("Mercury", ephem.Mercury),
          ("Venus", ephem.Venus), ("Mars", ephem.Mars), ("Jupiter", ephem.Jupiter),
          ("Saturn", ephem.Saturn), ("Uranus", ephem.Uranus), ("Neptune", ephem.Neptune)]
TWILIGHTS = [("Civil", "-6"), ("Nautical", "-12"), ("Astronomical", "-18")]

JD_OFFSET = 2415020.0  # ephem.Date counts days from 1899 December 31 12:00 UT


def observer(lat, lon):
    o = ephem.Observer()
    o.lat = str(lat)
    o.lon = str(lon)
    o.elevation = 0
    o.pressure = 0
    return o


def events(o, body, horizon, use_center, start):
    o.horizon = horizon
    end = start + 1.0
    row = {"rise": "", "transit": "", "set": "", "flag": "", "talt": "", "rate": 1.0}
    o.date = start
    try:
        for key, finder in (("rise", o.next_rising), ("set", o.next_setting)):
            t = float(finder(body, start=start, use_center=use_center))
            if t < end:
                row[key] = f"{t + JD_OFFSET:.8f}"
                row["rate"] = min(row["rate"], abs(rate(o, body, t)))
    except ephem.AlwaysUpError:
        row.update(rise="", set="", flag="always")
    except ephem.NeverUpError:
        row.update(rise="", set="", flag="never")
    t = float(o.next_transit(body, start=start))
    if t < end:
        row["transit"] = f"{t + JD_OFFSET:.8f}"
        o.date = t
        body.compute(o)
        row["talt"] = f"{math.degrees(body.alt):.5f}"
    return row


def rate(o, body, t):
    """The altitude's rate at t, degrees a minute."""
    alts = []
    for dt in (-60.0, 60.0):
        o.date = t + dt / 86400.0
        body.compute(o)
        alts.append(math.degrees(body.alt))
    return (alts[1] - alts[0]) / 2.0


def rows_for(lat, lon, date, polar):
    start = float(ephem.Date(date)) - lon / 360.0
    o = observer(lat, lon)
    out = []
    for name, make in BODIES:
        if polar and name not in ("Sun", "Moon"):
            continue
        body = make()
        if name == "Sun":
            out.append((name, "", "", events(o, body, "-0:50", True, start)))
        elif name == "Moon":
            out.append((name, "", "", events(o, body, "-0:34", False, start)))
        else:
            out.append((name, "", "", events(o, body, "-0:34", True, start)))
    for name, horizon in TWILIGHTS:
        out.append((name, "", "", events(o, ephem.Sun(), horizon, True, start)))
    for name, ra, dec in [] if polar else STARS:
        star = ephem.FixedBody()
        star._ra = ephem.hours(ra)
        star._dec = ephem.degrees(dec)
        star._epoch = ephem.J2000
        out.append((name, f"{math.degrees(star._ra) / 15.0:.8f}",
                    f"{math.degrees(star._dec):.7f}", events(o, star, "-0:34", True, start)))
    return [(lat, lon, start + JD_OFFSET) + r for r in out]


def main():
    rng = random.Random(31)
    cases = []
    for _ in range(80):
        lat = round(rng.uniform(-66.0, 66.0), 2)
        lon = round(rng.uniform(-180.0, 180.0), 2)
        year = rng.randint(1901, 2099)
        cases.append((lat, lon, (year, rng.randint(1, 12), rng.randint(1, 28)), False))
    for month in (6, 12):
        for day in range(1, 31):
            cases.append((69.65, 18.96, (2026, month, day), True))
    print("lat,lon,start,body,ra2000,dec2000,rise,transit,set,flag,transit_alt,rate")
    for lat, lon, date, polar in cases:
        for lat_, lon_, start, name, ra, dec, r in rows_for(lat, lon, date, polar):
            print(f"{lat_},{lon_},{start:.8f},{name},{ra},{dec},{r['rise']},{r['transit']},"
                  f"{r['set']},{r['flag']},{r['talt']},{r['rate']:.4f}")


if __name__ == "__main__":
    main()
