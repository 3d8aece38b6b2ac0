"""Writes the six stage backdrops world/bg/bg1.svg .. bg6.svg (1280 x 960).

The stage pans across the whole picture, so each is composed as layers of
silhouettes from far to near, all kept darker and greyer than the tiles and
sprites in front of them.
"""
import math
import random
from svgkit import Doc, flat, line, poly_d, smooth_d, circle_d, rect_d, star_d, radial, linear

W, H = 1280, 960


def sky(doc, stops):
    return flat(rect_d(0, 0, W, H), linear(doc, stops))


def stars(doc, n, seed, ymax=700, color="#d8dcff"):
    rnd = random.Random(seed)
    s = ""
    for _ in range(n):
        x, y = rnd.uniform(0, W), rnd.uniform(0, ymax) ** 1.0
        r = rnd.choice((0.8, 1.0, 1.2, 1.6))
        op = rnd.uniform(0.35, 0.9)
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


def hills(points_y, color, seed, amp=40, step=80, base=H):
    rnd = random.Random(seed)
    pts = [(-40, base)]
    x = -40
    while x <= W + 80:
        pts.append((x, points_y + rnd.uniform(-amp, amp)))
        x += step
    pts.append((W + 80, base))
    return flat(smooth_d(pts, False, 0.5) + "Z", color)


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


def vignette(doc, strength=0.55):
    g = radial(doc, [(0, "#000000", 0), (0.7, "#000000", strength * 0.4), (1, "#000000", strength)], 0.5, 0.5, 0.75)
    return flat(rect_d(0, 0, W, H), g)


VEIL = {"bg1": 0.12, "bg2": 0.32, "bg3": 0.42, "bg4": 0.22, "bg5": 0.3, "bg6": 0.4}


def save(doc, name):
    # a last veil of night keeps every backdrop behind the tiles and sprites
    doc.add(flat(rect_d(0, 0, W, H), "#06060f", opacity=VEIL[name]))
    print(doc.save("bg/%s.svg" % name))


# ------------------------------------------------------------ 1: moonlit forest
def bg1():
    doc = Doc(W, H, "Moonlit forest")
    rnd = random.Random(1)
    s = sky(doc, [(0, "#0a0e24", 1), (0.55, "#1a2a4e", 1), (1, "#2a4050", 1)])
    s += stars(doc, 220, 1, 560)
    s += moon(doc, 900, 210, 70)
    s += hills(560, "#1c2a40", 2, 50, 120)
    s += fog(doc, 520, 120, "#6a80b0", 0.2)
    for k in range(30):
        x = rnd.uniform(-20, W + 20)
        s += pine(x, 640 + rnd.uniform(-20, 20), rnd.uniform(160, 240), "#16223a")
    s += hills(680, "#121a2c", 3, 30, 90)
    s += fog(doc, 640, 140, "#7088b8", 0.16)
    for k in range(22):
        x = rnd.uniform(-20, W + 20)
        s += pine(x, 800 + rnd.uniform(-15, 15), rnd.uniform(220, 320), "#0e1524")
    for k in range(6):
        s += dead_tree(rnd.uniform(0, W), 870, rnd.uniform(220, 320), "#0a0f1a", rnd)
    s += hills(860, "#080c16", 4, 20, 70)
    # fireflies
    for k in range(40):
        x, y = rnd.uniform(0, W), rnd.uniform(560, 900)
        s += flat(circle_d(x, y, 6), radial(doc, [(0, "#c8ff80", 0.5), (1, "#c8ff80", 0)]))
        s += flat(circle_d(x, y, 1.3), "#e8ffb0", opacity=0.8)
    s += vignette(doc, 0.45)
    doc.add(s)
    save(doc, "bg1")


# ------------------------------------------------------------ 2: rooftops at dusk
def building_row(doc, base, hmin, hmax, color, win, seed, roofs=True, density=0.25):
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
        s += flat(poly_d(pts), color)
        if rnd.random() < 0.6:
            cx = x + w * rnd.uniform(0.15, 0.75)
            s += flat(rect_d(cx, top - 40 - w * 0.2, 14, 50), color)
        for wy in range(int(top + 16), int(base - 20), 30):
            for wx in range(int(x + 12), int(x + w - 18), 26):
                if rnd.random() < density:
                    s += flat(rect_d(wx, wy, 10, 14), win, opacity=rnd.uniform(0.5, 0.9))
        x += w + rnd.uniform(-10, 20)
    return s


