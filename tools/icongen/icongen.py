#!/usr/bin/python3
"""Draws the pictures built into the unit and writes them as MIF data.

Each picture is drawn from vector shapes eight times larger than it is shown, reduced with an
area filter, then coded by the picture tool (nearest palette colour, run-length coding), so the
icons go through the same coder as pilots' own pictures.

    tools/icongen/icongen.py build/efis-mif [--png DIR]

writes src/gfx/icon_data.h and src/gfx/icon_data.cpp; --png keeps the drawn pictures.
The few letters in the pictures are rendered from DejaVu Sans Bold (fonts-dejavu-core; Bitstream
Vera and DejaVu licence, which lets them be used in any picture).
"""

import math
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw, ImageFont

S = 8  # drawing scale: shapes are drawn at S x the icon's size
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

# Colours that stand exactly in the unit's palette.
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
LIGHT_GREY = (192, 192, 192)
GREY = (170, 170, 170)
DARK_GREY = (85, 85, 85)
DARKER_GREY = (48, 48, 48)
RED = (255, 0, 0)
GREEN = (0, 255, 0)
DARK_GREEN = (0, 128, 0)
YELLOW = (255, 255, 0)
ORANGE = (255, 128, 0)
CYAN = (0, 255, 255)
BLUE = (0, 0, 255)
NAVY = (0, 0, 128)
SKY = (0, 128, 255)
MAGENTA = (255, 0, 255)
BROWN = (139, 69, 19)
TAN = (200, 128, 0)


