"""caldwell.tab and constellation_names.tab: the find box's other names.

caldwell.tab: the 109 objects of the Caldwell catalogue (Patrick Moore, 1995)
with the designation the program knows them by, read from stellarium-data's
deep-sky catalogue nebulae/default/catalog.dat (a gzip-compressed stream of
big-endian records, version 3.16: an id, RA, Dec, B and V magnitudes, type,
morphology, axes, orientation, redshift, parallax and distance with their
errors, then the numbers of 14 catalogues NGC, IC, M, C, B, Sh2, VdB, RCW,
LDN, LBN, Cr, Mel, PGC, UGC, the Ced text, Arp and VV, 7 texts PK, PN G,
SNR G, ACO, HCG, ESO, VdBH and 5 numbers DWB, Tr, St, Ru, VdB-Ha; a text is
a byte length, 0xFFFFFFFF for none, and UTF-16 big-endian). The NGC pairs
must agree with tools/data-notes/caldwell-ngc-100.tsv. One object a line,
"number<TAB>designation", by number; C 14 (the Double Cluster) has two lines.
An object without NGC, IC, Sh2 or Mel number takes its common name from the
catalogue's names.dat ("Coalsack Nebula").

constellation_names.tab: d3-celestial's constellations.json, one constellation
a line, "name<TAB>abbreviation<TAB>genitive<TAB>RA<TAB>Dec", by name, with the
place of its label (hours, degrees; Serpens once, at its head's label).
"""

import gzip
import json
import pathlib
import re
import struct

CALDWELL_COUNT = 109
CONSTELLATION_COUNT = 88
CATALOGUE_NUMBERS = ("NGC", "IC", "M", "C", "B", "Sh2", "VdB", "RCW", "LDN", "LBN", "Cr", "Mel",
                     "PGC", "UGC")


class _Stream:
    def __init__(self, raw: bytes):
        self.raw, self.pos = raw, 0

    def number(self) -> int:
        (value,) = struct.unpack_from(">i", self.raw, self.pos)
        self.pos += 4
        return value

    def real(self) -> float:
        (value,) = struct.unpack_from(">d", self.raw, self.pos)
        self.pos += 8
        return value

    def text(self) -> str:
        (length,) = struct.unpack_from(">I", self.raw, self.pos)
        self.pos += 4
        if length == 0xFFFFFFFF:
            return ""
        value = self.raw[self.pos:self.pos + length].decode("utf-16-be")
        self.pos += length
        return value


def read_caldwell(catalog: pathlib.Path):
    """{Caldwell number: [the other catalogues' numbers of each object]}."""
    stream = _Stream(gzip.decompress(catalog.read_bytes()))
    version, edition = stream.text(), stream.text()
    if version != "3.16":
        raise SystemExit(f"{catalog}: version {version} {edition}, the generator reads 3.16")
    found = {}
    while stream.pos < len(stream.raw):
        stream.number()  # id
        for _ in range(4):  # RA, Dec, B, V
            stream.real()
        stream.number()  # type
        stream.text()  # morphology
        stream.real(), stream.real(), stream.number()  # axes, orientation
        for _ in range(6):  # redshift, parallax, distance and their errors
            stream.real()
        numbers = {name: stream.number() for name in CATALOGUE_NUMBERS}
        stream.text()  # Ced
        stream.number(), stream.number()  # Arp, VV
        for _ in range(7):
            stream.text()
        for _ in range(5):
            stream.number()
        if numbers["C"]:
            found.setdefault(numbers["C"], []).append(numbers)
    if stream.pos != len(stream.raw):
        raise SystemExit(f"{catalog}: the last record runs past the end")
    return found


def _common_name(names_dat: pathlib.Path, number: int) -> str:
    for line in names_dat.read_text(encoding="utf-8").splitlines():
        match = re.match(r'C\s+(\d+)\s+_\("([^"]+)"\)', line)
        if match and int(match.group(1)) == number:
            return match.group(2)
    raise SystemExit(f"{names_dat}: no name for C {number}")


def caldwell_lines(catalog: pathlib.Path, names_dat: pathlib.Path, ngc_pairs: pathlib.Path):
    found = read_caldwell(catalog)
    if sorted(found) != list(range(1, CALDWELL_COUNT + 1)):
        raise SystemExit(f"{catalog}: {len(found)} Caldwell numbers, not 1-{CALDWELL_COUNT}")
    lines = []
    for c in sorted(found):
        for numbers in found[c]:
            if numbers["NGC"]:
                name = f"NGC {numbers['NGC']}"
            elif numbers["IC"]:
                name = f"IC {numbers['IC']}"
            elif numbers["Sh2"]:
                name = f"Sh2-{numbers['Sh2']}"
            elif numbers["Mel"]:
                name = f"Mel {numbers['Mel']}"
            else:
                name = _common_name(names_dat, c)
            lines.append(f"{c}\t{name}")
    # The hand-checked list of the NGC members must agree.
    for row in ngc_pairs.read_text().splitlines():
        number, ngc = row.split("\t")
        if f"{number[1:]}\t{ngc}" not in lines:
            raise SystemExit(f"{ngc_pairs}: {number} {ngc} differs from {catalog}")
    return lines


def constellation_lines(celestial: pathlib.Path):
    rows = set()
    for feature in json.loads(celestial.read_text())["features"]:
        p = feature["properties"]
        # Serpens comes in its two parts, Caput and Cauda: one constellation.
        name = re.sub(r" (Caput|Cauda)$", "", p["name"])
        lon, lat = feature["geometry"]["coordinates"]
        if name == "Serpens" and p["name"] != "Serpens Caput":
            continue  # the label of its larger part
        rows.add(f"{name}\t{p['desig']}\t{p['gen']}\t{(lon % 360) / 15:.3f}\t{lat:.2f}")
    if len(rows) != CONSTELLATION_COUNT:
        raise SystemExit(f"{celestial}: {len(rows)} constellations")
    return sorted(rows)


def write(catalog: pathlib.Path, names_dat: pathlib.Path, ngc_pairs: pathlib.Path,
          celestial: pathlib.Path, caldwell_path: pathlib.Path, constellations_path: pathlib.Path):
    caldwell = caldwell_lines(catalog, names_dat, ngc_pairs)
    caldwell_path.write_text("".join(line + "\n" for line in caldwell), encoding="utf-8")
    names = constellation_lines(celestial)
    constellations_path.write_text("".join(line + "\n" for line in names), encoding="utf-8")
    return len(caldwell), len(names)
