"""deepsky.bin: the 110 Messier objects, then 100 NGC members of the Caldwell list.

Positions, sizes, position angles and common names come from OpenNGC (as
packaged for KStars); the few sizes it lacks come from d3-celestial's deep-sky
list. The magnitudes in the packaged OpenNGC mix visual, blue and surface
values (M 15 at 3.0, M 88 at 14.3, NGC 6822 at 18.0), so the Messier objects
take the visual magnitudes of d3-celestial's Messier list, and the NGC objects
the brighter of OpenNGC's and d3-celestial's values: where the two disagree,
the fainter one is nearly always a blue or surface magnitude.
"""

import json
import pathlib
import re
import sqlite3

from . import records

COUNT = 210
MESSIER_COUNT = 110

# KStars object type numbers -> the program's type codes.
KSTARS_TYPES = {3: "OPNCL", 4: "GLOCL", 5: "BRTNB", 6: "PLNNB", 7: "BRTNB", 8: "GALXY",
                13: "OPNCL"}
# d3-celestial type codes, for objects whose KStars type is "other".
CELESTIAL_TYPES = {"oc": "OPNCL", "gc": "GLOCL", "pn": "PLNNB", "bn": "BRTNB", "en": "BRTNB",
                   "rn": "BRTNB", "snr": "BRTNB", "sfr": "BRTNB"}
# Objects that fit no type: the star cloud M24, the double star M40 and the
# asterism M73 are shown as (open) star groups.
MESSIER_TYPES = {24: "OPNCL", 40: "OPNCL", 73: "OPNCL"}

# NGC 6729, the variable reflection nebula of R CrA, has no magnitude in either
# source; R CrA itself ranges over about 9.7-13.5, so the nebula is given 12.
MAGNITUDE_FALLBACK = {"NGC 6729": 12.0}

# Common names, max 19 characters; an empty text means "none". Hand-edited
# where OpenNGC's first name is too long or not the name in common use.
NAME_EDITS = {
    "M 1": "Crab Nebula", "M 8": "Lagoon Nebula", "M 11": "Wild Duck Cluster",
    "M 13": "Hercules Cluster", "M 16": "Eagle Nebula", "M 17": "Omega Nebula",
    "M 20": "Trifid Nebula", "M 24": "Sgr Star Cloud", "M 27": "Dumbbell Nebula",
    "M 31": "Andromeda Galaxy", "M 33": "Triangulum Galaxy", "M 40": "Winnecke 4",
    "M 42": "Orion Nebula", "M 43": "De Mairan's Nebula", "M 44": "Praesepe",
    "M 45": "Pleiades", "M 51": "Whirlpool Galaxy", "M 57": "Ring Nebula",
    "M 64": "Black Eye Galaxy", "M 76": "Little Dumbbell", "M 81": "Bode's Galaxy",
    "M 82": "Cigar Galaxy", "M 83": "Southern Pinwheel", "M 97": "Owl Nebula",
    "M 101": "Pinwheel Galaxy", "M 104": "Sombrero Galaxy", "M 102": "Spindle Galaxy",
    "NGC 869": "h Persei", "NGC 884": "chi Persei", "NGC 7000": "North America Neb.",
    "NGC 3372": "Eta Carinae Nebula", "NGC 2070": "Tarantula Nebula",
    "NGC 5139": "Omega Centauri", "NGC 104": "47 Tucanae", "NGC 5128": "Centaurus A",
    "NGC 4755": "Jewel Box", "NGC 6543": "Cat's Eye Nebula", "NGC 7293": "Helix Nebula",
    "NGC 7009": "Saturn Nebula", "NGC 2392": "Eskimo Nebula", "NGC 6960": "Veil Nebula (W)",
    "NGC 6992": "Veil Nebula (E)", "NGC 2244": "Rosette Cluster", "NGC 7635": "Bubble Nebula",
    "NGC 6888": "Crescent Nebula", "NGC 4038": "Antennae", "NGC 4039": "Antennae",
    "NGC 253": "Sculptor Galaxy", "NGC 2261": "Hubble's Var. Neb.", "NGC 3242": "Ghost of Jupiter",
    "NGC 457": "Owl Cluster", "NGC 6826": "Blinking Planetary", "NGC 7662": "Blue Snowball",
    "NGC 2362": "Tau CMa Cluster", "NGC 3132": "Eight-Burst Nebula", "NGC 6822": "Barnard's Galaxy",
    "NGC 4565": "Needle Galaxy", "NGC 4631": "Whale Galaxy", "NGC 6302": "Bug Nebula",
    "NGC 2403": "*", "NGC 6946": "Fireworks Galaxy", "NGC 3532": "Wishing Well Cl.",
    "NGC 7023": "Iris Nebula", "NGC 40": "Bow-Tie Nebula", "NGC 6729": "R CrA Nebula",
    "NGC 2516": "Southern Beehive", "NGC 6231": "*", "NGC 1097": "*",
}
CATALOGUE_NAME = re.compile(r"^(M|NGC|IC|PGC|UGC|ESO|MCG|CGCG|Cr|Mel|Tr|Sh2|LBN|LDN|B|vdB|RCW|"
                            r"Ced|Gum|Col|Basel|Stock|Berk|H|Harvard|PK|PN|Abell|[a-z]{1,3} [A-Z])")


