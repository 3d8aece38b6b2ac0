"""Writes world/mary.svg: the heroine's 9 x 9 sheet of 64 x 64 frames.

Every frame is posed from a few numbers (hip, feet, gun grip and angle,
hands, skirt and hair sway) and drawn by the same part functions, so the
character stays identical from frame to frame. Feet are at the frame's
bottom edge, the body centred at x 32, facing right. The muzzle of the
gun sits at (57, 25) standing and (57, 32) crouching when she fires, so
the flash ends at the frame edge, 32 px in front of the feet.

The stages are night scenes, so the black dress and hair of her portraits
are drawn here as a light periwinkle dress and an indigo with a cool sheen,
bright enough to separate from every backdrop by themselves, and every frame
gets a pale rim around the whole silhouette as well. Her head is drawn a
size up so the face and headdress read at game size.
"""
import math
from svgkit import (Doc, OUT, shape, flat, line, limb, poly_d, smooth_d,
                    ellipse_d, circle_d, rot, ik, lerp, star_d, f)

DRESS, DRESS_SH, DRESS_HL = "#7c9cfc", "#6282e2", "#d6e2ff"
DRESS_FAR, DRESS_FAR_SH = "#5c6cc8", "#3a4698"  # the far arm, a step darker
WHITE, WHITE_SH = "#ffffff", "#cfd6ee"
SKIN, SKIN_SH = "#ffe0c8", "#f2bea4"
HAIR, HAIR_SH, HAIR_HL = "#4c4a80", "#2a2850", "#b4ccff"
RED, RED_SH = "#e8384e", "#a41f38"
GUN, GUN_SH, GUN_HL = "#66728a", "#343c4c", "#b8c6dc"
STOCK, STOCK_SH = "#f2f0fa", "#b4b4d4"
SHOE = "#3a3660"
RIM = "#f0ecff"  # the pale rim around her silhouette
EYE = "#6a5ab8"  # the violet eyes of her portraits
FLASH1, FLASH2 = "#fff7c2", "#ffb030"

MUZZLE = (12.5, -2.0)  # muzzle in the gun's own frame (origin at the grip)
FOREGRIP = (8.0, 0.8)
MAGWELL = (4.5, 0.5)


def gun_world(grip, ang, p):
    r = rot(p, ang)
    return (grip[0] + r[0], grip[1] + r[1])


def grip_for_muzzle(muzzle, ang=0.0):
    r = rot(MUZZLE, ang)
    return (muzzle[0] - r[0], muzzle[1] - r[1])


def magazine(doc, at=(0, 0), ang=0.0):
    d = poly_d([(-1.5, 0), (1.5, 0), (2.3, 7.5), (-0.7, 7.5)])
    body = shape(doc, d, GUN, GUN_SH, off=(1, 1), sw=1.3)
    return '<g transform="translate(%s,%s) rotate(%s)">%s</g>' % (f(at[0]), f(at[1]), f(math.degrees(ang)), body)


def gun(doc, grip, ang, mag=True, recoil=0.0):
    g = []
    # folded wire stock behind the receiver
    g.append(line([(-6.5, -3), (-11, -2.5), (-11, 0.5), (-6.5, -0.5)], OUT, 2.6))
    g.append(line([(-6.5, -3), (-11, -2.5), (-11, 0.5), (-6.5, -0.5)], GUN_SH, 1.0))
    if mag:
        g.append(magazine(doc, MAGWELL))
    g.append(shape(doc, poly_d([(-3, 0), (-0.2, 0), (1.0, 5.5), (-1.8, 5.5)]), GUN_SH, sw=1.3))
    g.append(shape(doc, poly_d([(9, -3.3), (12.8, -3.3), (12.8, -0.7), (9, -0.7)]), GUN_SH, sw=1.4))
    g.append(shape(doc, poly_d([(-7, -4.2), (-4.5, -4.2), (-4, -5.6), (-2.4, -5.6), (-2, -4.2), (9.5, -4.2),
                                (9.5, 0.8), (-7, 0.8)]), GUN, GUN_SH, off=(0, 1.4),
                   hl=GUN_HL, hl_d=poly_d([(-5.5, -3.4), (8, -3.4), (8, -2.6), (-5.5, -2.6)]), sw=1.6))
    tr = "translate(%s,%s) rotate(%s)" % (f(grip[0] - recoil * math.cos(ang)), f(grip[1] - recoil * math.sin(ang)),
                                          f(math.degrees(ang)))
    return '<g transform="%s">%s</g>' % (tr, "".join(g))


