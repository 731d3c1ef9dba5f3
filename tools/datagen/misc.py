"""eclip.dat, cnames.bin, location.dat and magellan.bin."""

import datetime
import json
import math
import pathlib
import unicodedata
import zoneinfo

from . import records

OBLIQUITY_J2000 = 23.4393  # degrees


# --- eclip.dat ---------------------------------------------------------------

def ecliptic_points():
    """(ra hours, dec degrees) at ecliptic longitude 0, 5, ... 360 (73 points)."""
    eps = math.radians(OBLIQUITY_J2000)
    points = []
    for k in range(73):
        lam = math.radians(5 * k)
        ra = math.degrees(math.atan2(math.sin(lam) * math.cos(eps), math.cos(lam))) % 360
        dec = math.degrees(math.asin(math.sin(eps) * math.sin(lam)))
        if k == 72:
            ra = 0.0  # the closing point repeats the first
        points.append((ra / 15, dec))
    return points


def write_ecliptic(path: pathlib.Path):
    records.write_lines(path, (f"{ra:f} {dec:f}" for ra, dec in ecliptic_points()), 73)


# --- cnames.bin --------------------------------------------------------------

def write_constellation_names(celestial: pathlib.Path, path: pathlib.Path):
    rows = []
    for feature in json.loads(celestial.read_text())["features"]:
        lon, lat = feature["geometry"]["coordinates"]
        rows.append(((lon % 360) / 15, lat, records.text(feature["properties"]["name"], 24)))
    records.write_records(path, records.CONSTELLATION_NAME, rows, 89)


# --- location.dat ------------------------------------------------------------

LOCATION_COUNT = 409
NAME_LIMIT = 46  # the reader takes 48 characters: a blank, the name and the newline
KRAKOW = ("Poland:Krakow", 50 + 5 / 60, 19 + 55 / 60)  # the default location
REFERENCE_YEAR = 2025
# Country names of iso3166.tab too long to leave room for a city.
COUNTRY_EDITS = {
    "South Georgia & the South Sandwich Islands": "South Georgia",
    "Heard Island & McDonald Islands": "Heard & McDonald Is.",
    "British Indian Ocean Territory": "Brit. Indian Ocean Terr.",
}


def _zone_coordinate(text: str, degree_digits: int) -> float:
    """+DDMM[SS] or +DDDMM[SS] to signed decimal degrees."""
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    degrees = int(digits[:degree_digits])
    minutes = int(digits[degree_digits:degree_digits + 2])
    seconds = int(digits[degree_digits + 2:] or 0)
    return sign * (degrees + minutes / 60 + seconds / 3600)


def _split_coordinates(text: str):
    cut = max(text.rfind("+"), text.rfind("-"))
    return _zone_coordinate(text[:cut], 2), _zone_coordinate(text[cut:], 3)


def _standard_offset(zone: zoneinfo.ZoneInfo) -> float:
    """Hours east of Greenwich outside summer time: the smaller of the January and
    July offsets (summer time always moves clocks forward)."""
    offsets = [datetime.datetime(REFERENCE_YEAR, month, 15, 12, tzinfo=zone).utcoffset()
               for month in (1, 7)]
    return min(offsets).total_seconds() / 3600


def _latin1(text: str) -> str:
    """Keeps Latin-1 letters; others lose their accents."""
    out = []
    for ch in text:
        try:
            ch.encode("latin-1")
            out.append(ch)
        except UnicodeEncodeError:
            out.append(unicodedata.normalize("NFKD", ch).encode("ascii", "ignore").decode())
    return "".join(out)


def _degrees_minutes(value: float):
    """Signed whole degrees and minutes, rounded to the nearest minute.
    The degrees carry the hemisphere; a place less than one degree south or
    east of the zero lines (Quito: 0 deg 13' S) has 0 degrees, so there the
    minutes carry the sign instead."""
    total = round(abs(value) * 60)
    degrees, minutes = divmod(total, 60)
    if value < 0:
        return (-degrees, minutes) if degrees else (0, -minutes)
    return degrees, minutes


def _location_line(name, latitude, longitude_east, offset_east):
    if len(name) > NAME_LIMIT:
        raise ValueError(f"location name too long: {name}")
    long_deg, long_min = _degrees_minutes(-longitude_east)  # stored west positive
    lat_deg, lat_min = _degrees_minutes(latitude)
    return f"{long_deg} {long_min} {lat_deg} {lat_min} {0.0 - offset_east:.1f} {name}"


def locations(zoneinfo_dir: pathlib.Path):
    countries = {}
    for line in (zoneinfo_dir / "iso3166.tab").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            code, name = line.split("\t")
            countries[code] = COUNTRY_EDITS.get(name, name)
    entries = []
    for line in (zoneinfo_dir / "zone.tab").read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        code, coordinates, tz = line.split("\t")[:3]
        if code == "AQ":  # research stations of Antarctica
            continue
        latitude, longitude = _split_coordinates(coordinates)
        offset = _standard_offset(zoneinfo.ZoneInfo.from_file(open(zoneinfo_dir / tz, "rb")))
        city = tz.rsplit("/", 1)[-1].replace("_", " ")
        entries.append((_latin1(f"{countries[code]}:{city}"), latitude, longitude, offset))
    warsaw = zoneinfo.ZoneInfo.from_file(open(zoneinfo_dir / "Europe" / "Warsaw", "rb"))
    entries.append((*KRAKOW, _standard_offset(warsaw)))
    entries.sort(key=lambda e: e[0].casefold())
    return [_location_line(*e) for e in entries]


def write_locations(zoneinfo_dir: pathlib.Path, path: pathlib.Path):
    records.write_lines(path, locations(zoneinfo_dir), LOCATION_COUNT)


# --- magellan.bin ------------------------------------------------------------

def _read_outline(path: pathlib.Path):
    """Points of a KStars outline file: lines "M|D ra_hours dec_degrees"."""
    points = []
    for line in path.read_text().splitlines():
        parts = line.split()
        if len(parts) == 3:
            points.append((float(parts[1]), float(parts[2])))
    return points


def _resample_closed(points, count):
    """count points evenly spaced along the closed outline (by angular length)."""
    def flat(p):  # local plane coordinates in degrees, good enough within a cloud
        return p[0] * 15 * math.cos(math.radians(p[1])), p[1]

    ring = points + [points[0]]
    lengths = [math.dist(flat(a), flat(b)) for a, b in zip(ring, ring[1:])]
    total = sum(lengths)
    out, k, walked = [], 0, 0.0
    for n in range(count):
        target = total * n / count
        while walked + lengths[k] < target:
            walked += lengths[k]
            k += 1
        f = (target - walked) / lengths[k] if lengths[k] else 0.0
        (ra0, dec0), (ra1, dec1) = ring[k], ring[k + 1]
        out.append((ra0 + f * (ra1 - ra0), dec0 + f * (dec1 - dec0)))
    return out + [out[0]]


def write_magellanic(lmc: pathlib.Path, smc: pathlib.Path, path: pathlib.Path):
    points = _resample_closed(_read_outline(lmc), 24) + _resample_closed(_read_outline(smc), 9)
    records.write_records(path, records.SKY_POINT, points, 35)
