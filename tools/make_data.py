#!/usr/bin/python3
"""Builds Stellix's sky data files (data/) from open sources.

Run from anywhere with Debian's Python 3 (python3-numpy and python3-pil):

    /usr/bin/python3 tools/make_data.py

The sources are downloaded into a scratch folder (default
/tmp/stellix-data-sources): Debian packages with apt-get download (a private
apt configuration, the machine's sources are not changed) and the npm package
with npm pack, geo-tz with npm install into the scratch folder. Nothing is
installed on the machine. Every output file is rewritten (with --only-cities
only cities.tab and its list).
"""

import argparse
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from datagen import (boundaries, deepsky, faint_stars, figures, find_names, misc,  # noqa: E402
                     ngc_ic, planet_series, pluto_series, small_bodies, sources, stars, textures,
                     zone_stars)

REPO = pathlib.Path(__file__).resolve().parent.parent
NOTES = pathlib.Path(__file__).resolve().parent / "data-notes"


def build_catalogues(src: sources.Sources, out: pathlib.Path, docs: pathlib.Path):
    catalogue = stars.read_catalogue(src.usr_share("stardata", "yale", "catalog.dat"))
    hipparcos = stars.read_hipparcos(src.usr_share("kstars", "stars.dat"))
    corrections = stars.take_hipparcos(catalogue, hipparcos)
    stars.write_stars(catalogue, out / "bsc5.bin")
    stars.write_star_motions(catalogue, out / "bsc5motion.bin")
    found = sum(s.motion_source == "Hipparcos" for s in catalogue)
    print(f"bsc5motion.bin: {found} stars with Hipparcos motions, {len(corrections)} places corrected")
    with open(docs / "bsc5-corrections.txt", "w") as report:
        report.write("HR\tcorrection (arcsec)\n")
        for star, arcsec in corrections:
            report.write(f"{star.hr}\t{arcsec:.1f}\n")
    build_faint_stars(src, catalogue, hipparcos, out)
    stars.write_star_names(catalogue, stars.read_proper_names(NOTES / "proper-names-77.tsv"),
                           out / "snames.bin")

    by_hr = {s.hr: s for s in catalogue}
    magnitude = {s.hr: s.vmag for s in catalogue}
    figure_list = figures.read_figures(src.celestial("constellations.lines.json"),
                                       stars.StarIndex(catalogue))
    original = {f.abbreviation: set(f.edges) for f in figure_list}
    figures.simplify(figure_list, magnitude)
    lines = figures.polylines(figure_list, magnitude)
    figures.write_lines(lines, by_hr, out / "cnstline.bin")
    figures.contact_sheet(original, lines, by_hr, docs / "constellation-figures.png")
    kept = sum(len(t) - 1 for _, t in lines)
    print(f"cnstline.bin: {kept} edges in {len(lines)} polylines")

    borders = boundaries.densify(boundaries.read_borders(src.celestial("constellations.borders.json")))
    boundaries.write_boundaries(borders, out / "constell.bin")

    deepsky.write(deepsky.build(src.usr_share("kstars", "OpenNGC.kscat"), src.npm / "data",
                                NOTES / "caldwell-ngc-100.tsv"), out / "deepsky.bin")
    objects, left_out = ngc_ic.build(src.usr_share("kstars", "OpenNGC.kscat"), src.npm / "data",
                                     NOTES / "caldwell-ngc-100.tsv")
    ngc_ic.write(objects, out / "ngcic.bin")
    print(f"ngcic.bin: {len(objects)} NGC and IC objects; left out: {left_out}")
    misc.write_ecliptic(out / "eclip.dat")
    misc.write_constellation_names(src.celestial("constellations.json"), out / "cnames.bin")
    misc.write_locations(src.usr_share("zoneinfo"), out / "location.dat", out / "location_zones.tab")
    build_cities(src, out, docs)
    misc.write_magellanic(src.usr_share("kstars", "lmc.dat"), src.usr_share("kstars", "smc.dat"),
                          out / "magellan.bin")
    comets, minor_planets = small_bodies.write(src.usr_share("kstars", "cometels.json.gz"),
                                               src.usr_share("kstars", "asteroids.dat"),
                                               out / "smallbodies.tab")
    print(f"smallbodies.tab: {comets} comets, {minor_planets} minor planets")
    nebulae = src.usr_share("stellarium", "nebulae", "default")
    caldwell, constellations = find_names.write(
        nebulae / "catalog.dat", nebulae / "names.dat", NOTES / "caldwell-ngc-100.tsv",
        src.celestial("constellations.json"), out / "caldwell.tab", out / "constellation_names.tab")
    print(f"caldwell.tab: {caldwell} lines; constellation_names.tab: {constellations}")