def bg2():
    doc = Doc(W, H, "Rooftops at dusk")
    rnd = random.Random(2)
    s = sky(doc, [(0, "#1e1838", 1), (0.35, "#4a2a58", 1), (0.62, "#a4506a", 1), (0.78, "#d0805a", 1), (1, "#5a3040", 1)])
    s += stars(doc, 80, 2, 260, "#f0d8ff")
    g = radial(doc, [(0, "#ffd890", 0.55), (0.3, "#ff9a60", 0.25), (1, "#ff9a60", 0)])
    s += flat(circle_d(420, 690, 420), g) + flat(circle_d(420, 690, 70), "#ffcf80", opacity=0.85)
    for k in range(9):
        y = rnd.uniform(180, 620)
        x = rnd.uniform(-100, W)
        w = rnd.uniform(200, 420)
        s += flat(smooth_d([(x, y), (x + w * 0.3, y - 14), (x + w * 0.7, y - 10), (x + w, y), (x + w * 0.5, y + 8)], True, 0.5),
                  "#c86a78" if y > 420 else "#6a3a68", opacity=0.55)
    s += building_row(doc, 760, 120, 300, "#3a2238", "#ffb860", 21, density=0.18)
    s += building_row(doc, 860, 80, 220, "#2a1628", "#ffc070", 22, density=0.22)
    s += fog(doc, 700, 160, "#c06a70", 0.14)
    s += building_row(doc, 990, 40, 160, "#1a0e1c", "#ffc878", 23, density=0.12)
    # wires between the nearest roofs
    for k in range(4):
        x0 = rnd.uniform(0, W - 300)
        s += line([(x0, 800), (x0 + 150, 840), (x0 + 300, 805)], "#12080e", 2)
    for k in range(5):  # birds
        x, y = rnd.uniform(600, 1200), rnd.uniform(150, 400)
        s += line([(x - 8, y - 3), (x, y), (x + 8, y - 4)], "#2a1830", 2)
    s += vignette(doc, 0.4)
    doc.add(s)
    save(doc, "bg2")


# ------------------------------------------------------------ 3: mansion halls
def arched_window(doc, x, y, w, h, sky_fill):
    s = flat(smooth_d([(x - 10, y + h + 10), (x - 10, y + w * 0.4), (x + w / 2, y - 12), (x + w + 10, y + w * 0.4),
                       (x + w + 10, y + h + 10)], True, 0.45), "#1e1014")
    arch = smooth_d([(x, y + h), (x, y + w * 0.45), (x + w / 2, y), (x + w, y + w * 0.45), (x + w, y + h)], True, 0.45)
    s += flat(arch, sky_fill)
    s += line([(x + w / 2, y), (x + w / 2, y + h)], "#1e1014", 5)
    for k in range(1, 4):
        s += line([(x, y + h * k / 4 + 20), (x + w, y + h * k / 4 + 20)], "#1e1014", 4)
    # curtains
    s += flat(smooth_d([(x - 24, y - 10), (x + 18, y - 10), (x + 6, y + h * 0.5), (x + 14, y + h + 20), (x - 24, y + h + 20)], True, 0.4), "#4a1020")
    s += flat(smooth_d([(x + w + 24, y - 10), (x + w - 18, y - 10), (x + w - 6, y + h * 0.5), (x + w - 14, y + h + 20),
                        (x + w + 24, y + h + 20)], True, 0.4), "#4a1020")
    return s


