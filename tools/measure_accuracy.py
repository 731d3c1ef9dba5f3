#!/usr/bin/python3
"""Measures how far the program places the Sun, the Moon, the planets and 25
stars from PyEphem and ERFA, in altitude and azimuth, and prints a Markdown table.

    /usr/bin/python3 tools/measure_accuracy.py --stellix build/stellix [--label after]

600 random instants (UT, seeded) from 1901 to 2099, each at one of seven places
from 69 N to 55 S (in turn); errors are great-circle distances on the
altitude-azimuth sphere, in arc minutes, counted while the object is above
the horizon. The program answers through `--ephemeris` (bodies; geometric
altitude) and `--info` (stars, at the first 60 instants; the unrounded
"altitudeDeg"/"azimuthDeg" when the program gives them, else its texts,
rounded to 0.01 degree).

References: for the bodies PyEphem's apparent topocentric place of date
(pressure 0) at the instant whose Terrestrial Time is the program's (its own
Delta T is moved to the Espenak-Meeus one, as tools/make_ephemeris_reference.py
does), turned to altitude and azimuth with ERFA's apparent sidereal time of the
UT; for the stars ERFA's eraAtco13 (no refraction, UT1 = UTC = the instant)
from the Hipparcos places, proper motions and parallaxes of kstars-data's
stars.dat (give its folder with --kstars; apt-get download kstars-data,
dpkg -x), so the catalogue's own position errors count too.
"""

import argparse
import json
import math
import os
import random
import statistics
import subprocess
import sys
import tempfile
import warnings

import ephem
import erfa

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from accuracy_common import delta_t_seconds  # noqa: E402

PLACES = [  # name, latitude, longitude (east positive), degrees
    ("Tromso", 69.65, 18.95), ("Krakow", 50.08, 19.92), ("Boulder", 40.02, -105.27),
    ("Honolulu", 21.30, -157.85), ("Quito", -0.22, -78.50), ("Sydney", -33.87, 151.21),
    ("Ushuaia", -54.80, -68.30)]
BODIES = [("Sun", ephem.Sun), ("Moon", ephem.Moon), ("Mercury", ephem.Mercury),
          ("Venus", ephem.Venus), ("Mars", ephem.Mars), ("Jupiter", ephem.Jupiter),
          ("Saturn", ephem.Saturn), ("Uranus", ephem.Uranus), ("Neptune", ephem.Neptune),
          ("Pluto", ephem.Pluto)]
# HR number, name in stars.dat (for the cross-identification), V.
SLOW_STARS = [(1713, "Rigel"), (7924, "Deneb"), (2061, "Betelgeuse"), (6134, "Antares"),
              (5056, "Spica"), (2326, "Canopus"), (424, "Polaris"), (1903, "Alnilam"),
              (1948, "Alnitak"), (1017, "Mirfak"), (2618, "Adhara"), (6527, "Shaula"),
              (5267, "Hadar"), (4853, "Mimosa"), (2693, "Wezen")]
FAST_STARS = [(4550, None), (8085, None), (8086, None), (8387, None), (5459, None), (5460, None),
              (5340, "Arcturus"), (1325, None), (321, None), (509, None)]
STAR_INSTANTS = 60


def hms(text, sign=False):
    s = -1.0 if text.startswith("-") else 1.0
    t = text.lstrip("+-")
    return s * (float(t[0:2]) + float(t[2:4]) / 60.0 + float(t[4:]) / 3600.0)


def read_stars_dat(path):
    stars = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith("#") or len(line) < 51:
                continue
            try:
                stars.append({
                    "ra": hms(line[0:9]) * 15.0, "dec": hms(line[10:19]),
                    "pmra": float(line[20:29]), "pmdec": float(line[29:38]),
                    "plx": float(line[38:45]), "mag": float(line[45:51]),
                    "name": line.split(",")[-1].strip() if "," in line else ""})
            except ValueError:
                continue
    return stars


