"""Writes the enemy sheets under world/enemy/: ordinary enemies, their
projectiles and the stage hazards. Every walking or flying sheet faces right
(the game mirrors it); frames sit side by side unless stacked is noted.
"""
import math
from svgkit import (Doc, OUT, shape, flat, line, limb, poly_d, smooth_d, ellipse_d, circle_d, rect_d,
                    star_d, radial, rim_filter, f)

FIRE_OUT, FIRE, FIRE_HOT, FIRE_CORE = "#9a2a10", "#ff7a1a", "#ffc83a", "#fff6c0"


def eye(cx, cy, r, look=(0.4, 0), white="#fffaf0", iris="#d0202a", glint=True):
    s = flat(circle_d(cx, cy, r), white, 1.3)
    s += flat(circle_d(cx + look[0] * r * 0.45, cy + look[1] * r * 0.45, r * 0.55), iris)
    s += flat(circle_d(cx + look[0] * r * 0.5, cy + look[1] * r * 0.5, r * 0.28), OUT)
    if glint:
        s += flat(circle_d(cx - r * 0.3, cy - r * 0.35, r * 0.2), "#ffffff")
    return s


# ------------------------------------------------------------ small walkers
def brain(doc, i):
    # contact, passing, contact: the legs stride wide with the body down,
    # then one foot swings through lifted under a raised body
    feet = [((6, 29.5), (25, 29.5)), ((14, 29.5), (19, 26)), ((23, 29.5), (8, 29.5))][i]
    bob = [0.5, -1, 0.5][i]
    s = ""
    for k, (x, (fx, fy)) in enumerate(zip((12, 20), feet)):
        knee = ((x + fx) / 2 + 1.5, (20 + bob + fy) / 2)
        s += limb([(x, 20 + bob), knee, (fx, fy)], "#c8687e" if k else "#a04a62", "#803048", 2.6, sw=1.1)
        s += flat(ellipse_d(fx + 1.2, fy + 0.5, 2.4, 1.3), OUT)
    body = smooth_d([(4, 14 + bob), (7, 6 + bob), (14, 3 + bob), (22, 4 + bob), (28, 9 + bob), (28.5, 17 + bob),
                     (22, 22 + bob), (10, 22 + bob), (5, 19 + bob)], True, 0.35)
    s += shape(doc, body, "#ee93a8", "#b65a76", off=(2, 2.2), hl="#ffd0da", hl_d=ellipse_d(11, 7 + bob, 3, 1.3))
    for pts in ([(8, 10), (11, 8), (10, 13), (14, 12)], [(15, 6), (17, 9), (15, 12), (18, 15)],
                [(6, 16), (10, 17), (13, 15)], [(20, 6), (23, 8), (21, 11)]):
        s += line([(x, y + bob) for x, y in pts], "#a04a62", 1.1)
    s += eye(22.5, 14 + bob, 3.8, [(0.6, 0.1), (0.6, 0.5), (0.7, -0.2)][i])
    s += line([(19, 9.5 + bob), (26, 11 + bob)], OUT, 1.4)
    return s


def met(doc, i):
    # contact, passing, contact: the hat sinks over the eyes as a foot lands
    # and the body stretches up out of it on the passing step; the hat lags
    # behind the body's lean, so it rocks on the head. The stretch stays
    # moderate: the cycle holds two contacts for one passing step, so a tall
    # stretch read as the critter hopping in place, and a slight one as one
    # held pose sliding along.
    feet = [((7, 27.6), (24, 27.6)), ((13, 27.8), (19, 25.2)), ((23.5, 27.6), (8.5, 27.6))][i]
    rise = [0.5, -2.5, 0.5][i]
    lag = [4, -2, -5][i]
    s = ""
    for fx, fy in feet:
        s += flat(ellipse_d(fx, fy, 3.6, 2.0), "#3a3040", 1.2)
    s += shape(doc, ellipse_d(16, 22 + rise * 0.5, 10, 7 - rise * 0.25), "#4a5a88", "#2e3a60", off=(1.5, 1.5))
    ey = 22.5 + rise * 0.8
    lid = [0.6, 1.0, 0.6][i]
    s += flat(ellipse_d(21, ey, 2.2, 2.6 * lid), "#ffffff", 1) + flat(ellipse_d(21.8, ey + 0.5 * lid, 1.1, 1.4 * lid), OUT)
    s += flat(ellipse_d(15.5, ey, 1.8, 2.4 * lid), "#ffffff", 1) + flat(ellipse_d(16.2, ey + 0.5 * lid, 0.9, 1.3 * lid), OUT)
    bob = rise
    helm = smooth_d([(2, 19 + bob), (4, 10 + bob), (12, 4 + bob), (22, 4 + bob), (29, 10 + bob), (30.5, 18 + bob),
                     (24, 17 + bob), (16, 17 + bob)], True, 0.35)
    hat = shape(doc, helm, "#f0bf34", "#b07e14", off=(2, 2), hl="#fff0a8", hl_d=ellipse_d(11, 8 + bob, 3.5, 1.5))
    hat += line([(4, 18.5 + bob), (16, 16.5 + bob), (30, 17.5 + bob)], OUT, 1.6)
    hat += line([(16, 4.5 + bob), (16, 16 + bob)], "#b07e14", 1.2)
    s += '<g transform="rotate(%s 16 %s)">%s</g>' % (f(lag), f(17 + bob), hat)
    # and it waddles: the body shifts over the foot it lands on
    waddle = [-1.0, 0.0, 1.0][i]
    return '<g transform="translate(%s,0)">%s</g>' % (f(waddle), s)


