"""The eight .tex textures and the location dialog's world map.

Textures are 24-bit BMP files (40-byte information header). The program turns
RGB into RGBA with alpha = (r + g + b) / 3, so black is transparent: sprites
fade to black at their edges, and the landscape is bright ground on a black sky.
"""

import json
import math
import pathlib

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

SPRITE_SIZE = 512


def save_bmp(pixels: np.ndarray, path: pathlib.Path):
    """Saves an RGB array (rows top-down, as images are viewed) as a 24-bit BMP."""
    image = Image.fromarray(np.clip(pixels, 0, 255).astype(np.uint8), "RGB")
    image.save(path, format="BMP")


def _grid(size):
    """Pixel-centre coordinates in [-1, 1], y up."""
    c = (np.arange(size) + 0.5) / size * 2 - 1
    x, y = np.meshgrid(c, -c)
    return x, y


def _edge_fade(r):
    """1 inside, falling smoothly to 0 at the sprite's inscribed circle."""
    return np.clip((1 - r) / 0.15, 0, 1) ** 2


def _tint(value, colour):
    return value[..., None] * np.array(colour, dtype=float)[None, None, :]


# --- sprites ----------------------------------------------------------------

def sun_sprite(size=SPRITE_SIZE):
    """A limb-darkened disc (radius 0.5) in a soft corona."""
    x, y = _grid(size)
    r = np.hypot(x, y)
    rho = np.clip(r / 0.5, 0, 1)
    mu = np.sqrt(1 - rho ** 2)
    disc = np.where(r <= 0.5, 0.4 + 0.6 * mu, 0.0)
    edge = np.clip((0.5 + 2 / size - r) * size / 4, 0, 1)  # anti-aliased rim
    corona = 0.35 * np.exp(-(np.maximum(r - 0.5, 0)) / 0.12) * _edge_fade(r)
    value = np.maximum(disc * edge, corona)
    return _tint(value, (255, 246, 220))


def star_sprite(size=SPRITE_SIZE):
    """A round star with a soft rim and a faint glow, black at the edge. The
    program takes alpha from the brightness, so the flat-topped core keeps the
    star about as wide as the point it would otherwise get (a third of the sprite)."""
    x, y = _grid(size)
    r = np.hypot(x, y)
    value = (0.85 * np.exp(-((r / 0.42) ** 4)) + 0.15 * np.exp(-r / 0.3)) * _edge_fade(r)
    return _tint(value / value.max(), (255, 255, 255))


def galaxy_sprite(size=SPRITE_SIZE):
    """A round spiral glow; the program squeezes it to each galaxy's axis ratio."""
    x, y = _grid(size)
    r = np.hypot(x, y)
    theta = np.arctan2(y, x)
    bulge = np.exp(-(r / 0.18) ** 2)
    disc = np.exp(-r / 0.45)
    arms = (0.5 + 0.5 * np.cos(2 * (theta - 3.0 * np.log(r + 0.02)))) ** 2
    value = (0.8 * bulge + 0.7 * disc * (0.3 + 0.7 * arms)) * _edge_fade(r)
    return _tint(value / value.max(), (235, 235, 255))


def globular_sprite(size=SPRITE_SIZE, seed=47):
    """A dense cluster: a diffuse core and a few thousand stars thinning outwards."""
    rng = np.random.default_rng(seed)
    x, y = _grid(size)
    r = np.hypot(x, y)
    value = 0.55 * np.exp(-(r / 0.16) ** 2) + 0.1 * np.exp(-r / 0.3)
    image = Image.new("L", (size, size))
    draw = ImageDraw.Draw(image)
    count = 3000
    radius = 0.12 * np.sqrt(rng.random(count) ** -1.4 - 1)  # King-like falloff
    keep = radius < 0.85
    angle = rng.random(count) * 2 * math.pi
    for rad, ang, bright in zip(radius[keep], angle[keep], rng.random(count)[keep]):
        px = size / 2 + rad * math.cos(ang) * size / 2
        py = size / 2 + rad * math.sin(ang) * size / 2
        dot = 1.2 + 2.2 * bright
        draw.ellipse([px - dot, py - dot, px + dot, py + dot], fill=int(120 + 135 * bright))
    stars = np.asarray(image.filter(ImageFilter.GaussianBlur(1.2)), dtype=float) / 255
    value = np.clip(value + stars, 0, 1) * _edge_fade(r)
    return _tint(value, (255, 245, 225))


def planetary_sprite(size=SPRITE_SIZE):
    """A bright ring with a faint inner glow and the central star."""
    x, y = _grid(size)
    r = np.hypot(x, y)
    ring = np.exp(-((r - 0.55) / 0.12) ** 2)
    inner = 0.3 * (r < 0.55) * np.exp(-((r - 0.55) / 0.35) ** 2)
    star = np.exp(-(r / 0.03) ** 2)
    value = np.clip(ring + inner + star, 0, 1) * _edge_fade(r)
    return _tint(value, (215, 255, 235))


