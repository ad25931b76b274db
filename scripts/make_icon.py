#!/usr/bin/env python3
"""Draws the application icon (a mouse seen from above on a rounded tile) and writes it as a
Windows .ico with 16, 24 and 32 pixel images at 32 bits per pixel and a 48 pixel image at 24
bits per pixel. Pure standard library: the artwork is computed, pixel by pixel, with 4x4
supersampling."""
import struct
import sys

TILE = (32, 38, 46)
BODY = (226, 232, 240)
ACCENT = (46, 204, 113)
LINE = (70, 78, 92)


def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return left <= x <= right and top <= y <= bottom and (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def sample(u, v):
    """Colour and coverage at a point of the unit square."""
    if inside_ellipse(u, v, 0.5, 0.56, 0.27, 0.38):
        if abs(u - 0.5) < 0.025 and v < 0.46:
            return LINE, 1.0
        if inside_rounded_rect(u, v, 0.455, 0.26, 0.545, 0.40, 0.04):
            return ACCENT, 1.0
        if abs(v - 0.46) < 0.02:
            return LINE, 1.0
        return BODY, 1.0
    if inside_rounded_rect(u, v, 0.04, 0.04, 0.96, 0.96, 0.2):
        return TILE, 1.0
    return (0, 0, 0), 0.0


def render(size):
    pixels = []
    steps = 4
    for row in range(size):
        line = []
        for column in range(size):
            r = g = b = a = 0.0
            for sy in range(steps):
                for sx in range(steps):
                    colour, alpha = sample((column + (sx + 0.5) / steps) / size,
                                           (row + (sy + 0.5) / steps) / size)
                    r += colour[0] * alpha
                    g += colour[1] * alpha
                    b += colour[2] * alpha
                    a += alpha
            count = steps * steps
            if a > 0:
                line.append((round(r / a), round(g / a), round(b / a), round(255 * a / count)))
            else:
                line.append((0, 0, 0, 0))
        pixels.append(line)
    return pixels


def dib(size, bits):
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for line in reversed(pixels):  # bottom-up rows
        row = bytearray()
        for r, g, b, a in line:
            if bits == 32:
                row += bytes((b, g, r, a))
            else:
                blend = a / 255
                row += bytes(round(c * blend) for c in (b, g, r))
        row += b"\0" * ((4 - len(row) % 4) % 4)
        colour += row
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for line in reversed(pixels):
        row = bytearray(mask_stride)
        for column, (_, _, _, a) in enumerate(line):
            if a < 128:
                row[column // 8] |= 0x80 >> (column % 8)
        mask += row
    return header + bytes(colour) + bytes(mask)


def main(path):
    images = [(16, 32), (24, 32), (32, 32), (48, 24)]
    blobs = [dib(size, bits) for size, bits in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (size, bits), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as file:
        file.write(out)


if __name__ == "__main__":
    main(sys.argv[1])
