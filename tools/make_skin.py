#!/usr/bin/python3
"""Draws the wizard skin into resources/skin/.

    tools/make_skin.py [--out DIR] [--preview PNG]

Everything is drawn from code with fonts from Debian font packages, so a run
with the same Pillow and libjpeg gives the same bytes.  Shapes are drawn at a
multiple of the final size and scaled down, which gives clean antialiasing.
Every picture is also written at twice its size ("..._2x"), drawn from the same
shapes, for screens drawn at a larger scale.
The image lists are written as 32-bit BI_RGB bitmaps by our own writer and
read back by our own reader before the run counts as done: Pillow writes such
files but drops the alpha byte when it reads them, so it cannot check them.
"""
import argparse
import math
import os
import struct
import sys

from PIL import Image, ImageColor, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONT_DIR = "/usr/share/fonts/truetype"
SANS = "dejavu/DejaVuSans.ttf"
SANS_BOLD = "dejavu/DejaVuSans-Bold.ttf"
TITLE_FONT = "liberation/LiberationSans-Bold.ttf"
SUBTITLE_FONT = "liberation/LiberationSans-Regular.ttf"

ACCENT = (221, 120, 0)
ACCENT_LIGHT = (255, 178, 80)
ACCENT_DARK = (166, 84, 0)
NAVY = (30, 40, 90)
NAVY_DEEP = (18, 22, 56)
CREAM = (250, 246, 234)
MIST = (188, 198, 228)      # secondary glyph tone on navy tiles
CLEAR = (0, 0, 0, 0)        # drawing with it cuts holes into a glyph layer
OUT = 1                     # output pixels per design pixel: 1, then 2 for the "_2x" set


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def rgba(c, a=255):
    if isinstance(c, str):
        c = ImageColor.getrgb(c)
    return c if len(c) == 4 else (c[0], c[1], c[2], a)


def vertical_gradient(w, h, top, bottom):
    """RGB(A) image fading from `top` to `bottom` colour."""
    n = len(top)
    col = Image.new("RGBA" if n == 4 else "RGB", (1, h))
    col.putdata([tuple(round(t + (b - t) * y / max(1, h - 1))
                       for t, b in zip(top, bottom)) for y in range(h)])
    return col.resize((w, h), Image.NEAREST)


def rotate_points(pts, cx, cy, degrees):
    a = math.radians(degrees)
    ca, sa = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * ca - (y - cy) * sa,
             cy + (x - cx) * sa + (y - cy) * ca) for x, y in pts]


class Sketch:
    """An RGBA canvas addressed in design units and drawn `ss` times larger.

    Rectangles are given as continuous edges (x0, y0)-(x1, y1); angles as in
    Pillow: degrees clockwise from three o'clock.
    """

    def __init__(self, w, h, ss, bg=CLEAR):
        self.w, self.h, self.ss = w, h, ss
        self.img = Image.new("RGBA", (round(w * ss), round(h * ss)), bg)
        self.draw = ImageDraw.Draw(self.img)

    def _box(self, x0, y0, x1, y1):
        s = self.ss
        return [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]

    def _pts(self, pts):
        return [(x * self.ss, y * self.ss) for x, y in pts]

    def rect(self, x0, y0, x1, y1, fill, r=0):
        if r:
            self.draw.rounded_rectangle(self._box(x0, y0, x1, y1), round(r * self.ss), fill=rgba(fill))
        else:
            self.draw.rectangle(self._box(x0, y0, x1, y1), fill=rgba(fill))

    def frame(self, x0, y0, x1, y1, width, fill, r=0):
        box = self._box(x0, y0, x1, y1)
        w = max(1, round(width * self.ss))
        if r:
            self.draw.rounded_rectangle(box, round(r * self.ss), outline=rgba(fill), width=w)
        else:
            self.draw.rectangle(box, outline=rgba(fill), width=w)

    def circle(self, cx, cy, r, fill, ry=None):
        ry = r if ry is None else ry
        self.draw.ellipse(self._box(cx - r, cy - ry, cx + r, cy + ry), fill=rgba(fill))

    def ring(self, cx, cy, r, width, fill, ry=None):
        """Stroke of `width` centred on the circle (or ellipse) of radius r."""
        ry = r if ry is None else ry
        h = width / 2
        self.draw.ellipse(self._box(cx - r - h, cy - ry - h, cx + r + h, cy + ry + h),
                          outline=rgba(fill), width=max(1, round(width * self.ss)))

    def poly(self, pts, fill):
        self.draw.polygon(self._pts(pts), fill=rgba(fill))

    def line(self, pts, width, fill, caps=True):
        self.draw.line(self._pts(pts), fill=rgba(fill), width=max(1, round(width * self.ss)),
                       joint="curve")
        if caps:
            for x, y in (pts[0], pts[-1]):
                self.circle(x, y, width / 2, fill)

    def arc(self, cx, cy, r, a0, a1, width, fill, caps=False):
        h = width / 2
        self.draw.arc(self._box(cx - r - h, cy - r - h, cx + r + h, cy + r + h), a0, a1,
                      fill=rgba(fill), width=max(1, round(width * self.ss)))
        if caps:
            for a in (a0, a1):
                t = math.radians(a)
                self.circle(cx + r * math.cos(t), cy + r * math.sin(t), h, fill)

    def pie(self, cx, cy, r, a0, a1, fill):
        self.draw.pieslice(self._box(cx - r, cy - r, cx + r, cy + r), a0, a1, fill=rgba(fill))

    def chord(self, cx, cy, rx, ry, a0, a1, fill):
        self.draw.chord(self._box(cx - rx, cy - ry, cx + rx, cy + ry), a0, a1, fill=rgba(fill))

    def text(self, x, y, s, size, fill, face=SANS_BOLD, anchor="mm"):
        self.draw.text((x * self.ss, y * self.ss), s, font=font(face, round(size * self.ss)),
                       fill=rgba(fill), anchor=anchor)

    def arrow_arc(self, cx, cy, r, a0, a1, width, fill, head=None):
        """Arc from a0 to a1 with an arrow head whose tip lies on the circle at a1."""
        head = head or width * 2.2
        sweep = 1 if a1 > a0 else -1
        ab = a1 - sweep * math.degrees(head / r)
        lo, hi = sorted((a0, ab + sweep * 2))
        self.arc(cx, cy, r, lo, hi, width, fill)
        ta, tb = math.radians(a1), math.radians(ab)
        tip = (cx + r * math.cos(ta), cy + r * math.sin(ta))
        bx, by = cx + r * math.cos(tb), cy + r * math.sin(tb)
        dx, dy = tip[0] - bx, tip[1] - by
        n = math.hypot(dx, dy)
        px, py = -dy / n * head * 0.75, dx / n * head * 0.75
        self.poly([tip, (bx + px, by + py), (bx - px, by - py)], fill)

    def gradient_shape(self, draw_shape, top, bottom):
        """Fills whatever draw_shape(mask_sketch) draws with a vertical gradient."""
        mask = Sketch(self.w, self.h, self.ss)
        draw_shape(mask)
        grad = vertical_gradient(self.img.width, self.img.height, rgba(top), rgba(bottom))
        layer = Image.new("RGBA", self.img.size, CLEAR)
        layer.paste(grad, (0, 0), mask.img.getchannel("A"))
        self.img.alpha_composite(layer)

    def overlay(self, layer_sketch, opacity=1.0):
        layer = layer_sketch.img
        if opacity < 1:
            layer = layer.copy()
            layer.putalpha(layer.getchannel("A").point(lambda v: round(v * opacity)))
        self.img.alpha_composite(layer)

    def result(self):
        return self.img.resize((round(self.w * OUT), round(self.h * OUT)), Image.BOX)


