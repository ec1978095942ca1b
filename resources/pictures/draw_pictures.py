#!/usr/bin/env python3
"""Draws the panels' explanatory pictures as SVG line drawings; run it here to write the *.svg files.

With --check it writes nothing and fails when a line runs through a label of any picture."""
import math
import os
import sys

HR = 30.0  # rolling-sphere radius of the drawings (class 1)
SYM_FONT = "DejaVu Serif"
CJK_FONT = "AR PL SungtiL GB"
INK = "#000"
# With --check nothing is written: the pictures are only checked for labels that lines run through.
CHECK_ONLY = "--check" in sys.argv[1:]
FAULTS = []


class Svg:
    """One drawing: elements in user units, written out with a viewBox of the same size."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.items = []
        self.strokes = []  # (x1, y1, x2, y2) of every line drawn, for the label check
        self.labels = []   # (text, box) of every label

    def add(self, s):
        self.items.append(s)

    def line(self, x1, y1, x2, y2, width=1.2, dash=None, colour=INK):
        self.strokes.append((x1, y1, x2, y2))
        d = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" stroke="{colour}" '
                 f'stroke-width="{width}"{d} stroke-linecap="round"/>')

    def path(self, d, width=1.2, dash=None, fill="none", colour=INK):
        da = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<path d="{d}" fill="{fill}" stroke="{colour}" stroke-width="{width}"{da} '
                 f'stroke-linejoin="round" stroke-linecap="round"/>')

    def polyline(self, pts, width=1.2, dash=None, closed=False, fill="none"):
        ring = list(pts) + ([pts[0]] if closed else [])
        self.strokes += [(a[0], a[1], b[0], b[1]) for a, b in zip(ring, ring[1:])]
        d = "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in pts) + (" Z" if closed else "")
        self.path(d, width, dash, fill)

    def circle(self, cx, cy, r, width=1.2, dash=None, fill="none"):
        ring = [(cx + r * math.cos(k * math.pi / 18), cy + r * math.sin(k * math.pi / 18)) for k in range(37)]
        self.strokes += [(a[0], a[1], b[0], b[1]) for a, b in zip(ring, ring[1:])]
        da = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<circle cx="{cx:.2f}" cy="{cy:.2f}" r="{r:.2f}" fill="{fill}" stroke="{INK}" '
                 f'stroke-width="{width}"{da}/>')

    def dot(self, x, y, r=2.2):
        self.add(f'<circle cx="{x:.2f}" cy="{y:.2f}" r="{r}" fill="{INK}"/>')

    def text(self, x, y, s, size=11, anchor="middle", font=CJK_FONT, italic=False):
        # The label's box, estimated: a CJK character is about as wide as high, a Latin one half that.
        width = sum(size if ord(ch) > 0x2e80 else 0.55 * size for ch in s)
        x0 = {"middle": x - width / 2, "start": x, "end": x - width}[anchor]
        self.labels.append((s, (x0, y - 0.75 * size, x0 + width, y + 0.15 * size)))
        st = ' font-style="italic"' if italic else ""
        self.add(f'<text x="{x:.2f}" y="{y:.2f}" font-family="{font}" font-size="{size}"{st} '
                 f'text-anchor="{anchor}" fill="{INK}">{s}</text>')

    def sym(self, x, y, s, size=13, anchor="middle"):
        """An italic symbol with its index as a subscript: "r0" is r with a subscript 0."""
        main, sub = s[0], s[1:]
        if s in ("D",) or not sub:
            main, sub = s, ""
        wm = 0.55 * size * len(main)
        ws = 0.55 * 0.75 * size * len(sub)
        total = wm + ws
        shift = {"middle": -total / 2, "start": 0, "end": -total}[anchor]
        low = 0.3 * size + 0.15 * 0.75 * size if sub else 0.15 * size
        x, y = self.free_spot(x, y, lambda px, py: (px + shift, py - 0.75 * size, px + shift + total, py + low))
        x0 = x + shift
        self.text(x0, y, main, size, "start", SYM_FONT, True)
        if sub:
            self.text(x0 + wm, y + 0.3 * size, sub, 0.75 * size, "start", SYM_FONT, False)

    def numbered(self, x, y, number):
        """A point's number in a small circle, moved clear of the lines beside it."""
        x, y = self.free_spot(x, y, lambda px, py: (px - 6.5, py - 6.5, px + 6.5, py + 6.5))
        self.circle(x, y, 6.5, 0.7, fill="#fff")
        self.text(x, y + 4.0, number, 11, "middle", SYM_FONT)

    def arrow(self, x, y, dx, dy, size=5):
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        bx, by = x - ux * size, y - uy * size
        px, py = -uy * size * 0.35, ux * size * 0.35
        self.strokes += [(x, y, bx + px, by + py), (x, y, bx - px, by - py), (bx + px, by + py, bx - px, by - py)]
        self.add(f'<path d="M{x:.2f},{y:.2f} L{bx + px:.2f},{by + py:.2f} L{bx - px:.2f},{by - py:.2f} Z" '
                 f'fill="{INK}"/>')

    def dim(self, x1, y1, x2, y2, label, lx=None, ly=None, arrows=2, size=13):
        """A dimension line with arrowheads at its ends and its symbol beside it."""
        self.line(x1, y1, x2, y2, 0.6)
        if arrows >= 1:
            self.arrow(x2, y2, x2 - x1, y2 - y1)
        if arrows >= 2:
            self.arrow(x1, y1, x1 - x2, y1 - y2)
        if label:
            if lx is None:
                lx, ly = (x1 + x2) / 2, (y1 + y2) / 2
            self.sym(lx, ly, label, size)

    def ground(self, x1, x2, y, hatch=True):
        self.line(x1, y, x2, y, 1.4)
        if hatch:
            x = x1 + 4
            while x < x2 - 2:
                self.line(x, y, x - 4, y + 4, 0.5)
                x += 6

    def rod(self, x, yg, top, width=1.8):
        self.line(x, yg, x, top, width)
        self.add(f'<path d="M{x - 2.2:.2f},{top + 4:.2f} L{x:.2f},{top - 1:.2f} L{x + 2.2:.2f},{top + 4:.2f} Z" '
                 f'fill="{INK}"/>')

    def is_free(self, box):
        """Whether no line runs through the box and no label lies in it."""
        x0, y0, x1, y1 = box
        # A little room around the label, so that a line does not graze it either.
        inner = (x0 - 1.0, y0 - 1.0, x1 + 1.0, y1 + 1.0)
        # (The estimated box reaches below the glyphs: a label may sit on the picture's edge.)
        if x0 < -1 or y0 < -1 or x1 > self.w + 1 or y1 > self.h + 1:
            return False
        if any(segment_meets_box(seg, inner) for seg in self.strokes):
            return False
        return not any(bx0 < x1 and x0 < bx1 and by0 < y1 and y0 < by1 for _, (bx0, by0, bx1, by1) in self.labels)

    def free_spot(self, x, y, box_at):
        """(x, y) itself when the box there is free, else the nearest free spot around it: a label is
        never overprinted by a line, whatever the geometry of the drawing puts beside it."""
        if self.is_free(box_at(x, y)):
            return x, y
        for r in range(1, 19):
            for k in range(16):
                a = k * math.pi / 8
                cx, cy = x + r * math.cos(a), y + r * math.sin(a)
                if self.is_free(box_at(cx, cy)):
                    return cx, cy
        return x, y

    def labels_hit(self):
        """The labels that a line runs through (a line only touching a box's edge is no hit)."""
        hit = []
        for text, (x0, y0, x1, y1) in self.labels:
            x0, y0, x1, y1 = x0 + 0.3, y0 + 0.3, x1 - 0.3, y1 - 0.3
            if any(segment_meets_box(seg, (x0, y0, x1, y1)) for seg in self.strokes):
                hit.append(f"{text}@{x0:.0f},{y1:.0f}")
        return hit

    def write(self, name, title):
        if CHECK_ONLY:
            hit = self.labels_hit()
            if hit:
                FAULTS.append(f"{name}: lines run through the labels {', '.join(hit)}")
            return
        body = "\n  ".join(self.items)
        svg = (f'<!-- {title}: a line drawing made by draw_pictures.py; edit the script, not this file. -->\n'
               f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
               f'width="{self.w}" height="{self.h}" viewBox="0 0 {self.w} {self.h}">\n'
               f'  <title>{title}</title>\n  {body}\n</svg>\n')
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), name + ".svg"), "w",
                  encoding="utf-8") as f:
            f.write(svg)


