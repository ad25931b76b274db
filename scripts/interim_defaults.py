#!/usr/bin/env python3
"""Temporary: writes a plain str.ini and, when the source tree has no
skins yet, a plain "Default" background into the install folder, until the generators of the
default files and the skin set are in."""
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
text = "[Skins]\r\nLan=EN\r\nPath=Default\r\nRColor=230\r\nGColor=230\r\nBColor=230\r\n"
with open(os.path.join(folder, "str.ini"), "wb") as file:
    file.write(b"\xff\xfe" + text.encode("utf-16-le"))
main_png = os.path.join(folder, "Skins", "Default", "main.png")
if not os.path.exists(main_png):
    os.makedirs(os.path.dirname(main_png), exist_ok=True)
    plain_png(main_png, 890, 660, (24, 32, 40))