def row_dict(row):
    keys = ("type", "ra", "dec", "magnitude", "name", "long_name", "identifier",
            "major", "minor", "pa")
    return dict(zip(keys, row))


def read_openngc(path: pathlib.Path):
    """(objects by Messier number, objects by NGC number) from OpenNGC.kscat."""
    with sqlite3.connect(path) as db:
        rows = [row_dict(r) for r in db.execute(
            "select type, ra, dec, magnitude, name, long_name, catalog_identifier, "
            "major_axis, minor_axis, position_angle from cat")]
    messier, ngc = {}, {}
    for row in rows:
        aliases = [row["name"]] + [t.strip() for t in (row["long_name"] or "").split(",")]
        for alias in aliases:
            match = re.fullmatch(r"M (\d+)", alias or "")
            if match:
                messier.setdefault(int(match.group(1)), row)
        match = re.fullmatch(r"NGC(\d{4})", row["identifier"] or "")
        if match:
            ngc.setdefault(int(match.group(1)), row)
    return messier, ngc


def read_celestial(folder: pathlib.Path):
    """d3-celestial deep-sky entries by designation ("NGC 6885", "M 73")."""
    entries = {}
    for feature in json.loads((folder / "dsos.20.json").read_text())["features"]:
        entries.setdefault(feature["properties"]["desig"], feature["properties"])
    return entries


def _celestial_size(entry):
    """(major, minor) from a d3-celestial "a" or "axb" text."""
    if not entry or not entry.get("dim"):
        return None
    parts = [float(p) for p in str(entry["dim"]).split("x")]
    return parts[0], parts[-1]


def common_name(label, row):
    if label in NAME_EDITS:
        return NAME_EDITS[label]
    for alias in (row["long_name"] or "").split(","):
        alias = alias.strip()
        if alias and not CATALOGUE_NAME.match(alias) and len(alias) <= 19:
            return alias
    return "*"


def _magnitude(label, row, entry, messier_magnitude):
    if messier_magnitude is not None:
        return messier_magnitude
    candidates = [m for m in (row["magnitude"], entry and float(entry["mag"])) if m and m < 99]
    return min(candidates) if candidates else MAGNITUDE_FALLBACK[label]


def _record(number, label, row, celestial, type_code, messier_magnitude=None):
    entry = celestial.get(label)
    magnitude = _magnitude(label, row, entry, messier_magnitude)
    major, minor = row["major"], row["minor"]
    if major is None:
        major, minor = _celestial_size(entry) or (0.0, 0.0)
    if minor is None:
        minor = major  # a single diameter: a round object
    if type_code is None:
        type_code = KSTARS_TYPES.get(row["type"]) or CELESTIAL_TYPES[entry["type"]]
    return (number, round(row["pa"] or 0), 0, 0, row["ra"] / 15, row["dec"], magnitude,
            major, minor, records.text(common_name(label, row), 20), records.text(type_code, 8))


def build(openngc: pathlib.Path, celestial_folder: pathlib.Path, caldwell: pathlib.Path):
    messier, ngc = read_openngc(openngc)
    celestial = read_celestial(celestial_folder)
    visual = {int(f["id"][1:]): float(f["properties"]["mag"]) for f in
              json.loads((celestial_folder / "messier.json").read_text())["features"]}
    rows = []
    for m in range(1, MESSIER_COUNT + 1):
        rows.append(_record(m, f"M {m}", messier[m], celestial, MESSIER_TYPES.get(m), visual[m]))
    for line in caldwell.read_text().splitlines():
        if line.strip():
            number = int(line.split("\t")[1].split()[1])
            rows.append(_record(number, f"NGC {number}", ngc[number], celestial, None))
    return rows


def write(rows, path: pathlib.Path):
    records.write_records(path, records.DEEP_SKY, rows, COUNT)