def muzzle_flash(doc, muzzle, kind):
    """Two alternating flash shapes so automatic fire flickers."""
    x, y = muzzle
    if kind == 1:
        outer = star_d(x + 3.5, y, 7.0, 2.6, 5, 0.0, 1.0)
        inner = star_d(x + 3.0, y, 3.8, 1.5, 5, 0.0, 1.0)
    else:
        outer = poly_d([(x, y - 1.5), (x + 2.5, y - 6.5), (x + 3.5, y - 2.2), (x + 7.3, y - 1.4), (x + 7.3, y + 1.4),
                        (x + 3.5, y + 2.2), (x + 2.5, y + 6.5), (x, y + 1.5)])
        inner = poly_d([(x, y - 1), (x + 4.5, y - 0.6), (x + 4.5, y + 0.6), (x, y + 1)])
    return (flat(outer, FLASH2, sw=1.2, stroke="#c0501a") + flat(inner, FLASH1))


def leg(doc, hip, foot, shin_len=11.5, thigh_len=11.5, bend=-1, far=False, foot_ang=0.0):
    knee = ik(hip, foot, thigh_len, shin_len, bend)
    base, sh = (STOCK_SH, "#8a8cb4") if far else (STOCK, STOCK_SH)
    ankle = (foot[0] - math.sin(foot_ang) * 2.5, foot[1] - 2.8)
    knee = ik(hip, ankle, thigh_len, shin_len - 2.5, bend)
    s = limb([hip, knee, ankle], base, sh, 3.8, sw=1.2)
    # a rounded shoe pointing forward
    shoe = poly_d([(-2.6, -2.6), (2.0, -2.8), (4.6, -1.2), (4.6, 0.6), (-2.6, 0.6)])
    s += '<g transform="translate(%s,%s) rotate(%s)">%s</g>' % (
        f(foot[0]), f(foot[1] - 0.9), f(math.degrees(foot_ang)),
        shape(doc, shoe, SHOE if not far else "#242444", None, sw=1.2,
              hl="#8c90c8", hl_d=poly_d([(0, -2), (2.2, -2.1), (2.8, -1.4), (0.4, -1.4)])))
    return s


def arm(doc, shoulder, hand, far=False, l1=8.5, l2=8.5, bend=1):
    elbow = ik(shoulder, hand, l1, l2, bend)
    base, sh = (DRESS_FAR, DRESS_FAR_SH) if far else (DRESS, DRESS_SH)
    s = limb([shoulder, elbow, hand], base, sh, 4.0 if far else 4.8, sw=1.2)  # the near sleeve puffed
    # white cuff near the hand
    cuff = lerp(elbow, hand, 0.72)
    s += line([cuff, lerp(elbow, hand, 0.9)], OUT, 5.6, cap="butt")
    s += line([cuff, lerp(elbow, hand, 0.88)], WHITE if not far else WHITE_SH, 3.8, cap="butt")
    s += shape(doc, circle_d(hand[0], hand[1], 2.1), SKIN if not far else SKIN_SH, None, sw=1.2)
    return s


def skirt(doc, waist, hem_y, flare=0.0, sway=0.0, kick=0.0, billow=0.0):
    """kick lifts the front of the hem over a knee swung up under it;
    billow turns both edges of the hem up, as air rushes under it."""
    wx, wy = waist
    half_top = 6.5
    half_hem = 14.0 + flare * 4
    lift = flare * 3
    hy = hem_y - lift
    back = (wx - half_hem + sway - 1 - billow * 0.5, hy - billow * 3.0)
    front = (wx + half_hem + sway + 1 + kick * 0.6 + billow * 0.5, hy - 1 - kick - billow * 3.0)
    pts = [(wx - half_top, wy), (wx + half_top + 1, wy),
           (wx + half_top + 4 + flare * 2 + kick * 0.5, wy + (hy - wy) * 0.5),
           front,
           (wx + sway + 5, hy + 1.2 - kick * 1.1), (wx + sway, hy + 0.6 - kick * 0.5), (wx + sway - 5, hy + 1.4),
           back,
           (wx - half_top - 3 - flare * 2, wy + (hy - wy) * 0.5)]
    d = smooth_d(pts, True, 0.35)
    s = ""
    # petticoat lace peeking below the hem
    lace = []
    n = 7
    for i in range(n + 1):
        t = i / n
        x = back[0] + (front[0] - back[0]) * t
        yb = back[1] + (front[1] - back[1]) * t + 1.0 + (0.6 if 0.2 < t < 0.8 else 0)
        lace.append((x, yb + (1.6 if i % 2 else 0.2)))
    s += flat(smooth_d([(back[0] + 1, back[1] - 3)] + lace + [(front[0] - 1, front[1] - 3)], True, 0.3),
              WHITE, sw=1.2)
    s += shape(doc, d, DRESS, DRESS_SH, off=(3, 2), hl=DRESS_HL,
               hl_d=poly_d([(wx - 3, wy + 2), (wx - 2, wy + 2), (wx - 4.4, hy - 3), (wx - 5.8, hy - 3)]), sw=2)
    # apron over the front of the skirt
    ap = smooth_d([(wx + 0.5, wy + 0.5), (wx + 5.5, wy + 0.5), (wx + 8.5 + flare * 2 + sway * 0.5, hy - 3),
                   (wx + 4 + sway, hy - 1.6), (wx - 1 + sway * 0.7, hy - 2.6)], True, 0.25)
    s += shape(doc, ap, WHITE, WHITE_SH, off=(1.6, 1.2), sw=1.5)
    return s


