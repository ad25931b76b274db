#!/usr/bin/env python3
"""Draws every image of the program's skins into Skins/<name>/.

Usage: generate.py [output_root]   (default: the repository's Skins folder)

The output is deterministic: the same script always writes the same bytes, so the committed
images only change when the artwork does. Backgrounds are opaque 24-bit images (drawn with
a plain copy); buttons, cells and icons carry per-pixel alpha for their rounded corners and
glows (drawn alpha-blended).
"""

import os
import sys

from raster import Canvas, clamp, mix
from themes import THEMES

MAIN_SIZE = (880, 650)
DIALOG_SIZE = (400, 290)


# ---------------------------------------------------------------------------------------
# Shared pieces of the backgrounds


def brushed_backdrop(c, t):
    """Window body: vertical gradient with a faint diagonal texture and a vignette. Every
    pixel is opaque, so it is written straight into the canvas."""
    w, h = c.width, c.height
    column_terms = [((x / w - 0.5) * 2) ** 2 * 0.6 for x in range(w)]
    texture = t["texture"]
    for y in range(h):
        base = [ch / 255 for ch in mix(t["body_top"], t["body_bottom"], y / (h - 1))]
        row_term = ((y / h - 0.5) * 2) ** 2 * 0.8
        offset = y * w * 4
        for x in range(w):
            shade = 1.0 - 0.18 * min(1.0, column_terms[x] + row_term)
            stripe = texture if (x + 2 * y) % 7 == 0 else 0.0
            i = offset + x * 4
            c.px[i] = min(1.0, base[0] * shade + stripe)
            c.px[i + 1] = min(1.0, base[1] * shade + stripe)
            c.px[i + 2] = min(1.0, base[2] * shade + stripe)
            c.px[i + 3] = 1.0


def window_chrome(c, t, title, title_scale):
    """Title bar with the accent rule under it and a thin outer frame."""
    w, h = c.width, c.height
    bar = 40 if title_scale > 1 else 30
    c.fill(0, 0, w, bar, 0, t["bar_top"], t["bar_bottom"])
    c.fill(0, bar - 2, w, bar, 0, t["accent"], t["accent_dim"])
    c.glow(0, bar - 2, w, bar, 0, t["accent"], 6, 0.35)
    text_y = (bar - 7 * title_scale) // 2
    c.fill(10, text_y - 1, 14, text_y + 7 * title_scale + 1, 1, t["accent"])
    c.text(20, text_y, title, t["title_text"], title_scale)
    c.outline(0, 0, w, h, 0, t["frame"], 1.0)


def panel(c, t, x0, y0, x1, y1, header=None):
    """A raised panel with a soft drop shadow, a lighter header strip and an accent notch."""
    c.glow(x0 + 2, y0 + 3, x1 + 2, y1 + 3, 6, (0, 0, 0), 8, 0.45)
    c.fill(x0, y0, x1, y1, 6, t["panel_top"], t["panel_bottom"])
    if header is not None:
        c.fill(x0 + 1, y0 + 1, x1 - 1, header, 5, t["header_top"], t["header_bottom"])
        c.fill(x0 + 1, header - 1, x1 - 1, header, 0, t["panel_rule"])
        c.fill(x0 + 1, y0 + 7, x0 + 4, header - 6, 1, t["accent"])
    c.outline(x0, y0, x1, y1, 6, t["panel_edge"], 1.0)
    c.inner_glow(x0, y0, x1, y1, 6, t["panel_light"], 3, 0.25)


def well(c, t, x0, y0, x1, y1, radius=3):
    """A recessed groove behind value boxes, edit boxes and slider rows."""
    c.fill(x0, y0, x1, y1, radius, t["well_top"], t["well_bottom"])
    c.inner_glow(x0, y0, x1, y1, radius, (0, 0, 0), 3, 0.6)
    c.outline(x0, y0, x1, y1, radius, t["well_edge"], 1.0)