class Canvas:
    """A picture drawn in icon pixels (floats, pixel i covers i..i+1) on a black ground."""

    def __init__(self, w=50, h=50):
        self.w, self.h = w, h
        self.img = Image.new("RGB", (w * S, h * S), BLACK)
        self.d = ImageDraw.Draw(self.img)
        self.labels = []  # small letters, drawn sharp on the finished picture

    def _p(self, pts):
        return [(x * S, y * S) for x, y in pts]

    def line(self, pts, colour, width=1.0, caps=True):
        w = max(1, round(width * S))
        self.d.line(self._p(pts), fill=colour, width=w, joint="curve")
        if caps:
            for x, y in (pts[0], pts[-1]):
                self.disc(x, y, width / 2, colour)

    def disc(self, cx, cy, r, colour):
        self.d.ellipse([(cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S], fill=colour)

    def ring(self, cx, cy, r, colour, width=1.0, fill=None):
        self.d.ellipse([(cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S], fill=fill, outline=colour,
                       width=max(1, round(width * S)))

    def arc(self, cx, cy, r, a0, a1, colour, width=1.0):
        """Screen angles in degrees, 0 pointing right, growing clockwise."""
        self.d.arc([(cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S], a0, a1, fill=colour,
                   width=max(1, round(width * S)))

    def pie(self, cx, cy, r, a0, a1, colour):
        self.d.pieslice([(cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S], a0, a1, fill=colour)

    def poly(self, pts, fill=None, outline=None, width=1.0):
        self.d.polygon(self._p(pts), fill=fill)
        if outline:
            self.line(list(pts) + [pts[0]], outline, width)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1.0, radius=0.0):
        self.d.rounded_rectangle([x0 * S, y0 * S, x1 * S - 1, y1 * S - 1], radius=radius * S, fill=fill,
                                 outline=outline, width=max(1, round(width * S)) if outline else 0)

    def text(self, cx, cy, s, size, colour, font=FONT):
        f = ImageFont.truetype(font, round(size * S))
        self.d.text((cx * S, cy * S), s, fill=colour, font=f, anchor="mm")

    def label(self, cx, cy, s, size, colour):
        """Small letters drawn at the icon's own size, unblurred, so that they stay readable."""
        self.labels.append((cx, cy, s, size, colour))

    def arrow(self, x0, y0, x1, y1, colour, width=2.0, head=5.0):
        a = math.atan2(y1 - y0, x1 - x0)
        bx, by = x1 - head * math.cos(a), y1 - head * math.sin(a)
        self.line([(x0, y0), (bx, by)], colour, width)
        n = head * 0.7
        self.poly([(x1, y1), (bx + n * math.sin(a), by - n * math.cos(a)), (bx - n * math.sin(a), by + n * math.cos(a))],
                  fill=colour)

    def needle(self, cx, cy, angle, length, colour, width=2.0, tail=0.0):
        a = math.radians(angle)
        self.line([(cx - tail * math.cos(a), cy - tail * math.sin(a)),
                   (cx + length * math.cos(a), cy + length * math.sin(a))], colour, width)

    def ticks(self, cx, cy, r0, r1, angles, colour, width=1.0):
        for ang in angles:
            a = math.radians(ang)
            self.line([(cx + r0 * math.cos(a), cy + r0 * math.sin(a)), (cx + r1 * math.cos(a), cy + r1 * math.sin(a))],
                      colour, width, caps=False)

    def result(self):
        small = self.img.resize((self.w, self.h), Image.BOX)
        d = ImageDraw.Draw(small)
        d.fontmode = "1"
        for cx, cy, s, size, colour in self.labels:
            d.text((cx, cy), s, fill=colour, font=ImageFont.truetype(FONT, size), anchor="mm")
        return small


def rotate(pts, cx, cy, deg):
    a = math.radians(deg)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in pts]


def dial(c, cx=25, cy=25, r=22, face=DARKER_GREY, rim=LIGHT_GREY):
    c.disc(cx, cy, r, face)
    c.ring(cx, cy, r, rim, 2.0)


# --- The pictures -------------------------------------------------------------------------------

def message():
    c = Canvas()
    c.disc(25, 25, 23, BLUE)
    c.ring(25, 25, 23, WHITE, 2.0)
    c.disc(25, 13.5, 3.6, WHITE)
    c.rect(21.5, 20, 28.5, 39, fill=WHITE, radius=1)
    c.rect(19, 20, 28.5, 23, fill=WHITE)
    c.rect(19, 36, 31, 39.5, fill=WHITE)
    return c


def warning():
    c = Canvas(50, 42)
    tri = [(25, 1.5), (48.5, 40.5), (1.5, 40.5)]
    c.poly(tri, fill=YELLOW, outline=RED, width=2.5)
    c.poly([(22.5, 13), (27.5, 13), (26.3, 29), (23.7, 29)], fill=BLACK)
    c.disc(25, 34.5, 2.6, BLACK)
    return c


def in_position():
    c = Canvas()
    c.disc(25, 25, 23, DARK_GREEN)
    c.ring(25, 25, 23, GREEN, 2.0)
    c.line([(13, 26), (21.5, 34.5), (37, 16)], WHITE, 5.5)
    return c


def out_of_position():
    c = Canvas()
    c.disc(25, 25, 23, RED)
    c.ring(25, 25, 23, WHITE, 2.0)
    c.line([(15.5, 15.5), (34.5, 34.5)], WHITE, 5.5)
    c.line([(34.5, 15.5), (15.5, 34.5)], WHITE, 5.5)
    return c


def flight_log():
    """Log book with a pencil: the flight log and the data recording."""
    c = Canvas()
    c.rect(7, 4, 38, 47, fill=NAVY, outline=SKY, width=1.5, radius=2)
    c.rect(11, 7, 36, 44, fill=WHITE, radius=1)
    for y in (17, 22, 27, 32, 37):
        c.line([(14, y), (33, y)], DARK_GREY, 1.0, caps=False)
    # a small aeroplane heading the page
    c.poly([(23.5, 9), (24.5, 9), (25, 14), (24, 14.5), (23, 14)], fill=BLUE)
    c.line([(19, 11.5), (29, 11.5)], BLUE, 1.6)
    c.line([(21.5, 14), (26.5, 14)], BLUE, 1.2)
    for y in (10, 16, 22, 28, 34, 40):
        c.disc(8.5, y, 1.4, LIGHT_GREY)
    # pencil
    p = rotate([(30, 30), (46, 30), (46, 35), (30, 35)], 38, 32.5, -55)
    c.poly(p, fill=YELLOW, outline=ORANGE, width=0.8)
    tip = rotate([(46, 30), (50.5, 32.5), (46, 35)], 38, 32.5, -55)
    c.poly(tip, fill=TAN)
    return c


def waypoint():
    c = Canvas()
    # ground map grid in perspective
    c.poly([(2, 47), (48, 47), (40, 34), (10, 34)], fill=DARK_GREEN)
    for x in (10, 20, 30, 40):
        c.line([(x + (25 - x) * 0.0, 47), (25 + (x - 25) * 0.65, 34)], GREEN, 0.8, caps=False)
    c.line([(6, 41), (44, 41)], GREEN, 0.8, caps=False)
    # pin
    c.disc(25, 15, 12, RED)
    c.poly([(14, 20), (36, 20), (25, 41)], fill=RED)
    c.disc(25, 15, 5, WHITE)
    return c


def route():
    c = Canvas()
    pts = [(7, 42), (18, 18), (33, 33), (43, 9)]
    c.line(pts, MAGENTA, 3.0)
    for x, y in pts[:-1]:
        c.disc(x, y, 4.2, WHITE)
        c.disc(x, y, 2.2, MAGENTA)
    # destination flag
    c.line([(43, 9), (43, 1.5)], WHITE, 1.5)
    c.poly([(43.5, 1.5), (49, 4), (43.5, 6.5)], fill=YELLOW)
    c.disc(43, 9, 2.5, WHITE)
    return c


def efis_setup():
    """A flight display: horizon, tapes and the aircraft symbol."""
    c = Canvas()
    c.rect(1, 5, 49, 45, fill=LIGHT_GREY, radius=3)
    c.rect(3, 7, 47, 43, fill=SKY)
    c.rect(3, 26, 47, 43, fill=BROWN)
    c.line([(3, 26), (47, 26)], WHITE, 1.0, caps=False)
    for y, w in ((16, 4), (21, 7), (31, 7), (36, 4)):
        c.line([(25 - w, y), (25 + w, y)], WHITE, 1.0, caps=False)
    # speed and altitude tapes
    c.rect(3, 7, 11, 43, fill=DARKER_GREY)
    c.rect(39, 7, 47, 43, fill=DARKER_GREY)
    for y in range(10, 43, 5):
        c.line([(9, y), (11, y)], WHITE, 1.0, caps=False)
        c.line([(39, y), (41, y)], WHITE, 1.0, caps=False)
    c.rect(2.5, 23, 11, 29, fill=BLACK, outline=WHITE, width=0.8)
    c.rect(39, 23, 47.5, 29, fill=BLACK, outline=WHITE, width=0.8)
    # aircraft symbol
    c.line([(15, 26), (21, 26), (25, 29), (29, 26), (35, 26)], YELLOW, 2.0)
    return c


def ems_setup():
    """Engine instruments: a dial and a row of bar gauges."""
    c = Canvas()
    dial(c, 17, 19, 15)
    c.arc(17, 19, 12, 135, 250, GREEN, 3.0)
    c.arc(17, 19, 12, 250, 315, YELLOW, 3.0)
    c.arc(17, 19, 12, 315, 405, RED, 3.0)
    c.needle(17, 19, 290, 11, WHITE, 2.0)
    c.disc(17, 19, 2.2, LIGHT_GREY)
    for i, h in enumerate((16, 22, 19, 25)):
        x = 33 + 4.2 * i
        c.rect(x, 10, x + 3.2, 47, fill=DARKER_GREY)
        c.rect(x, 47 - h, x + 3.2, 47, fill=GREEN if h < 24 else YELLOW)
    c.rect(3, 38, 31, 47, fill=DARKER_GREY, radius=1)
    for i in range(6):
        c.rect(5 + 4.4 * i, 40, 8.3 + 4.4 * i, 45, fill=[GREEN, GREEN, GREEN, GREEN, YELLOW, DARK_GREY][i])
    return c


def compass():
    c = Canvas()
    dial(c, 25, 25, 23)
    c.ticks(25, 25, 18, 21, [a for a in range(0, 360, 30) if a % 90], WHITE, 1.2)
    c.label(25, 8, "N", 9, WHITE)
    c.label(25, 42, "S", 8, LIGHT_GREY)
    c.label(8, 25, "W", 8, LIGHT_GREY)
    c.label(42, 25, "E", 8, LIGHT_GREY)
    c.poly([(25, 13), (29, 25), (21, 25)], fill=RED)
    c.poly([(25, 37), (29, 25), (21, 25)], fill=WHITE)
    c.disc(25, 25, 1.8, DARK_GREY)
    return c


def horizon():
    c = Canvas()
    r = 22
    c.disc(25, 25, r, BROWN)
    c.pie(25, 25, r, 195, 375, SKY)
    c.line(rotate([(3, 25), (47, 25)], 25, 25, 15), WHITE, 1.5, caps=False)
    for y, w in ((15, 4), (20, 6.5), (30, 6.5), (35, 4)):
        c.line(rotate([(25 - w, y), (25 + w, y)], 25, 25, 15), WHITE, 1.3, caps=False)
    c.ring(25, 25, r + 0.5, LIGHT_GREY, 2.5)
    c.ticks(25, 25, r - 5, r, (210, 240, 300, 330), WHITE, 1.5)
    c.ticks(25, 25, r - 3.5, r, (250, 260, 280, 290), WHITE, 1.2)
    c.poly([(25, 8), (22.5, 3.5), (27.5, 3.5)], fill=YELLOW)
    c.line([(11, 25), (20, 25), (25, 29), (30, 25), (39, 25)], YELLOW, 2.4)
    c.disc(25, 25, 1.4, YELLOW)
    return c


def gps():
    c = Canvas()
    body = [(20, 17), (30, 17), (30, 27), (20, 27)]
    c.poly(rotate(body, 25, 22, -30), fill=LIGHT_GREY)
    for side in (-1, 1):
        panel = [(25 + side * 7, 19.5), (25 + side * 23, 19.5), (25 + side * 23, 24.5), (25 + side * 7, 24.5)]
        c.poly(rotate(panel, 25, 22, -30), fill=BLUE, outline=SKY, width=0.8)
        for k in (11, 15, 19):
            seg = [(25 + side * k, 19.5), (25 + side * k, 24.5)]
            c.line(rotate(seg, 25, 22, -30), SKY, 0.8, caps=False)
    # dish and signal towards the ground
    c.line(rotate([(25, 27), (25, 31)], 25, 22, -30), LIGHT_GREY, 1.5)
    cx, cy = rotate([(25, 32)], 25, 22, -30)[0]
    for k, rr in enumerate((6, 10, 14)):
        c.arc(cx, cy, rr, 95, 155, GREEN if k < 3 else DARK_GREEN, 1.6)
    return c


def slip():
    """The inclinometer: a ball in a curved glass tube between two wires."""
    c = Canvas()
    tube = [(25 + 48 * math.cos(math.radians(a)), -19 + 48 * math.sin(math.radians(a))) for a in range(67, 114)]
    c.line(tube, WHITE, 12.0)
    c.line(tube, DARKER_GREY, 9.0)
    c.disc(25, 29, 4.5, WHITE)
    for x in (17.5, 32.5):
        c.line([(x, 20), (x - 0.1 * (x - 25), 36)], LIGHT_GREY, 1.3, caps=False)
    # skidding either way
    c.arrow(20, 45, 4, 45, YELLOW, 2.0, 5)
    c.arrow(30, 45, 46, 45, YELLOW, 2.0, 5)
    return c


def g_force():
    c = Canvas()
    c.text(20, 26, "G", 34, WHITE)
    c.arrow(43, 25, 43, 3, GREEN, 2.6, 6)
    c.arrow(43, 25, 43, 47, RED, 2.6, 6)
    c.line([(38, 25), (48, 25)], WHITE, 1.5, caps=False)
    return c


def timers():
    c = Canvas()
    c.rect(21, 1, 29, 5, fill=LIGHT_GREY, radius=1)
    c.rect(23.5, 4, 26.5, 8, fill=LIGHT_GREY)
    c.line(rotate([(25, 6), (25, 3)], 25, 28, 45), LIGHT_GREY, 3.0)
    c.disc(25, 28, 20, WHITE)
    c.disc(25, 28, 17.5, DARKER_GREY)
    c.ticks(25, 28, 14, 17, range(0, 360, 30), WHITE, 1.2)
    c.pie(25, 28, 13, 270, 340, DARK_GREEN)
    c.needle(25, 28, 340, 14, RED, 2.0, 3)
    c.disc(25, 28, 2.2, RED)
    return c


def display():
    """A screen showing a choice of page layouts."""
    c = Canvas()
    c.rect(2, 6, 48, 38, fill=LIGHT_GREY, radius=2)
    c.rect(4, 8, 46, 36, fill=BLACK)
    c.rect(5, 9, 24.5, 21.5, fill=SKY)
    c.rect(5, 15.5, 24.5, 21.5, fill=BROWN)
    c.line([(11, 15.5), (18.5, 15.5)], YELLOW, 1.2)
    c.rect(25.5, 9, 45, 21.5, fill=DARKER_GREY)
    c.arc(35.25, 17, 5, 180, 360, GREEN, 2.0)
    c.rect(5, 22.5, 24.5, 35, fill=DARKER_GREY)
    for i, h in enumerate((6, 9, 7, 10)):
        c.rect(7 + 4.5 * i, 33 - h, 10 + 4.5 * i, 33, fill=GREEN)
    c.rect(25.5, 22.5, 45, 35, fill=NAVY)
    c.line([(28, 32), (34, 26), (41, 30)], MAGENTA, 1.4)
    c.rect(21, 38, 29, 43, fill=GREY)
    c.rect(13, 43, 37, 46, fill=LIGHT_GREY, radius=1)
    return c


def gear_points(cx, cy, r_out, r_in, teeth, phase=0.0):
    pts = []
    for i in range(teeth):
        base = 360.0 / teeth * i + phase
        for da, rr in ((-0.30, r_in), (-0.18, r_out), (0.18, r_out), (0.30, r_in)):
            a = math.radians(base + da * 360.0 / teeth)
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def misc():
    c = Canvas()
    c.poly(gear_points(25, 25, 23, 17.5, 8, 22.5), fill=LIGHT_GREY)
    c.disc(25, 25, 17.5, LIGHT_GREY)
    c.disc(25, 25, 8, BLACK)
    c.ring(25, 25, 13.5, GREY, 1.0)
    return c


def transponder():
    c = Canvas()
    c.rect(2, 24, 48, 46, fill=DARK_GREY, outline=LIGHT_GREY, width=1.5, radius=2)
    c.rect(6, 28, 44, 38, fill=BLACK)
    c.label(25, 33, "7000", 10, GREEN)
    c.disc(9, 42, 1.6, LIGHT_GREY)
    c.disc(41, 42, 1.6, LIGHT_GREY)
    c.rect(15, 40.5, 35, 43.5, fill=GREY, radius=1)
    # antenna and its replies
    c.line([(25, 24), (25, 13)], LIGHT_GREY, 1.6)
    c.disc(25, 12, 1.8, WHITE)
    for rr in (6, 10.5):
        c.arc(25, 12, rr, 200, 250, CYAN, 1.6)
        c.arc(25, 12, rr, 290, 340, CYAN, 1.6)
    return c


def chip(c, x0, y0, x1, y1, pins, body=DARKER_GREY):
    step = (x1 - x0) / pins
    for i in range(pins):
        x = x0 + step * (i + 0.5)
        c.line([(x, y0 - 4), (x, y1 + 4)], LIGHT_GREY, 1.4, caps=False)
    step = (y1 - y0) / pins
    for i in range(pins):
        y = y0 + step * (i + 0.5)
        c.line([(x0 - 4, y), (x1 + 4, y)], LIGHT_GREY, 1.4, caps=False)
    c.rect(x0, y0, x1, y1, fill=body, outline=GREY, width=1.0, radius=1)


def sensor_info():
    c = Canvas()
    chip(c, 7, 7, 33, 33, 5)
    c.disc(20, 20, 6, BLACK)
    c.ring(20, 20, 6, CYAN, 1.4)
    c.disc(20, 20, 2, CYAN)
    # the readings
    c.disc(37, 37, 12, BLUE)
    c.ring(37, 37, 12, WHITE, 1.5)
    c.disc(37, 30.5, 2.0, WHITE)
    c.rect(35.2, 34, 38.8, 44, fill=WHITE)
    return c


def calibrate():
    """A gauge and the wrench that adjusts it."""
    c = Canvas()
    dial(c, 25, 19, 17)
    c.ticks(25, 19, 11, 15, range(150, 391, 30), WHITE, 1.2)
    c.needle(25, 19, 300, 12, YELLOW, 2.0, 3)
    c.disc(25, 19, 2.2, LIGHT_GREY)
    c.line([(7, 43), (36, 43)], LIGHT_GREY, 5.0)
    c.disc(40, 43, 8, LIGHT_GREY)
    c.poly([(40, 40), (50, 36.5), (50, 49.5), (40, 46)], fill=BLACK)
    c.rect(40, 40.2, 44, 45.8, fill=BLACK)
    c.line([(10, 43), (30, 43)], GREY, 1.2, caps=False)
    return c


def altitude():
    c = Canvas()
    c.poly([(0, 48), (15, 22), (22, 31), (31, 14), (50, 48)], fill=BROWN)
    c.poly([(31, 14), (35.5, 22), (33, 21), (30, 24), (28, 20)], fill=WHITE)
    c.poly([(15, 22), (18.5, 28), (15, 27), (12.5, 27)], fill=WHITE)
    c.rect(0, 47, 50, 50, fill=DARK_GREEN)
    # aeroplane above, and the height of it
    c.poly([(6, 8), (18, 8), (21, 6.5), (22, 8.5), (18, 10), (6, 10)], fill=WHITE)
    c.poly([(10, 8), (15, 8), (11, 3)], fill=WHITE)
    c.poly([(10, 10), (15, 10), (11, 14)], fill=WHITE)
    c.arrow(44, 30, 44, 3, YELLOW, 2.2, 5)
    c.line([(40, 46), (48, 46)], YELLOW, 1.5, caps=False)
    c.line([(44, 46), (44, 30)], YELLOW, 2.2, caps=False)
    return c


def airspeed():
    c = Canvas()
    dial(c)
    c.arc(25, 25, 20, 170, 320, GREEN, 4.0)
    c.arc(25, 25, 20, 320, 370, YELLOW, 4.0)
    c.ticks(25, 25, 14, 20.5, (371,), RED, 2.2)
    c.ticks(25, 25, 11, 13.5, range(140, 400, 20), WHITE, 1.0)
    c.label(25, 35, "KT", 8, LIGHT_GREY)
    c.needle(25, 25, 300, 17, WHITE, 2.4, 4)
    c.disc(25, 25, 2.4, LIGHT_GREY)
    return c


def vsi():
    c = Canvas()
    dial(c)
    c.ticks(25, 25, 16, 20, range(90, 271, 30), WHITE, 1.2)
    c.ticks(25, 25, 18, 20, range(105, 271, 30), WHITE, 1.0)
    c.label(31, 16, "UP", 8, WHITE)
    c.label(31, 35, "DN", 8, WHITE)
    c.needle(25, 25, 215, 18, WHITE, 2.4, 4)
    c.disc(25, 25, 2.4, LIGHT_GREY)
    c.arrow(41, 23, 41, 8, GREEN, 1.8, 4)
    c.arrow(41, 27, 41, 42, ORANGE, 1.8, 4)
    return c


def electrical():
    """Battery: the volts and the current."""
    c = Canvas()
    c.rect(9, 6, 17, 11, fill=LIGHT_GREY)
    c.rect(33, 6, 41, 11, fill=LIGHT_GREY)
    c.rect(3, 10, 47, 46, fill=DARKER_GREY, outline=LIGHT_GREY, width=2.0, radius=2)
    c.line([(9, 18), (17, 18)], RED, 2.4, caps=False)
    c.line([(13, 14), (13, 22)], RED, 2.4, caps=False)
    c.line([(33, 18), (41, 18)], WHITE, 2.4, caps=False)
    c.poly([(28, 16), (17, 32), (24, 32), (20, 44), (33, 27), (26, 27), (30, 16)], fill=YELLOW)
    return c


def temperature():
    c = Canvas()
    c.rect(19, 2, 31, 38, fill=WHITE, radius=6)
    c.disc(25, 39, 9.5, WHITE)
    c.rect(21.5, 4.5, 28.5, 38, fill=DARKER_GREY, radius=3.5)
    c.disc(25, 39, 7, RED)
    c.rect(22.5, 16, 27.5, 38, fill=RED)
    for y in (8, 13, 18, 23, 28):
        c.line([(33, y), (38 if y % 10 == 8 else 36, y)], WHITE, 1.2, caps=False)
    return c


def rpm():
    """A propeller turning."""
    c = Canvas()
    blade = [(25, 25), (21.5, 14), (22, 5), (25, 2.5), (28, 5), (28.5, 14)]
    for ang in (0, 180):
        c.poly(rotate(blade, 25, 25, ang + 30), fill=LIGHT_GREY)
    c.disc(25, 25, 5, WHITE)
    c.disc(25, 25, 2, GREY)
    c.arc(25, 25, 21, 305, 395, CYAN, 2.2)
    c.arc(25, 25, 21, 125, 215, CYAN, 2.2)
    for ang in (395, 215):
        a = math.radians(ang)
        x, y = 25 + 21 * math.cos(a), 25 + 21 * math.sin(a)
        t = a + math.pi / 2
        c.poly([(x + 4 * math.cos(t), y + 4 * math.sin(t)),
                (x + 4 * math.cos(a), y + 4 * math.sin(a)),
                (x - 4 * math.cos(a), y - 4 * math.sin(a))], fill=CYAN)
    return c


def fuel():
    """A fuel pump."""
    c = Canvas()
    c.rect(6, 5, 30, 46, fill=WHITE, radius=3)
    c.rect(9.5, 9, 26.5, 20, fill=DARKER_GREY, radius=1)
    c.line([(12, 15), (24, 15)], GREEN, 1.6, caps=False)
    c.rect(3, 44, 33, 48, fill=LIGHT_GREY, radius=1)
    c.line([(30, 26), (37, 26), (40, 30), (40, 42), (43, 44), (46, 41), (46, 18), (41, 12)], LIGHT_GREY, 2.4)
    c.poly([(38, 8), (44, 11), (41, 15), (36, 12)], fill=LIGHT_GREY)
    # a drop of fuel
    c.disc(18, 34.5, 5.2, RED)
    c.poly([(18, 24), (22.9, 32.8), (13.1, 32.8)], fill=RED)
    return c


def pressure():
    """A pressure gauge on its fitting."""
    c = Canvas()
    c.rect(21, 39, 29, 44, fill=LIGHT_GREY)
    c.poly([(17, 44), (33, 44), (35, 49), (15, 49)], fill=GREY)
    dial(c, 25, 21, 20)
    c.ticks(25, 21, 13.5, 17, range(135, 406, 27), WHITE, 1.2)
    c.arc(25, 21, 15.5, 351, 405, RED, 2.5)
    c.needle(25, 21, 250, 15, YELLOW, 2.2, 3)
    c.disc(25, 21, 2.4, LIGHT_GREY)
    return c


def analog():
    """An input lead and its signal."""
    c = Canvas()
    c.rect(2, 4, 48, 34, fill=DARKER_GREY, outline=LIGHT_GREY, width=1.5, radius=2)
    for x in (13.5, 25, 36.5):
        c.line([(x, 6), (x, 32)], DARK_GREY, 0.8, caps=False)
    c.line([(4, 19), (46, 19)], DARK_GREY, 0.8, caps=False)
    pts = [(5 + i * 0.5, 19 - 9 * math.sin(i * 0.5 / 40 * 2 * math.pi * 1.25) * (0.6 + 0.4 * math.cos(i / 20))) for i in range(81)]
    c.line(pts, GREEN, 1.8)
    # plug and lead
    c.line([(25, 34), (25, 40)], LIGHT_GREY, 2.5, caps=False)
    c.rect(18, 39, 32, 46, fill=LIGHT_GREY, radius=1.5)
    c.rect(21, 46, 23.5, 50, fill=YELLOW)
    c.rect(26.5, 46, 29, 50, fill=YELLOW)
    return c


def ecu():
    c = Canvas()
    chip(c, 8, 8, 42, 42, 6)
    c.label(25, 25, "ECU", 11, WHITE)
    return c


# name, caption for the header, drawing
ICONS = [
    ("iconMessage", "MESSAGE pages", message),
    ("iconWarning", "confirmation and warning pages (50 x 42)", warning),
    ("iconInPosition", "G-force calibration: the unit is in position", in_position),
    ("iconOutOfPosition", "G-force calibration: the unit is not in position", out_of_position),
    ("iconFlightLog", "main menu FLIGHT LOG and DATA REC SETUP", flight_log),
    ("iconWaypoint", "main menu WAYPOINT SETUP", waypoint),
    ("iconRoute", "main menu ROUTE SETUP", route),
    ("iconEfisSetup", "main menu EFIS SETUP", efis_setup),
    ("iconEmsSetup", "main menu EMS SETUP", ems_setup),
    ("iconCompass", "main menu COMPASS SETUP", compass),
    ("iconHorizon", "main menu HORIZON SETUP", horizon),
    ("iconGps", "main menu GPS SETUP", gps),
    ("iconSlip", "main menu SLIP SETUP", slip),
    ("iconGForce", "main menu G-FORCE SETUP", g_force),
    ("iconTimers", "main menu TIMERS SETUP", timers),
    ("iconDisplay", "main menu DISPLAY SETUP", display),
    ("iconMisc", "main menu MISC SETUP", misc),
    ("iconTransponder", "main menu TRANSPONDER SETUP", transponder),
    ("iconSensorInfo", "main menu SENSOR INFO", sensor_info),
    ("iconCalibrate", "main menu CALIBRATE", calibrate),
    ("iconAltitude", "EFIS setup menu ALTITUDE SETUP", altitude),
    ("iconAirspeed", "EFIS setup menu ASI SETUP", airspeed),
    ("iconVsi", "EFIS setup menu VSI SETUP", vsi),
    ("iconElectrical", "EFIS setup menu VOLTS SETUP and EMS setup menu CURRENT SETUP", electrical),
    ("iconTemperature", "EFIS setup menu OAT SETUP and EMS setup menu OIL TEMP", temperature),
    ("iconRpm", "EMS setup menu RPM 1 SETUP and RPM 2 SETUP", rpm),
    ("iconFuel", "EMS setup menu FUEL SETUP", fuel),
    ("iconPressure", "EMS setup menu MANIFOLD PRESSURE and OIL PRESSURE", pressure),
    ("iconAnalog", "EMS setup menu ANALOG AUX 1 and ANALOG AUX 2", analog),
    ("iconEcu", "EMS setup menu ECU SETUP", ecu),
]

GENERATED = "// Generated by tools/icongen/icongen.py from its drawings: change them there and run it again.\n"


def write_sources(coded):
    h = [GENERATED,
         "// The pictures built into the unit, in MIF form: 50 x 50 pixels but the warning picture, 50 x 42.\n"
         "// Menu cells without one: EGT and CHT draw their probe symbol, AUTOPILOT its \"AP\" text.\n",
         "#pragma once\n#include <cstdint>\n\n#include \"gfx/mif.h\"\n\n"]
    for name, caption, _ in ICONS:
        h.append("extern const MifImage %s;  // %s\n" % (name, caption))
    h.append("\n// Every built-in picture with its name, for sheets and checks.\n")
    h.append("struct BuiltInIcon {\n    const char* name;\n    const MifImage* image;\n};\n")
    h.append("extern const BuiltInIcon builtInIcons[];\nextern const int32_t builtInIconCount;\n")
    cpp = [GENERATED, "#include \"gfx/icon_data.h\"\n"]
    for name, caption, _ in ICONS:
        data = coded[name]
        cpp.append("\n// %s\nstatic const uint8_t %sBytes[%d] = {\n" % (caption, name, len(data)))
        for i in range(0, len(data), 16):
            cpp.append("    " + ", ".join("0x%02x" % b for b in data[i:i + 16]) + ",\n")
        cpp.append("};\nconst MifImage %s = {%sBytes, sizeof %sBytes};\n" % (name, name, name))
    cpp.append("\nconst BuiltInIcon builtInIcons[] = {\n")
    for name, _, _ in ICONS:
        cpp.append("    {\"%s\", &%s},\n" % (name, name))
    cpp.append("};\nconst int32_t builtInIconCount = (int32_t)(sizeof builtInIcons / sizeof builtInIcons[0]);\n")
    with open(os.path.join(ROOT, "src", "gfx", "icon_data.h"), "w") as f:
        f.write("".join(h))
    with open(os.path.join(ROOT, "src", "gfx", "icon_data.cpp"), "w") as f:
        f.write("".join(cpp))


def main():
    args = sys.argv[1:]
    png_dir = None
    if "--png" in args:
        i = args.index("--png")
        png_dir = args[i + 1]
        del args[i:i + 2]
    if len(args) != 1:
        sys.exit("usage: icongen.py PATH/TO/efis-mif [--png DIR]")
    tool = args[0]
    coded = {}
    with tempfile.TemporaryDirectory() as tmp:
        out_dir = png_dir or tmp
        os.makedirs(out_dir, exist_ok=True)
        for name, _, draw in ICONS:
            png = os.path.join(out_dir, name + ".png")
            mif = os.path.join(tmp, name + ".MIF")
            draw().result().save(png)
            subprocess.run([tool, "encode", png, mif], check=True)
            with open(mif, "rb") as f:
                coded[name] = f.read()
    write_sources(coded)


if __name__ == "__main__":
    main()
