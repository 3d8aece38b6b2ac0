"""Writes the boss sheets under world/enemy/: fesbio_brain, fesbio_snake,
marfes and marfes2. Frames sit side by side and face right; each boss is
drawn around the frame's centre, which is where the game positions it.
"""
import math
from svgkit import (Doc, OUT, shape, flat, line, limb, poly_d, smooth_d, ellipse_d, circle_d,
                    star_d, radial, linear, lerp, rim_filter, f)
from enemies import eye, pose, FIRE, FIRE_HOT, FIRE_CORE, RIM_FOE


def sheet(name, fw, fh, n, fn, title, rim_width=1.5, motion=None, pivot=None, rim=RIM_FOE):
    doc = Doc(fw * n, fh, title)
    # each frame is clipped to its own cell so nothing bleeds into a neighbour
    doc.defs.append('<clipPath id="cellclip"><rect x="0" y="0" width="%d" height="%d"/></clipPath>' % (fw, fh))
    ref = rim_filter(doc, "rim", rim, rim_width)
    for i in range(n):
        body = pose(fn(doc, i), motion[i] if motion else None, pivot or (fw / 2, fh))
        doc.add('<g id="frame%d" transform="translate(%d,0)"><g clip-path="url(#cellclip)"><g filter="%s">%s</g></g></g>'
                % (i, i * fw, ref, body))
    print(doc.save("enemy/%s.svg" % name))


# The sorceress's cloak and hood are crimson: the heroine's dress is a light
# periwinkle, and the two must never read as one shape when they cross.
CLOAK, CLOAK_SH, CLOAK_HL = "#6a1630", "#400c1c", "#a8405e"

# The sorceress fights in the throne room, in front of its wine-red curtains
# and carpet, and the game draws her see-through: her cloak is a lighter,
# rosier crimson than the last form's, her gown a lifted violet, and a cool
# moonlight runs down her back edges inside a cool pale rim, so she stays a
# shape of her own against the reds behind her.
SORC_CLOAK, SORC_CLOAK_SH, SORC_CLOAK_HL = "#a42a52", "#6a1634", "#e87a9a"
SORC_GOWN, SORC_GOWN_SH = "#7e50a8", "#54307a"
SORC_MOONLIGHT = "#cfe2ff"
RIM_SORCERESS = "#e4f0ff"


