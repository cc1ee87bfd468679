#!/usr/bin/env python3
"""Draw the Vossik' icons and button glyphs and write them next to this script.

Standard library only. Every picture is described as a stack of layers; a
layer is a colour plus a signed distance function (negative inside the shape)
in "unit" coordinates: (0, 0) is the top-left corner of the icon, (1, 1) the
bottom-right one, y grows downwards. Each pixel is sampled 4x4 times, which
gives the anti-aliasing.

The .ico files hold 32-bit BGRA images (straight alpha) followed by the 1-bit
AND mask that old code paths still look at; from 32 pixels up, the same pixels
as PNG images.

The button glyphs are 24-bit .bmp strips, the normal image then the greyed one,
on an olive background that the program shows transparent; edge pixels are
blended over the usual button face.

Usage:  python3 make_icons.py          (rewrites the *.ico and *.bmp files)
"""

import math
import os
import struct
import zlib

SUPERSAMPLE = 4

# Colours, (r, g, b, a) with components 0..255.
RED = (214, 34, 40, 255)
RED_DARK = (150, 16, 22, 255)
BLUE = (32, 112, 216, 255)
BLUE_DARK = (14, 70, 150, 255)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
GREEN = (24, 150, 40, 255)
GREEN_DARK = (10, 90, 20, 255)
GREY = (150, 150, 150, 255)
GREY_DARK = (110, 110, 110, 255)
OLIVE = (128, 128, 0)
BUTTON_FACE = (240, 240, 240)


# --------------------------------------------------------------------------
# Signed distance helpers.  Each returns a function (x, y) -> distance.
# --------------------------------------------------------------------------

def _seg_param(px, py, ax, ay, bx, by):
    """Projection parameter t in [0, 1] of p onto segment ab, and the distance."""
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return t, math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def stroke(points, half_width):
    """A polyline with round caps and round joins."""
    segs = list(zip(points, points[1:]))

    def sdf(x, y):
        return min(_seg_param(x, y, a[0], a[1], b[0], b[1])[1] for a, b in segs) - half_width
    return sdf


def tapered(a, b, r_a, r_b):
    """A stroke from a to b whose half-width goes from r_a to r_b (teardrop)."""
    def sdf(x, y):
        t, d = _seg_param(x, y, a[0], a[1], b[0], b[1])
        return d - (r_a + (r_b - r_a) * t)
    return sdf


def arc(cx, cy, radius, half_width, start_deg, sweep_deg):
    """Part of a ring, round caps.  Angles grow clockwise on screen (y down)."""
    s = math.radians(start_deg)
    e = math.radians(start_deg + sweep_deg)
    ends = [(cx + radius * math.cos(s), cy + radius * math.sin(s)),
            (cx + radius * math.cos(e), cy + radius * math.sin(e))]

    def sdf(x, y):
        ang = (math.degrees(math.atan2(y - cy, x - cx)) - start_deg) % 360.0
        if ang <= sweep_deg:
            return abs(math.hypot(x - cx, y - cy) - radius) - half_width
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half_width
    return sdf


def polygon(points):
    """A convex polygon (any winding)."""
    n = len(points)
    edges = [(points[i], points[(i + 1) % n]) for i in range(n)]
    # Winding sign, so that "inside" tests work whatever order was given.
    area = sum(a[0] * b[1] - b[0] * a[1] for a, b in edges)
    sign = 1.0 if area > 0 else -1.0

    def sdf(x, y):
        dist = min(_seg_param(x, y, a[0], a[1], b[0], b[1])[1] for a, b in edges)
        inside = all(sign * ((b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0])) >= 0
                     for a, b in edges)
        return -dist if inside else dist
    return sdf


def union(*sdfs):
    return lambda x, y: min(f(x, y) for f in sdfs)


def grow(sdf, amount):
    """The same shape, thicker by `amount` all around (negative: thinner)."""
    return lambda x, y: sdf(x, y) - amount


