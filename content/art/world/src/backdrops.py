"""Writes the six stage backdrops world/bg/bg1.svg .. bg6.svg (1280 x 960).

The stage pans across the whole picture (a one-screen map shows only its
lower half), so each is composed as receding planes: far shapes pale and
close to the sky or the air of the room, near ones dark, one light that
rims the silhouettes facing it, and a landmark or two in each part of the
picture so that the start, the middle and the goal of a stage differ. All
of it stays darker and calmer than the tiles and sprites in front of it:
the brightest things are small and soft, never a dot that could pass for
a bullet or a pickup.
"""
import math
import random
import re
from svgkit import Doc, flat, line, poly_d, smooth_d, circle_d, rect_d, star_d, radial, linear, group, f

W, H = 1280, 960


def mix(a, b, t):
    """The colour a fraction t of the way from a to b: far planes take on
    the colour of the air between them and the viewer."""
    ca = [int(a[i:i + 2], 16) for i in (1, 3, 5)]
    cb = [int(b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02x%02x%02x" % tuple(int(round(x + (y - x) * t)) for x, y in zip(ca, cb))


def rimmed(shape, rim, dx, dy, op=1.0):
    """A silhouette with a thin edge of light on the side facing the light
    (dx, dy): the shape in the rim colour, then its body moved away from the
    light on top, so the edge shows only inside the shape's own outline."""
    edge = re.sub(r' opacity="[^"]*"', "", re.sub(r'fill="(?!none")[^"]*"', 'fill="%s"' % rim, shape))
    return '<g opacity="%s">%s</g><g transform="translate(%s,%s)">%s</g>' % (op, edge, -dx, -dy, shape)


def sky(doc, stops):
    return flat(rect_d(0, 0, W, H), linear(doc, stops))


def stars(doc, n, seed, ymax=700, color="#d8dcff"):
    rnd = random.Random(seed)
    s = ""
    for _ in range(n):
        x, y = rnd.uniform(0, W), rnd.uniform(0, ymax)
        r = rnd.choice((0.8, 1.0, 1.2, 1.6))
        # fainter towards the horizon, where the air thickens
        op = rnd.uniform(0.35, 0.9) * (1 - 0.6 * y / ymax)
        if r > 1.5:
            s += flat(star_d(x, y, 3.2, 0.8, 4), color, opacity=op)
        else:
            s += flat(circle_d(x, y, r), color, opacity=op)
    return s


def moon(doc, x, y, r, glow="#c8d8ff"):
    # A hazy moon, kept dim enough that the pale rims of sprites passing in
    # front of it still stand out.
    g = radial(doc, [(0, glow, 0.25), (0.4, glow, 0.08), (1, glow, 0)])
    s = flat(circle_d(x, y, r * 4.5), g)
    s += flat(circle_d(x, y, r), radial(doc, [(0, "#b4ad9c", 1), (0.85, "#a49c86", 1), (1, "#8e8470", 1)]))
    for dx, dy, rr in ((-0.3, -0.2, 0.18), (0.25, 0.3, 0.12), (0.3, -0.35, 0.08), (-0.1, 0.4, 0.1)):
        s += flat(circle_d(x + dx * r, y + dy * r, rr * r), "#8e8672", opacity=0.8)
    return s


def ridge(points_y, seed, amp=40, step=80, base=H, peaks=None):
    """Outline of a range of hills (or of mountains with `peaks`, a list of
    (x, height) summits), closed along the bottom."""
    rnd = random.Random(seed)
    pts = [(-40, base)]
    x = -40
    while x <= W + 80:
        y = points_y + rnd.uniform(-amp, amp)
        for px, ph in peaks or ():
            y -= max(0.0, ph * (1 - abs(x - px) / (ph * 2.2)))
        pts.append((x, y))
        x += step
    pts.append((W + 80, base))
    return smooth_d(pts, False, 0.5) + "Z"


def hills(points_y, color, seed, amp=40, step=80, base=H):
    return flat(ridge(points_y, seed, amp, step, base), color)


def pine(x, base, h, color):
    w = h * 0.32
    pts = [(x, base - h)]
    tiers = 4
    for k in range(1, tiers + 1):
        y = base - h + h * k / tiers * 0.92
        ww = w * (k / tiers)
        pts.append((x + ww, y))
        if k < tiers:
            pts.append((x + ww * 0.45, y))
    pts += [(x + 3, base - h * 0.08), (x + 3, base + 4), (x - 3, base + 4), (x - 3, base - h * 0.08)]
    for k in range(tiers, 0, -1):
        y = base - h + h * k / tiers * 0.92
        ww = w * (k / tiers)
        if k < tiers:
            pts.append((x - ww * 0.45, y))
        pts.append((x - ww, y))
    return flat(poly_d(pts), color)


def dead_tree(x, base, h, color, rnd):
    s = line([(x, base + 10), (x + rnd.uniform(-6, 6), base - h)], color, h * 0.07)
    for k in range(5):
        y = base - h * rnd.uniform(0.35, 0.9)
        d = rnd.choice((-1, 1))
        l = h * rnd.uniform(0.2, 0.4)
        s += line([(x, y), (x + d * l * 0.6, y - l * 0.5), (x + d * l, y - l * 0.55)], color, h * 0.02)
    return s


def fog(doc, y, h, color="#8090c0", op=0.18):
    g = linear(doc, [(0, color, 0), (0.5, color, op), (1, color, 0)])
    return flat(rect_d(0, y, W, h), g)


def cloud_streaks(doc, n, seed, y0, y1, color, op, wmin=250, wmax=520):
    """Long thin clouds lying across the sky; the eye reads them as drifting."""
    rnd = random.Random(seed)
    s = ""
    for _ in range(n):
        y = rnd.uniform(y0, y1)
        x = rnd.uniform(-150, W)
        w = rnd.uniform(wmin, wmax)
        t = rnd.uniform(8, 16)
        s += flat(smooth_d([(x, y), (x + w * 0.25, y - t), (x + w * 0.6, y - t * 0.7), (x + w, y), (x + w * 0.55, y + t * 0.5)], True, 0.5),
                  color, opacity=op * rnd.uniform(0.6, 1.0))
    return s


def shaft(doc, top, bottom, color, op):
    """A beam of light: a quadrilateral (top edge, bottom edge) fading out
    as it falls."""
    g = linear(doc, [(0, color, 0), (0.25, color, op), (1, color, 0)])
    return flat(poly_d([top[0], top[1], bottom[1], bottom[0]]), g)


def motes(rnd, n, x0, x1, y0, y1, color, op=0.3):
    """Dust or pollen hanging in the air: tiny, soft and dim."""
    s = ""
    for _ in range(n):
        s += flat(circle_d(rnd.uniform(x0, x1), rnd.uniform(y0, y1), rnd.choice((0.8, 1.0, 1.3))), color,
                  opacity=op * rnd.uniform(0.4, 1.0))
    return s


def pool(doc, x, y, r, color, op, sy=1.0):
    """A soft pool of light on a wall or a floor."""
    g = radial(doc, [(0, color, op), (0.55, color, op * 0.35), (1, color, 0)])
    return flat("M%s,%sa%s,%s 0 1,0 %s,0a%s,%s 0 1,0 %s,0Z" % (x - r, y, r, r * sy, 2 * r, r, r * sy, -2 * r), g)


def vignette(doc, strength=0.55):
    g = radial(doc, [(0, "#000000", 0), (0.7, "#000000", strength * 0.4), (1, "#000000", strength)], 0.5, 0.5, 0.75)
    return flat(rect_d(0, 0, W, H), g)


VEIL = {"bg1": 0.12, "bg2": 0.32, "bg3": 0.42, "bg4": 0.22, "bg5": 0.3, "bg6": 0.4}


def save(doc, name):
    # a last veil of night keeps every backdrop behind the tiles and sprites
    doc.add(flat(rect_d(0, 0, W, H), "#06060f", opacity=VEIL[name]))
    print(doc.save("bg/%s.svg" % name))


# ------------------------------------------------------------ 1: moonlit forest
def ruined_keep(x, base, color):
    """A broken castle keep on a crag: the far landmark of the forest."""
    s = flat(poly_d([(x - 120, base), (x - 70, base - 60), (x - 40, base - 70), (x + 30, base - 64), (x + 90, base - 30),
                     (x + 140, base)]), color)
    s += flat(poly_d([(x - 46, base - 60), (x - 46, base - 170), (x - 52, base - 170), (x - 52, base - 184), (x - 40, base - 184),
                      (x - 40, base - 176), (x - 30, base - 176), (x - 30, base - 184), (x - 18, base - 184), (x - 18, base - 176),
                      (x - 8, base - 176), (x - 8, base - 190), (x + 4, base - 200), (x + 6, base - 150), (x + 24, base - 140),
                      (x + 34, base - 150), (x + 34, base - 96), (x + 60, base - 96), (x + 60, base - 88), (x + 64, base - 40)]), color)
    return s


def aqueduct(x0, x1, top, base, color):
    """A row of stone arches striding across the middle of the valley."""
    s = ""
    span = 64
    x = x0
    while x < x1:
        s += flat(poly_d([(x, top), (x + span, top), (x + span, base), (x + span - 12, base), (x + span - 12, top + 42),
                          (x + span / 2, top + 22), (x + 12, top + 42), (x + 12, base), (x, base)]), color)
        x += span
    s += flat(rect_d(x0 - 6, top - 10, x - x0 + 12, 12), color)
    return s


def bg1():
    doc = Doc(W, H, "Moonlit forest")
    rnd = random.Random(1)
    air = "#2a4050"  # the colour of the air at the horizon, which far planes fade into
    s = sky(doc, [(0, "#0a0e24", 1), (0.55, "#1a2a4e", 1), (1, air, 1)])
    s += stars(doc, 220, 1, 560)
    s += moon(doc, 900, 210, 70)
    # thin clouds drifting across the moon and the upper sky
    s += cloud_streaks(doc, 7, 11, 140, 420, "#4a5a84", 0.45)
    # far mountains, nearly the colour of the sky, their moon-facing slopes catching light
    far = flat(ridge(470, 12, 18, 60, H, [(160, 120), (560, 70), (1120, 140)]), mix("#1c2a40", air, 0.55))
    s += rimmed(far, "#5a6c94", 2, -1, 0.5)
    s += ruined_keep(300, 432, mix("#1a263c", air, 0.4))
    s += fog(doc, 440, 140, "#7088b8", 0.22)
    # middle plane: rolling hills with the aqueduct and a ridge of pines
    mid = mix("#16223a", air, 0.25)
    s += hills(580, mid, 2, 30, 120)
    s += aqueduct(720, 1180, 470, 620, mix("#141e34", air, 0.3))
    for k in range(26):
        x = rnd.uniform(-20, W + 20)
        if 720 < x < 1180 and rnd.random() < 0.6:
            continue  # leave the arches in the open
        s += rimmed(pine(x, 640 + rnd.uniform(-20, 20), rnd.uniform(140, 220), mid), "#3c5078", 2, 0, 0.5)
    s += fog(doc, 600, 150, "#7088b8", 0.18)
    # moonlight slanting down through the trees from the upper right
    for x in (380, 620, 1010):
        for w in (0, 24):  # a core inside a wider, fainter beam softens its edges
            s += shaft(doc, ((x + 160 + w, 300), (x + 230 - w, 300)), ((x - 60 + w, 880), (x + 40 - w, 880)), "#a8bce8", 0.05)
    # near plane: dark firs, rimmed on their moon side, and an old dead oak
    near = "#0e1524"
    s += hills(700, "#111a2c", 3, 24, 90)
    for k in range(18):
        x = rnd.uniform(-20, W + 20)
        s += rimmed(pine(x, 800 + rnd.uniform(-15, 15), rnd.uniform(220, 320), near), "#2e4066", 2, -1, 0.5)
    for x in (120, 560, 1180):
        s += dead_tree(x + rnd.uniform(-30, 30), 870, rnd.uniform(240, 320), "#0a0f1a", rnd)
    # a wayside shrine with a faint lantern, the landmark near the middle
    sx = 760
    s += pool(doc, sx, 800, 70, "#d0a060", 0.12, 0.6)
    s += flat(rect_d(sx - 6, 792, 12, 70), "#0a0f1a") + flat(poly_d([(sx - 26, 760), (sx, 738), (sx + 26, 760)]), "#0a0f1a")
    s += flat(rect_d(sx - 18, 760, 36, 32), "#0a0f1a") + flat(rect_d(sx - 8, 768, 16, 16), "#8a6a40", opacity=0.55)
    s += hills(860, "#080c16", 4, 20, 70)
    # mist lying in the hollows and soft motes of pollen in the moonlight
    s += fog(doc, 800, 160, "#6a80b0", 0.12)
    s += motes(rnd, 60, 0, W, 480, 900, "#c8d8a0", 0.28)
    s += vignette(doc, 0.45)
    doc.add(s)
    save(doc, "bg1")


# ------------------------------------------------------------ 2: rooftops at dusk
def building_row(doc, base, hmin, hmax, color, win, seed, roofs=True, density=0.25, rim=None):
    """A row of houses with lit windows; with `rim` (colour, dx, dy) their
    edges facing the light catch it."""
    rnd = random.Random(seed)
    s = ""
    x = -30
    while x < W + 30:
        w = rnd.uniform(70, 150)
        h = rnd.uniform(hmin, hmax)
        top = base - h
        kind = rnd.random()
        if roofs and kind < 0.45:
            pts = [(x, base), (x, top), (x + w * 0.5, top - w * 0.35), (x + w, top), (x + w, base)]
        elif roofs and kind < 0.65:
            pts = [(x, base), (x, top), (x + w * 0.2, top - 18), (x + w * 0.8, top - 18), (x + w, top), (x + w, base)]
        else:
            pts = [(x, base), (x, top), (x + w, top), (x + w, base)]
        house = flat(poly_d(pts), color)
        if rnd.random() < 0.6:
            cx = x + w * rnd.uniform(0.15, 0.75)
            house += flat(rect_d(cx, top - 40 - w * 0.2, 14, 50), color)
        s += rimmed(house, rim[0], rim[1], rim[2], 0.8) if rim else house
        for wy in range(int(top + 16), int(base - 20), 30):
            for wx in range(int(x + 12), int(x + w - 18), 26):
                if rnd.random() < density:
                    s += flat(rect_d(wx, wy, 10, 14), win, opacity=rnd.uniform(0.5, 0.9))
        x += w + rnd.uniform(-10, 20)
    return s


def far_skyline(base, color):
    """The old town on the far side of the river: a domed church with two
    spires on the right, a bell tower on the left, low roofs between."""
    s = hills(base - 40, color, 21, 12, 50, base + 40)
    s += flat(rect_d(150, base - 240, 44, 240), color) + flat(poly_d([(144, base - 240), (172, base - 300), (200, base - 240)]), color)
    s += flat(rect_d(168, base - 330, 4, 40), color)
    cx = 930
    s += flat(rect_d(cx - 110, base - 150, 220, 150), color)
    s += flat(smooth_d([(cx - 80, base - 150), (cx - 70, base - 215), (cx, base - 250), (cx + 70, base - 215), (cx + 80, base - 150)],
                       True, 0.5), color)
    s += flat(rect_d(cx - 6, base - 290, 12, 44), color)
    for sx in (cx - 150, cx + 150):
        s += flat(rect_d(sx - 20, base - 230, 40, 230), color) + flat(poly_d([(sx - 24, base - 230), (sx, base - 330), (sx + 24, base - 230)]), color)
    return s


def water_tower(x, base, color):
    s = flat(rect_d(x - 40, base - 150, 80, 70), color) + flat(poly_d([(x - 46, base - 150), (x, base - 186), (x + 46, base - 150)]), color)
    for lx in (-34, -10, 10, 34):
        s += line([(x + lx, base - 80), (x + lx * 1.3, base)], color, 5)
    s += line([(x - 40, base - 40), (x + 40, base - 40)], color, 3)
    return s


def bg2():
    doc = Doc(W, H, "Rooftops at dusk")
    rnd = random.Random(2)
    air = "#a4506a"
    s = sky(doc, [(0, "#1e1838", 1), (0.35, "#4a2a58", 1), (0.62, air, 1), (0.78, "#d0805a", 1), (1, "#5a3040", 1)])
    s += stars(doc, 80, 2, 260, "#f0d8ff")
    # the sun going down behind the old town: its glow lights the clouds from below
    g = radial(doc, [(0, "#ffd890", 0.5), (0.3, "#ff9a60", 0.22), (1, "#ff9a60", 0)])
    s += flat(circle_d(420, 650, 440), g) + flat(circle_d(420, 640, 60), "#f0b878", opacity=0.7)
    for k in range(10):
        y = rnd.uniform(160, 600)
        x = rnd.uniform(-100, W)
        w = rnd.uniform(220, 460)
        body = "#c86a78" if y > 420 else "#6a3a68"
        s += flat(smooth_d([(x, y), (x + w * 0.3, y - 14), (x + w * 0.7, y - 10), (x + w, y), (x + w * 0.5, y + 8)], True, 0.5), body, opacity=0.5)
        # their undersides catch the low sun
        s += flat(smooth_d([(x + w * 0.15, y + 2), (x + w * 0.5, y + 8), (x + w * 0.85, y + 2), (x + w * 0.5, y + 4)], True, 0.5), "#e89a70",
                  opacity=0.3)
    # far plane: the old town, only a shade darker than the sky
    s += far_skyline(690, mix("#3a2238", air, 0.5))
    s += fog(doc, 600, 160, "#d08070", 0.18)
    # middle plane: the street of houses, their sunward edges warm
    s += building_row(doc, 790, 70, 190, mix("#3a2238", air, 0.12), "#ffb860", 21, density=0.16, rim=("#b0606a", -2, 0))
    s += fog(doc, 700, 160, "#c06a70", 0.16)
    # near plane: our rooftops with chimneys smoking into the wind, and a water tower
    near = "#1a0e1c"
    for cx in (230, 610, 1060):
        for k in range(5):
            s += flat(circle_d(cx + 30 * k + 8 * k * k, 700 - 30 * k, 14 + 7 * k), "#6a4a66", opacity=0.14 - 0.02 * k)
    s += building_row(doc, 880, 60, 200, "#2a1628", "#ffc070", 22, density=0.18, rim=("#6a3448", -2, 0))
    s += water_tower(1000, 880, "#22121f")
    s += building_row(doc, 990, 40, 150, near, "#ffc878", 23, density=0.1)
    # a lit attic window throwing its warmth on the wall beside it
    s += pool(doc, 470, 860, 60, "#ffb060", 0.12, 0.8)
    # wires and washing between the nearest roofs
    for k, x0 in enumerate((60, 420, 830)):
        s += line([(x0, 800), (x0 + 150, 840), (x0 + 300, 805)], "#12080e", 2)
        for j in range(4):
            t = 0.2 + 0.18 * j
            px, py = x0 + 300 * t, 800 + 40 * math.sin(math.pi * t) + (5 if t > 0.5 else 0)
            s += flat(rect_d(px - 7, py, 14, 18 + 4 * (j % 2)), ("#3a2030", "#2e2a3a", "#3a2a24")[(k + j) % 3])
    for k in range(6):  # birds
        x, y = rnd.uniform(600, 1200), rnd.uniform(150, 400)
        s += line([(x - 8, y - 3), (x, y), (x + 8, y - 4)], "#2a1830", 2)
    s += motes(rnd, 40, 0, W, 500, 900, "#ffd0a0", 0.22)
    s += vignette(doc, 0.4)
    doc.add(s)
    save(doc, "bg2")


# ------------------------------------------------------------ 3: mansion halls
def arched_window(doc, x, y, w, h, sky_fill, frame="#1e1014", curtain="#4a1020"):
    s = flat(smooth_d([(x - 10, y + h + 10), (x - 10, y + w * 0.4), (x + w / 2, y - 12), (x + w + 10, y + w * 0.4),
                       (x + w + 10, y + h + 10)], True, 0.45), frame)
    arch = smooth_d([(x, y + h), (x, y + w * 0.45), (x + w / 2, y), (x + w, y + w * 0.45), (x + w, y + h)], True, 0.45)
    s += flat(arch, sky_fill)
    s += line([(x + w / 2, y), (x + w / 2, y + h)], frame, 5)
    for k in range(1, 4):
        s += line([(x, y + h * k / 4 + 20), (x + w, y + h * k / 4 + 20)], frame, 4)
    # curtains
    s += flat(smooth_d([(x - 24, y - 10), (x + 18, y - 10), (x + 6, y + h * 0.5), (x + 14, y + h + 20), (x - 24, y + h + 20)], True, 0.4), curtain)
    s += flat(smooth_d([(x + w + 24, y - 10), (x + w - 18, y - 10), (x + w - 6, y + h * 0.5), (x + w - 14, y + h + 20),
                        (x + w + 24, y + h + 20)], True, 0.4), curtain)
    return s


def portrait(x, y, w, h):
    """A dim old painting in a gilt frame: a figure's head and shoulders."""
    s = flat(rect_d(x - 8, y - 8, w + 16, h + 16), "#5a4420") + flat(rect_d(x, y, w, h), "#24161a")
    s += flat(circle_d(x + w / 2, y + h * 0.38, w * 0.18), "#4a3a34")
    s += flat(smooth_d([(x + w * 0.15, y + h), (x + w * 0.25, y + h * 0.62), (x + w * 0.75, y + h * 0.62), (x + w * 0.85, y + h)], True, 0.4),
              "#3a1a22")
    return s


def grandfather_clock(x, base, color, face):
    s = flat(rect_d(x - 26, base - 220, 52, 220), color) + flat(smooth_d([(x - 32, base - 220), (x - 32, base - 250), (x, base - 272),
                                                                           (x + 32, base - 250), (x + 32, base - 220)], True, 0.4), color)
    s += flat(circle_d(x, base - 236, 18), face) + line([(x, base - 236), (x + 8, base - 244)], color, 2)
    s += line([(x, base - 200), (x, base - 110)], face, 2) + flat(circle_d(x, base - 104, 8), face)
    return s


def armour(x, base, color):
    """A suit of armour on its stand, halberd raised."""
    s = flat(rect_d(x - 30, base - 14, 60, 14), color)
    s += flat(smooth_d([(x - 16, base - 14), (x - 14, base - 80), (x - 26, base - 150), (x - 20, base - 176), (x + 20, base - 176),
                        (x + 26, base - 150), (x + 14, base - 80), (x + 16, base - 14)], True, 0.3), color)
    s += flat(smooth_d([(x - 13, base - 176), (x - 14, base - 200), (x, base - 214), (x + 14, base - 200), (x + 13, base - 176)], True, 0.4), color)
    s += line([(x + 40, base - 14), (x + 40, base - 260)], color, 5) + flat(poly_d([(x + 40, base - 280), (x + 56, base - 236),
                                                                                     (x + 40, base - 244), (x + 28, base - 236)]), color)
    return s


def bg3():
    doc = Doc(W, H, "Mansion halls")
    rnd = random.Random(3)
    air = "#3a2a3e"  # the dusty dark of the hall, which the far wall fades into
    s = flat(rect_d(0, 0, W, H), linear(doc, [(0, "#1a1020", 1), (0.7, "#2a1828", 1), (1, "#140a10", 1)]))
    # far plane: the hall's back wall, paled by the dusty air, with its tall windows
    for y in range(40, 720, 80):
        for x in range(0, W + 80, 80):
            s += flat(star_d(x + (40 if (y // 80) % 2 else 0), y, 16, 6, 4), "#302032", opacity=0.9)
    night = linear(doc, [(0, "#101a3a", 1), (1, "#2a3a6a", 1)])
    for k, x in enumerate((110, 450, 790, 1130)):
        s += arched_window(doc, x, 170, 110, 330, night, mix("#1e1014", air, 0.2), mix("#3a0e1a", air, 0.15))
        if k == 1:
            s += flat(circle_d(x + 70, 260, 24), "#c8c0a8", opacity=0.75)
    s += fog(doc, 80, 640, air, 0.22)
    # moonlight falling from the windows across the floor
    for x in (110, 450, 790, 1130):
        for w in (0, 14):
            s += shaft(doc, ((x + w, 200), (x + 110 - w, 200)), ((x + 150 + w, 900), (x + 330 - w, 900)), "#9aaad8", 0.08)
    # middle plane: pilasters between the windows, portraits, a chandelier glow on each
    for x in (0, 300, 640, 980, 1280):
        s += flat(rect_d(x - 30, 90, 60, 620), "#3a2a30") + flat(rect_d(x - 18, 90, 8, 620), "#4e3a40")
        s += flat(rect_d(x - 42, 70, 84, 28), "#4a3438") + flat(rect_d(x - 42, 690, 84, 30), "#4a3438")
    for x in (300, 980):
        s += portrait(x - 40, 300, 80, 104)
    # wainscot and floor
    s += flat(rect_d(0, 710, W, 120), "#2a140e") + line([(0, 712), (W, 712)], "#7a5a2c", 4)
    for x in range(20, W, 120):
        s += flat(rect_d(x, 730, 96, 80), "#32180f") + flat(rect_d(x, 730, 96, 80), "none", 2, "#1a0a06")
    s += flat(rect_d(0, 830, W, 130), linear(doc, [(0, "#3a1a14", 1), (1, "#140806", 1)]))
    s += flat(rect_d(0, 860, W, 50), "#4a0c1a", opacity=0.8) + line([(0, 860), (W, 860)], "#7a5a2c", 2) + line([(0, 910), (W, 910)], "#7a5a2c", 2)
    # the moonlit patches where the beams land
    for x in (110, 450, 790, 1130):
        s += pool(doc, x + 240, 880, 110, "#8a9ad0", 0.1, 0.22)
    # a fireplace in the middle of the hall: embers throwing a warm pool on the floor and wall
    fx = 640
    s += pool(doc, fx, 780, 200, "#ff9a50", 0.16, 0.7)
    s += flat(rect_d(fx - 110, 650, 220, 26), "#4a3438") + flat(rect_d(fx - 96, 676, 192, 160), "#3a2a30")
    s += flat(smooth_d([(fx - 64, 836), (fx - 64, 730), (fx, 700), (fx + 64, 730), (fx + 64, 836)], True, 0.4), "#120806")
    s += flat(smooth_d([(fx - 40, 836), (fx - 20, 806), (fx, 820), (fx + 22, 800), (fx + 40, 836)], True, 0.4), "#a0482a", opacity=0.7)
    s += flat(rect_d(fx - 30, 430, 60, 200), "#3a2a30") + portrait(fx - 60, 470, 120, 150)
    # chandeliers with a soft glow
    for x in (300, 980):
        g = radial(doc, [(0, "#ffd890", 0.3), (1, "#ffd890", 0)])
        s += flat(circle_d(x, 150, 200), g)
        s += line([(x, 0), (x, 110)], "#1a0e0a", 3)
        s += flat(smooth_d([(x - 90, 130), (x, 175), (x + 90, 130)], True, 0.4), "#6a5020")
        for dx in (-80, -40, 0, 40, 80):
            s += flat(rect_d(x + dx - 3, 112 + abs(dx) * 0.1, 6, 18), "#b8b09c") + flat(circle_d(x + dx, 106 + abs(dx) * 0.1, 5), "#e8c070",
                                                                                           opacity=0.85)
    # near plane: furniture standing dark against the light, heavy drapes at the top
    near = "#1c1218"
    s += rimmed(armour(200, 862, near), "#4a3a52", 0, -2, 0.9)
    s += rimmed(grandfather_clock(880, 862, near, "#3a2e2a"), "#5a3a2a", -2, 0, 0.9)
    s += rimmed(armour(1180, 862, near), "#4a3a52", 0, -2, 0.9)
    for x0, x1 in ((-40, 420), (420, 860), (860, 1320)):
        s += flat(smooth_d([(x0, 0), (x1, 0), (x1, 30), ((x0 + x1) / 2, 80), (x0, 30)], True, 0.5), "#2a0a14")
    s += motes(rnd, 70, 0, W, 200, 860, "#d8d0c0", 0.25)
    s += vignette(doc, 0.55)
    doc.add(s)
    save(doc, "bg3")


# ------------------------------------------------------------ 4: catacombs
def arch_d(x, w, top, base):
    """A round-headed opening, x its left side."""
    return smooth_d([(x, base), (x, top + w * 0.5), (x + w / 2, top), (x + w, top + w * 0.5), (x + w, base)], True, 0.4)


def skull(x, y, tilt, bone, shade):
    """A skull 26 px wide facing out of its niche, its top at y: a cranium lit
    from the torches above, deep eye sockets, a nose hole and a row of teeth,
    so it reads as a skull and not as a pale blob at the game's size."""
    cranium = smooth_d([(x - 12, y + 15), (x - 13, y + 6), (x - 7, y - 1), (x, y - 2), (x + 7, y - 1), (x + 13, y + 6),
                        (x + 12, y + 15), (x + 8, y + 19), (x - 8, y + 19)], True, 0.4)
    jaw = smooth_d([(x - 8, y + 18), (x + 8, y + 18), (x + 7, y + 25), (x, y + 27), (x - 7, y + 25)], True, 0.4)
    s = flat(jaw, shade) + flat(cranium, bone)
    # the side away from the light and the cheek under the sockets in shade
    s += flat(smooth_d([(x + 4, y), (x + 12, y + 6), (x + 12, y + 15), (x + 7, y + 19), (x + 9, y + 10)], True, 0.4), shade)
    for side in (-1, 1):
        s += flat(smooth_d([(x + side * 2, y + 8), (x + side * 6, y + 6), (x + side * 10, y + 9), (x + side * 9, y + 14),
                            (x + side * 4, y + 14)], True, 0.45), "#060608")
    s += flat(poly_d([(x, y + 14), (x + 2, y + 18), (x - 2, y + 18)]), "#060608")
    s += flat(rect_d(x - 6, y + 19.5, 12, 3.5), "#0c0c0e")
    for k in range(-2, 3):
        s += flat(rect_d(x + k * 2.4 - 0.9, y + 19.5, 1.8, 3), bone if k < 1 else shade)
    return group(s, extra=' rotate(%s %s %s)' % (tilt, x, y + 14)) if tilt else s


def skull_shelf(px, sy, bone, shade):
    """Three skulls in a round-headed niche cut into the wall, on a stone
    ledge, with long bones stacked under them."""
    s = flat(arch_d(px - 52, 104, sy - 40, sy + 34), "#262a32")
    s += flat(arch_d(px - 46, 92, sy - 34, sy + 30), "#07080b")
    for k in range(3):  # long bones stacked crosswise at the back
        y = sy + 23 - k * 3.5
        s += line([(px - 40, y), (px + 40, y)], "#2c2b28", 3)
        for x in (px - 40, px + 40):
            s += flat(circle_d(x, y - 1, 2.2), "#34332f") + flat(circle_d(x, y + 1.2, 2.2), "#34332f")
    for dx, tilt in ((-30, -6), (0, 0), (30, 8)):
        s += skull(px + dx, sy + 2, tilt, bone, shade)
    s += flat(rect_d(px - 54, sy + 30, 108, 7), "#2a2f38") + line([(px - 53, sy + 30.5), (px + 53, sy + 30.5)], "#383d46", 1.5)
    s += flat(rect_d(px - 54, sy + 37, 108, 3), "#0c0e12")
    return s


def crypt_gate(x, w, top, base):
    """An iron gate closing an ossuary arch: bars with a faint edge of
    torchlight, two cross rails and a ring for a lock, dark against the
    blackness of the crypt behind."""
    s = ""
    for k in range(1, int(w // 16)):
        bx = x + k * 16
        # a bar ends in a spike where it meets the arch's round head
        t = abs((bx - (x + w / 2)) / (w / 2))
        head = top + w * 0.5 * (1 - math.sqrt(max(0.0, 1 - t * t))) + 4
        s += line([(bx, head + 8), (bx, base)], "#1e2229", 4, cap="butt")
        s += line([(bx - 1.2, head + 8), (bx - 1.2, base)], "#2e333b", 1.2, cap="butt")
        s += flat(poly_d([(bx - 3.5, head + 9), (bx, head), (bx + 3.5, head + 9)]), "#262a31")
    for y in (top + w * 0.62, base - 130):
        s += flat(rect_d(x + 4, y, w - 8, 7), "#1e2229") + line([(x + 5, y + 0.8), (x + w - 5, y + 0.8)], "#30353d", 1.2)
    s += line([(x + w / 2 - 10, base - 118), (x + w / 2 - 10, base - 100)], "#1a1d23", 3)
    s += '<circle cx="%s" cy="%s" r="6" fill="none" stroke="#2e333b" stroke-width="2.5"/>' % (f(x + w / 2 - 10), f(base - 94))
    return s


def torch(doc, x, y):
    # the flame is small and dull orange; the light lies on the wall round it
    s = pool(doc, x, y + 30, 200, "#ff8a30", 0.26, 1.0)
    s += flat(rect_d(x - 5, y, 10, 50), "#3a2a1e") + flat(rect_d(x - 10, y - 2, 20, 8), "#2a1e16")
    s += flat(smooth_d([(x - 11, y + 2), (x - 4, y - 22), (x, y - 38), (x + 5, y - 20), (x + 11, y + 2)], True, 0.4), "#b86a2c")
    s += flat(smooth_d([(x - 5, y + 2), (x, y - 20), (x + 5, y + 2)], True, 0.4), "#d89048", opacity=0.8)
    return s


def bg4():
    doc = Doc(W, H, "Catacombs")
    rnd = random.Random(4)
    air = "#3a4450"  # the cold grey damp of the tunnels
    cracks = random.Random(41)
    s = flat(rect_d(0, 0, W, H), linear(doc, [(0, "#0c0e12", 1), (0.5, "#1a1e26", 1), (1, "#0a0b0e", 1)]))
    # the wall of stone blocks
    for y in range(0, H, 40):
        off = 0 if (y // 40) % 2 == 0 else 40
        for x in range(-80, W + 80, 80):
            c = rnd.choice(("#1c2028", "#20252e", "#181b22"))
            s += flat(rect_d(x + off + 2, y + 2, 76, 36), c)
            # each block's upper edge catches a little light, its lower
            # edge sinks into the mortar, so the stones read as cut blocks
            s += line([(x + off + 3, y + 3), (x + off + 77, y + 3)], "#242a33", 1.5, cap="butt")
            s += line([(x + off + 3, y + 37), (x + off + 77, y + 37)], "#12141a", 1.5, cap="butt")
            if cracks.random() < 0.12:  # a crack running down from a corner
                cx0 = x + off + cracks.uniform(10, 60)
                s += line([(cx0, y + 3), (cx0 + cracks.uniform(-6, 6), y + 14), (cx0 + cracks.uniform(-8, 8), y + 26)],
                          "#101217", 1.5)
    # far plane: a long gallery seen through a great arch on the left, its
    # arches smaller and greyer the further they go, a grey light at its end
    vx, vy = 330, 560
    s += flat(arch_d(150, 360, 300, 840), "#06070a")
    for k in range(7):
        t = k / 7.0
        w = 340 * (1 - t * 0.85)
        top = 310 + (vy - 310) * t * 0.95
        base = 840 + (vy + 60 - 840) * t * 0.95
        x = vx - w / 2
        col = mix("#1a1e26", air, 0.15 + 0.75 * t)
        s += flat(arch_d(x, w, top, base), col)
        s += flat(arch_d(x + w * 0.08, w * 0.84, top + w * 0.06, base), mix("#06070a", air, 0.1 + 0.8 * t))
    s += pool(doc, vx, vy + 20, 60, "#8a9aa8", 0.3, 1.2)
    s += fog(doc, 480, 320, air, 0.3)
    # middle plane: ossuary arches and skull shelves along the wall, a torch lighting each stretch
    for x in (880, 1200):
        s += flat(arch_d(x - 80, 160, 380, 820), "#2a2f38") + flat(arch_d(x - 64, 128, 400, 820), "#06070a")
        s += flat(arch_d(x - 40, 80, 460, 820), "#0e1014")
    s += crypt_gate(1200 - 64, 128, 400, 820)
    for px in (720, 1040):
        for sy in (420, 540, 660):
            s += skull_shelf(px, sy, "#4e4b44", "#35332e")
    for x in (720, 1040):
        s += torch(doc, x, 330)
    # a sarcophagus on its plinth in front of the middle arch
    sx = 880
    s += flat(rect_d(sx - 110, 780, 220, 40), "#262a32") + flat(rect_d(sx - 96, 720, 192, 60), "#2e333c")
    s += flat(poly_d([(sx - 100, 720), (sx - 90, 700), (sx + 90, 700), (sx + 100, 720)]), "#363b44")
    s += line([(sx - 60, 702), (sx - 30, 690), (sx + 30, 690), (sx + 60, 702)], "#3e434c", 6)
    # a shaft of daylight through a grate far above the right-hand end, dust drifting in it
    for w in (0, 20):
        s += shaft(doc, ((1150 + w, 0), (1230 - w, 0)), ((1040 + w, 860), (1180 - w, 860)), "#a8b8c8", 0.07)
    s += motes(rnd, 40, 1040, 1230, 100, 860, "#c8d0d8", 0.35)
    s += motes(rnd, 40, 600, 1100, 250, 500, "#e0b080", 0.25)
    # the floor with its scattered bones
    s += flat(rect_d(0, 820, W, 140), linear(doc, [(0, "#22262e", 1), (1, "#0a0b0e", 1)]))
    for k in range(30):
        x, y = rnd.uniform(0, W), rnd.uniform(840, 940)
        a = rnd.uniform(-0.5, 0.5)
        s += line([(x - 14 * math.cos(a), y - 14 * math.sin(a)), (x + 14 * math.cos(a), y + 14 * math.sin(a))], "#4a4840", 4)
    s += fog(doc, 700, 200, "#6a7a8a", 0.12)
    # near plane: rough pillars holding up the vault, roots and chains hanging from it
    near = "#0a0b0e"
    for x, w in ((40, 90), (560, 70)):
        s += rimmed(flat(poly_d([(x - w / 2, H), (x - w / 2 + 6, 0), (x + w / 2 - 4, 0), (x + w / 2, H)]), near), "#2a2620", 3, 0, 0.9)
    for x in (460, 640, 960, 1260):
        n = rnd.randint(10, 18)
        s += line([(x + math.sin(k * 0.9) * 3, k * 12) for k in range(n)], "#101216", 3)
    for x0 in (180, 780):
        s += line([(x0 + 12 * k, 10 + 40 * math.sin(math.pi * k / 10)) for k in range(11)], "#16181c", 3)
    # cobwebs in the upper corners
    for cx, sx in ((0, 1), (W, -1)):
        for a in range(0, 91, 15):
            r = math.radians(a)
            s += line([(cx, 0), (cx + sx * math.cos(r) * 220, math.sin(r) * 220)], "#8a8a9a", 1.2, opacity=0.3)
        for rr in (60, 120, 180):
            s += line([(cx + sx * math.cos(math.radians(a)) * rr, math.sin(math.radians(a)) * rr) for a in range(0, 91, 15)],
                      "#8a8a9a", 1.2, opacity=0.3)
    s += vignette(doc, 0.6)
    doc.add(s)
    save(doc, "bg4")


# ------------------------------------------------------------ 5: clock tower under the night sky
def clock_face(doc, x, y, r):
    s = flat(circle_d(x, y, r + 26), "#3a3238") + flat(circle_d(x, y, r + 14), "#8a6a30")
    s += flat(circle_d(x, y, r), radial(doc, [(0, "#8e8672", 1), (0.8, "#7a725e", 1), (1, "#5e5646", 1)]))
    for i in range(60):
        a = 2 * math.pi * i / 60
        r0 = r * (0.82 if i % 5 == 0 else 0.9)
        s += line([(x + math.cos(a) * r0, y + math.sin(a) * r0), (x + math.cos(a) * r * 0.96, y + math.sin(a) * r * 0.96)],
                  "#2a2024", 6 if i % 5 == 0 else 2)
    s += line([(x, y), (x + r * 0.45, y - r * 0.3)], "#2a2024", 12) + line([(x, y), (x - r * 0.12, y - r * 0.78)], "#2a2024", 8)
    s += flat(circle_d(x, y, 12), "#2a2024")
    return s


def gear(gx, gy, gr, body, hub, hole):
    p = []
    for i in range(96):
        a = 2 * math.pi * i / 96
        rr = gr if (i % 6) < 3 else gr - 18
        p.append((gx + math.cos(a) * rr, gy + math.sin(a) * rr))
    return flat(poly_d(p), body) + flat(circle_d(gx, gy, gr * 0.4), hub) + flat(circle_d(gx, gy, gr * 0.15), hole)


def bg5():
    doc = Doc(W, H, "Clock tower under the night sky")
    rnd = random.Random(5)
    air = "#2a3460"
    s = sky(doc, [(0, "#06081a", 1), (0.45, "#141e44", 1), (0.75, air, 1), (1, "#1a1e30", 1)])
    s += stars(doc, 320, 5, 720)
    # milky band
    s += flat(smooth_d([(-50, 420), (400, 250), (900, 160), (1330, 60), (1330, 160), (900, 260), (400, 350), (-50, 520)], True, 0.5),
              "#8090d0", opacity=0.08)
    s += moon(doc, 1080, 250, 56)
    s += cloud_streaks(doc, 8, 51, 200, 600, "#3a4478", 0.5)
    # far plane: hills and a cathedral on the right, all but the colour of the sky
    s += hills(640, mix("#182040", air, 0.6), 52, 30, 110)
    cx = 1000
    far = mix("#161c36", air, 0.5)
    s += flat(rect_d(cx - 70, 520, 140, 140), far) + flat(poly_d([(cx - 80, 520), (cx, 470), (cx + 80, 520)]), far)
    s += flat(rect_d(cx - 110, 430, 40, 230), far) + flat(poly_d([(cx - 114, 430), (cx - 90, 330), (cx - 66, 430)]), far)
    s += flat(rect_d(cx + 70, 450, 36, 210), far) + flat(poly_d([(cx + 66, 450), (cx + 88, 370), (cx + 110, 450)]), far)
    s += fog(doc, 560, 160, "#5a6ca8", 0.2)
    # middle plane: the town round the tower's foot, and a viaduct on the left
    mid = mix("#141a30", air, 0.2)
    s += aqueduct(-20, 400, 600, 840, mix("#141a30", air, 0.35))
    s += building_row(doc, 830, 60, 190, mid, "#e0b060", 51, density=0.1, rim=("#3e4c7c", 2, 0))
    s += fog(doc, 720, 140, "#5a6ca8", 0.14)
    # the tower in the middle of the picture, its moon side edged with light
    tx = 560
    body = flat(poly_d([(tx - 150, 960), (tx - 150, 300), (tx - 170, 300), (tx - 170, 270), (tx + 170, 270), (tx + 170, 300),
                        (tx + 150, 300), (tx + 150, 960)]), "#1e2034")
    s += rimmed(body, "#4a5684", 3, 0, 0.9)
    roof = flat(poly_d([(tx - 180, 272), (tx, 60), (tx + 180, 272)]), "#23263c")
    s += rimmed(roof, "#4a5684", 3, 0, 0.9)
    s += line([(tx, 60), (tx, 20)], "#23263c", 6) + flat(circle_d(tx, 20, 6), "#23263c")
    for y in range(320, 960, 48):
        s += line([(tx - 150, y), (tx + 147, y)], "#181a2a", 2)
    s += clock_face(doc, tx, 420, 110)
    g = radial(doc, [(0, "#fff0c0", 0.12), (1, "#fff0c0", 0)])
    s += flat(circle_d(tx, 420, 260), g)
    for wy in (620, 760):
        s += pool(doc, tx, wy + 50, 60, "#c09050", 0.14, 1.2)
        s += flat(smooth_d([(tx - 30, wy + 80), (tx - 30, wy + 20), (tx, wy), (tx + 30, wy + 20), (tx + 30, wy + 80)], True, 0.4), "#c09050",
                  opacity=0.35)
    # bats circling the tower
    for k in range(5):
        x, y = tx + rnd.uniform(-260, 300), rnd.uniform(120, 380)
        s += flat(poly_d([(x - 9, y - 3), (x - 4, y), (x, y - 2), (x + 4, y), (x + 9, y - 3), (x + 4, y + 3), (x, y + 1), (x - 4, y + 3)]), "#10121e")
    # near plane: the works of the clock breaking through the walls, rooftops below
    s += rimmed(gear(80, 700, 150, "#22202a", "#2c2834", "#14121a"), "#3a3a52", 2, -1, 0.9)
    s += rimmed(gear(1240, 820, 190, "#22202a", "#2c2834", "#14121a"), "#3a3a52", 2, -1, 0.9)
    s += rimmed(gear(1090, 930, 90, "#1a1822", "#24202c", "#100e16"), "#34344a", 2, -1, 0.9)
    s += building_row(doc, 1000, 40, 120, "#10121e", "#d0a058", 53, density=0.06)
    s += fog(doc, 840, 120, "#4a5a90", 0.12)
    s += motes(rnd, 40, 0, W, 300, 900, "#b0c0e8", 0.25)
    s += vignette(doc, 0.4)
    doc.add(s)
    save(doc, "bg5")


# ------------------------------------------------------------ 6: final throne room
def statue(x, base, color):
    """A robed figure with a sword on a plinth, standing in a niche."""
    s = flat(rect_d(x - 34, base - 40, 68, 40), color)
    s += flat(smooth_d([(x - 30, base - 40), (x - 22, base - 170), (x - 14, base - 196), (x + 14, base - 196), (x + 22, base - 170),
                        (x + 30, base - 40)], True, 0.4), color)
    s += flat(circle_d(x, base - 212, 17), color)
    s += line([(x, base - 60), (x, base - 180)], color, 6) + line([(x - 18, base - 160), (x + 18, base - 160)], color, 6)
    return s


def bg6():
    doc = Doc(W, H, "Final throne room")
    rnd = random.Random(6)
    air = "#3a2450"  # the violet dusk of the hall
    s = flat(rect_d(0, 0, W, H), linear(doc, [(0, "#0c0614", 1), (0.6, "#1e1030", 1), (1, "#0a0410", 1)]))
    # far plane: an arcade along the back wall, fading into the violet air
    far = mix("#1c122c", air, 0.45)
    for x in range(-40, W + 40, 110):
        s += flat(rect_d(x, 200, 26, 560), far)
        s += flat(smooth_d([(x + 26, 330), (x + 68, 262), (x + 110, 330), (x + 110, 300), (x + 68, 236), (x + 26, 300)], True, 0.4), far)
    s += flat(rect_d(0, 190, W, 16), far)
    s += fog(doc, 160, 640, air, 0.3)
    # great stained-glass window behind the throne
    cx = 640
    arch = smooth_d([(cx - 160, 620), (cx - 160, 260), (cx, 90), (cx + 160, 260), (cx + 160, 620)], True, 0.45)
    s += flat(arch, "#140a1e")
    cols = ["#6a1a30", "#1a2a6a", "#6a5a1a", "#1a5a3a", "#4a1a6a"]
    for y in range(100, 620, 40):
        for x in range(cx - 160, cx + 160, 40):
            if abs(x + 20 - cx) < 160 - max(0, 260 - y) * 0.9:
                s += flat(rect_d(x + 3, y + 3, 34, 34), rnd.choice(cols), opacity=0.55)
    s += flat(star_d(cx, 300, 90, 36, 8), "#a0802a", opacity=0.35)
    s += flat(arch, "none", 10, "#0c0614")
    g = radial(doc, [(0, "#c080ff", 0.22), (1, "#c080ff", 0)])
    s += flat(circle_d(cx, 360, 420), g)
    # coloured light falling from the glass across the dais and the carpet
    for k, (c, x0, x1) in enumerate((("#c05070", -150, -50), ("#5070d0", -50, 50), ("#c0a050", 50, 150))):
        s += shaft(doc, ((cx + x0, 260), (cx + x1, 260)), ((cx + x0 * 2.6 - 120, 900), (cx + x1 * 2.6 - 120, 900)), c, 0.13)
    # statues in niches between the far columns: the left and right of the hall differ
    for x in (180, 1100):
        s += flat(arch_d(x - 60, 120, 420, 780), "#140c20")
        s += rimmed(statue(x, 780, "#2a1e3a"), "#6a4a8a", 0, -2, 0.8)
    # columns receding on both sides: the far ones pale into the air, the near ones dark
    for k, x in enumerate((90, 260, 400, 880, 1020, 1190)):
        w = [70, 56, 44, 44, 56, 70][k]
        top = [40, 80, 120, 120, 80, 40][k]
        depth = [0.0, 0.25, 0.5, 0.5, 0.25, 0.0][k]
        col = mix("#1e1430", air, depth)
        lit = mix("#4a3470", air, depth)
        side = 1 if x < cx else -1  # the lit side faces the window
        s += flat(rect_d(x - w / 2, top, w, 840 - top), col)
        s += flat(rect_d(x + side * w * 0.5 - (w * 0.18 if side > 0 else 0), top, w * 0.18, 840 - top), lit, opacity=0.8)
        s += flat(rect_d(x - w / 2 - 10, top, w + 20, 24), mix("#3a2a50", air, depth))
        s += flat(rect_d(x - w / 2 - 10, 816, w + 20, 24), mix("#3a2a50", air, depth))
        # banners
        s += flat(poly_d([(x - w * 0.35, top + 60), (x + w * 0.35, top + 60), (x + w * 0.35, top + 300), (x, top + 260),
                          (x - w * 0.35, top + 300)]), mix("#5a0e20", air, depth), opacity=0.9)
        s += flat(star_d(x, top + 150, w * 0.2, w * 0.08, 5, -math.pi / 2), "#a0802a", opacity=0.7)
    # the throne on its dais
    s += flat(poly_d([(cx - 260, 840), (cx - 200, 760), (cx + 200, 760), (cx + 260, 840)]), "#2a1c3a")
    s += flat(poly_d([(cx - 200, 760), (cx - 160, 720), (cx + 160, 720), (cx + 200, 760)]), "#34244a")
    throne = flat(smooth_d([(cx - 70, 720), (cx - 70, 520), (cx - 40, 450), (cx, 420), (cx + 40, 450), (cx + 70, 520), (cx + 70, 720)], True, 0.4),
                  "#2e0c22")
    s += rimmed(throne, "#7a4a8a", 0, -2, 0.5)
    # the throne's back and the carpet are a deep, cool wine: the sorceress
    # fights in front of them in her rosier crimson, drawn see-through
    s += flat(smooth_d([(cx - 50, 720), (cx - 50, 540), (cx, 470), (cx + 50, 540), (cx + 50, 720)], True, 0.4), "#4a1438")
    s += flat(poly_d([(cx - 40, 430), (cx - 24, 390), (cx - 8, 420), (cx, 380), (cx + 8, 420), (cx + 24, 390), (cx + 40, 430)]), "#a0802a")
    # carpet running towards the viewer
    s += flat(poly_d([(cx - 90, 760), (cx + 90, 760), (cx + 300, 960), (cx - 300, 960)]), "#3a0c28")
    s += line([(cx - 90, 760), (cx - 300, 960)], "#8a6a20", 4) + line([(cx + 90, 760), (cx + 300, 960)], "#8a6a20", 4)
    s += flat(rect_d(0, 840, W, 120), "#140a1e", opacity=0.55)
    # braziers of violet fire, their light pooled on the floor
    for x in (300, 980):
        s += pool(doc, x, 620, 170, "#a060ff", 0.22, 1.2)
        s += flat(smooth_d([(x - 12, 540), (x, 490), (x + 12, 540)], True, 0.4), "#b080e8", opacity=0.75)
        s += flat(poly_d([(x - 20, 540), (x + 20, 540), (x + 10, 556), (x - 10, 556)]), "#3a2a50")
        s += flat(rect_d(x - 6, 556, 12, 44), "#2a1c3a") + flat(rect_d(x - 18, 596, 36, 8), "#2a1c3a")
    # near plane: the hall's nearest columns at both ends, almost black, and hanging chains
    for x in (-10, 1290):
        s += rimmed(flat(rect_d(x - 50, 0, 100, H), "#08040c"), "#3a2450", 4 if x < cx else -4, 0, 0.9)
    for x in (140, 1140):
        s += line([(x, 0), (x, 140)], "#0c0614", 3) + flat(circle_d(x, 150, 14), "none", 3, "#0c0614")
    s += motes(rnd, 80, 360, 920, 240, 900, "#e0c8f0", 0.25)
    s += vignette(doc, 0.55)
    doc.add(s)
    save(doc, "bg6")


if __name__ == "__main__":
    for fn in (bg1, bg2, bg3, bg4, bg5, bg6):
        fn()