# --------------------------------------------------------------------------
# Navigation glyphs (28 x 28): a white shape, then outlined and coloured.

def nav_voice(s):
    s.rect(3.5, 10, 9, 18, "white")
    s.poly([(8, 10), (14.5, 4.5), (14.5, 23.5), (8, 18)], "white")
    s.arc(15, 14, 4.5, -50, 50, 2.4, "white", caps=True)
    s.arc(15, 14, 9, -50, 50, 2.4, "white", caps=True)


def nav_exit(s):
    s.rect(4, 4, 7, 24, "white", r=1)
    s.rect(4, 4, 16, 7, "white", r=1)
    s.rect(4, 21, 16, 24, "white", r=1)
    s.rect(13, 7, 16, 9.5, "white")
    s.rect(13, 18.5, 16, 21, "white")
    s.rect(10, 12.3, 19, 15.7, "white")
    s.poly([(18, 7.5), (25, 14), (18, 20.5)], "white")


def nav_minimise(s):
    s.rect(5, 17, 23, 22, "white", r=1.5)


def nav_home(s):
    s.poly([(14, 3), (26, 14), (2, 14)], "white")
    s.rect(18.5, 4.5, 22, 11, "white")
    s.rect(6, 13, 22, 25, "white")
    s.rect(12, 17.5, 16, 25, CLEAR)


def nav_previous(s):
    s.poly([(2.5, 14), (13.5, 3.5), (13.5, 10), (25, 10), (25, 18), (13.5, 18), (13.5, 24.5)],
           "white")


def nav_next(s):
    s.poly([(25.5, 14), (14.5, 3.5), (14.5, 10), (3, 10), (3, 18), (14.5, 18), (14.5, 24.5)],
           "white")


NAV_GLYPHS = [
    ("voice", "speaker with sound waves", nav_voice),
    ("exit", "door with an arrow going out", nav_exit),
    ("minimise", "bar", nav_minimise),
    ("home", "house", nav_home),
    ("previous", "left arrow", nav_previous),
    ("next", "right arrow", nav_next),
]

NORMAL_TONES = ((255, 250, 226), (244, 212, 132))
HOT_TONES = ((255, 200, 110), ACCENT)
OUTLINE = (22, 22, 48)


def outlined_glyph(w, h, ss, shape, tones, outline=OUTLINE, outline_px=1.0):
    """Renders shape() filled with a top-to-bottom gradient inside a dark outline."""
    ss *= OUT
    sk = Sketch(w, h, ss)
    shape(sk)
    mask = sk.img.getchannel("A")
    grow = 2 * round(outline_px * ss) + 1
    halo = mask.filter(ImageFilter.MaxFilter(grow))
    out = Image.new("RGBA", sk.img.size, CLEAR)
    out.paste(Image.new("RGBA", sk.img.size, rgba(outline)), (0, 0), halo)
    grad = vertical_gradient(sk.img.width, sk.img.height, rgba(tones[0]), rgba(tones[1]))
    out.paste(grad, (0, 0), mask)
    return out.resize((w * OUT, h * OUT), Image.BOX)


def nav_strip(tones):
    strip = Image.new("RGBA", (28 * OUT * len(NAV_GLYPHS), 28 * OUT), CLEAR)
    for i, (_, _, shape) in enumerate(NAV_GLYPHS):
        strip.paste(outlined_glyph(28, 28, 8, shape, tones), (28 * OUT * i, 0))
    return strip


def check_mark():
    def shape(s):
        s.line([(3.2, 8.6), (6.8, 12.2), (13.8, 3.6)], 3.0, "white")
    return outlined_glyph(17, 16, 8, shape, ((120, 214, 120), (34, 142, 62)),
                          outline=(16, 70, 34), outline_px=0.8)


# --------------------------------------------------------------------------
# Page button icons (32 x 32): a navy tile with a cream/accent glyph.

W, A, AL, AD, N, M = CREAM, ACCENT, ACCENT_LIGHT, ACCENT_DARK, NAVY, MIST


def i_new_company(s):
    s.rect(7, 8, 19, 26, W, r=1)
    for cx in (9.5, 14):
        for cy in (11, 15, 19):
            s.rect(cx, cy, cx + 2.5, cy + 2.2, N)
    s.circle(22, 21, 6.2, A)
    s.rect(21, 17.2, 23, 24.8, W)
    s.rect(18.2, 20, 25.8, 22, W)


def i_open(s):
    s.rect(6, 7, 14, 11, M, r=1)
    s.rect(6, 9, 25, 24, M, r=1.2)
    s.poly([(10, 13), (28, 13), (24.5, 25), (5.5, 25)], A)
    s.poly([(14.5, 15.5), (21, 19), (14.5, 22.5)], W)


def i_folder(s):
    s.rect(5, 8, 14, 12, AD, r=1.2)
    s.rect(5, 10, 27, 25, A, r=1.5)
    s.rect(5, 12.5, 27, 14, AL)


def i_database(s):
    s.circle(16, 22.5, 9, W, ry=3.5)
    s.rect(7, 9.5, 25, 22.5, W)
    for y in (14.2, 18.6):
        s.draw.arc(s._box(7, y - 3.5, 25, y + 3.5), 0, 180, fill=rgba(N),
                   width=round(1.2 * s.ss))
    s.circle(16, 9.5, 9, A, ry=3.5)
    s.circle(16, 9.5, 5.5, AL, ry=1.8)


def i_building(s):
    s.rect(4.5, 14, 11, 26, M, r=0.8)
    s.rect(10, 5, 23, 26, W, r=1)
    for cx in (12.3, 17.2):
        for cy in (8, 12, 16):
            s.rect(cx, cy, cx + 3.4, cy + 2.4, N)
    s.rect(14.3, 20, 18.7, 26, A)
    s.rect(23, 11, 27.5, 26, M, r=0.8)
    for cy in (14, 18, 22):
        s.rect(6.5, cy, 9, cy + 1.6, N)
        s.rect(24.2, cy, 26.2, cy + 1.6, N)


