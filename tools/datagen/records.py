"""Binary record layouts of the catalogue files (catalog/records.h).

All files are little-endian and packed; text fields are zero-terminated
inside their fixed width.
"""

import math
import pathlib
import struct

import numpy as np

STAR = struct.Struct("<c11sifff")           # 28 bytes
STAR_NAME = struct.Struct("<iffif20s")      # 40 bytes
LINE_VERTEX = struct.Struct("<ffi")         # 12 bytes, cnstline.bin and constell.bin
DEEP_SKY = struct.Struct("<iiiifffff20s8s")  # 64 bytes
CONSTELLATION_NAME = struct.Struct("<dd24s")  # 40 bytes
SKY_POINT = struct.Struct("<ff")             # 8 bytes
STAR_MOTION = struct.Struct("<ifff")         # 16 bytes
FAINT_STAR = struct.Struct("<ifffffff4s")    # 36 bytes
NGC_IC = struct.Struct("<ic3shfffff24s8s")   # 62 bytes

assert (STAR.size, STAR_NAME.size, LINE_VERTEX.size, DEEP_SKY.size,
        CONSTELLATION_NAME.size, SKY_POINT.size, STAR_MOTION.size) == (28, 40, 12, 64, 40, 8, 16)


def text(value: str, width: int) -> bytes:
    """A zero-terminated single-byte text field; refuses what would not fit."""
    raw = value.encode("latin-1")
    if len(raw) >= width:
        raise ValueError(f"{value!r} does not fit in {width} bytes with its terminator")
    return raw.ljust(width, b"\0")


def write_records(path: pathlib.Path, layout: struct.Struct, rows, count: int):
    rows = list(rows)
    if len(rows) != count:
        raise ValueError(f"{path.name}: {len(rows)} records, expected {count}")
    with open(path, "wb") as out:
        for row in rows:
            out.write(layout.pack(*row))


def write_lines(path: pathlib.Path, lines, count: int):
    lines = list(lines)
    if len(lines) != count:
        raise ValueError(f"{path.name}: {len(lines)} lines, expected {count}")
    with open(path, "w", encoding="latin-1", newline="\n") as out:
        for line in lines:
            out.write(line + "\n")


# The sky cells of the faint-star and NGC/IC files (catalog/sky_cells.h):
# declination bands of CELL_BAND_DEGREES from the south pole, each cut into
# equal spans of right ascension, about as many as make the cells square.
CELL_BAND_DEGREES = 5.0
CELL_BANDS = 36


def cells_in_band(band: int) -> int:
    centre = math.radians(-90.0 + (band + 0.5) * CELL_BAND_DEGREES)
    return max(1, int(round(360.0 / CELL_BAND_DEGREES * math.cos(centre))))


def first_cells():
    """The number of the first cell of each band, and the total after the last."""
    firsts = [0]
    for band in range(CELL_BANDS):
        firsts.append(firsts[-1] + cells_in_band(band))
    return firsts


def cell_of(ra_hours: float, dec_degrees: float) -> int:
    """The cell of a place, from the float32 values the files store."""
    ra = float(np.float32(ra_hours))
    dec = float(np.float32(dec_degrees))
    band = min(CELL_BANDS - 1, max(0, int(math.floor((dec + 90.0) / CELL_BAND_DEGREES))))
    n = cells_in_band(band)
    column = min(n - 1, max(0, int(math.floor(ra / 24.0 * n))))
    return first_cells()[band] + column


# The header of a cell-sorted file: magic, version, record count and the
# number of cells the records were sorted into.
HEADER = struct.Struct("<8sIII")


def write_cell_file(path: pathlib.Path, magic: bytes, version: int, layout: struct.Struct,
                    places, rows):
    """Writes rows (with their (RA hours, Dec degrees, magnitude) places) sorted by
    cell and, inside a cell, by magnitude; returns the rows in file order."""
    firsts = first_cells()
    order = sorted(range(len(rows)), key=lambda i: (cell_of(places[i][0], places[i][1]),
                                                    places[i][2], i))
    with open(path, "wb") as out:
        out.write(HEADER.pack(magic, version, len(rows), firsts[-1]))
        for i in order:
            out.write(layout.pack(*rows[i]))
    return [rows[i] for i in order]