def bg3():
    doc = Doc(W, H, "Mansion halls")
    s = flat(rect_d(0, 0, W, H), linear(doc, [(0, "#1a1020", 1), (0.7, "#2a1828", 1), (1, "#140a10", 1)]))
    # wallpaper pattern
    for y in range(40, 720, 80):
        for x in range(0, W + 80, 80):
            s += flat(star_d(x + (40 if (y // 80) % 2 else 0), y, 16, 6, 4), "#2e1c30", opacity=0.9)
    night = linear(doc, [(0, "#0e1838", 1), (1, "#2a3a6a", 1)])
    for k, x in enumerate((110, 450, 790, 1130)):
        s += arched_window(doc, x, 170, 110, 330, night)
        if k == 1:
            s += flat(circle_d(x + 70, 260, 24), "#e8e0c0", opacity=0.8)
    # pillars between windows
    for x in (0, 300, 640, 980, 1280):
        s += flat(rect_d(x - 30, 90, 60, 620), "#3a2a30") + flat(rect_d(x - 18, 90, 8, 620), "#4e3a40")
        s += flat(rect_d(x - 42, 70, 84, 28), "#4a3438") + flat(rect_d(x - 42, 690, 84, 30), "#4a3438")
    # wainscot and floor
    s += flat(rect_d(0, 710, W, 120), "#2a140e") + line([(0, 712), (W, 712)], "#8a6a30", 4)
    for x in range(20, W, 120):
        s += flat(rect_d(x, 730, 96, 80), "#32180f") + flat(rect_d(x, 730, 96, 80), "none", 2, "#1a0a06")
    s += flat(rect_d(0, 830, W, 130), linear(doc, [(0, "#3a1a14", 1), (1, "#140806", 1)]))
    s += flat(rect_d(0, 860, W, 50), "#4a0c1a", opacity=0.8) + line([(0, 860), (W, 860)], "#8a6a30", 2) + line([(0, 910), (W, 910)], "#8a6a30", 2)
    # chandeliers with a soft glow
    for x in (300, 980):
        g = radial(doc, [(0, "#ffd890", 0.35), (1, "#ffd890", 0)])
        s += flat(circle_d(x, 150, 200), g)
        s += line([(x, 0), (x, 110)], "#1a0e0a", 3)
        s += flat(smooth_d([(x - 90, 130), (x, 175), (x + 90, 130)], True, 0.4), "#6a5020")
        for dx in (-80, -40, 0, 40, 80):
            s += flat(rect_d(x + dx - 3, 112 + abs(dx) * 0.1, 6, 18), "#d8d0b8") + flat(circle_d(x + dx, 106 + abs(dx) * 0.1, 5), "#ffd070")
    s += vignette(doc, 0.55)
    doc.add(s)
    save(doc, "bg3")


# ------------------------------------------------------------ 4: catacombs
def bg4():
    doc = Doc(W, H, "Catacombs")
    rnd = random.Random(4)
    s = flat(rect_d(0, 0, W, H), linear(doc, [(0, "#0c0e12", 1), (0.5, "#1a1e26", 1), (1, "#0a0b0e", 1)]))
    # far wall of stone blocks
    for y in range(0, H, 40):
        off = 0 if (y // 40) % 2 == 0 else 40
        for x in range(-80, W + 80, 80):
            c = rnd.choice(("#1c2028", "#20252e", "#181b22"))
            s += flat(rect_d(x + off + 2, y + 2, 76, 36), c)
    # receding arches with darkness inside
    for k, x in enumerate((80, 400, 720, 1040)):
        s += flat(smooth_d([(x, 820), (x, 380), (x + 80, 280), (x + 160, 380), (x + 160, 820)], True, 0.4), "#2a2f38")
        s += flat(smooth_d([(x + 16, 820), (x + 16, 390), (x + 80, 305), (x + 144, 390), (x + 144, 820)], True, 0.4), "#06070a")
        s += flat(smooth_d([(x + 40, 820), (x + 40, 450), (x + 80, 400), (x + 120, 450), (x + 120, 820)], True, 0.4), "#0e1014")
        # skull shelves on the pillars between arches
        px = x + 240
        for sy in (420, 540, 660):
            s += flat(rect_d(px - 50, sy + 28, 100, 8), "#2a2f38")
            for dx in (-34, 0, 34):
                s += flat(smooth_d([(px + dx - 12, sy + 26), (px + dx - 13, sy + 6), (px + dx, sy - 4), (px + dx + 13, sy + 6),
                                    (px + dx + 12, sy + 26)], True, 0.4), "#6a665c")
                s += flat(circle_d(px + dx - 5, sy + 12, 3.5), "#0a0a0c") + flat(circle_d(px + dx + 5, sy + 12, 3.5), "#0a0a0c")
    # torches with warm glow
    for x in (240, 880):
        g = radial(doc, [(0, "#ff9a40", 0.4), (0.5, "#ff7a20", 0.12), (1, "#ff7a20", 0)])
        s += flat(circle_d(x, 330, 220), g)
        s += flat(rect_d(x - 5, 330, 10, 50), "#3a2a1e") + flat(smooth_d([(x - 12, 332), (x, 290), (x + 12, 332)], True, 0.4), "#d08238")
    # bones on the floor, dust
    s += flat(rect_d(0, 820, W, 140), linear(doc, [(0, "#22262e", 1), (1, "#0a0b0e", 1)]))
    for k in range(30):
        x, y = rnd.uniform(0, W), rnd.uniform(840, 940)
        a = rnd.uniform(-0.5, 0.5)
        s += line([(x - 14 * math.cos(a), y - 14 * math.sin(a)), (x + 14 * math.cos(a), y + 14 * math.sin(a))], "#4a4840", 4)
    s += fog(doc, 700, 200, "#6a7a8a", 0.12)
    # cobwebs in the upper corners
    for cx, sx in ((0, 1), (W, -1)):
        for a in range(0, 91, 15):
            r = math.radians(a)
            s += line([(cx, 0), (cx + sx * math.cos(r) * 220, math.sin(r) * 220)], "#8a8a9a", 1.2, opacity=0.35)
        for rr in (60, 120, 180):
            s += line([(cx + sx * math.cos(math.radians(a)) * rr, math.sin(math.radians(a)) * rr) for a in range(0, 91, 15)],
                      "#8a8a9a", 1.2, opacity=0.35)
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


def bg5():
    doc = Doc(W, H, "Clock tower under the night sky")
    rnd = random.Random(5)
    s = sky(doc, [(0, "#06081a", 1), (0.45, "#141e44", 1), (0.75, "#2a3460", 1), (1, "#1a1e30", 1)])
    s += stars(doc, 320, 5, 720)
    # milky band
    s += flat(smooth_d([(-50, 420), (400, 250), (900, 160), (1330, 60), (1330, 160), (900, 260), (400, 350), (-50, 520)], True, 0.5),
              "#8090d0", opacity=0.08)
    s += moon(doc, 1080, 250, 56)
    for k in range(6):
        y = rnd.uniform(300, 600)
        x = rnd.uniform(-100, W)
        w = rnd.uniform(250, 500)
        s += flat(smooth_d([(x, y), (x + w * 0.3, y - 16), (x + w * 0.7, y - 12), (x + w, y), (x + w * 0.5, y + 10)], True, 0.5),
                  "#3a4478", opacity=0.5)
    # distant town
    s += building_row(doc, 820, 60, 200, "#141a30", "#e0b060", 51, density=0.12)
    # the tower in the middle of the picture
    tx = 560
    s += flat(poly_d([(tx - 150, 960), (tx - 150, 300), (tx - 170, 300), (tx - 170, 270), (tx + 170, 270), (tx + 170, 300),
                      (tx + 150, 300), (tx + 150, 960)]), "#1e2034")
    s += flat(poly_d([(tx - 180, 272), (tx, 60), (tx + 180, 272)]), "#23263c")
    s += line([(tx, 60), (tx, 20)], "#23263c", 6) + flat(circle_d(tx, 20, 6), "#23263c")
    for y in range(320, 960, 48):
        s += line([(tx - 150, y), (tx + 150, y)], "#181a2a", 2)
    s += clock_face(doc, tx, 420, 110)
    g = radial(doc, [(0, "#fff0c0", 0.12), (1, "#fff0c0", 0)])
    s += flat(circle_d(tx, 420, 260), g)
    for wy in (620, 760):
        s += flat(smooth_d([(tx - 30, wy + 80), (tx - 30, wy + 20), (tx, wy), (tx + 30, wy + 20), (tx + 30, wy + 80)], True, 0.4), "#c09050",
                  opacity=0.35)
    # gears peeking from the sides
    for gx, gy, gr in ((80, 700, 150), (1240, 820, 190)):
        p = []
        for i in range(96):
            a = 2 * math.pi * i / 96
            rr = gr if (i % 6) < 3 else gr - 18
            p.append((gx + math.cos(a) * rr, gy + math.sin(a) * rr))
        s += flat(poly_d(p), "#22202a") + flat(circle_d(gx, gy, gr * 0.4), "#2c2834") + flat(circle_d(gx, gy, gr * 0.15), "#14121a")
    s += vignette(doc, 0.4)
    doc.add(s)
    save(doc, "bg5")


# ------------------------------------------------------------ 6: final throne room
def bg6():
    doc = Doc(W, H, "Final throne room")
    s = flat(rect_d(0, 0, W, H), linear(doc, [(0, "#0c0614", 1), (0.6, "#1e1030", 1), (1, "#0a0410", 1)]))
    # great stained-glass window behind the throne
    cx = 640
    arch = smooth_d([(cx - 160, 620), (cx - 160, 260), (cx, 90), (cx + 160, 260), (cx + 160, 620)], True, 0.45)
    s += flat(arch, "#140a1e")
    cols = ["#6a1a30", "#1a2a6a", "#6a5a1a", "#1a5a3a", "#4a1a6a"]
    rnd = random.Random(6)
    for y in range(100, 620, 40):
        for x in range(cx - 160, cx + 160, 40):
            if abs(x + 20 - cx) < 160 - max(0, 260 - y) * 0.9:
                s += flat(rect_d(x + 3, y + 3, 34, 34), rnd.choice(cols), opacity=0.55)
    s += flat(star_d(cx, 300, 90, 36, 8), "#a0802a", opacity=0.35)
    s += flat(arch, "none", 10, "#0c0614")
    g = radial(doc, [(0, "#c080ff", 0.25), (1, "#c080ff", 0)])
    s += flat(circle_d(cx, 360, 420), g)
    # columns receding on both sides
    for k, x in enumerate((90, 260, 400, 880, 1020, 1190)):
        w = [70, 56, 44, 44, 56, 70][k]
        top = [40, 80, 120, 120, 80, 40][k]
        col = ["#2a1c40", "#221634", "#1c122c", "#1c122c", "#221634", "#2a1c40"][k]
        s += flat(rect_d(x - w / 2, top, w, 840 - top), col)
        s += flat(rect_d(x - w / 2 + 8, top, w * 0.18, 840 - top), "#3a2a56", opacity=0.8)
        s += flat(rect_d(x - w / 2 - 10, top, w + 20, 24), "#3a2a50") + flat(rect_d(x - w / 2 - 10, 816, w + 20, 24), "#3a2a50")
        # banners
        s += flat(poly_d([(x - w * 0.35, top + 60), (x + w * 0.35, top + 60), (x + w * 0.35, top + 300), (x, top + 260),
                          (x - w * 0.35, top + 300)]), "#5a0e20", opacity=0.9)
        s += flat(star_d(x, top + 150, w * 0.2, w * 0.08, 5, -math.pi / 2), "#a0802a", opacity=0.8)
    # the throne on its dais
    s += flat(poly_d([(cx - 260, 840), (cx - 200, 760), (cx + 200, 760), (cx + 260, 840)]), "#2a1c3a")
    s += flat(poly_d([(cx - 200, 760), (cx - 160, 720), (cx + 160, 720), (cx + 200, 760)]), "#34244a")
    s += flat(smooth_d([(cx - 70, 720), (cx - 70, 520), (cx - 40, 450), (cx, 420), (cx + 40, 450), (cx + 70, 520), (cx + 70, 720)], True, 0.4),
              "#3a0a1a")
    s += flat(smooth_d([(cx - 50, 720), (cx - 50, 540), (cx, 470), (cx + 50, 540), (cx + 50, 720)], True, 0.4), "#6a1028")
    s += flat(poly_d([(cx - 40, 430), (cx - 24, 390), (cx - 8, 420), (cx, 380), (cx + 8, 420), (cx + 24, 390), (cx + 40, 430)]), "#a0802a")
    # carpet running towards the viewer
    s += flat(poly_d([(cx - 90, 760), (cx + 90, 760), (cx + 300, 960), (cx - 300, 960)]), "#4a0a1a")
    s += line([(cx - 90, 760), (cx - 300, 960)], "#8a6a20", 4) + line([(cx + 90, 760), (cx + 300, 960)], "#8a6a20", 4)
    s += flat(rect_d(0, 840, W, 120), "#140a1e", opacity=0.55)
    for x in (300, 980):
        gl = radial(doc, [(0, "#a060ff", 0.3), (1, "#a060ff", 0)])
        s += flat(circle_d(x, 520, 150), gl)
        s += flat(smooth_d([(x - 12, 540), (x, 490), (x + 12, 540)], True, 0.4), "#c890ff", opacity=0.8)
        s += flat(rect_d(x - 8, 540, 16, 60), "#2a1c3a")
    s += vignette(doc, 0.55)
    doc.add(s)
    save(doc, "bg6")


if __name__ == "__main__":
    for fn in (bg1, bg2, bg3, bg4, bg5, bg6):
        fn()