def dropdown_arrow(c, t, x0, y0, x1, y1):
    """The arrow of a drop-down trigger: a 15-pixel cap to the right of the value box."""
    c.fill(x0, y0, x1, y1, 2, t["cap_top"], t["cap_bottom"])
    c.outline(x0, y0, x1, y1, 2, t["well_edge"], 1.0)
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    c.triangle([(cx - 4, cy - 2), (cx + 4, cy - 2), (cx, cy + 3)], t["accent"])


def dropdown_trigger(c, t, box, arrow_width=15):
    """Well behind the value box plus the arrow cap that belongs to the trigger area."""
    x0, y0, x1, y1 = box
    well(c, t, x0 - 2, y0 - 2, x1 + 2, y1 + 2)
    dropdown_arrow(c, t, x1 - arrow_width, y0, x1, y1)


def label(c, t, x, y, text, colour_key="label"):
    c.text(x, y, text, t[colour_key])


# ---------------------------------------------------------------------------------------
# Main window


def mouse_emblem(c, t, cx, top, scale=1.0):
    """A stylised ten-button mouse seen from above, drawn in outline with a glow."""
    w, h = 120 * scale, 200 * scale
    x0, y0 = cx - w / 2, top
    c.glow(x0, y0, x0 + w, y0 + h, 55 * scale, t["accent"], 14 * scale, 0.35)
    c.fill(x0, y0, x0 + w, y0 + h, 55 * scale, t["mouse_top"], t["mouse_bottom"])
    c.outline(x0, y0, x0 + w, y0 + h, 55 * scale, t["accent"], 1.5)
    split = y0 + 80 * scale
    c.line(cx, y0 + 4, cx, split, t["accent_dim"], 1.5)
    c.line(x0 + 6, split, x0 + w - 6, split, t["accent_dim"], 1.5)
    c.fill(cx - 6 * scale, y0 + 22 * scale, cx + 6 * scale, y0 + 52 * scale, 6 * scale,
           t["accent"], t["accent_dim"])
    for i in range(2):
        sy = y0 + (95 + 26 * i) * scale
        c.fill(x0 - 4 * scale, sy, x0 + 8 * scale, sy + 20 * scale, 4 * scale,
               t["cap_top"], t["cap_bottom"])
        c.outline(x0 - 4 * scale, sy, x0 + 8 * scale, sy + 20 * scale, 4 * scale,
                  t["accent_dim"], 1.0)
    c.circle(cx, y0 + 150 * scale, 9 * scale, t["accent"], 0.85)
    c.glow(cx - 9 * scale, y0 + 141 * scale, cx + 9 * scale, y0 + 159 * scale, 9 * scale,
           t["accent"], 10 * scale, 0.5)


def main_frame(c, t):
    brushed_backdrop(c, t)
    window_chrome(c, t, "CORVANTI-TARN", 2)
    # Page header strip behind the two tabs and the page title.
    c.fill(8, 48, 872, 100, 8, t["header_top"], t["header_bottom"], 0.7)
    c.outline(8, 48, 872, 100, 8, t["panel_edge"], 1.0, 0.8)
    for x in (12, 58):
        c.glow(x, 52, x + 44, 96, 8, t["accent"], 4, 0.25)
    # Footer behind the web link and OK, Apply, Cancel.
    c.fill(0, 604, c.width, c.height, 0, t["bar_bottom"], t["bar_top"])
    c.fill(0, 604, c.width, 605, 0, t["accent_dim"])
    well(c, t, 242, 609, 402, 631, 4)


def main_image(t):
    c = Canvas(*MAIN_SIZE)
    main_frame(c, t)
    mouse_emblem(c, t, 440, 210, 1.3)
    c.text_centred(240, 490, 640, 520, "CORVANTI-TARN", t["title_text"], 3)
    c.text_centred(240, 525, 640, 545, "TEN-BUTTON GAMING MOUSE", t["label"], 1)
    return c


