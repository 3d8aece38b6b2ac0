"""Writes world/mapchip.svg: the 640 x 1024 chip sheet (20 columns of 32 x 32).

Rows 0..9 are active chips (blocks, hazards and the editor icons of the
objects a map can place), rows 10..31 scenery drawn behind the objects.
The code of a chip is column * 100 + row; docs/chips.md lists them all.
"""
import math
import os
import random
import sys
from svgkit import (Doc, OUT, shape, flat, line, poly_d, smooth_d, ellipse_d, circle_d,
                    rect_d, star_d, radial, linear, f)

doc = Doc(640, 1024, "Map chip sheet: 32 x 32 chips, code = column * 100 + row")
doc.defs.append('<clipPath id="cell"><rect x="0" y="0" width="32" height="32"/></clipPath>')
chips = {}  # (col, row) -> svg text in chip coordinates


def put(col, row, s):
    chips[(col, row)] = s


def R(x, y, w, h, fill, sw=0, stroke=OUT, op=None):
    return flat(rect_d(x, y, w, h), fill, sw, stroke, op)


def tone(color, amount):
    """The colour moved towards white (amount > 0) or black (amount < 0)."""
    rgb = [int(color[i:i + 2], 16) for i in (1, 3, 5)]
    target = 255 if amount > 0 else 0
    return "#" + "".join("%02x" % round(c + (target - c) * abs(amount)) for c in rgb)


def blocks_fill(base, face, shade, light, courses, seed):
    """Stone laid in courses: (y, height, cuts) rows of blocks. A block runs
    from one cut to the next and the last wraps round to the first, so the
    tile's own edge is no joint and a long wall shows no seam every 32 px;
    each block's face takes a slightly different tone (seeded), so the
    courses do not read as one block repeated."""
    rng = random.Random(seed)
    s = R(0, 0, 32, 32, base)
    for y, h, cuts in courses:
        for x0, x1 in zip(cuts, cuts[1:] + [cuts[0] + 32]):
            tint = tone(face, rng.uniform(-0.09, 0.07))
            for shift in (0, -32):
                a, b = x0 + shift, x1 + shift
                s += flat(rect_d(a + 0.5, y + 0.5, b - a - 1, h - 1), tint)
                s += line([(a + 1.5, y + h - 1.2), (b - 1.2, y + h - 1.2), (b - 1.2, y + 1.5)], shade, 1.1)
                s += line([(a + 1.5, y + h - 2.5), (a + 1.5, y + 1.5), (b - 2.5, y + 1.5)], light, 0.8)
    return s


# ---------------------------------------------------------------- pixel font
FONT = {
    "0": ["111", "101", "101", "101", "111"], "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"], "3": ["111", "001", "011", "001", "111"],
    "4": ["101", "101", "111", "001", "001"], "5": ["111", "100", "111", "001", "111"],
    "S": ["111", "100", "111", "001", "111"], "B": ["110", "101", "110", "101", "110"],
    "G": ["111", "100", "101", "101", "111"], "E": ["111", "100", "110", "100", "111"],
    "L": ["100", "100", "100", "100", "111"], "R": ["110", "101", "110", "101", "101"],
    "U": ["101", "101", "101", "101", "111"], "D": ["110", "101", "101", "101", "110"],
}


def text(s, x, y, px=2, color="#ffffff"):
    out = []
    for i, ch in enumerate(s):
        rows = FONT[ch]
        for r, bits in enumerate(rows):
            for c, b in enumerate(bits):
                if b == "1":
                    out.append(rect_d(x + (i * 4 + c) * px, y + r * px, px, px))
    d = "".join(out)
    return flat(d, OUT, sw=px * 0.9) + flat(d, color)


# ---------------------------------------------------------------- themes
class Theme:
    def __init__(self, name, col, row, **kw):
        self.name, self.col, self.row = name, col, row
        self.__dict__.update(kw)


def edge_lines(T, L, Rr, B, color=OUT, w=2):
    s = ""
    if T:
        s += line([(0, 1), (32, 1)], color, w, cap="butt")
    if B:
        s += line([(0, 31), (32, 31)], color, w, cap="butt")
    if L:
        s += line([(1, 0), (1, 32)], color, w, cap="butt")
    if Rr:
        s += line([(31, 0), (31, 32)], color, w, cap="butt")
    return s


# --- forest: dark soil with pebbles, grass on top, roots below
def forest_fill(pebbles=True):
    s = R(0, 0, 32, 32, "#4d3428")
    rnd = random.Random(11)
    for i in range(7):
        x, y = rnd.uniform(4, 28), rnd.uniform(4, 28)
        s += flat(ellipse_d(x, y, rnd.uniform(1.5, 3), rnd.uniform(1, 2)), "#3a251c")
    if not pebbles:
        # deep earth: no bright pebbles, only the soil's layers, which wrap
        # round the tile so a wide mass reads as one bank of strata
        for y, dy in ((9, 1.6), (22, -1.4)):
            s += line([(0, y), (8, y + dy), (16, y), (24, y - dy), (32, y)], "#5e4234", 1.1, opacity=0.7)
        return s
    for x, y, r in ((9, 12, 3.2), (23, 22, 2.6), (16, 27, 1.8)):
        s += flat(ellipse_d(x, y, r, r * 0.75), "#7d6d66", 1.2) + flat(ellipse_d(x - 0.8, y - 0.6, r * 0.4, r * 0.25), "#b1a49c")
    s += flat(ellipse_d(26, 9, 1.2, 0.8), "#6b4a38")
    return s


def forest_top(L, Rr):
    x0, x1 = (2 if L else -1), (30 if Rr else 33)
    blades = []
    for i in range(9):
        x = x0 + (x1 - x0) * i / 8.0
        blades += [(x, 8.5 + (i % 2) * 1.5), (x + (x1 - x0) / 16.0, 11.5 if i % 3 else 12.5)]
    d = poly_d([(x0, 0.5), (x1, 0.5)] + list(reversed(blades)))
    s = shape(doc, d, "#3f8f4c", "#2a6437", off=(0, 3), sw=0)
    s += line([(x0, 1.5), (x1, 1.5)], "#8fd07a", 1.4, cap="butt")
    s += poly_outline(blades, x0, x1)
    for x in (6, 15, 24):
        if x0 < x < x1:
            s += line([(x, 4), (x + 1.5, 6.5)], "#2a6437", 1.0)
    return s


def poly_outline(blades, x0, x1):
    return line(blades, OUT, 1.4)


def forest_bottom(L, Rr):
    s = R(0, 27, 32, 5, "#33221a")
    for x in (5, 14, 22, 28):
        s += line([(x, 27), (x - 1.5, 31)], "#6b4a38", 1.2)
    return s


def forest_side(left):
    x = 0 if left else 27
    return R(x, 0, 5, 32, "#3a271e") + line([(x + (4 if left else 1), 3), (x + (4 if left else 1), 29)], "#5e4234", 1)


def forest_block():
    d = smooth_d([(3, 6), (12, 2), (24, 3), (30, 10), (29, 24), (22, 30), (8, 30), (2, 22)], True, 0.3)
    s = shape(doc, d, "#7a7f86", "#4d5158", off=(3, 3), hl="#b6bcc3", hl_d=ellipse_d(11, 9, 4, 2))
    s += flat(smooth_d([(4, 7), (12, 2.5), (22, 3.5), (27, 7), (20, 8), (12, 6)], True, 0.3), "#4a9a55")
    s += line([(16, 14), (19, 19), (17, 24)], "#4d5158", 1.2)
    return s


# --- rooftops: brick wall, terracotta shingles on top
def roof_fill():
    # Running bond; each brick's face a little lighter or darker than the
    # next (seeded), so a long wall is not one brick repeated.
    rng = random.Random(2)
    s = R(0, 0, 32, 32, "#4f2a22")
    for r in range(4):
        y = r * 8
        off = 0 if r % 2 == 0 else 8
        tints = [tone("#7b4538", rng.uniform(-0.12, 0.06)) for _ in range(2)]
        for k in (-1, 0, 1):  # the brick cut by the tile's edge is drawn on both sides
            x = off + 16 * k
            s += R(x + 1, y + 1, 15, 7, tints[k % 2])
            s += R(x + 3, y + 1.5, 5, 1.2, "#9a5a48")
    return s


def roof_top(L, Rr):
    s = R(0, 0, 32, 11, "#a8493a")
    for x in range(-4, 36, 8):
        s += flat(ellipse_d(x + 4, 9, 4, 3), "#8a3529", 1.0)
        s += flat(ellipse_d(x + 3, 8, 1.6, 0.9), "#d07a5e")
    s += R(0, 0, 32, 5, "#c2604a") + line([(0, 5), (32, 5)], OUT, 1.2, cap="butt")
    s += line([(0, 2), (32, 2)], "#e59a7e", 1.0, cap="butt")
    return s


def roof_bottom(L, Rr):
    return R(0, 27, 32, 5, "#5a3027") + line([(0, 27), (32, 27)], "#3a1d17", 1, cap="butt")


def roof_side(left):
    x = 0 if left else 26
    s = R(x, 0, 6, 32, "#9b8f86")
    s += line([(x, 16), (x + 6, 16)], "#5e5650", 1, cap="butt")
    s += line([(x + (1.5 if left else 4.5), 2), (x + (1.5 if left else 4.5), 14)], "#c9beb4", 1)
    return s


def roof_block():
    s = roof_fill()
    s += R(0, 0, 32, 6, "#9b8f86") + line([(0, 6), (32, 6)], OUT, 1.2, cap="butt") + line([(0, 2), (32, 2)], "#c9beb4", 1)
    return s


# --- mansion: wood wainscot panels, red carpet with gold trim on top
def mansion_fill(ornament=True):
    s = R(0, 0, 32, 32, "#6a3b26")
    s += flat(rect_d(4, 4, 24, 24), "#7d4830", 1.2, "#3e2014")
    if not ornament:
        # the deep wainscot: plain tongue-and-groove boards without the
        # panels' frames, so a tall wall of it is no grid of squares; each
        # board a slightly different tone (seeded), its butt joint at a
        # height of its own
        rng = random.Random(13)
        s = R(0, 0, 32, 32, "#4a2616")
        for x in range(0, 32, 8):
            s += R(x + 0.6, 0, 7, 32, tone("#6e3e28", rng.uniform(-0.08, 0.05)))
            s += line([(x + 1.4, 0), (x + 1.4, 32)], "#8a5536", 0.6, cap="butt", opacity=0.6)
            y = rng.uniform(4, 28)
            s += line([(x + 0.6, y), (x + 7.6, y)], "#4a2616", 0.9, cap="butt")
        return s
    s += line([(5, 27), (27, 27), (27, 5)], "#4a2616", 1.2)
    s += line([(5, 26), (5, 5), (26, 5)], "#a66a45", 1.0)
    s += flat(rect_d(9, 9, 14, 14), "#70402a")
    return s


def mansion_top(L, Rr):
    s = R(0, 0, 32, 7, "#a4203a") + line([(0, 1.8), (32, 1.8)], "#d84a5e", 1.2, cap="butt")
    s += R(0, 7, 32, 3, "#d7a944") + line([(0, 7), (32, 7)], OUT, 1, cap="butt") + line([(0, 10.5), (32, 10.5)], OUT, 1, cap="butt")
    for x in range(2, 32, 6):
        s += flat(circle_d(x + 1, 8.6, 0.8), "#fff0b0")
    return s


def mansion_bottom(L, Rr):
    return R(0, 26, 32, 6, "#4a2616") + line([(0, 26), (32, 26)], "#d7a944", 1.5, cap="butt")


def mansion_side(left):
    x = 0 if left else 27
    return R(x, 0, 5, 32, "#4a2616") + line([(x + 2.5, 0), (x + 2.5, 32)], "#d7a944", 1.2, cap="butt")


def mansion_block():
    s = R(0, 0, 32, 32, "#7d4830") + flat(rect_d(3, 3, 26, 26), "#8f5638", 1.2, "#3e2014")
    s += line([(3, 3), (29, 29)], "#5a2f1c", 1.5) + line([(29, 3), (3, 29)], "#5a2f1c", 1.5)
    s += line([(4, 28), (4, 4), (28, 4)], "#c08050", 1)
    for x, y in ((5, 5), (27, 5), (5, 27), (27, 27)):
        s += flat(circle_d(x, y, 1.3), "#d7a944", 0.8)
    return s


# --- catacombs: irregular grey stone, worn lip on top
def cata_fill():
    # irregular grey ashlar in three courses whose blocks run across the
    # tile's edges, so a long wall shows no grid of joints every 32 px
    s = blocks_fill("#545b68", "#646c7a", "#434956", "#8a93a2", ((0, 10, [6, 20]), (10, 12, [3, 13, 25]), (22, 10, [9, 24])),
                    6)
    return s + line([(27, 14), (30, 17), (29, 20)], "#3a3f4a", 0.8)


def cata_top(L, Rr):
    s = R(0, 0, 32, 6, "#8c8f96") + line([(0, 6), (32, 6)], OUT, 1.2, cap="butt")
    s += line([(0, 1.6), (32, 1.6)], "#c3c6cc", 1.1, cap="butt")
    s += line([(8, 6), (10, 3)], "#5a5e66", 0.9) + line([(22, 6), (21, 3.5), (23, 2)], "#5a5e66", 0.9)
    s += flat(ellipse_d(15, 7.5, 3.5, 1.6), "#4f7a4a")
    return s


def cata_bottom(L, Rr):
    return R(0, 27, 32, 5, "#3b404a")


def cata_side(left):
    x = 0 if left else 27
    return R(x, 0, 5, 32, "#474d58") + line([(x + (4 if left else 1), 0), (x + (4 if left else 1), 32)], "#6d7584", 1, cap="butt")


def cata_block():
    s = R(0, 0, 32, 32, "#6d7482") + line([(2, 30), (30, 30), (30, 2)], "#474d58", 2) + line([(2, 29), (2, 2), (29, 2)], "#9aa2b0", 1.2)
    # carved skull
    s += shape(doc, smooth_d([(10, 13), (16, 7), (22, 13), (21, 19), (18, 20), (18, 23), (14, 23), (14, 20),
                              (11, 19)], True, 0.3), "#d9d3c3", "#a39c8b", off=(1.2, 1.2), sw=1.3)
    s += flat(ellipse_d(13.8, 14.5, 1.8, 2), OUT) + flat(ellipse_d(18.2, 14.5, 1.8, 2), OUT)
    s += line([(16, 17), (16, 18.5)], OUT, 1)
    return s


# --- clock tower: sandstone blocks (its back wall; every clock tower stage
# wears its world's look, so the theme has no solid tiles of its own)
def clock_fill():
    s = R(0, 0, 32, 32, "#8a7656")
    for x, y, w, h in ((0, 0, 16, 16), (16, 0, 16, 16), (8, 16, 16, 16), (-8, 16, 16, 16), (24, 16, 16, 16)):
        s += flat(rect_d(x + 0.5, y + 0.5, w - 1, h - 1), "#9b8662")
        s += line([(x + 1.5, y + h - 1.2), (x + w - 1.2, y + h - 1.2), (x + w - 1.2, y + 1.5)], "#6a5a40", 1.2)
        s += line([(x + 1.5, y + h - 2.5), (x + 1.5, y + 1.5), (x + w - 2.5, y + 1.5)], "#c3ae86", 0.9)
    return s


def rivets(y, x0=4, x1=28, step=8):
    s = ""
    x = x0
    while x <= x1:
        s += flat(circle_d(x, y, 1.1), "#c8ccd4", 0.8)
        x += step
    return s


# --- throne room: violet marble with veins, gold molding
def throne_fill():
    s = R(0, 0, 32, 32, "#3e2e5a")
    s += line([(0, 7), (9, 12), (14, 22), (24, 26), (32, 31)], "#5a4880", 1.2)
    s += line([(20, 0), (24, 8), (32, 11)], "#5a4880", 1.0)
    s += line([(0, 25), (6, 28), (9, 32)], "#2c2042", 1.0)
    s += flat(ellipse_d(22, 15, 3, 1.2), "#4a3a6a")
    return s


def throne_top(L, Rr):
    s = R(0, 0, 32, 8, "#d2a23e") + line([(0, 8), (32, 8)], OUT, 1.2, cap="butt")
    s += line([(0, 1.6), (32, 1.6)], "#fbe08a", 1.2, cap="butt") + line([(0, 5), (32, 5)], "#9c7222", 1, cap="butt")
    for x in range(4, 32, 8):
        s += flat(star_d(x, 3.3, 1.4, 0.6, 4), "#fff3c0")
    return s


def throne_bottom(L, Rr):
    return R(0, 27, 32, 5, "#9c7222") + line([(0, 27), (32, 27)], OUT, 1, cap="butt")


def throne_side(left):
    x = 0 if left else 27
    return R(x, 0, 5, 32, "#b58a30") + line([(x + 1.5 if left else x + 3.5, 0), (x + 1.5 if left else x + 3.5, 32)], "#fbe08a", 1, cap="butt")


def throne_block():
    s = throne_fill() + flat(rect_d(2, 2, 28, 28), "none", 2.5, "#d2a23e")
    s += flat(star_d(16, 16, 7, 3, 4, math.pi / 4), "#d2a23e", 1.2)
    s += flat(circle_d(16, 16, 2), "#c02840", 0.8)
    return s


THEMES = [
    Theme("forest", 2, 0, fill=forest_fill, top=forest_top, bottom=forest_bottom, side=forest_side, block=forest_block,
          lip="#3f8f4c"),
    Theme("rooftops", 10, 0, fill=roof_fill, top=roof_top, bottom=roof_bottom, side=roof_side, block=roof_block,
          lip="#a8493a"),
    Theme("mansion", 13, 0, fill=mansion_fill, top=mansion_top, bottom=mansion_bottom, side=mansion_side,
          block=mansion_block, lip="#a4203a"),
    Theme("catacombs", 10, 5, fill=cata_fill, top=cata_top, bottom=cata_bottom, side=cata_side, block=cata_block,
          lip="#8c8f96"),
    Theme("throne", 16, 5, fill=throne_fill, top=throne_top, bottom=throne_bottom, side=throne_side,
          block=throne_block, lip="#d2a23e"),
]


def tile(t, T, L, Rr, B):
    s = t.fill()
    if B:
        s += t.bottom(L, Rr)
    if L:
        s += t.side(True)
    if Rr:
        s += t.side(False)
    if T:
        s += t.top(L, Rr)
    s += edge_lines(T, L, Rr, B)
    return s


def inner_corner(t, left):
    """Fill with the top surface wrapping round the foot of a wall."""
    s = t.fill()
    top = t.top(False, False)
    cid = doc.uid("ic")
    x = 0 if left else 22
    doc.defs.append('<clipPath id="%s"><rect x="%s" y="0" width="10" height="12"/></clipPath>' % (cid, x))
    s += '<g clip-path="url(#%s)">%s</g>' % (cid, top)
    s += line([(x + (10 if left else 0), 0), (x + (10 if left else 0), 1.5)], OUT, 2, cap="butt")
    s += line([(x, 1), (x + 10, 1)], OUT, 2, cap="butt")
    return s


for t in THEMES:
    c, r = t.col, t.row
    for a in range(3):
        L, Rr = a == 0, a == 2
        put(c + a, r + 0, tile(t, True, L, Rr, False))
        put(c + a, r + 1, tile(t, False, L, Rr, False))
        put(c + a, r + 2, tile(t, False, L, Rr, True))
        put(c + a, r + 3, tile(t, True, L, Rr, True))
    put(c, r + 4, t.block() + edge_lines(True, True, True, True))
    put(c + 1, r + 4, inner_corner(t, True))
    put(c + 2, r + 4, inner_corner(t, False))