def dummy(doc, i=0):
    s = flat(rect_d(14, 18, 4, 13), "#8a6038", 1.4) + flat(rect_d(8, 28, 16, 3), "#6a4428", 1.3)
    s += shape(doc, circle_d(16, 13, 11), "#f4efe4", "#c4bca8", off=(1.5, 1.5))
    s += flat(circle_d(16, 13, 7.5), "#d8283a") + flat(circle_d(16, 13, 4.5), "#f4efe4") + flat(circle_d(16, 13, 2), "#d8283a")
    s += flat(circle_d(16, 13, 11), "none", 2)
    return s


# ------------------------------------------------------------ 64 x 64 kinds
def togezo(doc, i):
    # a stride with both feet down and the shell low, then a passing step
    # with the shell up, the front foot lifted and the head drawn in
    bob = [0.5, -3.5][i]
    feet = [((15, 52.5), (45, 52.5)), ((27, 52.5), (35, 48.5))][i]
    s = ""
    for k, (hx, (fx, fy)) in enumerate(zip((22, 38), feet)):
        s += limb([(hx, 45 + bob), ((hx + fx) / 2, (45 + bob + fy) / 2 + 1), (fx, fy - 1)], "#e8c070", "#b08a40", 3.5, sw=1.2)
        s += flat(ellipse_d(fx + 1, fy, 3.5, 1.8), "#b08a40", 1.2)
    hx, hy = [(51, 40 + bob), (49, 36.5 + bob)][i]
    s += shape(doc, ellipse_d(hx, hy, 7, 6), "#f0c878", "#b88e48", off=(1.5, 1.5))
    s += flat(ellipse_d(hx + 3, hy - 1.5, 1.4, 2), OUT) + line([(hx, hy - 5), (hx + 5, hy - 4 - i * 1.5)], OUT, 1.2)
    shell = smooth_d([(x, y + bob) for x, y in [(15, 46), (15, 30), (22, 19), (34, 16), (44, 22), (48, 33), (47, 46)]],
                     True, 0.35)
    spikes = ""
    for a in range(-150, -20, 26):
        r = math.radians(a)
        cx, cy = 31 + math.cos(r) * 16, 36 + bob + math.sin(r) * 18
        tip = (31 + math.cos(r) * 27, 36 + bob + math.sin(r) * 28)
        nrm = (-math.sin(r) * 3.5, math.cos(r) * 3.5)
        spikes += shape(doc, poly_d([(cx + nrm[0], cy + nrm[1]), tip, (cx - nrm[0], cy - nrm[1])]), "#f4f0e8",
                        "#a8a0b0", off=(1, 1), sw=1.3)
    body = spikes
    body += shape(doc, shell, "#d23a3a", "#8e1e28", off=(3, 3), hl="#ff9a8a", hl_d=ellipse_d(25, 25 + bob, 5, 2.5))
    body += line([(14, 46 + bob), (48, 46 + bob)], "#f0e0b0", 3) + line([(14, 44.5 + bob), (48, 44.5 + bob)], OUT, 1.2)
    body += line([(14, 47.5 + bob), (48, 47.5 + bob)], OUT, 1.2)
    # the shell rocks with the gait: pitched forward onto the planted front
    # foot, tipped back as that foot lifts (level, the two poses differed
    # only in the legs and read as one drawing sliding along)
    rock = [6, -3][i]
    s += '<g transform="rotate(%s 31 %s)">%s</g>' % (f(rock), f(46 + bob), body)
    return s


def monoeye(doc, i):
    # squashed flat and squinting as it lands, stretched tall with the eye
    # wide as it rises, then leaning forward; the tip trails the body
    sq = [(1.16, 0.84), (0.88, 1.12), (1.0, 1.0)][i]
    lag = [3, -4, 1][i]
    w, h = 15 * sq[0], 26 * sq[1]
    base = 60
    s = ""
    for k, dx in enumerate([(-4, 4), (0, 1), (4, -4)][i]):
        x = 26 + k * 12 + dx
        lift = 2.5 if (i == 1 and k == 0) else 0
        s += flat(ellipse_d(x, base - 1.5 - lift, 4.5, 2.4), "#5a2a7a", 1.3)
    body = smooth_d([(32 - w, base - 2), (32 - w * 1.05, base - h), (32 - w * 0.6 + lag * 0.5, base - h * 1.75),
                     (32 + lag, base - h * 2 + 0.5), (32 + w * 0.6 + lag * 0.5, base - h * 1.75), (32 + w * 1.05, base - h),
                     (32 + w, base - 2)], True, 0.4)
    s += shape(doc, body, "#8a4ab8", "#5a2a7a", off=(3, 2.5), hl="#c8a0ec",
               hl_d=ellipse_d(27 + lag * 0.5, base - h * 1.6, 3.5, 2))
    ey = base - h * 1.1
    r = 9 * [1.0, 1.08, 1.0][i]
    s += eye(35, ey, r, [(0.6, 0.3), (0.5, -0.3), (0.8, 0.1)][i], iris="#e0c020")
    if i == 0:  # the lid comes half down as it squashes
        s += flat('M %s %s A %s %s 0 0 1 %s %s Z' % (f(35 - r), f(ey), f(r), f(r), f(35 + r), f(ey)), "#6a3494", 1.3)
    brow = [2, -2.5, 0][i]
    s += line([(26, ey - 9 + brow), (36, ey - 11 + brow), (44, ey - 8 + brow * 0.5)], OUT, 1.6)
    mo = [(0, 0.7), (0, 1.5), (0, 1.0)][i]
    s += flat(smooth_d([(30, base - 9), (38, base - 10), (40, base - 9 + 3 * mo[1]), (32, base - 8.5 + 3 * mo[1])], True, 0.3),
              "#3a1450", 1)
    s += flat(poly_d([(33, base - 9.5), (35, base - 9.7), (34, base - 7.5)]), "#ffffff")
    return s


