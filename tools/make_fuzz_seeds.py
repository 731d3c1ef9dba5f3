#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (tests/fuzz/corpus/<name>/):
small valid inputs cut from the sky data under data/, a few pictures in
every bitmap layout the texture reader knows, and settings files.

    tools/make_fuzz_seeds.py        (from the source directory)
"""
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")
CORPUS = os.path.join(ROOT, "tests", "fuzz", "corpus")
SEPARATOR = b"@@next-file@@"


def data(name):
    with open(os.path.join(DATA, name), "rb") as f:
        return f.read()


def write(target, name, content):
    directory = os.path.join(CORPUS, target)
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, name), "wb") as f:
        f.write(content)


def lines(text, count):
    return b"".join(text.splitlines(keepends=True)[:count])


# --- pictures -------------------------------------------------------------

def bmp_info(width, height, bits, palette=b"", rows=b"", compression=0, masks=b"", used=0):
    offset = 14 + 40 + len(masks) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(rows),
                       2835, 2835, used, 0)
    return header + info + masks + palette + rows


def bmp_core(width, height, bits, palette, rows):
    offset = 14 + 12 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    core = struct.pack("<IHHHH", 12, width, height, 1, bits)
    return header + core + palette + rows


def seed_pictures():
    grey = b"".join(bytes((i, i, i, 0)) for i in range(256))
    write("bmp", "mono-8x2.bmp", bmp_info(8, 2, 1, b"\0\0\0\0\xff\xff\xff\0", b"\xaa\0\0\0\x55\0\0\0"))
    write("bmp", "nibbles-3x2.bmp", bmp_info(3, 2, 4, grey[:64], b"\x01\x20\0\0\x34\x50\0\0"))
    write("bmp", "palette-2x2.bmp", bmp_info(2, 2, 8, grey, b"\x00\xff\0\0\x80\x40\0\0", used=256))
    write("bmp", "rgb555-2x1.bmp", bmp_info(2, 1, 16, b"", b"\x1f\x00\xe0\x03"))
    write("bmp", "bitfields565-2x1.bmp",
          bmp_info(2, 1, 16, b"", b"\x1f\x00\xe0\x07", 3, struct.pack("<III", 0xF800, 0x07E0, 0x001F)))
    write("bmp", "bgr-3x2.bmp",
          bmp_info(3, 2, 24, b"", b"\0\0\xff\0\xff\0\xff\0\0\xee\xee\xee" + bytes(range(9)) + b"\xee" * 3))
    write("bmp", "top-down-1x2.bmp", bmp_info(1, -2, 32, b"", b"\x01\x02\x03\0\x04\x05\x06\0"))
    write("bmp", "core-2x2.bmp", bmp_core(2, 2, 1, b"\0\0\0\xff\xff\xff", b"\x40\0\0\0\x80\0\0\0"))


# --- settings -------------------------------------------------------------

SETTINGS = b"""[Settings]
Zoom= 2.0
XRotation=0.00
YRotation=270.00
ShowMessier=1
StarsLimit=11
DeepSkyLimit=5
HorizonMode=0
DeepSkyColor=16744448
[Location]
Location=Poland:Krakow
LongDeg=19
LongMin=55
EW=E
LatDeg=50
LatMin=2
NS=N
TimeZone= 1.0
DaylightSavingTime=1
"""

ODD_SETTINGS = b"""; kept
[Recent File List]
File1=/home/user/m31.jpg

