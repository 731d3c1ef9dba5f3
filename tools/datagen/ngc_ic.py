"""ngcic.bin: the NGC and IC objects that deepsky.bin does not have.

Every object of OpenNGC (as packaged for KStars) whose identifier is an NGC
or IC number, less the Messier objects and deepsky.bin's 100 NGC objects.
The magnitude is OpenNGC's, or d3-celestial's where OpenNGC has none; the
type follows deepsky.KSTARS_TYPES, with codes of its own for stars and
multiple stars ("STAR"), galaxy clusters ("GALCL") and the rest ("OTHER").
"""

import pathlib
import re
import sqlite3

from . import deepsky, records

MAGIC = b"STXNGCIC"
VERSION = 1
UNKNOWN_MAGNITUDE = 99.0
# Where OpenNGC's first name is not the one in common use.
NAME_EDITS = {"IC 434": "Horsehead Nebula", "NGC 2024": "Flame Nebula"}
EXTRA_TYPES = {0: "STAR", 17: "STAR", 14: "GALCL"}
IDENTIFIER = re.compile(r"(NGC|IC)(\d{4})(\w{0,2})")


def build(openngc: pathlib.Path, celestial_folder: pathlib.Path, caldwell: pathlib.Path):
    caldwell_ngc = {int(line.split("\t")[1].split()[1])
                    for line in caldwell.read_text().splitlines() if line.strip()}
    celestial = deepsky.read_celestial(celestial_folder)
    with sqlite3.connect(openngc) as db:
        rows = [deepsky.row_dict(r) for r in db.execute(
            "select type, ra, dec, magnitude, name, long_name, catalog_identifier, "
            "major_axis, minor_axis, position_angle from cat")]
    out = []
    left_out = {"Messier": 0, "deepsky.bin": 0}
    for row in rows:
        match = IDENTIFIER.fullmatch(row["identifier"] or "")
        if not match:
            continue
        aliases = [row["name"]] + [t.strip() for t in (row["long_name"] or "").split(",")]
        if any(re.fullmatch(r"M \d+", a or "") for a in aliases):
            left_out["Messier"] += 1
            continue
        catalogue, number, suffix = match.group(1), int(match.group(2)), match.group(3)
        if catalogue == "NGC" and number in caldwell_ngc and not suffix:
            left_out["deepsky.bin"] += 1
            continue
        label = f"{catalogue} {number}"
        entry = celestial.get(label) if not suffix else None
        magnitude = row["magnitude"]
        if magnitude is None and entry and entry.get("mag") not in (None, ""):
            magnitude = float(entry["mag"])
        if magnitude is None or magnitude >= 99:
            magnitude = UNKNOWN_MAGNITUDE
        major, minor = row["major"] or 0.0, row["minor"]
        if minor is None:
            minor = major
        type_code = deepsky.KSTARS_TYPES.get(row["type"]) or EXTRA_TYPES.get(row["type"])
        if type_code is None:
            type_code = deepsky.CELESTIAL_TYPES.get(entry and entry.get("type"), "OTHER")
        name = NAME_EDITS.get(label) or deepsky.common_name(label, row)
        out.append(((number, catalogue[0].encode(), suffix.encode().ljust(3, b"\0"),
                     round(row["pa"] or 0), row["ra"] / 15.0, row["dec"], magnitude,
                     major, minor, records.text("" if name == "*" else name, 24),
                     records.text(type_code, 8)),
                    (row["ra"] / 15.0, row["dec"], magnitude)))
    return out, left_out


def write(built, path: pathlib.Path):
    return records.write_cell_file(path, MAGIC, VERSION, records.NGC_IC,
                                   [p for _, p in built], [r for r, _ in built])