def ghost(doc, i):
    # a wave runs down the tail from the body to its tip, the little arms
    # paddle, and the whole ghost rises and sinks on a loop of three
    p = i * 2 * math.pi / 3
    def wv(k, a):
        return a * math.sin(p - k * 1.1)
    body = smooth_d([(18, 30), (22, 16), (32, 11), (44, 14), (50, 26), (49, 38), (44, 46),
                     (36 + wv(0, 1), 49 + wv(0, 1.5)), (28 + wv(1, 1.5), 52 + wv(1, 2.5)),
                     (20 + wv(2, 2), 54 + wv(2, 4)), (11 + wv(3, 2.5), 55 + wv(3, 4)),
                     (15 + wv(2, 1.5), 48 + wv(2, 3)), (13 + wv(1, 1), 42 + wv(1, 1.5)), (16, 38)], True, 0.4)
    s = shape(doc, body, "#dce6ff", "#96a6d8", off=(3, 3), hl="#ffffff", hl_d=ellipse_d(28, 17, 5, 2.5))
    look = [0, 1.2, -0.6][i]
    s += flat(ellipse_d(38 + look, 27, 2.6, 4), OUT) + flat(ellipse_d(46 + look, 27, 2.2, 3.6), OUT)
    s += flat(circle_d(37.3 + look, 25.6, 0.9), "#ffffff")
    mouth = [3.5, 5.5, 4.2][i]
    s += flat(smooth_d([(39, 35), (44, 34.5), (43, 35 + mouth), (40, 35.5 + mouth)], True, 0.3), "#3a2a5a", 1)
    paddle = 4 * math.sin(p + 0.8)
    arm = [(28, 34), (34, 38 + paddle * 0.4), (38 + paddle * 0.3, 35 + paddle)]
    s += line(arm, OUT, 4.6) + line(arm, "#b8c4f0", 2.6)
    return s


# ------------------------------------------------------------ patapata 96 x 96
def wing(doc, root, ang, span, flip=False, far=False, spread=0.38):
    # a bat wing: a warm coral membrane between dark finger bones, so the
    # wing reads as a shape of its own as it beats against the teal body
    # (the same colour as the body made wing and body one tilting blob)
    pts = [root]
    tips = []
    for k in range(4):
        a = ang + (k - 1.5) * spread
        r = span * (1.0 if k in (1, 2) else 0.85)
        tips.append((root[0] + math.cos(a) * r * (-1 if flip else 1), root[1] + math.sin(a) * r))
        pts.append(tips[-1])
        if k < 3:
            a2 = ang + (k - 1) * spread
            pts.append((root[0] + math.cos(a2) * r * 0.62 * (-1 if flip else 1), root[1] + math.sin(a2) * r * 0.62))
    pts.append((root[0] + 4, root[1] + 6))
    base, sh, bone = ("#f08a78", "#c45e52", "#3a1a24") if not far else ("#a85a58", "#7a3c40", "#2a1218")
    s = shape(doc, poly_d(pts), base, sh, off=(2, 2), sw=1.8)
    # the membrane sags between the bones: a shaded fold runs in from each
    # notch of the trailing edge, so the spread wing has depth, not a flat fan
    notches = pts[2:-1:2]
    for k, notch in enumerate(notches):
        fold = [tips[k], (notch[0] * 0.55 + root[0] * 0.45, notch[1] * 0.55 + root[1] * 0.45), tips[k + 1]]
        s += flat(poly_d([notch] + fold), sh, opacity=0.55)
    for tip in tips:
        s += line([root, tip], bone, 1.5)
    return s


# The hopper is teal: in purple it sank into the trial's dusky sky and
# doubled the one-eyed blob's colour.
BAT, BAT_SH, BAT_HL = "#2a9c92", "#176058", "#8ae6d4"


