"""Small helpers that write the SVG sources of the world art.

The SVG files next to this folder are the editable sources; these scripts
only exist so the many frames of a sheet stay consistent. Re-running a
script rewrites its SVG files.
"""
import math
import os

OUT = "#1b1424"  # the dark outline shared by every picture
HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.dirname(HERE)  # content/art/world


def f(v):
    """Formats a coordinate compactly so the files stay small and stable."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join("%s,%s" % (f(x), f(y)) for x, y in points)


def poly_d(points, closed=True):
    d = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in points)
    return d + ("Z" if closed else "")


def smooth_d(points, closed=True, t=0.5):
    """Catmull-Rom spline through the points, as cubic Bezier segments."""
    n = len(points)
    if n < 3:
        return poly_d(points, closed)
    d = "M%s,%s" % (f(points[0][0]), f(points[0][1]))
    rng = range(n) if closed else range(n - 1)
    for i in rng:
        p0 = points[(i - 1) % n] if (closed or i > 0) else points[i]
        p1 = points[i]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n] if (closed or i + 2 < n) else p2
        c1 = (p1[0] + (p2[0] - p0[0]) * t / 3, p1[1] + (p2[1] - p0[1]) * t / 3)
        c2 = (p2[0] - (p3[0] - p1[0]) * t / 3, p2[1] - (p3[1] - p1[1]) * t / 3)
        d += " C%s,%s %s,%s %s,%s" % (f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(p2[0]), f(p2[1]))
    return d + ("Z" if closed else "")


def circle_d(cx, cy, r):
    return ellipse_d(cx, cy, r, r)


def ellipse_d(cx, cy, rx, ry):
    return "M%s,%s a%s,%s 0 1,0 %s,0 a%s,%s 0 1,0 %s,0Z" % (
        f(cx - rx), f(cy), f(rx), f(ry), f(2 * rx), f(rx), f(ry), f(-2 * rx))


def rect_d(x, y, w, h):
    return poly_d([(x, y), (x + w, y), (x + w, y + h), (x, y + h)])


def rot(p, a, o=(0, 0)):
    ca, sa = math.cos(a), math.sin(a)
    x, y = p[0] - o[0], p[1] - o[1]
    return (o[0] + x * ca - y * sa, o[1] + x * sa + y * ca)


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def ik(a, b, l1, l2, bend=1):
    """Joint position of a two-bone limb from a to b; bend picks the side."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    d = max(1e-3, math.hypot(dx, dy))
    d2 = min(d, l1 + l2 - 0.01)
    x = (l1 * l1 - l2 * l2 + d2 * d2) / (2 * d2)
    h = math.sqrt(max(0.0, l1 * l1 - x * x))
    ux, uy = dx / d, dy / d
    return (a[0] + ux * x - uy * h * bend, a[1] + uy * x + ux * h * bend)


class Doc:
    """An SVG document with a defs section and unique ids."""

    def __init__(self, w, h, title=""):
        self.w, self.h, self.title = w, h, title
        self.defs = []
        self.body = []
        self.n = 0

    def uid(self, p="c"):
        self.n += 1
        return "%s%d" % (p, self.n)

    def add(self, s):
        self.body.append(s)

    def text(self):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" '
                'xmlns:xlink="http://www.w3.org/1999/xlink" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n' % (self.w, self.h, self.w, self.h))
        if self.title:
            head += "<title>%s</title>\n" % self.title
        defs = "<defs>\n" + "\n".join(self.defs) + "\n</defs>\n" if self.defs else ""
        return head + defs + "\n".join(self.body) + "\n</svg>\n"

    def save(self, name):
        path = os.path.join(ART, name)
        with open(path, "w") as fh:
            fh.write(self.text())
        return path