def segment_meets_box(seg, box):
    """Whether the segment enters the box (clipped against it, Liang-Barsky)."""
    x1, y1, x2, y2 = seg
    x0, y0, xe, ye = box
    dx, dy = x2 - x1, y2 - y1
    t0, t1 = 0.0, 1.0
    for p, q in ((-dx, x1 - x0), (dx, xe - x1), (-dy, y1 - y0), (dy, ye - y1)):
        if p == 0:
            if q < 0:
                return False
            continue
        t = q / p
        if p < 0:
            t0 = max(t0, t)
        else:
            t1 = min(t1, t)
        if t0 > t1:
            return False
    return True


# ---- rolling-sphere geometry (metres; y up) ----

def r0_of(h, hr=HR):
    h = min(h, hr)
    return math.sqrt(h * (2 * hr - h))


def rx_of(h, hx, hr=HR):
    return r0_of(h, hr) - r0_of(hx, hr)


def arc_points(cx, cy, r, a0, a1, n=40):
    return [(cx + r * math.cos(a0 + (a1 - a0) * i / n), cy + r * math.sin(a0 + (a1 - a0) * i / n))
            for i in range(n + 1)]


def sphere_on_tips(x1, h1, x2, h2, hr=HR):
    """Centre of the sphere resting on two tips, above them."""
    mx, my = (x1 + x2) / 2, (h1 + h2) / 2
    dx, dy = x2 - x1, h2 - h1
    half = math.hypot(dx, dy) / 2
    k = math.sqrt(max(hr * hr - half * half, 0))
    n = math.hypot(dx, dy)
    return mx - dy / n * k, my + dx / n * k


class Section:
    """A section view: metres mapped into a box of the drawing, ground at the box's bottom."""

    def __init__(self, svg, x0, x1, ground_y, scale, centre):
        self.s, self.sc, self.gy, self.cx = svg, scale, ground_y, centre
        self.x0, self.x1 = x0, x1

    def X(self, x):
        return self.cx + x * self.sc

    def Y(self, h):
        return self.gy - h * self.sc

    def outer_arc(self, x, h, side, dash=None):
        """The sphere touching the ground and the tip on one side (side = -1 left, +1 right)."""
        r0 = r0_of(h)
        cx, cy = x + side * r0, HR
        a_tip = math.atan2(h - cy, x - cx)
        a_gnd = -math.pi / 2
        pts = arc_points(cx, cy, HR, a_tip, a_gnd)
        self.s.polyline([(self.X(px), self.Y(py)) for px, py in pts], 1.2, dash)
        return r0

    def middle_arc(self, x1, h1, x2, h2):
        cx, cy = sphere_on_tips(x1, h1, x2, h2)
        a1 = math.atan2(h1 - cy, x1 - cx)
        a2 = math.atan2(h2 - cy, x2 - cx)
        pts = arc_points(cx, cy, HR, a1, a2)
        self.s.polyline([(self.X(px), self.Y(py)) for px, py in pts], 1.2)
        return cx, cy - HR  # lowest point

    def sphere_hint(self, cx, cy, a0, a1):
        pts = arc_points(cx, cy, HR, a0, a1, 30)
        self.s.polyline([(self.X(px), self.Y(py)) for px, py in pts], 0.5, "3,2")

    def ground(self):
        self.s.ground(self.x0, self.x1, self.gy)

    def level(self, h, dash="5,2,1,2"):
        self.s.line(self.x0 + 4, self.Y(h), self.x1 - 4, self.Y(h), 0.6, dash)