def catalogue_places(stellix, data_dir, settings):
    """The BSC J2000 place of each chosen star, from the program's --info at J2000."""
    places = {}
    for hr, _ in SLOW_STARS + FAST_STARS:
        card = run_json(stellix, data_dir, settings, ["--info", f"HR {hr}", "--datetime",
                                                      "2000-01-01T12:00:00"])
        places[hr] = card
    return places


def parse_angle_text(text):
    """'6h 45' 8.9"' or '-16° 42' 58"' -> hours or degrees."""
    t = text.replace("h", " ").replace("\u00b0", " ").replace("'", " ").replace('"', " ").split()
    sign = -1.0 if t[0].startswith("-") else 1.0
    v = [abs(float(x)) for x in t]
    return sign * (v[0] + (v[1] if len(v) > 1 else 0) / 60.0 + (v[2] if len(v) > 2 else 0) / 3600.0)


def run_json(stellix, data_dir, settings, args):
    command = [stellix, "--settings", settings] + (["--data-dir", data_dir] if data_dir else []) + args
    out = subprocess.run(command, capture_output=True, text=True, check=True).stdout
    return json.loads(out)


def write_settings(folder, place):
    name, lat, lon = place
    path = os.path.join(folder, name + ".ini")
    with open(path, "w") as f:
        f.write("[Location]\nTimeZone=0\nDaylightSavingTime=0\n")
        f.write(f"LatDeg={int(abs(lat))}\nLatMin={int(round(abs(lat) % 1 * 60)) % 60}\n")
        f.write(f"NS={'N' if lat >= 0 else 'S'}\n")
        f.write(f"LongDeg={int(abs(lon))}\nLongMin={int(round(abs(lon) % 1 * 60)) % 60}\n")
        f.write(f"EW={'E' if lon >= 0 else 'W'}\n")
    # The place as the settings hold it (whole minutes).
    la = int(abs(lat)) + (int(round(abs(lat) % 1 * 60)) % 60) / 60.0
    lo = int(abs(lon)) + (int(round(abs(lon) % 1 * 60)) % 60) / 60.0
    return path, math.copysign(la, lat), math.copysign(lo, lon)


def horizon(ra, dec, gast, lat, lon_east):
    h = gast + lon_east - ra
    alt = math.asin(math.sin(lat) * math.sin(dec) + math.cos(lat) * math.cos(dec) * math.cos(h))
    az = math.atan2(-math.cos(dec) * math.sin(h),
                    math.sin(dec) * math.cos(lat) - math.cos(dec) * math.cos(h) * math.sin(lat))
    return math.degrees(alt), math.degrees(az) % 360.0


def arcmin(alt1, az1, alt2, az2):
    a1, z1, a2, z2 = map(math.radians, (alt1, az1, alt2, az2))
    c = math.sin(a1) * math.sin(a2) + math.cos(a1) * math.cos(a2) * math.cos(z1 - z2)
    s = math.hypot(math.cos(a2) * math.sin(z1 - z2),
                   math.cos(a1) * math.sin(a2) - math.sin(a1) * math.cos(a2) * math.cos(z1 - z2))
    return math.degrees(math.atan2(s, c)) * 60.0


