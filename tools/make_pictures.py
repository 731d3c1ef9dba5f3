#!/usr/bin/python3
"""Draws the object pictures of data/Images from Stellix's own data.

Run from anywhere with Debian's Python 3 (python3-numpy and python3-pil):

    /usr/bin/python3 tools/make_pictures.py

Everything is drawn from files already in data/, so the pictures carry their
licences (data/README.md): the Sun from the sun.tex sprite, the Moon as a
globe of the moon.tex map (the Clementine albedo map, public domain), the
planets as painted globes of their colours and markings, and every Messier
object as the program's catalogue sees it: the bright stars of bsc5.bin
around it (north up, east left) and the object's size, shape and
orientation from deepsky.bin, drawn with the program's own deep-sky
sprites. These are illustrations, not photographs. The output is the same
on every run.
"""

import argparse
import math
import pathlib
import struct
import zlib

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

REPO = pathlib.Path(__file__).resolve().parent.parent
SIZE = 320
QUALITY = 85

BODY_NAMES = ["Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"]
SPECTRAL_COLOURS = {"O": (155, 176, 255), "B": (170, 191, 255), "A": (202, 215, 255),
                    "F": (248, 247, 255), "G": (255, 244, 234), "K": (255, 210, 161),
                    "M": (255, 204, 111)}


def rng(name: str):
    """A random generator seeded by a name, the same on every run."""
    return np.random.default_rng(zlib.crc32(name.encode()))


def save(pixels: np.ndarray, path: pathlib.Path):
    Image.fromarray(np.clip(pixels, 0, 255).astype(np.uint8), "RGB").save(
        path, format="JPEG", quality=QUALITY, optimize=False)


def grid(size=SIZE):
    """Pixel centres in [-1, 1], y up."""
    c = (np.arange(size) + 0.5) / size * 2 - 1
    x, y = np.meshgrid(c, -c)
    return x, y


def value_noise(generator, size, cells):
    """Smooth noise in [0, 1]: a random lattice of `cells` squares, upsampled bicubically."""
    lattice = generator.random((cells + 1, cells + 1))
    image = Image.fromarray((lattice * 255).astype(np.uint8), "L")
    return np.asarray(image.resize((size, size), Image.BICUBIC), dtype=float) / 255


# --- the Sun and the Moon ----------------------------------------------------

def sun(data: pathlib.Path):
    sprite = Image.open(data / "sun.tex").convert("RGB").resize((SIZE, SIZE), Image.LANCZOS)
    return np.asarray(sprite, dtype=float)


def moon(data: pathlib.Path):
    """The near side of moon.tex (longitude 0 in the middle) seen as a globe."""
    albedo = np.asarray(Image.open(data / "moon.tex").convert("RGB"), dtype=float)
    height, width, _ = albedo.shape
    x, y = grid()
    radius = 0.92
    x, y = x / radius, y / radius
    inside = x * x + y * y <= 1
    z = np.sqrt(np.clip(1 - x * x - y * y, 0, 1))
    longitude = np.arctan2(x, z)
    latitude = np.arcsin(np.clip(y, -1, 1))
    u = ((longitude / (2 * math.pi) + 0.5) * width).astype(int) % width
    v = np.clip(((0.5 - latitude / math.pi) * height).astype(int), 0, height - 1)
    shade = 0.35 + 0.65 * z ** 0.3
    return np.where(inside[..., None], albedo[v, u] * shade[..., None], 0)


# --- the planets -------------------------------------------------------------

def globe(colour_of, limb=0.5, radius=0.8, size=SIZE):
    """A lit globe: colour_of(latitude, longitude, x, y) gives the surface colour."""
    x, y = grid(size)
    x, y = x / radius, y / radius
    inside = x * x + y * y <= 1
    z = np.sqrt(np.clip(1 - x * x - y * y, 0, 1))
    latitude = np.arcsin(np.clip(y, -1, 1))
    longitude = np.arctan2(x, z)
    surface = colour_of(latitude, longitude, x, y)
    light = (1 - limb) + limb * z
    return np.where(inside[..., None], surface * light[..., None], 0), inside