def patapata(doc, i, float_icon=False):
    # wings up, level, down (they beat behind the body). The body stretches
    # under the raised wings and squashes as the down-beat lifts it; the
    # ears and feet trail the body's rise and fall by a beat
    ang = [-1.75, -2.75, 2.55][i]
    # the wing is foreshortened through the beat: fully spread and long as
    # it rises, seen nearly edge-on (short, fingers close) as it sweeps past
    # level, half folded at the bottom. A fan of one size that only turned
    # read as the bat tilting in one piece.
    span = [44, 30, 34][i]
    spread = [0.44, 0.2, 0.3][i]
    s = ""
    bob = [2, 0, -2][i]
    sx, sy = [(0.95, 1.06), (1.0, 1.0), (1.07, 0.93)][i]
    ear = [(-1, -3), (0, 0), (-2.5, 3)][i]
    foot = [-2, 0, 1][i]
    s += wing(doc, (46, 42 + bob), ang + 0.35, span * 0.88, far=True, spread=spread)
    for fx in (44, 54):
        s += flat(ellipse_d(fx - foot * 0.4, 67 + bob + foot, 3, 2), "#d89a30", 1.3)
    s += flat(smooth_d([(38, 40 + bob), (36 + ear[0], 30 + bob + ear[1]), (43, 36 + bob)], True, 0.3), BAT, 1.5)
    s += flat(smooth_d([(52, 36 + bob), (57 + ear[0], 28 + bob + ear[1]), (58, 38 + bob)], True, 0.3), BAT, 1.5)
    s += shape(doc, ellipse_d(48, 50 + bob, 17 * sx, 17 * sy), BAT, BAT_SH, off=(3, 3), hl=BAT_HL,
               hl_d=ellipse_d(44, 50 + bob - 11 * sy, 5, 2.5))
    s += wing(doc, (40, 46 + bob), ang, span, spread=spread)
    s += eye(57, 48 + bob, 5, (0.6, 0.1), iris="#e07a20")
    s += eye(48, 47 + bob, 4, (0.7, 0.1), iris="#e07a20")
    gape = [0, 2.5, 1][i]
    s += flat(smooth_d([(50, 57 + bob), (62, 56 + bob), (58, 61 + bob + gape)], True, 0.3), "#3a1418", 1.2)
    s += flat(poly_d([(52, 57 + bob), (54, 57 + bob), (53, 59.5 + bob)]), "#ffffff")
    return s


# ------------------------------------------------------------ death 64 x 96
# The reaper's robe is a cold slate, not black: it has to stay a shape of its
# own in the catacombs and the throne room. A lighter slate and a wider pale
# rim than the other foes give, since a dark robe on dark brick still read
# as "grey on grey" to players.
ROBE, ROBE_SH, ROBE_HL = "#4c6680", "#2e4054", "#8ea8c4"


def death(doc, i):
    # it glides on a loop of three: the hem ripples backwards from its front
    # edge, the scythe swings a beat behind the body and the eyes flare
    p = i * 2 * math.pi / 3
    s = ""
    swing = 7 * math.sin(p - 1.2)
    scythe = line([(44, 8), (40, 88)], OUT, 4.5) + line([(44, 8), (40, 88)], "#7a5230", 2.4)
    blade = smooth_d([(44, 9), (52, 6), (60, 12), (62, 22), (56, 15), (47, 13)], True, 0.4)
    scythe += shape(doc, blade, "#d0d8e4", "#8090a8", off=(1, 1.5), sw=1.6, hl="#ffffff", hl_d=ellipse_d(54, 9, 3, 1))
    s += '<g transform="rotate(%s 42 46)">%s</g>' % (f(swing), scythe)

    def hem(k, x, y):
        a = math.sin(p - k * 1.0)
        return (x - 1.5 - 2 * (k / 6) * (1 + math.cos(p - k * 1.0)), y + 3 * a)
    robe = smooth_d([(22, 30), (26, 12), (34, 8), (42, 13), (44, 30), (46, 60), hem(0, 50, 88), hem(1, 43, 84),
                     hem(2, 36, 90), hem(3, 29, 85), hem(4, 21, 90), hem(5, 16, 84), (19, 60)], True, 0.35)
    s += shape(doc, robe, ROBE, ROBE_SH, off=(3, 2), hl=ROBE_HL, hl_d=ellipse_d(28, 20, 3, 5))
    # hood opening with a skull face
    s += flat(smooth_d([(31, 16), (38, 14), (42, 22), (40, 32), (33, 32), (30, 24)], True, 0.4), "#0e0a16", 1.2)
    s += flat(ellipse_d(37, 23, 4.5, 5.5), "#e6e0d0", 1.2)
    glow = [1.5, 2.0, 1.2][i]
    s += flat(circle_d(38.5, 22, glow), "#ff3040") + flat(circle_d(35, 22, glow * 0.87), "#ff3040")
    s += line([(35.5, 27), (39.5, 27 + 0.6 * math.sin(p))], OUT, 1)
    # bony hand on the scythe, the sleeve following its swing
    hx, hy = 42 + 0.5 * swing * 0.3, 46 - 0.2 * swing
    arm = [(30, 40), (35, 48 + 0.15 * swing), (hx, hy)]
    s += line(arm, OUT, 5) + line(arm, ROBE, 3)
    s += flat(ellipse_d(hx + 0.5, hy, 2.5, 2.2), "#e6e0d0", 1.2)
    s += line([(26, 44), hem(4, 27, 80)], ROBE_SH, 1.2) + line([(33, 50), hem(2, 35, 84)], ROBE_SH, 1.2)
    # the whole figure floats up and down on the same loop and sways a
    # little, so it hovers rather than sliding as a cut-out (it only rises,
    # so the hem never leaves the frame)
    float_y = -0.5 - 1.0 * math.sin(p)
    sway = 2.0 * math.sin(p + 1.0)
    return '<g transform="translate(0,%s) rotate(%s 32 40)">%s</g>' % (f(float_y), f(sway), s)