# ------------------------------------------------------------ giant brain, 96 x 96
def fesbio_brain(doc, i):
    # walk: a wide contact step with the body sunk, then a passing step with
    # the back foot lifted and the body up; the big eye darts between them
    step = [(-9, 9), (5, -3), (0, 0)][i]
    lift = [(0, 0), (6, 0), (0, 0)][i]
    firing = i == 2
    s = ""
    for k, (dx, up) in enumerate(zip(step, lift)):
        x = 36 + k * 24
        col, shd = ("#a04a62", "#702a40") if k == 0 else ("#c8687e", "#8a3a52")
        s += limb([(x, 64), (x + dx * 0.4, 70 - up * 0.6), (x + dx, 75 - up)], col, shd, 7, sw=1.6)
        s += shape(doc, poly_d([(x + dx - 7, 79 - up), (x + dx - 5, 73.5 - up), (x + dx + 6, 73.5 - up), (x + dx + 10, 79 - up)]),
                   "#5a2a3a", None, sw=1.6)
    bob = [1.5, -2, 1][i] - 4
    legs, s = s, ""
    body = smooth_d([(10, 44 + bob), (16, 22 + bob), (32, 12 + bob), (52, 10 + bob), (72, 14 + bob), (86, 28 + bob),
                     (88, 48 + bob), (80, 64 + bob), (60, 72 + bob), (34, 72 + bob), (16, 64 + bob)], True, 0.35)
    s += shape(doc, body, "#ee93a8", "#b65a76", off=(5, 5), hl="#ffd4de", hl_d=ellipse_d(34, 20 + bob, 9, 3.5))
    # folds and throbbing veins
    for pts in ([(20, 32), (28, 26), (26, 38), (36, 36), (34, 48)], [(44, 16), (48, 26), (42, 32), (50, 40)],
                [(60, 18), (66, 26), (60, 32), (70, 36)], [(16, 52), (26, 54), (30, 62)], [(40, 52), (48, 58), (44, 66)],
                [(74, 22), (80, 32), (76, 40)]):
        s += line([(x, y + bob) for x, y in pts], "#a04a62", 2)
    s += line([(22, 44 + bob), (30, 42 + bob), (34, 46 + bob)], "#6a3aa0", 1.6)
    s += line([(54, 60 + bob), (60, 56 + bob), (66, 60 + bob)], "#6a3aa0", 1.6)
    # three eyes, the big one in front
    s += eye(70, 42 + bob, 11, [(0.6, 0.15), (0.3, 0.55), (0.6, 0.15)][i])
    s += eye(56, 30 + bob, 5, (0.7, 0.1))
    s += eye(80, 58 + bob, 4, (0.6, 0.2))
    s += line([(58, 29 + bob), (82, 33 + bob)], OUT, 3)
    # mouth: a grin, wide open and glowing when firing
    if firing:
        m = smooth_d([(56, 58 + bob), (74, 56 + bob), (86, 60 + bob), (80, 70 + bob), (62, 70 + bob)], True, 0.35)
        s += flat(m, "#3a0a16", 2)
        s += flat(circle_d(74, 64 + bob, 6), radial(doc, [(0, FIRE_CORE, 1), (0.5, FIRE_HOT, 1), (1, FIRE, 0)]))
        for tx in (62, 70, 78):
            s += flat(poly_d([(tx, 57 + bob), (tx + 3, 57 + bob), (tx + 1.5, 61 + bob)]), "#ffffff", 0.8)
    else:
        s += line([(58, 62 + bob), (70, 65 + bob), (84, 61 + bob)], OUT, 2.4)
        for tx in (64, 72):
            s += flat(poly_d([(tx, 63 + bob), (tx + 3, 63.5 + bob), (tx + 1.5, 66.5 + bob)]), "#ffffff", 0.8)
    # the body squashes on its legs in the contact step and narrows on the
    # passing one (the sheet's motion then tilts and squashes the whole
    # frame about the feet): with only the feet and a bob changing, it read
    # as one drawing carried about on legs
    sx, sy, lean = [(1.03, 0.94, 0), (0.96, 1.0, 0), (1.0, 1.0, 0)][i]
    foot = 72 + bob
    squash = 'translate(48,%s) rotate(%s) scale(%s,%s) translate(-48,%s)' % (f(foot), f(lean), f(sx), f(sy), f(-foot))
    return legs + '<g transform="%s">%s</g>' % (squash, s)


# ------------------------------------------------------------ sea serpent, 176 x 192
def spline(points, n=40):
    out = []
    m = len(points)
    for k in range(m - 1):
        p0 = points[max(0, k - 1)]
        p1, p2 = points[k], points[k + 1]
        p3 = points[min(m - 1, k + 2)]
        for j in range(n):
            t = j / n
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[c]) + (-p0[c] + p2[c]) * t + (2 * p0[c] - 5 * p1[c] + 4 * p2[c] - p3[c]) * t2
                                    + (-p0[c] + 3 * p1[c] - 3 * p2[c] + p3[c]) * t3) for c in (0, 1)))
    out.append(points[-1])
    return out


