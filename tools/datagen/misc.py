"""eclip.dat, cnames.bin, location.dat and magellan.bin."""

import datetime
import json
import math
import pathlib
import re
import sqlite3
import subprocess
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


def _countries(zoneinfo_dir: pathlib.Path):
    """iso3166.tab: country code -> name."""
    countries = {}
    for line in (zoneinfo_dir / "iso3166.tab").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            code, name = line.split("\t")
            countries[code] = name
    return countries


def _zone(zoneinfo_dir: pathlib.Path, name: str) -> zoneinfo.ZoneInfo:
    with open(zoneinfo_dir / name, "rb") as f:
        return zoneinfo.ZoneInfo.from_file(f)


def location_entries(zoneinfo_dir: pathlib.Path):
    """(name, latitude, longitude east, standard offset east, zone) of location.dat, in its order."""
    countries = {code: COUNTRY_EDITS.get(name, name)
                 for code, name in _countries(zoneinfo_dir).items()}
    entries = []
    for line in (zoneinfo_dir / "zone.tab").read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        code, coordinates, tz = line.split("\t")[:3]
        if code == "AQ":  # research stations of Antarctica
            continue
        latitude, longitude = _split_coordinates(coordinates)
        offset = _standard_offset(_zone(zoneinfo_dir, tz))
        city = tz.rsplit("/", 1)[-1].replace("_", " ")
        entries.append((_latin1(f"{countries[code]}:{city}"), latitude, longitude, offset, tz))
    entries.append((*KRAKOW, _standard_offset(_zone(zoneinfo_dir, "Europe/Warsaw")),
                    "Europe/Warsaw"))
    entries.sort(key=lambda e: e[0].casefold())
    return entries


def locations(zoneinfo_dir: pathlib.Path):
    return [_location_line(*e[:4]) for e in location_entries(zoneinfo_dir)]


def write_locations(zoneinfo_dir: pathlib.Path, path: pathlib.Path, zones_path: pathlib.Path):
    """location.dat, and beside it each of its places' time zone and exact standard
    offset ("name<TAB>zone<TAB>hours": location.dat has one decimal, 5.8 for 5.75),
    in the same order."""
    entries = location_entries(zoneinfo_dir)
    records.write_lines(path, [_location_line(*e[:4]) for e in entries], LOCATION_COUNT)
    zones_path.write_bytes("".join(f"{e[0]}\t{e[4]}\t{e[3]:g}\n" for e in entries).encode("latin-1"))


# --- cities.tab --------------------------------------------------------------

def _dms(text: str) -> float:
    """citydb's ' 51\u00b0 39' 00"' (one is plain decimal degrees) to signed degrees."""
    if re.fullmatch(r"\s*-?\d+\.\d+\s*", text):
        return float(text)
    m = re.match(r"\s*(-?)(\d+)\u00b0\s*(\d+)'\s*(\d+)\"", text)
    if not m:
        raise ValueError(f"citydb coordinate: {text!r}")
    value = int(m.group(2)) + int(m.group(3)) / 60 + int(m.group(4)) / 3600
    return -value if m.group(1) else value


def _distance(lat1, lon1, lat2, lon2) -> float:
    """Great-circle distance in kilometres."""
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    c = math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(dl)
    return 6371.0 * math.acos(max(-1.0, min(1.0, c)))


# A city of citydb.sqlite this near a place of location.dat of the same name
# is that place: the list shows it once, as location.dat's.
SAME_PLACE_KM = 50.0


def _zones_at(geo_tz: pathlib.Path, points):
    """The zone whose area holds each (latitude, longitude), by geo-tz (run with
    node): its "all" boundaries, which keep every zone with its own history;
    the first where areas overlap; "" where none does."""
    script = ("const {find} = require(require.resolve('geo-tz/all', {paths: [process.argv[1]]}));"
              "const points = JSON.parse(require('fs').readFileSync(0, 'utf8'));"
              "process.stdout.write(JSON.stringify(points.map(([lat, lon]) => find(lat, lon)[0] || '')));")
    out = subprocess.run(["node", "-e", script, str(geo_tz)], input=json.dumps(points),
                         capture_output=True, text=True, check=True).stdout
    return json.loads(out)


# Country names of citydb.sqlite -> the iso3166.tab codes whose zones they may have.
CITYDB_COUNTRIES = {
    "USA": ["US"], "United Kingdom": ["GB"], "South Korea": ["KR"], "North Korea": ["KP"],
    "Antigua and Barbuda": ["AG"], "Ascension Island": ["SH"], "Bosnia and Herzegovina": ["BA"],
    "B\u00e9nin": ["BJ"], "Central African Republic": ["CF"], "Congo": ["CG"],
    "Congo (Democratic Republic)": ["CD"], "Dem rep of Congo": ["CD"], "Czechia": ["CZ"],
    "Guinea Bissau": ["GW"], "Ivory coast": ["CI"], "Macedonia": ["MK"], "Myanmar": ["MM"],
    "Pitcairn Islands": ["PN"], "Samoa": ["WS", "AS"], "St. Lucia": ["LC"], "Swaziland": ["SZ"],
    "Trinidad and Tobago": ["TT"], "Turks and Caicos Islands": ["TC"],
    "US Territory": ["UM", "MP", "IO", "GU"], "Vatican": ["VA"], "Virgin Islands": ["VI", "VG"],
    "Western sahara": ["EH"], "Yugoslavia": ["RS", "ME"],
}