# ------------------------------------------------------------ mecha 128 x 96
def mecha(doc, i):
    # a heavy three-beat gait: both feet planted wide with the body low, the
    # back leg swung through under a raised body, the front foot reaching
    # for the next step; the cannon and the antenna lag a beat behind
    bob = [2.5, -2.5, 0][i]
    feet = [((13, 84.5, 0), (49, 84.5, 0)), ((28, 78, -12), (40, 84.5, 0)), ((30, 84.5, 0), (52, 79, -14))][i]
    s = ""
    for k, (fx, fy, toe) in enumerate(feet):
        hx, hy = 22 + k * 18, 64 + bob
        col, shd = ("#55606f", "#2c323c") if k == 0 else ("#7a8698", "#4a5262")
        knee = ((hx + fx) / 2 + 4, (hy + fy - 6) / 2)
        s += limb([(hx, hy), knee, (fx, fy - 5.5)], col, shd, 6, sw=1.5)
        foot = poly_d([(fx - 7, fy - 6.5), (fx + 8, fy - 6.5), (fx + 10, fy), (fx - 8, fy)])
        s += '<g transform="rotate(%s %s %s)">%s</g>' % (f(toe), f(fx), f(fy - 3),
                                                         shape(doc, foot, col, shd, off=(1, 1), sw=1.5))
    b = ""
    # boxy body centred at (32, 48)
    body = poly_d([(8, 20), (52, 18), (58, 26), (58, 64), (50, 70), (10, 70), (6, 62)])
    b += shape(doc, body, "#8c98aa", "#56606e", off=(4, 4), hl="#c8d2e0", hl_d=poly_d([(11, 23), (48, 21), (48, 24), (11, 26)]))
    b += flat(rect_d(14, 44, 30, 16), "#56606e", 1.3)
    for y in (48, 52, 56):
        b += line([(17, y), (41, y)], "#2c323c", 1.2)
    # cockpit eye, sweeping as it walks
    b += flat(rect_d(30, 27, 22, 11), "#1e2430", 1.4)
    ex = [44, 46, 42][i]
    b += flat(ellipse_d(ex, 32.5, 5, 3.5), "#ff3a3a") + flat(ellipse_d(ex - 1.5, 31.5, 1.6, 1), "#ffd0d0")
    # antenna whipping behind the body's bob, its lamp blinking
    tip = [(12, 4), (7, 9), (9, 5)][i]
    b += line([(14, 20), ((14 + tip[0]) / 2 + 1, 13), tip], OUT, 2.4)
    b += flat(circle_d(tip[0], tip[1], 2.5), "#ff3a3a" if i != 1 else "#ffd0c0", 1.2)
    s += '<g transform="translate(0,%s)">%s</g>' % (f(bob), b)
    # shoulder and cannon reaching forward
    cy = bob + [-1.5, 2.5, -1][i]
    c = shape(doc, circle_d(50, 46, 9), "#7a8698", "#4a5262", off=(2, 2))
    c += shape(doc, poly_d([(52, 40), (110, 40), (110, 52), (52, 54)]), "#6a7688", "#3e4654",
               off=(0, 3), hl="#b8c4d4", hl_d=poly_d([(56, 42), (106, 42), (106, 44), (56, 44)]))
    c += flat(rect_d(108, 37, 12, 18), "#4a5262", 1.6) + flat(ellipse_d(120, 46, 2, 5), "#1b1424")
    for x in (66, 78, 90):
        c += line([(x, 40), (x, 53)], "#3e4654", 1.5)
    c += flat(circle_d(50, 46, 3), "#c8d2e0", 1.2)
    s += '<g transform="translate(0,%s) rotate(%s 50 46)">%s</g>' % (f(cy), f([-1.5, 2, 0][i]), c)
    return s