def serpent_body(doc, spine, r0, r1):
    pts = spline(spine, 14)
    n = len(pts)
    s = ""
    for layer in ("out", "base", "belly"):
        for k, (x, y) in enumerate(pts):
            r = r0 + (r1 - r0) * k / (n - 1)
            if layer == "out":
                s += flat(circle_d(x, y, r + 2), OUT)
            elif layer == "base":
                s += flat(circle_d(x, y, r), "#2f8a7a")
                s += flat(circle_d(x + r * 0.25, y + r * 0.3, r * 0.7), "#1f5e56")
                s += flat(circle_d(x - r * 0.15, y - r * 0.2, r * 0.72), "#2f8a7a")
            else:
                if k % 5 == 0:
                    s += flat(ellipse_d(x - r * 0.2, y - r * 0.45, r * 0.35, r * 0.2), "#7ad0b8")
    # fins along the back
    for k in range(6, n - 6, 9):
        x, y = pts[k]
        r = r0 + (r1 - r0) * k / (n - 1)
        s += flat(poly_d([(x - r * 0.6, y - r * 0.8), (x - r * 0.1, y - r * 1.8), (x + r * 0.5, y - r * 0.8)]), "#d04a6a", 1.4)
    return s


def serpent_head(doc, at, ang, jaw, glow=False):
    hx, hy = at
    g = []
    # lower jaw
    g.append(shape(doc, poly_d([(-6, 4), (34, 6), (36, 10), (-4, 16)]), "#2f8a7a", "#1f5e56", off=(0, 2), sw=2)
             .join(['<g transform="rotate(%s,-4,8)">' % f(jaw), '</g>']))
    # mouth inside and fangs when open
    if jaw > 5:
        g.append(flat(poly_d([(-2, 4), (30, 2), (-2, 12)]), "#5a0a1a"))
        g.append(flat(poly_d([(22, 1), (26, 1), (24, 9)]), "#ffffff", 1))
        g.append(flat(poly_d([(12, 1), (16, 1), (14, 8)]), "#ffffff", 1))
    # skull-plated upper head
    head = smooth_d([(-14, -6), (-4, -16), (18, -16), (36, -8), (42, 2), (34, 6), (-6, 8), (-14, 4)], True, 0.35)
    g.append(shape(doc, head, "#3aa08a", "#1f5e56", off=(3, 3), hl="#9ae0cc", hl_d=ellipse_d(6, -11, 7, 2)))
    g.append(flat(poly_d([(-8, -12), (-22, -26), (-2, -15)]), "#e8e0c8", 1.6))
    g.append(flat(poly_d([(2, -15), (-4, -30), (10, -16)]), "#e8e0c8", 1.6))
    ec = "#ff4a2a" if glow else "#ffd040"
    g.append(flat(ellipse_d(18, -6, 5, 3.5), ec, 1.4) + flat(ellipse_d(19.5, -6, 1.2, 3), OUT))
    if glow:
        g.append(flat(circle_d(18, -6, 12), radial(doc, [(0, "#ff6a3a", 0.6), (1, "#ff6a3a", 0)])))
    g.append(line([(34, -3), (38, -2)], OUT, 2))
    return '<g transform="translate(%s,%s) rotate(%s)">%s</g>' % (f(hx), f(hy), f(math.degrees(ang)), "".join(g))


def fesbio_snake(doc, i):
    # spines from the tail (low, left) to the neck; the head follows. While
    # it swims it also fans fireballs out of the frame's centre, so there the
    # neck coils back over the body and the open jaws hang at the centre: the
    # balls leave its mouth, not its back
    poses = [
        ([(14, 178), (50, 174), (90, 172), (112, 152), (98, 132), (60, 128), (30, 112), (28, 90)], (48, 84), 0.08, 18,
         False),
        ([(14, 178), (46, 166), (78, 170), (96, 140), (76, 112), (70, 84), (86, 64)], (90, 58), -0.35, 2, True),
        ([(10, 180), (40, 170), (72, 160), (92, 130), (110, 104), (128, 88)], (132, 84), 0.25, 28, True),
        ([(14, 178), (44, 166), (72, 172), (96, 148), (92, 118), (80, 96), (78, 80)], (80, 74), -1.1, 0, False),
    ]
    spine, head_at, ang, jaw, glow = poses[i]
    s = ""
    # it swims through the air: the body tapers to a tail that ends in a
    # forked fin flicking up behind it (a splash under it read as a cloud it
    # rode on)
    s += serpent_body(doc, spine, 4, 16)
    tx, ty = spine[0]
    flick = [0, 4, -3, 6][i]
    fin = smooth_d([(tx + 3, ty - 1), (tx - 12, ty - 20 + flick), (tx - 6, ty - 8 + flick * 0.4),
                    (tx - 13, ty + 2 + flick * 0.3), (tx + 2, ty + 3)], True, 0.25)
    s += flat(fin, "#d04a6a", 1.8)
    s += line([(tx, ty), (tx - 8, ty - 13 + flick * 0.8)], "#ff8aa4", 1.2)
    s += serpent_head(doc, head_at, ang, jaw, glow)
    return s