def torso(doc, waist, shoulder, twist=0.0, strings=(0.0, 0.0)):
    """twist turns the chest against the hips (positive: the near shoulder
    forward); strings swings the apron strings' ends behind her."""
    wx, wy = waist
    sx, sy = shoulder
    sx += twist * 0.6
    d = smooth_d([(sx - 5 - twist * 0.4, sy + 0.5), (sx + 3.5, sy), (sx + 5.5 + twist * 0.3, sy + 2.5),
                  (wx + 6, wy - 0.5),
                  (wx + 6.5, wy + 1.2), (wx - 6, wy + 1.2), (wx - 5.5, wy - 1), (sx - 6, sy + 3)], True, 0.3)
    s = shape(doc, d, DRESS, DRESS_SH, off=(2, 1.5), sw=2, hl=DRESS_HL,
              hl_d=poly_d([(sx - 4, sy + 2.5), (sx - 2.8, sy + 2), (wx - 3.4, wy - 0.5), (wx - 4.8, wy - 0.5)]))
    # apron bib and strap
    bib = poly_d([(sx - 0.5, sy + 3), (sx + 4.5, sy + 2.6), (wx + 5.5, wy + 0.8), (wx + 0.2, wy + 0.8)])
    s += shape(doc, bib, WHITE, WHITE_SH, off=(1.2, 1), sw=1.2)
    s += line([(sx - 2.5, sy + 0.5), (wx - 2.5, wy)], WHITE_SH, 1.4)
    # apron bow at the back of the waist, its two strings trailing
    bx, by = wx - 7 - twist * 0.3, wy
    tx, ty = strings
    for spread in (0.0, 2.2):
        tail = [(bx + 1, by + 0.5), (bx - 1.5 + tx * 0.5 - spread, by + 3 + ty * 0.5),
                (bx - 2 + tx - spread * 1.4, by + 6 + ty)]
        s += line(tail, OUT, 3.0)
        s += line(tail, WHITE if spread else WHITE_SH, 1.3)
    s += shape(doc, poly_d([(bx + 1.5, by), (bx - 3.5, by - 3.2), (bx - 4.2, by + 0.2), (bx - 3, by + 3)]),
               WHITE, WHITE_SH, off=(0.8, 0.8), sw=1.2)
    return s


def collar(doc, neck):
    x, y = neck
    s = shape(doc, poly_d([(x - 3.5, y + 0.5), (x + 3.8, y), (x + 2.2, y + 2.6), (x - 2.5, y + 2.6)]),
              WHITE, None, sw=1.2)
    # red ribbon bow at the throat
    bx, by = x + 2.8, y + 1.6
    s += shape(doc, poly_d([(bx, by), (bx - 2.6, by - 1.8), (bx - 2.6, by + 1.8)]), RED, None, sw=1.0)
    s += shape(doc, poly_d([(bx, by), (bx + 2.6, by - 1.8), (bx + 2.6, by + 1.8)]), RED, None, sw=1.0)
    s += line([(bx - 0.5, by + 0.8), (bx - 1.2, by + 4)], RED_SH, 1.3)
    s += line([(bx + 0.5, by + 0.8), (bx + 1.4, by + 3.8)], RED_SH, 1.3)
    return s


HEAD_SCALE = 1.12  # the head drawn a size up around the neck: face and headdress read at game size