# --- Moon ---------------------------------------------------------------------

def moon_texture(clementine: pathlib.Path, width=1024):
    """The Clementine albedo map, its black gaps filled from the surrounding
    terrain, scaled to width x width/2 (longitude 0 in the middle)."""
    image = Image.open(clementine).convert("RGB")
    pixels = np.asarray(image, dtype=float)
    gap = pixels.mean(axis=2) < 8
    filled = pixels.copy()
    for radius in (4, 12, 40):  # grow the surroundings into the gaps
        blurred = np.asarray(Image.fromarray(np.where(gap[..., None], 0, filled).astype(np.uint8))
                             .filter(ImageFilter.GaussianBlur(radius)), dtype=float)
        weight = np.asarray(Image.fromarray((~gap * 255).astype(np.uint8))
                            .filter(ImageFilter.GaussianBlur(radius)), dtype=float) / 255
        estimate = blurred / np.maximum(weight, 1e-3)[..., None]
        fill_now = gap & (weight > 0.05)
        filled[fill_now] = estimate[fill_now]
        gap = gap & ~fill_now
    image = Image.fromarray(np.clip(filled, 0, 255).astype(np.uint8))
    return np.asarray(image.resize((width, width // 2), Image.LANCZOS))


# --- Milky Way ----------------------------------------------------------------

def program_galactic_to_equatorial(l, b):
    """The program's own galactic-to-equatorial conversion (B1950 pole and node,
    longitude counted opposite to the IAU's). Returns (ra degrees, dec degrees)."""
    pole = math.radians(27.4)
    x = np.radians(360 - l - 123)
    b = np.radians(b)
    ra = (np.degrees(np.arctan2(np.sin(x), math.sin(pole) * np.cos(x) - np.tan(b) * math.cos(pole)))
          + 12.25) % 360
    dec = np.degrees(np.arcsin(np.cos(x) * math.cos(pole) * np.cos(b) + math.sin(pole) * np.sin(b)))
    return ra, dec


def _unwrapped(ring):
    """Ring longitudes made continuous (no jumps across +-180)."""
    out = [list(ring[0])]
    for lon, lat in ring[1:]:
        prev = out[-1][0]
        lon = prev + ((lon - prev + 180) % 360 - 180)
        out.append([lon, lat])
    return out


def _ring_region(ring, width, height):
    """Equirectangular mask (ra 0..360 left to right, dec +90 at the top) of what
    a ring encloses. A ring that runs once round the sky (an edge of the band)
    encloses everything south of it."""
    scale = width / 360
    ring = _unwrapped(ring)
    if abs(ring[-1][0] - ring[0][0]) > 180:
        ring = ring + [[ring[-1][0], -90], [ring[0][0], -90]]
    layer = Image.new("L", (width, height))
    draw = ImageDraw.Draw(layer)
    for shift in (-720, -360, 0, 360, 720):
        draw.polygon([((lon + shift) * scale, (90 - lat) * scale) for lon, lat in ring], fill=255)
    return np.asarray(layer) > 0


def _level_mask(polygons, width, height):
    """One brightness level: the rings combined by the even-odd rule, so the two
    edges of the band enclose the band, and inner rings cut holes or add islands."""
    mask = np.zeros((height, width), dtype=bool)
    for polygon in polygons:
        for ring in polygon:
            mask ^= _ring_region(ring, width, height)
    return mask


def milky_way_texture(mw_json: pathlib.Path, width=1024, height=128):
    """The band of program longitude -180..180 (s = 0..1) by latitude -20..20
    (t = 0 at the bottom row): each texel counts the d3-celestial brightness
    outlines containing its sky position, then the band is blurred."""
    features = json.loads(mw_json.read_text())["features"]
    sky_w, sky_h = 2048, 1024
    brightness = np.zeros((sky_h, sky_w))
    for feature in features:
        brightness += _level_mask(feature["geometry"]["coordinates"], sky_w, sky_h)
    brightness /= len(features)
    s = (np.arange(width) + 0.5) / width
    t = 1 - (np.arange(height) + 0.5) / height  # image rows are top-down
    sv, tv = np.meshgrid(s, t)
    ra, dec = program_galactic_to_equatorial(360 * sv - 180, 40 * tv - 20)
    col = np.clip((ra / 360 * sky_w).astype(int), 0, sky_w - 1)
    row = np.clip(((90 - dec) / 180 * sky_h).astype(int), 0, sky_h - 1)
    band = brightness[row, col]
    # Blur in a wrapped copy, so the seam at s = 0 / 1 stays continuous.
    wrapped = np.concatenate([band[:, -64:], band, band[:, :64]], axis=1)
    blurred = Image.fromarray((wrapped * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(3))
    band = np.asarray(blurred, dtype=float)[:, 64:-64] / 255
    return _tint(band ** 0.8 * 0.85, (235, 240, 255))


# --- landscape ----------------------------------------------------------------

def horizon_texture(width=1024, height=128, seed=2024):
    """A 360-degree silhouette of rolling hills with woods and a village, bright
    ground on a black sky. Rows span altitude 0 (bottom) to 40 degrees (top);
    everything is periodic in azimuth so the band closes on itself."""
    rng = np.random.default_rng(seed)
    azimuth = np.arange(width) / width * 2 * math.pi
    ridge = np.full(width, 2.2)  # degrees
    for harmonic in range(1, 24):
        amplitude = 2.6 / harmonic ** 1.1
        ridge += amplitude * np.sin(harmonic * azimuth + rng.random() * 2 * math.pi)
    ridge = np.maximum(ridge, 0.6)
    trees = np.zeros(width)
    for _ in range(60):  # clumps of trees
        centre, spread = rng.integers(width), rng.integers(4, 22)
        offsets = np.arange(-spread, spread + 1)
        tops = 1.2 + 1.5 * rng.random() - np.abs(offsets) / spread * 0.8
        trees[(centre + offsets) % width] = np.maximum(trees[(centre + offsets) % width],
                                                       tops + 0.4 * rng.random(offsets.size))
    village = np.zeros(width)
    for start in (int(width * 0.31), int(width * 0.78)):
        x = start
        while x < start + width // 20:  # houses with roofs, a church tower
            w = int(rng.integers(8, 16))
            h = 0.8 + 0.8 * rng.random()
            for i in range(w):
                roof = h + 0.6 * (1 - abs(i - w / 2) / (w / 2))
                village[(x + i) % width] = max(village[(x + i) % width], roof)
            x += w + int(rng.integers(1, 5))
        village[(start + 20) % width:(start + 24) % width] = 4.5
    profile = ridge + np.maximum(trees, village)
    altitude = 40 * (1 - (np.arange(height) + 0.5) / height)  # image rows top-down
    ground = altitude[:, None] <= profile[None, :]
    shade = 0.75 + 0.25 * (1 - altitude[:, None] / 10).clip(0, 1)
    value = np.where(ground, shade, 0.0)
    image = Image.fromarray((value * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(0.6))
    value = np.asarray(image, dtype=float) / 255
    return _tint(value, (185, 200, 170))


# --- world map ----------------------------------------------------------------

def world_map(earth_jpg: pathlib.Path):
    """The 360 x 180 equirectangular map of the location dialog: one pixel per degree,
    longitude 0 in the middle, north up."""
    image = Image.open(earth_jpg).convert("RGB").resize((360, 180), Image.LANCZOS)
    return np.asarray(image)


# --- planets ------------------------------------------------------------------

# The planets' maps the program draws on their balls, by the file it reads, and
# Saturn's rings. The maps are equirectangular with longitude 0 in the middle,
# east to the right, north at the top.
PLANET_MAPS = {"mercury.tex": "mercury.png", "venus.tex": "venus.png", "mars.tex": "mars.png",
               "jupiter.tex": "jupiter.png", "saturn.tex": "saturn.png",
               "uranus.tex": "uranus.png", "neptune.tex": "neptune.png"}
RING_PROFILE = "saturn_rings_radial.png"


def planet_map(path: pathlib.Path, width=512):
    """A planet's map, any transparency over black, scaled to width x width/2."""
    image = Image.open(path).convert("RGBA")
    black = Image.new("RGBA", image.size, (0, 0, 0, 255))
    flat = Image.alpha_composite(black, image).convert("RGB")
    return np.asarray(flat.resize((width, width // 2), Image.LANCZOS))


def ring_texture(path: pathlib.Path, width=512, height=8):
    """Saturn's rings from their radial profile (inner edge on the left): the
    program takes a texel's opacity from its mean brightness, so each colour
    is scaled until its mean is the profile's opacity."""
    profile = np.asarray(Image.open(path).convert("RGBA").resize((width, 1), Image.LANCZOS),
                         dtype=float)[0]
    colour, alpha = profile[:, :3], profile[:, 3] / 255
    mean = np.maximum(colour.mean(axis=1), 1)
    scaled = colour * (alpha * 255 / mean)[:, None]
    return np.repeat(scaled[None, :, :], height, axis=0)


def build_planet_maps(textures_dir: pathlib.Path, out: pathlib.Path):
    """Writes the planets' maps and the rings from stellarium-data's textures."""
    for name, source in PLANET_MAPS.items():
        save_bmp(planet_map(textures_dir / source), out / name)
    save_bmp(ring_texture(textures_dir / RING_PROFILE), out / "rings.tex")