[settings]
ZOOM=1e308
XRotation=  12.5deg
YRotation=-1e300
StarsLimit=-7
GridsColor=99999999999999
Location="  quoted  "
[LOCATION]
timezone=5.75
LatDeg=2147483647
EW=west
"""

HORIZON_SETTINGS = b"""[Settings]
Zoom=64
XRotation=-30
YRotation=450
HorizonMode=1
Refraction=1
SkyColors=1
AutoMode=1
[Location]
LatDeg=33
NS=S
LongDeg=151
EW=E
TimeZone=10
[Fuzz]
DateTime=2026-01-14T21:30:00
"""

FIELDS_SETTINGS = b"""[Settings]
EyepieceFields=1
[Eyepiece Fields]
Field1=Plossl 25 mm
Kind1=Eyepiece
Telescope1=1000
Eyepiece1=25
ApparentField1=52
Field2=  "Telrad"
Kind2=Circle
Diameter2=1e400
Field4=Camera
Kind4=Camera
Telescope4=400
SensorWidth4=23.5
SensorHeight4=nan
Field5=Too wide
Telescope5=10
Eyepiece5=200
ApparentField5=100
"""


def seed_settings():
    write("settings", "defaults.INI", SETTINGS)
    write("settings", "odd.INI", ODD_SETTINGS)
    write("settings", "horizon.INI", HORIZON_SETTINGS)
    write("settings", "fields.INI", FIELDS_SETTINGS)


# --- catalogues -----------------------------------------------------------

def seed_catalogues():
    write("stars", "bsc5-first-20.bin", data("bsc5.bin")[:28 * 20])
    write("stars", "bsc5-short.bin", data("bsc5.bin")[28 * 100:28 * 103 + 9])
    write("star_names", "snames-first-10.bin", data("snames.bin")[:40 * 10])
    write("lines", "cnstline-first-20.bin", b"\0" + data("cnstline.bin")[:12 * 20])
    write("lines", "constell-first-20.bin", b"\1" + data("constell.bin")[:12 * 20])
    write("deep_sky", "messier-first-8.bin", data("deepsky.bin")[:64 * 8])
    write("deep_sky", "ngc-last-4.bin", data("deepsky.bin")[-64 * 4:])
    # The first byte chooses the file: 0 faintstars.bin, 1 ngcic.bin.
    for flag, name, size in ((b"\0", "faintstars", 36), (b"\1", "ngcic", 62)):
        whole = data(name + ".bin")
        for first, count, promised in ((20, 12, 12), (9000, 5, 7)):
            header = whole[:12] + struct.pack("<I", promised) + whole[16:20]
            records = whole[20 + size * first:20 + size * (first + count)]
            write("cell_catalogues", f"{name}-{count}-of-{promised}.bin", flag + header + records)
    write("ecliptic", "eclip.dat", data("eclip.dat"))
    write("ecliptic", "eclip-blank-lines.dat", b"0.0 0.0\n\n  0.305 2.1631\n1e40 nan\n")
    write("constellation_names", "cnames-first-10.bin", data("cnames.bin")[:40 * 10])
    write("location", "location-first-20.dat", lines(data("location.dat"), 20))
    write("location", "location-odd.dat",
          b"0 0 51 30 0.0 " + b"x" * 60 + b"\n\n+74 -0 40 43 5.0 United States:New York\r\n"
          b"2147483648 0 0 0 0 Overflow\n1 2 3\n")
    write("magellan", "magellan.bin", data("magellan.bin"))


# --- orbit files --------------------------------------------------------------

CERES_MPCORB = (b"00001    3.34  0.15 K239D  60.07966   73.42179   80.25496   10.58688  0.0789126"
                b"  0.21406957   2.7670463  0 E2023-R49  7330 125 1801-2023 0.65 M-v 30k MPCLINUX"
                b"   4000 (1) Ceres                   20230906")
ENCKE_COMETELS = (b"0002P         2023 10 22.5284  0.339435  0.847093  187.2794  334.1588   11.3466"
                  b"  20230913  14.0  4.0  2P/Encke" + b" " * 49 + b"MPEC 2023")
BORISOV_COMETELS = (b"    CK19Q040  2019 12  8.5474  2.006548  3.356633  209.1245  308.1487   44.0526"
                    b"  20191219  11.0  2.0  2I/Borisov" + b" " * 47 + b"MPEC 2019-Y1")


def seed_orbit_files():
    # The first byte chooses the reader: 0 MPCORB.DAT, 1 CometEls.txt, 2 smallbodies.tab.
    write("mpc_elements", "mpcorb.dat", b"\0MPCORB header\n-----------\n" + CERES_MPCORB + b"\n\n"
          + CERES_MPCORB[:103] + b"\n")
    write("mpc_elements", "cometels.txt", b"\1" + ENCKE_COMETELS + b"\n" + BORISOV_COMETELS + b"\r\n")
    write("mpc_elements", "damaged.txt", b"\1" + ENCKE_COMETELS + b"\n" + ENCKE_COMETELS[:40] + b"\n")
    table = data("smallbodies.tab").split(b"\n")
    ceres = next(line for line in table if line.startswith(b"A\t1 Ceres\t"))
    write("mpc_elements", "smallbodies.tab", b"\2" + b"\n".join(table[:5] + [ceres]) + b"\n")
    write("mpc_elements", "smallbodies-damaged.tab",
          b"\2" + b"\n".join(table[:2] + [b"\t".join(table[2].split(b"\t")[:10])]) + b"\n")


def seed_data_directory():
    parts = {
        "bsc5.bin": data("bsc5.bin")[:28 * 40],
        "snames.bin": data("snames.bin")[:40 * 8],
        "cnstline.bin": data("cnstline.bin")[:12 * 30],
        "constell.bin": data("constell.bin")[:12 * 30],
        "deepsky.bin": data("deepsky.bin")[:64 * 6] + data("deepsky.bin")[-64 * 2:],
        "eclip.dat": data("eclip.dat"),
        "cnames.bin": data("cnames.bin")[:40 * 10],
        "location.dat": lines(data("location.dat"), 10),
        "magellan.bin": data("magellan.bin"),
    }
    order = ["bsc5.bin", "snames.bin", "cnstline.bin", "constell.bin", "deepsky.bin",
             "eclip.dat", "cnames.bin", "location.dat", "magellan.bin"]
    for name, settings in (("equatorial", SETTINGS), ("horizon", HORIZON_SETTINGS),
                           ("odd-settings", ODD_SETTINGS)):
        write("data_dir", name, SEPARATOR.join([settings] + [parts[f] for f in order]))


def main():
    if not os.path.isdir(DATA):
        sys.exit("run from the source directory: data/ is missing")
    seed_pictures()
    seed_settings()
    seed_catalogues()
    seed_orbit_files()
    seed_data_directory()


if __name__ == "__main__":
    main()
