#!/usr/bin/python3
"""Draws the sample card's power-on picture and codes it with the picture tool.

    tools/splash/splash.py build/efis-mif [--png OUT.png]

writes card/SDCARD/SPLASH.MIF; --png keeps the drawn picture. The unit writes the registration,
serial number and version in white over the bottom rows, so those stay dark. The letters are
rendered from DejaVu Sans (fonts-dejavu-core; Bitstream Vera and DejaVu licence).
"""

import math
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw, ImageFont

W, H = 480, 272
S = 4  # drawing scale
HORIZON = 158  # screen row of the horizon
TEXT_ROWS = 36  # bottom rows kept dark for the unit's own texts
BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
BOOK = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

# Colours that stand exactly in the unit's palette.
SKY_BANDS = [(0x00, 0x00, 0x80), (0x14, 0x40, 0xFF), (0x28, 0x80, 0xFF), (0x78, 0xC0, 0xFF)]
GROUND_BANDS = [(0x8C, 0x40, 0x00), (0x64, 0x40, 0x00), (0x50, 0x40, 0x00)]
WHITE = (255, 255, 255)
LIGHT_GREY = (192, 192, 192)
DARK_GREY = (85, 85, 85)
RUNWAY = (64, 64, 64)
YELLOW = (255, 255, 0)
BLACK = (0, 0, 0)


def draw():
    img = Image.new("RGB", (W * S, H * S), BLACK)
    d = ImageDraw.Draw(img)

    def box(x0, y0, x1, y1, colour):
        d.rectangle([x0 * S, y0 * S, x1 * S - 1, y1 * S - 1], fill=colour)

    def poly(pts, colour):
        d.polygon([(x * S, y * S) for x, y in pts], fill=colour)

    def line(pts, colour, width):
        d.line([(x * S, y * S) for x, y in pts], fill=colour, width=round(width * S))

    bottom = H - TEXT_ROWS
    # Sky in flat bands, deepest at the top.
    edges = [0, 46, 90, 130, HORIZON]
    for i, colour in enumerate(SKY_BANDS):
        box(0, edges[i], W, edges[i + 1], colour)
    # Ground in bands darkening towards the viewer.
    edges = [HORIZON, 176, 200, bottom]
    for i, colour in enumerate(GROUND_BANDS):
        box(0, edges[i], W, edges[i + 1], colour)

    # A runway running out to the horizon, with its centre line.
    cx = W / 2
    poly([(cx - 9, HORIZON), (cx + 9, HORIZON), (cx + 120, bottom), (cx - 120, bottom)], RUNWAY)
    line([(cx - 9, HORIZON), (cx - 120, bottom)], WHITE, 1.5)
    line([(cx + 9, HORIZON), (cx + 120, bottom)], WHITE, 1.5)
    depth = bottom - HORIZON
    for k in range(7):
        t0, t1 = (k / 7) ** 1.6, ((k + 0.45) / 7) ** 1.6
        y0, y1 = HORIZON + depth * t0, HORIZON + depth * t1
        w0, w1 = 0.6 + 3 * t0, 0.6 + 3 * t1
        poly([(cx - w0, y0), (cx + w0, y0), (cx + w1, y1), (cx - w1, y1)], WHITE)
    # Threshold bars at the near end.
    for i in range(-5, 6):
        if i == 0:
            continue
        x = cx + i * 17
        poly([(x - 5.5, bottom - 12), (x + 5.5, bottom - 12), (x + 6, bottom - 2), (x - 6, bottom - 2)], WHITE)

    line([(0, HORIZON), (W, HORIZON)], WHITE, 2)

    # Bank scale across the top.
    r = 118
    ccx, ccy = cx, 8 + r
    d.arc([(ccx - r) * S, (ccy - r) * S, (ccx + r) * S, (ccy + r) * S], 220, 320, fill=WHITE, width=2 * S)
    for ang in (220, 230, 240, 250, 260, 280, 290, 300, 310, 320):
        a = math.radians(ang)
        long_tick = ang in (240, 300)
        r1 = r + (10 if long_tick else 6)
        line([(ccx + r * math.cos(a), ccy + r * math.sin(a)), (ccx + r1 * math.cos(a), ccy + r1 * math.sin(a))],
             WHITE, 2)
    poly([(cx, 10), (cx - 7, 0), (cx + 7, 0)], YELLOW)
    poly([(cx, 12), (cx - 7, 23), (cx + 7, 23)], YELLOW)

    # The name, with a dark edge so it stands on every band of the sky.
    name = ImageFont.truetype(BOLD, 74 * S)
    d.text((cx * S, 82 * S), "TALVOR", font=name, anchor="mm", fill=WHITE, stroke_width=3 * S,
           stroke_fill=SKY_BANDS[0])
    tag = ImageFont.truetype(BOLD, 15 * S)
    d.text((cx * S, 129 * S), "FLIGHT  \u00b7  ENGINE  \u00b7  NAVIGATION", font=tag, anchor="mm", fill=WHITE,
           stroke_width=2 * S, stroke_fill=SKY_BANDS[1])

    # The aircraft symbol over the horizon.
    sym = [(cx - 92, HORIZON), (cx - 28, HORIZON), (cx, HORIZON + 15), (cx + 28, HORIZON), (cx + 92, HORIZON)]
    line(sym, BLACK, 8)
    line(sym, YELLOW, 5)

    # Dark rows for the unit's texts, parted from the picture by a thin line.
    box(0, bottom, W, H, BLACK)
    box(0, bottom, W, bottom + 1, DARK_GREY)
    return img.resize((W, H), Image.BOX)


def main():
    args = sys.argv[1:]
    png = None
    if "--png" in args:
        i = args.index("--png")
        png = args[i + 1]
        del args[i:i + 2]
    if len(args) != 1:
        sys.exit("usage: splash.py PATH/TO/efis-mif [--png OUT.png]")
    out = os.path.join(ROOT, "card", "SDCARD", "SPLASH.MIF")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        path = png or os.path.join(tmp, "splash.png")
        draw().save(path)
        subprocess.run([args[0], "encode", path, out], check=True)


if __name__ == "__main__":
    main()
