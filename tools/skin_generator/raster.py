"""Small RGBA raster with anti-aliased shapes, gradients, glows and a bitmap font.

Everything is plain Python over a float buffer so the skins can be rebuilt anywhere with the
standard library alone; every shape only touches its own bounding box, which keeps a full
set of skins to a few seconds.
"""

import math
import struct
import zlib

from font5x7 import GLYPHS, GLYPH_HEIGHT, GLYPH_WIDTH


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(len(a)))


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        r, g, b, a = colour
        # Premultiplied floats in 0..1, four per pixel: compositing stays a single formula.
        self.px = [r / 255 * a / 255, g / 255 * a / 255, b / 255 * a / 255, a / 255] * (
            width * height
        )

    def blend(self, x, y, rgb, alpha):
        """Source-over of one straight-alpha colour (0..255 channels) at coverage alpha."""
        if alpha <= 0.0 or x < 0 or y < 0 or x >= self.width or y >= self.height:
            return
        i = (y * self.width + x) * 4
        keep = 1.0 - alpha
        p = self.px
        p[i] = rgb[0] / 255 * alpha + p[i] * keep
        p[i + 1] = rgb[1] / 255 * alpha + p[i + 1] * keep
        p[i + 2] = rgb[2] / 255 * alpha + p[i + 2] * keep
        p[i + 3] = alpha + p[i + 3] * keep

    def _box(self, x0, y0, x1, y1):
        return (
            max(0, int(math.floor(x0))),
            max(0, int(math.floor(y0))),
            min(self.width, int(math.ceil(x1))),
            min(self.height, int(math.ceil(y1))),
        )

    def shape(self, x0, y0, x1, y1, radius, paint, opacity=1.0, margin=0.0, band=None):
        """Fills a rounded rectangle [x0,x1)x[y0,y1); paint(x, y, distance) gives (rgb, alpha)
        for each pixel, alpha already including any coverage the painter wants. A painter that
        only touches pixels within band of the edge (outlines, glows) passes it, and the
        interior is skipped."""
        cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
        hw, hh = (x1 - x0) / 2, (y1 - y0) / 2
        radius = min(radius, hw, hh)
        bx0, by0, bx1, by1 = self._box(x0 - margin, y0 - margin, x1 + margin, y1 + margin)
        inset = None if band is None else band + radius + 2
        for y in range(by0, by1):
            columns = range(bx0, bx1)
            if inset is not None and y0 + inset < y < y1 - inset:
                left_end = min(bx1, int(x0 + inset) + 1)
                right_start = max(left_end, int(x1 - inset))
                columns = list(range(bx0, left_end)) + list(range(right_start, bx1))
            qy = abs(y + 0.5 - cy) - hh + radius
            for x in columns:
                qx = abs(x + 0.5 - cx) - hw + radius
                if qx > 0.0 and qy > 0.0:
                    d = math.sqrt(qx * qx + qy * qy) - radius
                else:
                    d = (qx if qx > qy else qy) - radius
                result = paint(x, y, d)
                if result is not None:
                    rgb, alpha = result
                    self.blend(x, y, rgb, alpha * opacity)

    def fill(self, x0, y0, x1, y1, radius, top, bottom=None, opacity=1.0):
        """Anti-aliased rounded rectangle with a vertical gradient from top to bottom."""
        bottom = bottom or top
        span = max(1.0, y1 - y0 - 1)
        row_colours = {}

        def paint(x, y, d):
            cover = clamp(0.5 - d)
            if cover <= 0:
                return None
            colour = row_colours.get(y)
            if colour is None:
                colour = row_colours[y] = mix(top, bottom, clamp((y - y0) / span))
            return colour, cover

        self.shape(x0, y0, x1, y1, radius, paint, opacity)

    def outline(self, x0, y0, x1, y1, radius, rgb, width=1.0, opacity=1.0):
        def paint(x, y, d):
            cover = clamp(0.5 - abs(d + width / 2) + width / 2)
            return (rgb, cover) if cover > 0 else None

        self.shape(x0, y0, x1, y1, radius, paint, opacity, band=width + 1)

    def glow(self, x0, y0, x1, y1, radius, rgb, reach, strength=1.0):
        """Soft light that fades outward from the edge of a rounded rectangle."""

        def paint(x, y, d):
            if d < -0.5 or d > reach:
                return None
            return rgb, strength * (1.0 - clamp(d / reach)) ** 2

        self.shape(x0, y0, x1, y1, radius, paint, margin=reach, band=1)

    def inner_glow(self, x0, y0, x1, y1, radius, rgb, reach, strength=1.0):
        def paint(x, y, d):
            if d > 0.5 or d < -reach:
                return None
            return rgb, strength * clamp(0.5 - d) * (1.0 - clamp(-d / reach)) ** 2

        self.shape(x0, y0, x1, y1, radius, paint, band=reach + 1)

    def line(self, ax, ay, bx, by, rgb, width=1.0, opacity=1.0):
        """Anti-aliased capsule from a to b."""
        half = width / 2
        x0, x1 = min(ax, bx) - half - 1, max(ax, bx) + half + 1
        y0, y1 = min(ay, by) - half - 1, max(ay, by) + half + 1
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy or 1.0
        bx0, by0, bx1, by1 = self._box(x0, y0, x1, y1)
        for y in range(by0, by1):
            for x in range(bx0, bx1):
                px, py = x + 0.5 - ax, y + 0.5 - ay
                t = clamp((px * dx + py * dy) / length2)
                d = math.hypot(px - t * dx, py - t * dy) - half
                self.blend(x, y, rgb, clamp(0.5 - d) * opacity)

    def circle(self, cx, cy, radius, rgb, opacity=1.0):
        self.fill(cx - radius, cy - radius, cx + radius, cy + radius, radius, rgb, rgb, opacity)

    def triangle(self, points, rgb, opacity=1.0):
        """Anti-aliased convex triangle (points in any winding)."""
        (ax, ay), (bx, by), (qx, qy) = points
        area = (bx - ax) * (qy - ay) - (by - ay) * (qx - ax)
        if area < 0:
            (bx, by), (qx, qy) = (qx, qy), (bx, by)
        edges = [(ax, ay, bx, by), (bx, by, qx, qy), (qx, qy, ax, ay)]
        bx0, by0, bx1, by1 = self._box(
            min(ax, bx, qx) - 1, min(ay, by, qy) - 1, max(ax, bx, qx) + 1, max(ay, by, qy) + 1
        )
        for y in range(by0, by1):
            for x in range(bx0, bx1):
                px, py = x + 0.5, y + 0.5
                d = -1e9
                for ex0, ey0, ex1, ey1 in edges:
                    nx, ny = ey1 - ey0, -(ex1 - ex0)
                    n = math.hypot(nx, ny) or 1.0
                    d = max(d, ((px - ex0) * nx + (py - ey0) * ny) / n)
                self.blend(x, y, rgb, clamp(0.5 - d) * opacity)

    def text(self, x, y, string, rgb, scale=1, opacity=1.0, spacing=1):
        """Bitmap-font text with its top-left at (x, y); returns the width drawn."""
        cursor = x
        for ch in string.upper():
            rows = GLYPHS.get(ch, GLYPHS["?"])
            for gy, row in enumerate(rows):
                for gx in range(GLYPH_WIDTH):
                    if row >> (GLYPH_WIDTH - 1 - gx) & 1:
                        for sy in range(scale):
                            for sx in range(scale):
                                self.blend(
                                    cursor + gx * scale + sx, y + gy * scale + sy, rgb, opacity
                                )
            cursor += (GLYPH_WIDTH + spacing) * scale
        return cursor - x - spacing * scale

    def text_centred(self, x0, y0, x1, y1, string, rgb, scale=1, opacity=1.0, spacing=1):
        width = len(string) * (GLYPH_WIDTH + spacing) * scale - spacing * scale
        height = GLYPH_HEIGHT * scale
        x = int(x0 + (x1 - x0 - width) // 2)
        y = int(y0 + (y1 - y0 - height) // 2)
        self.text(x, y, string, rgb, scale, opacity, spacing)

    def pattern(self, x0, y0, x1, y1, paint):
        """Free per-pixel painter over a rectangle: paint(x, y) -> (rgb, alpha) or None."""
        bx0, by0, bx1, by1 = self._box(x0, y0, x1, y1)
        for y in range(by0, by1):
            for x in range(bx0, bx1):
                result = paint(x, y)
                if result is not None:
                    self.blend(x, y, result[0], result[1])

    def png(self, with_alpha):
        """Encodes the canvas as an 8-bit RGBA (or opaque RGB) PNG."""
        channels = 4 if with_alpha else 3
        raw = bytearray()
        p = self.px
        for y in range(self.height):
            raw.append(0)
            base = y * self.width * 4
            for x in range(self.width):
                i = base + x * 4
                a = p[i + 3]
                if a <= 0.0:
                    raw.extend((0, 0, 0, 0)[:channels])
                    continue
                scale = 1.0 / a if with_alpha else 1.0
                rgb = [int(round(clamp(p[i + c] * scale) * 255)) for c in range(3)]
                raw.extend(rgb)
                if with_alpha:
                    raw.append(int(round(clamp(a) * 255)))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        colour_type = 6 if with_alpha else 2
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, colour_type, 0, 0, 0)
        return (
            b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b"")
        )