def i_address_card(s):
    s.rect(4, 8, 28, 25, W, r=2)
    s.rect(4, 8, 28, 11, A, r=2)
    s.rect(4, 10, 28, 11.5, A)
    s.circle(10.5, 15.5, 2.6, N)
    s.chord(10.5, 23, 4.8, 4.5, 180, 360, N)
    for y, x1 in ((14, 25), (17.5, 25), (21, 21.5)):
        s.rect(16, y, x1, y + 1.5, N if y < 20 else A, r=0.7)


def i_telephone(s):
    s.poly([(9.5, 14), (22.5, 14), (26, 25.5), (6, 25.5)], W)
    s.ring(16, 19.8, 3.4, 1.4, N)
    s.circle(16, 19.8, 1.2, A)
    s.rect(4.5, 8, 27.5, 12.5, A, r=2.2)
    s.rect(4.5, 10, 10.5, 15, A, r=1.5)
    s.rect(21.5, 10, 27.5, 15, A, r=1.5)
    s.rect(13, 11.5, 19, 14.5, W)


def i_calendar(s):
    s.rect(5.5, 8, 26.5, 26, W, r=2)
    s.rect(5.5, 8, 26.5, 13, A, r=2)
    s.rect(5.5, 11, 26.5, 13, A)
    s.rect(9.5, 5.5, 11.5, 10.5, N, r=0.8)
    s.rect(20.5, 5.5, 22.5, 10.5, N, r=0.8)
    for row in range(3):
        for col in range(4):
            x, y = 8 + col * 4.3, 15 + row * 3.6
            s.rect(x, y, x + 2.6, y + 2.2, A if (row, col) == (1, 2) else N)


def i_clock(s):
    s.circle(16, 16, 10.5, A)
    s.circle(16, 16, 8.6, W)
    for a in range(0, 360, 90):
        t = math.radians(a)
        s.line([(16 + 6.4 * math.cos(t), 16 + 6.4 * math.sin(t)),
                (16 + 7.6 * math.cos(t), 16 + 7.6 * math.sin(t))], 1.3, N)
    s.line([(16, 16), (16, 10)], 1.8, N)
    s.line([(16, 16), (20.5, 18.5)], 1.6, N)
    s.circle(16, 16, 1.4, A)


def coin(s, cx, cy, r, face, rim, mark, mark_colour):
    s.circle(cx, cy, r, rim)
    s.circle(cx, cy, r - 1.3, face)
    s.text(cx, cy + 0.3, mark, r * 1.15, mark_colour)


def i_coins(s):
    for i in range(4):
        y = 24 - i * 3.2
        s.circle(12, y + 1.2, 7, AD, ry=2.6)
        s.rect(5, y - 1.2, 19, y + 1.2, AD)
        s.circle(12, y - 1.2, 7, A if i < 3 else AL, ry=2.6)
    coin(s, 21.5, 19.5, 6.5, AL, W, "$", N)


def i_exchange(s):
    coin(s, 11.5, 11.5, 6.5, A, AL, "$", W)
    coin(s, 20.5, 20.5, 6.5, W, M, "\u20ac", N)
    s.arrow_arc(16, 16, 11.5, -75, -15, 1.6, W, head=3.2)
    s.arrow_arc(16, 16, 11.5, 105, 165, 1.6, W, head=3.2)


def i_chart_of_accounts(s):
    s.rect(8, 11, 9.5, 24.5, M)
    s.rect(8, 16.1, 12, 17.6, M)
    s.rect(8, 23, 12, 24.5, M)
    rows = ((6, 7, 26, A), (11.5, 13.5, 26, W), (11.5, 20.5, 23, W))
    for x, y, x1, c in rows:
        s.rect(x, y, x + 4, y + 4, c, r=0.8)
        s.rect(x + 5.5, y + 1.2, x1, y + 2.8, W, r=0.8)


def i_ledger(s):
    s.rect(10, 6.5, 25.5, 26, W, r=1)
    for y in range(9, 26, 2):
        s.rect(21, y, 25.5, y + 0.8, M)
    s.rect(7, 5, 22.5, 27, A, r=1.5)
    s.rect(7, 5, 10.5, 27, AD, r=1.5)
    s.rect(12.5, 9.5, 20.5, 14.5, W, r=0.8)
    s.rect(14, 11.3, 19, 12.7, N)
    s.rect(12.5, 22, 20.5, 23.2, AL)


def gear(s, cx, cy, r_out, r_root, teeth, colour):
    step = 2 * math.pi / teeth
    pts = []
    for i in range(teeth):
        a = i * step
        for rr, da in ((r_root, -0.3), (r_out, -0.17), (r_out, 0.17), (r_root, 0.3)):
            pts.append((cx + rr * math.cos(a + da * step * 1.6), cy + rr * math.sin(a + da * step * 1.6)))
    s.poly(pts, colour)
    s.circle(cx, cy, r_root, colour)


def i_gear(s):
    gear(s, 16, 16, 11, 8, 8, W)
    s.circle(16, 16, 4.8, A)
    s.circle(16, 16, 2.3, CLEAR)


def i_truck(s):
    s.rect(3.5, 8.5, 19.5, 22, W, r=1)
    s.rect(6, 11.5, 17, 13, M)
    s.poly([(19.5, 12), (24.5, 12), (28.5, 17), (28.5, 22), (19.5, 22)], A)
    s.poly([(21, 13.5), (24, 13.5), (26.5, 17), (21, 17)], N)
    for x in (9, 23.5):
        s.circle(x, 23, 3.4, N)
        s.ring(x, 23, 2.4, 1.5, W)


def person(s, cx, top, scale, head, body):
    s.circle(cx, top + 4.2 * scale, 4.2 * scale, head)
    s.rect(cx - 7.5 * scale, top + 9.6 * scale, cx + 7.5 * scale, top + 20 * scale, body,
           r=6 * scale)


def i_employee(s):
    person(s, 16, 5.5, 1, W, W)
    s.rect(5, 26, 27, 30, CLEAR)
    s.poly([(16, 16), (17.6, 18.5), (16, 24.5), (14.4, 18.5)], A)


def i_customers(s):
    person(s, 9, 8, 0.75, M, M)
    person(s, 23, 8, 0.75, M, M)
    s.circle(16, 10.2, 4.6, N)
    s.rect(7.5, 15.7, 24.5, 27, N, r=6)
    person(s, 16, 6.5, 0.88, W, A)
    s.rect(3, 25, 29, 30, CLEAR)


def box(s, x0, y0, size):
    s.rect(x0, y0, x0 + size, y0 + size, A, r=0.8)
    s.rect(x0, y0, x0 + size, y0 + size * 0.28, AL, r=0.8)
    mid = x0 + size / 2
    s.rect(mid - 1, y0, mid + 1, y0 + size * 0.45, W)