# ------------------------------------------------------------ marfes, 128 x 160
def moonlit_edge(doc, d, reach):
    """A band of cool light inside a shape's outline on its left, back side,
    fading out across `reach` of its width: moonlight from behind her."""
    cid = doc.uid("c")
    doc.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, d))
    g = linear(doc, [(0, SORC_MOONLIGHT, 0.95), (reach, SORC_MOONLIGHT, 0)], 0, 0, 1, 0)
    return '<g clip-path="url(#%s)"><path d="%s" fill="none" stroke="%s" stroke-width="6"/></g>' % (cid, d, g)


def marfes(doc, i):
    wave = [0, 3, -3, 1, -1][i]
    s = ""
    # cloak flowing behind: while she hovers a ripple runs along the hem
    # from front to back on an even loop of three
    p = i * 2 * math.pi / 3

    def hem(k, x, y, alt):
        if i < 3:
            return (x - 1.5 * math.cos(p - k * 0.9), y + 4.5 * math.sin(p - k * 0.9))
        return (x, y + alt)
    cloak = smooth_d([(50, 40), (38, 60), (30, 100), hem(6, 22, 136, wave), hem(5, 36, 128, -wave), hem(4, 44, 144, wave),
                      hem(3, 56, 132, 0), hem(2, 66, 146, -wave), hem(1, 78, 134, wave), hem(0, 86, 142, 0), (90, 110),
                      (82, 64), (74, 40)], True, 0.35)
    s += shape(doc, cloak, SORC_CLOAK, SORC_CLOAK_SH, off=(4, 3), hl=SORC_CLOAK_HL, hl_d=ellipse_d(44, 80, 3, 14), sw=0)
    s += moonlit_edge(doc, cloak, 0.55)
    s += flat(cloak, "none", 2)
    s += line([(44, 120), (50, 96)], SORC_CLOAK_SH, 2) + line([(66, 126), (68, 100)], SORC_CLOAK_SH, 2)
    # body and gold trim
    # a gown with a waist: narrow at the sash, flaring to the hem (a
    # straight-sided body read as a capsule-shaped doll)
    s += shape(doc, smooth_d([(53, 44), (73, 44), (77, 58), (71, 76), (80, 94), (74, 106), (52, 106), (46, 94), (55, 76),
                              (49, 58)], True, 0.35), SORC_GOWN, SORC_GOWN_SH, off=(3, 2))
    s += line([(52, 70), (63, 84), (76, 70)], "#d2a23e", 2.5) + line([(50, 90), (63, 98), (78, 90)], "#d2a23e", 3)
    s += flat(circle_d(63, 62, 4), "#c02840", 1.4)
    # arm: resting, raised with a fan of knives, or thrown forward
    if i == 3:
        # the wind-up: a glow gathers round the raised fan of knives, with
        # streaks drawn into it, so the throw is seen coming
        s += flat(circle_d(86, 22, 24), radial(doc, [(0, "#ff80d0", 0.45), (0.6, "#ff60b0", 0.2), (1, "#ff60b0", 0)]))
        for a in (0.3, 1.4, 2.6, 3.7):
            p0 = (86 + math.cos(a) * 26, 22 + math.sin(a) * 26)
            p1 = (86 + math.cos(a) * 15, 22 + math.sin(a) * 15)
            s += line([p0, p1], "#ffc0f0", 1.4, opacity=0.45)
        arm = [(70, 50), (80, 36), (86, 22)]
        s += limb(arm, SORC_GOWN, SORC_GOWN_SH, 6, sw=1.6)
        for a in (-1.9, -1.55, -1.2):
            tip = (86 + math.cos(a) * 22, 22 + math.sin(a) * 22)
            s += line([(86, 22), tip], OUT, 4) + line([(86, 22), tip], "#dfe6ee", 2)
        s += flat(circle_d(86, 22, 3.5), "#f0e8f0", 1.4)
    elif i == 4:
        arm = [(70, 52), (88, 56), (104, 54)]
        s += limb(arm, SORC_GOWN, SORC_GOWN_SH, 6, sw=1.6)
        s += flat(circle_d(104, 54, 3.5), "#f0e8f0", 1.4)
        for k, y in enumerate((46, 56, 66)):
            s += line([(110 + k * 3, y), (124, y - 2 + k * 2)], "#dfe6ee", 2, opacity=0.9)
            s += line([(96, y + 1), (108, y + 1)], "#ffffff", 1, opacity=0.5)
    else:
        arm = [(70, 52), (80, 68 + wave * 0.3), (84, 80)]
        s += limb(arm, SORC_GOWN, SORC_GOWN_SH, 6, sw=1.6)
        s += flat(circle_d(84, 81, 3.5), "#f0e8f0", 1.4)
        for k in range(3):
            # a third of a turn over the three hover frames: one knife moves
            # on to the next one's place, so the orbit loops without a jump
            a = i * 2 * math.pi / 9 + k * 2 * math.pi / 3
            kx, ky = 64 + math.cos(a) * 44, 84 + math.sin(a) * 18
            s += '<g transform="translate(%s,%s) rotate(%s)">%s</g>' % (f(kx), f(ky), f(-30 + k * 40),
                                                                         flat(poly_d([(-8, -1.5), (6, -1.5), (10, 0), (6, 1.5), (-8, 1.5)]), "#dfe6ee", 1.2))
    # head: porcelain mask with a golden crest
    s += flat(smooth_d([(50, 26), (58, 8), (64, 18), (70, 6), (78, 26)], True, 0.3), "#d2a23e", 1.6)
    s += shape(doc, smooth_d([(52, 28), (62, 18), (76, 22), (80, 34), (74, 46), (60, 46), (52, 38)], True, 0.35), "#f4eef4", "#b8a8c8",
               off=(2, 2))
    # the mask's face: glowing almond eyes under painted lids, violet tear
    # lines (the marks her last form's mask carries) and dark red lips; two
    # slits and a dot read as a bare doll's face
    for ex, ey in ((60, 31), (71, 30.5)):
        s += flat(circle_d(ex, ey, 5), radial(doc, [(0, "#ff60c0", 0.55), (1, "#ff60c0", 0)]))
        s += flat(smooth_d([(ex - 3.6, ey + 0.4), (ex - 1, ey - 1.9), (ex + 3.4, ey - 1.2), (ex + 1.2, ey + 1.7)], True, 0.4), OUT)
        s += flat(circle_d(ex + 0.4, ey - 0.1, 1.3), "#ff4fa8")
        s += line([(ex - 3.8, ey - 2.6), (ex + 3.4, ey - 3.2)], "#5a2a7a", 1.2)
        s += line([(ex - 0.5, ey + 2.4), (ex - 1, ey + 8.5)], "#7a4a9a", 1.3)
    s += flat(smooth_d([(62.5, 40.5), (65.5, 39.6), (68.5, 40.3), (65.5, 42.4)], True, 0.4), "#9c1f36", 0.8)
    # hood around the mask
    s += flat(smooth_d([(48, 40), (48, 24), (58, 14), (70, 12), (82, 20), (84, 32), (79, 28), (74, 19), (60, 18), (53, 28), (52, 42)], True, 0.35),
              SORC_CLOAK, 1.6)
    return s


