#!/usr/bin/python3
"""Writes tests/astro/data/star_reference.csv: where ERFA places 30 stars of
the catalogue, fast and slow, near the poles and the equator, at ten instants
from 1901 to 2099, against which the stars' motion and aberration are tested.

    /usr/bin/python3 tools/make_star_reference.py > tests/astro/data/star_reference.csv

Each star is the Hipparcos star kstars-data's stars.dat gives (the one the
data generator pairs with the catalogue star): its J2000 place, proper
motions and parallax, radial velocity unknown (0). For each instant (UT; the
Terrestrial Time is UT plus the Espenak-Meeus Delta T, as the program's) ERFA
2.0 (python3-erfa) gives the astrometric place (eraPmpx, seen from the
Earth's barycentric place of eraEpv00) and the apparent place, true equator
and equinox of date (eraAtci13, its CIO-based right ascension less the
equation of the origins). The sources are fetched as tools/make_data.py does.
"""

import math
import os
import pathlib
import sys
import warnings

import erfa

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from accuracy_common import delta_t_seconds  # noqa: E402
from datagen import sources, stars  # noqa: E402

# Fast stars (61 Cyg A and B, Groombridge 1830, Arcturus, alpha Cen A and B,
# epsilon Indi, ...), slow ones, and stars near the poles.
HR = [8085, 8086, 4550, 5340, 5459, 5460, 8387, 1325, 321, 509, 2491, 2943, 7001, 1713, 7924,
      2061, 6134, 5056, 2326, 424, 1903, 1948, 4853, 2693, 3685, 7254, 8630, 985, 5903, 4301]
INSTANTS = [(1901, 1, 1, 0, 0, 0), (1901, 7, 9, 18, 30, 0), (1930, 3, 21, 6, 0, 0),
            (1969, 7, 20, 20, 17, 0), (2000, 1, 1, 12, 0, 0), (2026, 12, 8, 22, 0, 0),
            (2035, 2, 16, 3, 0, 0), (2060, 9, 23, 12, 0, 0), (2099, 6, 1, 0, 0, 0),
            (2099, 12, 31, 23, 0, 0)]
MAS = math.radians(1 / 3600000)


def main():
    warnings.simplefilter("ignore")
    src = sources.fetch(pathlib.Path("/tmp/stellix-data-sources"))
    catalogue = stars.read_catalogue(src.usr_share("stardata", "yale", "catalog.dat"))
    stars.take_hipparcos(catalogue, stars.read_hipparcos(src.usr_share("kstars", "stars.dat")))
    by_hr = {s.hr: s for s in catalogue}
    print("hr,year,month,day,hour,minute,second,ra_astrometric,dec_astrometric,"
          "ra_apparent,dec_apparent")
    for hr in dict.fromkeys(HR):
        star = by_hr[hr]
        ra, dec = (math.radians(a * k) for a, k in zip(star.hipparcos_place, (15, 1)))
        pr, pd = star.pm_ra * MAS / math.cos(dec), star.pm_dec * MAS
        px = star.parallax / 1000
        for instant in INSTANTS:
            d1, d2 = erfa.cal2jd(*instant[:3])
            ut = d2 + (instant[3] + instant[4] / 60 + instant[5] / 3600) / 24
            tt = ut + delta_t_seconds(d1 + ut) / 86400
            _, barycentric = erfa.epv00(d1, tt)
            years = (d1 + tt - 2451545.0) / 365.25
            a_ra, a_dec = erfa.c2s(erfa.pmpx(ra, dec, pr, pd, px, 0.0, years, barycentric[0]))
            ri, di, eo = erfa.atci13(ra, dec, pr, pd, px, 0.0, d1, tt)
            print(f"{hr},{','.join(str(v) for v in instant)},"
                  f"{math.degrees(erfa.anp(a_ra)) / 15:.9f},{math.degrees(a_dec):.8f},"
                  f"{math.degrees(erfa.anp(ri - eo)) / 15:.9f},{math.degrees(di):.8f}")


if __name__ == "__main__":
    main()