def _country_zone(zoneinfo_dir: pathlib.Path, country: str, city: str, latitude, longitude):
    """The zone of zone.tab named after the city (Asia/Hong_Kong), else of the
    zones it gives the citydb country, the one whose principal place is
    nearest to the point; "" when it gives none."""
    by_name = {name: [code] for code, name in _countries(zoneinfo_dir).items()}
    codes = CITYDB_COUNTRIES.get(country, by_name.get(country, []))
    candidates = []
    for line in (zoneinfo_dir / "zone.tab").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            code, coordinates, tz = line.split("\t")[:3]
            if tz.rsplit("/", 1)[-1] == city.replace(" ", "_"):
                return tz
            if code in codes:
                candidates.append((*_split_coordinates(coordinates), tz))
    if not candidates:
        return ""
    return min(candidates, key=lambda z: _distance(latitude, longitude, z[0], z[1]))[2]


def cities(citydb: pathlib.Path, zoneinfo_dir: pathlib.Path, geo_tz: pathlib.Path):
    """(lines of cities.tab, lines of the cities left without a zone, names left
    out because location.dat or an earlier city has them or location.dat has
    the same place).

    Each city of KStars' citydb.sqlite takes the zone whose area contains it
    (the time-zone boundaries of geo-tz) and that zone's standard offset;
    one whose zone tzdata does not have keeps KStars' standard offset, with an
    empty zone, and is listed, as are those whose point lies at sea (in the
    sea's zone, Etc/GMT-2, a fixed offset): they take the zone of zone.tab
    named after them, or else their country's whose principal place is
    nearest, where it has one."""
    rows = [(name, province, country, _dms(lat_text), _dms(lon_text), tz_hours, elevation)
            for name, province, country, lat_text, lon_text, tz_hours, elevation in sqlite3.connect(
                f"file:{citydb}?mode=ro", uri=True).execute(
                "SELECT Name, Province, Country, Latitude, Longitude, TZ, Elevation FROM city "
                "ORDER BY id")]
    zones = _zones_at(geo_tz, [(r[3], r[4]) for r in rows])
    offsets = {}
    lines, unmatched, repeated = [], [], []
    entries = location_entries(zoneinfo_dir)
    taken = {e[0] for e in entries}
    located = {}  # a location.dat place's city, case-folded -> [(latitude, longitude)]
    for e in entries:
        located.setdefault(e[0].split(":", 1)[1].casefold(), []).append((e[1], e[2]))
    for (name, province, country, latitude, longitude, tz_hours, elevation), zone in zip(rows, zones):
        place = f"{name}, {province}" if province else name
        label = f"{country}:{place}"
        offset = tz_hours
        if zone and (zoneinfo_dir / zone).is_file():
            if zone not in offsets:
                offsets[zone] = _standard_offset(_zone(zoneinfo_dir, zone))
            offset = offsets[zone]
            if zone.startswith("Etc/"):
                # Its coordinates lie at sea (KStars' are off for a few): the
                # sea's fixed offset would lose the country's clock changes.
                land = _country_zone(zoneinfo_dir, country, name, latitude, longitude)
                unmatched.append(f"{label}\t{zone}: at sea by the boundaries; "
                                 + (f"takes {land}" if land else "kept"))
                if land:
                    zone = land
                    offset = _standard_offset(_zone(zoneinfo_dir, zone))
        else:
            unmatched.append(f"{label}\t{zone or 'no zone'}: not a zone of tzdata")
            zone = ""
        same = any(_distance(latitude, longitude, *p) <= SAME_PLACE_KM
                   for p in located.get(name.casefold(), []))
        if label in taken or same:
            repeated.append(label)
            continue
        taken.add(label)
        lines.append(f"{label}\t{latitude:.5f}\t{longitude:.5f}\t{elevation:.0f}\t{offset:g}\t{zone}")
    return lines, unmatched, repeated


def write_cities(citydb: pathlib.Path, zoneinfo_dir: pathlib.Path, geo_tz: pathlib.Path,
                 path: pathlib.Path, unmatched_path: pathlib.Path):
    """cities.tab: "name<TAB>latitude<TAB>longitude east<TAB>elevation m<TAB>standard offset
    h<TAB>zone" (UTF-8), and the list of the cities at sea or without a zone of tzdata."""
    lines, unmatched, repeated = cities(citydb, zoneinfo_dir, geo_tz)
    path.write_bytes("".join(line + "\n" for line in lines).encode("utf-8"))
    unmatched_path.write_bytes("".join(line + "\n" for line in unmatched).encode("utf-8"))
    print(f"cities.tab: {len(lines)} cities, {len(unmatched)} at sea or without a zone of tzdata, "
          f"{len(repeated)} left out whose names or places location.dat or an earlier city has")


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