# ------------------------------------------------------------ marfes2, 640 x 680
EMITTERS = [(-117, -54), (-92, -117), (-149, -126), (98, -148)]


def big_wing(doc, side, i, back=False):
    """One of the great wings, drawn for the right side and mirrored for the left."""
    # a full beat between the two frames, wide enough to read on a body this
    # big: raised high, then swept well down
    flap = [-0.5, 0.8][i] + (0.25 if back else 0)
    root = (70, -110) if not back else (40, -140)
    # swept down, the wing turns its edge towards us a little: shorter, and
    # its claws stay inside the frame
    scale = (1.0 if not back else 1.05) * [1.0, 0.9][i]
    ribs = []
    for k in range(5):
        a = -1.0 + k * 0.42 + flap * (1 - k * 0.15)
        l = [215, 240, 232, 198, 158][k] * scale
        ribs.append((root[0] + math.cos(a) * l, root[1] + math.sin(a) * l))
    outline = [root]
    for k in range(len(ribs)):
        outline.append(ribs[k])
        if k < len(ribs) - 1:
            mid = lerp(ribs[k], ribs[k + 1], 0.5)
            outline.append(lerp(mid, root, 0.3))
    outline.append((root[0] + 10, root[1] + 70))
    d = poly_d(outline)
    base, shd = ("#2a1440", "#180a28") if not back else ("#1c0e2e", "#10071c")
    s = shape(doc, d, base, shd, off=(10, 10), sw=3)
    # a hot magenta hem along the scalloped edge: dark membrane on the dark
    # throne room lost its silhouette, and with it the beat
    hem = outline[1:-1]
    s += line(hem, "#c04aa8" if not back else "#8a3480", 5, opacity=0.85)
    s += line(hem, OUT, 2.2)
    # veins running out along the membrane
    for k in range(len(ribs) - 1):
        mid = lerp(ribs[k], ribs[k + 1], 0.5)
        s += line([lerp(root, mid, 0.2), lerp(root, mid, 0.6)], "#4a2a6a", 2.5)
    rib_col = "#5a3a80" if not back else "#3e2860"
    for r in ribs:
        s += line([root, r], OUT, 7) + line([root, r], rib_col, 3.5)
        s += flat(poly_d([r, (r[0] + 10, r[1] - 14), (r[0] + 16, r[1] + 2)]), "#e8e0f0", 2)  # claw at each tip
    s += flat(circle_d(root[0], root[1], 12), rib_col, 3)
    return '<g transform="scale(%d,1)">%s</g>' % (side, s)


