"""faintstars.bin: the stars beyond the Bright Star Catalogue.

Three sources: kstars-data's stars.dat (Hipparcos and Tycho, to V 9.0, with
proper motions, parallaxes, B-V and spectral types) and d3-celestial's
stars.14.json (the Hipparcos catalogue: HIP number, V and B-V, to V 12-13),
then stellarium-data's Tycho stars (below). A stars.dat star that bsc5.bin already has (stars.take_hipparcos paired it,
or a bsc5.bin star stands within DUPLICATE_ARCSEC) is left out. Every other stars.dat star takes the HIP number of the
stars.14.json star found within MATCH_ARCSEC and MATCH_MAGNITUDE of it, the
nearest one that no other star has taken; the stars.14.json stars left
unpaired are added when no star of either file stands within
DUPLICATE_ARCSEC (with their J2000 places, no motions). A stars.dat star
without motion and without a HIP number that has a stars.14.json star of
the same magnitude within FAST_STAR_ARCSEC is that star, given at another
epoch: it takes its number and place. A star without a HIP
number is a Tycho star, which the program names by its J2000 place.

Then the Tycho stars of V 9.0-10.5 of stellarium-data's stars_3_1v0_4.cat
(zone_stars.py), none of them a Hipparcos star: each is added, without a HIP
number, spectral type or motions, unless a star of the other files stands
within PACKED_DUPLICATE_ARCSEC (the same star, given by stars.dat) or one of
bsc5.bin within DUPLICATE_ARCSEC.
"""

import json
import math
import pathlib

import numpy as np

from . import records, stars

MAGIC = b"STXFAINT"
VERSION = 1
MATCH_ARCSEC = 3.0
MATCH_MAGNITUDE = 0.6
DUPLICATE_ARCSEC = 10.0
FAST_STAR_ARCSEC = 90.0
FAST_STAR_MAGNITUDE = 0.02
PACKED_DUPLICATE_ARCSEC = 5.0
UNKNOWN_COLOUR = 99.0  # B-V not known


def read_celestial_stars(path: pathlib.Path):
    """(HIP, RA hours, Dec degrees, V, B-V or nan) of stars.14.json."""
    rows = []
    for feature in json.loads(path.read_text())["features"]:
        lon, lat = feature["geometry"]["coordinates"]
        colour = feature["properties"]["bv"]
        rows.append((feature["id"], (lon % 360.0) / 15.0, lat, feature["properties"]["mag"],
                     float(colour) if colour != "" else math.nan))
    return np.array(rows)


class _Grid:
    """Places bucketed by whole degrees for neighbour look-ups."""

    def __init__(self, ra_hours, dec_degrees):
        self.vectors = stars.unit_vectors(ra_hours * 15.0, dec_degrees)
        self.cells = {}
        for i, key in enumerate(zip(np.floor(dec_degrees).astype(int),
                                    np.floor(ra_hours * 15.0).astype(int))):
            self.cells.setdefault(key, []).append(i)

    def near(self, ra_hours, dec_degrees, arcsec):
        """(index, separation arcsec) of the places within arcsec, nearest first."""
        d, r = int(math.floor(dec_degrees)), int(math.floor(ra_hours * 15.0))
        # Near the poles a degree of RA is short: look at every column there.
        columns = range(360) if abs(dec_degrees) > 80 else range(r - 2, r + 3)
        found = [i for dd in (d - 1, d, d + 1) for rr in columns
                 for i in self.cells.get((dd, rr % 360), ())]
        if not found:
            return []
        v = stars.unit_vectors(np.array([ra_hours * 15.0]), np.array([dec_degrees]))[0]
        separation = np.degrees(np.arccos(np.clip(self.vectors[found] @ v, -1, 1))) * 3600
        keep = np.argsort(separation)
        return [(found[k], float(separation[k])) for k in keep if separation[k] < arcsec]


