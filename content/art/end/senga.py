"""Writes end/senga.svg: the ending's epilogue, drawn in glowing line.

The game adds this picture onto the drifting clock-tower backdrop while the
credits roll up the right half, so black adds nothing and every colour only
brightens: each figure is its own sprite or portrait, redrawn as luminous
lines (one outer weight, one inner) over soft fills of its own colours. The
shapes come from the scripts and SVGs that draw the game's sprites and
portraits, so the people and monsters keep the proportions the player knows.

The picture scrolls down, so it is seen from the bottom up. Relative to the
screen the credits and this picture pass each other one pixel a frame, and
the backdrop's clock face drifts left across the screen meanwhile: ink may
only go where neither ever is. That leaves a widening wedge on the left: ink
may reach x = 55 + (row - 700) / 4, up to 345 from row 1900 down, and none
above row 700, where the closing words and the clock's path meet. The
vignettes are laid out down that wedge, one or two on screen at a time
(`EndingPictures` in tests/content/story checks every frame of the roll):

  rows 1985-2290  Vrel, with Lord Quillaby's ghost at her shoulder
  rows 1560-1900  the monsters she cleared out of the manor
  rows 1200-1480  Doctor Tallow with his brain in a jar, and Cerebella
  rows  880-1160  Lady Hesper, a porcelain doll on a high shelf, and Gilwyn
  rows  740-850   a rat of Quillaby Manor, who was never the problem

Run from anywhere; it rewrites content/art/end/senga.svg.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ART, "world", "src"))

import svgkit  # noqa: E402
import mary  # noqa: E402
import enemies  # noqa: E402
import bosses  # noqa: E402
from svgkit import Doc, f, smooth_d, ellipse_d, circle_d  # noqa: E402

SVG_NS = "http://www.w3.org/2000/svg"
ET.register_namespace("", SVG_NS)

W, H = 640, 2400
LINE_PX = 3.0  # outer contours, on screen
DETAIL_PX = 1.75  # inner lines: folds, faces, trims

# One line tint per character: the colour their lines are set in during the
# conversations. The monsters take their maker's.
VREL = "#ffe2e8"
GHOST = "#bdf2ff"
TALLOW = "#cdf590"
HESPER = "#d4b0ff"
GIL = "#ffdc9c"
MONSTER = TALLOW


def rgb(c):
    c = c.lstrip("#")
    if len(c) == 3:
        c = "".join(ch * 2 for ch in c)
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def hexc(t):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(v)))) for v in t)


def lum(c):
    r, g, b = rgb(c)
    return (0.2126 * r + 0.7152 * g + 0.0722 * b) / 255.0


class Ink:
    """How one figure's colours and widths turn into light: dark outline ink
    becomes the tint, fills a dim glow of their own hue lifted towards it.

    scale: the figure's size on the picture per unit of its source, so the
    lines come out at LINE_PX and DETAIL_PX on screen; thick: the source's
    contour width (thinner dark strokes are inner details); ink_fill,
    ink_stroke: the luminance under which a fill or a stroke counts as ink;
    glow: how much of its own colour a fill keeps."""

    def __init__(self, tint, scale, thick, ink_fill=0.13, ink_stroke=0.3, glow=0.17):
        self.tint, self.scale, self.thick = tint, scale, thick
        self.ink_fill, self.ink_stroke, self.glow = ink_fill, ink_stroke, glow

    def soft(self, c):
        a, t = rgb(c), rgb(self.tint)
        return hexc([self.glow * x + 0.07 * y for x, y in zip(a, t)])

    def dim(self):
        return hexc([0.6 * y for y in rgb(self.tint)])

    def line_w(self, w):
        return (LINE_PX if w >= self.thick else DETAIL_PX) / self.scale


HEX = re.compile(r"^#[0-9a-fA-F]{3}([0-9a-fA-F]{3})?$")


def cutters(root):
    """Elements inside masks and clip paths: they only cut, so their colours
    stay as drawn."""
    inside = set()
    for el in root.iter():
        if el.tag.split("}")[-1] in ("mask", "clipPath"):
            inside.update(id(k) for k in el.iter())
    return inside


def restyle(root, ink):
    """Turns a figure drawn in full colour into glowing line, in place. The
    original stroke colours and widths are kept in `_was` attributes for
    `outline_pairs`."""
    keep = cutters(root)
    for el in root.iter():
        if id(el) in keep:
            continue
        el.attrib.pop("filter", None)
        if el.get("stroke-width"):
            el.set("_was_w", el.get("stroke-width"))
            el.set("_was_stroke", el.get("stroke", ""))
        fill = el.get("fill")
        if fill and HEX.match(fill):
            el.set("fill", ink.tint if lum(fill) < ink.ink_fill else ink.soft(fill))
        # white and black stops belong to fading masks, not to colours
        sc = el.get("stop-color")
        if sc and HEX.match(sc) and sc.lower() not in ("#ffffff", "#fff", "#000000", "#000"):
            el.set("stop-color", ink.soft(sc))
        stroke = el.get("stroke")
        w = el.get("stroke-width")
        if stroke and HEX.match(stroke):
            if lum(stroke) < ink.ink_stroke:
                el.set("stroke", ink.tint)
                el.set("stroke-width", f(ink.line_w(float(w) if w else ink.thick)))
            elif w and float(w) > ink.thick * 1.2:
                el.set("stroke", ink.soft(stroke))  # a limb or a thick band: body, not line
            else:
                el.set("stroke", ink.dim())
                el.set("stroke-width", f(DETAIL_PX / ink.scale))
        elif w and stroke != "none":
            el.set("stroke-width", f(ink.line_w(float(w))))


def outline_pairs(root, ink):
    """The sprites draw a limb or a strap as a wide dark line under a
    narrower coloured one along the same points: keep the dark one just a
    line's width wider on each side, so it reads as the limb's outline, and
    the coloured one a soft fill even when its colour was dark enough to
    count as ink."""
    for parent in root.iter():
        kids = list(parent)
        for under, over in zip(kids, kids[1:]):
            if (under.get("points") and under.get("points") == over.get("points")
                    and under.get("_was_w") and over.get("_was_w")):
                wo = float(over.get("_was_w"))
                under.set("stroke-width", f(wo + 2 * LINE_PX / ink.scale))
                over.set("stroke-width", f(wo))
                if HEX.match(over.get("_was_stroke")):
                    over.set("stroke", ink.soft(over.get("_was_stroke")))


def forget(root):
    for el in root.iter():
        el.attrib.pop("_was_w", None)
        el.attrib.pop("_was_stroke", None)


def parse(fragment):
    return ET.fromstring('<g xmlns="%s">%s</g>' % (SVG_NS, fragment))


def text_of(el):
    """An element as SVG text for the body of senga.svg, whose root already
    declares the namespace."""
    return ET.tostring(el, encoding="unicode").replace(' xmlns="%s"' % SVG_NS, "")


def glow(fragment, ink):
    """A sprite fragment (SVG text in sprite units) as glowing line."""
    root = parse(fragment)
    restyle(root, ink)
    outline_pairs(root, ink)
    forget(root)
    return "".join(text_of(k) for k in root)


def placed(content, x, y, scale):
    return '<g transform="translate(%s,%s) scale(%s)">%s</g>' % (f(x), f(y), f(scale), content)


class Sources:
    """Collects the defs (shading clips, gradients, masks) the figures need,
    with ids kept apart per figure."""

    def __init__(self, doc):
        self.doc = doc

    def sprite(self, draw, ink):
        start = len(self.doc.defs)
        body = draw(self.doc)
        defs = self.doc.defs[start:]
        del self.doc.defs[start:]
        for d in defs:
            self.doc.defs.append(glow(d, ink) if "Gradient" in d else d)
        return glow(body, ink)

    def portrait(self, name, groups, ink):
        """Groups of a conversation portrait in the order the portrait draws
        them (the whole figure if groups is empty), ids prefixed so two
        portraits never share one."""
        text = open(os.path.join(ART, "adv", name + ".svg")).read()
        prefix = self.doc.uid("p" + name) + "-"
        text = re.sub(r'id="([^"]+)"', lambda m: 'id="%s%s"' % (prefix, m.group(1)), text)
        text = re.sub(r'url\(#([^)]+)\)', lambda m: "url(#%s%s)" % (prefix, m.group(1)), text)
        root = ET.fromstring(text)
        restyle(root, ink)
        forget(root)
        out = []
        for el in root:
            tag = el.tag.split("}")[-1]
            name_of = (el.get("id") or "")[len(prefix):]
            if tag == "defs":
                self.doc.defs.extend(text_of(k) for k in el)
            elif tag not in ("style", "title", "desc") and (not groups or (tag == "g" and name_of in groups)):
                out.append(text_of(el))
        return "".join(out)


def bust(src, name, groups, ink, x, y):
    """A conversation portrait at the scale of its ink, fading out towards
    the bottom so the half-figure ends softly instead of on a cut edge."""
    doc = src.doc
    gid, mid = doc.uid("fade"), doc.uid("bust")
    doc.defs.append('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1">'
                    '<stop offset="0.62" stop-color="#ffffff"/><stop offset="0.92" stop-color="#000000"/>'
                    '</linearGradient>' % gid)
    doc.defs.append('<mask id="%s" maskUnits="userSpaceOnUse" x="0" y="0" width="260" height="440">'
                    '<rect width="260" height="440" fill="url(#%s)"/></mask>' % (mid, gid))
    body = '<g mask="url(#%s)">%s</g>' % (mid, src.portrait(name, groups, ink))
    return placed(body, x, y, ink.scale)


def ground(src, cx, y, rx, tint):
    """A faint pool of light for a group to stand on."""
    g = svgkit.radial(src.doc, [(0, tint, 0.22), (0.6, tint, 0.08), (1, tint, 0)])
    return '<path d="%s" fill="%s"/>' % (ellipse_d(cx, y, rx, rx * 0.12), g)


def rat(ink_line, soft, scale):
    """A plump little rat sitting up, facing right, in the sprites' manner:
    round body, big ear, bead eye, a long curling tail."""
    s = '<g fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round">' % (
        soft, ink_line, f(LINE_PX / scale))
    s += '<path d="%s" fill="none"/>' % smooth_d([(18, 58), (4, 54), (2, 42), (10, 34), (22, 38)], False, 0.5)
    s += '<path d="%s"/>' % smooth_d([(22, 60), (18, 44), (26, 30), (40, 24), (54, 30), (58, 46), (52, 60)], True, 0.4)
    s += '<path d="%s"/>' % smooth_d([(46, 30), (50, 18), (62, 14), (76, 22), (74, 30), (60, 36)], True, 0.4)
    s += '<path d="%s"/>' % ellipse_d(50, 16, 7, 8)
    s += "</g>"
    s += '<g fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round">' % (ink_line, f(DETAIL_PX / scale))
    s += '<path d="M50,12 C48,16 48,19 51,21"/>'
    s += '<path d="M72,24 L84,20 M72,26 L85,27 M71,28 L82,32"/>'
    s += '<path d="M40,60 L36,62 M50,60 L54,62"/>'
    s += '<path d="M46,44 C50,40 54,42 54,48"/>'
    s += "</g>"
    s += '<path d="%s" fill="%s"/>' % (circle_d(66, 21, 2.2), ink_line)
    s += '<path d="%s" fill="%s"/>' % (circle_d(76.5, 22.5, 2), "#ffb0c0")
    return s


def shelf(x0, x1, y, ink_line):
    """A wall shelf on two brackets."""
    s = '<g fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round">' % (
        ink_line, f(LINE_PX))
    s += '<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z"/>' % (f(x0), f(y), f(x1), f(y), f(x1), f(y + 7), f(x0), f(y + 7))
    s += "</g>"
    s += '<g fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round">' % (ink_line, f(DETAIL_PX))
    # each bracket: an upright under the board and a strut out to its end
    for bx, out in ((x0 + 14, -12), (x1 - 14, 12)):
        s += '<path d="M%s,%s L%s,%s L%s,%s"/>' % (f(bx), f(y + 7), f(bx), f(y + 30), f(bx + out), f(y + 7))
    s += "</g>"
    return s


def build():
    doc = Doc(W, H, "Ending epilogue: the story's people and monsters in glowing line, left of the credits")
    src = Sources(doc)
    parts = ['<rect width="%d" height="%d" fill="#000000"/>' % (W, H)]

    # 1. Vrel, Skarov raised, and the ghost of her late employer at her shoulder.
    ghost = Ink(GHOST, 0.44, 2.0, ink_stroke=0.32)
    parts.append(bust(src, "ghost", [], ghost, 0, 1985))
    parts.append(ground(src, 190, 2287, 150, VREL))
    vrel = Ink(VREL, 4.0, 1.4)
    parts.append(placed(src.sprite(lambda d: mary.frame(d, mary.stand(0)), vrel), 70, 2034, 4.0))

    # 2. The monsters she cleared out: the reaper, a hopper in flight, a
    #    spiked shell and a hard hat at its feet.
    parts.append(ground(src, 160, 1893, 160, MONSTER))
    mon = Ink(MONSTER, 2.5, 1.4)
    parts.append(placed(src.sprite(lambda d: enemies.death(d, 0), mon), 0, 1650, 2.5))
    mon2 = Ink(MONSTER, 1.7, 1.4)
    parts.append(placed(src.sprite(lambda d: enemies.patapata(d, 1), mon2), 110, 1565, 1.7))
    mon3 = Ink(MONSTER, 2.0, 1.4)
    parts.append(placed(src.sprite(lambda d: enemies.togezo(d, 0), mon3), 150, 1772, 2.0))
    mon4 = Ink(MONSTER, 2.4, 1.4)
    parts.append(placed(src.sprite(lambda d: enemies.met(d, 0), mon4), 250, 1822, 2.4))

    # 3. Doctor Tallow, maker of monsters, and Cerebella, his giant brain.
    tallow = Ink(TALLOW, 0.5, 2.0)
    parts.append(bust(src, "tallow", [], tallow, 0, 1235))
    parts.append(ground(src, 170, 1464, 56, MONSTER))
    brain = Ink(MONSTER, 1.0, 2.0)
    parts.append(placed(src.sprite(lambda d: bosses.fesbio_brain(d, 0), brain), 118, 1385, 1.0))

    # 4. Lady Hesper, turned to porcelain, kept on a high shelf; her son
    #    Gilwyn below, who will look after her.
    # Her porcelain glows paler than the rest; the knife her sprite throws
    # is left out.
    hesper = Ink(HESPER, 0.75, 1.4, glow=0.3)
    doc.defs.append('<clipPath id="dollonly"><rect x="0" y="0" width="96" height="160"/></clipPath>')
    parts.append(placed('<g clip-path="url(#dollonly)">%s</g>' % src.sprite(lambda d: bosses.marfes(d, 0), hesper),
                        2, 868, 0.75))
    parts.append(shelf(4, 96, 980, HESPER))
    gil = Ink(GIL, 0.36, 2.0)
    parts.append(bust(src, "gil", ["back", "e0", "front"], gil, 8, 1014))

    # 5. A rat of Quillaby Manor.
    parts.append(ground(src, 36, 826, 34, VREL))
    parts.append(placed(rat(VREL, Ink(VREL, 1, 1).soft("#8a7a8a"), 0.8), 2, 775, 0.8))

    doc.add("\n".join(parts))
    path = os.path.join(ART, "end", "senga.svg")
    with open(path, "w") as fh:
        fh.write(doc.text())
    return path


if __name__ == "__main__":
    print(build())