def shape(doc, d, base, shade=None, off=(2.5, 2.5), hl=None, hl_d=None, sw=2.0,
          stroke=OUT, extra=""):
    """A cel-shaded shape: a shade rim on the lower right, one highlight and
    a dark outline on top. Returns the SVG text."""
    out = []
    if shade:
        cid = doc.uid("c")
        doc.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, d))
        out.append('<path d="%s" fill="%s"/>' % (d, shade))
        out.append('<g clip-path="url(#%s)"><path d="%s" fill="%s" transform="translate(%s,%s)"/>%s</g>'
                   % (cid, d, base, f(-off[0]), f(-off[1]),
                      ('<path d="%s" fill="%s"/>' % (hl_d, hl)) if hl_d else ""))
    else:
        out.append('<path d="%s" fill="%s"/>' % (d, base))
        if hl_d:
            out.append('<path d="%s" fill="%s"/>' % (hl_d, hl))
    out.append(extra)
    if sw > 0:
        out.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"/>'
                   % (d, stroke, f(sw)))
    return "".join(out)


def flat(d, fill, sw=0, stroke=OUT, opacity=None):
    op = ' opacity="%s"' % f(opacity) if opacity is not None else ""
    st = (' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"' % (stroke, f(sw))) if sw else ""
    return '<path d="%s" fill="%s"%s%s/>' % (d, fill, st, op)


def line(points, color, w, cap="round", opacity=None):
    op = ' opacity="%s"' % f(opacity) if opacity is not None else ""
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="%s" stroke-linejoin="round"%s/>'
            % (pts(points), color, f(w), cap, op))


def limb(points, base, shade, w, sw=2.0):
    """A limb drawn as a thick stroke: outline, base, and a thinner shade
    line offset to the lower side."""
    sh = [(x + w * 0.18, y + w * 0.18) for x, y in points]
    return (line(points, OUT, w + 2 * sw) + line(points, base, w) + line(sh, shade, w * 0.45))


def group(content, tx=0, ty=0, extra=""):
    t = ""
    if tx or ty:
        t = ' transform="translate(%s,%s)%s"' % (f(tx), f(ty), extra)
    elif extra:
        t = ' transform="%s"' % extra.strip()
    return "<g%s>%s</g>" % (t, content)


def radial(doc, stops, cx=0.5, cy=0.5, r=0.5, units="objectBoundingBox"):
    gid = doc.uid("g")
    s = "".join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (f(o), c, f(a)) for o, c, a in stops)
    if units == "objectBoundingBox":
        doc.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>' % (gid, f(cx), f(cy), f(r), s))
    else:
        doc.defs.append('<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">%s</radialGradient>'
                        % (gid, f(cx), f(cy), f(r), s))
    return "url(#%s)" % gid


def linear(doc, stops, x1=0, y1=0, x2=0, y2=1):
    gid = doc.uid("g")
    s = "".join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (f(o), c, f(a)) for o, c, a in stops)
    doc.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
                    % (gid, f(x1), f(y1), f(x2), f(y2), s))
    return "url(#%s)" % gid


def star_d(cx, cy, r1, r2, n, a0=0.0, sx=1.0):
    p = []
    for i in range(2 * n):
        r = r1 if i % 2 == 0 else r2
        a = a0 + math.pi * i / n
        p.append((cx + math.cos(a) * r * sx, cy + math.sin(a) * r))
    return poly_d(p)


def rim_filter(doc, fid, color, radius=1.0, opacity=1.0):
    """Defines a filter that lays a pale rim, `radius` pixels wide, around
    the whole silhouette of what it is applied to, so a dark outline still
    reads against the dark backdrops. Soft glows (under half opacity) get no
    rim: the alpha is cut at one half before it is grown. Returns the filter
    reference."""
    doc.defs.append('<filter id="%s" x="-0.15" y="-0.15" width="1.3" height="1.3" color-interpolation-filters="sRGB">'
                    '<feComponentTransfer in="SourceAlpha" result="solid"><feFuncA type="discrete" tableValues="0 1"/>'
                    '</feComponentTransfer>'
                    '<feMorphology in="solid" operator="dilate" radius="%s" result="grown"/>'
                    '<feFlood flood-color="%s" flood-opacity="%s"/>'
                    '<feComposite in2="grown" operator="in" result="rim"/>'
                    '<feMerge><feMergeNode in="rim"/><feMergeNode in="SourceGraphic"/></feMerge></filter>'
                    % (fid, f(radius), color, f(opacity)))
    return "url(#%s)" % fid