def basic_page(t):
    c = Canvas(*MAIN_SIZE)
    main_frame(c, t)
    # Left: the mouse with its ten numbered buttons for reference.
    panel(c, t, 14, 110, 230, 596)
    mouse_emblem(c, t, 122, 170, 1.0)
    c.text_centred(14, 400, 230, 420, "BUTTONS 1-10", t["label"])
    for i in range(10):
        y = 440 + (i // 2) * 28
        x = 40 + (i % 2) * 90
        c.fill(x, y, x + 22, y + 18, 4, t["cap_top"], t["cap_bottom"])
        c.outline(x, y, x + 22, y + 18, 4, t["accent_dim"], 1.0)
        c.text_centred(x, y, x + 22, y + 18, str(i + 1), t["title_text"])
    # Key setting: ten dropdown boxes, key modes and the defaults button.
    panel(c, t, 240, 152, 476, 596, header=188)
    well(c, t, 248, 195, 468, 431, 4)
    well(c, t, 249, 514, 466, 543, 4)
    # Report rate: four segments 70 wide with 2-pixel gaps on one track.
    panel(c, t, 492, 152, 866, 258, header=188)
    well(c, t, 538, 200, 832, 219, 4)
    for s in range(5):
        x = 542 + 72 * s - 1
        c.line(x, 222, x, 228, t["tick"], 1.0)
    # DPI stages: twelve levels per stage, swatches and on/off ticks below. The program
    # writes each level's DPI value left of the ticks (494-544), so the artwork leaves that
    # column free.
    panel(c, t, 492, 266, 690, 596, header=302)
    well(c, t, 548, 302, 663, 561, 4)
    for level in range(12):
        y = 500 - 18 * level
        c.line(540, y + 8, 546, y + 8, t["tick"], 1.0)
    c.text(504, 528, "CLR", t["label_dim"])
    c.text(504, 546, "ON", t["label_dim"])
    for k in range(4):
        x = 554 + 27 * k
        c.text_centred(x, 566, x + 16, 580, str(k + 1), t["label"])
    # DPI effect: the three lighting lists.
    panel(c, t, 698, 266, 866, 474, header=302)
    for y in (330, 360, 390):
        well(c, t, 765, y - 2, 853, y + 16, 3)
        dropdown_arrow(c, t, 837, y, 851, y + 14)
    return c


def advanced_page(t):
    c = Canvas(*MAIN_SIZE)
    main_frame(c, t)
    # Windows pointer settings: three slider rows, two ticks, the defaults button.
    panel(c, t, 26, 150, 430, 614)
    for row, top in enumerate((156, 306, 456)):
        c.fill(32, top, 424, top + 30, 4, t["header_top"], t["header_bottom"])
        c.fill(32, top + 3, 35, top + 27, 1, t["accent"])
        y = 200 + 150 * row
        well(c, t, 48, y - 4, 320, y + 15, 4)
    for y in (255, 405):
        well(c, t, 48, y - 3, 412, y + 19, 4)
    # Macros: list headers, lists, edit buttons and the record options.
    panel(c, t, 450, 150, 876, 596, header=186)
    c.fill(456, 194, 870, 222, 4, t["header_top"], t["header_bottom"])
    for x in (591, 725):
        c.fill(x, 196, x + 1, 220, 0, t["panel_rule"])
    well(c, t, 459, 218, 728, 515, 4)
    c.fill(591, 220, 592, 512, 0, t["panel_rule"])
    well(c, t, 509, 524, 830, 553, 4)
    # Start and stop recording: drawn here, the click areas are fixed.
    c.fill(735, 229, 764, 258, 6, t["cap_top"], t["cap_bottom"])
    c.outline(735, 229, 764, 258, 6, t["panel_edge"], 1.0)
    c.glow(742, 236, 757, 251, 7.5, t["record"], 5, 0.5)
    c.circle(749.5, 243.5, 7.5, t["record"])
    c.fill(735, 265, 764, 294, 6, t["cap_top"], t["cap_bottom"])
    c.outline(735, 265, 764, 294, 6, t["panel_edge"], 1.0)
    c.fill(743, 273, 756, 286, 2, t["title_text"])
    # The name and loop-count edits (their labels stand in the 20 pixels above them) and the
    # insert-mouse-event box.
    well(c, t, 733, 320, 801, 338, 3)
    well(c, t, 733, 360, 801, 378, 3)
    well(c, t, 733, 400, 856, 418, 3)
    dropdown_arrow(c, t, 840, 402, 854, 416)
    return c


# ---------------------------------------------------------------------------------------
# Buttons, cells and icons


def push_button(t, hot, w=105, h=21):
    c = Canvas(w, h)
    if hot:
        c.fill(0, 0, w, h, 5, t["hot_top"], t["hot_bottom"])
        c.inner_glow(0, 0, w, h, 5, t["accent"], 6, 0.9)
        c.outline(0, 0, w, h, 5, t["accent"], 1.2)
        c.fill(4, 1, w - 4, 2, 1, (255, 255, 255), None, 0.35)
    else:
        c.fill(0, 0, w, h, 5, t["button_top"], t["button_bottom"])
        c.outline(0, 0, w, h, 5, t["button_edge"], 1.0)
        c.fill(4, 1, w - 4, 2, 1, (255, 255, 255), None, 0.12)
    return c


def icon_button(t, hot, draw_icon, size=18):
    c = Canvas(size, size)
    if hot:
        c.fill(0, 0, size, size, 4, t["hot_top"], t["hot_bottom"])
        c.inner_glow(0, 0, size, size, 4, t["accent"], 5, 0.9)
        c.outline(0, 0, size, size, 4, t["accent"], 1.0)
    else:
        c.fill(0, 0, size, size, 4, t["button_top"], t["button_bottom"], 0.85)
        c.outline(0, 0, size, size, 4, t["button_edge"], 1.0)
    draw_icon(c, t["title_text"] if hot else t["icon"])
    return c


def draw_minimise(c, colour):
    c.line(5, 12, 13, 12, colour, 2.0)


def draw_close(c, colour):
    c.line(5.5, 5.5, 12.5, 12.5, colour, 1.8)
    c.line(12.5, 5.5, 5.5, 12.5, colour, 1.8)


def draw_skins(c, colour):
    # A painter's palette: an outlined disc with three paint dots.
    c.outline(3, 3, 15, 15, 6, colour, 1.4)
    for x, y in ((7, 7), (11, 7), (7, 11)):
        c.circle(x, y, 1.4, colour)


def tab_button(t, hot, draw_icon):
    c = Canvas(40, 40)
    if hot:
        c.fill(0, 0, 40, 40, 8, t["hot_top"], t["hot_bottom"])
        c.inner_glow(0, 0, 40, 40, 8, t["accent"], 10, 0.9)
        c.outline(0, 0, 40, 40, 8, t["accent"], 1.5)
    else:
        c.fill(0, 0, 40, 40, 8, t["button_top"], t["button_bottom"])
        c.outline(0, 0, 40, 40, 8, t["button_edge"], 1.0)
    draw_icon(c, t["title_text"] if hot else t["icon"], t["accent"] if hot else t["accent_dim"])
    return c


def draw_basic_tab(c, colour, accent):
    # A small mouse: the page of buttons, DPI and lighting.
    c.outline(13, 8, 27, 32, 7, colour, 1.6)
    c.line(20, 9, 20, 18, colour, 1.4)
    c.line(14, 18, 26, 18, colour, 1.4)
    c.fill(18.5, 11, 21.5, 16, 1.5, accent)


def draw_advanced_tab(c, colour, accent):
    # Three slider rows: the page of pointer settings and macros.
    for i, knob in enumerate((24, 15, 21)):
        y = 12 + 8 * i
        c.line(9, y, 31, y, colour, 1.4)
        c.circle(knob, y, 3, accent)


def dropdown_box(t, hot):
    w, h = 211, 21
    c = Canvas(w, h)
    top, bottom = (t["hot_top"], t["hot_bottom"]) if hot else (t["button_top"], t["button_bottom"])
    c.fill(0, 0, w, h, 4, top, bottom)
    c.fill(1, 1, 20, h - 1, 3, t["cap_top"], t["cap_bottom"])
    c.fill(20, 3, 21, h - 3, 0, t["panel_rule"])
    c.fill(w - 18, 3, w - 17, h - 3, 0, t["panel_rule"])
    cx, cy = w - 9, h / 2
    c.triangle([(cx - 4, cy - 2), (cx + 4, cy - 2), (cx, cy + 3)],
               t["title_text"] if hot else t["accent"])
    if hot:
        c.inner_glow(0, 0, w, h, 4, t["accent"], 5, 0.8)
    c.outline(0, 0, w, h, 4, t["accent"] if hot else t["button_edge"], 1.0)
    return c


def cell(t, w, h, lit, radius):
    """A segment of a slider or level grid: dark groove or lit bar with a glow."""
    c = Canvas(w, h)
    if lit:
        c.fill(0, 0, w, h, radius, t["lit_top"], t["lit_bottom"])
        c.inner_glow(0, 0, w, h, radius, (255, 255, 255), min(w, h) / 2, 0.35)
        c.outline(0, 0, w, h, radius, t["accent"], 1.0)
    else:
        c.fill(0, 0, w, h, radius, t["cell_top"], t["cell_bottom"])
        c.outline(0, 0, w, h, radius, t["cell_edge"], 1.0)
    return c


def tick_box(t, ticked):
    c = Canvas(16, 16)
    c.fill(0, 0, 16, 16, 3, t["well_top"], t["well_bottom"])
    c.outline(0, 0, 16, 16, 3, t["accent"] if ticked else t["cell_edge"], 1.0)
    if ticked:
        c.inner_glow(0, 0, 16, 16, 3, t["accent"], 4, 0.6)
        c.line(4, 8.5, 7, 11.5, t["title_text"], 2.0)
        c.line(7, 11.5, 12.5, 4.5, t["title_text"], 2.0)
    return c


# ---------------------------------------------------------------------------------------
# Dialog backgrounds: frame first, then what belongs to each dialog


def dialog_frame(t, title):
    c = Canvas(*DIALOG_SIZE)
    brushed_backdrop(c, t)
    window_chrome(c, t, title, 1)
    panel(c, t, 8, 38, 392, 246)
    # Footer strip behind OK and Cancel.
    c.fill(160, 249, 381, 278, 6, t["well_top"], t["well_bottom"], 0.6)
    return c


def single_key_dialog(t):
    c = dialog_frame(t, "SINGLE KEY")
    well(c, t, 69, 125, 155, 147)
    keycap(c, t, 260, 90, 330, 160, "KEY")
    return c


def keycap(c, t, x0, y0, x1, y1, text):
    c.glow(x0, y0, x1, y1, 8, t["accent"], 8, 0.3)
    c.fill(x0, y0, x1, y1, 8, t["cap_top"], t["cap_bottom"])
    c.fill(x0 + 5, y0 + 3, x1 - 5, y1 - 9, 6, t["hot_top"], t["button_bottom"])
    c.outline(x0, y0, x1, y1, 8, t["accent_dim"], 1.0)
    c.text_centred(x0, y0, x1, y1 - 6, text, t["title_text"])


def combo_key_dialog(t):
    c = dialog_frame(t, "COMBINATION KEY")
    label(c, t, 49, 58, "MODIFIER")
    dropdown_trigger(c, t, (49, 69, 132, 85))
    label(c, t, 50, 108, "FIRST KEY")
    well(c, t, 47, 117, 134, 137)
    label(c, t, 50, 158, "SECOND KEY")
    well(c, t, 47, 167, 134, 187)
    for i, text in enumerate(("CTRL", "A", "B")):
        x = 200 + 62 * i
        keycap(c, t, x, 105, x + 44, 149, text)
        if i:
            c.text_centred(x - 18, 105, x, 149, "+", t["accent"], 2)
    return c


def fire_key_dialog(t):
    c = dialog_frame(t, "FIRE KEY")
    label(c, t, 49, 58, "KEY")
    dropdown_trigger(c, t, (49, 69, 132, 85))
    well(c, t, 47, 117, 134, 137)
    well(c, t, 47, 167, 134, 187)
    # Rapid-fire motif: three receding bars.
    for i in range(3):
        x = 230 + 38 * i
        c.fill(x, 80, x + 26, 150, 6, t["lit_top"], t["lit_bottom"], 1.0 - 0.28 * i)
        c.glow(x, 80, x + 26, 150, 6, t["accent"], 6, 0.3 - 0.08 * i)
    return c


def list_dialog(t, title, caption):
    c = dialog_frame(t, title)
    label(c, t, 42, 114, caption)
    dropdown_trigger(c, t, (42, 128, 151, 144))
    return c


def macro_key_dialog(t):
    c = dialog_frame(t, "MACRO KEY")
    dropdown_trigger(c, t, (42, 128, 151, 144))
    c.fill(212, 64, 392 - 4, 212, 6, t["header_top"], t["header_bottom"], 0.6)
    for y in (78, 128, 178):
        c.glow(220, y, 236, y + 16, 3, t["accent"], 4, 0.25)
    return c


def delay_time_dialog(t):
    c = dialog_frame(t, "DELAY TIME")
    well(c, t, 70, 126, 154, 146)
    c.text(160, 132, "MS", t["label"])
    return c


def skins_dialog(t):
    c = dialog_frame(t, "SKINS")
    well(c, t, 39, 91, 154, 113)
    label(c, t, 42, 118, "SKIN")
    dropdown_trigger(c, t, (42, 128, 151, 144))
    # Swatch strip of the skin's own palette.
    for i, key in enumerate(("accent", "lit_top", "panel_top", "body_top", "title_text")):
        x = 230 + 28 * i
        c.fill(x, 90, x + 22, 150, 5, t[key], mix(t[key], (0, 0, 0), 0.35))
        c.outline(x, 90, x + 22, 150, 5, t["panel_edge"], 1.0)
    return c


# ---------------------------------------------------------------------------------------


def images(t):
    """Every image of one skin: name -> (canvas, has alpha)."""
    opaque = {
        "main.png": main_image(t),
        "BasicSet2.png": basic_page(t),
        "AdvancedSet2.png": advanced_page(t),
        "single-key.png": single_key_dialog(t),
        "combo-key.png": combo_key_dialog(t),
        "fire-key.png": fire_key_dialog(t),
        "media-key.png": list_dialog(t, "MULTIMEDIA KEY", "MULTIMEDIA FUNCTION"),
        "windows-key.png": list_dialog(t, "WINDOWS FUNCTION", "FUNCTION"),
        "macro-key.png": macro_key_dialog(t),
        "delay-time.png": delay_time_dialog(t),
        "skins.png": skins_dialog(t),
    }
    alpha = {}
    for state, hot in (("normal", False), ("over", True)):
        alpha[f"button-{state}.png"] = push_button(t, hot)
        alpha[f"button-min-{state}.png"] = icon_button(t, hot, draw_minimise)
        alpha[f"button-close-{state}.png"] = icon_button(t, hot, draw_close)
        alpha[f"button-Skins-{state}.png"] = icon_button(t, hot, draw_skins)
        alpha[f"button-PrePage-{state}.png"] = tab_button(t, hot, draw_basic_tab)
        alpha[f"button-NextPage-{state}.png"] = tab_button(t, hot, draw_advanced_tab)
        alpha[f"DropdownBox-{state}.png"] = dropdown_box(t, hot)
    for state, lit in (("dark", False), ("light", True)):
        alpha[f"slider-RP-{state}.png"] = cell(t, 70, 11, lit, 3)
        alpha[f"slider-DPI-{state}.png"] = cell(t, 16, 16, lit, 3)
        alpha[f"slider-{state}.png"] = cell(t, 24, 11, lit, 3)
    alpha["Pane.png"] = tick_box(t, False)
    alpha["PaneMakingTick.png"] = tick_box(t, True)
    result = {name: (canvas, False) for name, canvas in opaque.items()}
    result.update({name: (canvas, True) for name, canvas in alpha.items()})
    return result


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "Skins")
    for skin_name, theme in THEMES.items():
        folder = os.path.join(root, skin_name)
        os.makedirs(folder, exist_ok=True)
        drawn = images(theme)
        for name, (canvas, has_alpha) in sorted(drawn.items()):
            with open(os.path.join(folder, name), "wb") as out:
                out.write(canvas.png(has_alpha))
        print(f"{skin_name}: {len(drawn)} images")


if __name__ == "__main__":
    main()
