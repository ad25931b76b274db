#!/usr/bin/env python3
"""Composes each skin's images the way the program places them, for looking at the artwork.

Usage: preview.py output_folder   (writes <skin>-basic.png, <skin>-advanced.png, <skin>-dialog.png)
"""

import os
import sys

from generate import images
from themes import THEMES


def paste(dst, src, x, y):
    """Source-over of a premultiplied canvas onto another at (x, y)."""
    for sy in range(src.height):
        for sx in range(src.width):
            i = (sy * src.width + sx) * 4
            a = src.px[i + 3]
            if a <= 0:
                continue
            j = ((y + sy) * dst.width + x + sx) * 4
            for k in range(4):
                dst.px[j + k] = src.px[i + k] + dst.px[j + k] * (1 - a)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, theme in THEMES.items():
        im = {k: v[0] for k, v in images(theme).items()}
        basic = im["BasicSet2.png"]
        for key, x, y in (("button-min-normal.png", 825, 5), ("button-close-over.png", 850, 5),
                          ("button-Skins-normal.png", 701, 5), ("button-normal.png", 562, 623),
                          ("button-over.png", 666, 623), ("button-normal.png", 770, 623),
                          ("button-normal.png", 307, 549), ("button-over.png", 253, 518),
                          ("button-normal.png", 357, 518), ("button-PrePage-over.png", 14, 54),
                          ("button-NextPage-normal.png", 60, 54)):
            paste(basic, im[key], x, y)
        for k in range(10):
            paste(basic, im["DropdownBox-over.png" if k == 2 else "DropdownBox-normal.png"],
                  252, 199 + 23 * k)
        for s in range(4):
            paste(basic, im["slider-RP-light.png" if s == 3 else "slider-RP-dark.png"],
                  542 + 72 * s, 204)
        for k in range(4):
            x = 554 + 27 * k
            for level in range(12):
                lit = level < 3 + 2 * k
                paste(basic, im["slider-DPI-light.png" if lit else "slider-DPI-dark.png"],
                      x, 500 - 18 * level)
            paste(basic, im["PaneMakingTick.png" if k < 3 else "Pane.png"], x, 541)
        with open(os.path.join(out, f"{name}-basic.png"), "wb") as f:
            f.write(basic.png(False))
        adv = im["AdvancedSet2.png"]
        for r in range(3):
            for p in range(11):
                paste(adv, im["slider-light.png" if p < 5 + r else "slider-dark.png"],
                      52 + 24 * p, 200 + 150 * r)
        paste(adv, im["PaneMakingTick.png"], 51, 255)
        paste(adv, im["Pane.png"], 51, 405)
        for key, x, y in (("button-normal.png", 38, 584), ("button-normal.png", 513, 528),
                          ("button-over.png", 617, 528), ("button-normal.png", 721, 528)):
            paste(adv, im[key], x, y)
        with open(os.path.join(out, f"{name}-advanced.png"), "wb") as f:
            f.write(adv.png(False))
        for dialog in ("combo-key.png", "skins.png"):
            d = im[dialog]
            paste(d, im["button-over.png"], 166, 253)
            paste(d, im["button-normal.png"], 270, 253)
            paste(d, im["button-close-normal.png"], 352, 6)
            with open(os.path.join(out, f"{name}-{dialog}"), "wb") as f:
                f.write(d.png(False))


if __name__ == "__main__":
    main()