# ---------------------------------------------------------------- specials
def plank(L, Rr, mid=True):
    s = ""
    x0, x1 = (1 if L else 0), (31 if Rr else 32)
    s += flat(rect_d(x0, 0.5, x1 - x0, 7), "#9a6a3e") + line([(x0, 2), (x1, 2)], "#d3a06a", 1.2, cap="butt")
    s += line([(x0, 6.5), (x1, 6.5)], "#5e3c20", 1.5, cap="butt")
    s += line([(16, 1), (16, 7)], "#5e3c20", 1, cap="butt")
    s += line([(x0, 0.5), (x1, 0.5)], OUT, 1.6, cap="butt") + line([(x0, 8), (x1, 8)], OUT, 1.6, cap="butt")
    if L:
        s += line([(1, 0.5), (1, 8)], OUT, 2, cap="butt") + shape(doc, poly_d([(4, 8), (8, 8), (5, 17), (3, 17)]), "#7a5230", None, sw=1.2)
    if Rr:
        s += line([(31, 0.5), (31, 8)], OUT, 2, cap="butt") + shape(doc, poly_d([(24, 8), (28, 8), (29, 17), (27, 17)]), "#7a5230", None, sw=1.2)
    for x in (8, 24):
        if (x > x0 + 2) and (x < x1 - 2):
            s += flat(circle_d(x, 4.2, 0.9), "#3e2812")
    return s


put(0, 2, plank(True, False))
put(1, 2, plank(False, True))
put(0, 3, plank(False, False))
# the catwalk: a deck deep enough to read as something to stand on, lit
# along its top edge, over a bold truss (a six-pixel deck on a hairline
# truss read as a thin dark rail against the clock tower's walls)
grate = flat(rect_d(0, 0.5, 32, 8), "#6a7484") + line([(0, 0.9), (32, 0.9)], OUT, 1.8, cap="butt")
grate += line([(0, 8.6), (32, 8.6)], OUT, 1.8, cap="butt")
grate += line([(0, 2.4), (32, 2.4)], "#d4dce8", 1.4, cap="butt") + line([(0, 7.2), (32, 7.2)], "#3e4654", 1.2, cap="butt")
for x in range(0, 32, 4):
    grate += line([(x + 2, 3.8), (x + 2, 6.4)], OUT, 1.3)
truss = [(0, 8.6), (8, 16), (16, 8.6), (24, 16), (32, 8.6)]
grate += line(truss, OUT, 3.4) + line(truss, "#7a8496", 1.8)
grate += line([(0, 16), (32, 16)], OUT, 3.6, cap="butt") + line([(0, 16), (32, 16)], "#7a8496", 2.0, cap="butt")
put(1, 3, grate)

# crumbling block: a cracked sandstone block already coming apart into the
# 8 x 8 pieces it breaks into. Every piece is one rough chunk between jagged
# cracks of uneven width, and the block darkens towards its foot as one
# mass: in place it reads as fragile stone, not brick; when it breaks, every
# piece that drops is a whole chunk, so it rains down as rubble instead of
# as slices of one picture.
cb = R(0, 0, 32, 32, "#4e3420")
crumble_rng = random.Random(17)


def wander(v):
    """A chunk's corner moved a little at random: the cracks between chunks
    run jagged, and some close to a hairline while others gape."""
    return v + crumble_rng.uniform(-0.55, 0.55)


for gy in range(4):
    for gx in range(4):
        x, y = gx * 8, gy * 8
        face = tone("#c89c62", 0.06 - 0.05 * gy + crumble_rng.uniform(-0.05, 0.05))
        chunk = [(wander(x + 0.9), wander(y + 1.0)), (wander(x + 4.0), y + 0.6 + crumble_rng.uniform(0, 0.6)),
                 (wander(x + 7.1), wander(y + 0.9)), (x + 7.4 - crumble_rng.uniform(0, 0.7), wander(y + 4.0)),
                 (wander(x + 7.1), wander(y + 7.1)), (wander(x + 4.0), y + 7.4 - crumble_rng.uniform(0, 0.7)),
                 (wander(x + 0.9), wander(y + 7.1)), (x + 0.6 + crumble_rng.uniform(0, 0.6), wander(y + 4.0))]
        cb += flat(poly_d(chunk), face)
        lit = tone(face, 0.22)
        cb += line([chunk[6], chunk[7], chunk[0], chunk[1], chunk[2]], lit, 0.8)
        cb += line([chunk[2], chunk[3], chunk[4], chunk[5]], tone(face, -0.25), 0.8)
cb += edge_lines(True, True, True, True)
put(5, 1, cb)


def chain_block(cw):
    s = R(0, 0, 32, 32, "#5a6272") + line([(2, 30), (30, 30), (30, 2)], "#383e4a", 2) + line([(2, 29), (2, 2), (29, 2)], "#a0aabb", 1.2)
    s += flat(circle_d(16, 16, 8), "#3a404c", 1.5) + flat(circle_d(16, 16, 3.5), "#e06a20", 1.2)
    # an arrow around the hub shows which way the fire circles
    a0, a1 = (-2.6, 1.2) if cw else (1.2, -2.6)
    pts = [(16 + math.cos(a0 + (a1 - a0) * i / 10) * 11, 16 + math.sin(a0 + (a1 - a0) * i / 10) * 11) for i in range(11)]
    s += line(pts, OUT, 3.4) + line(pts, "#ffb030", 1.6)
    ex, ey = pts[-1]
    da = 0.35 if cw else -0.35
    ang = a1 + (math.pi / 2 if cw else -math.pi / 2)
    tip = (ex + math.cos(ang) * 3.5, ey + math.sin(ang) * 3.5)
    s += flat(poly_d([tip, (ex + math.cos(a1 - da) * 3 - math.cos(ang) * 1, ey + math.sin(a1 - da) * 3 - math.sin(ang)),
                      (ex - math.cos(a1 - da) * 3 - math.cos(ang), ey - math.sin(a1 - da) * 3 - math.sin(ang))]),
              "#ffb030", 1.2)
    return s + edge_lines(True, True, True, True)


put(8, 0, chain_block(True))
put(8, 1, chain_block(False))


def gate(top):
    s = R(0, 0, 32, 32, "#2a2430")
    for x in (4, 12, 20, 28):
        s += line([(x, 0), (x, 32 if top else 26)], OUT, 4.5, cap="butt") + line([(x, 0), (x, 32 if top else 26)], "#7a8290", 2.6, cap="butt")
        s += line([(x - 0.6, 0), (x - 0.6, 32 if top else 26)], "#b8c0cc", 0.8, cap="butt")
        if not top:
            s += flat(poly_d([(x - 2.5, 25), (x + 2.5, 25), (x, 31)]), "#7a8290", 1.2)
    for y in ((6, 20) if top else (10,)):
        s += line([(0, y), (32, y)], OUT, 4.5, cap="butt") + line([(0, y), (32, y)], "#6a7280", 2.6, cap="butt")
    return s + edge_lines(top, True, True, False)


put(9, 1, gate(True))
put(9, 2, gate(False))


# Hazards must read at a glance on every (dark) backdrop and on any wall:
# pale steel, and a pale rim around the whole hazard.
RIM_FILTER = ('<filter id="hazardrim" x="-0.1" y="-0.1" width="1.2" height="1.2" color-interpolation-filters="sRGB">'
              '<feMorphology in="SourceAlpha" operator="dilate" radius="1" result="grown"/>'
              '<feFlood flood-color="#fff4e0" flood-opacity="1"/>'
              '<feComposite in2="grown" operator="in" result="rim"/>'
              '<feMerge><feMergeNode in="rim"/><feMergeNode in="SourceGraphic"/></feMerge></filter>')
doc.defs.append(RIM_FILTER)


def spikes(down):
    # A saw row of four steel cones on a red warning plate, inside the same
    # pale rim as the spike balls. The cones touch at their bases, carry no
    # dark outline of their own and are split into a lit and a shaded half,
    # so the row reads as solid points (outlined blades inside the rim read
    # as hoops when they hang from a ceiling) and never as part of a grey
    # brick wall.
    s = ""
    base_y, tip_y = (6, 30) if down else (26, 2)
    for i in range(4):
        x0 = 2 + i * 7
        xm = x0 + 3.5
        cone = poly_d([(x0, base_y), (x0 + 7, base_y), (xm, tip_y)])
        s += flat(cone, "#7a8498")
        s += flat(poly_d([(x0, base_y), (xm, base_y), (xm, tip_y)]), "#f4f7fc")
        s += line([(xm + 1.2, base_y), (xm + 0.3, tip_y + (-5 if down else 5))], "#525c70", 1.0, cap="butt")
    plate_y = 1 if down else 26
    plate = flat(rect_d(1, plate_y, 30, 5), "#c42c3e", 1.6)
    plate += line([(3, plate_y + 1.4), (29, plate_y + 1.4)], "#ff8a96", 1.0, cap="butt")
    for bx in (5, 16, 27):
        plate += flat(circle_d(bx, plate_y + 3, 1.1), "#ffe6a0")
    return '<g filter="url(#hazardrim)">%s</g>' % ((s + plate) if not down else (plate + s))


put(17, 0, spikes(False))
put(18, 0, spikes(True))


def spike_ball(body, shade, hl, glint):
    s = ""
    for k in range(8):  # eight spikes, each lit on its upper-left side
        a = k * math.pi / 4 + math.pi / 8
        tip = (16 + math.cos(a) * 14, 16 + math.sin(a) * 14)
        l = (16 + math.cos(a - 0.42) * 7.5, 16 + math.sin(a - 0.42) * 7.5)
        r = (16 + math.cos(a + 0.42) * 7.5, 16 + math.sin(a + 0.42) * 7.5)
        s += flat(poly_d([l, tip, r]), "#e6ecf4", 1.3)
        s += flat(poly_d([(16 + math.cos(a) * 7, 16 + math.sin(a) * 7), tip, r]), "#98a2b4")
    s += shape(doc, circle_d(16, 16, 8.5), body, shade, off=(2, 2), hl=hl, hl_d=ellipse_d(13.2, 12.6, 3.2, 2.2), sw=1.5)
    s += flat(circle_d(12.6, 12, 1.1), glint)
    return '<g filter="url(#hazardrim)">%s</g>' % s


# the standing spike ball: blackened iron under pale spikes, a dark core that
# stands out on the grey stone of the catacombs where a steel one vanished
put(19, 0, spike_ball("#454a5c", "#1c1f2a", "#a8b2c6", "#ffffff"))
# the swinging one: red, so a player learns it moves
put(19, 1, spike_ball("#d8404e", "#7c1f2e", "#ff9aa4", "#fff0f0"))

# two plain props that any theme can use (the iron and stone blocks that
# stood beside them gave their cells to the piers of the wall masses)
crate = R(1, 1, 30, 30, "#a8783f", 2) + line([(3, 3), (29, 29)], "#6e4a22", 3) + line([(4, 4), (28, 28)], "#c89458", 1)
crate += flat(rect_d(4, 4, 24, 24), "none", 1.5, "#6e4a22") + line([(2, 2.5), (30, 2.5)], "#d8ac70", 1)
put(6, 0, crate)
goldb = R(1, 1, 30, 30, "#d2a23e", 2) + line([(3, 29), (29, 29), (29, 3)], "#8c6418", 2) + line([(3, 28), (3, 3), (28, 3)], "#fbe08a", 1.2)
goldb += flat(star_d(16, 16, 6, 2.4, 4), "#fff3c0", 1)
put(7, 1, goldb)


# ---------------------------------------------------------------- editor icons
def icon_frame(color, inner=""):
    return (flat(rect_d(1.5, 1.5, 29, 29), "#1f1a2a", 1.5, color) + inner)


try:
    import enemies as EN
except ImportError:  # the enemy module is optional while drawing tiles alone
    EN = None


def enemy_icon(name, scale):
    inner = ""
    if EN is not None:
        inner = '<g transform="translate(16,16) scale(%s)">%s</g>' % (f(scale), EN.icon(doc, name))
    return icon_frame("#e0404a", inner)


for col, (name, sc) in enumerate([("brain", 0.8), ("met", 0.8), ("togezo", 0.5), ("mecha", 0.24), ("death", 0.3),
                                  ("monoeye", 0.42), ("patapata_float", 0.3), ("patapata", 0.3), ("ghost", 0.42),
                                  ("marionette", 0.3)]):
    put(col, 5, enemy_icon(name, sc))
put(0, 6, enemy_icon("dummy", 0.8))


def flame_icon(direction):
    fl = ('<g transform="translate(16,16) rotate(%d)">' % direction
          + flat(poly_d([(-9, -5), (2, -6), (11, 0), (2, 6), (-9, 5)]), "#ff9a2a", 1.2)
          + flat(poly_d([(-7, -2.5), (3, -2.5), (7, 0), (3, 2.5), (-7, 2.5)]), "#fff1a0")
          + flat(rect_d(-13, -6, 5, 12), "#6a7484", 1.2) + "</g>")
    return icon_frame("#ff9a2a", fl)


put(0, 7, flame_icon(180))
put(1, 7, flame_icon(0))
put(2, 7, flame_icon(-90))
put(3, 7, flame_icon(90))


def turret_icon(right):
    ball = flat(circle_d(22 if right else 10, 16, 4.5), "#ff8a20", 1.2) + flat(circle_d(22 if right else 10, 16, 2), "#fff1a0")
    stand = flat(rect_d(12 if right else 14, 10, 6, 12), "#6a7484", 1.2)
    arr = text("R" if right else "L", 4 if not right else 22, 23, 1.4, "#ffb030")
    return icon_frame("#ff9a2a", stand + ball + arr)


put(4, 7, turret_icon(False))
put(5, 7, turret_icon(True))

# items
mirror = (flat(smooth_d([(9, 27), (9, 10), (16, 4), (23, 10), (23, 27)], True, 0.3), "#d2a23e", 1.3)
          + flat(smooth_d([(11.5, 25), (11.5, 11), (16, 6.5), (20.5, 11), (20.5, 25)], True, 0.3), "#5a6a9a")
          + line([(13, 20), (18, 11)], "#cfe0ff", 1.2))
put(0, 8, icon_frame("#f0d040", mirror))
put(1, 8, icon_frame("#f0d040", flat(rect_d(4, 13, 24, 6), "#8a95a8", 1.3) + line([(6, 14.5), (26, 14.5)], "#d0d8e4", 1)
                     + text("LR", 10, 21, 1.2, "#f0d040")))
put(2, 8, icon_frame("#f0d040", flat(circle_d(16, 16, 8), "#f2c23a", 1.5) + flat(circle_d(16, 16, 5), "none", 1, "#b07a10")
                     + line([(13, 12), (13, 15)], "#fff6c0", 1.4)))
put(3, 8, icon_frame("#f0d040", flat(poly_d([(12, 7), (19, 7), (21, 25), (14, 25)]), "#55606f", 1.4)
                     + line([(14, 9), (15.5, 22)], "#a3b0c2", 1.2) + flat(rect_d(11, 5, 9, 3), "#c8a030", 1)))
put(4, 8, icon_frame("#f0d040", line([(11, 27), (11, 5)], OUT, 3) + line([(11, 27), (11, 5)], "#c8ccd4", 1.5)
                     + flat(poly_d([(12, 6), (24, 9), (12, 13)]), "#40c060", 1.2)))
oneup = (flat(circle_d(16, 17, 8), "#2b2233", 1.3) + flat(ellipse_d(18, 19, 5, 5.5), "#ffe0c8", 1)
         + flat(smooth_d([(9, 12), (13, 8), (19, 8), (23, 12), (16, 10.5)], True, 0.3), "#f6f3ee", 1)
         + flat(circle_d(19.5, 19, 1), OUT))
put(5, 8, icon_frame("#f0d040", oneup))
for col, n in ((6, "1"), (7, "2"), (8, "3"), (9, "4")):
    put(col, 8, icon_frame("#40a0ff", text("E", 6, 11, 2, "#9fd0ff") + text(n, 15, 11, 2, "#ffffff")))
put(6, 9, icon_frame("#40a0ff", text("E", 6, 11, 2, "#9fd0ff") + text("5", 15, 11, 2, "#ffffff")))
put(0, 9, icon_frame("#40e070", flat(star_d(16, 13, 7, 3, 5, -math.pi / 2), "#e0404a", 1.2) + text("B", 13, 21, 1.4)))
put(1, 9, icon_frame("#40e070", mirror + text("B", 24, 3, 1.1)))
put(7, 9, icon_frame("#40e070", text("S", 6, 9, 2, "#80ff90") + flat(poly_d([(18, 10), (26, 16), (18, 22)]), "#80ff90", 1.2)))


# ---------------------------------------------------------------- scenery
def sc(col, row, s):
    put(col, row, s)


_veils = {}


def dark(s, amount=0.35):
    """Scenery sits behind the action: dims the drawing's colours towards
    night blue while keeping its transparency."""
    key = int(round(amount * 100))
    if key not in _veils:
        k = 1.0 - amount
        fid = "night%d" % key
        doc.defs.append('<filter id="%s" color-interpolation-filters="sRGB" x="0" y="0" width="1" height="1">'
                        '<feColorMatrix type="matrix" values="%s 0 0 0 %s  0 %s 0 0 %s  0 0 %s 0 %s  0 0 0 1 0"/></filter>'
                        % (fid, f(k), f(amount * 0.03), f(k), f(amount * 0.03), f(k), f(amount * 0.09)))
        _veils[key] = fid
    return '<g filter="url(#%s)">%s</g>' % (_veils[key], s)


def backwall(fill_fn, amount=0.55):
    return fill_fn() + R(0, 0, 32, 32, "#0c0a18", op=amount)


# row 10: the rooftops' back wall behind the attics of 3-2 (seamless, darker
# than the solid tiles); the row's other cells hold wall masses
sc(1, 10, backwall(roof_fill))


# forest (rows 11..13)
def trunk(part):
    s = ""
    if part == 0:  # crown stub with branches
        s += line([(16, 32), (16, 8)], OUT, 10) + line([(16, 32), (16, 8)], "#4a3226", 7)
        s += line([(16, 16), (4, 6)], OUT, 5) + line([(16, 16), (4, 6)], "#4a3226", 3)
        s += line([(16, 12), (27, 3)], OUT, 4) + line([(16, 12), (27, 3)], "#4a3226", 2.5)
        s += flat(ellipse_d(6, 6, 6, 4), "#244a30", 1.2) + flat(ellipse_d(26, 4, 5, 3.5), "#244a30", 1.2)
    elif part == 1:
        s += R(10, 0, 12, 32, "#4a3226") + line([(10, 0), (10, 32)], OUT, 2, cap="butt") + line([(22, 0), (22, 32)], OUT, 2, cap="butt")
        s += line([(13, 3), (13, 28)], "#6b4a38", 1.2) + line([(19, 6), (18, 14), (19, 24)], "#33221a", 1.2)
        s += flat(ellipse_d(17, 18, 2, 3), "#1a120e", 1)
    else:
        s += flat(poly_d([(10, 0), (22, 0), (23, 22), (30, 32), (2, 32), (9, 22)]), "#4a3226", 2)
        s += line([(13, 2), (12, 24)], "#6b4a38", 1.2)
    return dark(s, 0.3)


for i in range(3):
    sc(0, 11 + i, trunk(i))


def vine(part):
    s = ""
    pts = [(16, 0), (13, 8), (18, 16), (14, 24), (16, 32 if part == 0 else 26)]
    s += line(pts, OUT, 3.6) + line(pts, "#2f7a40", 2)
    for i, (x, y) in enumerate(pts[1:]):
        s += flat(ellipse_d(x + (3 if i % 2 else -3), y, 3, 1.8), "#3f9a50", 1)
    return dark(s, 0.25)


sc(1, 11, vine(0))
sc(1, 12, vine(1))


def bush(left):
    d = smooth_d([(0 if not left else 4, 32), (2 if left else -2, 20), (10, 12), (20, 10), (28, 16), (34 if left else 32, 32)], False, 0.4)
    return dark(shape(doc, d + "Z", "#2e6a3a", "#1d4a28", off=(2, 2), sw=2) + flat(circle_d(12, 20, 1.2), "#c0405a"), 0.25)


sc(2, 11, bush(True))
sc(3, 11, bush(False))
mush = (flat(rect_d(12, 20, 5, 10), "#e8dccb", 1.3) + shape(doc, smooth_d([(6, 21), (14, 12), (23, 21)], True, 0.4), "#c0404a", "#8a2030", off=(1, 1.5), sw=1.4)
        + flat(circle_d(12, 17, 1.2), "#fff") + flat(circle_d(17, 16, 1), "#fff")
        + flat(rect_d(21, 25, 3, 5), "#e8dccb", 1) + flat(smooth_d([(19, 26), (22.5, 22), (26, 26)], True, 0.4), "#c0404a", 1))