def build(hipparcos, spectra, bright_stars, celestial):
    """The faint stars as (record row, (RA, Dec, V)) and a summary of the pairing."""
    bright_rows = {s.hipparcos_row for s in bright_stars if s.hipparcos_row >= 0}
    grid = _Grid(celestial[:, 1], celestial[:, 2])
    bright = _Grid(np.array([s.ra_hours for s in bright_stars]),
                   np.array([s.dec_degrees for s in bright_stars]))
    taken = set()
    out = []
    paired = 0
    for i in np.argsort(hipparcos[:, 5], kind="stable"):
        if i in bright_rows:
            # Its stars.14.json twin is bsc5.bin's star too.
            ra, dec, v = hipparcos[i][0], hipparcos[i][1], hipparcos[i][5]
            for j, _ in grid.near(ra, dec, MATCH_ARCSEC * 4):
                if j not in taken and abs(celestial[j, 3] - v) < 1.0:
                    taken.add(j)
                    break
            continue
        ra, dec, pm_ra, pm_dec, parallax, v, colour = hipparcos[i]
        if bright.near(ra, dec, DUPLICATE_ARCSEC):
            continue  # one of the few bright stars take_hipparcos left unpaired
        hip = 0
        for j, _ in grid.near(ra, dec, MATCH_ARCSEC):
            if j not in taken and abs(celestial[j, 3] - v) < MATCH_MAGNITUDE:
                taken.add(j)
                hip = int(celestial[j, 0])
                if math.isnan(colour):
                    colour = celestial[j, 4]
                paired += 1
                break
        out.append(((hip, ra, dec, v, UNKNOWN_COLOUR if math.isnan(colour) else colour,
                     pm_ra, pm_dec, max(parallax, 0.0), records.text(spectra[i], 4)),
                    (ra, dec, v)))
    # A fast star that stars.dat gives at another epoch without its motion
    # (Kapteyn's star: 60" away) is found by its magnitude further out; it
    # takes the HIP number and stars.14.json's J2000 place.
    unnamed = [k for k, (row, _) in enumerate(out) if row[0] == 0]
    tycho_unnamed = _Grid(np.array([out[k][0][1] for k in unnamed]),
                          np.array([out[k][0][2] for k in unnamed]))
    moved = 0
    for j in range(len(celestial)):
        if j in taken:
            continue
        hip, ra, dec, v, colour = celestial[j]
        for m, _ in tycho_unnamed.near(ra, dec, FAST_STAR_ARCSEC):
            k = unnamed[m]
            row = out[k][0]
            if row[0] == 0 and row[5] == 0 and row[6] == 0 and abs(row[3] - v) <= FAST_STAR_MAGNITUDE:
                out[k] = ((int(hip), ra, dec) + row[3:], (ra, dec, row[3]))
                taken.add(j)
                moved += 1
                break
    tycho = _Grid(hipparcos[:, 0], hipparcos[:, 1])
    added = 0
    for j in range(len(celestial)):
        if j in taken:
            continue
        hip, ra, dec, v, colour = celestial[j]
        if tycho.near(ra, dec, DUPLICATE_ARCSEC) or bright.near(ra, dec, DUPLICATE_ARCSEC):
            continue
        out.append(((int(hip), ra, dec, v, UNKNOWN_COLOUR if math.isnan(colour) else colour,
                     0.0, 0.0, 0.0, records.text("", 4)), (ra, dec, v)))
        added += 1
    summary = {"stars.dat": len(hipparcos), "in bsc5.bin": len(bright_rows),
               "stars.dat with HIP": paired, "stars.dat Tycho only": sum(r[0] == 0 for r, _ in out), "found by magnitude": moved, "stars.14.json added": added, "total": len(out)}
    return out, summary


def _has_neighbour(points, others, arcsec):
    """Whether each of the unit vectors points has one of others within arcsec."""
    size = math.radians(arcsec / 3600.0)
    span = int(math.ceil(2.0 / size)) + 4

    def key(cube):
        return (cube[:, 0] * span + cube[:, 1]) * span + cube[:, 2]

    their_cube = np.floor((others + 1.0) / size).astype(np.int64)
    order = np.argsort(key(their_cube), kind="stable")
    keys = key(their_cube)[order]
    cube = np.floor((points + 1.0) / size).astype(np.int64)
    found = np.zeros(len(points), dtype=bool)
    for offset in np.array(np.meshgrid([-1, 0, 1], [-1, 0, 1], [-1, 0, 1])).T.reshape(-1, 3):
        wanted = key(cube + offset)
        first = np.searchsorted(keys, wanted, side="left")
        last = np.searchsorted(keys, wanted, side="right")
        for k in range(int((last - first).max(initial=0))):
            has = first + k < last
            j = order[np.minimum(first + k, len(order) - 1)]
            close = np.einsum("ij,ij->i", points, others[j]) >= math.cos(size)
            found |= has & close
    return found


def add_packed_stars(built, packed, bright_stars):
    """built with the stars of packed (RA, Dec, V, B-V rows) that are not there yet."""
    faint = np.array([(ra, dec) for _, (ra, dec, _) in built])
    bright = np.array([(s.ra_hours, s.dec_degrees) for s in bright_stars])
    places = stars.unit_vectors(packed[:, 0] * 15.0, packed[:, 1])
    twin = (_has_neighbour(places, stars.unit_vectors(faint[:, 0] * 15.0, faint[:, 1]),
                           PACKED_DUPLICATE_ARCSEC) |
            _has_neighbour(places, stars.unit_vectors(bright[:, 0] * 15.0, bright[:, 1]),
                           DUPLICATE_ARCSEC))
    added = [((0, ra, dec, v, colour, 0.0, 0.0, 0.0, records.text("", 4)), (ra, dec, v))
             for ra, dec, v, colour in packed[~twin]]
    summary = {"stars_3": len(packed), "stars_3 already there": int(twin.sum()),
               "stars_3 added": len(added), "total": len(built) + len(added)}
    return built + added, summary


def write(built, path: pathlib.Path):
    return records.write_cell_file(path, MAGIC, VERSION, records.FAINT_STAR,
                                   [p for _, p in built], [r for r, _ in built])