def i_inventory(s):
    box(s, 4.5, 16.5, 10.5)
    box(s, 17, 16.5, 10.5)
    s.rect(10.25, 5.5, 21.75, 16.5, N)
    box(s, 10.75, 6, 10.5)


def i_briefcase(s):
    s.frame(11.5, 6.5, 20.5, 12, 1.8, W, r=1.5)
    s.rect(4.5, 10.5, 27.5, 25.5, A, r=2.2)
    s.rect(4.5, 16, 27.5, 17.6, AD)
    s.rect(14, 14.3, 18, 19.3, W, r=0.8)


def i_bank(s):
    s.poly([(16, 4.5), (28, 11), (4, 11)], W)
    s.circle(16, 8.8, 1.6, A)
    s.rect(5.5, 11.5, 26.5, 13.5, W)
    for x in (7, 12, 17.6, 22.6):
        s.rect(x, 14.5, x + 2.4, 22.5, W)
    s.rect(5, 23, 27, 25, W)
    s.rect(3.5, 25.5, 28.5, 27.5, A, r=0.5)


def i_pin(s):
    s.circle(16, 25.5, 7, M, ry=2)
    s.circle(16, 25.5, 4.2, N, ry=1.1)
    s.circle(16, 12.5, 7.5, A)
    s.poly([(9.2, 15.5), (22.8, 15.5), (16, 25.5)], A)
    s.circle(16, 12.5, 3, W)


def i_scale(s):
    s.rect(15.1, 7, 16.9, 24, W)
    s.rect(10, 24, 22, 26.5, W, r=1)
    s.rect(5.5, 8.3, 26.5, 10, W, r=0.8)
    s.circle(16, 7.2, 2, A)
    for cx in (8.5, 23.5):
        s.line([(cx, 9.5), (cx - 3.6, 17.5)], 0.9, W)
        s.line([(cx, 9.5), (cx + 3.6, 17.5)], 0.9, W)
        s.chord(cx, 17, 4.8, 4, 0, 180, A)


def i_invoice(s):
    s.poly([(7.5, 4.5), (19.5, 4.5), (24.5, 9.5), (24.5, 27.5), (7.5, 27.5)], W)
    s.poly([(19.5, 4.5), (24.5, 9.5), (19.5, 9.5)], M)
    for y, x1 in ((11, 17.5), (14.5, 21.5), (18, 21.5)):
        s.rect(10.5, y, x1, y + 1.5, N, r=0.6)
    s.rect(15, 22, 21.5, 24.5, A, r=0.8)


def status_disc(s, colour=A):
    s.circle(16, 16, 10.5, colour)


def i_check(s):
    status_disc(s)
    s.line([(10.5, 16.5), (14.5, 20.5), (21.5, 11.5)], 3, W)


def i_play(s):
    status_disc(s)
    s.poly([(13, 10), (22.5, 16), (13, 22)], W)


def i_help(s):
    s.circle(16, 16, 10.5, W)
    for a in (45, 135, 225, 315):
        s.pie(16, 16, 10.5, a - 22, a + 22, A)
    s.circle(16, 16, 5.2, CLEAR)


def i_info(s):
    s.circle(16, 16, 10.5, W)
    s.circle(16, 10.8, 1.9, N)
    s.rect(14.4, 14, 17.6, 22.5, N, r=0.6)


def i_warning(s):
    s.line([(16, 5.5), (26.5, 24.5), (5.5, 24.5), (16, 5.5)], 2.4, AL)
    s.poly([(16, 5.5), (26.5, 24.5), (5.5, 24.5)], AL)
    s.rect(14.7, 11, 17.3, 19, N, r=1)
    s.circle(16, 21.8, 1.5, N)


def i_question(s):
    status_disc(s)
    s.text(16.2, 16.6, "?", 19, W)


def i_search(s):
    s.line([(19.5, 19.5), (25.5, 25.5)], 4.2, A)
    s.circle(13.5, 13.5, 7.5, (255, 255, 255, 60))
    s.ring(13.5, 13.5, 7.5, 2.8, W)


def i_calculator(s):
    s.rect(7.5, 4.5, 24.5, 27.5, W, r=2)
    s.rect(10, 7, 22, 12, N, r=0.8)
    s.rect(15, 8.8, 20.5, 10.2, AL)
    for row in range(3):
        for col in range(3):
            x, y = 10 + col * 4.2, 14 + row * 4.4
            if (row, col) in ((1, 2), (2, 2)):
                continue
            s.rect(x, y, x + 3.2, y + 3.2, N, r=0.6)
    s.rect(18.4, 18.4, 21.6, 25.6, A, r=0.6)


def i_printer(s):
    s.rect(10, 5, 22, 13, M, r=0.6)
    s.rect(4.5, 11.5, 27.5, 22.5, W, r=2)
    s.circle(23.8, 14.6, 1.1, A)
    s.rect(8, 18, 24, 19.8, N)
    s.rect(10, 19, 22, 27.5, W)
    s.frame(10, 19, 22, 27.5, 0.8, N)
    for y in (21.5, 24):
        s.rect(12, y, 20, y + 1, A)


def i_lock(s):
    s.arc(16, 13, 5.5, 180, 360, 2.6, W)
    s.rect(9.2, 12.5, 11.8, 16, W)
    s.rect(20.2, 12.5, 22.8, 16, W)
    s.rect(7.5, 14.5, 24.5, 27, A, r=2)
    s.circle(16, 19.3, 2, N)
    s.poly([(15.1, 19.5), (16.9, 19.5), (17.4, 24), (14.6, 24)], N)


def i_key(s):
    s.line([(13.5, 13.5), (25.5, 25.5)], 3.0, W)
    for t in (19.5, 23):
        s.line([(t, t), (t + 2.8, t - 2.8)], 2.6, W, caps=False)
    s.circle(11, 11, 6, A)
    s.circle(9.8, 9.8, 2, CLEAR)


def star_points(cx, cy, r_out, r_in, n=5, rot=-90):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def i_star(s):
    s.poly(star_points(16, 16.8, 11.5, 4.8), A)
    s.poly(star_points(16, 16.8, 6.5, 2.8), AL)


def i_flag(s):
    s.rect(7, 4.5, 9, 27.5, W, r=0.8)
    s.poly([(9, 6), (25.5, 6), (21.5, 11), (25.5, 16), (9, 16)], A)
    s.rect(5, 26, 11, 27.5, W, r=0.6)


def i_refresh(s):
    s.arrow_arc(16, 16, 8.5, 195, 335, 2.6, W, head=5)
    s.arrow_arc(16, 16, 8.5, 15, 155, 2.6, A, head=5)


def i_plus(s):
    status_disc(s)
    s.rect(14.5, 9.5, 17.5, 22.5, W, r=0.8)
    s.rect(9.5, 14.5, 22.5, 17.5, W, r=0.8)


def i_minus(s):
    status_disc(s)
    s.rect(9.5, 14.5, 22.5, 17.5, W, r=0.8)