def mottled(name, base, dark, cells, amount):
    noise = value_noise(rng(name), SIZE, cells)
    def colour(lat, lon, x, y):
        mix = (noise * amount)[..., None]
        return np.array(base, float) * (1 - mix) + np.array(dark, float) * mix
    return colour


def banded(name, colours, bands, turbulence):
    noise = value_noise(rng(name), SIZE, 24)
    palette = np.array(colours, float)
    def colour(lat, lon, x, y):
        t = (np.sin(lat * bands + noise * turbulence) + 1) / 2 * (len(palette) - 1)
        i = np.clip(t.astype(int), 0, len(palette) - 2)
        f = (t - i)[..., None]
        return palette[i] * (1 - f) + palette[i + 1] * f
    return colour


def planet(name):
    if name == "Mercury":
        pixels, _ = globe(mottled(name, (170, 165, 160), (90, 85, 80), 20, 0.8), limb=0.6)
    elif name == "Venus":
        pixels, _ = globe(banded(name, [(235, 220, 170), (245, 235, 200)], 3, 1.5), limb=0.7)
    elif name == "Mars":
        surface = mottled(name, (205, 105, 60), (110, 55, 40), 12, 0.9)
        def mars(lat, lon, x, y):
            c = surface(lat, lon, x, y)
            cap = (lat > 1.25)[..., None]
            return np.where(cap, np.array((245, 245, 245), float), c)
        pixels, _ = globe(mars, limb=0.5)
    elif name == "Jupiter":
        bands = banded(name, [(210, 180, 140), (240, 225, 200), (180, 130, 90), (235, 215, 185)],
                       9, 0.8)
        def jupiter(lat, lon, x, y):
            c = bands(lat, lon, x, y)
            spot = ((x - 0.35) / 0.22) ** 2 + ((y + 0.38) / 0.1) ** 2 < 1
            return np.where(spot[..., None], np.array((190, 95, 70), float), c)
        pixels, _ = globe(jupiter, limb=0.55)
    elif name == "Saturn":
        pixels = saturn()
    elif name == "Uranus":
        pixels, _ = globe(banded(name, [(175, 225, 230), (160, 215, 225)], 4, 0.5), limb=0.6)
    elif name == "Neptune":
        bands = banded(name, [(70, 110, 220), (60, 90, 200), (90, 130, 230)], 6, 0.8)
        def neptune(lat, lon, x, y):
            c = bands(lat, lon, x, y)
            spot = ((x + 0.2) / 0.16) ** 2 + ((y + 0.3) / 0.08) ** 2 < 1
            return np.where(spot[..., None], np.array((35, 50, 140), float), c)
        pixels, _ = globe(neptune, limb=0.6)
    else:  # Pluto
        pixels, _ = globe(mottled(name, (215, 190, 160), (120, 95, 80), 10, 0.9), limb=0.6)
    return pixels


def saturn():
    """The banded globe inside its rings, tilted 25 degrees towards the viewer."""
    pixels, inside = globe(banded("Saturn", [(225, 200, 150), (240, 220, 175), (200, 170, 120)],
                                  8, 0.6), limb=0.55, radius=0.45)
    x, y = grid()
    tilt = math.sin(math.radians(25))
    # Distance from the centre in the ring plane, for a ring seen from above the plane.
    ring_r = np.sqrt(x * x + (y / tilt) ** 2)
    ring = ((ring_r > 0.55) & (ring_r < 0.95) & ~((ring_r > 0.78) & (ring_r < 0.8)))
    brightness = 0.75 + 0.25 * np.cos(ring_r * 40)
    ring_colour = np.array((215, 195, 150), float) * brightness[..., None]
    in_front = y < 0  # the near half of the rings passes in front of the globe
    show_ring = ring & (in_front | ~inside)
    return np.where(show_ring[..., None], ring_colour, pixels)


