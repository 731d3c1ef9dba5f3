#!/usr/bin/python3
"""Draws the toolbar icons of Stellix at 16 and 32 pixels into res/icons/.

Each icon is drawn on a 128-pixel canvas with simple shapes and scaled down,
so the small sizes come out smooth. Run: /usr/bin/python3 tools/make_icons.py
(needs python3-pil)."""
import math
import pathlib

from PIL import Image, ImageDraw

ROOT = pathlib.Path(__file__).resolve().parent.parent / "res" / "icons"
S = 128  # drawing canvas
INK = (40, 40, 60, 255)
BLUE = (40, 90, 200, 255)
SKY = (20, 30, 90, 255)
GOLD = (240, 180, 20, 255)
RED = (210, 40, 40, 255)
GREEN = (30, 150, 60, 255)
WHITE = (250, 250, 250, 255)


def canvas():
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def disc(d, fill=SKY):
    d.ellipse((8, 8, 120, 120), fill=fill)


def arrow(d, direction, fill=INK):
    """A bold arrow pointing 'left', 'right', 'up' or 'down'."""
    pts = [(100, 52), (56, 52), (56, 24), (12, 64), (56, 104), (56, 76), (100, 76)]
    angle = {"left": 0, "up": 270, "right": 180, "down": 90}[direction]
    a = math.radians(angle)
    rot = [(64 + (x - 64) * math.cos(a) + (y - 64) * math.sin(a),
            64 - (x - 64) * math.sin(a) + (y - 64) * math.cos(a)) for x, y in pts]
    d.polygon(rot, fill=fill)


def triangle(d, x, pointing_right, fill=INK, w=40):
    if pointing_right:
        d.polygon([(x, 24), (x + w, 64), (x, 104)], fill=fill)
    else:
        d.polygon([(x + w, 24), (x, 64), (x + w, 104)], fill=fill)


def magnifier(d, sign=None):
    d.ellipse((12, 12, 84, 84), outline=INK, width=12)
    d.line((74, 74, 116, 116), fill=INK, width=18)
    if sign:
        d.line((30, 48, 66, 48), fill=INK, width=10)
        if sign == "+":
            d.line((48, 30, 48, 66), fill=INK, width=10)


def page(d, x0=20, y0=8, x1=92, y1=112):
    d.rectangle((x0, y0, x1, y1), fill=WHITE, outline=INK, width=6)
    for y in range(y0 + 22, y1 - 10, 16):
        d.line((x0 + 12, y, x1 - 12, y), fill=(120, 120, 140, 255), width=5)