# ------------------------------------------------------------ marionette 64 x 96
def marionette(doc, i):
    # two dance poses pulled by the strings: the bar tips, one arm flies up,
    # the other hand drops with the knife, the opposite knee kicks and the
    # head and skirt swing the other way
    side = [-1, 1][i]
    bar = math.radians(-12 * side)

    def on_bar(u):  # a point u pixels from the bar's middle
        return (32 + math.cos(bar) * u, 6 + math.sin(bar) * u)
    s = '<g transform="rotate(%s 32 6)">%s%s</g>' % (f(math.degrees(bar)), flat(rect_d(14, 4, 36, 4), "#8a6038", 1.4),
                                                      flat(rect_d(30, 0, 4, 12), "#8a6038", 1.2))
    back_hand, front_hand = [((17, 36), (45, 61)), ((20, 61), (47, 35))][i]
    back_knee, front_knee = [((22, 70), (38, 76)), ((26, 76), (43, 70))][i]
    for u, end in ((-16, back_hand), (16, front_hand), (0, (32 - 2 * side, 24)), (-9, back_knee), (9, front_knee)):
        s += line([on_bar(u), end], "#e8e0c8", 0.8, opacity=0.9)
    # legs: one dangling straight, one kicked up at the knee
    for (hx, knee), up in (((27, back_knee), i == 0), ((37, front_knee), i == 1)):
        foot = (knee[0] - 3 * side, knee[1] + 8) if up else (knee[0] + side, knee[1] + 9)
        s += limb([(hx, 66), knee, foot], "#c89a6a", "#8a6038", 3.6, sw=1.2)
        s += flat(ellipse_d(foot[0] + 1, foot[1] + 1, 3, 2), "#3a2430", 1.2)
    # dress swinging against the kick
    sk = 3.5 * side
    dress = smooth_d([(26, 44), (38, 44), (44 - sk, 68 + sk * 0.5), (32 - sk, 71), (20 - sk, 68 - sk * 0.5)], True, 0.3)
    s += shape(doc, dress, "#a02850", "#681838", off=(2, 2), hl="#e06888", hl_d=ellipse_d(29, 50, 1.5, 3))
    s += line([(20.5 - sk, 67 - sk * 0.5), (32 - sk, 70), (43.5 - sk, 67 + sk * 0.5)], "#f0e0c0", 2)
    # arms from the shoulders to the hands on the strings
    for sh_, hand in (((27, 47), back_hand), ((37, 47), front_hand)):
        elbow = ((sh_[0] + hand[0]) / 2 + (2 if hand[1] < 47 else 0) * (1 if hand[0] > 32 else -1),
                 (sh_[1] + hand[1]) / 2)
        s += limb([sh_, elbow, hand], "#c89a6a", "#8a6038", 3, sw=1.2)
    kx, ky = front_hand
    if i == 0:  # the knife hangs from the lowered hand
        s += flat(rect_d(kx - 2.5, ky - 3, 5, 8), "#d0d8e4", 1)
    else:  # raised high, about to throw
        s += flat(poly_d([(kx - 2.5, ky + 2), (kx + 2.5, ky + 2), (kx + 1.5, ky - 8), (kx - 0.5, ky - 9)]), "#d0d8e4", 1)
    # head with a painted face and a crack, tilting away from the raised arm
    h = shape(doc, circle_d(32, 34, 10), "#f0dcc0", "#c0a080", off=(2, 2))
    h += flat(smooth_d([(22, 32), (24, 24), (32, 21), (41, 24), (43, 31), (38, 27), (30, 26), (25, 29)], True, 0.3),
              "#2a1a30", 1.3)
    h += flat(circle_d(36, 34, 1.8), OUT) + flat(circle_d(29.5, 34, 1.6), OUT)
    h += flat(circle_d(36.5, 33.4, 0.6), "#ffffff")
    h += flat(circle_d(38, 38, 1.6), "#f0a0b0", opacity=0.8)
    h += line([(31, 39.5), (35, 39.5 + 0.8 * side)], "#a02850", 1.1)
    h += line([(28, 24.5), (27, 30), (29.5, 32)], OUT, 0.8)
    h += line([(24, 40), (24, 44)], "#8a6038", 1) + line([(40, 40), (40, 44)], "#8a6038", 1)
    s += '<g transform="rotate(%s 32 43)">%s</g>' % (f(-10 * side), h)
    return s


# ------------------------------------------------------------ projectiles and hazards
def fireball(doc, i=0, size=32, swirl=0.0, core=1.0):
    # A ball of fire whose six flame tongues curl one way round the hot
    # heart: it spins as it flies, so it reads as a burning wheel. A star of
    # even points spun into a faceted gem (players took it for a sweet).
    # The tongues repeat every 60 degrees, as the circling fire's frames
    # rely on.
    c = size / 2
    r = size * 0.46

    def curl(radius, inner, phase):
        pts = []
        for k in range(72):
            t = k / 72
            a = 2 * math.pi * t + swirl + phase
            saw = (t * 6) % 1.0  # rises slowly along each tongue, drops at its tip
            rr = radius * (inner + (1 - inner) * math.sin(saw * math.pi * 0.5) ** 2)
            pts.append((c + math.cos(a) * rr, c + math.sin(a) * rr))
        return smooth_d(pts, True, 0.2)

    s = flat(curl(r, 0.7, 0.0), FIRE, 1.6, FIRE_OUT)
    s += flat(curl(r * 0.74, 0.66, 0.35), FIRE_HOT)
    s += flat(circle_d(c, c, r * 0.42 * core), FIRE_HOT)
    s += flat(circle_d(c - r * 0.08, c - r * 0.1, r * 0.3 * core), FIRE_CORE)
    return s


def knife(doc):
    # A broad blade with a dark lower bevel: a thin pale sliver vanished
    # against the clock tower's lit walls. The bevel is crimson and the rim
    # hot, like every enemy shot: a silver blade in a pale rim looked like
    # the heroine's own ice-white shots in dim rooms.
    s = flat(rect_d(2, 5.5, 9, 5), "#6a3a28", 1.3) + flat(rect_d(9.5, 2, 3, 12), "#d2a23e", 1.2)
    s += shape(doc, poly_d([(12.5, 3.2), (25, 3.2), (31, 8), (25, 12.8), (12.5, 12.8)]), "#d8c8c4", "#a02438", off=(0, 3),
               sw=1.5, hl="#ffffff", hl_d=poly_d([(14, 4.6), (25, 4.6), (27.5, 6.2), (14, 6.2)]))
    return s