# --- the Messier objects -----------------------------------------------------

def read_stars(data: pathlib.Path):
    raw = (data / "bsc5.bin").read_bytes()
    stars = []
    for spectral, _designation, _hr, ra, dec, mag in struct.iter_unpack("<c11sifff", raw):
        stars.append((ra, dec, mag, spectral.decode("latin-1")))
    return stars


def read_deep_sky(data: pathlib.Path):
    raw = (data / "deepsky.bin").read_bytes()
    objects = []
    for number, angle, _lx, _ly, ra, dec, mag, major, minor, name, kind in struct.iter_unpack(
            "<iiiifffff20s8s", raw):
        objects.append(dict(number=number, angle=angle, ra=ra, dec=dec, mag=mag, major=major,
                            minor=minor, name=name.split(b"\0")[0].decode("latin-1"),
                            type=kind.split(b"\0")[0].decode("latin-1")))
    return objects


def tangent_plane(ra, dec, ra0, dec0):
    """Gnomonic projection in degrees: x to the east, y to the north."""
    a, d, a0, d0 = map(math.radians, (ra * 15, dec, ra0 * 15, dec0))
    cos_c = math.sin(d0) * math.sin(d) + math.cos(d0) * math.cos(d) * math.cos(a - a0)
    if cos_c <= 0:
        return None
    x = math.cos(d) * math.sin(a - a0) / cos_c
    y = (math.cos(d0) * math.sin(d) - math.sin(d0) * math.cos(d) * math.cos(a - a0)) / cos_c
    return math.degrees(x), math.degrees(y)


def star_dot(canvas, cx, cy, magnitude, colour):
    radius = max(0.8, 4.2 - 0.55 * magnitude)
    ImageDraw.Draw(canvas).ellipse((cx - radius, cy - radius, cx + radius, cy + radius),
                                   fill=colour)


def sprite_layer(data, texture, major_px, minor_px, angle):
    """A deep-sky sprite of the program squeezed to the axes and turned to the position angle."""
    sprite = Image.open(data / texture).convert("RGB")
    w, h = max(2, int(major_px)), max(2, int(minor_px))
    sprite = sprite.resize((h, w), Image.LANCZOS)  # major axis north-south before turning
    # Position angle from the north through the east; east is on the left.
    return sprite.rotate(angle, resample=Image.BICUBIC, expand=True)


def nebula_layer(name, major_px, minor_px, angle, colour):
    size = int(max(major_px, minor_px) * 1.6) + 8
    generator = rng(name)
    x, y = np.meshgrid(np.linspace(-1, 1, size), np.linspace(-1, 1, size))
    a = max(minor_px, 2) / size * 1.6 / 2 * 2
    b = max(major_px, 2) / size * 1.6 / 2 * 2
    t = math.radians(angle)
    xr, yr = x * math.cos(t) - y * math.sin(t), x * math.sin(t) + y * math.cos(t)
    shape = np.exp(-((xr / max(a, 0.05)) ** 2 + (yr / max(b, 0.05)) ** 2) * 2)
    clouds = value_noise(generator, size, 8) * 0.6 + value_noise(generator, size, 20) * 0.4
    glow = np.clip(shape * (0.4 + clouds), 0, 1)
    return Image.fromarray((glow[..., None] * np.array(colour, float)).astype(np.uint8), "RGB")


def cluster_layer(name, diameter_px):
    size = int(diameter_px) + 8
    canvas = Image.new("RGB", (size, size))
    generator = rng(name)
    count = int(np.clip(diameter_px * 0.6, 25, 160))
    for _ in range(count):
        r = abs(generator.normal(0, 0.33)) * diameter_px / 2
        t = generator.random() * 2 * math.pi
        magnitude = 4 + generator.exponential(1.4)
        colour = SPECTRAL_COLOURS["BAFGK"[generator.integers(0, 5)]]
        star_dot(canvas, size / 2 + r * math.cos(t), size / 2 + r * math.sin(t),
                 magnitude, colour)
    return canvas


