#!/usr/bin/python3
"""Writes astro/vsop87_series.cpp from the installed kstars-data, or checks it.

    /usr/bin/python3 tools/make_vsop87_series.py [--check] [--inputs DIR]

The inputs are kstars-data's <planet>.{L,B,R}{0..5}.vsop files (Debian
installs them under /usr/share/kstars), each checked against its SHA-256 in
tools/datagen/vsop87_inputs.sha256; a missing or different one stops the
generator with its name. tools/make_data.py writes the same file from the
package it downloads. --check writes the series into a temporary folder and
compares it byte for byte with the committed file: on a difference it shows
the first line that differs and exits with 1.
"""

import argparse
import pathlib
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from datagen import planet_series  # noqa: E402

COMMITTED = pathlib.Path(__file__).resolve().parent.parent / "astro" / "vsop87_series.cpp"


def first_difference(committed: bytes, generated: bytes) -> str:
    """The first line where the two differ, both versions of it."""
    old, new = committed.split(b"\n"), generated.split(b"\n")
    for number, (a, b) in enumerate(zip(old, new), 1):
        if a != b:
            return f"line {number}:\n  committed: {a!r}\n  generated: {b!r}"
    shorter = "committed" if len(old) < len(new) else "generated"
    return f"line {min(len(old), len(new))}: the {shorter} file ends there"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--inputs", type=pathlib.Path, default=pathlib.Path("/usr/share/kstars"),
                        help="folder of the .vsop files (default: kstars-data's)")
    parser.add_argument("--check", action="store_true",
                        help=f"compare with {COMMITTED.name} instead of writing it")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="stellix-series-") as scratch:
        out = pathlib.Path(scratch) / COMMITTED.name if args.check else COMMITTED
        try:
            terms = planet_series.write_source(args.inputs, out)
        except planet_series.InputError as error:
            sys.exit(f"{COMMITTED.name}: {error}")
        if not args.check:
            print(f"{COMMITTED}: {terms} terms")
            return
        committed, generated = COMMITTED.read_bytes(), out.read_bytes()
    if committed != generated:
        sys.exit(f"{COMMITTED} is not what the generator makes from its pinned inputs, "
                 f"{first_difference(committed, generated)}")
    print(f"{COMMITTED}: the same as generated ({terms} terms)")


if __name__ == "__main__":
    main()