def head(doc, c, tilt=0.0, face="normal", hair_sway=(0.0, 0.0)):
    cx, cy = c
    hs = hair_sway
    rb = (max(-2.5, min(2.5, hs[0] * 0.45)), max(-3.0, min(2.5, hs[1] * 0.35)))  # the ribbon's tails
    parts = []
    # long straight hair falling down her back, swinging with her motion
    tail = smooth_d([(cx - 7.5, cy - 3), (cx - 9.5 + hs[0] * 0.3, cy + 3 + hs[1] * 0.2),
                     (cx - 10.5 + hs[0], cy + 11 + hs[1]), (cx - 8 + hs[0] * 1.1, cy + 15.5 + hs[1] * 1.2),
                     (cx - 4.5 + hs[0] * 0.6, cy + 13 + hs[1] * 0.8), (cx - 3, cy + 5)], True, 0.35)
    parts.append(shape(doc, tail, HAIR, HAIR_SH, off=(1.5, 1.5), sw=1.6,
                       hl=HAIR_HL, hl_d=ellipse_d(cx - 8 + hs[0] * 0.5, cy + 5 + hs[1] * 0.4, 0.8, 3)))
    # back of the hair
    parts.append(shape(doc, ellipse_d(cx - 0.5, cy - 0.5, 8.2, 7.8), HAIR, HAIR_SH, off=(-1.5, 1.8), sw=2,
                       hl=HAIR_HL, hl_d=ellipse_d(cx - 3, cy - 5, 2.6, 1.1)))
    # a cool sheen ring across the crown, catching the light on every stage
    parts.append(line([(cx - 7.6, cy + 0.5), (cx - 6.8, cy - 2.6), (cx - 4.6, cy - 5.0), (cx - 1.6, cy - 6.2)],
                      HAIR_HL, 1.1, opacity=0.85))
    # face
    fd = smooth_d([(cx - 1, cy - 3), (cx + 5.5, cy - 3.5), (cx + 7.2, cy + 0.5), (cx + 6.5, cy + 4.2),
                   (cx + 3.5, cy + 7), (cx + 0.5, cy + 6.8), (cx - 2, cy + 4)], True, 0.35)
    parts.append(shape(doc, fd, SKIN, SKIN_SH, off=(1.8, 1.2), sw=1.6))
    # side lock in front of the ear
    parts.append(shape(doc, smooth_d([(cx - 2.8, cy - 2), (cx - 0.2, cy - 1), (cx + 0.2, cy + 6), (cx - 1.3, cy + 8.5),
                                      (cx - 2.8, cy + 5)], True, 0.3), HAIR, HAIR_SH, off=(1, 0.5), sw=1.3))
    # bangs
    bang = poly_d([(cx - 4, cy - 7.5), (cx + 3, cy - 8), (cx + 7.2, cy - 4.5), (cx + 7.6, cy - 1.5),
                   (cx + 6, cy - 2.8), (cx + 5.2, cy - 0.8), (cx + 3.8, cy - 3), (cx + 2.2, cy - 0.6),
                   (cx + 1.2, cy - 3.2), (cx - 2, cy - 2)])
    parts.append(shape(doc, bang, HAIR, HAIR_SH, off=(0, 1.2), sw=1.4))
    # white frilled headdress on top
    hd = smooth_d([(cx - 5.5, cy - 6.2), (cx - 2.5, cy - 9.6), (cx + 2.5, cy - 10), (cx + 5.5, cy - 7.5),
                   (cx + 4.2, cy - 6.4), (cx + 1, cy - 7.8), (cx - 3, cy - 6.4)], True, 0.4)
    parts.append(shape(doc, hd, WHITE, WHITE_SH, off=(0.8, 1), sw=1.4))
    parts.append(line([(cx - 2.8, cy - 8.6), (cx - 1.5, cy - 9.5), (cx, cy - 8.8), (cx + 1.5, cy - 9.6),
                       (cx + 3, cy - 8.7)], WHITE_SH, 0.8))
    # red ribbon bow at the side of the headdress
    rx, ry = cx - 5.2, cy - 6.8
    # its two tails flutter behind with the hair, a beat after her
    for spread in (0.0, 1.6):
        end = (rx - 3.2 - spread + rb[0], ry + 3.6 + spread * 0.6 + rb[1])
        tail = [(rx, ry), lerp((rx, ry), end, 0.5), end]
        parts.append(line(tail, OUT, 2.6))
        parts.append(line(tail, RED if spread else RED_SH, 1.2))
    parts.append(shape(doc, poly_d([(rx, ry), (rx - 2.5, ry - 3), (rx - 3.4, ry + 0.2)]), RED, None, sw=1))
    parts.append(shape(doc, poly_d([(rx, ry), (rx + 1, ry - 3.4), (rx + 2.4, ry - 0.4)]), RED, None, sw=1))
    parts.append(shape(doc, circle_d(rx, ry, 1.1), RED_SH, None, sw=0.8))
    # eye, brow and mouth
    ex, ey = cx + 3.2, cy + 1.5
    if face == "hurt":
        # knocked out: crossed eyes and a cry, readable even while she spins
        for x0 in (ex - 0.4, ex + 3.4):
            parts.append(line([(x0 - 1.3, ey - 1.5), (x0 + 1.3, ey + 1.5)], OUT, 1.2))
            parts.append(line([(x0 - 1.3, ey + 1.5), (x0 + 1.3, ey - 1.5)], OUT, 1.2))
        parts.append(flat(ellipse_d(cx + 5.0, cy + 4.9, 1.3, 1.5), "#7a2030", 0.8))
    elif face == "blink":
        # eyes shut for a moment in the idle: two lashes curved down
        parts.append(line([(ex - 1.4, ey + 0.2), (ex, ey + 0.9), (ex + 1.3, ey + 0.3)], OUT, 1.0))
        parts.append(line([(ex + 2.7, ey + 0.2), (ex + 3.5, ey + 0.8), (ex + 4.2, ey + 0.3)], OUT, 0.9))
        parts.append(line([(ex - 1.6, ey - 2.6), (ex + 1.6, ey - 2.2)], OUT, 0.9))
        parts.append(line([(ex + 2.6, ey - 2.2), (ex + 4.3, ey - 2.5)], OUT, 0.8))
        parts.append(line([(cx + 4.8, cy + 5.2), (cx + 6.0, cy + 5.0)], "#7a2030", 0.8))
    else:
        parts.append(flat(ellipse_d(ex, ey, 1.2, 1.9), OUT))
        parts.append(flat(ellipse_d(ex + 0.1, ey + 0.5, 0.85, 1.1), EYE))
        parts.append(flat(circle_d(ex - 0.3, ey - 0.7, 0.45), "#ffffff"))
        # the far eye, narrower in the three-quarter view
        parts.append(flat(ellipse_d(ex + 3.4, ey, 0.8, 1.7), OUT))
        parts.append(flat(ellipse_d(ex + 3.5, ey + 0.5, 0.5, 0.9), EYE))
        parts.append(line([(ex - 1.6, ey - 3.0), (ex + 1.6, ey - 2.4)], OUT, 0.9))  # level, set brow
        parts.append(line([(ex + 2.6, ey - 2.4), (ex + 4.3, ey - 2.7)], OUT, 0.8))
        parts.append(line([(cx + 4.8, cy + 5.2), (cx + 6.0, cy + 5.0)], "#7a2030", 0.8))
    return '<g transform="rotate(%s,%s,%s) translate(%s,%s) scale(%s) translate(%s,%s)">%s</g>' % (
        f(tilt), f(cx), f(cy + 6), f(cx), f(cy + 6), f(HEAD_SCALE), f(-cx), f(-cy - 6), "".join(parts))