def i_bar_chart(s):
    for x, top, c in ((7, 17, W), (12.5, 13, W), (18, 9, W), (23.5, 5.5, A)):
        s.rect(x, top, x + 3.8, 24.5, c, r=0.5)
    s.rect(5, 25, 28, 26.5, M)


def i_pie_chart(s):
    s.pie(15, 17, 9.5, -90 + 0, 360 - 90, W)
    s.pie(15, 17, 9.5, -90, 0, CLEAR)
    s.pie(17, 15, 9.5, -90, 0, A)


def i_envelope(s):
    s.rect(4.5, 8.5, 27.5, 24.5, W, r=1.5)
    s.line([(5.5, 9.8), (16, 18), (26.5, 9.8)], 1.4, N)
    s.circle(16, 18, 2.6, A)


def i_globe(s):
    s.circle(16, 16, 10.5, A)
    s.circle(16, 16, 9, W)
    s.ring(16, 16, 4, 1.2, N, ry=9)
    s.rect(15.4, 7, 16.6, 25, N)
    s.rect(7, 15.4, 25, 16.6, N)
    for y in (11.2, 20.8):
        s.rect(8.8, y - 0.5, 23.2, y + 0.5, N)


def i_percent(s):
    s.line([(22.5, 7.5), (9.5, 24.5)], 3, A)
    s.ring(11, 11, 3, 2.2, W)
    s.ring(21, 21, 3, 2.2, W)


def i_credit_card(s):
    s.rect(3.5, 8, 28.5, 25, A, r=2.5)
    s.rect(3.5, 11.5, 28.5, 15, N)
    s.rect(6.5, 17.5, 11.5, 21.5, AL, r=0.8)
    s.rect(14, 19, 25.5, 20.3, W, r=0.5)


def i_wallet(s):
    s.rect(8, 6, 23, 14, W, r=0.8)
    s.rect(8, 8.5, 23, 9.5, M)
    s.rect(4.5, 10.5, 26, 26, A, r=2.5)
    s.rect(18.5, 14.5, 28.5, 21.5, AD, r=2)
    s.circle(22.3, 18, 1.5, W)


def i_safe(s):
    s.rect(5, 5.5, 27, 25.5, W, r=2)
    s.frame(7.8, 8.3, 24.2, 22.7, 1.2, N, r=1)
    s.circle(16, 15.5, 4.6, A)
    s.circle(16, 15.5, 2.2, W)
    s.line([(16, 10.9), (16, 12.6)], 1.1, N, caps=False)
    s.rect(6.5, 25.5, 10.5, 27.5, M)
    s.rect(21.5, 25.5, 25.5, 27.5, M)


def i_documents(s):
    s.rect(11, 4.5, 25.5, 22, M, r=1)
    s.rect(6.5, 9.5, 21, 27.5, W, r=1)
    for y, x1 in ((13, 18), (16.5, 18), (20, 18), (23.5, 14.5)):
        s.rect(9.5, y, x1, y + 1.3, N if y < 22 else A, r=0.5)


def i_save(s):
    s.poly([(6, 5.5), (23, 5.5), (26.5, 9), (26.5, 26.5), (6, 26.5)], A)
    s.rect(10.5, 5.5, 21.5, 12.5, W)
    s.rect(17.3, 7, 19.7, 11, N)
    s.rect(9, 16, 23.5, 26.5, W, r=0.8)
    for y in (19, 22.5):
        s.rect(11, y, 21.5, y + 1.1, M)


def i_pencil(s):
    c = 16
    body = [(c - 2.8, 3), (c + 2.8, 3), (c + 2.8, 20), (c - 2.8, 20)]
    s.poly(rotate_points(body, c, 16, 45), A)
    s.poly(rotate_points([(c - 2.8, 3), (c + 2.8, 3), (c + 2.8, 6.5), (c - 2.8, 6.5)], c, 16, 45), W)
    s.poly(rotate_points([(c - 2.8, 20), (c + 2.8, 20), (c, 27.5)], c, 16, 45), (255, 222, 168))
    s.poly(rotate_points([(c - 1.1, 25), (c + 1.1, 25), (c, 27.5)], c, 16, 45), N)
    s.poly(rotate_points([(c - 0.6, 6.5), (c + 0.6, 6.5), (c + 0.6, 20), (c - 0.6, 20)], c, 16, 45), AD)


def i_trash(s):
    s.frame(12.5, 4.5, 19.5, 8.5, 1.5, W, r=1)
    s.rect(6.5, 7.5, 25.5, 10.5, A, r=1)
    s.poly([(8.5, 12), (23.5, 12), (22, 27), (10, 27)], W)
    for x in (12.3, 15.3, 18.3):
        s.rect(x, 14.5, x + 1.4, 24.5, N, r=0.5)


def i_cross(s):
    status_disc(s)
    s.line([(11.5, 11.5), (20.5, 20.5)], 3, W)
    s.line([(20.5, 11.5), (11.5, 20.5)], 3, W)


def i_home(s):
    s.rect(8, 14, 24, 26.5, W)
    s.rect(14, 18.5, 18, 26.5, N)
    s.rect(20, 6, 23, 12, AD)
    s.line([(5, 15.5), (16, 5.5), (27, 15.5)], 3, A)


def i_tag(s):
    body = [(8, 10), (18, 10), (25, 16), (18, 22), (8, 22)]
    s.poly(rotate_points(body, 16, 16, -45), A)
    hx, hy = rotate_points([(19.5, 16)], 16, 16, -45)[0]
    s.circle(hx, hy, 1.7, CLEAR)
    s.poly(rotate_points([(9.5, 14.7), (15.5, 14.7), (15.5, 17.3), (9.5, 17.3)], 16, 16, -45), AL)


def i_receipt(s):
    pts = [(8, 4.5), (24, 4.5), (24, 25)]
    x = 24.0
    while x > 8.1:
        pts += [(x - 1.33, 27.5), (x - 2.67, 25)]
        x -= 2.67
    s.poly(pts, W)
    for y, x1 in ((8.5, 21), (12, 18), (15.5, 21)):
        s.rect(11, y, x1, y + 1.3, N, r=0.5)
    s.rect(11, 19.5, 21, 20.5, M)
    s.rect(15.5, 21.5, 21, 23.3, A, r=0.6)


def i_speaker(s):
    s.rect(5, 12.5, 10.5, 19.5, W)
    s.poly([(9.5, 12.5), (16, 7), (16, 25), (9.5, 19.5)], W)
    s.arc(16.5, 16, 4.5, -50, 50, 2.2, A, caps=True)
    s.arc(16.5, 16, 8.5, -50, 50, 2.2, A, caps=True)