def marfes2(doc, i):
    cx, cy = 320, 340
    s = '<g transform="translate(%d,%d)">' % (cx, cy)
    glow = radial(doc, [(0, "#c060ff", 0.4 if i else 0.3), (0.6, "#8030c0", 0.12), (1, "#8030c0", 0)])
    s += flat(circle_d(0, -40, 310), glow)
    for side in (1, -1):
        s += big_wing(doc, side, i, back=True)
    for side in (1, -1):
        s += big_wing(doc, side, i)
    # mane of dark hair flowing behind the mask
    s += shape(doc, smooth_d([(-70, -250), (-110, -180), (-150, -120), (-120, -90), (0, -130), (120, -90), (150, -120), (110, -180),
                              (70, -250), (0, -280)], True, 0.4), "#1e1030", "#120820", off=(8, 8), sw=3)
    # tattered cloak with a red lining and tendrils reaching down
    wv = [0, 24][i]
    cloak = smooth_d([(-120, -40), (-150, 60), (-175, 180), (-135, 255 + wv), (-105, 205), (-82, 295 - wv), (-42, 225),
                      (0, 325 + wv), (42, 225), (82, 295 - wv), (105, 205), (135, 255 + wv), (175, 180), (150, 60), (120, -40)], True, 0.35)
    s += shape(doc, cloak, CLOAK, CLOAK_SH, off=(12, 10), sw=3, hl=CLOAK_HL, hl_d=ellipse_d(-80, 80, 12, 70))
    lining = smooth_d([(-60, 20), (-80, 150), (-42, 205), (0, 290 + wv), (42, 205), (80, 150), (60, 20)], True, 0.35)
    s += shape(doc, lining, "#6a2a8a", "#3a1a54", off=(8, 8), sw=2.5)
    for x in (-110, -60, 60, 110):
        s += line([(x * 0.9, 10), (x * 1.25, 200)], CLOAK_SH, 5)
    # armoured torso: breastplate and segmented plates
    torso = smooth_d([(-136, -150), (-60, -190), (60, -190), (136, -150), (120, -20), (60, 40), (-60, 40), (-120, -20)], True, 0.35)
    s += shape(doc, torso, "#5a2a7a", "#3a1a54", off=(12, 12), sw=3, hl="#9a6ac0", hl_d=ellipse_d(-60, -150, 34, 10))
    for k, y in enumerate((-10, 12, 32)):
        w = 110 - k * 22
        s += shape(doc, smooth_d([(-w, y - 14), (0, y - 4), (w, y - 14), (w - 8, y + 4), (0, y + 14), (-w + 8, y + 4)], True, 0.3),
                   "#4a2268", "#2a1240", off=(4, 4), sw=2.5)
        s += line([(-w + 6, y - 10), (0, y), (w - 6, y - 10)], "#d2a23e", 2.5)
    s += line([(-128, -146), (-60, -184), (60, -184), (128, -146)], "#d2a23e", 5)
    s += line([(0, -180), (0, -60)], "#d2a23e", 5)
    for side in (1, -1):  # filigree curls
        s += line([(side * 20, -120), (side * 50, -100), (side * 60, -70), (side * 45, -55), (side * 35, -70)], "#d2a23e", 3.5)
    s += flat(star_d(0, -40, 40, 15, 8), "#d2a23e", 3) + flat(circle_d(0, -40, 15), "#c02840", 3)
    s += flat(circle_d(0, -40, 26), radial(doc, [(0, "#ff4060", 0.5 if i else 0.3), (1, "#ff4060", 0)]))
    s += flat(circle_d(-5, -45, 5), "#ff8aa0")
    # shoulder crowns that carry the beam emitters (both sides, so either facing works)
    for side in (1, -1):
        s += shape(doc, smooth_d([(side * 90, -60), (side * 80, -150), (side * 120, -190), (side * 178, -150), (side * 172, -60),
                                  (side * 130, -28)], True, 0.35), "#4a2268", "#2a1240", off=(8 * side, 8), sw=3,
                   hl="#7a4aa0", hl_d=ellipse_d(side * 112, -160, 14, 6))
        for k in range(3):  # spikes on top of the pauldrons
            bx = side * (100 + k * 28)
            s += flat(poly_d([(bx - 10, -170 + k * 6), (bx + side * 14, -222 + k * 10), (bx + 12, -166 + k * 8)]), "#e8e0f0", 2.5)
        for ex, ey in EMITTERS:
            x = -ex * side
            s += line([(x, ey), (side * 130, -100)], "#d2a23e", 4)
    for side in (1, -1):
        for ex, ey in EMITTERS:
            x = -ex * side
            s += flat(circle_d(x, ey, 28), radial(doc, [(0, "#ff80ff", 0.6 if i else 0.35), (1, "#ff80ff", 0)]))
            s += flat(circle_d(x, ey, 12.5), "#d2a23e", 2.5)
            s += flat(circle_d(x, ey, 8.5), "#e040ff" if i else "#b030d0") + flat(circle_d(x - 2.5, ey - 2.5, 3), "#ffd0ff")
    # the mask face under a crown of horns
    horns = [(-66, -200), (-58, -300), (-34, -236), (-20, -318), (0, -246), (20, -318), (34, -236), (58, -300), (66, -200)]
    s += shape(doc, poly_d(horns), "#d2a23e", "#8c6418", off=(5, 5), sw=3, hl="#fbe08a", hl_d=ellipse_d(-20, -260, 3, 18))
    face = smooth_d([(-56, -200), (-30, -250), (30, -250), (56, -200), (46, -140), (0, -110), (-46, -140)], True, 0.35)
    s += shape(doc, face, "#f4eef4", "#b8a8c8", off=(8, 8), sw=3, hl="#ffffff", hl_d=ellipse_d(-24, -230, 14, 5))
    for side in (1, -1):
        s += flat(poly_d([(side * 10, -196), (side * 42, -206), (side * 35, -182), (side * 12, -181)]), OUT)
        s += flat(circle_d(side * 28, -194, 4.5 if i == 0 else 6), "#ff3060")
        s += line([(side * 30, -180), (side * 38, -148)], "#7a4a9a", 2.5)
    s += flat(circle_d(0, -194, 30), radial(doc, [(0, "#ff3060", 0.18 if i else 0.08), (1, "#ff3060", 0)]))
    s += line([(-24, -150), (0, -140), (24, -150)], "#7a4a9a", 4)
    s += flat(poly_d([(0, -236), (8, -222), (0, -210), (-8, -222)]), "#c02840", 2)
    # armoured arms with clawed gauntlets
    for side in (1, -1):
        hand = (side * (152 + [0, 18][i]), 120 - [0, 36][i])
        arm = [(side * 128, -30), (side * 180, 45), hand]
        s += limb(arm, "#4a2268", "#2a1240", 30, sw=3)
        s += line([(side * 128, -30), (side * 180, 45)], "#d2a23e", 3)
        s += shape(doc, circle_d(side * 180, 45, 18), "#5a2a7a", "#3a1a54", off=(4, 4), sw=3)
        s += shape(doc, circle_d(hand[0], hand[1], 20), "#5a2a7a", "#3a1a54", off=(4, 4), sw=3)
        for k in range(4):
            a = math.pi / 2 + (k - 1.5) * 0.32
            base = (hand[0] + math.cos(a) * 14, hand[1] + math.sin(a) * 14)
            tip = (hand[0] + math.cos(a) * 52, hand[1] + math.sin(a) * 52)
            s += flat(poly_d([(base[0] - 6, base[1]), tip, (base[0] + 6, base[1])]), "#e8e0f0", 2.5)
    s += "</g>"
    return s