def add_layer(canvas: Image.Image, layer: Image.Image, cx, cy):
    """Adds a layer's light onto the canvas, centred at cx, cy."""
    x0, y0 = int(round(cx - layer.width / 2)), int(round(cy - layer.height / 2))
    base = np.asarray(canvas, dtype=float)
    light = np.zeros_like(base)
    lx0, ly0 = max(0, -x0), max(0, -y0)
    lx1, ly1 = min(layer.width, SIZE - x0), min(layer.height, SIZE - y0)
    if lx1 > lx0 and ly1 > ly0:
        light[y0 + ly0:y0 + ly1, x0 + lx0:x0 + lx1] = np.asarray(layer, dtype=float)[ly0:ly1, lx0:lx1]
    return Image.fromarray(np.clip(base + light, 0, 255).astype(np.uint8), "RGB")


def messier(obj, stars, data):
    label = f"M{obj['number']}"
    major = obj["major"] if obj["major"] > 0 else 5.0
    minor = obj["minor"] if obj["minor"] > 0 else major
    field = min(max(major * 2.5 / 60, 0.5), 6.0)  # degrees across
    scale = SIZE / field  # pixels per degree
    canvas = Image.new("RGB", (SIZE, SIZE))
    major_px, minor_px = major / 60 * scale, minor / 60 * scale
    centre = SIZE / 2
    kind = obj["type"]
    if kind == "GALXY":
        layer = sprite_layer(data, "galaxy.tex", major_px, minor_px, obj["angle"])
    elif kind == "GLOCL":
        layer = sprite_layer(data, "globcl.tex", major_px, major_px, 0)
    elif kind == "PLNNB":
        layer = sprite_layer(data, "planeb.tex", major_px, minor_px, obj["angle"])
    elif kind == "BRTNB":
        layer = nebula_layer(label, major_px, minor_px, obj["angle"], (235, 120, 150))
    else:
        layer = cluster_layer(label, major_px)
    canvas = add_layer(canvas, layer, centre, centre)
    canvas = canvas.filter(ImageFilter.GaussianBlur(0.6))
    for ra, dec, mag, spectral in stars:
        p = tangent_plane(ra, dec, obj["ra"], obj["dec"])
        if p is None or abs(p[0]) > field or abs(p[1]) > field:
            continue
        x, y = centre - p[0] * scale, centre - p[1] * scale  # east to the left
        if 0 <= x < SIZE and 0 <= y < SIZE:
            star_dot(canvas, x, y, mag, SPECTRAL_COLOURS.get(spectral, (255, 255, 255)))
    draw = ImageDraw.Draw(canvas)
    name = obj["name"] if obj["name"] != "*" else ""
    draw.text((6, SIZE - 16), f"M {obj['number']}  {name}".rstrip(), fill=(200, 200, 200))
    draw.text((SIZE - 60, SIZE - 16), f"{field:.1f} deg", fill=(140, 140, 140))
    return np.asarray(canvas, dtype=float)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", type=pathlib.Path, default=REPO / "data")
    args = parser.parse_args()
    out = args.data / "Images"
    out.mkdir(parents=True, exist_ok=True)
    save(sun(args.data), out / "Sun.jpg")
    save(moon(args.data), out / "Moon.jpg")
    for name in BODY_NAMES:
        save(planet(name), out / f"{name}.jpg")
    stars = read_stars(args.data)
    objects = read_deep_sky(args.data)
    for obj in objects[:110]:
        save(messier(obj, stars, args.data), out / f"M{obj['number']}.jpg")
    print(f"{2 + len(BODY_NAMES) + 110} pictures in {out}")


if __name__ == "__main__":
    main()