def instants():
    rng = random.Random(28)
    start = ephem.Date((1901, 1, 1))
    end = ephem.Date((2099, 12, 31, 23, 59, 59))
    for k in range(600):
        d = ephem.Date(start + rng.random() * (end - start))
        y, mo, da, h, mi, s = d.tuple()
        s = min(int(s), 59)
        yield k, (y, mo, da, h, mi, s)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stellix", required=True)
    parser.add_argument("--data-dir")
    parser.add_argument("--kstars", default="/tmp/astro-kd/x/usr/share/kstars")
    parser.add_argument("--label", default="")
    args = parser.parse_args()
    warnings.simplefilter("ignore")

    hipparcos = read_stars_dat(os.path.join(args.kstars, "stars.dat"))
    folder = tempfile.mkdtemp()
    settings = [write_settings(folder, p) for p in PLACES]
    catalogue = catalogue_places(args.stellix, args.data_dir, settings[0][0])
    # Cross-identify each star with Hipparcos: nearest within 1' and 0.5 mag.
    match = {}
    for hr, _ in SLOW_STARS + FAST_STARS:
        card = catalogue[hr]
        ra = parse_angle_text(card["ra"]) * 15.0
        dec = parse_angle_text(card["dec"])
        mag = float(card["magnitude"])
        best = None
        for s in hipparcos:
            if abs(s["dec"] - dec) > 0.1:
                continue
            d = math.hypot((s["ra"] - ra) * math.cos(math.radians(dec)), s["dec"] - dec)
            if d < 1.0 / 60 * 10 and abs(s["mag"] - mag) < 0.6 and (best is None or d < best[0]):
                best = (d, s)
        if best is None:
            raise SystemExit(f"HR {hr}: no Hipparcos match")
        match[hr] = best[1]

    errors = {name: [] for name, _ in BODIES}
    errors["slow"] = []
    errors["fast"] = []
    for k, (y, mo, da, h, mi, s) in instants():
        path, lat, lon = settings[k % len(settings)]
        stamp = f"{y:04d}-{mo:02d}-{da:02d}T{h:02d}:{mi:02d}:{s:02d}"
        eph = run_json(args.stellix, args.data_dir, path, ["--ephemeris", "--datetime", stamp])
        instant = ephem.Date((y, mo, da, h, mi, s))
        jd_ut = ephem.julian_date(instant)
        jd_tt = jd_ut + delta_t_seconds(jd_ut) / 86400.0
        shifted = ephem.Date(instant + (delta_t_seconds(jd_ut) - ephem.delta_t(instant)) / 86400.0)
        gast = erfa.gst06a(2400000.5, jd_ut - 2400000.5, 2400000.5, jd_tt - 2400000.5)
        observer = ephem.Observer()
        observer.lat, observer.lon = str(lat), str(lon)
        observer.elevation, observer.pressure = 0, 0
        observer.date, observer.epoch = shifted, shifted
        by_name = {b["name"]: b for b in eph["bodies"]}
        for name, body_class in BODIES:
            body = body_class()
            body.compute(observer)
            alt, az = horizon(float(body.ra), float(body.dec), gast, math.radians(lat), math.radians(lon))
            if alt <= 0:
                continue
            mine = by_name[name]
            errors[name].append(arcmin(mine["altitude"], mine["azimuth"], alt, az))
        if k >= STAR_INSTANTS:
            continue
        for group, stars in (("slow", SLOW_STARS), ("fast", FAST_STARS)):
            for hr, _ in stars:
                hip = match[hr]
                aob, zob, *_ = erfa.atco13(
                    math.radians(hip["ra"]), math.radians(hip["dec"]),
                    math.radians(hip["pmra"] / 3.6e6) / math.cos(math.radians(hip["dec"])),
                    math.radians(hip["pmdec"] / 3.6e6), hip["plx"] / 1000.0, 0.0,
                    2400000.5, jd_ut - 2400000.5, 0.0, math.radians(lon), math.radians(lat), 0.0,
                    0.0, 0.0, 0.0, 0.0, 0.0, 0.5)
                alt = 90.0 - math.degrees(zob)
                if alt <= 0:
                    continue
                card = run_json(args.stellix, args.data_dir, path,
                                ["--info", f"HR {hr}", "--datetime", stamp])
                if "altitudeDeg" in card:
                    my_alt, my_az = card["altitudeDeg"], card["azimuthDeg"]
                else:
                    my_alt = float(card["altitude"].rstrip("\u00b0"))
                    my_az = float(card["azimuth"].rstrip("\u00b0"))
                errors[group].append(arcmin(my_alt, my_az, alt, math.degrees(aob) % 360.0))

    print(f"| Object | {args.label} max / median (arc minutes) | samples |")
    print("|---|---|---|")
    for name, values in errors.items():
        label = {"slow": "15 slow stars", "fast": "10 fast stars"}.get(name, name)
        if name == "Moon":
            label = "Moon (topocentric)"
        print(f"| {label} | {max(values):.3f} / {statistics.median(values):.3f} | {len(values)} |")


if __name__ == "__main__":
    main()
