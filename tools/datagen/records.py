"""Binary record layouts of the catalogue files (catalog/records.h).

All files are little-endian and packed; text fields are zero-terminated
inside their fixed width.
"""

import pathlib
import struct

STAR = struct.Struct("<c11sifff")           # 28 bytes
STAR_NAME = struct.Struct("<iffif20s")      # 40 bytes
LINE_VERTEX = struct.Struct("<ffi")         # 12 bytes, cnstline.bin and constell.bin
DEEP_SKY = struct.Struct("<iiiifffff20s8s")  # 64 bytes
CONSTELLATION_NAME = struct.Struct("<dd24s")  # 40 bytes
SKY_POINT = struct.Struct("<ff")             # 8 bytes
STAR_MOTION = struct.Struct("<ifff")         # 16 bytes

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