sc(2, 12, dark(mush, 0.2))
grass = ""
for x in range(2, 32, 5):
    grass += line([(x, 32), (x - 2, 24 - (x % 3) * 2)], "#2f7a40", 1.6) + line([(x + 1, 32), (x + 3, 26)], "#3f9a50", 1.4)
sc(3, 12, dark(grass, 0.2))
fence = flat(rect_d(4, 8, 5, 24), "#6b5040", 1.3) + flat(rect_d(22, 8, 5, 24), "#6b5040", 1.3)
fence += flat(rect_d(0, 13, 32, 4), "#7b5a48", 1.2) + flat(rect_d(0, 23, 32, 4), "#7b5a48", 1.2)
sc(4, 11, dark(fence, 0.3))
grave = shape(doc, smooth_d([(8, 31), (8, 12), (16, 5), (24, 12), (24, 31)], True, 0.3), "#7d8290", "#50545f", off=(2, 2),
              hl="#b0b6c2", hl_d=ellipse_d(13, 12, 2.5, 1.2))
grave += line([(16, 13), (16, 23)], "#3e424c", 1.6) + line([(12, 16.5), (20, 16.5)], "#3e424c", 1.6)
grave += flat(rect_d(5, 29, 22, 3), "#3a2e26", 1)
sc(4, 12, dark(grave, 0.2))


def flame(s):
    glow = radial(doc, [(0, "#ffcf60", 0.55), (1, "#ff8a20", 0)])
    s += flat(circle_d(16, 8, 10), glow)
    s += flat(smooth_d([(12, 12), (13, 6), (16, 1), (19, 6), (20, 12)], True, 0.4), "#ff8a20", 1.2)
    s += flat(smooth_d([(14, 12), (15, 8), (16, 5), (17, 8), (18, 12)], True, 0.4), "#fff1a0")
    return s


def torch(color="#8a7a6a"):
    """A standing torch: its pole reaches the cell's bottom edge and ends in
    a stake with a little heap of earth, so it stands on the ground below."""
    s = line([(16, 14), (16, 31)], OUT, 4) + line([(16, 14), (16, 31)], color, 2.2)
    s += flat(smooth_d([(9, 32), (12, 28.5), (16, 27.5), (20, 28.5), (23, 32)], True, 0.4), "#4a3a2e", 1.2)
    s += flat(poly_d([(11, 12), (21, 12), (19, 16), (13, 16)]), "#55606f", 1.2)
    return flame(s)


def wall_torch(color):
    """A torch in a wall sconce: a back plate fixed to the wall holds the
    cup on a short curved arm, so it reads as mounted, not floating."""
    s = flat(rect_d(13, 17, 6, 12), color, 1.3) + flat(circle_d(16, 20, 0.9), OUT) + flat(circle_d(16, 26, 0.9), OUT)
    s += line([(16, 23), (16, 16)], OUT, 3.6) + line([(16, 23), (16, 16)], color, 1.8)
    s += flat(poly_d([(11, 12), (21, 12), (19, 16), (13, 16)]), color, 1.2)
    return flame(s)


lantern = (line([(16, 0), (16, 8)], OUT, 1.5) + flat(rect_d(11, 8, 10, 14), "#2a2430", 1.4) + flat(rect_d(13, 10, 6, 10), "#ffcf60")
           + flat(poly_d([(10, 8), (22, 8), (16, 4)]), "#55606f", 1.2))
sc(5, 11, lantern)
sc(5, 12, torch())


# rooftops (rows 14..16)
def chimney(part):
    """A chimney stack behind the rooftop: deeper veiled than the roof, with
    soft brick-brown edges instead of the ink outline that solid ground
    wears, so a player does not take it for a pillar that blocks the way."""
    edge = "#3a2622"
    s = roof_fill() if part == 1 else ""
    if part == 1:
        s = '<g clip-path="url(#chim)">%s</g>' % s + line([(4, 0), (4, 32)], edge, 2, cap="butt") + line([(28, 0), (28, 32)], edge, 2, cap="butt")
    else:
        s += '<g clip-path="url(#chim)">%s</g>' % roof_fill()
        s += flat(rect_d(2, 6, 28, 6), "#9b8f86", 1.6, stroke=edge) + line([(4, 12), (4, 32)], edge, 2, cap="butt")
        s += line([(28, 12), (28, 32)], edge, 2, cap="butt")
        s += flat(rect_d(8, 1, 6, 5), "#6a5a50", 1.2, stroke=edge) + flat(rect_d(18, 2, 6, 4), "#6a5a50", 1.2, stroke=edge)
    return dark(s, 0.5)


doc.defs.append('<clipPath id="chim"><rect x="4" y="0" width="24" height="32"/></clipPath>')
sc(0, 14, chimney(0))
sc(0, 15, chimney(1))
win_lit = (flat(rect_d(6, 4, 20, 24), "#3a2a26", 1.6) + flat(rect_d(8, 6, 16, 20), "#ffcf60")
           + line([(16, 6), (16, 26)], "#3a2a26", 2, cap="butt") + line([(8, 16), (24, 16)], "#3a2a26", 2, cap="butt")
           + flat(rect_d(8, 6, 7, 9), "#ffe8a0") + flat(rect_d(4, 27, 24, 3), "#9b8f86", 1.2))
sc(1, 14, win_lit)
win_dark = (flat(rect_d(6, 4, 20, 24), "#3a2a26", 1.6) + flat(rect_d(8, 6, 16, 20), "#24304a")
            + line([(16, 6), (16, 26)], "#3a2a26", 2, cap="butt") + line([(8, 16), (24, 16)], "#3a2a26", 2, cap="butt")
            + flat(rect_d(4, 27, 24, 3), "#9b8f86", 1.2))
sc(2, 14, dark(win_dark, 0.2))
antenna = line([(16, 32), (16, 4)], OUT, 3) + line([(16, 32), (16, 4)], "#8a95a8", 1.4)
for y, w in ((8, 10), (14, 8), (20, 6)):
    antenna += line([(16 - w, y), (16 + w, y)], OUT, 2.6) + line([(16 - w, y), (16 + w, y)], "#8a95a8", 1.2)
sc(1, 15, dark(antenna, 0.3))
laundry = line([(0, 6), (16, 10), (32, 6)], "#c8ccd4", 1)
laundry += flat(poly_d([(6, 8), (13, 9.6), (12, 20), (7, 19)]), "#d0e0f0", 1.2) + flat(poly_d([(18, 9.5), (25, 8), (26, 16), (19, 17)]), "#e07080", 1.2)
sc(2, 15, dark(laundry, 0.3))


def cloud(part):
    pts = {0: [(6, 28), (4, 20), (12, 14), (22, 12), (32, 14), (32, 28)],
           1: [(0, 28), (0, 14), (8, 8), (18, 6), (26, 10), (32, 14), (32, 28)],
           2: [(0, 28), (0, 14), (10, 12), (20, 16), (27, 20), (26, 28)]}[part]
    d = smooth_d(pts, False, 0.4) + "Z"
    s = flat(d, "#4a4a6e") + flat(smooth_d([(x, y + 4) for x, y in pts], False, 0.4) + "Z", "#3a3a5a", opacity=0.8)
    s += flat(smooth_d([(x, y - 0.5) for x, y in pts[:-1]], False, 0.4), "none", 1.4, "#7a7aa8")
    return s


for i in range(3):
    sc(3 + i, 14, cloud(i))
moon = flat(circle_d(16, 16, 14), radial(doc, [(0, "#fff6d8", 1), (0.8, "#f0e0b0", 1), (1, "#c0b090", 1)]))
moon += flat(circle_d(11, 12, 3), "#e0cfa0") + flat(circle_d(20, 21, 2), "#e0cfa0") + flat(circle_d(21, 10, 1.5), "#e0cfa0")
sc(3, 15, moon)
stars = ""
rnd = random.Random(5)
for i in range(6):
    stars += flat(star_d(rnd.uniform(3, 29), rnd.uniform(3, 29), rnd.uniform(1.2, 2.2), 0.5, 4), "#e8e8ff")
sc(4, 15, stars)


# mansion (rows 17..19)
def mwindow(part):
    s = R(3, 0, 26, 32, "#3a2418") + R(6, 0, 20, 32, "#1e2848")
    s += line([(16, 0), (16, 32)], "#3a2418", 2, cap="butt")
    s += flat(ellipse_d(21, 10 if part == 0 else 0, 3, 3), "#fff6d8", opacity=0.7) if part == 0 else ""
    if part == 0:
        s = R(3, 8, 26, 24, "#3a2418") + R(6, 11, 20, 21, "#1e2848") + flat(smooth_d([(3, 10), (16, 1), (29, 10)], True, 0.4), "#3a2418", 1.5)
        s += flat(smooth_d([(6, 11), (16, 4), (26, 11)], True, 0.4), "#2a3a66") + line([(16, 4), (16, 32)], "#3a2418", 2, cap="butt")
        s += line([(8, 16), (13, 12)], "#6a7ab0", 1.2)
    else:
        s += line([(6, 16), (26, 16)], "#3a2418", 2, cap="butt") + flat(rect_d(1, 28, 30, 4), "#d7a944", 1.2)
    s += line([(3, 0), (3, 32)], OUT, 2, cap="butt") + line([(29, 0), (29, 32)], OUT, 2, cap="butt")
    # curtains
    s += flat(poly_d([(3, 9 if part == 0 else 0), (9, 9 if part == 0 else 0), (7, 32 if part == 0 else 24), (3, 32 if part == 0 else 26)]), "#8a1a30", 1.2)
    s += flat(poly_d([(29, 9 if part == 0 else 0), (23, 9 if part == 0 else 0), (25, 32 if part == 0 else 24), (29, 32 if part == 0 else 26)]), "#8a1a30", 1.2)
    return dark(s, 0.25)


sc(0, 17, mwindow(0))
sc(0, 18, mwindow(1))


def pillar(part, body="#8c8478", hl="#c4bcae", sh="#5e574e"):
    s = ""
    if part == 0:
        s += flat(rect_d(4, 2, 24, 6), body, 1.5) + flat(rect_d(7, 8, 18, 4), body, 1.5)
        s += R(9, 12, 14, 20, body) + line([(9, 12), (9, 32)], OUT, 2, cap="butt") + line([(23, 12), (23, 32)], OUT, 2, cap="butt")
    elif part == 1:
        s += R(9, 0, 14, 32, body) + line([(9, 0), (9, 32)], OUT, 2, cap="butt") + line([(23, 0), (23, 32)], OUT, 2, cap="butt")
    else:
        s += R(9, 0, 14, 20, body) + line([(9, 0), (9, 20)], OUT, 2, cap="butt") + line([(23, 0), (23, 20)], OUT, 2, cap="butt")
        s += flat(rect_d(7, 20, 18, 4), body, 1.5) + flat(rect_d(4, 24, 24, 7), body, 1.5)
    y0, y1 = (12, 32) if part == 0 else ((0, 32) if part == 1 else (0, 20))
    s += line([(12, y0), (12, y1)], hl, 1.5, cap="butt") + line([(20, y0), (20, y1)], sh, 2, cap="butt")
    s += line([(16, y0), (16, y1)], sh, 0.8, cap="butt")
    return dark(s, 0.3)


for i in range(3):
    sc(1, 17 + i, pillar(i))
portrait = (flat(rect_d(4, 3, 24, 26), "#d7a944", 1.6) + flat(rect_d(7, 6, 18, 20), "#2a2a3e")
            + flat(ellipse_d(16, 14, 4, 5), "#b09080") + flat(smooth_d([(8, 26), (11, 19), (21, 19), (24, 26)], True, 0.3), "#3a4a6a"))
sc(2, 17, dark(portrait, 0.25))
candel = (line([(16, 31), (16, 16)], OUT, 3.5) + line([(16, 31), (16, 16)], "#d7a944", 1.8)
          + line([(6, 14), (6, 18), (26, 18), (26, 14)], OUT, 3) + line([(6, 14), (6, 18), (26, 18), (26, 14)], "#d7a944", 1.4)
          + flat(rect_d(10, 27, 12, 4), "#d7a944", 1.2))
for x in (6, 16, 26):
    candel += flat(rect_d(x - 1.5, 8, 3, 6), "#f0ead8", 1) + flat(smooth_d([(x - 1.5, 8), (x, 3), (x + 1.5, 8)], True, 0.4), "#ffcf60")
sc(3, 17, candel)
chand = (line([(16, 0), (16, 10)], OUT, 2) + flat(smooth_d([(4, 12), (16, 20), (28, 12)], True, 0.4), "#d7a944", 1.4))
for x in (6, 16, 26):
    chand += flat(rect_d(x - 1.2, 6 if x != 16 else 12, 2.4, 5), "#f0ead8", 0.8)
    chand += flat(circle_d(x, 4 if x != 16 else 10, 1.6), "#ffcf60")
chand += flat(poly_d([(14, 20), (18, 20), (16, 26)]), "#a0d0ff", 1)
sc(2, 18, chand)
sc(4, 17, wall_torch("#d7a944"))
vase = (shape(doc, smooth_d([(12, 31), (9, 22), (11, 14), (13, 10), (12, 6), (20, 6), (19, 10), (21, 14), (23, 22), (20, 31)], True, 0.4),
              "#3a5a9a", "#243c6a", off=(2, 1.5), sw=1.5) + line([(11, 18), (21, 18)], "#e0e8ff", 1.2))
sc(4, 18, dark(vase, 0.2))

# catacombs (rows 20..22)
for i, (w, cross) in enumerate([(9, True), (8, False), (7, True)]):
    g = shape(doc, smooth_d([(16 - w, 31), (16 - w, 14), (16, 14 - w), (16 + w, 14), (16 + w, 31)], True, 0.3),
              ["#7d8290", "#6e7466", "#857a70"][i], "#4a4e58", off=(2, 2), hl="#b0b6c2", hl_d=ellipse_d(13, 11, 2, 1))
    if cross:
        g += line([(16, 12), (16, 24)], "#3e424c", 1.8) + line([(12, 16), (20, 16)], "#3e424c", 1.8)
    else:
        g += line([(12, 16), (20, 16)], "#3e424c", 1) + line([(12, 19), (20, 19)], "#3e424c", 1) + line([(12, 22), (18, 22)], "#3e424c", 1)
    if i == 1:
        g += line([(18, 6), (14, 14), (16, 20)], OUT, 1)
    sc(i, 20, dark(g, 0.25))
skulls = ""
for x, y in ((9, 24), (22, 25), (15, 18)):
    skulls += shape(doc, smooth_d([(x - 5, y + 1), (x - 5, y - 4), (x, y - 7), (x + 5, y - 4), (x + 5, y + 1), (x + 2, y + 4), (x - 2, y + 4)], True, 0.3),
                    "#e0d9c6", "#a39c8b", off=(1, 1), sw=1.3)
    skulls += flat(circle_d(x - 2, y - 1, 1.4), OUT) + flat(circle_d(x + 2, y - 1, 1.4), OUT)
skulls += line([(2, 31), (30, 29)], "#d0c8b4", 3) + line([(2, 31), (30, 29)], OUT, 0.8)
sc(3, 20, dark(skulls, 0.2))
web = ""
for a in range(0, 91, 18):
    r = math.radians(a)
    web += line([(0, 0), (math.cos(r) * 30, math.sin(r) * 30)], "#c8c8d8", 0.8, opacity=0.8)
for rr in (8, 15, 22):
    web += line([(math.cos(math.radians(a)) * rr, math.sin(math.radians(a)) * rr) for a in range(0, 91, 18)], "#c8c8d8", 0.8, opacity=0.8)
sc(4, 20, web)
sc(5, 20, torch("#6a6058"))
arch_l = R(0, 0, 32, 32, "#3b404a") + flat(smooth_d([(32, 32), (32, 6), (20, 10), (12, 20), (10, 32)], False, 0.4) + "Z", "#12141a")
sc(0, 21, dark(arch_l, 0.2))
arch_r = R(0, 0, 32, 32, "#3b404a") + flat(smooth_d([(0, 32), (0, 6), (12, 10), (20, 20), (22, 32)], False, 0.4) + "Z", "#12141a")
sc(1, 21, dark(arch_r, 0.2))
# A skull in a shallow niche. The recess is stone in shadow, not a black
# hole, and the skull has a cranium, sockets, teeth and bones under it: a
# pale round face with two dots in a dark hood read to a player as some
# creature peering out of the wall.
niche = backwall(cata_fill, 0.45) + flat(smooth_d([(7, 31), (7, 12), (16, 5), (25, 12), (25, 31)], True, 0.4), "#2c3038", 1.4)
niche += flat(smooth_d([(8.5, 15), (16, 7), (23.5, 15), (16, 11.5)], True, 0.4), "#1c1f26")
niche += line([(7.5, 28.5), (24.5, 28.5)], "#4a505c", 1.2, cap="butt")
for a, b in (((9, 29.5), (22, 28.8)), ((11, 27), (24, 26.6))):   # bones laid along the shelf
    niche += line([a, b], OUT, 3.2) + line([a, b], "#c8c0ac", 1.8)
    for x, y in (a, b):
        niche += flat(circle_d(x, y - 0.6, 1.2), "#c8c0ac", 0.8) + flat(circle_d(x, y + 0.6, 1.2), "#c8c0ac", 0.8)
niche += shape(doc, smooth_d([(11, 22), (11.5, 17), (16, 14), (20.5, 17), (21, 22), (19, 24.5), (13, 24.5)], True, 0.35),
               "#d2cab6", "#9a927e", off=(1.5, 1.5), sw=1.2)
niche += flat(rect_d(13.2, 23.6, 5.6, 3.2), "#c8c0ac", 1.1) + line([(14.8, 24), (14.8, 26.6)], OUT, 0.7)
niche += line([(16.2, 24), (16.2, 26.6)], OUT, 0.7) + line([(17.6, 24), (17.6, 26.6)], OUT, 0.7)
niche += flat(ellipse_d(14, 19.6, 1.6, 1.9), "#1a1418") + flat(ellipse_d(18, 19.6, 1.6, 1.9), "#1a1418")
niche += flat(poly_d([(16, 21.2), (15.2, 23), (16.8, 23)]), "#1a1418")
sc(2, 21, niche)
chains = ""
for x in (10, 22):
    for y in range(0, 32, 6):
        chains += flat(ellipse_d(x, y + 3, 1.8, 3), "none", 1.2, "#8a95a8")
sc(3, 21, dark(chains, 0.3))


# clock tower (rows 23..25)
def gear(cx, cy, r, teeth, fill="#b08a3a", hole=True):
    p = []
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4)
        rr = r if (i % 4) in (0, 1) else r - 3
        p.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    s = shape(doc, poly_d(p), fill, "#6e5420", off=(1.5, 1.5), sw=1.5)
    s += flat(circle_d(cx, cy, r * 0.55), "none", 1.2, "#6e5420")
    if hole:
        s += flat(circle_d(cx, cy, r * 0.22), "#1b1424")
    return s


