#!/usr/bin/env python3
"""Temporary: when the source tree has no skins yet, writes a plain "Default" background into
the install folder, until the skin set is in."""
import os
import struct
import sys
import zlib


def plain_png(path, width, height, rgb):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    row = b"\0" + bytes(rgb) * width
    data = zlib.compress(row * height)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
           + chunk(b"IDAT", data) + chunk(b"IEND", b""))
    with open(path, "wb") as file:
        file.write(png)


folder = sys.argv[1]
main_png = os.path.join(folder, "Skins", "Default", "main.png")
if not os.path.exists(main_png):
    os.makedirs(os.path.dirname(main_png), exist_ok=True)
    plain_png(main_png, 890, 660, (24, 32, 40))
