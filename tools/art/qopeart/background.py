"""Background 522: the ground the main window stretches over its whole client area.

A calm slate-teal gradient, lighter towards the lower half where the coloured labels
stand, with broad soft light bands and faint rows of keys: nothing finer than the stretch (about 1.8 times) can
carry without blocky edges. Mid-tone, so that white, cyan and yellow labels and the blue,
red, magenta and green ones all keep their contrast.
"""
from __future__ import annotations

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from .paint import vertical

SIZE = (450, 300)

TOP = (30, 74, 98)
MIDDLE = (70, 116, 128)
BOTTOM = (104, 140, 144)


def draw() -> Image.Image:
    w, h = SIZE
    img = vertical(SIZE, [(0, TOP), (0.45, MIDDLE), (1, BOTTOM)])

    # Broad diagonal bands of light, blurred so the stretch cannot show steps.
    bands = Image.new("L", SIZE, 0)
    d = ImageDraw.Draw(bands)
    for i, (pos, width, level) in enumerate(((0.18, 38, 26), (0.42, 16, 18), (0.63, 60, 20),
                                             (0.86, 24, 16))):
        x = pos * (w + h) - h
        d.polygon([(x, h), (x + width, h), (x + width + h, 0), (x + h, 0)], fill=level)
    bands = bands.filter(ImageFilter.GaussianBlur(10))
    img = Image.composite(Image.new("RGB", SIZE, (200, 230, 230)), img, bands)

    # Faint rows of keys, the motif of the title pictures, soft enough to stretch.
    keys = Image.new("L", SIZE, 0)
    d = ImageDraw.Draw(keys)
    pitch, side = 30, 25
    for row in range(h // pitch + 2):
        y = 4 + row * pitch
        off = (row % 4) * 8
        for col in range(-1, w // pitch + 2):
            x = col * pitch + off
            d.rounded_rectangle((x, y, x + side, y + side), radius=5, outline=255, width=1)
    keys = keys.filter(ImageFilter.GaussianBlur(0.9)).point(lambda v: v * 34 // 255)
    img = Image.composite(Image.new("RGB", SIZE, (226, 244, 244)), img, keys)

    # A soft vignette darkens the corners a little and keeps the eye in the middle.
    vig = Image.new("L", SIZE, 0)
    px = vig.load()
    for y in range(h):
        for x in range(w):
            dx, dy = (x - w / 2) / (w / 2), (y - h * 0.55) / (h / 2)
            px[x, y] = min(255, int(70 * max(0.0, math.hypot(dx, dy) - 0.55) ** 1.5 * 2))
    img = Image.composite(Image.new("RGB", SIZE, (10, 30, 40)), img, vig)
    return img