def frame(doc, p):
    hip = p["hip"]
    lean = p.get("lean", 0.0)
    waist = (hip[0] + 0.2, hip[1] - 7)
    breath = p.get("breath", 0.0)  # idle breathing lifts the shoulders, not the hips
    shoulder = (waist[0] + math.sin(lean) * 10, waist[1] - math.cos(lean) * 10 - breath)
    neck = (shoulder[0] + 1, shoulder[1] - 1)
    hc = (neck[0] + 1.2 + math.sin(lean) * 6, neck[1] - 6.4)  # set low: the larger head keeps clear of the cell top
    grip, gang = p["grip"], p.get("gang", 0.0)
    mag = p.get("mag", True)
    near_hand = p.get("near_hand", gun_world(grip, gang, (-1.2, 1.2)))
    far_hand = p.get("far_hand", gun_world(grip, gang, FOREGRIP))
    s = []
    s.append(head(doc, hc, p.get("tilt", 0.0), p.get("face", "normal"), p.get("hair", (0, 0))) if p.get("head_first")
             else "")
    # far arm behind everything
    twist = p.get("twist", 0.0)  # the chest turned against the hips: the shoulders move apart
    s.append(arm(doc, (shoulder[0] - 1.5 - twist, shoulder[1] + 1), far_hand, far=True, bend=p.get("far_bend", 1)))
    if p.get("held_mag"):
        hm = p["held_mag"]
        s.append(magazine(doc, (far_hand[0] - 0.5, far_hand[1] - 1 + hm[0]), hm[1]))
        s.append(shape(doc, circle_d(far_hand[0], far_hand[1], 2.1), SKIN_SH, None, sw=1.2))
    fb, ff = p["feet"]
    s.append(leg(doc, (hip[0] - 1.5, hip[1]), fb, far=True, foot_ang=p.get("fang", (0, 0))[0],
                 bend=p.get("kbend", (-1, -1))[0]))
    near_leg = leg(doc, (hip[0] + 1.5, hip[1]), ff, foot_ang=p.get("fang", (0, 0))[1],
                   bend=p.get("kbend", (-1, -1))[1])
    # a knee pulled up high comes out in front of the skirt
    s.append("" if p.get("knee_front") else near_leg)
    s.append(skirt(doc, waist, p.get("hem", hip[1] + 9), p.get("flare", 0.0), p.get("sway", 0.0),
                   p.get("kick", 0.0), p.get("billow", 0.0)))
    s.append(near_leg if p.get("knee_front") else "")
    s.append(torso(doc, waist, shoulder, twist, p.get("strings", (0.0, 0.0))))
    s.append(collar(doc, neck))
    if not p.get("head_first"):
        s.append(head(doc, hc, p.get("tilt", 0.0), p.get("face", "normal"), p.get("hair", (0, 0))))
    if p.get("gun", True):
        s.append(gun(doc, grip, gang, mag=mag, recoil=p.get("recoil", 0.0)))
    s.append(arm(doc, (shoulder[0] + 0.5 + twist, shoulder[1] + 1), near_hand, far=False,
                 bend=p.get("near_bend", 1)))
    if p.get("drop_mag"):
        dm = p["drop_mag"]
        s.append(magazine(doc, (dm[0], dm[1]), dm[2]))
    if p.get("flash"):
        s.append(muzzle_flash(doc, gun_world(grip, gang, MUZZLE), p["flash"]))
    if p.get("click"):
        c = gun_world(grip, gang, (4.5, 3))
        for a in (-2.4, -1.6, -0.8):
            s.append(line([(c[0] + math.cos(a) * 3, c[1] + math.sin(a) * 3 - 2),
                           (c[0] + math.cos(a) * 5.5, c[1] + math.sin(a) * 5.5 - 2)], "#fff7c2", 1.0))
    return "".join(s)


