"""bsc5.bin and snames.bin from the Bright Star Catalogue, 5th revised edition."""

import dataclasses
import pathlib

import numpy as np

from . import records

# T CrB: its catalogue magnitude 2.0 is the maximum of its 1946 nova outburst,
# so the program would show a bright star where there is none.
EXCLUDED_HR = {5958}
# Eta Carinae's spectral type is just "pec"; it is an early-type star.
SPECTRAL_CLASS_OVERRIDE = {4210: "B"}
STAR_COUNT = 9095


@dataclasses.dataclass
class Star:
    hr: int
    designation: str  # 10 fixed columns: Flamsteed, Bayer, superscript, constellation
    ra_hours: float   # J2000
    dec_degrees: float
    vmag: float
    spectral_type: str
    spectral_class: str
    pm_ra: float = 0.0     # mas/yr, along the parallel (the change of RA times cos Dec)
    pm_dec: float = 0.0    # mas/yr
    parallax: float = 0.0  # mas
    motion_source: str = "BSC"
    hipparcos_place: tuple = None  # (RA hours, Dec degrees) of the star found there
    hipparcos_row: int = -1        # the row of read_hipparcos's array it was paired with


def _spectral_class(hr: int, spectral_type: str) -> str:
    """The first upper-case letter, which skips luminosity prefixes (g, d, sg, c, sd)."""
    if hr in SPECTRAL_CLASS_OVERRIDE:
        return SPECTRAL_CLASS_OVERRIDE[hr]
    for letter in spectral_type:
        if letter.isupper():
            return letter
    raise ValueError(f"HR {hr}: no spectral class in {spectral_type!r}")


def _parse_line(line: str):
    """One catalogue line (byte columns of the catalogue's own description), or None."""
    if not line[75:83].strip():
        return None  # the few entries without a position (novae, non-stellar objects)
    hr = int(line[0:4])
    ra = int(line[75:77]) + int(line[77:79]) / 60 + float(line[79:83]) / 3600
    dec = int(line[84:86]) + int(line[86:88]) / 60 + int(line[88:90]) / 3600
    if line[83] == "-":
        dec = -dec
    spectral_type = line[127:147].strip()
    # The catalogue's own motions (FK5, arcsec/yr, RA along the parallel) and
    # trigonometric parallax (arcsec; a 'D' flag marks a dynamical one).
    parallax = float(line[161:166]) if line[161:166].strip() and line[160] != "D" else 0.0
    return Star(hr=hr, designation=line[4:14], ra_hours=ra, dec_degrees=dec,
                vmag=float(line[102:107]), spectral_type=spectral_type,
                spectral_class=_spectral_class(hr, spectral_type),
                pm_ra=float(line[148:154] or 0) * 1000, pm_dec=float(line[154:160] or 0) * 1000,
                parallax=max(parallax, 0.0) * 1000)


def read_catalogue(path: pathlib.Path):
    """The positioned stars in HR order, less the excluded ones."""
    stars = []
    with open(path, encoding="latin-1") as catalogue:
        for line in catalogue:
            star = _parse_line(line.rstrip("\n").ljust(197))
            if star and star.hr not in EXCLUDED_HR:
                stars.append(star)
    if len(stars) != STAR_COUNT:
        raise ValueError(f"{len(stars)} stars, expected {STAR_COUNT}")
    return stars


def write_stars(stars, path: pathlib.Path):
    rows = ((s.spectral_class.encode(), records.text(s.designation, 11), s.hr,
             s.ra_hours, s.dec_degrees, s.vmag) for s in stars)
    records.write_records(path, records.STAR, rows, STAR_COUNT)


# Hipparcos (as kstars-data's stars.dat carries it) is taken for a star
# found within this distance and magnitude of the catalogue's place.
MATCH_RADIUS_ARCSEC = 20.0
MATCH_MAGNITUDE = 0.6
# Catalogue places further than this from Hipparcos's are corrected.
CORRECTION_ARCSEC = 2.0


def _hms(text: str) -> float:
    sign = -1.0 if text.startswith("-") else 1.0
    t = text.lstrip("+-")
    return sign * (int(t[0:2]) + int(t[2:4]) / 60 + float(t[4:]) / 3600)