# --------------------------------------------------------------------------
# Rasteriser
# --------------------------------------------------------------------------

def render(size, layers):
    """layers: list of (rgba, sdf), bottom first.  Returns rows of (r,g,b,a)."""
    n = SUPERSAMPLE
    offsets = [(i + 0.5) / n for i in range(n)]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied r, g, b and alpha
            for oy in offsets:
                for ox in offsets:
                    x = (px + ox) / size
                    y = (py + oy) / size
                    r = g = b = a = 0.0
                    for (cr, cg, cb, ca), sdf in layers:
                        if sdf(x, y) <= 0.0:
                            la = ca / 255.0
                            r = cr * la + r * (1.0 - la)
                            g = cg * la + g * (1.0 - la)
                            b = cb * la + b * (1.0 - la)
                            a = la + a * (1.0 - la)
                    acc[0] += r
                    acc[1] += g
                    acc[2] += b
                    acc[3] += a
            count = n * n
            alpha = acc[3] / count
            if alpha <= 0.0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(c / count / alpha)) for c in acc[:3])
                           + (int(round(alpha * 255)),))
        rows.append(row)
    return rows


# --------------------------------------------------------------------------
# ICO writer
# --------------------------------------------------------------------------

def ico_image(rows):
    """BITMAPINFOHEADER + BGRA pixels + AND mask, rows stored bottom-up."""
    size = len(rows)
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:  # transparent: set the AND bit
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack('<IiiHHIIiiII',
                         40, size, size * 2,  # height counts XOR + AND halves
                         1, 32, 0,            # planes, bits per pixel, BI_RGB
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def png_image(rows):
    """The same pixels as a PNG, which icons may hold since Windows Vista: a quarter of the
    bytes, so the program's file stays small."""
    size = len(rows)
    raw = b''.join(b'\0' + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


# Below this size an image stays a bitmap, as the oldest code paths read the 16-pixel ones.
PNG_FROM = 20


def write_ico(path, images):
    """images: list of pixel rows (square), one per size."""
    blobs = [png_image(rows) if len(rows) >= PNG_FROM else ico_image(rows) for rows in images]
    out = bytearray(struct.pack('<HHH', 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        dim = 0 if size >= 256 else size
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, 'wb') as f:
        f.write(out)


# --------------------------------------------------------------------------
# BMP writer (button glyphs)
# --------------------------------------------------------------------------

def glyph_pixel(rgba):
    r, g, b, a = rgba
    if a == 0:
        return OLIVE
    la = a / 255.0
    return tuple(int(round(c * la + f * (1.0 - la))) for c, f in zip((r, g, b), BUTTON_FACE))


def write_bmp(path, images):
    """images: square pixel rows, placed side by side in one 24-bit strip."""
    size = len(images[0])
    width = size * len(images)
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(size)):
        line = bytearray()
        for rows in images:
            for rgba in rows[y]:
                r, g, b = glyph_pixel(rgba)
                line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(header + info + bytes(pixels))


# --------------------------------------------------------------------------
# The pictures.  Each takes the pixel size, so strokes can be kept at least
# about two pixels wide on the 16x16 version.
# --------------------------------------------------------------------------

def px(size, pixels):
    """A length of `pixels` pixels, in unit coordinates."""
    return pixels / size


def logo_shape(size):
    """The red mark: a bold rounded V and the apostrophe tick after it."""
    hw = max(0.105, px(size, 1.45))
    v = stroke([(0.115, 0.19), (0.375, 0.80), (0.635, 0.19)], hw)
    tick = tapered((0.885, 0.15), (0.82, 0.43),
                   max(0.085, px(size, 1.3)), max(0.035, px(size, 0.6)))
    return union(v, tick)


def logo(size):
    shape = logo_shape(size)
    edge = px(size, 1.0) if size >= 32 else 0.0
    if not edge:
        return [(RED, shape)]
    # A darker rim keeps the mark readable on light taskbars.
    return [(RED_DARK, shape), (RED, grow(shape, -edge))]


def repeat_arrow(size):
    cx, cy = 0.5, 0.53
    radius = 0.28
    hw = max(0.075, px(size, 1.1))
    start, sweep = -20.0, 290.0          # tail at upper right, head at the top
    ring = arc(cx, cy, radius, hw, start, sweep)
    # Arrowhead at the end of the ring, pointing along the clockwise tangent.
    end = math.radians(start + sweep)
    ex, ey = cx + radius * math.cos(end), cy + radius * math.sin(end)
    ux, uy = math.cos(end), math.sin(end)        # outwards
    tx, ty = -math.sin(end), math.cos(end)       # along the ring
    half_base = max(0.18, px(size, 3.2))
    length = max(0.22, px(size, 3.9))
    back = 0.02
    head = polygon([(ex + ux * half_base - tx * back, ey + uy * half_base - ty * back),
                    (ex - ux * half_base - tx * back, ey - uy * half_base - ty * back),
                    (ex + tx * length, ey + ty * length)])
    shape = union(ring, head)
    edge = px(size, 1.0) if size >= 32 else 0.0
    if not edge:
        return [(BLUE, shape)]
    return [(BLUE_DARK, shape), (BLUE, grow(shape, -edge))]


def cross(size):
    hw = max(0.1, px(size, 1.5))
    a, b = 0.22, 0.78
    return [(BLACK, union(stroke([(a, a), (b, b)], hw), stroke([(b, a), (a, b)], hw)))]


def check(size):
    hw = max(0.07, px(size, 1.05))
    mark = stroke([(0.25, 0.52), (0.43, 0.70), (0.76, 0.31)], hw)
    return [(WHITE, grow(mark, px(size, 1.0))), (BLACK, mark)]


def tick_glyph(fill, rim):
    def draw(size):
        mark = stroke([(0.16, 0.52), (0.40, 0.76), (0.84, 0.24)], px(size, 1.7))
        return [(rim, grow(mark, px(size, 0.7))), (fill, mark)]
    return draw


def prohibition_glyph(fill, rim):
    def draw(size):
        hw = px(size, 0.95)
        ring = arc(0.5, 0.5, 0.38, hw, 0.0, 360.0)
        bar = stroke([(0.24, 0.24), (0.76, 0.76)], hw)
        sign = union(ring, bar)
        return [(rim, grow(sign, px(size, 0.4))), (fill, sign)]
    return draw


GLYPHS = [
    # file name,        normal picture,                     greyed picture
    ('zokbtn.bmp',      tick_glyph(GREEN, GREEN_DARK),      tick_glyph(GREY, GREY_DARK)),
    ('zannulerbtn.bmp', prohibition_glyph(RED, RED_DARK),   prohibition_glyph(GREY, GREY_DARK)),
]
GLYPH_SIZE = 18


# Each small icon also at the small-icon sizes of 125 %, 150 % and 200 % (20, 24 and 32), so
# that no scale shows one stretched.
ICONS = [
    # file name,     picture,      sizes
    ('vossik.ico',   logo,         (16, 20, 24, 32, 48)),
    ('zconfig.ico',  logo,         (16, 20, 24, 32)),
    ('zrepeter.ico', repeat_arrow, (16, 20, 24, 32)),
    ('zquitter.ico', cross,        (16, 20, 24, 32)),
    ('zcoche.ico',   check,        (16, 20, 24, 32)),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, draw, sizes in ICONS:
        write_ico(os.path.join(here, name), [render(s, draw(s)) for s in sizes])
        print('wrote', name, 'x'.join(str(s) for s in sizes))
    for name, normal, greyed in GLYPHS:
        write_bmp(os.path.join(here, name),
                  [render(GLYPH_SIZE, normal(GLYPH_SIZE)), render(GLYPH_SIZE, greyed(GLYPH_SIZE))])
        print('wrote', name)


if __name__ == '__main__':
    main()