def i_bulb(s):
    for a in (-150, -120, -90, -60, -30):
        t = math.radians(a)
        s.line([(16 + 9.5 * math.cos(t), 12.5 + 9.5 * math.sin(t)),
                (16 + 11.5 * math.cos(t), 12.5 + 11.5 * math.sin(t))], 1.3, W)
    s.circle(16, 12.5, 6.8, AL)
    s.poly([(11.3, 16), (20.7, 16), (19, 21), (13, 21)], AL)
    s.circle(13.8, 10.5, 2, (255, 236, 200))
    s.rect(12.8, 21, 19.2, 26, W, r=0.8)
    for y in (22.6, 24.2):
        s.rect(12.8, y, 19.2, y + 0.6, M)


def i_door(s):
    s.rect(8.5, 4.5, 23.5, 27.5, W, r=0.8)
    s.rect(10.5, 6.5, 21.5, 27.5, NAVY_DEEP)
    s.poly([(10.5, 6.5), (19, 9), (19, 28.5), (10.5, 27.5)], A)
    s.circle(17, 18, 1.1, W)


def i_import(s):
    s.line([(6, 17), (6, 25.5), (26, 25.5), (26, 17)], 2.6, W)
    s.rect(14.4, 4.5, 17.6, 14, A)
    s.poly([(10, 13), (22, 13), (16, 20.5)], A)


TUTORIAL_ICONS = [
    ("new company", i_new_company),
    ("open / continue a company", i_open),
    ("folder", i_folder),
    ("database", i_database),
    ("building / company", i_building),
    ("address card", i_address_card),
    ("telephone", i_telephone),
    ("calendar / fiscal year", i_calendar),
    ("clock", i_clock),
    ("coins", i_coins),
    ("currency exchange", i_exchange),
    ("chart of accounts", i_chart_of_accounts),
    ("ledger book", i_ledger),
    ("default accounts / settings (gear)", i_gear),
    ("vendors (truck)", i_truck),
    ("employee", i_employee),
    ("customers (group)", i_customers),
    ("inventory (boxes)", i_inventory),
    ("jobs (briefcase)", i_briefcase),
    ("bank", i_bank),
    ("location (pin)", i_pin),
    ("balance / opening balances (scale)", i_scale),
    ("invoice", i_invoice),
    ("done (check mark)", i_check),
    ("play / voice", i_play),
    ("help (lifebuoy)", i_help),
    ("information", i_info),
    ("warning", i_warning),
    ("question", i_question),
    ("search", i_search),
    ("calculator", i_calculator),
    ("printer", i_printer),
    ("lock / password", i_lock),
    ("key", i_key),
    ("star / favourite", i_star),
    ("flag / finish", i_flag),
    ("arrows (refresh / repeat)", i_refresh),
    ("plus / add", i_plus),
    ("minus / remove", i_minus),
    ("bar chart / reports", i_bar_chart),
    ("pie chart / periods", i_pie_chart),
    ("envelope / e-mail", i_envelope),
    ("globe / country", i_globe),
    ("percent / tax", i_percent),
    ("credit card", i_credit_card),
    ("wallet / cash", i_wallet),
    ("safe", i_safe),
    ("documents / copy", i_documents),
    ("save", i_save),
    ("pencil / edit", i_pencil),
    ("trash / delete", i_trash),
    ("close / cancel", i_cross),
    ("home", i_home),
    ("price tag / items", i_tag),
    ("receipt", i_receipt),
    ("speaker / narration", i_speaker),
    ("light bulb / tip", i_bulb),
    ("door / exit", i_door),
    ("import (arrow into tray)", i_import),
]

TILE_TOP, TILE_BOTTOM = (60, 76, 142), (28, 37, 86)


def tutorial_icon(glyph, ss=8):
    ss *= OUT
    sk = Sketch(32, 32, ss)
    shadow = Sketch(32, 32, ss)
    shadow.rect(1, 1.8, 31, 31.6, (10, 14, 40, 90), r=6)
    sk.overlay(shadow)
    sk.gradient_shape(lambda m: m.rect(1, 1, 31, 31, "white", r=6), TILE_TOP, TILE_BOTTOM)
    rim = Sketch(32, 32, ss)
    rim.frame(1, 1, 31, 31, 0.7, (140, 156, 214, 110), r=6)
    sk.overlay(rim)
    layer = Sketch(32, 32, ss)
    glyph(layer)
    sk.overlay(layer)
    return sk.result()


def tutorial_strip():
    strip = Image.new("RGBA", (32 * OUT * len(TUTORIAL_ICONS), 32 * OUT), CLEAR)
    for i, (_, glyph) in enumerate(TUTORIAL_ICONS):
        strip.paste(tutorial_icon(glyph), (32 * OUT * i, 0))
    return strip


# --------------------------------------------------------------------------
# Backgrounds

PANEL = (4, 116, 680, 528)          # where the pages are placed
NAV_TOP = 540
BG_SS = 3


def soft_shadow(size, box, ss, colour, radius, blur, offset=(0, 0)):
    sk = Sketch(size[0], size[1], ss)
    x0, y0, x1, y1 = box
    sk.rect(x0 + offset[0], y0 + offset[1], x1 + offset[0], y1 + offset[1], colour, r=radius)
    sk.img = sk.img.filter(ImageFilter.GaussianBlur(blur * ss))
    return sk


def emblem(s, cx, cy, r):
    s.circle(cx, cy, r + 1.5, (14, 18, 48))
    s.ring(cx, cy, r, 2.5, ACCENT)
    s.circle(cx, cy, r - 4, (40, 54, 116))
    base = cy + r * 0.42
    bw = r * 0.22
    for i, h in enumerate((0.35, 0.6, 0.9)):
        x = cx - r * 0.48 + i * r * 0.36
        s.rect(x, base - r * h, x + bw, base, CREAM if i < 2 else ACCENT_LIGHT, r=1)
    s.rect(cx - r * 0.6, base + 1, cx + r * 0.6, base + 2.6, CREAM)


