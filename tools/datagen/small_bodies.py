"""smallbodies.tab: the comets and the brighter numbered minor planets.

Sources, as kstars-data installs them: cometels.json.gz (the Minor Planet
Center's CometEls.txt as JSON: every comet with its H and K) and
asteroids.dat (JPL's Small-Body Database as JSON). A minor planet is kept
when it is numbered and can reach V 14 at a favourable opposition, H + 5
log10(q (q - 1)) <= 14 (the distance product at perihelion, at least 0.05).

One body a line, tab-separated, UTF-8, comets first in the file's order,
then the minor planets by number:
kind (C comet, A minor planet), designation, q (AU), e, i, node, argument of
perihelion (degrees, J2000 ecliptic), perihelion time and epoch (Julian days
TT), then H and K of a comet (H + 5 log Delta + K log r; K is 2.5 times
CometEls' slope) or H and G of a minor planet. A minor planet's perihelion
time is the one nearest its epoch: epoch - M / n with n = k a^(-3/2).
"""

import gzip
import json
import math
import pathlib

GAUSS_K_DEGREES = math.degrees(0.01720209895)
FAINTEST_OPPOSITION = 14.0
HEADER = "# kind\tdesignation\tq\te\ti\tnode\tperihelion\tT\tepoch\tmagnitude\tslope"


def julian_day(year: int, month: int, day: float) -> float:
    """Gregorian calendar to Julian day (Meeus, Astronomical Algorithms, ch. 7)."""
    if month <= 2:
        year, month = year - 1, month + 12
    a = math.floor(year / 100)
    b = 2 - a + math.floor(a / 4)
    return math.floor(365.25 * (year + 4716)) + math.floor(30.6001 * (month + 1)) + day + b - 1524.5


def comet_lines(path: pathlib.Path):
    with gzip.open(path, "rt", encoding="utf-8") as f:
        comets = json.load(f)
    for c in comets:
        t = julian_day(c["Year_of_perihelion"], c["Month_of_perihelion"], c["Day_of_perihelion"])
        # Without an epoch the elements osculate at perihelion.
        epoch = (julian_day(c["Epoch_year"], c["Epoch_month"], c["Epoch_day"])
                 if "Epoch_year" in c else t)
        yield (f"C\t{c['Designation_and_name'].strip()}\t{c['Perihelion_dist']:.6f}\t{c['e']:.6f}\t"
               f"{c['i']:.4f}\t{c['Node']:.4f}\t{c['Peri']:.4f}\t{t:.5f}\t{epoch:.5f}\t"
               f"{c['H']:.1f}\t{2.5 * c['G']:.2f}")


def asteroid_lines(path: pathlib.Path):
    with open(path, encoding="utf-8") as f:
        table = json.load(f)
    column = {name: k for k, name in enumerate(table["fields"])}
    for row in table["data"]:
        get = lambda name: row[column[name]]  # noqa: E731
        name = get("full_name").strip()
        if name.startswith("("):
            continue  # not numbered
        h, q, e, a = float(get("H")), float(get("q")), float(get("e")), float(get("a"))
        if e >= 1.0 or h + 5 * math.log10(q * max(q - 1.0, 0.05)) > FAINTEST_OPPOSITION:
            continue
        # "1 Ceres (A801 AA)": the number and the name, the provisional designation left out.
        if name.endswith(")") and " (" in name:
            name = name[:name.rindex(" (")]
        epoch = float(get("epoch_mjd")) + 2400000.5
        m = math.remainder(float(get("ma")), 360.0)
        t = epoch - m / (GAUSS_K_DEGREES / a ** 1.5)
        g = float(get("G")) if get("G") is not None else 0.15
        yield (f"A\t{name}\t{q:.8f}\t{e:.8f}\t{float(get('i')):.6f}\t{float(get('om')):.6f}\t"
               f"{float(get('w')):.6f}\t{t:.6f}\t{epoch:.1f}\t{h:.2f}\t{g:.2f}")


def write(comets: pathlib.Path, asteroids: pathlib.Path, out: pathlib.Path):
    """Writes out; returns the number of comets and of minor planets."""
    c = list(comet_lines(comets))
    a = list(asteroid_lines(asteroids))
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(HEADER + "\n")
        for line in c + a:
            f.write(line + "\n")
    return len(c), len(a)


def main():
    """Writes data/smallbodies.tab from the installed kstars-data, or with --check
    makes it in a temporary folder and compares it with the committed file."""
    import argparse
    import filecmp
    import sys
    import tempfile
    parser = argparse.ArgumentParser(description=main.__doc__.splitlines()[0])
    parser.add_argument("--inputs", type=pathlib.Path, default=pathlib.Path("/usr/share/kstars"))
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    committed = pathlib.Path(__file__).resolve().parent.parent.parent / "data" / "smallbodies.tab"
    inputs = [args.inputs / "cometels.json.gz", args.inputs / "asteroids.dat"]
    for path in inputs:
        if not path.is_file():
            sys.exit(f"{path}: missing")
    with tempfile.TemporaryDirectory() as scratch:
        out = pathlib.Path(scratch) / committed.name if args.check else committed
        comets, minor_planets = write(*inputs, out)
        print(f"smallbodies.tab: {comets} comets, {minor_planets} minor planets")
        if args.check and not filecmp.cmp(out, committed, shallow=False):
            sys.exit(f"{committed} is not what the generator makes from {args.inputs}")


if __name__ == "__main__":
    main()