def build_cities(src: sources.Sources, out: pathlib.Path, docs: pathlib.Path):
    misc.write_cities(src.usr_share("kstars", "citydb.sqlite"), src.usr_share("zoneinfo"),
                      src.geo_tz, out / "cities.tab", docs / "cities-without-zone.txt")


def build_faint_stars(src: sources.Sources, catalogue, hipparcos, out: pathlib.Path):
    built, summary = faint_stars.build(
        hipparcos, stars.read_hipparcos_spectra(src.usr_share("kstars", "stars.dat")), catalogue,
        faint_stars.read_celestial_stars(src.celestial("stars.14.json")))
    print(f"faintstars.bin: {summary}")
    built, summary = faint_stars.add_packed_stars(
        built, zone_stars.read_packed_stars(
            src.usr_share("stellarium", "stars", "default", "stars_3_1v0_4.cat")), catalogue)
    faint_stars.write(built, out / "faintstars.bin")
    print(f"faintstars.bin: {summary}")


def build_series(src: sources.Sources, out: pathlib.Path):
    """The planets' series as C++ sources of the astronomy engine."""
    try:
        terms = planet_series.write_source(src.usr_share("kstars"), out / "vsop87_series.cpp")
    except planet_series.InputError as error:
        sys.exit(f"vsop87_series.cpp: {error}")
    print(f"vsop87_series.cpp: {terms} terms")
    import ephem
    worst = pluto_series.write_source(out / "pluto_series.cpp", ephem.__version__)
    print(f"pluto_series.cpp: fitted within {worst:.3f}\"")


def build_textures(src: sources.Sources, out: pathlib.Path):
    save = textures.save_bmp
    save(textures.sun_sprite(), out / "sun.tex")
    save(textures.star_sprite(), out / "star.tex")
    save(textures.galaxy_sprite(), out / "galaxy.tex")
    save(textures.globular_sprite(), out / "globcl.tex")
    save(textures.planetary_sprite(), out / "planeb.tex")
    save(textures.moon_texture(src.usr_share("marble", "data", "maps", "moon", "clementine",
                                             "clementine.jpg")), out / "moon.tex")
    save(textures.milky_way_texture(src.celestial("mw.json")), out / "mw.tex")
    save(textures.horizon_texture(), out / "horizon.tex")
    save(textures.world_map(src.usr_share("xplanet", "images", "earth.jpg")), out / "worldmap.bmp")
    textures.build_planet_maps(src.usr_share("stellarium", "textures"), out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scratch", type=pathlib.Path, default=pathlib.Path("/tmp/stellix-data-sources"),
                        help="folder for the downloaded sources (reused when present)")
    parser.add_argument("--fresh", action="store_true", help="download the sources again")
    parser.add_argument("--out", type=pathlib.Path, default=REPO / "data")
    parser.add_argument("--docs", type=pathlib.Path, default=REPO / "docs" / "data")
    parser.add_argument("--only-cities", action="store_true",
                        help="rebuild only cities.tab and its lists (fetches only their sources)")
    args = parser.parse_args()

    src = sources.fetch(args.scratch, fresh=args.fresh, only_cities=args.only_cities)
    args.out.mkdir(parents=True, exist_ok=True)
    args.docs.mkdir(parents=True, exist_ok=True)
    if args.only_cities:
        build_cities(src, args.out, args.docs)
    else:
        build_catalogues(src, args.out, args.docs)
        build_series(src, REPO / "astro")
        build_textures(src, args.out)
    for package, version in sorted(src.versions.items()):
        print(f"source {package} {version}")


if __name__ == "__main__":
    main()