def _hipparcos_lines(path: pathlib.Path):
    """stars.dat's star lines as (numbers, spectral type): the numbers are RA hours,
    Dec degrees, pmRA cos Dec and pmDec mas/yr, parallax mas, V and B-V (nan when
    the line has none)."""
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith("#") or len(line) < 51:
                continue
            try:
                numbers = (_hms(line[0:9]), _hms(line[10:19]), float(line[20:29]),
                           float(line[29:38]), float(line[38:45]), float(line[45:51]))
            except ValueError:
                continue
            try:
                colour = float(line[51:56])
            except ValueError:
                colour = float("nan")
            yield numbers + (colour,), line[56:58].strip().rstrip("?")


def read_hipparcos(path: pathlib.Path):
    """stars.dat: (RA hours, Dec degrees, pmRA cos Dec, pmDec mas/yr, parallax mas, V, B-V)."""
    return np.array([numbers for numbers, _ in _hipparcos_lines(path)])


def read_hipparcos_spectra(path: pathlib.Path):
    """The spectral types ("A0", "K", empty when unknown) of read_hipparcos's rows."""
    return [spectrum for _, spectrum in _hipparcos_lines(path)]


def take_hipparcos(stars, hipparcos):
    """Gives each star Hipparcos's motions and parallax where it is found (the
    nearest unclaimed star within MATCH_RADIUS_ARCSEC and MATCH_MAGNITUDE,
    the brightest stars choosing first), and moves the places that differ by
    more than CORRECTION_ARCSEC to Hipparcos's. Returns the corrections as
    (star, arcsec) for the record."""
    vectors = unit_vectors(hipparcos[:, 0] * 15, hipparcos[:, 1])
    claimed = set()
    corrections = []
    for star in sorted(stars, key=lambda s: s.vmag):
        v = unit_vectors(np.array([star.ra_hours * 15]), np.array([star.dec_degrees]))[0]
        separation = np.degrees(np.arccos(np.clip(vectors @ v, -1, 1))) * 3600
        near = np.flatnonzero((separation < MATCH_RADIUS_ARCSEC)
                              & (np.abs(hipparcos[:, 5] - star.vmag) < MATCH_MAGNITUDE))
        near = [i for i in near[np.argsort(separation[near])] if i not in claimed]
        if not near:
            continue
        i = near[0]
        claimed.add(i)
        ra, dec, star.pm_ra, star.pm_dec, star.parallax = hipparcos[i][:5]
        star.hipparcos_row = int(i)
        star.parallax = max(star.parallax, 0.0)
        star.motion_source = "Hipparcos"
        star.hipparcos_place = (float(ra), float(dec))
        if separation[i] > CORRECTION_ARCSEC:
            corrections.append((star, float(separation[i])))
            star.ra_hours, star.dec_degrees = float(ra), float(dec)
    return sorted(corrections, key=lambda c: c[0].hr)


def write_star_motions(stars, path: pathlib.Path):
    rows = ((s.hr, s.pm_ra, s.pm_dec, s.parallax) for s in stars)
    records.write_records(path, records.STAR_MOTION, rows, STAR_COUNT)


def read_proper_names(path: pathlib.Path):
    names = []
    for line in path.read_text().splitlines():
        if line.strip():
            hr, name = line.split("\t")
            names.append((int(hr), name.strip()))
    return names


def _label_offset(name: str) -> int:
    """Centres the name under its star: the label starts offset pixels to the left,
    and the label font is about 7 pixels a character."""
    return round(len(name) * 7 / 2)


def write_star_names(stars, names, path: pathlib.Path):
    by_hr = {s.hr: s for s in stars}
    rows = []
    for hr, name in names:
        star = by_hr[hr]
        rows.append((hr, star.ra_hours, star.dec_degrees, _label_offset(name), star.vmag,
                     records.text(name, 20)))
    records.write_records(path, records.STAR_NAME, rows, 77)


class StarIndex:
    """Nearest-star look-ups by position."""

    def __init__(self, stars):
        self.stars = stars
        self.vectors = unit_vectors(np.array([s.ra_hours * 15 for s in stars]),
                                    np.array([s.dec_degrees for s in stars]))

    def nearest(self, ra_degrees: float, dec_degrees: float):
        """(star, distance in degrees) of the catalogue star nearest to a position."""
        v = unit_vectors(np.array([ra_degrees]), np.array([dec_degrees]))[0]
        cosines = self.vectors @ v
        i = int(np.argmax(cosines))
        return self.stars[i], float(np.degrees(np.arccos(min(1.0, cosines[i]))))


def unit_vectors(ra_degrees, dec_degrees):
    ra, dec = np.radians(ra_degrees), np.radians(dec_degrees)
    return np.stack([np.cos(dec) * np.cos(ra), np.cos(dec) * np.sin(ra), np.sin(dec)], axis=-1)