def beam(doc):
    # The last form fires these over its own purple body: a violet needle
    # vanished there, so the beam burns hot orange round a pale gold core,
    # warm like every enemy shot.
    s = flat(smooth_d([(1, 4), (6, 1), (26, 1.5), (31, 4), (26, 6.5), (6, 7)], True, 0.4), "#ff6a2a", 1.2, "#5a1408")
    s += flat(smooth_d([(5, 4), (10, 2.6), (27, 3), (29.5, 4), (27, 5), (10, 5.4)], True, 0.4), "#fff0a0")
    return s


def burner(doc, i):
    """Flame jet pointing right, growing from a narrow root at the left."""
    L = [46, 63, 55][i]
    wob = [0, 2.4, -2.4][i]
    # the outline licks up and down in uneven tongues that change every
    # frame, and the tip splits in two: a smooth symmetric jet read as a
    # lemon rather than as fire
    up = [(3.0, -1.0, 2.5, 0.0), (0.0, 3.0, -0.5, 2.0), (2.0, 0.5, 3.5, -1.0)][i]
    dn = [(-1.0, 2.5, 0.0), (2.5, -0.5, 2.0), (0.5, 3.0, -1.5)][i]
    # (each tongue leans forward: it rises slowly and drops just past its tip)
    outer = smooth_d([(8, 16), (14, 10.5), (L * 0.4, 6.5 - up[0]), (L * 0.45, 9.5), (L * 0.64, 5 - up[1]),
                      (L * 0.69, 8.5), (L * 0.88, 6 - up[2]), (L, 12 + wob * 0.5 - up[3] * 0.5), (L * 0.86, 16 + wob * 0.3),
                      (L * 0.95, 21 + wob * 0.5), (L * 0.76, 25 + dn[0]), (L * 0.71, 23), (L * 0.52, 26.5 + dn[1]),
                      (L * 0.47, 23.5), (L * 0.3, 25.5 + dn[2]), (14, 21.5)], True, 0.3)
    mid = smooth_d([(10, 16), (16, 11), (28, 9.5), (L * 0.7, 12), (L * 0.88, 16), (L * 0.7, 20), (28, 22.5), (16, 21)], True, 0.4)
    core = smooth_d([(12, 16), (18, 13.5), (30, 13.5), (L * 0.62, 16), (30, 18.5), (18, 18.5)], True, 0.4)
    s = flat(outer, FIRE, 2, FIRE_OUT) + flat(mid, FIRE_HOT) + flat(core, FIRE_CORE)
    for k in range(3):
        x = 20 + k * 12 + i * 4
        s += flat(circle_d(x % (L - 6) + 6, 7 + (k * 9 + i * 5) % 18, 1.3), FIRE_HOT)
    # a tongue of flame tearing off the tip, drifting out and shrinking
    tx, ty, tr = [(52, 9, 3), (57, 22, 2.4), (60, 15, 1.5)][i]
    s += flat(smooth_d([(tx - tr * 1.8, ty), (tx, ty - tr), (tx + tr * 1.4, ty), (tx, ty + tr)], True, 0.4),
              FIRE_HOT, 1.2, FIRE_OUT)
    return s


def guruguru(doc, i):
    # the twelve-point flame repeats every 60 degrees: three even steps
    # through that make a loop that turns without a jump; the hot heart
    # throbs as it turns
    return fireball(doc, 0, 32, swirl=i * math.pi / 9, core=[1.0, 0.8, 1.18][i])


# ------------------------------------------------------------ sheets
# Rims that keep every hostile silhouette readable on the dark backdrops: warm
# and pale for creatures (the heroine's own rim is cool lilac), hot yellow for
# fire, pink for the beam. Sheets the game draws at half size get a wider rim.
RIM_FOE, RIM_FIRE = "#fff0dc", "#fff4a8"


def pose(content, motion, pivot):
    """Moves a whole frame: a lift (negative is up), a squash and stretch and
    a tilt in degrees, all about the pivot (the feet of a walker, the
    strings of a puppet), so a cycle bobs and leans instead of only moving
    its limbs."""
    if not motion:
        return content
    dy, sx, sy, tilt = motion
    px, py = pivot
    return '<g transform="translate(%s,%s) rotate(%s) scale(%s,%s) translate(%s,%s)">%s</g>' % (
        f(px), f(py + dy), f(tilt), f(sx), f(sy), f(-px), f(-py), content)


def sheet(name, fw, fh, frames, fn, stacked=False, title="", rim=RIM_FOE, rim_width=1.0, motion=None, pivot=None):
    n = len(frames)
    w, h = (fw, fh * n) if stacked else (fw * n, fh)
    doc = Doc(w, h, title)
    # each frame is clipped to its own cell so nothing bleeds into a neighbour
    doc.defs.append('<clipPath id="cellclip"><rect x="0" y="0" width="%d" height="%d"/></clipPath>' % (fw, fh))
    ref = rim_filter(doc, "rim", rim, rim_width)
    for k, i in enumerate(frames):
        x, y = (0, k * fh) if stacked else (k * fw, 0)
        body = pose(fn(doc, i), motion[k] if motion else None, pivot or (fw / 2, fh))
        doc.add('<g id="frame%d" transform="translate(%d,%d)"><g clip-path="url(#cellclip)"><g filter="%s">%s</g></g></g>'
                % (k, x, y, ref, body))
    print(doc.save("enemy/%s.svg" % name))