def icon(cid):
    img, d = canvas()
    if cid == 57609:  # print preview
        page(d)
        d.ellipse((56, 56, 104, 104), outline=INK, width=10)
        d.line((98, 98, 122, 122), fill=INK, width=14)
    elif cid == 57601:  # open
        d.polygon([(8, 28), (48, 28), (58, 40), (112, 40), (112, 108), (8, 108)], fill=GOLD, outline=INK)
        d.polygon([(8, 108), (28, 60), (124, 60), (112, 108)], fill=(250, 210, 80, 255), outline=INK)
    elif cid == 57607:  # print
        d.rectangle((34, 8, 94, 48), fill=WHITE, outline=INK, width=6)
        d.rounded_rectangle((8, 44, 120, 96), radius=10, fill=(150, 150, 165, 255), outline=INK, width=6)
        d.rectangle((34, 80, 94, 120), fill=WHITE, outline=INK, width=6)
    elif cid == 32780:  # grids
        disc(d)
        for k in (-1, 0, 1):
            d.arc((8 + 28 * abs(k), 8, 120 - 28 * abs(k), 120), 0, 360, fill=(200, 200, 200, 255), width=5)
        for y in (36, 64, 92):
            half = math.sqrt(max(0, 56 ** 2 - (y - 64) ** 2))
            d.line((64 - half, y, 64 + half, y), fill=(200, 200, 200, 255), width=5)
    elif cid == 32778:  # boundaries
        disc(d)
        d.line([(24, 40), (56, 40), (56, 24), (88, 24), (88, 64), (112, 64), (112, 96), (64, 96),
                (64, 112), (32, 112), (32, 72), (16, 72)], fill=RED, width=7)
    elif cid == 32779:  # constellation lines
        disc(d)
        stars = [(28, 44), (52, 36), (74, 52), (96, 40), (84, 84), (54, 96)]
        d.line(stars[:4], fill=(90, 230, 90, 255), width=6)
        d.line([stars[2], stars[4], stars[5]], fill=(90, 230, 90, 255), width=6)
        for x, y in stars:
            d.ellipse((x - 8, y - 8, x + 8, y + 8), fill=WHITE)
    elif cid == 32777:  # deep sky objects
        disc(d)
        d.ellipse((22, 46, 106, 82), fill=(170, 190, 255, 200))
        d.ellipse((46, 54, 82, 74), fill=WHITE)
    elif cid == 32781:  # milky way
        disc(d)
        d.polygon([(10, 96), (40, 62), (80, 44), (120, 30), (120, 58), (84, 70), (46, 86), (16, 112)],
                  fill=(210, 215, 240, 220))
    elif cid == 32782:  # solar system
        d.ellipse((10, 34, 118, 94), outline=INK, width=6)
        d.ellipse((44, 44, 84, 84), fill=GOLD, outline=(200, 120, 0, 255), width=4)
        d.ellipse((98, 50, 118, 70), fill=BLUE)
    elif cid == 32784:  # date and time
        d.ellipse((8, 8, 120, 120), fill=WHITE, outline=INK, width=10)
        d.line((64, 64, 64, 28), fill=INK, width=10)
        d.line((64, 64, 92, 76), fill=INK, width=10)
    elif cid == 32822:  # tonight: a crescent Moon and a star over the night sky
        disc(d)
        d.ellipse((30, 24, 90, 84), fill=GOLD)
        d.ellipse((48, 14, 108, 74), fill=SKY)
        d.polygon([(88, 86), (94, 100), (108, 100), (97, 108), (101, 120), (88, 112), (75, 120),
                   (79, 108), (68, 100), (82, 100)], fill=WHITE)
    elif cid == 32823:  # eyepiece fields: a field circle and a camera frame over the night sky
        disc(d)
        d.ellipse((30, 30, 98, 98), outline=GOLD, width=8)
        d.rectangle((46, 50, 82, 78), outline=WHITE, width=6)
    elif cid == 32785:  # observer's location
        d.ellipse((8, 8, 120, 120), fill=(80, 150, 230, 255), outline=INK, width=6)
        d.polygon([(30, 40), (60, 28), (70, 50), (50, 78), (34, 66)], fill=GREEN)
        d.polygon([(74, 70), (100, 62), (104, 92), (84, 104)], fill=GREEN)
        d.ellipse((52, 52, 76, 76), fill=RED, outline=WHITE, width=4)
    elif cid == 32789:  # animation backward
        triangle(d, 14, False)
        triangle(d, 62, False)
    elif cid == 32791:  # one step backward
        d.rectangle((18, 24, 32, 104), fill=INK)
        triangle(d, 40, False, w=60)
    elif cid == 32793:  # stop
        d.rectangle((28, 28, 100, 100), fill=RED)
    elif cid == 32794:  # one step forward
        triangle(d, 28, True, w=60)
        d.rectangle((96, 24, 110, 104), fill=INK)
    elif cid == 32795:  # animation forward
        triangle(d, 22, True)
        triangle(d, 70, True)
    elif cid == 57669:  # context help
        d.polygon([(8, 8), (8, 90), (28, 72), (42, 104), (56, 98), (42, 66), (68, 66)], fill=INK)
        d.text((76, 40), "?", fill=BLUE)
        d.arc((72, 20, 116, 64), 180, 90, fill=BLUE, width=10)
        d.line((94, 64, 94, 84), fill=BLUE, width=10)
        d.ellipse((88, 96, 100, 108), fill=BLUE)
    elif cid == 57664:  # about
        d.ellipse((8, 8, 120, 120), fill=BLUE)
        d.ellipse((56, 26, 72, 42), fill=WHITE)
        d.rectangle((56, 52, 72, 102), fill=WHITE)
    elif cid == 32775:
        magnifier(d, "+")
    elif cid == 32776:
        magnifier(d, "-")
    elif cid in (32771, 32772, 32773, 32774):
        arrow(d, {32771: "left", 32772: "right", 32773: "up", 32774: "down"}[cid])
    else:
        raise ValueError(cid)
    return img


IDS = [57609, 57601, 57607, 32780, 32778, 32779, 32777, 32781, 32782, 32823, 32784, 32785, 32822, 32789, 32791,
       32793, 32794, 32795, 57669, 57664, 32775, 32776, 32774, 32773, 32771, 32772]


def main():
    files = []
    for size in (16, 32):
        (ROOT / str(size)).mkdir(parents=True, exist_ok=True)
        for cid in IDS:
            name = f"{size}/{cid}.png"
            icon(cid).resize((size, size), Image.LANCZOS).save(ROOT / name, optimize=True)
            files.append(name)
    qrc = ["<RCC>", '  <qresource prefix="/icons">']
    qrc += [f"    <file>{f}</file>" for f in files]
    qrc += ["  </qresource>", "</RCC>", ""]
    (ROOT / "icons.qrc").write_text("\n".join(qrc))


if __name__ == "__main__":
    main()