# ---- poses ---------------------------------------------------------------

STAND_MUZZLE = (57.0, 25.0)
CROUCH_MUZZLE = (57.0, 32.0)


def stand(i, shoot=False):
    # Idle: she breathes, the shoulders, head and gun rising and settling
    # through two pixels: a one-pixel breath read as a frozen frame. She
    # settles below her firing pose as she breathes out, since rising any
    # higher would cut her headdress at the cell's top.
    breath = 0.0 if shoot else [-0.8, 1.2, 0.2][i]
    g = grip_for_muzzle((STAND_MUZZLE[0] - (0.8 if shoot and i != 1 else 0), STAND_MUZZLE[1] - breath * 0.8))
    # the hair sways back and forth a beat behind the breath; she blinks as she breathes out
    return dict(hip=(31, 41), feet=((28.5, 63.2), (36, 63.2)), grip=g, hem=51, breath=breath,
                hair=([0.0, -1.8, 1.4][i], -breath * 0.8), flash=(1 + (i % 2)) if shoot else 0,
                face="blink" if i == 2 and not shoot else "normal")


# A walk of four frames in the manner of limited animation, each pose held
# for six updates, so each is pushed: contact with the legs wide apart and
# the body down, passing with the swinging knee lifted high and the body up,
# 2.8 px higher. The chest turns against the hips (the shoulder over the
# leg that is back comes forward), the free arm swings against the legs, and
# the hair, the headdress ribbon, the apron strings and the skirt's hem
# follow each move a frame late, so they swing rather than ride.
# The head bobs three pixels: each pose is held for six updates, so a
# deeper bob made it pop up and down rather than ride the step, and two
# pixels read as a shuffle.
WALK = [  # far foot, near foot, hip dy, foot angles, far hand, gun sway, lean, head tilt, twist
    ((18.5, 63.2), (45.0, 63.2), 2.0, (0.45, -0.3), (45.0, 39.5), -0.18, 0.14, 2.5, -1.2),
    ((40.0, 56.0), (30.0, 63.2), -0.8, (0.7, 0.0), (27.0, 44.0), 0.04, 0.03, -2.5, 0.0),
    ((45.0, 63.2), (18.5, 63.2), 2.0, (-0.3, 0.45), (16.0, 36.5), 0.18, 0.14, 2.5, 1.2),
    ((30.0, 63.2), (41.0, 55.5), -0.8, (0.0, 0.7), (36.0, 44.5), 0.04, 0.03, -2.5, 0.0),
]
# Skirt sway of each frame: it swings the way the legs went on the frame
# before; on the passing frames the raised knee kicks the front of the hem up.
WALK_SWAY = [2.0, -2.6, -2.0, 2.6]
WALK_KICK = [0.0, 4.5, 0.0, 5.0]


def walk(i, shoot=False):
    # The whole upper body rides the step: down and leaning in on the
    # contact frames, up and upright on the passing ones, the head nodding
    # with it. Shooting, she holds the gun out level in the near hand while
    # the rest of her keeps walking; the gun arm rides the bob by a pixel.
    fb, ff, dy, fa, hand, gsway, lean, nod, twist = WALK[i % 4]
    before = WALK[(i + 3) % 4][2]  # the bob of the frame before: skirt and hair lag it
    moved = dy - before  # down (+) onto contact, up (-) into passing
    passing = i % 2
    # The hem trails the bob by a third: with a full frame's lag the skirt
    # hung twice as long on the passing frames as on the contact ones.
    p = dict(hip=(31.5, 41.5 + dy), feet=(fb, ff), hem=50.5 + before * 0.3 + dy * 0.7, sway=WALK_SWAY[i % 4],
             kick=WALK_KICK[i % 4], fang=fa, lean=lean, tilt=nod, twist=twist,
             # the hair lifts as she drops and drags down as she rises, and
             # streams back further on the rise; by a few pixels only, so she
             # keeps one silhouette (a lag twice this made contact and
             # passing read as two drawings, short-haired and long-haired)
             hair=(-2.0 - 1.5 * passing + WALK_SWAY[i % 4] * 0.4, -moved * 0.7),
             strings=(-1.5 - 1.0 * passing + WALK_SWAY[(i + 3) % 4] * 0.5, -moved * 0.5),
             near_bend=1, far_bend=1)
    if shoot:
        # a level aim; the muzzle rides the bob by a pixel and kicks back on its flash frames
        g = grip_for_muzzle((STAND_MUZZLE[0] - (0.9 if i % 2 == 0 else 0), STAND_MUZZLE[1] + dy * 0.28))
        p.update(grip=g, flash=1 + (i % 2), lean=lean * 0.7, far_hand=hand)
    else:
        g = grip_for_muzzle((55.0 + gsway * 12, 28.0 + dy * 1.4), gsway)
        p.update(grip=g, gang=gsway, far_hand=hand, flash=0)
    return p


