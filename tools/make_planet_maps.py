#!/usr/bin/python3
"""Writes the planets' maps and Saturn's rings into data/ from stellarium-data.

    /usr/bin/python3 tools/make_planet_maps.py [--inputs DIR] [--out DIR]

The inputs are stellarium-data's textures (Debian installs them under
/usr/share/stellarium/textures; `apt-get download stellarium-data` and
`dpkg -x` give them without installing). tools/make_data.py writes the same
files from the package it downloads. Which maps are taken, and their
licences, are in data/README.md.
"""

import argparse
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from datagen import textures  # noqa: E402

REPO = pathlib.Path(__file__).resolve().parent.parent


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--inputs", type=pathlib.Path,
                        default=pathlib.Path("/usr/share/stellarium/textures"),
                        help="folder of stellarium-data's textures")
    parser.add_argument("--out", type=pathlib.Path, default=REPO / "data")
    args = parser.parse_args()
    for source in list(textures.PLANET_MAPS.values()) + [textures.RING_PROFILE]:
        if not (args.inputs / source).is_file():
            sys.exit(f"{args.inputs / source}: missing")
    textures.build_planet_maps(args.inputs, args.out)


if __name__ == "__main__":
    main()