def main_background():
    w, h, ss = 800, 600, BG_SS * OUT
    sk = Sketch(w, h, ss)
    sk.img.paste(vertical_gradient(w * ss, h * ss, (229, 232, 239), (212, 217, 228)))

    # header band
    sk.img.paste(vertical_gradient(w * ss, 105 * ss, (38, 50, 110), (22, 29, 72)), (0, 0))
    deco = Sketch(w, h, ss)
    deco.circle(700, -40, 170, (255, 255, 255, 12))
    deco.circle(790, 60, 120, (255, 255, 255, 10))
    deco.ring(700, -40, 150, 1.2, rgba(ACCENT, 70))
    deco.ring(610, 150, 120, 1, (255, 255, 255, 28))
    deco.rect(0, 105, w, h, CLEAR)
    sk.overlay(deco)
    emblem(sk, 50, 52, 27)
    sk.text(94, 44, "Company Set-up Assistant", 31, (255, 255, 255), TITLE_FONT, anchor="ls")
    sk.text(95, 70, "Set up your company books, one step at a time", 14.5, (242, 196, 132),
            SUBTITLE_FONT, anchor="ls")
    sk.rect(0, 103, w, 105, ACCENT)
    sk.rect(0, 105, w, 106, (12, 16, 40))

    # content panel: light and quiet, pages draw dark text on it
    sk.overlay(soft_shadow((w, h), PANEL, ss, (20, 28, 70, 90), 3, 3, (1, 2)))
    x0, y0, x1, y1 = PANEL
    sk.gradient_shape(lambda m: m.rect(x0, y0, x1, y1, "white", r=3), (252, 251, 248), (246, 244, 238))
    sk.frame(x0, y0, x1, y1, 1, (196, 200, 212), r=3)

    # right-hand decorative column
    cx0, cy0, cx1, cy1 = 686, 116, 796, 528
    sk.overlay(soft_shadow((w, h), (cx0, cy0, cx1, cy1), ss, (20, 28, 70, 90), 4, 3, (1, 2)))
    sk.gradient_shape(lambda m: m.rect(cx0, cy0, cx1, cy1, "white", r=4), (44, 58, 122), (24, 31, 76))
    col = Sketch(w, h, ss)
    for y in range(152, 500, 28):
        col.rect(cx0 + 10, y, cx1 - 10, y + 1, (255, 255, 255, 13))
    for i, r in enumerate((26, 46, 66, 86)):
        col.ring(cx1, cy0, r, 1.3, rgba(ACCENT_LIGHT, 120) if i % 2 == 0 else (255, 255, 255, 40))
    mid = (cx0 + cx1) / 2
    col.circle(mid, 296, 40, (255, 255, 255, 8))
    col.ring(mid, 296, 28, 9, (255, 255, 255, 26))
    col.arc(mid, 296, 28, -90, 25, 9, rgba(ACCENT_LIGHT, 190))
    col.arc(mid, 296, 28, 29, 75, 9, (255, 255, 255, 60))
    col.ring(mid, 296, 40, 1, (255, 255, 255, 30))
    pts = [(700, 484), (716, 470), (732, 476), (748, 450), (764, 456), (781, 424)]
    for i in range(5):
        top = 500 - 12 - i * 11
        col.rect(695 + i * 17, top, 707 + i * 17, 500, (255, 255, 255, 20))
    col.line(pts, 2, rgba(ACCENT_LIGHT, 230))
    for x, y in pts:
        col.circle(x, y, 3, CREAM)
        col.circle(x, y, 1.6, ACCENT)
    col.rect(cx0 + 8, 500, cx1 - 8, 501.5, (255, 255, 255, 70))
    col.rect(0, 0, cx0, h, CLEAR)
    col.rect(cx0, 0, w, cy0, CLEAR)
    col.rect(cx0, cy1, w, h, CLEAR)
    sk.overlay(col)

    # navigation bar: dark enough for the yellow captions and glyphs
    sk.img.paste(vertical_gradient(w * ss, (h - NAV_TOP) * ss, (36, 40, 94), (16, 18, 50)),
                 (0, NAV_TOP * ss))
    sk.rect(0, NAV_TOP - 2, w, NAV_TOP, ACCENT)
    sk.rect(0, NAV_TOP, w, NAV_TOP + 1, (70, 78, 140))
    sk.rect(0, h - 1, w, h, (10, 12, 32))
    return sk.result().convert("RGB")


def message_background():
    w, h, ss = 450, 180, BG_SS * OUT
    vis_w, vis_h = 449, 154
    sk = Sketch(w, h, ss)
    sk.img.paste(vertical_gradient(w * ss, h * ss, (44, 40, 104), (24, 22, 64)))
    deco = Sketch(w, h, ss)
    deco.circle(430, 10, 90, (255, 255, 255, 10))
    deco.circle(40, 190, 120, (255, 255, 255, 8))
    sk.overlay(deco)
    # frame of the visible part
    sk.frame(0, 0, vis_w, vis_h, 1, ACCENT)
    sk.frame(1, 1, vis_w - 1, vis_h - 1, 1, (12, 10, 36))
    # the panel the program fills, with a hairline around it
    sk.overlay(soft_shadow((w, h), (11, 11, 371, 104), ss, (6, 4, 20, 150), 0, 2.5, (1, 1.5)))
    sk.rect(10, 10, 372, 105, ACCENT_DARK)
    sk.rect(11, 11, 371, 104, (54, 15, 113))
    # question emblem in the strip beside the panel
    ex, ey, er = 410.5, 57.5, 27
    sk.circle(ex, ey + 1.5, er + 2, (8, 6, 26))
    sk.gradient_shape(lambda m: m.circle(ex, ey, er, "white"), (250, 160, 48), (196, 100, 0))
    sk.ring(ex, ey, er - 3.5, 1.2, (255, 214, 150))
    sk.text(ex + 0.5, ey + 1.5, "?", 34, (255, 255, 255), SANS_BOLD)
    return sk.result().convert("RGB")


# --------------------------------------------------------------------------
# Spin button arrows (9 x 6): pixel-exact black triangles, drawn without smoothing
# so that they stay sharp at their tiny size.

SPIN_ARROW = [
    ".........",
    "....X....",
    "...XXX...",
    "..XXXXX..",
    ".XXXXXXX.",
    ".........",
]


def spin_glyph(rows):
    img = Image.new("RGBA", (9, 6), CLEAR)
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "X":
                img.putpixel((x, y), (0, 0, 0, 255))
    # pixel art: each pixel becomes a block, never smoothed
    return img.resize((9 * OUT, 6 * OUT), Image.NEAREST)


# --------------------------------------------------------------------------
# 32-bit BMP writer and reader

def bmp32_bytes(img):
    """BI_RGB, bottom-up rows, BGRA with straight alpha; clear pixels are zero."""
    img = img.convert("RGBA")
    w, h = img.size
    rows = []
    data = img.tobytes()
    for y in range(h - 1, -1, -1):
        row = bytearray(w * 4)
        for x in range(w):
            r, g, b, a = data[(y * w + x) * 4:(y * w + x) * 4 + 4]
            if a:
                row[x * 4:x * 4 + 4] = bytes((b, g, r, a))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + pixels