def build():
    # the brain rolls from foot to foot, and rears back with its mouth open to
    # fire; its rim is a wide one, since the game draws it see-through while a
    # hit flashes and a thin rim at that strength was lost on the brown cellar
    sheet("fesbio_brain", 96, 96, 3, fesbio_brain, "Giant brain: walk 0, walk 1, firing; 96 x 96 frames", rim_width=2.5,
          motion=[(0, 1.05, 0.95, -4), (0, 0.96, 1.04, 4), (-2, 0.96, 1.06, -7)], pivot=(48, 79))
    # the serpent is drawn see-through as it fades in and while a hit
    # flashes too, over world 3's dark green: it gets the brain's wide rim
    sheet("fesbio_snake", 176, 192, 4, fesbio_snake, "Sea serpent: swim, aim, bite, return; 176 x 192 frames",
          rim_width=2.5)
    # she bobs as she hovers, leans back to wind up a throw and lunges into it
    sheet("marfes", 128, 160, 5, marfes, "Masked sorceress: hover 0..2, knife throw 0..1; 128 x 160 frames",
          motion=[(-3.5 * math.sin(k * 2 * math.pi / 3), 1.0, 1.0, 2 * math.cos(k * 2 * math.pi / 3)) for k in range(3)] +
                 [(3, 1.0, 0.98, -5),
                  (1, 1.02, 0.98, 6)], pivot=(64, 84), rim=RIM_SORCERESS, rim_width=2.5)
    # the down-beat of her wings lifts the whole body
    sheet("marfes2", 640, 680, 2, marfes2, rim_width=3, motion=[(0, 1.0, 1.0, 0), (-6, 1.0, 1.0, 0)],
          pivot=(320, 340),
          title="Second form, 640 x 680 frames; beam emitters at (+-117,-54), (+-92,-117), (+-149,-126), (+-98,-148) from the centre")


if __name__ == "__main__":
    build()