def crouch(i, shoot=False):
    # crouched, she still breathes: three heights, so the loop never holds
    bob = [0, 0.8, 0.4][i]
    g = grip_for_muzzle((CROUCH_MUZZLE[0] - (0.8 if shoot and i != 1 else 0), CROUCH_MUZZLE[1] + bob * 0.4))
    return dict(hip=(29.5, 54 + bob), feet=((19.5, 63.2), (38.5, 63.2)), kbend=(1, -1),
                fang=(0.0, 0.0), grip=g, hem=61.8, flare=0.5, hair=(0.5 * i, -1),
                lean=0.14, flash=(1 + (i % 2)) if shoot else 0)


AIR = [
    # rise 0: the launch, the near knee coming up in front of the skirt, the
    # far leg still trailing from the push-off, the free arm thrown up, skirt
    # and hair dragged down below her
    dict(feet=((23.5, 61.5), (40.5, 53.5)), kbend=(-1, -1), hair=(2.5, 6.5), flare=-0.4, hem=52, lean=0.1,
         far_hand=(48.5, 14.5), fang=(0.9, 0.5), gang=-0.16, knee_front=True, strings=(2.0, 4.0), sway=-1.0),
    # rise 1: the full tuck, both knees pulled high, the hair and skirt
    # streaming down further as she climbs
    dict(feet=((28.0, 53.0), (42.0, 49.0)), kbend=(-1, -1), hair=(3.5, 10.5), flare=-0.55, hem=53, lean=0.16,
         far_hand=(45.0, 6.5), fang=(0.8, 0.7), gang=-0.24, knee_front=True, strings=(3.0, 6.0), sway=-1.8),
    # fall 2: the top of the arc, the knees opening, everything floating
    # level, the hem starting to lift
    dict(feet=((25.5, 60.0), (38.5, 58.0)), hair=(-0.5, -3.0), flare=0.6, billow=0.5, hem=48.5, lean=0.0,
         far_hand=(18.0, 20.0), fang=(0.5, 0.3), gang=-0.04, strings=(-1.0, -2.0)),
    # fall 3..4: stretched, legs reaching down for the ground, the skirt
    # billowing up into a bell and turning its lace out (flared wider it
    # stood out as a flat disc, and with the raised arm and parted legs
    # she read as a star), the hair lifting higher, the
    # free arm raised out behind for balance
    # (the near knee stays a little bent and its foot a step higher, so the
    # legs never hang as two straight sticks)
    dict(feet=((24.0, 63.6), (39.5, 61.0)), hair=(-2.0, -9.0), flare=0.75, billow=1.4, hem=48, lean=-0.08,
         far_hand=(14.5, 19.5), fang=(0.6, 0.25), gang=0.04, strings=(-2.0, -5.0)),
    dict(feet=((23.0, 63.6), (40.5, 61.5)), hair=(-2.8, -12.0), flare=1.0, billow=2.0, hem=47.5, lean=-0.1,
         far_hand=(13.5, 15.5), fang=(0.7, 0.2), gang=0.06, strings=(-2.5, -7.0)),
]

# Firing in the air, rising or falling: braced with both hands on a level
# gun, the near knee drawn up and the far leg kicked back, the skirt flared
# wide and the hair streaming back; the flutter and the recoil change.
AIR_SHOOT = [
    dict(feet=((22.0, 61.0), (40.0, 54.5)), hair=(-4.0, -3.0), flare=0.6, billow=0.9, sway=1.0, hem=48.5,
         lean=-0.06, strings=(-3.0, -2.0)),
    dict(feet=((22.0, 61.6), (40.0, 55.2)), hair=(-5.0, -5.0), flare=0.7, billow=1.3, sway=-1.0, hem=48.2,
         lean=-0.06, strings=(-4.0, -4.0)),
    dict(feet=((22.5, 60.6), (40.0, 54.2)), hair=(-3.2, -1.5), flare=0.5, billow=0.5, sway=0.0, hem=48.8,
         lean=-0.06, strings=(-2.0, -0.5)),
]


def air(i, shoot=False):
    p = dict(hip=(31, 41), lean=0.0)
    if shoot:
        p.update(AIR_SHOOT[i])
        p["grip"] = grip_for_muzzle((STAND_MUZZLE[0] - (0.9 if i % 2 == 0 else 0), STAND_MUZZLE[1]))
        p["fang"] = (0.5, 0.2)
        p["flash"] = 1 + (i % 2)
    else:
        p.update(AIR[i])
        p["grip"] = grip_for_muzzle((55.0, 27.5 - p["gang"] * 10), p["gang"])
    return p


def miss():
    # Thrown back by the hit: arms flung up, legs kicked out, the gun flying
    # from her hands. The game spins this one frame as she falls and fades.
    return dict(hip=(31, 40), feet=((19, 57), (45, 50)), grip=(52, 9), gang=-2.3, flare=1.0, hem=48,
                hair=(3, -6), face="hurt", tilt=-18, near_hand=(45, 12), far_hand=(15, 15), lean=-0.2,
                fang=(0.7, -0.6), burst=True)