def read_bmp32(blob):
    """Reads back what bmp32_bytes writes; raises on anything else."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", blob, 0)
    hsize, w, h, planes, bits, comp, isize = struct.unpack_from("<IiiHHII", blob, 14)
    if magic != b"BM" or size != len(blob) or hsize != 40 or planes != 1:
        raise ValueError("not a plain BMP")
    if bits != 32 or comp != 0 or h <= 0 or isize != w * h * 4 or offset + isize != size:
        raise ValueError("not a bottom-up 32-bit BI_RGB bitmap")
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = blob[offset + y * w * 4:offset + (y + 1) * w * 4]
        for x in range(w):
            b, g, r, a = row[x * 4:x * 4 + 4]
            out += bytes((r, g, b, a))
    return Image.frombytes("RGBA", (w, h), bytes(out))


def without_hidden_colour(img):
    clear = Image.new("RGBA", img.size, CLEAR)
    return Image.composite(img, clear, img.getchannel("A").point(lambda v: 255 if v else 0))


def write_bmp(path, img, expect_size):
    if img.size != expect_size:
        raise ValueError(f"{path}: {img.size} instead of {expect_size}")
    blob = bmp32_bytes(img)
    back = read_bmp32(blob)
    if back.tobytes() != without_hidden_colour(img).tobytes():
        raise ValueError(f"{path}: bitmap does not read back")
    alpha = back.getchannel("A").getextrema()
    if alpha != (0, 255):
        raise ValueError(f"{path}: alpha spans {alpha}, expected transparent and opaque pixels")
    with open(path, "wb") as f:
        f.write(blob)


def write_jpeg(path, img, expect_size):
    if img.size != expect_size:
        raise ValueError(f"{path}: {img.size} instead of {expect_size}")
    # 4:4:4 keeps the thin accent lines and text crisp
    img.save(path, "JPEG", quality=90, subsampling=0, optimize=False)


# --------------------------------------------------------------------------
# Preview: the skin as the program will show it, plus enlarged strips

NAV_BUTTONS = [  # picture coordinates, glyph index, caption
    ((16, 552, 49, 581), 1, "Exit"),
    ((61, 565, 91, 577), 2, "Min"),
    ((521, 552, 555, 581), 3, "Home"),
    ((599, 552, 631, 581), 4, "Back"),
    ((635, 552, 666, 581), 5, "Next"),
]


def preview(main, message, norm, hot, tutorial, check):
    canvas = Image.new("RGB", (1270, 1120), (90, 90, 90))
    bg = main.copy().convert("RGBA")
    cap = font(SANS_BOLD, 9)
    d = ImageDraw.Draw(bg)
    for n, (box, idx, text) in enumerate(NAV_BUTTONS):
        strip = hot if n == 3 else norm
        glyph = strip.crop((idx * 28, 0, idx * 28 + 28, 28))
        gx = (box[0] + box[2]) // 2 - 14
        gy = 552
        bg.alpha_composite(glyph, (gx, gy))
        d.text(((box[0] + box[2]) // 2, 588), text, font=cap, fill=(255, 230, 120), anchor="mt")
    page = ImageDraw.Draw(bg)
    page.text((24, 132), "Welcome", font=font(SANS_BOLD, 20), fill=(20, 24, 50))
    page.text((24, 164), "This assistant creates the books of your company.", font=font(SANS, 13),
              fill=(40, 44, 70))
    for i in range(12):
        x, y = 24 + (i % 4) * 160, 210 + (i // 4) * 60
        bg.alpha_composite(tutorial.crop((i * 32, 0, i * 32 + 32, 32)), (x, y))
        page.text((x + 40, y + 9), TUTORIAL_ICONS[i][0][:18], font=font(SANS, 12), fill=(30, 34, 60))
        if i % 3 == 0:
            bg.alpha_composite(check, (x + 140, y + 8))
    bg.alpha_composite(norm.crop((0, 0, 28, 28)), (24, 480))
    bg.alpha_composite(hot.crop((0, 0, 28, 28)), (60, 480))
    canvas.paste(bg.convert("RGB"), (0, 0))

    msg = message.copy()
    md = ImageDraw.Draw(msg)
    md.rectangle((11, 11, 370, 103), fill=(54, 15, 113))
    md.text((24, 30), "Do you want to leave the assistant?", font=font(SANS_BOLD, 13), fill=(255, 255, 255))
    for x0, x1, t in ((116, 179, "Yes"), (197, 260, "No"), (278, 341, "Cancel")):
        md.rectangle((x0, 110, x1 - 1, 136), fill=(255, 213, 170))
        md.text(((x0 + x1) // 2, 123), t, font=font(SANS_BOLD, 11), fill=(30, 20, 60), anchor="mm")
    canvas.paste(msg.crop((0, 0, 449, 154)), (810, 0))

    def big(img, k):
        return img.resize((img.width * k, img.height * k), Image.NEAREST)
    backdrop = Image.new("RGBA", (420, 260), (34, 38, 90, 255))
    backdrop.paste((245, 243, 238, 255), (0, 130, 420, 260))
    for row, strip in enumerate((norm, hot)):
        for y0 in (0, 130):
            backdrop.alpha_composite(big(strip, 2), (20, y0 + 8 + row * 62))
    canvas.paste(backdrop.convert("RGB"), (810, 170))
    light = Image.new("RGBA", (1240, 32 * 3 * 5 + 20), (246, 244, 238, 255))
    per_row = 12
    for i in range(len(TUTORIAL_ICONS)):
        x, y = 10 + (i % per_row) * 102, 10 + (i // per_row) * 100
        light.alpha_composite(big(tutorial.crop((i * 32, 0, i * 32 + 32, 32)), 3), (x, y))
    canvas.paste(light.crop((0, 0, 1240, 510)).convert("RGB"), (0, 610))
    bc = Image.new("RGBA", (80, 80), (246, 244, 238, 255))
    bc.alpha_composite(big(check, 4), (6, 8))
    canvas.paste(bc.convert("RGB"), (1180, 440))
    return canvas


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(ROOT, "resources", "skin"))
    ap.add_argument("--preview", help="also write a PNG showing the skin in use")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)

    global OUT
    for OUT in (1, 2):
        main_bg = main_background()
        message_bg = message_background()
        norm = nav_strip(NORMAL_TONES)
        hot = nav_strip(HOT_TONES)
        tutorial = tutorial_strip()
        check = check_mark()

        def out(name):
            stem, ext = os.path.splitext(name)
            return os.path.join(args.out, stem + ("_2x" if OUT == 2 else "") + ext)

        def size(w, h):
            return (w * OUT, h * OUT)

        write_jpeg(out("main_background.jpg"), main_bg, size(800, 600))
        write_jpeg(out("message_background.jpg"), message_bg, size(450, 180))
        write_bmp(out("norm_images.bmp"), norm, size(168, 28))
        write_bmp(out("hot_images.bmp"), hot, size(168, 28))
        write_bmp(out("tutorial_images.bmp"), tutorial, size(32 * 59, 32))
        write_bmp(out("check_mark.bmp"), check, size(17, 16))
        write_bmp(out("DBSpinUp.bmp"), spin_glyph(SPIN_ARROW), size(9, 6))
        write_bmp(out("DBSpinDown.bmp"), spin_glyph(SPIN_ARROW[::-1]), size(9, 6))
        if args.preview and OUT == 1:
            preview(main_bg, message_bg, norm, hot, tutorial, check).save(args.preview)
    return 0


if __name__ == "__main__":
    sys.exit(main())