def vdim(svg, sec, x_from, h, x_dim, label, h_label=None, label_x=None):
    """A height dimension at x_dim (pixels) from the ground to height h, with an extension line from
    the measured point; its symbol on the inner side of the line."""
    y = sec.Y(h)
    svg.line(x_from + (3 if x_dim > x_from else -3), y, x_dim + (3 if x_dim > x_from else -3), y, 0.4)
    svg.dim(x_dim, sec.Y(0), x_dim, y, None)
    side = -1 if x_dim > x_from else 1
    width = 5.5 * len(label) + 4
    # a tip's height is named just under the tip, clear of the target-height line below it
    at = h_label if h_label is not None else (h * 0.5 if label == "hx" else h - 7 / sec.sc)
    svg.sym(label_x if label_x is not None else x_dim + side * width / 2 + side * 2, sec.Y(at) + 4, label)


def caption(svg, x, y, text):
    svg.text(x, y, text, 13, "middle", CJK_FONT)


# ---- plan outlines: rods (or wire ends) on a convex polygon, joined with waists ----

def outline(points, radii, waists):
    """The closed outline around a convex polygon of points (counter-clockwise, y up): an arc of
    each point's radius round its corner, joined along each edge by a smooth curve that narrows to
    the edge's waist (its distance from the edge's midpoint)."""
    n = len(points)
    normals = []
    for i in range(n):
        (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
        ex, ey = x2 - x1, y2 - y1
        length = math.hypot(ex, ey)
        normals.append((ey / length, -ex / length))  # outward for a counter-clockwise polygon
    pts = []
    for i in range(n):
        px, py = points[i]
        r = radii[i]
        a_in = math.atan2(normals[i - 1][1], normals[i - 1][0])
        a_out = math.atan2(normals[i][1], normals[i][0])
        while a_out < a_in:
            a_out += 2 * math.pi
        pts += arc_points(px, py, r, a_in, a_out, 24)
        # along edge i towards the next point
        (qx, qy), rq = points[(i + 1) % n], radii[(i + 1) % n]
        nx, ny = normals[i]
        t1 = (px + nx * r, py + ny * r)
        t2 = (qx + nx * rq, qy + ny * rq)
        mx, my = (px + qx) / 2, (py + qy) / 2
        w = (mx + nx * waists[i], my + ny * waists[i])
        for a, b in ((t1, w), (w, t2)):
            ex, ey = qx - px, qy - py
            el = math.hypot(ex, ey)
            ux, uy = ex / el, ey / el
            k = math.hypot(b[0] - a[0], b[1] - a[1]) * 0.45
            c1 = (a[0] + ux * k, a[1] + uy * k)
            c2 = (b[0] - ux * k, b[1] - uy * k)
            for j in range(1, 17):
                t = j / 16
                u = 1 - t
                pts.append((u ** 3 * a[0] + 3 * u * u * t * c1[0] + 3 * u * t * t * c2[0] + t ** 3 * b[0],
                            u ** 3 * a[1] + 3 * u * u * t * c1[1] + 3 * u * t * t * c2[1] + t ** 3 * b[1]))
    return pts


class Plan:
    """A plan view: metres (y up) mapped about a centre, optionally turned by an angle (picked plans)."""

    def __init__(self, svg, cx, cy, scale, angle=0.0):
        self.s, self.cx, self.cy, self.sc = svg, cx, cy, scale
        self.c, self.sn = math.cos(angle), math.sin(angle)

    def P(self, x, y):
        xr = x * self.c - y * self.sn
        yr = x * self.sn + y * self.c
        return self.cx + xr * self.sc, self.cy - yr * self.sc

    def poly(self, pts, width=1.2, dash=None, closed=True):
        self.s.polyline([self.P(x, y) for x, y in pts], width, dash, closed)

    def dim(self, a, b, label, offset=(0, 0), arrows=2):
        (x1, y1), (x2, y2) = self.P(*a), self.P(*b)
        lx, ly = self.P((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
        self.s.dim(x1, y1, x2, y2, label, lx + offset[0], ly + offset[1], arrows)

    def rod(self, x, y, number=None, offset=(0, 0)):
        px, py = self.P(x, y)
        self.s.circle(px, py, 2.6, 1.0, fill="#fff")
        self.s.dot(px, py, 1.2)
        if number:
            self.s.numbered(px + offset[0], py + offset[1], number)

    def pick(self, x, y, number, offset=(0, 0)):
        """A picked point that is no rod: a small cross with its number."""
        px, py = self.P(x, y)
        self.s.line(px - 3, py - 3, px + 3, py + 3, 1.0)
        self.s.line(px - 3, py + 3, px + 3, py - 3, 1.0)
        self.s.numbered(px + offset[0], py + offset[1], number)


W, H = 220, 400  # the pictures beside the panels


# Where the section's ground and the plan's centre lie in the pictures of rod pairs and wires.
SEC_TITLE, SEC_GROUND, PLAN_TITLE, PLAN_CENTRE = 44, 134, 180, 292


def frame_titles(svg, section_y=16, plan_y=222):
    caption(svg, W / 2, section_y, "剖面")
    caption(svg, W / 2, plan_y, "平面")


# ---- the pictures beside the panels ----

def one_rod():
    s = Svg(W, H)
    frame_titles(s, 16, 238)
    h, hx = 24.0, 12.0
    sec = Section(s, 6, W - 6, 184, 3.0, W / 2)
    sec.ground()
    r0 = sec.outer_arc(0, h, -1)
    sec.outer_arc(0, h, 1)
    sec.sphere_hint(r0, HR, math.pi * 0.62, math.pi * 1.1)
    sec.sphere_hint(-r0, HR, -math.pi * 0.1, math.pi * 0.38)
    s.rod(sec.X(0), sec.gy, sec.Y(h))
    sec.level(hx)
    rx = rx_of(h, hx)
    vdim(s, sec, sec.X(0), h, 12, "h")
    vdim(s, sec, sec.X(0), hx, W - 12, "hx")
    s.dim(sec.X(0), sec.Y(hx) - 5, sec.X(rx), sec.Y(hx) - 5, None, arrows=1)
    s.sym(sec.X(rx) + 10, sec.Y(hx) - 8, "rx")
    # r0 below the ground line, between extension lines
    y = sec.gy + 13
    s.line(sec.X(-r0), sec.gy + 2, sec.X(-r0), y + 3, 0.4)
    s.line(sec.X(0), sec.gy + 2, sec.X(0), y + 3, 0.4)
    s.dim(sec.X(-r0), y, sec.X(0), y, "r0", sec.X(-r0 / 2), y + 13)
    # the sphere's radius from its centre to the arc
    cx, cy = sec.X(r0), sec.Y(HR)
    s.dot(cx, cy, 1.5)
    a = math.radians(205)
    s.dim(cx, cy, cx + HR * sec.sc * math.cos(a), cy - HR * sec.sc * math.sin(a), "hr",
          cx - 22, cy + 2, arrows=1)

    pl = Plan(s, W / 2, 322, 2.45)
    pl.poly(arc_points(0, 0, r0, 0, 2 * math.pi, 72))
    pl.poly(arc_points(0, 0, rx, 0, 2 * math.pi, 48), 1.0, "4,2")
    pl.rod(0, 0)
    pl.dim((0, 0), (r0 * math.cos(0.7), r0 * math.sin(0.7)), "r0", (10, 6), arrows=1)
    pl.dim((0, 0), (rx * math.cos(-0.9), rx * math.sin(-0.9)), None, arrows=1)
    s.sym(pl.P(rx, 0)[0] + 12, pl.P(0, -rx)[1] + 6, "rx")
    return s


def pair_section(s, x_left, h_left, x_right, h_right, hx, scale, centre, labels, gy=SEC_GROUND):
    """Two tips with their outer spheres and the sphere resting on both."""
    sec = Section(s, 6, W - 6, gy, scale, centre)
    sec.ground()
    r_left = sec.outer_arc(x_left, h_left, -1)
    r_right = sec.outer_arc(x_right, h_right, 1)
    lx, low = sec.middle_arc(x_left, h_left, x_right, h_right)
    s.rod(sec.X(x_left), sec.gy, sec.Y(h_left))
    s.rod(sec.X(x_right), sec.gy, sec.Y(h_right))
    sec.level(hx)
    # heights at the edges, spacing above the tips, h0 at the lowest point, hx beside the right height
    hl, hr_, d, h0 = labels
    vdim(s, sec, sec.X(x_left), h_left, 12, hl)
    vdim(s, sec, sec.X(x_right), h_right, W - 12, hr_)
    vdim(s, sec, sec.X(x_right), hx, W - 34, "hx", label_x=W - 23)
    # h0 stands on the ground, under the target-height line
    s.dim(sec.X(lx), sec.Y(0), sec.X(lx), sec.Y(low), h0, sec.X(lx) + 9, sec.Y(0) - 5.5)
    top = sec.Y(max(h_left, h_right)) - 14
    mid = (sec.X(x_left) + sec.X(x_right)) / 2
    if not d:
        return sec, r_left, r_right, low
    s.line(sec.X(x_left), sec.Y(h_left) - 3, sec.X(x_left), top - 3, 0.4)
    s.line(sec.X(x_right), sec.Y(h_right) - 3, sec.X(x_right), top - 3, 0.4)
    s.dim(sec.X(x_left), top, sec.X(x_right), top, None)
    if d.isascii():
        s.sym(mid, top - 4, d)
    else:
        s.text(mid, top - 4, d, 10)
    return sec, r_left, r_right, low


def two_rod_plan(s, x1, x2, r1, r2, rx1, rx2, b0, bx, cx, cy, scale, angle=0.0, numbered=False):
    pl = Plan(s, cx, cy, scale, angle)
    pts = [(x1, 0), (x2, 0)]
    pl.poly(outline(pts, [r1, r2], [b0, b0]))
    pl.poly(outline(pts, [rx1, rx2], [bx, bx]), 1.0, "4,2")
    pl.s.line(*pl.P(x1, 0), *pl.P(x2, 0), 0.4, "6,2,1,2")
    mid = (x1 + x2) / 2
    pl.dim((mid, 0), (mid, b0), "b0", (9, 0))
    pl.dim((x1, 0), (x1 - r1 * 0.8, -r1 * 0.6), "r0", (-2, 12), arrows=1)
    pl.dim((x2, 0), (x2 + rx2 * 0.6, -rx2 * 0.8), "rx", (10, 14) if numbered else (6, 12), arrows=1)
    if numbered:
        pl.rod(x1, 0, "1", (-9, -8))
        pl.rod(x2, 0, "2", (2, -12))
    else:
        pl.rod(x1, 0)
        pl.rod(x2, 0)
    return pl


def two_rods():
    s = Svg(W, H)
    frame_titles(s, SEC_TITLE, PLAN_TITLE)
    h1, h2, hx, d = 21.0, 24.0, 12.0, 40.0
    sc = 1.75
    sec, r1, r2, low = pair_section(s, -d / 2, h1, d / 2, h2, hx, sc, W / 2 - 2, ("h1", "h2", "D", "h0"))
    rx1, rx2 = rx_of(h1, hx), rx_of(h2, hx)
    b0 = r0_of(low) * 0.62
    two_rod_plan(s, -d / 2, d / 2, r1, r2, rx1, rx2, b0, max(rx1, rx2) * 0.35, W / 2 - 2, PLAN_CENTRE, 1.95)
    return s


def picked_two_rods():
    s = Svg(W, H)
    frame_titles(s, SEC_TITLE, PLAN_TITLE)
    h, hx, d = 21.0, 12.0, 40.0
    sc = 1.75
    sec, r1, r2, low = pair_section(s, -d / 2, h, d / 2, h, hx, sc, W / 2, ("h", "h", "D", "h0"))
    rx = rx_of(h, hx)
    two_rod_plan(s, -d / 2, d / 2, r1, r2, rx, rx, r0_of(low) * 0.62, rx * 0.35, W / 2, PLAN_CENTRE, 1.98,
                 angle=math.radians(28), numbered=True)
    return s


def polygon_plan(s, pts, r0, rx, b0s, bxs, cx, cy, scale, angle=0.0):
    pl = Plan(s, cx, cy, scale, angle)
    pl.poly(outline(pts, [r0] * len(pts), b0s))
    pl.poly(outline(pts, [rx] * len(pts), bxs), 1.0, "4,2")
    pl.poly(pts, 0.4, "6,2,1,2")
    return pl


def four_rods(picked=False):
    s = Svg(W, H)
    frame_titles(s, SEC_TITLE, PLAN_TITLE)
    h, hx, a, b = 21.0, 12.0, 60.0, 36.0
    sec, r0, _, low = pair_section(s, -22, h, 22, h, hx, 1.7, W / 2, ("h", "h", "" if picked else "长边", "h0"))
    rx = rx_of(h, hx)
    pts = [(-a / 2, -b / 2), (a / 2, -b / 2), (a / 2, b / 2), (-a / 2, b / 2)]
    angle = math.radians(24) if picked else 0.0
    scale = 1.58 if picked else 1.72
    pl = polygon_plan(s, pts, r0, rx, [r0 * 0.45, r0 * 0.7, r0 * 0.45, r0 * 0.7],
                      [rx * 0.3, rx * 0.6, rx * 0.3, rx * 0.6], W / 2, PLAN_CENTRE + 4, scale, angle)
    if picked:
        pl.rod(*pts[0], "1", (-10, 6))
        pl.rod(*pts[1], "2", (4, 11))
        pl.rod(*pts[2])
        pl.rod(*pts[3])
        pl.pick(-a / 8, b / 2, "3", (0, -12))
    else:
        for p in pts:
            pl.rod(*p)
        # the sides measured inside the rectangle, clear of the outlines
        pl.dim((-a / 2, b / 2 - 4), (a / 2, b / 2 - 4), None)
        s.text(*[c + o for c, o in zip(pl.P(-a / 4, b / 2 - 4), (0, 13))], "长边", 10)
        pl.dim((a / 2 - 4, -b / 2), (a / 2 - 4, b / 2), None)
        lx, ly = pl.P(a / 2 - 4, -b / 4)
        s.text(lx - 3, ly - 1, "短", 10, "end")
        s.text(lx - 3, ly + 10, "边", 10, "end")
    pl.dim((-a / 2, -b / 2), (-a / 2 - r0 * 0.7, -b / 2 - r0 * 0.7), "r0", (-10, 0), arrows=1)
    if picked:
        pl.dim((-a / 2, b / 2), (-a / 2 - rx * 0.7, b / 2 + rx * 0.7), "rx", (-8, -6), arrows=1)
    else:
        pl.dim((a / 2, -b / 2), (a / 2 + rx * 0.7, -b / 2 - rx * 0.7), "rx", (10, 4), arrows=1)
    # the lowest height h0 is at the centre of the rectangle
    cxp, cyp = pl.P(0, 0)
    s.line(cxp - 3, cyp, cxp + 3, cyp, 0.6)
    s.line(cxp, cyp - 3, cxp, cyp + 3, 0.6)
    s.sym(cxp + 9, cyp - 3, "h0", 12)
    return s


def three_rods(picked=False):
    s = Svg(W, H)
    frame_titles(s, SEC_TITLE, PLAN_TITLE)
    h, hx, d = 21.0, 12.0, 54.0
    sec, r0, _, low = pair_section(s, -20, h, 20, h, hx, 1.75, W / 2, ("h", "h", "D", "h0"))
    rx = rx_of(h, hx)
    # two rods at the bottom, the third above them
    tri = [(-d / 2, -d * math.sqrt(3) / 6), (d / 2, -d * math.sqrt(3) / 6), (0, d * math.sqrt(3) / 3)]
    angle = math.radians(20) if picked else 0.0
    pl = polygon_plan(s, tri, r0, rx, [r0 * 0.5] * 3, [rx * 0.3] * 3, W / 2, PLAN_CENTRE + 10, 1.68 if picked else 1.75, angle)
    if picked:
        pl.rod(*tri[0], "1", (-9, 8))
        pl.rod(*tri[1], "2", (9, 8))
        pl.rod(*tri[2])
        pl.pick(-3, 9, "3", (-11, -2))
    else:
        for p in tri:
            pl.rod(*p)
        pl.dim((tri[0][0], tri[0][1] + 3), (tri[1][0], tri[1][1] + 3), None)
        s.sym(*[c + o for c, o in zip(pl.P(-d / 4, tri[0][1] + 3), (0, -4))], "D")
    pl.dim(tri[2], (tri[2][0] - r0 * 0.6, tri[2][1] + r0 * 0.8), "r0", (-10, -2), arrows=1)
    if picked:
        pl.dim(tri[0], (tri[0][0] - rx * 0.75, tri[0][1] + rx * 0.65), "rx", (-10, -4), arrows=1)
    else:
        pl.dim(tri[1], (tri[1][0] + rx * 0.75, tri[1][1] - rx * 0.65), "rx", (12, 4), arrows=1)
    cxp, cyp = pl.P(0, -3)
    s.line(cxp - 3, cyp, cxp + 3, cyp, 0.6)
    s.line(cxp, cyp - 3, cxp, cyp + 3, 0.6)
    s.sym(cxp + 9, cyp + 4, "h0", 12)
    return s


def wire_section(s, xs, h, hx):
    """The cross-section of one or two wires at their lowest point."""
    sc = 2.6 if len(xs) == 1 else 1.9
    sec = Section(s, 6, W - 6, SEC_GROUND, sc, W / 2)
    sec.ground()
    r0 = sec.outer_arc(xs[0], h, -1)
    sec.outer_arc(xs[-1], h, 1)
    low = None
    if len(xs) == 2:
        lx, low = sec.middle_arc(xs[0], h, xs[1], h)
        s.dim(sec.X(lx), sec.Y(0), sec.X(lx), sec.Y(low), "h0", sec.X(lx) + 9, sec.Y(0) - 5.5)
        top = sec.Y(h) - 14
        s.line(sec.X(xs[0]), sec.Y(h) - 4, sec.X(xs[0]), top - 3, 0.4)
        s.line(sec.X(xs[1]), sec.Y(h) - 4, sec.X(xs[1]), top - 3, 0.4)
        s.dim(sec.X(xs[0]), top, sec.X(xs[1]), top, "D", W / 2, top - 4)
    for x in xs:
        # the wire end-on, hanging from its support
        s.line(sec.X(x), sec.gy, sec.X(x), sec.Y(h) + 3, 0.5, "2,2")
        s.circle(sec.X(x), sec.Y(h), 2.6, 1.2, fill="#fff")
        s.dot(sec.X(x), sec.Y(h), 1.1)
    sec.level(hx)
    vdim(s, sec, sec.X(xs[0]), h, 12, "h")
    vdim(s, sec, sec.X(xs[-1]), hx, W - 12, "hx")
    bx = rx_of(h, hx)
    s.dim(sec.X(xs[-1]), sec.Y(hx) - 5, sec.X(xs[-1] + bx), sec.Y(hx) - 5, None, arrows=1)
    s.sym(sec.X(xs[-1] + bx) + 10, sec.Y(hx) - 8, "bx")
    y = sec.gy + 13
    s.line(sec.X(xs[0] - r0), sec.gy + 2, sec.X(xs[0] - r0), y + 3, 0.4)
    s.line(sec.X(xs[0]), sec.gy + 2, sec.X(xs[0]), y + 3, 0.4)
    s.dim(sec.X(xs[0] - r0), y, sec.X(xs[0]), y, "b0", sec.X(xs[0] - r0 / 2), y + 13)
    return r0, bx


def support(pl, x, y, number=None, offset=(0, 0)):
    px, py = pl.P(x, y)
    pl.s.add(f'<rect x="{px - 2.8:.2f}" y="{py - 2.8:.2f}" width="5.6" height="5.6" fill="#fff" '
             f'stroke="{INK}" stroke-width="1"/>')
    if number:
        pl.s.numbered(px + offset[0], py + offset[1], number)


def one_wire(picked=False):
    s = Svg(W, H)
    frame_titles(s, SEC_TITLE, PLAN_TITLE)
    h, hx, length = 21.0, 12.0, 50.0
    r0, bx = wire_section(s, [0.0], h, hx)
    angle = math.radians(30) if picked else 0.0
    sc = 1.8 if picked else 1.85
    pl = Plan(s, W / 2, PLAN_CENTRE, sc, angle)
    ends = [(-length / 2, 0), (length / 2, 0)]
    pl.poly(outline(ends, [r0, r0], [r0 * 0.8, r0 * 0.8]))
    pl.poly(outline(ends, [bx, bx], [bx * 0.6, bx * 0.6]), 1.0, "4,2")
    s.line(*pl.P(*ends[0]), *pl.P(*ends[1]), 1.3)
    if picked:
        support(pl, *ends[0], "1", (-6, 11))
        support(pl, *ends[1], "2", (6, -11))
    else:
        support(pl, *ends[0])
        support(pl, *ends[1])
        pl.dim((-length / 2, -r0 - 6), (length / 2, -r0 - 6), None)
        lx, ly = pl.P(0, -r0 - 6)
        s.text(lx, ly + 12, "避雷线长度", 12)
        for x in (-length / 2, length / 2):
            s.line(*pl.P(x, -2), *pl.P(x, -r0 - 9), 0.4)
    pl.dim((0, 0), (0, r0 * 0.8), "b0", (10, 0))
    pl.dim((length / 4, 0), (length / 4, -bx * 0.78), None)
    s.sym(*[c + o for c, o in zip(pl.P(length / 4, -bx), (4, 14))], "bx")
    return s


def two_wires(picked=False):
    s = Svg(W, H)
    frame_titles(s, SEC_TITLE, PLAN_TITLE)
    h, hx, d, length = 24.0, 12.0, 30.0, 52.0
    r0, bx = wire_section(s, [-d / 2, d / 2], h, hx)
    angle = math.radians(26) if picked else 0.0
    pl = Plan(s, W / 2, PLAN_CENTRE, 1.55 if picked else 1.7, angle)
    ends = [(-length / 2, -d / 2), (length / 2, -d / 2), (length / 2, d / 2), (-length / 2, d / 2)]
    pl.poly(outline(ends, [r0] * 4, [r0 * 0.8, r0, r0 * 0.8, r0]))
    pl.poly(outline(ends, [bx] * 4, [bx * 0.6, bx, bx * 0.6, bx]), 1.0, "4,2")
    s.line(*pl.P(*ends[0]), *pl.P(*ends[1]), 1.3)
    s.line(*pl.P(*ends[3]), *pl.P(*ends[2]), 1.3)
    if picked:
        support(pl, *ends[0], "1", (-9, 8))
        support(pl, *ends[1], "2", (9, 8))
        support(pl, *ends[2])
        support(pl, *ends[3])
        pl.pick(-4, d / 2, "3", (0, -12))
    else:
        for e in ends:
            support(pl, *e)
        pl.dim((length / 2 - 5, -d / 2), (length / 2 - 5, d / 2), "D", (-9, 4))
    pl.dim((0, -d / 2), (0, -d / 2 - r0 * 0.8), "b0", (10, 4))
    return s


# ---- the building panel's example of picking an outline ----

def building():
    """An elevation with short air-termination rods on its outline: the sphere rests on the ground and
    on the rod tips picked in turn, and its arcs show what stays protected."""
    s = Svg(450, 220)
    gy, sc = 200, 2.1

    def P(x, y):
        return 12 + (x + 97.5) * sc, gy - y * sc

    s.ground(4, 446, gy)
    # a low wing, a tower and a hall
    walls = [(-70, 0), (-70, 15), (-40, 15), (-40, 50), (-4, 50), (-4, 24), (44, 24), (44, 0)]
    s.polyline([P(x, y) for x, y in walls], 1.6, fill="#f2f2f2")
    for x in range(-66, -44, 6):
        for y in (4, 9):
            s.add(f'<rect x="{P(x, 0)[0]:.1f}" y="{P(0, y + 3)[1]:.1f}" width="6" height="5" fill="none" '
                  f'stroke="{INK}" stroke-width="0.5"/>')
    rod = 3.0
    feet = [(-70, 15), (-40, 50), (-22, 50), (-4, 50), (8, 24), (26, 24), (44, 24)]
    tips = [(x, y + rod) for x, y in feet]
    for (x, y), (tx, ty) in zip(feet, tips):
        s.line(*P(x, y), *P(tx, ty), 1.4)

    def arc(p, q):
        (x1, y1), (x2, y2) = p, q
        cx, cy = sphere_on_tips(x1, y1, x2, y2)
        a1 = math.atan2(y1 - cy, x1 - cx)
        a2 = math.atan2(y2 - cy, x2 - cx)
        if a2 - a1 > math.pi:
            a2 -= 2 * math.pi
        elif a1 - a2 > math.pi:
            a2 += 2 * math.pi
        s.polyline([P(*pt) for pt in arc_points(cx, cy, HR, a1, a2)], 1.1, "5,2")

    def to_ground(p, side):
        x, y = p
        r0 = r0_of(y)
        cx, cy = x + side * r0, HR
        a_tip = math.atan2(y - cy, x - cx)
        a_gnd = -math.pi / 2
        if side < 0 and a_tip < 0:
            a_tip += 2 * math.pi
            a_gnd += 2 * math.pi
        s.polyline([P(*pt) for pt in arc_points(cx, cy, HR, a_tip, a_gnd)], 1.1, "5,2")
        return cx, cy

    to_ground(tips[0], -1)
    for p, q in zip(tips, tips[1:]):
        arc(p, q)
    centre = to_ground(tips[-1], 1)
    # the sphere itself, resting on the ground and the last rod, with its radius
    x0, y0 = P(*centre)
    s.circle(x0, y0, HR * sc, 0.5, "2,2")
    s.dot(x0, y0, 1.6)
    a = math.radians(60)
    s.dim(x0, y0, x0 + HR * sc * math.cos(a), y0 - HR * sc * math.sin(a), "hr", x0 + 4, y0 - 34, arrows=1)
    for i, (x, y) in enumerate(tips, 1):
        px, py = P(x, y)
        s.circle(px, py, 4.0, 1.1, fill="#fff")
        s.text(px + (9 if i > 1 else -9), py - 7, str(i), 10, "middle", SYM_FONT)
    s.circle(20, 18, 4.0, 1.1, fill="#fff")
    s.text(30, 22, "选取的避雷针顶点", 11, "start")
    s.line(12, 36, 28, 36, 1.1, "5,2")
    s.text(30, 40, "滚球保护范围", 11, "start")
    return s


# ---- steel types, electrode layouts, tower arrangements ----

def steel(kind):
    s = Svg(70, 70)
    if kind in (0, 1):  # solid round bar, pipe
        s.circle(35, 28, 17, 1.4, fill="#ccc")
        if kind == 1:
            s.circle(35, 28, 12, 1.2, fill="#fff")
        s.dim(18, 54, 52, 54, None)
        s.line(18, 30, 18, 57, 0.4)
        s.line(52, 30, 52, 57, 0.4)
        s.sym(35, 66, "d", 13)
    elif kind == 2:  # flat bar
        s.add(f'<rect x="12" y="24" width="46" height="10" fill="#ccc" stroke="{INK}" stroke-width="1.4"/>')
        s.dim(12, 50, 58, 50, None)
        s.line(12, 36, 12, 53, 0.4)
        s.line(58, 36, 58, 53, 0.4)
        s.sym(35, 64, "b", 13)
    else:  # equal angle
        s.path("M24,4 L32,4 L32,40 L64,40 L64,48 L24,48 Z", 1.4, fill="#ccc")
        s.dim(15, 4, 15, 48, None)
        s.line(13, 4, 22, 4, 0.4)
        s.line(13, 48, 22, 48, 0.4)
        s.sym(7, 30, "b1", 12)
        s.dim(24, 55, 64, 55, None)
        s.line(24, 50, 24, 58, 0.4)
        s.line(64, 50, 64, 58, 0.4)
        s.sym(44, 65, "b2", 12)
    return s


def electrode(kind):
    s = Svg(40, 40)
    c = 20
    w = 2.0

    def rays(n, start=90, angles=None, length=15):
        for a in angles or [start + 360 * i / n for i in range(n)]:
            s.line(c, c, c + length * math.cos(math.radians(a)), c - length * math.sin(math.radians(a)), w)

    if kind == 0:
        s.line(5, c, 35, c, w)
    elif kind == 1:
        s.polyline([(8, 6), (8, 32), (34, 32)], w)
    elif kind == 2:
        rays(3, 90)
    elif kind == 3:
        s.circle(c, c, 13, w)
    elif kind == 4:
        rays(4, 0)
    elif kind == 5:
        s.polyline([(7, 7), (33, 7), (33, 33), (7, 33)], w, closed=True)
    elif kind == 6:
        rays(5, 90)
    elif kind == 7:
        rays(6, 90)
    elif kind == 8:
        rays(7, angles=[90, 130, 175, 215, 265, 320, 0])
    else:
        rays(8, 0)
    if kind not in (0, 1, 3, 5):
        s.dot(c, c, 1.6)
    return s


def tower(kind):
    s = Svg(76, 72)
    c = (38, 38)
    if kind == 0:  # steel tower: a square round the four legs, a ray out of each corner
        s.polyline([(26, 26), (50, 26), (50, 50), (26, 50)], 1.4, closed=True)
        for sx, sy in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
            x, y = c[0] + sx * 12, c[1] + sy * 12
            s.line(x, y, x + sx * 14, y + sy * 14, 1.4)
            s.add(f'<rect x="{x - 2:.1f}" y="{y - 2:.1f}" width="4" height="4" fill="{INK}"/>')
        s.dim(26, 56, 50, 56, None)
        s.sym(38, 70, "L1", 12)
        s.dim(51, 25, 63, 13, None)
        s.sym(67, 30, "L2", 12)
    elif kind == 1:  # concrete pole, radial
        s.line(8, 38, 68, 38, 1.4)
        s.line(38, 14, 38, 62, 1.4)
        s.circle(38, 38, 3.5, 1.2, fill="#fff")
        s.dim(42, 31, 68, 31, None)
        s.sym(56, 27, "L1", 12)
        s.dim(31, 42, 31, 62, None)
        s.sym(20, 56, "L2", 12)
    else:  # concrete pole, ring
        s.circle(38, 38, 12, 1.4)
        s.circle(38, 38, 3.5, 1.2, fill="#fff")
        for a in (0, 90, 180, 270):
            ca, sa = math.cos(math.radians(a)), math.sin(math.radians(a))
            s.line(38 + 12 * ca, 38 - 12 * sa, 38 + 28 * ca, 38 - 28 * sa, 1.4)
        s.dim(38, 38, 38 + 12 * math.cos(math.radians(225)), 38 - 12 * math.sin(math.radians(225)), None,
              arrows=1)
        s.sym(20, 62, "L2", 12)
        s.dim(51, 31, 66, 31, None)
        s.sym(59, 27, "L1", 12)
    return s


def main():
    one_rod().write("picShow3", "单支避雷针")
    two_rods().write("picShow4", "双支避雷针")
    four_rods().write("picShow5", "四支等高避雷针矩形布置")
    one_wire().write("picShow6", "单根避雷线")
    two_wires().write("picShow7", "双根等高避雷线")
    picked_two_rods().write("picShow13", "图选双支等高避雷针")
    four_rods(True).write("picShow14", "图选四支等高避雷针矩形布置")
    one_wire(True).write("picShow15", "图选单根避雷线")
    two_wires(True).write("picShow16", "图选双根等高平行避雷线")
    three_rods().write("picShow17", "三支等高避雷针正三角布置")
    three_rods(True).write("picShow18", "图选三支等高避雷针正三角布置")
    building().write("picBuilding", "选点示范")
    for i, t in enumerate(("圆钢", "钢管", "扁钢", "角钢")):
        steel(i).write(f"imgType{i}", t)
    for i in range(10):
        electrode(i).write(f"imgShape{i}", "水平接地极")
    for i, t in enumerate(("铁塔接地装置", "钢筋混凝土杆放射型接地装置", "钢筋混凝土杆环型接地装置")):
        tower(i).write(f"picShape{i}", t)


if __name__ == "__main__":
    main()
    for fault in FAULTS:
        print(fault)
    sys.exit(1 if FAULTS else 0)
