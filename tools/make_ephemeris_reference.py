#!/usr/bin/python3
"""Writes tests/astro/data/ephemeris_reference.csv, the high-precision places
against which the astronomy engine's Sun, Moon and planets are tested.

Run once with Debian's interpreter, python3-ephem and python3-erfa:

    /usr/bin/python3 tools/make_ephemeris_reference.py > tests/astro/data/ephemeris_reference.csv
    /usr/bin/python3 tools/make_ephemeris_reference.py --approach > tests/astro/data/moon_aldebaran.csv

The second writes the Moon's closest approach to Aldebaran on 2035 February 16
seen from 30 N 115 E at sea level (a graze: the limb passes within a few
arc minutes): the star's J2000 place and proper motion as PyEphem holds them
(Hipparcos), and the UT and the topocentric separation (arc seconds) of the
closest approach, found second by second, with the same Delta T shift.

Each row is one instant (UT, time zone 0) between 1901 and 2099 and one
observer place at sea level. PyEphem applies its own Delta T; the engine the
Espenak-Meeus polynomials (astro/time_scales.h), which part from it by up to
22 s late in the century. So that the theories are compared and not the two
guesses of Delta T, PyEphem is asked for the instant whose Terrestrial Time is
the engine's (the row's UT moved by the difference, delta_t_shift in
seconds), and the altitude and azimuth are taken from its topocentric place
of date with ERFA's apparent sidereal time of the row's own UT. Per body:
  - ra, dec: apparent geocentric place, true equator and equinox of date
    (hours, degrees);
  - alt, az: apparent topocentric altitude (no refraction) and azimuth from
    the north through the east, degrees;
  - the Moon adds its geocentric distance in kilometres.
"""

import math
import sys

import ephem
import erfa

sys.path.insert(0, __file__.rsplit("/", 1)[0])
from accuracy_common import delta_t_seconds  # noqa: E402

AU_KM = 149597870.7
BODIES = [("sun", ephem.Sun), ("moon", ephem.Moon), ("mercury", ephem.Mercury),
          ("venus", ephem.Venus), ("mars", ephem.Mars), ("jupiter", ephem.Jupiter),
          ("saturn", ephem.Saturn), ("uranus", ephem.Uranus), ("neptune", ephem.Neptune),
          ("pluto", ephem.Pluto)]


def horizon(ra, dec, gast, lat, lon_east):
    """Altitude and azimuth (from the north through the east), radians in, degrees out."""
    h = gast + lon_east - ra
    alt = math.asin(math.sin(lat) * math.sin(dec) + math.cos(lat) * math.cos(dec) * math.cos(h))
    az = math.atan2(-math.cos(dec) * math.sin(h),
                    math.sin(dec) * math.cos(lat) - math.cos(dec) * math.cos(h) * math.sin(lat))
    return math.degrees(alt), math.degrees(az) % 360.0


def approach():
    star = ephem.star("Aldebaran")
    observer = ephem.Observer()
    observer.lat, observer.lon = "30", "115"
    observer.elevation, observer.pressure = 0, 0
    moon = ephem.Moon()
    best = None
    start = ephem.Date((2035, 2, 16, 12, 40, 0))
    for k in range(1800):
        instant = ephem.Date(start + k * ephem.second)
        jd_ut = ephem.julian_date(instant)
        observer.date = ephem.Date(instant + (delta_t_seconds(jd_ut) - ephem.delta_t(instant)) / 86400.0)
        observer.epoch = observer.date
        moon.compute(observer)
        star.compute(observer)
        separation = math.degrees(float(ephem.separation(moon, star))) * 3600.0
        if best is None or separation < best[0]:
            best = (separation, instant)
    year, month, day, hour, minute, second = best[1].tuple()
    print("star_ra_hours,star_dec_deg,pm_ra_cosdec_mas,pm_dec_mas,year,month,day,hour,minute,"
          "second,separation_arcsec")
    print(",".join(f"{v:.12g}" if isinstance(v, float) else str(v) for v in [
        math.degrees(float(star._ra)) / 15.0, math.degrees(float(star._dec)), float(star._pmra),
        float(star._pmdec), year, month, day, hour, minute, int(round(second)), best[0]]))


def main():
    if sys.argv[1:] == ["--approach"]:
        approach()
        return
    header = ["year", "month", "day", "hour", "minute", "second",
              "lat_deg", "lat_min", "ns", "lon_deg", "lon_min", "ew", "delta_t_shift"]
    for name, _ in BODIES:
        header += [name + "_ra", name + "_dec", name + "_alt", name + "_az"]
    header += ["moon_km"]
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

        jd_ut = ephem.julian_date(instant)
        shift = delta_t_seconds(jd_ut) - ephem.delta_t(instant)
        shifted = ephem.Date(instant + shift / 86400.0)
        jd_tt = jd_ut + delta_t_seconds(jd_ut) / 86400.0
        gast = erfa.gst06a(2400000.5, jd_ut - 2400000.5, 2400000.5, jd_tt - 2400000.5)

        row = [year, month, day, hour, minute, second, abs(lat), lat_min, ns, abs(lon), lon_min, ew,
               shift]
        observer = ephem.Observer()
        observer.lat = str(lat_signed)
        observer.lon = str(lon_signed)
        observer.elevation = 0
        observer.pressure = 0
        observer.date = shifted
        observer.epoch = shifted
        moon_km = 0.0
        for name, body_class in BODIES:
            geocentric = body_class()
            geocentric.compute(shifted, epoch=shifted)
            topocentric = body_class()
            topocentric.compute(observer)
            alt, az = horizon(float(topocentric.ra), float(topocentric.dec), gast,
                              math.radians(lat_signed), math.radians(lon_signed))
            row += [math.degrees(float(geocentric.ra)) / 15.0, math.degrees(float(geocentric.dec)),
                    alt, az]
            if name == "moon":
                moon_km = geocentric.earth_distance * AU_KM
        row.append(moon_km)
        print(",".join(f"{v:.12g}" if isinstance(v, float) else str(v) for v in row))
        k += 1


if __name__ == "__main__":
    main()
