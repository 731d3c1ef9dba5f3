"""The stars of stellarium-data's packed star file stars_3_1v0_4.cat.

The layout, as the bytes show it (checked against the Hipparcos numbers of
the sibling files stars_0/1/2 and stars.14.json's places, and against
stars.dat's Tycho stars near V 9: 1203 within 1", median 0.2"):

- A header of eight little-endian int32: magic 0x835f040a, record type
  (1: the packed 10-byte records read here), major and minor version,
  level L, the faintest-first magnitude scale (lowest magnitude in
  millimag, range in millimag, steps).
- One uint32 star count per zone, 20 * 4**L zones, then the records zone by
  zone, each zone's brightest first.
- A record is 80 bits, from the least significant bit: x0 and x1 (20 bits
  each, signed), two 14-bit signed motions, colour index (7 bits), magnitude
  (5 bits). Magnitude k is lowest + k * range / steps; colour index k is
  B-V -0.5 + 4 k / 127.

The zones are the triangles of a geodesic grid: an icosahedron's 20 faces
(FACES, corners in the file's order), each cut into four at every level, the
child triangles (c0, m01, m20), (m01, c1, m12), (m20, m12, c2),
(m12, m20, m01) with m the normalised midpoints of the edges. A star lies at
normalise(centre + x0 / 2**19 * s * east + x1 / 2**19 * s * north) in
equatorial J2000 coordinates: centre the normalised sum of the zone's
corners, east = normalise(pole x centre), north = centre x east, s =
(3 - sqrt 5) / 2**L (the tangent of a face's angular radius, halved at each
level). The places are for epoch J2000.0 (their agreement with stars.dat
does not depend on the stars' proper motions); the motions are not read.
"""

import math
import pathlib
import struct

import numpy as np

MAGIC = 0x835F040A
PACKED_RECORD = 1
PACKED_BYTES = 10
POSITION_BITS = 20

_PHI = (1 + math.sqrt(5)) / 2
# The icosahedron's corners (cyclic permutations of (0, +-phi, +-1)) and its
# faces in the order the files number them.
VERTICES = [v for a in (-1, 1) for b in (-1, 1)
            for v in ((0, a * _PHI, b), (a * _PHI, b, 0), (b, 0, a * _PHI))]
FACES = [(10, 7, 5), (7, 10, 11), (7, 11, 3), (11, 8, 3), (7, 0, 5), (3, 0, 7), (0, 3, 1),
         (3, 8, 1), (2, 5, 0), (0, 1, 2), (1, 4, 2), (4, 1, 8), (5, 2, 6), (4, 6, 2),
         (9, 6, 4), (4, 8, 9), (6, 10, 5), (6, 9, 10), (9, 11, 10), (8, 11, 9)]


def _normalise(v):
    return v / np.linalg.norm(v, axis=-1, keepdims=True)


def zone_triangles(level: int) -> np.ndarray:
    """The corners of every zone of a level, shape (20 * 4**level, 3, 3)."""
    corners = _normalise(np.array(VERTICES, dtype=float))
    triangles = corners[np.array(FACES)]
    for _ in range(level):
        c0, c1, c2 = triangles[:, 0], triangles[:, 1], triangles[:, 2]
        m12, m20, m01 = _normalise(c1 + c2), _normalise(c2 + c0), _normalise(c0 + c1)
        children = np.stack([np.stack(t, axis=1) for t in
                             ((c0, m01, m20), (m01, c1, m12), (m20, m12, c2), (m12, m20, m01))],
                            axis=1)
        triangles = children.reshape(-1, 3, 3)
    return triangles


def zone_frames(level: int):
    """Each zone's centre and its east and north axes scaled to the level."""
    centre = _normalise(zone_triangles(level).sum(axis=1))
    east = _normalise(np.cross([0.0, 0.0, 1.0], centre))
    north = np.cross(centre, east)
    scale = (3 - math.sqrt(5)) / 2 ** level
    return centre, east * scale, north * scale


def _field(low, high, start: int, bits: int, signed: bool) -> np.ndarray:
    """Bits [start, start + bits) of the 80-bit values (low 64 bits, high 16)."""
    value = np.zeros(len(low), dtype=np.int64)
    for b in range(bits):
        at = start + b
        word, shift = (low, at) if at < 64 else (high, at - 64)
        value |= ((word >> np.uint64(shift)) & np.uint64(1)).astype(np.int64) << b
    if signed:
        value = np.where(value >= 1 << (bits - 1), value - (1 << bits), value)
    return value


def read_packed_stars(path: pathlib.Path) -> np.ndarray:
    """(RA hours, Dec degrees, V, B-V) of every star, J2000, in the file's order."""
    data = path.read_bytes()
    magic, kind, _major, _minor, level, lowest, span, steps = struct.unpack_from("<8i", data)
    if magic & 0xFFFFFFFF != MAGIC or kind != PACKED_RECORD:
        raise ValueError(f"{path.name}: not a file of packed star records")
    zones = 20 * 4 ** level
    counts = np.frombuffer(data, dtype="<u4", count=zones, offset=32)
    start = 32 + 4 * zones
    if len(data) != start + int(counts.sum()) * PACKED_BYTES:
        raise ValueError(f"{path.name}: {len(data)} bytes do not hold the zones' stars")
    raw = np.frombuffer(data, dtype=np.uint8, offset=start).reshape(-1, PACKED_BYTES)
    low = raw[:, :8].copy().view("<u8")[:, 0]
    high = raw[:, 8:].copy().view("<u2")[:, 0].astype(np.uint64)
    x0 = _field(low, high, 0, POSITION_BITS, True) / 2.0 ** (POSITION_BITS - 1)
    x1 = _field(low, high, POSITION_BITS, POSITION_BITS, True) / 2.0 ** (POSITION_BITS - 1)
    colour = _field(low, high, 68, 7, False)
    magnitude = _field(low, high, 75, 5, False)
    zone = np.repeat(np.arange(zones), counts)
    centre, east, north = zone_frames(level)
    place = _normalise(centre[zone] + x0[:, None] * east[zone] + x1[:, None] * north[zone])
    ra = np.degrees(np.arctan2(place[:, 1], place[:, 0])) % 360.0 / 15.0
    dec = np.degrees(np.arcsin(np.clip(place[:, 2], -1, 1)))
    v = (lowest + magnitude * span / steps) / 1000.0
    return np.stack([ra, dec, v, -0.5 + colour * 4.0 / 127.0], axis=1)