big = gear(32, 32, 28, 14)
for i, (c, r) in enumerate(((0, 23), (1, 23), (0, 24), (1, 24))):
    x, y = (i % 2) * 32, (i // 2) * 32
    sc(c, r, dark('<g transform="translate(%d,%d)">%s</g>' % (-x, -y, big), 0.3))
# The loose gears hang in the air as far-off clockwork: veiled deeper than the
# props at hand, so that nobody takes them for a saw blade or a pickup.
sc(2, 23, dark(gear(16, 16, 13, 9, "#8a95a8"), 0.55))
sc(3, 23, dark(gear(16, 16, 9, 7, "#b08a3a"), 0.55))
pend = line([(16, 0), (16, 32)], OUT, 3) + line([(16, 0), (16, 32)], "#b08a3a", 1.5)
sc(2, 24, dark(pend, 0.3))
bob = line([(16, 0), (16, 12)], OUT, 3) + line([(16, 0), (16, 12)], "#b08a3a", 1.5)
bob += shape(doc, circle_d(16, 20, 9), "#d2a23e", "#8c6418", off=(2, 2), hl="#fbe08a", hl_d=ellipse_d(13, 16, 3, 2))
sc(3, 24, dark(bob, 0.3))
# a 2 x 2 clock face
face = flat(circle_d(32, 32, 29), "#d2a23e", 2) + flat(circle_d(32, 32, 25), "#f0e8d0", 1.5)
for i in range(12):
    a = 2 * math.pi * i / 12
    face += line([(32 + math.cos(a) * 20, 32 + math.sin(a) * 20), (32 + math.cos(a) * 23, 32 + math.sin(a) * 23)], OUT, 2 if i % 3 == 0 else 1)
face += line([(32, 32), (32, 16)], OUT, 2.5) + line([(32, 32), (43, 36)], OUT, 2) + flat(circle_d(32, 32, 2), OUT)
for i, (c, r) in enumerate(((4, 23), (5, 23), (4, 24), (5, 24))):
    x, y = (i % 2) * 32, (i // 2) * 32
    sc(c, r, dark('<g transform="translate(%d,%d)">%s</g>' % (-x, -y, face), 0.25))
girder = R(0, 12, 32, 8, "#4e5866") + line([(0, 12), (32, 12)], OUT, 1.5, cap="butt") + line([(0, 20), (32, 20)], OUT, 1.5, cap="butt")
girder += line([(0, 20), (8, 12), (16, 20), (24, 12), (32, 20)], "#7a8494", 1.4) + rivets(16, 4, 28, 8)
sc(0, 25, dark(girder, 0.3))
vgirder = R(12, 0, 8, 32, "#4e5866") + line([(12, 0), (12, 32)], OUT, 1.5, cap="butt") + line([(20, 0), (20, 32)], OUT, 1.5, cap="butt")
vgirder += line([(12, 0), (20, 8), (12, 16), (20, 24), (12, 32)], "#7a8494", 1.4)
sc(1, 25, dark(vgirder, 0.3))
bell = shape(doc, smooth_d([(5, 28), (9, 22), (10, 10), (16, 5), (22, 10), (23, 22), (27, 28)], True, 0.35), "#c89a3a", "#8c6418",
             off=(2, 1.5), hl="#fbe08a", hl_d=ellipse_d(13, 13, 1.5, 3.5))
bell += flat(circle_d(16, 29, 2.2), "#8c6418", 1.2) + line([(16, 0), (16, 5)], OUT, 2)
sc(2, 25, dark(bell, 0.25))

# throne room (rows 26..28)
for i in range(3):
    sc(0, 26 + i, pillar(i, "#4e3e6e", "#7a68a0", "#2c2042"))


def banner(part):
    if part == 0:
        s = line([(2, 4), (30, 4)], OUT, 3.5) + line([(2, 4), (30, 4)], "#d2a23e", 2)
        s += flat(rect_d(6, 5, 20, 27), "#9a1a30", 1.5) + line([(8, 5), (8, 32)], "#c84058", 1.2)
        s += flat(star_d(16, 20, 6, 2.5, 5, -math.pi / 2), "#d2a23e", 1)
    else:
        s = flat(poly_d([(6, 0), (26, 0), (26, 24), (16, 18), (6, 24)]), "#9a1a30", 1.5) + line([(8, 0), (8, 22)], "#c84058", 1.2)
        s += line([(6, 0), (6, 24)], OUT, 1.5)
    return dark(s, 0.25)


sc(1, 26, banner(0))
sc(1, 27, banner(1))


def stained(part):
    x0, y0 = (part % 2) * 32, (part // 2) * 32
    arch = smooth_d([(6, 64), (6, 22), (32, 4), (58, 22), (58, 64)], True, 0.35)
    s = flat(arch, "#2c2042", 2)
    cols = ["#c02840", "#3050c0", "#d2a23e", "#30a070"]
    k = 0
    cid = doc.uid("sg")
    doc.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, arch))
    panes = ""
    for gx in range(9, 56, 11):
        for gy in range(4, 64, 12):
            k += 1
            panes += flat(rect_d(gx, gy, 9, 10), cols[(k * 3 + gx) % 4], opacity=0.75)
    s += '<g clip-path="url(#%s)">%s</g>' % (cid, panes)
    s += flat(smooth_d([(6, 64), (6, 22), (32, 4), (58, 22), (58, 64)], True, 0.35), "none", 3, "#1b1424")
    s += line([(32, 4), (32, 64)], OUT, 2) + line([(6, 40), (58, 40)], OUT, 2)
    return dark('<g transform="translate(%d,%d)">%s</g>' % (-x0, -y0, s), 0.3)


for i, (c, r) in enumerate(((2, 26), (3, 26), (2, 27), (3, 27))):
    sc(c, r, stained(i))
carpet = R(0, 0, 32, 32, "#8a1a30") + line([(0, 3), (32, 3)], "#d2a23e", 2, cap="butt") + line([(0, 29), (32, 29)], "#d2a23e", 2, cap="butt")
carpet += flat(star_d(16, 16, 5, 2, 4), "#b02a44")
sc(4, 26, dark(carpet, 0.35))
sc(4, 27, wall_torch("#d2a23e"))
statue = shape(doc, smooth_d([(9, 31), (10, 18), (12, 12), (13, 6), (19, 6), (20, 12), (22, 18), (23, 31)], True, 0.35), "#8a8296",
               "#5a5266", off=(2, 1.5), hl="#c0b8cc", hl_d=ellipse_d(14, 10, 1.5, 2.5))
statue += flat(circle_d(16, 5, 4), "#8a8296", 1.5) + flat(rect_d(6, 28, 20, 4), "#5a5266", 1.2)
sc(5, 26, dark(statue, 0.25))
crown = flat(poly_d([(6, 22), (6, 10), (11, 16), (16, 8), (21, 16), (26, 10), (26, 22)]), "#d2a23e", 1.5)
crown += flat(circle_d(16, 18, 2), "#c02840", 1) + line([(7, 20), (25, 20)], "#fbe08a", 1)
sc(5, 27, dark(crown, 0.2))

# ---- more props per world
def big(cells, draw, veil=0.25):
    """Spreads one drawing in chip coordinates (0, 0 at the first cell) over several cells."""
    c0, r0 = cells[0]
    for c, r in cells:
        x, y = (c - c0) * 32, (r - r0) * 32
        sc(c, r, dark('<g transform="translate(%d,%d)">%s</g>' % (-x, -y, draw), veil))


# forest: a leafy crown (2 x 2), a mossy rock, flowers, a fallen log (2 x 1)
crown = ""
for x, y, r, col in ((20, 40, 18, "#1d4a28"), (44, 36, 20, "#1d4a28"), (32, 22, 20, "#24582f"), (14, 26, 12, "#24582f"),
                     (50, 20, 12, "#24582f"), (32, 46, 14, "#1d4a28")):
    crown += flat(circle_d(x, y, r + 1.5), OUT) + flat(circle_d(x, y, r), col)
for x, y in ((26, 16), (40, 14), (18, 30), (46, 30), (32, 34)):
    crown += flat(ellipse_d(x, y, 5, 2.5), "#3f8f4c")
crown += line([(32, 64), (32, 50)], OUT, 8) + line([(32, 64), (32, 50)], "#4a3226", 5)
big([(6, 11), (7, 11), (6, 12), (7, 12)], crown, 0.3)
rock = shape(doc, smooth_d([(3, 31), (5, 20), (14, 13), (25, 15), (30, 24), (29, 31)], True, 0.3), "#6a6f78", "#464a52", off=(2, 2),
             hl="#a0a6ae", hl_d=ellipse_d(13, 18, 3, 1.3))
rock += flat(smooth_d([(6, 20), (14, 13.5), (24, 15.5), (18, 18), (10, 21)], True, 0.3), "#3f8f4c")
sc(8, 11, dark(rock, 0.25))
flowers = ""
for x, col in ((6, "#e05a8a"), (15, "#f0d040"), (24, "#a070e0")):
    flowers += line([(x, 32), (x + 1, 20)], "#2f7a40", 1.4) + flat(star_d(x + 1, 19, 3.5, 1.6, 5), col, 1) + flat(circle_d(x + 1, 19, 1.2), "#fff6c0")
sc(8, 12, dark(flowers, 0.25))
log = shape(doc, rect_d(2, 16, 60, 14), "#6b4a38", "#4a3226", off=(0, 3)) + flat(ellipse_d(58, 23, 5, 7), "#a07a58", 1.5)
log += flat(ellipse_d(58, 23, 2.5, 3.5), "none", 1, "#6b4a38") + line([(10, 20), (40, 20)], "#8a6a50", 1.2) + line([(20, 26), (48, 26)], "#3a271e", 1)
log += flat(ellipse_d(24, 16, 6, 2), "#3f8f4c")
big([(6, 13), (7, 13)], log, 0.25)

# rooftops: a dormer window, railings, a street lamp (1 x 2)
dormer = flat(poly_d([(2, 14), (16, 2), (30, 14)]), "#a8493a", 1.6) + flat(rect_d(5, 14, 22, 18), "#7b4538", 1.6)
dormer += flat(rect_d(10, 17, 12, 12), "#ffcf60", 1.2) + line([(16, 17), (16, 29)], "#3a2a26", 1.5) + line([(10, 23), (22, 23)], "#3a2a26", 1.5)
sc(6, 14, dormer)
rail = line([(0, 8), (32, 8)], OUT, 3.5) + line([(0, 8), (32, 8)], "#6a7484", 1.8)
for x in (4, 12, 20, 28):
    rail += line([(x, 8), (x, 32)], OUT, 2.6) + line([(x, 8), (x, 32)], "#6a7484", 1.2)
sc(7, 14, dark(rail, 0.3))
lamp = line([(16, 64), (16, 14)], OUT, 4) + line([(16, 64), (16, 14)], "#3a4050", 2.2)
lamp += flat(poly_d([(8, 14), (24, 14), (21, 4), (11, 4)]), "#2a3040", 1.5) + flat(rect_d(11, 6, 10, 7), "#ffcf60")
lamp += flat(circle_d(16, 10, 14), radial(doc, [(0, "#ffcf60", 0.45), (1, "#ffcf60", 0)]))
lamp += flat(rect_d(10, 58, 12, 6), "#3a4050", 1.4)
for k, (c, r) in enumerate(((8, 14), (8, 15))):
    sc(c, r, '<g transform="translate(0,%d)">%s</g>' % (-32 * k, lamp))

# mansion: a bookshelf (1 x 2) and a grandfather clock (1 x 3)
shelf = flat(rect_d(2, 1, 28, 62), "#5a3220", 1.8)
rnd = random.Random(8)
for y in (4, 20, 36, 52):
    x = 4
    while x < 27:
        w = rnd.choice((2, 3, 3, 4))
        h = rnd.choice((9, 10, 11))
        shelf += flat(rect_d(x, y + 12 - h, w, h), rnd.choice(("#8a1a30", "#2a4a7a", "#2a6a3a", "#a08040", "#5a3a6a")))
        x += w + 0.5
    shelf += line([(3, y + 12.5), (29, y + 12.5)], "#3a1e12", 2, cap="butt")
big([(5, 17), (5, 18)], shelf, 0.3)
gclock = flat(poly_d([(6, 8), (16, 1), (26, 8), (26, 94), (6, 94)]), "#5a3220", 1.8)
gclock += flat(circle_d(16, 18, 8), "#f0e8d0", 1.4) + line([(16, 18), (16, 12)], OUT, 1.2) + line([(16, 18), (20, 20)], OUT, 1.2)
gclock += flat(rect_d(10, 32, 12, 40), "#2a1810", 1.4) + line([(16, 32), (16, 62)], "#d7a944", 1.2)
gclock += flat(circle_d(16, 64, 4), "#d7a944", 1.2) + flat(rect_d(4, 88, 24, 6), "#4a2616", 1.4)
big([(6, 17), (6, 18), (6, 19)], gclock, 0.3)

# catacombs: a coffin (2 x 1), a heap of bones, candles
coffin = shape(doc, poly_d([(2, 16), (10, 8), (56, 8), (62, 16), (56, 26), (10, 26)]), "#4a3428", "#2e2018", off=(0, 3), sw=1.8)
coffin += line([(24, 11), (24, 23)], "#8a8070", 2) + line([(20, 15), (28, 15)], "#8a8070", 2)
big([(6, 20), (7, 20)], coffin, 0.25)
bones = ""
for (x0, y0, x1, y1) in ((4, 28, 22, 22), (10, 24, 28, 29), (6, 20, 20, 27)):
    bones += line([(x0, y0), (x1, y1)], OUT, 4.5) + line([(x0, y0), (x1, y1)], "#e0d9c6", 2.5)
    for x, y in ((x0, y0), (x1, y1)):
        bones += flat(circle_d(x, y, 2.2), "#e0d9c6", 1)
sc(8, 20, dark(bones, 0.2))
candles = ""
for x, h in ((9, 14), (16, 20), (23, 11)):
    candles += flat(rect_d(x - 2.5, 31 - h, 5, h), "#e8e0c8", 1.2) + flat(smooth_d([(x - 2, 31 - h), (x, 25 - h), (x + 2, 31 - h)], True, 0.4), "#ffb050")
candles += flat(circle_d(16, 12, 14), radial(doc, [(0, "#ffb050", 0.3), (1, "#ffb050", 0)]))
sc(6, 21, candles)

# clock tower: a round window with the moon behind it (2 x 2)
rose = flat(circle_d(32, 32, 29), "#3a3238", 2.5) + flat(circle_d(32, 32, 24), "#1e2848")
rose += flat(circle_d(40, 24, 8), "#e8e0c0", opacity=0.7)
for k in range(8):
    a = math.pi * k / 4
    rose += line([(32, 32), (32 + math.cos(a) * 24, 32 + math.sin(a) * 24)], "#3a3238", 2.5)
rose += flat(circle_d(32, 32, 6), "#3a3238", 1.5) + flat(circle_d(32, 32, 24), "none", 2, "#8a6a30")
big([(6, 23), (7, 23), (6, 24), (7, 24)], rose, 0.25)

# throne room: a brazier with violet fire, and a candle stand (1 x 2)
brazier = flat(poly_d([(6, 18), (26, 18), (22, 26), (10, 26)]), "#d2a23e", 1.5) + flat(rect_d(14, 26, 4, 6), "#8c6418", 1.2)
brazier += flat(smooth_d([(8, 18), (11, 8), (16, 1), (21, 8), (24, 18)], True, 0.4), "#a050e0", 1.2)
brazier += flat(smooth_d([(12, 18), (14, 11), (16, 7), (18, 11), (20, 18)], True, 0.4), "#f0c0ff")
sc(6, 26, brazier)
stand = line([(16, 62), (16, 12)], OUT, 4) + line([(16, 62), (16, 12)], "#d2a23e", 2)
stand += flat(poly_d([(8, 62), (24, 62), (16, 54)]), "#d2a23e", 1.4) + flat(poly_d([(8, 12), (24, 12), (20, 16), (12, 16)]), "#d2a23e", 1.4)
stand += flat(rect_d(13, 2, 6, 10), "#f0e8d8", 1.2) + flat(circle_d(16, 0, 3), "#ffcf60")
for k, (c, r) in enumerate(((7, 26), (7, 27))):
    sc(c, r, dark('<g transform="translate(0,%d)">%s</g>' % (-32 * k, stand), 0.2))



# ---------------------------------------------------------------- world looks
# The later worlds and the trial course wear tile sets of their own, drawn in
# the sheet's spare active cells; the map kit lists where each tile sits.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "maps", "src"))
from levelkit import (LOOK_TILES, TILE_OFFSETS, HAZE, HAZE_LEFT, HAZE_RIGHT, HAZE_UP, HAZE_DOWN,  # noqa: E402
                      HAZED_VARIANTS, MASS_TILES)


def put_look(t, codes):
    """Twelve tiles of a look, one per offset of the kit's TILE_OFFSETS."""
    for (dx, dy), code in zip(TILE_OFFSETS, codes):
        L, Rr = dx == 0, dx == 2
        T, B = dy in (0, 3), dy in (2, 3)
        put(code // 100, code % 100, tile(t, T, L, Rr, B))


def rim_side(left, body, rim):
    x = 0 if left else 27
    return R(x, 0, 5, 32, body) + line([(x + (1.5 if left else 3.5), 0), (x + (1.5 if left else 3.5), 32)], rim, 1.2,
                                       cap="butt")


# --- trial: pale limestone, a chalk-white rim over a sandy band
def chalk_fill():
    return blocks_fill("#6e675c", "#837b6c", "#575045", "#ada391", ((0, 11, [12]), (11, 11, [5, 21]), (22, 10, [14])), 1)


def chalk_top(L, Rr):
    s = R(0, 0, 32, 9, "#c9b98f") + line([(0, 9), (32, 9)], OUT, 1.2, cap="butt")
    s += line([(0, 1.8), (32, 1.8)], "#fbf6e6", 1.8, cap="butt")
    for x in (5, 14, 25):
        s += flat(ellipse_d(x, 5.5, 2.2, 1), "#a8956a")
    return s


def chalk_bottom(L, Rr):
    return R(0, 27, 32, 5, "#4e483f") + line([(0, 27), (32, 27)], "#ada391", 1, cap="butt")


TRIAL_LOOK = Theme("chalk", 0, 0, fill=chalk_fill, top=chalk_top, bottom=chalk_bottom,
                   side=lambda left: rim_side(left, "#5e584e", "#e8dfc8"), block=chalk_fill)


# --- world 2: ember-lit brick under a stone coping strewn with autumn
# leaves. Built masonry, so it reads as a wall in the town, the theatre and
# the charnel house alike; a few mortar seams glow with the world's embers.
def embers_fill(ornament=True):
    s = blocks_fill("#22140f", "#46261e", "#301812", "#704032", ((0, 8, [12, 28]), (8, 8, [4, 20]), (16, 8, [12, 28]),
                                                                 (24, 8, [4, 20])), 2)
    if not ornament:
        return s
    # one short seam of embers per tile, dim, so a deep wall glows faintly
    # rather than repeating a bright dash
    s += line([(21, 23.5), (25, 23.5)], "#ff7a2a", 2.2, opacity=0.25) + line([(21, 23.5), (25, 23.5)], "#e08a4a", 0.8)
    return s


def embers_top(L, Rr):
    # a warm, light sandstone coping: the walking edge has to stand out from
    # the brown brick under it and world 2's brown-red skies (a grey-brown
    # one left the ledges muddy)
    s = R(0, 0, 32, 8, "#8c7262") + line([(0, 8), (32, 8)], OUT, 1.2, cap="butt")
    s += line([(0, 1.6), (32, 1.6)], "#ecd4b4", 1.6, cap="butt") + line([(0, 6.2), (32, 6.2)], "#5a4438", 1, cap="butt")
    for x, y, col in ((5, 4.2, "#e8782a"), (17, 3.6, "#f0b030"), (26, 4.6, "#c8401e")):
        s += flat(ellipse_d(x, y, 2.6, 1.3), col, 0.8)
    return s


def embers_bottom(L, Rr):
    s = R(0, 27, 32, 5, "#2a1612") + line([(0, 27.5), (32, 27.5)], "#8a4432", 1, cap="butt")
    for x in (6, 17, 26):
        s += flat(circle_d(x, 29.5, 1), "#ff9040")
    return s


EMBERS_LOOK = Theme("embers", 0, 0, fill=embers_fill, top=embers_top, bottom=embers_bottom,
                    side=lambda left: rim_side(left, "#3a1a14", "#c8b4a0"), block=embers_fill)


# --- world 3: blue slate under thick moss, ivy hanging from the undersides
def slate_fill():
    # thin courses of slate, each a shade of its own; the joints waver and
    # meet the next tile at the height they left this one
    rng = random.Random(3)
    s = R(0, 0, 32, 32, "#485468")
    edges = (0, 6, 13, 21, 28, 32)
    for y0, y1 in zip(edges, edges[1:]):
        s += R(0, y0, 32, y1 - y0, tone("#485468", rng.uniform(-0.08, 0.06)))
    for y in edges[1:-1]:
        s += line([(0, y), (11, y + 1.2), (22, y + 0.3), (32, y)], "#34404f", 1.4, cap="butt")
        s += line([(0, y + 1.4), (11, y + 2.6), (22, y + 1.7), (32, y + 1.4)], "#6a7890", 0.7, cap="butt")
    s += line([(9, 14.5), (12, 20)], "#34404f", 1) + line([(24, 22.5), (21, 28)], "#34404f", 1)
    return s


def slate_top(L, Rr):
    # a pale slate coping with tufts of moss in its joints: damp stone that
    # belongs in the library and the ossuary as much as out on the crag
    s = R(0, 0, 32, 8, "#6a7890") + line([(0, 8), (32, 8)], OUT, 1.2, cap="butt")
    s += line([(0, 1.6), (32, 1.6)], "#c4d0e4", 1.6, cap="butt") + line([(0, 6.2), (32, 6.2)], "#485468", 1, cap="butt")
    for x, w in ((4, 5), (19, 7)):
        s += flat(smooth_d([(x, 2), (x + w / 2, -0.5), (x + w, 2), (x + w - 1, 4.5), (x + 1, 4.5)], True, 0.4), "#5a9a44", 0.8)
    return s


def slate_bottom(L, Rr):
    s = R(0, 28, 32, 4, "#36404f") + line([(0, 28.5), (32, 28.5)], "#6a7890", 1, cap="butt")
    for x, h in ((7, 3), (22, 4)):
        s += line([(x, 29), (x + 0.5, 29 + h)], "#5a9a44", 1.4)
    return s


SLATE_LOOK = Theme("slate", 0, 0, fill=slate_fill, top=slate_top, bottom=slate_bottom,
                   side=lambda left: rim_side(left, "#3c4758", "#9fb0c8"), block=slate_fill)


# --- world 4: moonlit frost, a snow cap over frozen blue stone, icicles below
def frost_fill(ornament=True):
    s = blocks_fill("#2e3852", "#3a4664", "#242c42", "#6a7ea6", ((0, 10, [18]), (10, 11, [8, 26]), (21, 11, [14])), 4)
    if not ornament:
        return s
    # one faint glint of rime to a cell: a bright cross on every brick read
    # as snow noise over the whole wall (the stone is a shade lighter for
    # it, so it still stands apart from the hazed backdrop)
    x, y = 24, 17
    s += line([(x - 1.6, y), (x + 1.6, y)], "#7e9cc8", 0.8) + line([(x, y - 1.6), (x, y + 1.6)], "#7e9cc8", 0.8)
    return s


def frost_top(L, Rr):
    d = smooth_d([(-1, 0), (33, 0), (33, 6), (28, 9), (22, 7), (16, 10), (10, 7), (4, 9), (-1, 7)], True, 0.35)
    s = flat(d, "#dce8fa", 1.2) + line([(0, 1.6), (32, 1.6)], "#ffffff", 1.8, cap="butt")
    s += line([(4, 5.5), (12, 5.5)], "#a8c0e4", 1.1) + line([(19, 6), (27, 6)], "#a8c0e4", 1.1)
    return s


def frost_bottom(L, Rr):
    s = R(0, 27, 32, 5, "#222a3e")
    for x, h in ((6, 5), (15, 3), (24, 5)):
        s += flat(poly_d([(x - 2, 27), (x + 2, 27), (x, 27 + h)]), "#cfe2ff", 0.6)
    return s


FROST_LOOK = Theme("frost", 0, 0, fill=frost_fill, top=frost_top, bottom=frost_bottom,
                   side=lambda left: rim_side(left, "#28324a", "#cfe2ff"), block=frost_fill)


# --- world 5: gilded gothic, black basalt with gold trim and quatrefoils
def gilded_fill(ornament=True):
    # Dressed basalt: each upper block carries a faint gilt quatrefoil, so a
    # deep wall reads as gothic masonry and not as a flat dark slab, while
    # the ornament stays quiet behind the play.
    s = blocks_fill("#2a2434", "#3a3248", "#1c1826", "#706088", ((0, 16, [10, 22]), (16, 16, [16])), 5)
    if not ornament:
        return s
    for dx, dy in ((0, -2), (2, 0), (0, 2), (-2, 0)):
        s += flat(circle_d(16 + dx, 8 + dy, 1.5), "#7a5e2a")
    return s + flat(circle_d(16, 8, 0.9), "#b08a3a")


def gilded_top(L, Rr):
    s = R(0, 0, 32, 8, "#c8962e") + line([(0, 8), (32, 8)], OUT, 1.2, cap="butt")
    s += line([(0, 1.6), (32, 1.6)], "#fff0a8", 1.6, cap="butt") + line([(0, 6), (32, 6)], "#8a621c", 1, cap="butt")
    for x in (8, 24):
        s += flat(star_d(x, 4, 2, 0.9, 4, math.pi / 4), "#fff6d0")
    return s


def gilded_bottom(L, Rr):
    return R(0, 27, 32, 5, "#1a1620") + line([(0, 27.5), (32, 27.5)], "#c8962e", 1.4, cap="butt")


GILDED_LOOK = Theme("gilded", 0, 0, fill=gilded_fill, top=gilded_top, bottom=gilded_bottom,
                    side=lambda left: rim_side(left, "#1e1a26", "#e0b048"), block=gilded_fill)

for look in (TRIAL_LOOK, EMBERS_LOOK, SLATE_LOOK, FROST_LOOK, GILDED_LOOK):
    put_look(look, LOOK_TILES[look.name])



# ---------------------------------------------------------------- wall masses
# The fills of the masses players found plain, in shade and deep shade (the
# map kit picks them by how deep a cell lies), a pier for the later worlds
# and a repair for the deep inside. Shade veils the fill towards the night
# and lowers its contrast with it, so the deep inside stays calm behind play.
MASS_NIGHT = "#0c0a18"
MASS_SHADE, MASS_DEEP = 0.26, 0.46


def in_shade(drawing, amount):
    return drawing + R(0, 0, 32, 32, MASS_NIGHT, op=amount)


def pier(face, light, shade, joint, accent="", course=16):
    """A pilaster as wide as the cell, laid in courses with their joints
    staggered: lit on its left face, its right face in shadow, so a column
    of them stands out of the wall at a larger scale than one tile. It
    repeats upwards and downwards seamlessly."""
    face = tone(face, -0.1)  # a shade under the lit fill, so it stays calm in the deep wall
    s = R(0, 0, 32, 32, joint)
    for i, y in enumerate(range(0, 32, course)):
        s += R(2, y + 0.5, 28, course - 1, tone(face, -0.06 * (i % 2)))
        x = 12 if i % 2 else 20
        s += line([(x, y), (x, y + course)], joint, 1, cap="butt")
        s += line([(5, y + 1.8), (25, y + 1.8)], light, 0.8, cap="butt", opacity=0.6)
    s += R(2, 0, 3, 32, light, op=0.3) + R(26, 0, 4, 32, shade)
    s += line([(1, 0), (1, 32)], OUT, 2, cap="butt") + line([(31, 0), (31, 32)], OUT, 2, cap="butt")
    return s + accent


def crack(points, color="#120c14", w=1.1):
    return line(points, color, w) + line([(x + 0.8, y + 0.6) for x, y in points], "#ffffff", 0.5, opacity=0.12)


def repair_roofs():
    # a window long since bricked up: stone lintel and sill, the infill in
    # darker, smaller bricks that do not course with the wall around them
    s = roof_fill() + R(7, 7, 18, 18, "#3a1e18")
    for r, y in enumerate(range(7, 25, 4)):
        for x in range(7 - (3 if r % 2 else 0), 25, 6):
            x0 = max(x + 0.5, 7.5)
            s += R(x0, y + 0.5, min(x + 5.5, 24.5) - x0, 3, "#5e3228")
    s += flat(rect_d(5, 3.5, 22, 4), "#8a8078", 1, "#2a1a16") + line([(6, 4.6), (26, 4.6)], "#b0a69a", 0.8, cap="butt")
    s += flat(rect_d(5.5, 25, 21, 3), "#7a7068", 1, "#2a1a16")
    return s + crack([(19, 7.5), (17, 13), (20, 18)], w=0.9)


def repair_catacombs():
    # a breach stopped with small red-brown bricks, a crack running off it
    s = cata_fill() + R(7, 9, 18, 14, "#2a2024")
    for r, y in enumerate((9.5, 14, 18.5)):
        for x in range(7 - (4 if r % 2 else 0), 25, 8):
            s += R(max(x + 0.5, 7.5), y + 0.5, min(7, 24.5 - max(x + 0.5, 7.5)), 3.5, "#6a4a40")
    s += flat(rect_d(7, 9, 18, 14), "none", 1.2, "#2a2e36")
    return s + crack([(25, 12), (28, 7), (27, 2)]) + crack([(7, 21), (4, 25), (5, 30)])


def repair_embers():
    # a wrought-iron tie plate holding a cracked wall together
    s = embers_fill() + crack([(3, 4), (9, 10), (8, 15), (14, 20), (13, 26)])
    s += flat(star_d(19, 15, 8, 2.6, 4, math.pi / 4), "#2e2a2c", 1.2)
    s += flat(circle_d(19, 15, 2.4), "#4a4448", 1) + flat(circle_d(18.4, 14.4, 0.8), "#8a8088")
    return s


def repair_slate():
    # a newer, paler block set into the slate, moss in the crack beside it
    s = slate_fill() + flat(rect_d(14, 8, 14, 12), "#66748a", 1.2, "#2a3240")
    s += line([(15.5, 18.5), (15.5, 9.5), (26.5, 9.5)], "#94a4bc", 0.9)
    s += crack([(4, 3), (7, 12), (5, 20), (8, 29)])
    return s + flat(smooth_d([(5, 12), (9, 14), (8, 19), (4, 18)], True, 0.5), "#3a6a34")


def repair_chalk():
    # a breach filled with knapped flints in mortar, as chalk country mends
    # its walls: dark nodules of every size with pale rinds, laid roughly in
    # rows, and a crack running off the patch
    s = chalk_fill() + flat(smooth_d([(6, 9), (17, 6), (27, 10), (26, 23), (15, 26), (5, 21)], True, 0.35),
                            "#7e7768", 1.2, "#3e382f")
    rng = random.Random(7)
    for y, xs in ((10.5, (10, 15.5, 21, 25)), (16, (8.5, 13, 18.5, 23.5)), (21, (9.5, 15, 20.5))):
        for x in xs:
            x, y0 = x + rng.uniform(-0.8, 0.8), y + rng.uniform(-0.8, 0.8)
            rx, ry, a = rng.uniform(1.6, 2.7), rng.uniform(1.2, 1.9), rng.uniform(-25, 25)
            d = ellipse_d(x, y0, rx, ry)
            s += ('<g transform="rotate(%s %s %s)">' % (f(a), f(x), f(y0)) + flat(ellipse_d(x, y0, rx + 0.5, ry + 0.5), "#b4aa94")
                  + flat(d, tone("#34363e", rng.uniform(-0.15, 0.2))) + '</g>')
    return s + crack([(27, 12), (29, 6), (28, 1)]) + crack([(8, 23), (5, 28), (6, 32)])


def wood_pier(face, light, shade, groove):
    """A fluted pilaster of dark wood standing out of the panelling: lit on
    its left face, its right face in shadow, three flutes running its
    height; it repeats upwards and downwards seamlessly."""
    s = R(0, 0, 32, 32, face) + R(2, 0, 3, 32, light, op=0.35) + R(26, 0, 4, 32, shade)
    for x in (10, 16, 22):
        s += line([(x, 0), (x, 32)], groove, 2.2, cap="butt") + line([(x + 1.6, 0), (x + 1.6, 32)], light, 0.7,
                                                                        cap="butt", opacity=0.45)
    return s + line([(1, 0), (1, 32)], OUT, 2, cap="butt") + line([(31, 0), (31, 32)], OUT, 2, cap="butt")


def root_column():
    """An old tree's root running down through the earth: it wanders a
    little, throws off rootlets and meets itself at the cell's top and
    bottom, so a column of them reads as one root reaching deep."""
    s = forest_fill(False)
    path = [(16, 0), (14.5, 8), (17.5, 17), (15, 25), (16, 32)]
    s += line(path, OUT, 6.4) + line(path, "#6e4a32", 4.2)
    s += line([(x - 1.1, y) for x, y in path], "#9a6e4c", 1.2, opacity=0.7)
    for a, b in (((15, 8), (8, 13)), ((17, 17), (25, 21)), ((15.5, 24), (10, 29))):
        mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2 - 1.5)
        s += line([a, mid, b], OUT, 2.6) + line([a, mid, b], "#6e4a32", 1.2)
    # it runs through the deep shade only, and wears it a little lighter
    return in_shade(s, MASS_DEEP - 0.1)


MASS_LOOKS = {
    # world 1's forest soil: its "pier" is an old tree's root
    "forest": dict(fill=forest_fill, plain=lambda: forest_fill(False), pier=root_column),
    "roofs": dict(fill=roof_fill, repair=repair_roofs,
                  pier=lambda: pier("#5e342a", "#9a5a48", "#2e1812", "#2a1712", course=8)),
    "catacombs": dict(fill=cata_fill, repair=repair_catacombs,
                      pier=lambda: pier("#4e5562", "#8a93a2", "#262a32", "#22262e")),
    "embers": dict(fill=embers_fill, plain=lambda: embers_fill(False), repair=repair_embers,
                   pier=lambda: pier("#42302a", "#7a6254", "#1e1210", "#180c08",
                                     R(11, 6, 10, 3, "#ff7a2a", op=0.12))),
    "slate": dict(fill=slate_fill, repair=repair_slate,
                  pier=lambda: pier("#4a586c", "#8a9ab4", "#242c3a", "#1c222e",
                                    line([(9, 0), (9.5, 9), (8.5, 14)], "#4a7a40", 1.6))),
    "frost": dict(fill=frost_fill, plain=lambda: frost_fill(False),
                  pier=lambda: pier("#36425e", "#8aa4d0", "#1a2032", "#141a2a",
                                    line([(5, 16.2), (25, 16.2)], "#dce8fa", 1.1, cap="butt"))),
    "gilded": dict(fill=gilded_fill, plain=lambda: gilded_fill(False),
                   pier=lambda: pier("#3a3248", "#6e6088", "#16121e", "#0e0a14",
                                     line([(16, 3), (16, 13)], "#9a7a34", 1.2) + line([(16, 19), (16, 29)], "#9a7a34", 1.2))),
    # the trial's limestone is the palest wall of all: it goes a little
    # further into the night, so the first course a player sees stays calm
    "chalk": dict(fill=chalk_fill, repair=repair_chalk, shade_amount=0.3, deep_amount=0.52,
                  pier=lambda: pier("#746c5e", "#a89e88", "#3a352e", "#2e2a24")),
    "mansion": dict(fill=mansion_fill, plain=lambda: mansion_fill(False),
                    pier=lambda: wood_pier("#5a321f", "#a66a45", "#2e170d", "#2a140a")),
    "throne": dict(fill=throne_fill),
}


def wall_masses():
    for look, codes in MASS_TILES.items():
        art = MASS_LOOKS[look]
        shade, deep = art.get("shade_amount", MASS_SHADE), art.get("deep_amount", MASS_DEEP)
        # the deep inside drops the fill's ornament (quatrefoils, ember seams,
        # rime, raised panels), so the ornament runs as a band along the lit
        # top courses and the deep wall is plain masonry in shadow
        plain = art.get("plain", art["fill"])
        pictures = {"shade": lambda: in_shade(art["fill"](), shade), "deep": lambda: in_shade(plain(), deep),
                    "pier": lambda: art["pier"](), "repair": lambda: in_shade(art["repair"](), deep)}
        for part, code in codes.items():
            assert (code // 100, code % 100) not in chips, f"{look} {part}: cell {code} is taken"
            put(code // 100, code % 100, pictures[part]())


wall_masses()

# ---------------------------------------------------------------- world props (row 22)
def leaf(x, y, a, col, edge=OUT):
    """A small leaf: a pointed oval turned by `a` radians, edged in `edge`."""
    c, s_ = math.cos(a), math.sin(a)
    pts_ = [(-3.2, 0), (0, -1.6), (3.2, 0), (0, 1.6)]
    return flat(smooth_d([(x + px * c - py * s_, y + px * s_ + py * c) for px, py in pts_], True, 0.45), col, 0.7, edge)


def world_props():
    """One-cell props that each world's stages are dressed with."""
    # world 2: a heap of autumn leaves, a glowing ember bowl, a red-leaved bush.
    # The heap is low and wide and shows its leaves, with no ink outline: a
    # round outlined mound with spots read to players as a crouching foe.
    heap = flat(smooth_d([(0, 32), (3, 27.5), (10, 25), (17, 24), (24, 25.5), (30, 28), (32, 32)], True, 0.35), "#8a3a18",
                1.0, "#4a1e0e")
    rng_ = random.Random(221)
    leaves = ((5, 29, "#f0b030"), (10, 27, "#e8782a"), (15, 26, "#ffd060"), (20, 26.5, "#c8401e"), (25, 28, "#e8782a"),
              (28, 30.5, "#f0b030"), (8, 30.5, "#c8401e"), (13, 29.5, "#ffd060"), (18, 29, "#e8782a"), (23, 30, "#c8401e"))
    for x, y, col in leaves:
        heap += leaf(x, y, rng_.uniform(-1.2, 1.2), col, edge="#4a1e0e")
    sc(0, 22, dark(heap, 0.2))
    bowl = flat(poly_d([(6, 20), (26, 20), (21, 28), (11, 28)]), "#5a4a40", 1.4) + flat(rect_d(14, 28, 4, 4), "#3a302a", 1)
    bowl += flat(circle_d(16, 17, 11), radial(doc, [(0, "#ff8a2a", 0.5), (1, "#ff8a2a", 0)]))
    bowl += flat(smooth_d([(9, 20), (12, 14), (16, 9), (20, 14), (23, 20)], True, 0.4), "#ff7a2a", 1)
    bowl += flat(smooth_d([(13, 20), (16, 14), (19, 20)], True, 0.4), "#ffe08a")
    sc(1, 22, bowl)
    # the bush is a dome of many small leaf clusters round a few twigs, edged
    # in its own dark red: three big ink-outlined balls read as a crouching foe
    bush = ""
    for x0, x1, y1 in ((8, 5, 14), (16, 16, 9), (24, 27, 13)):
        bush += line([(16, 31), (x0, 24), (x1, y1)], "#3e2420", 1.6)
    rng_ = random.Random(222)
    for k in range(26):
        a = rng_.uniform(math.pi, 2 * math.pi)
        r = rng_.uniform(0.25, 1.0)
        x, y = 16 + math.cos(a) * 14 * r, 29 + math.sin(a) * 17 * r
        bush += flat(circle_d(x, y, rng_.uniform(2.4, 3.6)), rng_.choice(["#8a2a1a", "#a8401e", "#c8602a", "#b8481e"]),
                     0.8, "#4a140e")
    bush += flat(ellipse_d(13, 16, 2.4, 1.2), "#f0a040") + R(0, 29, 32, 3, "#3e2420")
    sc(2, 22, dark(bush, 0.25))
    # world 3: ivy hanging from a ledge, a fern, a cairn of slates
    ivy = ""
    for x, n in ((6, 4), (15, 6), (25, 3)):
        ivy += line([(x, 0), (x + 1, n * 5)], "#2f6a2a", 1.4)
        for k in range(n):
            ivy += flat(ellipse_d(x + (2 if k % 2 else -2), 3 + k * 5, 2.4, 1.4), "#6cb84e", 0.7)
    sc(3, 22, dark(ivy, 0.2))
    fern = ""
    for a in (-1.1, -0.6, -0.15, 0.3, 0.8):
        tip = (16 + math.sin(a) * 14, 31 - math.cos(a) * 18)
        fern += line([(16, 31), tip], "#2f6a2a", 3) + line([(16, 31), tip], "#6cb84e", 1.6)
    sc(4, 22, dark(fern, 0.2))
    cairn = ""
    for x, y, w in ((4, 26, 24), (7, 20, 18), (10, 15, 12), (13, 10, 6)):
        cairn += flat(smooth_d([(x, y + 5), (x + 1, y), (x + w - 1, y), (x + w, y + 5)], True, 0.3), "#6a7890", 1.3)
    sc(5, 22, dark(cairn, 0.2))
    # world 4: a snowy fir, a snow drift, icicles hanging from a ceiling
    fir = line([(16, 32), (16, 26)], OUT, 5) + line([(16, 32), (16, 26)], "#4a3226", 3)
    for y, w in ((26, 13), (18, 10), (10, 7)):
        fir += flat(poly_d([(16 - w, y), (16 + w, y), (16, y - 10)]), "#1e4a3a", 1.3)
        fir += flat(poly_d([(16 - w + 2, y - 1), (16 + w - 2, y - 1), (16, y - 4)]), "#e8f0ff")
    sc(6, 22, dark(fir, 0.15))
    drift = flat(smooth_d([(1, 32), (5, 24), (14, 19), (24, 21), (31, 32)], True, 0.3), "#dce8fa", 1.4)
    drift += line([(8, 25), (20, 22)], "#ffffff", 1.2)
    sc(7, 22, dark(drift, 0.15))
    ice = ""
    for x, h in ((5, 14), (12, 22), (19, 10), (26, 18)):
        ice += flat(poly_d([(x - 3, 0), (x + 3, 0), (x, h)]), "#cfe2ff", 1.1) + line([(x - 1, 2), (x, h - 4)], "#ffffff", 0.8)
    sc(8, 22, dark(ice, 0.15))
    # world 5: a gilded urn on its plinth, a gothic lancet window, a gold
    # reliquary lamp. (The urn took the place of a gargoyle with glowing eyes,
    # which players took for an enemy crouching in the dark.)
    urn = flat(rect_d(7, 25, 18, 7), "#4a4456", 1.4) + line([(7, 27), (25, 27)], "#e0b048", 1.4, cap="butt")
    urn += flat(smooth_d([(11, 25), (8, 17), (10, 11), (22, 11), (24, 17), (21, 25)], True, 0.35), "#e0b048", 1.5)
    urn += flat(rect_d(12, 7, 8, 4), "#c8962e", 1.2) + flat(circle_d(16, 5, 2.2), "#ffd060", 1)
    urn += line([(11, 15), (12, 21)], "#fff0a8", 1.2) + line([(9, 18), (23, 18)], "#8a6a20", 1.1, cap="butt")
    sc(9, 22, dark(urn, 0.15))
    lancet = flat(smooth_d([(8, 32), (8, 12), (16, 1), (24, 12), (24, 32)], True, 0.2), "#e0b048", 1.6)
    lancet += flat(smooth_d([(11, 30), (11, 13), (16, 5), (21, 13), (21, 30)], True, 0.2), "#3a2a6a")
    lancet += line([(16, 6), (16, 30)], "#e0b048", 1.2) + line([(11, 18), (21, 18)], "#e0b048", 1.2)
    lancet += flat(circle_d(16, 12, 2.2), "#a050e0")
    sc(10, 22, dark(lancet, 0.2))
    lamp = line([(16, 0), (16, 10)], "#c8962e", 1.6) + flat(poly_d([(10, 10), (22, 10), (19, 24), (13, 24)]), "#c8962e", 1.4)
    lamp += flat(rect_d(13, 13, 6, 8), "#ffe08a") + flat(circle_d(16, 17, 11), radial(doc, [(0, "#ffd060", 0.35), (1, "#ffd060", 0)]))
    sc(11, 22, lamp)
    # trial: a pennant on a pole, a straw practice butt, a signal lantern
    pennant = line([(8, 32), (8, 3)], OUT, 3.4) + line([(8, 32), (8, 3)], "#d8c8a0", 1.8)
    pennant += flat(poly_d([(9, 4), (28, 9), (9, 14)]), "#3a8ae0", 1.3) + flat(circle_d(8, 3, 1.8), "#ffd060", 0.8)
    sc(12, 22, dark(pennant, 0.15))
    butt = flat(ellipse_d(16, 18, 11, 11), "#c8a860", 1.5) + flat(ellipse_d(16, 18, 7, 7), "#e8e0d0", 1)
    butt += flat(ellipse_d(16, 18, 3, 3), "#d03030", 0.8) + line([(8, 32), (12, 27)], "#6a4a30", 2) + line([(24, 32), (20, 27)], "#6a4a30", 2)
    sc(13, 22, dark(butt, 0.15))
    post = line([(16, 32), (16, 10)], OUT, 4) + line([(16, 32), (16, 10)], "#6a5a48", 2.2)
    post += flat(rect_d(11, 2, 10, 9), "#3a3a44", 1.4) + flat(rect_d(13, 4, 6, 5), "#aef0ff")
    post += flat(circle_d(16, 6, 10), radial(doc, [(0, "#aef0ff", 0.35), (1, "#aef0ff", 0)]))
    sc(14, 22, post)


world_props()


# ---------------------------------------------------------------- world backdrops (rows 30, 31)
# Large, calm pieces that stand between the shared stage backdrop and the
# action, so that every world's outdoor stages look like their own place:
# world 2's autumn crowns and leaf litter, world 3's pale ash trunks and
# undergrowth, world 4's snowy firs, frozen falls and aurora, the trial's
# whitewashed yard fence. They are veiled like the other scenery.
def flake(x, y, r, col="#eef4ff"):
    """A six-armed snowflake."""
    s_ = ""
    for k in range(3):
        a = k * math.pi / 3
        dx, dy = math.cos(a) * r, math.sin(a) * r
        s_ += line([(x - dx, y - dy), (x + dx, y + dy)], col, 0.9)
    return s_


# Each world's haze: its colour and strength over the backdrop. Strong enough
# to turn the night forest's blue to the world's own, faint enough that the
# backdrop's shapes and everything in front still read.
# Worlds 3 and 4 build in grey and blue stone of much the backdrops' own
# value, so their hazes are deep ones that push the scenery back behind the
# ledges instead of lifting it to meet them.
HAZE_TINT = {"embers": ("#9a4a34", 0.26), "slate": ("#1e4a2a", 0.34), "frost": ("#143c5c", 0.34),
             "chalk": ("#a0587a", 0.24), "gilded": ("#8a6420", 0.24)}


def haze(look, mask=0):
    """The world's haze over a whole cell, fading out over 16 px towards the
    sides named in `mask`."""
    colour, strength = HAZE_TINT[look]
    if not mask:
        return R(0, 0, 32, 32, colour, op=strength)
    s_ = ""
    for i in range(8):
        for j in range(8):
            x, y = i * 4 + 2, j * 4 + 2
            k = 1.0
            if mask & HAZE_LEFT:
                k *= min(1.0, x / 16)
            if mask & HAZE_RIGHT:
                k *= min(1.0, (32 - x) / 16)
            if mask & HAZE_UP:
                k *= min(1.0, y / 16)
            if mask & HAZE_DOWN:
                k *= min(1.0, (32 - y) / 16)
            if k > 0.01:
                s_ += R(i * 4, j * 4, 4, 4, colour, op=strength * k)
    return s_


def hazes():
    for look, codes in HAZE.items():
        for mask, code in enumerate(codes):
            sc(code // 100, code % 100, haze(look, mask))


hazes()


def hazed(look, cells, draw, veil):
    """One drawing spread over cells (0, 0 at the first), each cell over the
    world's full haze, so that the haze runs on behind it."""
    c0, r0 = cells[0]
    for c, r in cells:
        x, y = (c - c0) * 32, (r - r0) * 32
        sc(c, r, haze(look) + dark('<g transform="translate(%d,%d)">%s</g>' % (-x, -y, draw), veil))


def world_backdrops():
    # world 2: an autumn crown (2 x 2, its trunk stub centred on the left
    # cell so the dead tree's trunk (12) carries it), leaf litter, falling leaves
    # The crown is a spray of branches from the stub, each carrying loose
    # clumps of leaves with sky between them, swept to the right by the
    # wind that drives the falling leaves; a ball of six big round clumps
    # on a pole read as a lollipop
    crown = ""
    branches = [[(16, 64), (16, 46), (9, 32), (4, 22)], [(16, 48), (22, 30), (28, 14)],
                [(16, 52), (30, 40), (46, 30), (58, 22)], [(22, 36), (38, 24), (50, 10)], [(9, 34), (2, 40)]]
    for br in branches:
        crown += line(br, OUT, 4.2) + line(br, "#4a3226", 2.4)
    crown += line([(16, 64), (16, 46)], OUT, 10) + line([(16, 64), (16, 46)], "#4a3226", 7)
    clumps = ((4, 20, 7.5, "#9a3a1a"), (10, 30, 6.5, "#7a2a16"), (3, 40, 5.5, "#8a3418"), (14, 16, 7, "#a8461c"),
              (26, 12, 8.5, "#b8581e"), (22, 26, 7, "#8a3418"), (36, 22, 8, "#a8461c"), (48, 9, 7.5, "#c8641e"),
              (47, 28, 8.5, "#9a3a1a"), (58, 21, 6, "#b8581e"), (34, 37, 6.5, "#7a2a16"), (56, 33, 5, "#8a3418"))
    def lobes(x, y, r):
        # a clump is a scalloped lump of smaller leaf masses, not a ball
        return [(x + math.cos(a) * r * 0.72, y + math.sin(a) * r * 0.62, r * (0.36 + 0.08 * (k % 2)))
                for k, a in enumerate(math.radians(d) for d in (180, 230, 285, 340, 35, 95, 140))]
    for x, y, r, col in clumps:
        for lx, ly, lr in lobes(x, y, r):
            crown += flat(circle_d(lx, ly, lr + 1.3), OUT)
    for x, y, r, col in clumps:
        for k, (lx, ly, lr) in enumerate(lobes(x, y, r)):
            crown += flat(circle_d(lx, ly, lr), tone(col, 0.12) if k in (1, 2) else col)
        crown += flat(circle_d(x, y, r * 0.55), col)
        crown += flat(ellipse_d(x - r * 0.25, y - r * 0.45, r * 0.3, r * 0.16), tone(col, 0.4))
    for x, y, col in ((12, 12, "#f0b030"), (30, 7, "#e8902a"), (44, 18, "#f0b030"), (52, 24, "#d8702a"),
                      (6, 27, "#e8902a"), (38, 33, "#d8702a")):
        crown += flat(ellipse_d(x, y, 2.4, 1.3), col)
    hazed("embers", [(0, 30), (1, 30), (0, 31), (1, 31)], crown, 0.3)
    sc(2, 31, haze("embers") + trunk(1))
    sc(3, 31, haze("embers") + trunk(2))
    litter = flat(smooth_d([(-2, 32), (-1, 28), (6, 26.5), (14, 28), (22, 26), (30, 27.5), (34, 28), (34, 32)], True, 0.3),
                  "#6a2a16", 1.2)
    for x, y, a, col in ((4, 28.5, 0.3, "#d8702a"), (11, 29.5, -0.5, "#f0b030"), (19, 28, 0.8, "#c84a1e"),
                         (26, 29.5, -0.2, "#e8902a"), (30, 27.8, 0.5, "#b8501e")):
        litter += leaf(x, y, a, col)
    hazed("embers", [(2, 30)], litter, 0.3)
    for c, seed in ((3, 5), (4, 9)):
        rng = random.Random(seed)
        fall = ""
        for _ in range(3):
            fall += leaf(rng.uniform(5, 27), rng.uniform(5, 27), rng.uniform(-1.2, 1.2),
                         rng.choice(["#e8902a", "#f0b030", "#c84a1e", "#d8702a"]))
        hazed("embers", [(c, 30)], fall, 0.35)
    # world 3: a pale ash trunk (plain and ivy-wrapped, both repeatable), its
    # roots, fern undergrowth (tiles to the sides), drifting spores. The trunks
    # stand behind the play: soft edges instead of the ink outline that the
    # platforms and actors wear, and a deeper veil, so a trunk crossing a
    # ledge never reads as a post in front of it.
    ASH, ASH_LIT, ASH_SHADE, ASH_EDGE = "#8e8c7a", "#a8a692", "#6c6a5a", "#3e4238"

    def ash(ivy):
        s_ = R(5, 0, 22, 32, ASH) + line([(5, 0), (5, 32)], ASH_EDGE, 2, cap="butt") + line([(27, 0), (27, 32)], ASH_EDGE, 2, cap="butt")
        s_ += line([(9, 0), (9, 32)], ASH_LIT, 2, cap="butt") + line([(23, 0), (23, 32)], ASH_SHADE, 3, cap="butt")
        for y, x in ((6, 9), (15, 13), (25, 8)):
            s_ += line([(x, y), (x + 9, y + 1)], "#5a5848", 1.2)
        if ivy:
            vine_ = [(8, 0), (14, 8), (22, 14), (17, 22), (9, 28), (8, 32)]
            s_ += line(vine_, "#1e4a22", 2.2)
            for k, (x, y) in enumerate(vine_[1:-1]):
                s_ += flat(ellipse_d(x + (3 if k % 2 else -3), y, 3.2, 1.9), "#4a9a3e", 0.8)
        return s_
    hazed("slate", [(5, 30)], ash(False), 0.45)
    hazed("slate", [(6, 30)], ash(True), 0.45)
    roots = flat(poly_d([(5, -2), (27, -2), (27, 20), (33, 32), (-1, 32), (5, 20)]), ASH, 2, stroke=ASH_EDGE)
    roots += line([(9, 0), (8, 24)], ASH_LIT, 2) + line([(23, 2), (24, 26)], ASH_SHADE, 3)
    roots += line([(2, 32), (6, 24), (10, 20)], "#1e4a22", 2) + flat(ellipse_d(6, 25, 3, 1.8), "#4a9a3e", 0.8)
    hazed("slate", [(7, 30)], roots, 0.45)
    top = R(5, 20, 22, 12, ASH) + line([(5, 20), (5, 32)], ASH_EDGE, 2, cap="butt") + line([(27, 20), (27, 32)], ASH_EDGE, 2, cap="butt")
    top += line([(10, 22), (2, 6)], ASH_EDGE, 6) + line([(10, 22), (2, 6)], ASH, 4)
    top += line([(22, 22), (30, 4)], ASH_EDGE, 6) + line([(22, 22), (30, 4)], ASH, 4)
    top += line([(16, 22), (17, 2)], ASH_EDGE, 5) + line([(16, 22), (17, 2)], ASH, 3)
    for x, y in ((3, 4), (9, 10), (17, 2), (24, 8), (30, 3), (13, 15)):
        top += flat(ellipse_d(x, y, 4, 2.4), "#6a9a4a", 0.8)
    hazed("slate", [(7, 31)], top, 0.45)
    under = ""
    for x in range(-2, 34, 6):
        for a in (-0.7, -0.2, 0.35):
            tip = (x + 3 + math.sin(a) * 8, 32 - math.cos(a) * (9 + (x % 4)))
            under += line([(x + 3, 32), tip], "#1e4a22", 2.6) + line([(x + 3, 32), tip], "#4a8a3a", 1.3)
    hazed("slate", [(5, 31)], under, 0.3)
    spores = ""
    for x, y, r in ((7, 9, 1.4), (22, 5, 1.1), (15, 21, 1.6), (27, 26, 1.0)):
        spores += flat(circle_d(x, y, r + 1.6), "#b8e890", opacity=0.25) + flat(circle_d(x, y, r), "#d8f0b0")
    hazed("slate", [(6, 31)], spores, 0.35)
    # world 4: a snowy fir (2 x 2, trunk centred on the left cell), a frozen
    # fall (repeatable) and its foot, a snow bank (tiles to the sides),
    # snowflakes, and an aurora band in three cells that follow one another
    fir = line([(16, 64), (16, 54)], OUT, 6) + line([(16, 64), (16, 54)], "#4a3226", 4)
    for y, w in ((56, 17), (44, 14), (32, 11), (20, 8)):
        fir += flat(poly_d([(16 - w, y), (16 + w, y), (16, y - 16)]), "#183e34", 1.4)
        fir += flat(smooth_d([(16 - w + 2, y - 1), (16 - w / 2, y - 4), (16, y - 8), (16 + w / 2, y - 3), (16 + w - 2, y - 1)], False, 0.4),
                    "#dce8fa")
    fir += flat(circle_d(16, 2, 2.2), "#e8f0ff")
    # the fir stands 2 cells tall on the left column; the right column takes
    # the snow-laden tips of a second, smaller fir behind it
    for y, w in ((60, 11), (50, 9), (40, 7)):
        fir += flat(poly_d([(40 - w, y), (40 + w, y), (40, y - 13)]), "#14342c", 1.2)
        fir += flat(poly_d([(40 - w + 2, y - 1), (40 + w - 2, y - 1), (40, y - 5)]), "#c8d8ee")
    hazed("frost", [(8, 30), (9, 30), (8, 31), (9, 31)], fir, 0.3)
    fall = R(6, 0, 20, 32, "#9ec4e8") + line([(6, 0), (6, 32)], "#3a5a7a", 2, cap="butt") + line([(26, 0), (26, 32)], "#3a5a7a", 2, cap="butt")
    for x, col in ((10, "#e8f4ff"), (15, "#c4def4"), (19, "#f4faff"), (23, "#b4d0ec")):
        fall += line([(x, 0), (x + 0.8, 11), (x - 0.6, 21), (x, 32)], col, 1.6)
    hazed("frost", [(10, 30)], fall, 0.4)
    foot = flat(smooth_d([(0, 32), (3, 22), (8, 14), (6, 0), (26, 0), (24, 14), (29, 22), (32, 32)], True, 0.3), "#b4d0ec", 1.6)
    foot += line([(12, 2), (11, 18), (7, 28)], "#f4faff", 1.4) + line([(20, 2), (21, 18), (25, 28)], "#e8f4ff", 1.4)
    hazed("frost", [(10, 31)], foot, 0.4)
    bank = flat(smooth_d([(-2, 32), (-1, 26), (8, 23), (17, 25), (25, 22.5), (34, 25), (34, 32)], True, 0.35), "#dce8fa", 1.2)
    bank += line([(4, 25.5), (12, 24.5)], "#ffffff", 1) + line([(20, 24.5), (27, 23.8)], "#ffffff", 1)
    hazed("frost", [(11, 30)], bank, 0.3)
    hazed("frost", [(11, 31)], flake(8, 8, 3) + flake(23, 14, 2.2) + flake(12, 25, 2.6) + flake(27, 28, 1.6), 0.3)
    # The ribbons stay inside their row (a ribbon cut by the cell's lower
    # edge drew a hard line along the whole band) and each runs once through
    # the three cells with its own phase, so they cross and part instead of
    # running as a parallel garland that repeats every cell and a half.
    aurora = ""
    ribbons = (("#40e0a0", 20, 4.5, 0.0, 7, 0.26), ("#60c0f0", 24, 3.0, 2.1, 4, 0.2), ("#90f0b0", 18, 3.5, 4.0, 2.2, 0.3))

    def ribbon_y(x, base, amp, phase):
        t = 2 * math.pi * x / 96
        return base + amp * math.sin(t + phase) + amp * 0.35 * math.sin(2 * t + 2 * phase)

    for colr, base, amp, phase, width, op in ribbons:
        pts_ = [(x, ribbon_y(x, base, amp, phase)) for x in range(-8, 105, 4)]
        aurora += line(pts_, colr, width, opacity=op)
        # its curtain of rays rises from the ribbon and fades out upwards;
        # hard-topped rays of one width read as a repeating zigzag comb
        ray_fill = linear(doc, [(0, colr, 0), (1, colr, op * 0.8)], 0, 0, 0, 1)
        for x in range(2, 96, 5):
            y = ribbon_y(x, base, amp, phase)
            h = 8 + (x * 7) % 11
            w = 0.8 + (x % 3) * 0.4
            aurora += flat(poly_d([(x - w, y), (x + w, y), (x + 0.3, y - h), (x - 0.3, y - h)]), ray_fill)
    for k in range(3):
        hazed("frost", [(12 + k, 30)], '<g transform="translate(%d,0)">%s</g>' % (-32 * k, aurora), 0.3)
    # the trial: a whitewashed yard fence, two cells high (pointed pales on
    # top, boards below; both tile to the sides), and boards with a chalk
    # target, a straw butt or a hay bale in front
    def pales(top):
        s_ = ""
        for x in (0, 8, 16, 24):
            if top:
                s_ += flat(poly_d([(x + 0.5, 32), (x + 0.5, 14), (x + 4, 9), (x + 7.5, 14), (x + 7.5, 32)]), "#c8c2b0", 1.3)
                s_ += line([(x + 2.5, 15), (x + 2.5, 32)], "#e8e4d8", 1, cap="butt")
            else:
                s_ += flat(rect_d(x + 0.5, 0, 7, 32), "#c8c2b0", 1.3) + line([(x + 2.5, 0), (x + 2.5, 32)], "#e8e4d8", 1, cap="butt")
        rail_y = 22 if top else 20
        s_ += flat(rect_d(-1, rail_y, 34, 4), "#8a8270", 1.2)
        return s_
    hazed("chalk", [(12, 31)], pales(True), 0.45)
    hazed("chalk", [(13, 31)], pales(False), 0.45)
    target = ""
    for r, col in ((10, "#f4f2ea"), (6.5, "#f4f2ea"), (3, "#f4f2ea")):
        target += flat(circle_d(16, 12, r), "none", 1.3, col)
    hazed("chalk", [(14, 31)], pales(False) + target, 0.45)
    butt = flat(ellipse_d(16, 17, 11, 11), "#c8a860", 1.5) + flat(ellipse_d(16, 17, 7, 7), "#e8e0d0", 1)
    butt += flat(ellipse_d(16, 17, 3, 3), "#d03030", 0.8) + line([(8, 32), (12, 26)], "#6a4a30", 2) + line([(24, 32), (20, 26)], "#6a4a30", 2)
    sc(15, 31, haze("chalk") + dark(pales(False), 0.45) + dark(butt, 0.15))
    bale = flat(rect_d(3, 16, 26, 16), "#c8a448", 1.5)
    for y in (20, 25, 29):
        bale += line([(5, y), (27, y)], "#a88430", 1, cap="butt")
    bale += line([(10, 16), (10, 32)], "#6a4a30", 1.6, cap="butt") + line([(22, 16), (22, 32)], "#6a4a30", 1.6, cap="butt")
    sc(16, 31, haze("chalk") + dark(pales(False), 0.45) + dark(bale, 0.2))


world_backdrops()


# ---------------------------------------------------------------- world towns (rows 28, 29, 19)
# The rooftops, halls and crypts of worlds 2 to 4 share world 1's backdrops
# and layouts; these pieces make them their own places. World 2 is a foundry
# town (below, after world 4). World 3 is a drowned
# town: weeping willows, ivy curtains down from every ceiling, reeds on every
# ledge, fireflies. World 4 is a town in hard frost: icicle fringes under
# every ceiling, frosted chains, frozen windows. They sit in the cells of the
# three worlds' fading hazes, which no map used, and are veiled as the rest.
def placed(look, cells, draw, veil):
    """One drawing spread over cells named with their offsets in it: (column,
    row, dx, dy) shows the drawing's part from (dx, dy) * 32 px."""
    for c, r, dx, dy in cells:
        sc(c, r, haze(look) + dark('<g transform="translate(%d,%d)">%s</g>' % (-32 * dx, -32 * dy, draw), veil))


def willow_leaves(x0, y0, x1, y1, rng, strands):
    """Hanging willow strands between x0 and x1, from y0 down to about y1."""
    s_ = ""
    for _ in range(strands):
        x = rng.uniform(x0, x1)
        top = y0 + rng.uniform(0, 6)
        bottom = y1 - rng.uniform(0, 8)
        sway = rng.uniform(-2.5, 2.5)
        pts_ = [(x, top), (x + sway * 0.5, (top + bottom) / 2), (x + sway, bottom)]
        s_ += line(pts_, "#1e3a20", 2.6) + line(pts_, rng.choice(["#5a8a3a", "#6a9a44", "#4a7a34"]), 1.3)
    return s_


def world_towns():
    # world 3: a weeping willow's crown (2 x 2, its trunk on the left column)
    rng = random.Random(31)
    crown = ""
    for x, y, r, col in ((18, 30, 16, "#2e5a2a"), (42, 26, 18, "#365f2c"), (30, 14, 14, "#3e6a32"),
                         (10, 18, 10, "#2a4e26")):
        crown += flat(circle_d(x, y, r + 1.4), OUT) + flat(circle_d(x, y, r), col)
    crown += line([(16, 64), (16, 40)], OUT, 9) + line([(16, 64), (16, 40)], "#3a3228", 6)
    crown += willow_leaves(0, 14, 62, 64, rng, 26)
    placed("slate", [(3, 29, 0, 0), (4, 29, 1, 0), (5, 29, 0, 1), (6, 29, 1, 1)], crown, 0.3)
    # its trunk (repeatable) with strands hanging past it, and strands alone
    # (repeatable) that hang under the crown's right half
    trunk_ = line([(16, 0), (16, 32)], OUT, 9, cap="butt") + line([(16, 0), (16, 32)], "#3a3228", 6, cap="butt")
    trunk_ += line([(14, 0), (14, 32)], "#5a4e3e", 1.2, cap="butt") + willow_leaves(2, -6, 30, 34, random.Random(32), 6)
    placed("slate", [(7, 29, 0, 0)], trunk_, 0.3)
    placed("slate", [(8, 29, 0, 0)], willow_leaves(0, -6, 32, 34, random.Random(33), 9), 0.3)
    # reeds and a film of standing water on a ground top (tile to the sides)
    reeds = R(0, 29, 32, 3, "#2a4a4e") + line([(2, 29.5), (30, 29.5)], "#6a9aa0", 0.8, cap="butt")
    for x, h, col in ((3, 14, "#4a7a34"), (7, 20, "#5a8a3a"), (11, 12, "#3e6a2e"), (16, 22, "#5a8a3a"),
                      (20, 15, "#4a7a34"), (25, 19, "#6a9a44"), (29, 13, "#3e6a2e")):
        reeds += line([(x, 31), (x + 1, 31 - h)], "#1e3a20", 2.2) + line([(x, 31), (x + 1, 31 - h)], col, 1.1)
    for x, h in ((7, 20), (16, 22), (25, 19)):
        reeds += flat(ellipse_d(x + 1, 31 - h + 2.5, 1.3, 3), "#6a4a2a", 0.6)
    placed("slate", [(9, 29, 0, 0)], reeds, 0.3)
    # an ivy curtain down from a ceiling: its thick head, its tendrils
    # (repeatable), their loose ends
    def ivy(head, tail, seed):
        rng_ = random.Random(seed)
        s_ = R(0, 0, 32, 5, "#1e3a20") if head else ""
        for x in (3, 9, 14, 20, 26, 30):
            x += rng_.uniform(-1.5, 1.5)
            bottom = rng_.uniform(10, 24) if tail else 32
            s_ += line([(x, 0), (x + rng_.uniform(-1, 1), bottom)], "#1e3a20", 1.6)
            # leaves of uneven size on either side, some missing, so a wall
            # of repeated cells reads as growth rather than a dotted grid
            for y in range(3 + rng_.randrange(4), int(bottom) - 1, 5):
                if rng_.random() < 0.3:
                    continue
                side = rng_.choice((-1, 1)) * rng_.uniform(1.6, 2.6)
                size = rng_.uniform(1.8, 3.0)
                s_ += flat(ellipse_d(x + side, y + rng_.uniform(-1, 1), size, size * 0.6),
                           rng_.choice(["#3e7a34", "#4e8a3e", "#5a9a44", "#35682e"]), 0.6)
        return s_
    placed("slate", [(10, 29, 0, 0)], ivy(True, False, 41), 0.4)
    placed("slate", [(11, 29, 0, 0)], ivy(False, False, 42), 0.4)
    placed("slate", [(12, 29, 0, 0)], ivy(False, True, 43), 0.4)
    # fireflies: a few pale green-gold sparks with a soft glow
    for c, seed in ((13, 51), (14, 52)):
        rng_ = random.Random(seed)
        flies = ""
        for _ in range(3):
            x, y = rng_.uniform(5, 27), rng_.uniform(5, 27)
            flies += flat(circle_d(x, y, 4.5), "#d8f070", opacity=0.18) + flat(circle_d(x, y, 1.4), "#f0ffa0")
        sc(c, 29, haze("slate") + dark(flies, 0.1))
    # mist lying low over water: two cells of wisps that follow one another.
    # Each wisp thins out to nothing before the pair's ends, so the pair never
    # shows a straight edge and reads as a pale ledge to stand on.
    mist = ""
    for y, amp, w, op in ((14, 3, 5, 0.14), (22, 2, 3.5, 0.16), (8, 2, 3, 0.1)):
        pts_ = [(x, y + amp * math.sin(2 * math.pi * x / 64 + y)) for x in range(2, 63, 4)]
        fade = linear(doc, [(0, "#c8e0d0", 0), (0.35, "#c8e0d0", op), (0.65, "#c8e0d0", op), (1, "#c8e0d0", 0)],
                      x2=1, y2=0)
        mist += line(pts_, fade, w)
    placed("slate", [(15, 29, 0, 0), (16, 29, 1, 0)], mist, 0.2)
    # world 4: a fringe of rime under a ceiling (tiles to the sides): a
    # rounded lip of frost with short, blunt, glassy drips, blue rather than
    # white and without outlines, so it never reads as the hanging spikes
    fringe = flat(smooth_d([(-2, 0), (34, 0), (34, 4), (26, 6), (18, 4.5), (10, 6.5), (2, 4.5), (-2, 5)], True, 0.4),
                  "#8aa8c8")
    for x, h in ((4, 9), (9, 6), (15, 11), (21, 7), (27, 10)):
        fringe += flat(smooth_d([(x - 2.4, 4), (x + 2.4, 4), (x + 0.8, h - 1), (x, h), (x - 0.8, h - 1)], True, 0.4),
                       "#7a98bc", opacity=0.8)
    placed("frost", [(3, 19, 0, 0)], fringe, 0.4)
    # a chain hung with frost (repeatable) and its end: a frozen lantern
    chain = ""
    for y in range(-4, 36, 8):
        chain += flat(ellipse_d(16, y, 2.8, 4.6), "none", 1.6, "#6a7a90") + flat(ellipse_d(16, y, 2.8, 4.6), "none", 0.6, "#dce8fa")
    chain += flat(poly_d([(14.4, 10), (17.6, 10), (16, 18)]), "#dce8fa", 0.6, "#3a5a7a")
    placed("frost", [(4, 19, 0, 0)], chain, 0.25)
    lamp = ""
    for y in (-4, 4):
        lamp += flat(ellipse_d(16, y, 2.8, 4.6), "none", 1.6, "#6a7a90")
    lamp += flat(rect_d(10, 9, 12, 14), "#3a4a5e", 1.3) + flat(rect_d(12.5, 11.5, 7, 9), "#9ad0f0")
    lamp += flat(circle_d(16, 16, 11), radial(doc, [(0, "#aee0ff", 0.35), (1, "#aee0ff", 0)]))
    lamp += flat(poly_d([(9, 8), (23, 8), (16, 4)]), "#dce8fa", 1) + flat(poly_d([(14, 23), (18, 23), (16, 31)]), "#cfe2ff", 0.8, "#3a5a7a")
    placed("frost", [(5, 19, 0, 0)], lamp, 0.15)
    # a tall window glazed with frost ferns, cold light behind (top, bottom)
    win = flat(smooth_d([(5, 64), (5, 14), (16, 2), (27, 14), (27, 64)], True, 0.2), "#4a5a74", 1.6)
    win += flat(smooth_d([(8, 61), (8, 15), (16, 6), (24, 15), (24, 61)], True, 0.2), "#6a9ac8")
    win += line([(16, 6), (16, 61)], "#4a5a74", 1.6) + line([(8, 34), (24, 34)], "#4a5a74", 1.6)
    rng_ = random.Random(61)
    for _ in range(9):
        x, y = rng_.uniform(9, 23), rng_.uniform(12, 58)
        for k in range(4):
            a = rng_.uniform(0, 2 * math.pi)
            win += line([(x, y), (x + 4 * math.cos(a), y + 4 * math.sin(a))], "#eef6ff", 0.8, opacity=0.8)
    win += R(4, 58, 24, 6, "#dce8fa") + line([(4, 58), (28, 58)], "#ffffff", 1, cap="butt")
    placed("frost", [(7, 19, 0, 0), (8, 19, 0, 1)], win, 0.25)
    # a snow cap along a wall's foot in a hall: frost ferns climbing the wall,
    # dark blue-green with only their tips rimed and of uneven height (pale
    # white stems in a row stood like the steel spikes beside them)
    ferns = ""
    for x0, top in ((4, 15), (14, 19), (24, 13)):
        ferns += line([(x0, 32), (x0 + 1.5, top)], "#3e6a72", 1.3)
        for y in range(top + 2, 32, 4):
            ferns += line([(x0 + 1, y), (x0 - 3, y - 3)], "#4e7a80", 0.9) + line([(x0 + 1.4, y), (x0 + 5, y - 3)], "#4e7a80", 0.9)
        ferns += flat(circle_d(x0 + 1.5, top, 1.2), "#c4daf4")
        ferns += flat(circle_d(x0 - 2.6, top + 0.2, 0.8), "#a8c4e4") + flat(circle_d(x0 + 4.8, top + 0.6, 0.8), "#a8c4e4")
    placed("frost", [(9, 19, 0, 0)], ferns, 0.3)
    # world 2: a foundry town. A brick smokestack (top with its glowing lip
    # and smoke, repeatable shaft, foot), drifting smoke, an ember lantern on
    # its chain (repeatable), a foundry window glowing with the furnace
    # behind (top, bottom), rising sparks
    def stack(part):
        s_ = R(8, 0, 16, 32, "#4a2a22") + line([(8, 0), (8, 32)], OUT, 2, cap="butt") + line([(24, 0), (24, 32)], OUT, 2, cap="butt")
        for y in range(2, 32, 6):
            s_ += line([(9, y), (23, y)], "#2e1a16", 1, cap="butt")
        s_ += R(9, 0, 3, 32, "#7a4a36", op=0.5)
        if part == "top":
            s_ = R(8, 12, 16, 20, "#4a2a22") + line([(8, 12), (8, 32)], OUT, 2, cap="butt") + line([(24, 12), (24, 32)], OUT, 2, cap="butt")
            s_ += R(9, 12, 3, 20, "#7a4a36", op=0.5) + flat(rect_d(6, 9, 20, 4), "#3a221c", 1.3)
            s_ += line([(8, 9.5), (24, 9.5)], "#ff8a3a", 1.4, cap="butt")
            s_ += flat(circle_d(16, 8, 8), radial(doc, [(0, "#ff7a2a", 0.45), (1, "#ff7a2a", 0)]))
            for x, y, r in ((14, 4, 4), (19, 1, 3.4), (12, -1, 3)):
                s_ += flat(circle_d(x, y, r), "#5a5058", opacity=0.7)
        if part == "foot":
            s_ += flat(rect_d(5, 24, 22, 8), "#3a221c", 1.3) + R(13, 26, 6, 6, "#ff8a3a", op=0.7)
        return s_
    placed("embers", [(2, 28, 0, 0)], stack("top"), 0.3)
    placed("embers", [(3, 28, 0, 0)], stack("shaft"), 0.3)
    placed("embers", [(4, 28, 0, 0)], stack("foot"), 0.3)
    smoke = ""
    for x, y, r, op in ((6, 20, 6, 0.35), (14, 14, 8, 0.3), (24, 9, 7, 0.25), (30, 5, 5, 0.2)):
        smoke += flat(circle_d(x, y, r), "#6a5e66", opacity=op)
    placed("embers", [(5, 28, 0, 0)], smoke, 0.3)
    chain_ = ""
    for y in range(-4, 36, 8):
        chain_ += flat(ellipse_d(16, y, 2.6, 4.4), "none", 1.6, "#3a302c")
    placed("embers", [(6, 28, 0, 0)], chain_, 0.25)
    lantern = flat(ellipse_d(16, -2, 2.6, 4.4), "none", 1.6, "#3a302c") + flat(poly_d([(10, 9), (22, 9), (16, 4)]), "#2e2420", 1.2)
    lantern += flat(rect_d(11, 9, 10, 13), "#2e2420", 1.3) + flat(rect_d(13, 11, 6, 9), "#ffb04a")
    lantern += flat(circle_d(16, 15, 12), radial(doc, [(0, "#ff9a3a", 0.4), (1, "#ff9a3a", 0)]))
    placed("embers", [(7, 28, 0, 0)], lantern, 0.15)
    window = flat(smooth_d([(5, 64), (5, 12), (16, 3), (27, 12), (27, 64)], True, 0.2), "#2e1c18", 1.6)
    window += flat(smooth_d([(8, 60), (8, 13), (16, 7), (24, 13), (24, 60)], True, 0.2),
                   linear(doc, [(0, "#ffb04a", 1), (1, "#c8401e", 1)]))
    for y in (22, 34, 46):
        window += line([(8, y), (24, y)], "#2e1c18", 1.6, cap="butt")
    window += line([(16, 7), (16, 60)], "#2e1c18", 1.6) + R(4, 59, 24, 5, "#3a221c")
    placed("embers", [(8, 28, 0, 0), (9, 28, 0, 1)], window, 0.3)
    rng_ = random.Random(71)
    sparks = ""
    for _ in range(4):
        x, y = rng_.uniform(5, 27), rng_.uniform(5, 27)
        sparks += line([(x, y), (x - 0.8, y + 3)], "#ff9a3a", 1.2, opacity=0.6) + flat(circle_d(x, y, 1), "#ffd070")
    placed("embers", [(10, 28, 0, 0)], sparks, 0.4)


world_towns()


# ---------------------------------------------------------------- world 5's court (rows 10, 11, 28)
# World 5's rooftops, halls, crypts and clock tower are a gilded court in
# decline: gilt statues in their niches, gilded spires over the roofs, long
# heraldic banners and torn gold curtains down from the ceilings,
# chandeliers hung with cobwebs, stained glass glowing on the walls, a gilded cornice under every ceiling, tall
# candelabra, gilt dust on the floors. They sit in the cells of world 5's
# fading hazes, which no map used, and are veiled as the rest.
GILT, GILT_LIGHT, GILT_SHADE = "#d8a840", "#f8e098", "#7a5a1c"
BANNER_RED, BANNER_SHADE = "#6a1a2a", "#420e1c"


def cobweb(x, y, r, corner):
    """A corner web: threads fanning from (x, y) with sagging rings; `corner`
    is +1 to fan to the right, -1 to the left."""
    s_ = ""
    for k in range(5):
        a = k * math.pi / 8
        s_ += line([(x, y), (x + corner * r * math.cos(a), y + r * math.sin(a))], "#c8c4cc", 0.6, opacity=0.7)
    for ring in (0.4, 0.7, 1.0):
        pts_ = [(x + corner * r * ring * math.cos(k * math.pi / 16), y + r * ring * math.sin(k * math.pi / 16))
                for k in range(9)]
        s_ += line(pts_, "#c8c4cc", 0.5, opacity=0.6)
    return s_


def gilded_court():
    # a gilt armillary sphere on a fluted pedestal (top, bottom), in a
    # rounded niche framed with gold. No figure: a robed gilt statue in a
    # dark niche read to a player as one more hooded foe.
    statue = flat(smooth_d([(3, 64), (3, 12), (16, 1), (29, 12), (29, 64)], True, 0.2), "#352a42", 1.4)
    statue += line([(3, 64), (3, 12)], GILT_SHADE, 1.2) + line([(29, 64), (29, 12)], GILT_SHADE, 1.2)
    statue += flat(smooth_d([(5, 13), (16, 3), (27, 13)], False, 0.3), "none", 1.4, GILT)
    statue += flat(rect_d(7, 54, 18, 10), "#4a4050", 1.3) + line([(7, 55), (25, 55)], GILT, 1.4, cap="butt")
    pedestal = [(11, 54), (12.5, 50), (13.5, 36), (12, 33), (20, 33), (18.5, 36), (19.5, 50), (21, 54)]
    statue += flat(smooth_d(pedestal, True, 0.2), GILT, 1.3)
    statue += flat(smooth_d([(11, 54), (12.5, 50), (13.5, 36), (12, 33), (14.5, 33), (15, 36), (14.5, 50), (14, 54)],
                            True, 0.2), GILT_SHADE)
    statue += line([(17, 36), (17.4, 51)], GILT_LIGHT, 0.9) + line([(16, 36), (16, 51)], GILT_SHADE, 0.7)
    statue += line([(16, 33), (16, 29.5)], OUT, 3) + line([(16, 33), (16, 29.5)], GILT, 1.6)
    # the sphere: a meridian ring, the equator, the tilted band of the
    # zodiac, a small globe at its heart and a finial on top
    statue += flat(circle_d(16, 21, 8.4), "none", 1.2, OUT) + flat(circle_d(16, 21, 8.4), "none", 0, GILT)
    statue += line([(16 + 8.4 * math.cos(a * math.pi / 18), 21 + 8.4 * math.sin(a * math.pi / 18)) for a in range(37)],
                   GILT, 1.6)
    statue += flat(ellipse_d(16, 21, 8.4, 2.6), "none", 1.1, GILT_LIGHT)
    statue += ('<g transform="rotate(-28 16 21)">' + flat(ellipse_d(16, 21, 8.6, 3.2), "none", 1.6, GILT_SHADE)
               + flat(ellipse_d(16, 21, 8.6, 3.2), "none", 0.8, GILT) + '</g>')
    statue += flat(ellipse_d(16, 21, 2.4, 8.4), "none", 0.9, GILT_SHADE)
    statue += flat(circle_d(16, 21, 2.6), "#5a6ea0", 1) + flat(circle_d(15.2, 20.2, 0.9), "#a8bce8")
    statue += line([(16, 12.6), (16, 10)], GILT, 1.2) + flat(circle_d(16, 9.2, 1.3), GILT_LIGHT, 0.8)
    statue += cobweb(4, 13, 8, 1)
    placed("gilded", [(7, 10, 0, 0), (8, 10, 0, 1)], statue, 0.3)
    # a long heraldic banner from its gilt rod: head with the rod and a
    # crowned device, its cloth (repeatable), its swallowtail end, frayed
    def banner(part):
        s_ = R(7, 0, 18, 32, BANNER_RED) + R(7, 0, 3, 32, BANNER_SHADE) + line([(7, 0), (7, 32)], OUT, 1.4, cap="butt")
        s_ += line([(25, 0), (25, 32)], OUT, 1.4, cap="butt") + line([(10.5, 0), (10.5, 32)], GILT_SHADE, 1, cap="butt")
        s_ += line([(21.5, 0), (21.5, 32)], GILT_SHADE, 1, cap="butt")
        if part == "head":
            s_ = R(7, 5, 18, 27, BANNER_RED) + R(7, 5, 3, 27, BANNER_SHADE)
            s_ += line([(7, 32), (7, 5), (25, 5), (25, 32)], OUT, 1.4, cap="butt") + line([(10.5, 6), (10.5, 32)], GILT_SHADE, 1, cap="butt")
            s_ += line([(21.5, 6), (21.5, 32)], GILT_SHADE, 1, cap="butt")
            s_ += line([(16, 0), (16, 3)], GILT_SHADE, 1.2) + line([(3, 4), (29, 4)], OUT, 3.6) + line([(3, 4), (29, 4)], GILT, 2)
            s_ += flat(circle_d(3, 4, 2), GILT, 0.8) + flat(circle_d(29, 4, 2), GILT, 0.8)
            s_ += flat(poly_d([(11, 17), (12, 11), (14, 14), (16, 10), (18, 14), (20, 11), (21, 17)]), GILT, 0.9)
            s_ += flat(smooth_d([(12, 19), (20, 19), (19, 28), (16, 31), (13, 28)], True, 0.3), GILT_SHADE, 0.9)
            s_ += line([(16, 20), (16, 29)], GILT, 1) + line([(13, 23), (19, 23)], GILT, 1)
        if part == "tail":
            s_ = flat(poly_d([(7, 0), (25, 0), (25, 22), (16, 13), (7, 22)]), BANNER_RED, 1.4)
            s_ += flat(poly_d([(7, 0), (10, 0), (10, 19), (7, 22)]), BANNER_SHADE)
            s_ += line([(10.5, 0), (10.5, 18)], GILT_SHADE, 1, cap="butt") + line([(21.5, 0), (21.5, 18)], GILT_SHADE, 1, cap="butt")
            for x, y in ((7, 22), (25, 22), (12, 17.5), (21, 18.5)):
                s_ += line([(x, y), (x + 0.5, y + 4)], GILT_SHADE, 0.8)
        return s_
    placed("gilded", [(9, 10, 0, 0)], banner("head"), 0.3)
    placed("gilded", [(10, 10, 0, 0)], banner("cloth"), 0.3)
    placed("gilded", [(11, 10, 0, 0)], banner("tail"), 0.3)
    # a chandelier's chain (repeatable) and the chandelier: gilt arms, a few
    # candles still lit, a cobweb slung from arm to arm
    chain = ""
    for y in range(-4, 36, 8):
        chain += flat(ellipse_d(16, y, 2.4, 4.2), "none", 1.5, GILT_SHADE)
    placed("gilded", [(12, 10, 0, 0)], chain, 0.3)
    chand = flat(ellipse_d(16, -3, 2.4, 4.2), "none", 1.5, GILT_SHADE) + line([(16, 1), (16, 20)], GILT, 2.2)
    chand += flat(smooth_d([(3, 16), (9, 22), (16, 23), (23, 22), (29, 16)], False, 0.35), "none", 3.6, OUT)
    chand += flat(smooth_d([(3, 16), (9, 22), (16, 23), (23, 22), (29, 16)], False, 0.35), "none", 2, GILT)
    chand += flat(ellipse_d(16, 23, 4, 3), GILT, 1.2) + flat(poly_d([(14.5, 26), (17.5, 26), (16, 30)]), GILT_SHADE, 0.8)
    for x, lit in ((3, True), (9.5, False), (16, True), (22.5, True), (29, False)):
        y = 16 if x in (3, 29) else 12
        chand += flat(rect_d(x - 1.3, y - 6, 2.6, 6), "#e8e0d0", 0.7) + flat(rect_d(x - 2.5, y - 1, 5, 2), GILT, 0.7)
        if lit:
            chand += flat(circle_d(x, y - 8, 4.5), radial(doc, [(0, "#ffd070", 0.35), (1, "#ffd070", 0)]))
            chand += flat(ellipse_d(x, y - 8, 1, 1.8), "#ffe8a0")
    chand += line([(3, 16), (9, 19.5), (16, 20.5)], "#c8c4cc", 0.5, opacity=0.6)
    chand += line([(3, 16), (5, 24), (9, 21)], "#c8c4cc", 0.5, opacity=0.5)
    placed("gilded", [(13, 10, 0, 0)], chand, 0.25)
    # a tall stained-glass window glowing from within (top, bottom)
    glass = flat(smooth_d([(5, 64), (5, 14), (16, 2), (27, 14), (27, 64)], True, 0.2), GILT_SHADE, 1.6)
    panes = ((8, 15, 24, 34, "#7a3aa8"), (8, 34, 24, 61, "#2a5aa0"))
    for x0, y0, x1, y1, col in panes:
        glass += R(x0, y0, x1 - x0, y1 - y0, col)
    glass += flat(smooth_d([(8, 16), (16, 6), (24, 16)], True, 0.3), "#a83a4a")
    glass += flat(circle_d(16, 22, 5), "#d8a840") + flat(circle_d(16, 22, 2.4), "#a83a4a")
    for x, y, col in ((12, 42, "#3a8a5a"), (20, 42, "#a83a4a"), (12, 52, "#d8a840"), (20, 52, "#3a8a5a")):
        glass += R(x - 3, y - 4, 6, 8, col, op=0.85)
    glass += line([(16, 6), (16, 61)], GILT_SHADE, 1.4) + line([(8, 34), (24, 34)], GILT_SHADE, 1.4)
    glass += line([(8, 47), (24, 47)], GILT_SHADE, 1.2) + line([(8, 28), (24, 28)], GILT_SHADE, 1)
    glass += flat(rect_d(8, 15, 16, 46), linear(doc, [(0, "#fff0c0", 0.3), (1, "#fff0c0", 0)]))
    glass += R(4, 59, 24, 5, "#4a4050") + line([(4, 59), (28, 59)], GILT, 1, cap="butt")
    glass += line([(20, 54), (23, 58)], "#1e1426", 1) + line([(20, 54), (24, 52)], "#1e1426", 0.9)   # a cracked pane
    placed("gilded", [(14, 10, 0, 0), (15, 10, 0, 1)], glass, 0.3)
    # a gilded cornice under a ceiling (tiles to the sides): a moulding with
    # dentils, and the same with a cobweb hanging from it
    cornice = R(0, 0, 32, 5, "#3a3046") + line([(0, 5), (32, 5)], GILT, 2, cap="butt")
    cornice += line([(0, 2), (32, 2)], GILT_SHADE, 0.9, cap="butt")
    for x in range(2, 32, 8):
        cornice += R(x, 6, 4, 3, GILT_SHADE)
    placed("gilded", [(16, 10, 0, 0)], cornice, 0.3)
    placed("gilded", [(17, 10, 0, 0)], cornice + cobweb(30, 6, 13, -1) + cobweb(1, 6, 7, 1), 0.3)
    # a torn gold curtain from a ceiling: its swag under a gilt pelmet, its
    # folds (repeatable), its torn hem
    def curtain(part):
        s_ = R(2, 0, 28, 32, "#9a6a1e")
        for x in (6, 13, 20, 27):
            s_ += line([(x, 0), (x, 32)], "#6a4614", 2.4, cap="butt") + line([(x + 2.4, 0), (x + 2.4, 32)], "#c8962e", 1, cap="butt")
        if part == "head":
            s_ += R(0, 0, 32, 7, "#3a3046") + line([(0, 7), (32, 7)], GILT, 2, cap="butt")
            for x in range(4, 32, 8):
                s_ += flat(poly_d([(x - 2, 8), (x + 2, 8), (x, 12)]), GILT, 0.6)
        if part == "end":
            # a ragged hem in soft, uneven lobes with a few loose threads: a
            # torn edge of sharp points hung from a ceiling read as spikes
            hem_pts = [(30, 14), (28, 19), (25, 16.5), (22, 21), (18.5, 17.5), (15, 22.5), (11.5, 18), (8, 20.5), (4.5, 16.5),
                       (2, 18)]
            clip = doc.uid("torn")
            hem_d = smooth_d([(2, 0), (30, 0)] + hem_pts, True, 0.45)
            s_ = '<clipPath id="%s"><path d="%s"/></clipPath><g clip-path="url(#%s)">%s</g>' % (clip, hem_d, clip, s_)
            s_ += flat(smooth_d(hem_pts, False, 0.45), "none", 1.1, "#3a2410")
            s_ += line([(15, 22), (15.5, 27)], "#c8962e", 0.7) + line([(22, 20.5), (21.6, 25)], "#c8962e", 0.7)
            s_ += line([(8, 20), (8.5, 23.5)], "#c8962e", 0.7)
        return s_
    placed("gilded", [(18, 10, 0, 0)], curtain("head"), 0.35)
    placed("gilded", [(19, 10, 0, 0)], curtain("folds"), 0.35)
    placed("gilded", [(9, 11, 0, 0)], curtain("end"), 0.35)
    # a tall standing candelabrum, one candle guttered out
    cand = flat(poly_d([(10, 32), (22, 32), (18, 28), (14, 28)]), GILT, 1.2) + line([(16, 28), (16, 12)], OUT, 3.6)
    cand += line([(16, 28), (16, 12)], GILT, 2) + flat(smooth_d([(7, 6), (9, 12), (16, 13), (23, 12), (25, 6)], False, 0.35), "none", 3.4, OUT)
    cand += flat(smooth_d([(7, 6), (9, 12), (16, 13), (23, 12), (25, 6)], False, 0.35), "none", 1.8, GILT)
    for x, y, lit in ((7, 6, True), (16, 9, True), (25, 6, False)):
        cand += flat(rect_d(x - 1.3, y - 5, 2.6, 5), "#e8e0d0", 0.7)
        if lit:
            cand += flat(circle_d(x, y - 7, 4), radial(doc, [(0, "#ffd070", 0.35), (1, "#ffd070", 0)]))
            cand += flat(ellipse_d(x, y - 7, 0.9, 1.6), "#ffe8a0")
    cand += line([(16, 22), (19, 24)], GILT_LIGHT, 0.8)
    placed("gilded", [(10, 11, 0, 0)], cand, 0.3)
    # gilt dust along a floor (tiles to the sides): grey dust with flakes of
    # fallen gold leaf, flat and small so that no fleck passes for a coin
    dust = flat(smooth_d([(-2, 32), (-1, 29.5), (8, 28.8), (17, 29.6), (26, 28.6), (34, 29.4), (34, 32)], True, 0.3),
                "#4a4452")
    for x, y, w in ((3, 30, 2.4), (10, 29.6, 1.6), (15, 30.4, 2.2), (22, 29.8, 1.4), (28, 30.2, 2)):
        dust += line([(x, y), (x + w, y - 0.4)], GILT, 0.9, cap="butt")
    placed("gilded", [(11, 28, 0, 0)], dust, 0.3)
    # a gilded spire rising over the rooftops and the tower's face: its
    # finial (a gilt orb on a pointed cap), its fluted shaft (repeatable)
    # banded in gold, its plinth
    def spire(part):
        s_ = R(8, 0, 16, 32, "#4e4660") + line([(8, 0), (8, 32)], OUT, 1.6, cap="butt")
        s_ += line([(24, 0), (24, 32)], OUT, 1.6, cap="butt")
        for x in (13, 16, 19):
            s_ += line([(x, 0), (x, 32)], "#342e40", 1, cap="butt")
        s_ += R(9, 0, 3, 32, "#6e6684") + R(8, 13, 16, 4, GILT) + line([(8, 13.5), (24, 13.5)], GILT_LIGHT, 0.8, cap="butt")
        if part == "top":
            s_ = flat(poly_d([(7, 32), (25, 32), (16, 9)]), GILT, 1.4) + flat(poly_d([(16, 9), (25, 32), (18, 32)]), GILT_SHADE)
            s_ += line([(10, 30), (15, 13)], GILT_LIGHT, 1.1) + R(6, 28, 20, 4, "#4e4660", 1.2)
            s_ += line([(16, 9), (16, 5)], GILT, 1.6) + flat(circle_d(16, 4, 3), GILT, 1.1)
            s_ += flat(circle_d(15, 3, 1), GILT_LIGHT)
        if part == "foot":
            s_ += flat(rect_d(4, 20, 24, 12), "#3a3046", 1.3) + line([(4, 21), (28, 21)], GILT, 1.6, cap="butt")
        return s_
    placed("gilded", [(12, 28, 0, 0)], spire("top"), 0.3)
    placed("gilded", [(13, 28, 0, 0)], spire("shaft"), 0.3)
    placed("gilded", [(14, 28, 0, 0)], spire("foot"), 0.3)


gilded_court()


# ---------------------------------------------------------------- key signs (row 16)
# Signs that teach the default keys (arrow keys, X to jump, Z to shoot) as
# pictograms: a board on a post, kept bright so they read at a glance.
def key_cap(x, y, glyph, w=11):
    """A light key cap with its glyph drawn as a dark path."""
    s = flat(rect_d(x, y, w, 11), "#f4f0e6", 1.2) + line([(x + 1, y + 10), (x + w - 1, y + 10)], "#a8a294", 1.4, cap="butt")
    return s + glyph


def arrow_glyph(cx, cy, dx, dy):
    """A filled arrow head pointing (dx, dy) with its tail."""
    tip = (cx + dx * 3.2, cy + dy * 3.2)
    back = (cx - dx * 1.2, cy - dy * 1.2)
    side = (-dy * 2.6, dx * 2.6)
    head = flat(poly_d([tip, (back[0] + side[0], back[1] + side[1]), (back[0] - side[0], back[1] - side[1])]), OUT)
    return head + line([(cx - dx * 3, cy - dy * 3), back], OUT, 1.4)


def letter_glyph(letter, x, y):
    if letter == "X":
        return line([(x + 3, y + 2.5), (x + 8, y + 7.5)], OUT, 1.6) + line([(x + 8, y + 2.5), (x + 3, y + 7.5)], OUT, 1.6)
    return line([(x + 3, y + 2.5), (x + 8, y + 2.5), (x + 3, y + 7.5), (x + 8, y + 7.5)], OUT, 1.5, cap="butt")


def board(content):
    s = flat(rect_d(1, 2, 30, 26), "#8a5a32", 1.6) + line([(3, 4.5), (29, 4.5)], "#d8a060", 1.2, cap="butt")
    s += flat(rect_d(14, 28, 4, 4), "#6a4424", 1)
    return s + content


def jump_arc(x0, x1, peak):
    """A jump's path: up from x0 and down to an arrow head at x1."""
    mid = (x0 + x1) / 2
    d = smooth_d([(x0, 25), (x0 + 1.5, (25 + peak) / 2), (mid, peak), (x1 - 1.5, (25 + peak) / 2), (x1, 24)], False, 0.6)
    return flat(d, "none", 1.6, "#fff2a0") + flat(poly_d([(x1, 27), (x1 - 2.6, 22.5), (x1 + 2.6, 22.5)]), "#fff2a0")


def key_signs():
    sc(0, 16, flat(rect_d(13, 0, 6, 32), "#6a4424", 1.4) + line([(15, 0), (15, 32)], "#a87040", 1))
    sc(1, 16, board(key_cap(3, 9, arrow_glyph(8.5, 13.5, -1, 0)) + key_cap(18, 9, arrow_glyph(23.5, 13.5, 1, 0))))
    sc(2, 16, board(key_cap(3, 8, letter_glyph("X", 3, 8)) + jump_arc(16, 27, 11)))
    sc(3, 16, board(key_cap(3, 8, letter_glyph("X", 3, 8)) + line([(3, 23), (14, 23)], "#fff2a0", 1.2, cap="butt")
                    + jump_arc(16, 27, 6) + line([(15.5, 6), (15.5, 26)], "#fff2a0", 0.8, opacity=0.6)))
    bullets = "".join(line([(x, 14), (x + 2.5, 14)], "#fff2a0", 1.6, cap="butt") for x in (17, 21.5, 26))
    sc(4, 16, board(key_cap(3, 8, letter_glyph("Z", 3, 8)) + bullets))
    # stomp: a jump arc that comes down on the met's own yellow helmet, so the
    # sign names the enemy it is about
    helmet = flat(smooth_d([(16, 26.5), (17, 22), (21.5, 19.5), (26, 22), (27, 26.5)], True, 0.35), "#f0bf34", 1.1)
    helmet += line([(16.5, 26.5), (26.5, 26.5)], OUT, 1.2, cap="butt") + flat(ellipse_d(19.5, 21.8, 1.4, 0.7), "#fff0a8")
    stomp = smooth_d([(14.5, 24), (15.5, 14), (18.5, 8.5), (21.5, 12)], False, 0.5)
    stomp = flat(stomp, "none", 1.6, "#fff2a0") + flat(poly_d([(21.6, 18.6), (18.8, 13.8), (24.2, 13.8)]), "#fff2a0")
    sc(5, 16, board(key_cap(3, 8, letter_glyph("X", 3, 8)) + helmet + stomp))


key_signs()



def hazed_variants():
    """Props and signs drawn again over a world's haze, for its hazy stages."""
    for look, variants in HAZED_VARIANTS.items():
        for code, copy in variants.items():
            sc(copy // 100, copy % 100, haze(look) + chips[(code // 100, code % 100)])


hazed_variants()


def build():
    for (c, r), s in sorted(chips.items()):
        doc.add('<g id="chip%d" transform="translate(%d,%d)"><g clip-path="url(#cell)">%s</g></g>'
                % (c * 100 + r, c * 32, r * 32, s))
    return doc


if __name__ == "__main__":
    print(build().save("mapchip.svg"))
