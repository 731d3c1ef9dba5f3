"""constell.bin: the IAU constellation boundaries, 2345 vertices.

d3-celestial gives each border between two constellations once, as J2000
polylines through the boundary corners (257 polylines, 1042 corners). The IAU
drew the boundaries along parallels and meridians of the B1875 equinox, so a
straight chord between two J2000 corners strays from the true border, most on
long stretches along a parallel. Each stretch is followed in B1875 instead:
points are added along it and precessed to J2000, spread over the borders by
length so that the file holds exactly the program's 2345 vertices. The corners
themselves stay exactly as given, so borders still meet end to end.
"""

import heapq
import json
import math
import pathlib

import numpy as np

from . import records

RECORD_COUNT = 2345
B1875_JD = 2405889.258550475
J2000_JD = 2451545.0


def precession_matrix(jd_to: float) -> np.ndarray:
    """IAU 1976 precession, J2000 mean equator and equinox to those of jd_to."""
    t = (jd_to - J2000_JD) / 36525
    arcsec = math.pi / (180 * 3600)
    zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t ** 3) * arcsec
    z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t ** 3) * arcsec
    theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t ** 3) * arcsec

    def rz(a):
        c, s = math.cos(a), math.sin(a)
        return np.array([[c, s, 0], [-s, c, 0], [0, 0, 1]])

    def ry(a):
        c, s = math.cos(a), math.sin(a)
        return np.array([[c, 0, -s], [0, 1, 0], [s, 0, c]])

    return rz(-z) @ ry(theta) @ rz(-zeta)


def _vector(ra_deg, dec_deg):
    ra, dec = math.radians(ra_deg), math.radians(dec_deg)
    return np.array([math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec)])


def _angles(v):
    return math.degrees(math.atan2(v[1], v[0])) % 360, math.degrees(math.asin(max(-1, min(1, v[2]))))


TO_B1875 = precession_matrix(B1875_JD)
TO_J2000 = TO_B1875.T


def read_borders(path: pathlib.Path):
    """The borders as lists of J2000 (ra degrees, dec degrees)."""
    borders = []
    for feature in json.loads(path.read_text())["features"]:
        for line in feature["geometry"]["coordinates"]:
            borders.append([(lon % 360, lat) for lon, lat in line])
    return borders


def _stretch(a, b):
    """A stretch between two corners in B1875: (ra0, dec0, dra, ddec) with the
    shorter way round in right ascension."""
    ra0, dec0 = _angles(TO_B1875 @ _vector(*a))
    ra1, dec1 = _angles(TO_B1875 @ _vector(*b))
    dra = (ra1 - ra0 + 180) % 360 - 180
    return ra0, dec0, dra, dec1 - dec0


def _length(stretch):
    """Length in degrees along the B1875 parallel or meridian."""
    _, dec0, dra, ddec = stretch
    return math.hypot(dra * math.cos(math.radians(dec0 + ddec / 2)), ddec)


def _points_along(stretch, pieces):
    """pieces - 1 inner points of a stretch, back in J2000. Along a parallel the
    declination stays constant and the right ascension moves evenly, which is
    what the B1875 border does; along a meridian the reverse."""
    ra0, dec0, dra, ddec = stretch
    inner = []
    for k in range(1, pieces):
        f = k / pieces
        inner.append(_angles(TO_J2000 @ _vector(ra0 + f * dra, dec0 + f * ddec)))
    return inner


def _pieces_per_stretch(lengths, budget):
    """Splits every stretch into pieces so that the added points total budget,
    giving the next point each time to the stretch with the longest pieces."""
    pieces = [1] * len(lengths)

    heap = [(-length, i) for i, length in enumerate(lengths)]
    heapq.heapify(heap)
    for _ in range(budget):
        _, i = heapq.heappop(heap)
        pieces[i] += 1
        heapq.heappush(heap, (-lengths[i] / pieces[i], i))
    return pieces


def densify(borders, target=RECORD_COUNT):
    corners = sum(len(b) for b in borders)
    stretches = [_stretch(a, b) for border in borders for a, b in zip(border, border[1:])]
    pieces = _pieces_per_stretch([_length(s) for s in stretches], target - corners)
    result, k = [], 0
    for border in borders:
        line = [border[0]]
        for b in border[1:]:
            line.extend(_points_along(stretches[k], pieces[k]))
            line.append(b)
            k += 1
        result.append(line)
    return result


def write_boundaries(borders, path: pathlib.Path):
    rows = []
    for border in borders:
        for k, (ra, dec) in enumerate(border):
            rows.append((ra / 15, dec, 0 if k == len(border) - 1 else 1))  # 1 = continues
    records.write_records(path, records.LINE_VERTEX, rows, RECORD_COUNT)