def icon(doc, name):
    """Frame 0 of an enemy, centred on (0, 0), for the chip sheet's editor icons."""
    table = {
        "brain": (brain, 32, 32), "met": (met, 32, 32), "dummy": (dummy, 32, 32), "togezo": (togezo, 64, 64),
        "monoeye": (monoeye, 64, 64), "ghost": (ghost, 64, 64), "patapata": (patapata, 96, 96),
        "patapata_float": (patapata, 96, 96), "death": (death, 64, 96), "mecha": (mecha, 128, 96),
        "marionette": (marionette, 64, 96),
    }
    fn, w, h = table[name]
    s = fn(doc, 1 if name == "patapata_float" else 0)
    if name == "patapata_float":
        s += line([(20, 80), (76, 80)], "#80c0ff", 5) + line([(28, 88), (68, 88)], "#80c0ff", 5)
    cx = 64 if name == "mecha" else w / 2
    return '<g transform="translate(%s,%s)">%s</g>' % (f(-cx), f(-h / 2), s)


def build():
    # Walkers lean into each step, squash on the contact frames and stretch
    # and rise on the passing frame, so a three-frame cycle reads as a gait.
    sheet("dummy", 32, 32, [0], dummy, title="Practice target")
    sheet("brain", 32, 32, [0, 1, 2], brain, title="Walking brain, 3 frames",
          motion=[(0, 1.07, 0.93, -5), (0, 0.97, 1.02, 0), (0, 1.07, 0.93, 5)], pivot=(16, 30))
    sheet("met", 32, 32, [0, 1, 2], met, title="Helmeted critter, 3 frames",
          motion=[(0, 1.1, 0.9, -7), (-1.5, 0.93, 1.09, 0), (0, 1.1, 0.9, 7)], pivot=(16, 30))
    sheet("togezo", 64, 64, [0, 1], togezo, title="Spiked shell, 2 frames",
          motion=[(0, 1.08, 0.92, 7), (-1, 0.95, 1.06, -5)], pivot=(32, 54))
    sheet("monoeye", 64, 64, [0, 1, 2], monoeye, title="One-eyed blob, 3 frames",
          motion=[(0, 1.0, 1.0, -3), (0, 1.0, 1.0, 0), (-1.5, 1.0, 1.0, 6)], pivot=(32, 60))
    # floaters rise and sink on an even loop of three (no frame is a turning point)
    sheet("ghost", 64, 64, [0, 1, 2], ghost, title="Ghost, 3 frames",
          motion=[(-2 - 2.5 * math.sin(k * 2 * math.pi / 3), 1 + 0.05 * math.sin(k * 2 * math.pi / 3),
                   1 - 0.05 * math.sin(k * 2 * math.pi / 3), 6 * math.cos(k * 2 * math.pi / 3)) for k in range(3)],
          pivot=(32, 34))
    sheet("patapata", 96, 96, [0, 1, 2], patapata, title="Flapping hopper, 3 frames",
          motion=[(0, 0.96, 1.05, -6), (0, 1.0, 1.0, 0), (0, 1.05, 0.95, 6)], pivot=(48, 50))
    sheet("death", 64, 96, [0, 1, 2], death, title="Hooded reaper, 3 frames of 64 x 96", rim_width=1.6,
          motion=[(-3 - 3 * math.sin(k * 2 * math.pi / 3), 1.0, 1.0, 4 * math.cos(k * 2 * math.pi / 3)) for k in range(3)],
          pivot=(32, 88))
    # the mech only walks (it never fires), so no frame shows a muzzle flash;
    # its grey steel gets the reaper's wider rim, since its hit fade lost it
    # against world 4's blue-black night
    sheet("mecha", 128, 96, [0, 1, 2], mecha, stacked=True, rim_width=1.6,
          title="Boxy mech, 3 frames of 128 x 96 stacked, body centred at (32, 48)",
          motion=[(0, 1.0, 1.0, 0), (0, 1.0, 1.0, 1.5), (0, 1.0, 1.0, -1)], pivot=(32, 84))
    sheet("marionette", 64, 96, [0, 1], marionette, title="Marionette, 2 frames of 64 x 96",
          motion=[(0, 1.0, 1.0, -4), (-2, 1.0, 1.0, 4)], pivot=(32, 4))
    sheet("fireball", 32, 32, [0], lambda d, i: fireball(d), title="Fireball", rim=RIM_FIRE, rim_width=2)
    sheet("knife", 32, 16, [0], lambda d, i: knife(d), title="Thrown knife, pointing right", rim=RIM_FIRE,
          rim_width=1.5)
    sheet("beam", 32, 8, [0], lambda d, i: beam(d), title="Beam, pointing right", rim=RIM_FIRE, rim_width=1.5)
    sheet("burner", 64, 32, [0, 1, 2], burner, stacked=True, title="Flame jet, 3 frames of 64 x 32 stacked, pointing right",
          rim=RIM_FIRE)
    sheet("guruguru", 32, 32, [0, 1, 2], guruguru, title="Circling fire, 3 frames", rim=RIM_FIRE)


if __name__ == "__main__":
    build()