def hit_burst():
    """The flash of the hit behind her miss frame: a wide white-hot star
    with a red heart, so a miss reads at a glance on any backdrop."""
    s = flat(star_d(32, 33, 31, 13, 8, 0.2), "#ffe070", 1.2, "#c0501a", opacity=0.95)
    s += flat(star_d(32, 33, 22, 10, 8, 0.6), "#fff8e0")
    s += flat(circle_d(32, 33, 8), "#ff5a5a", opacity=0.8)
    return s


def reload_upper(base, i, crouched=False):
    """Arms, gun and magazine of the reload; base holds the legs."""
    p = dict(base)
    p.pop("flash", None)
    p.pop("far_hand", None)  # both hands work on the gun
    p.pop("gang", None)
    my = 7.0 if crouched else 0.0
    dy = (base["hip"][1] - (41 if not crouched else 50.5)) if not crouched else 0.0
    gy = 29 + my + dy
    tilt_grip = (41.5, gy)
    ang = -0.8  # the gun tipped up steeply: a reload reads apart from aiming
    pocket = (37.5, 36 + my + dy)
    well = gun_world(tilt_grip, ang, MAGWELL)
    seq = [
        dict(grip=(43, gy - 1), gang=-0.3),
        dict(grip=tilt_grip, gang=ang, far_hand=(well[0] + 1, well[1] + 5)),
        dict(grip=tilt_grip, gang=ang, mag=False, far_hand=(well[0] + 2, well[1] + 9), held_mag=(-5.5, ang)),
        dict(grip=tilt_grip, gang=ang, mag=False, far_hand=(pocket[0] + 3, pocket[1] - 1),
             drop_mag=(well[0] + 1, well[1] + 13, 0.9)),
        dict(grip=tilt_grip, gang=ang, mag=False, far_hand=pocket, drop_mag=(well[0] - 1, well[1] + 22, 1.9)),
        dict(grip=tilt_grip, gang=ang, mag=False, far_hand=(well[0] + 2.5, well[1] + 10), held_mag=(-6.5, ang)),
        dict(grip=tilt_grip, gang=ang, mag=False, far_hand=(well[0] + 1.5, well[1] + 7.5), held_mag=(-6.5, ang)),
        dict(grip=tilt_grip, gang=ang, far_hand=(well[0] + 1, well[1] + 5), click=True),
        dict(grip=(43.5, gy - 1.5), gang=-0.2),
    ]
    p.update(seq[i])
    if 0 < i < 8:
        p["tilt"] = 7  # she looks down at the magazine well
    if i == 4:  # the old magazine has fallen out of sight below the skirt
        p.pop("drop_mag", None)
    return p


def build():
    doc = Doc(576, 576, "Heroine sheet: 64 x 64 frames, feet at the bottom edge, facing right")
    doc.defs.append('<clipPath id="cellclip"><rect x="0" y="0" width="64" height="64"/></clipPath>')
    # A pale rim one and a half pixels wide around the whole silhouette: the
    # night forest is as dark and as blue as her dress, and a thinner or
    # fainter rim let her sink into the trees.
    doc.defs.append('<filter id="rim" x="-0.1" y="-0.1" width="1.2" height="1.2" color-interpolation-filters="sRGB">'
                    '<feMorphology in="SourceAlpha" operator="dilate" radius="1.5" result="grown"/>'
                    '<feFlood flood-color="%s" flood-opacity="1"/>'
                    '<feComposite in2="grown" operator="in" result="rim"/>'
                    '<feMerge><feMergeNode in="rim"/><feMergeNode in="SourceGraphic"/></feMerge></filter>' % RIM)
    cells = {}
    for i in range(3):
        cells[(0, i)] = stand(i)
        cells[(0, 4 + i)] = stand(i, shoot=True)
        cells[(2, i)] = crouch(i)
        cells[(2, 4 + i)] = crouch(i, shoot=True)
    for i in range(4):
        cells[(1, i)] = walk(i)
        cells[(1, 4 + i)] = walk(i, shoot=True)
    cells[(1, 8)] = miss()
    for i in range(5):
        cells[(3, i)] = air(i)
    for i in range(3):
        cells[(3, 6 + i)] = air(i, shoot=True)
    for i in range(9):
        cells[(4, i)] = reload_upper(stand(0), i)
        cells[(5, i)] = reload_upper(walk(i % 4), i)
        cells[(6, i)] = reload_upper(crouch(0), i, crouched=True)
        # skirt and hair keep fluttering while she reloads in the air
        cells[(8, i)] = reload_upper(air(3 + i % 2), i)
    for (r, c), p in sorted(cells.items()):
        doc.add('<g id="r%dc%d" transform="translate(%d,%d)"><g clip-path="url(#cellclip)">'
                '%s<g filter="url(#rim)">%s</g></g></g>'
                % (r, c, c * 64, r * 64, hit_burst() if p.get("burst") else "", frame(doc, p)))
    return doc


if __name__ == "__main__":
    print(build().save("mary.svg"))
