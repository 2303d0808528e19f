"""Small drawing helpers shared by the picture families: colours, gradients, bevels."""
from __future__ import annotations

import colorsys

from PIL import Image, ImageDraw


def mix(a, b, t: float):
    """Linear blend of two RGB colours, t = 0 gives a, 1 gives b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def shade(c, f: float):
    """f > 0 lightens towards white by f, f < 0 darkens towards black by -f."""
    return mix(c, (255, 255, 255), f) if f >= 0 else mix(c, (0, 0, 0), -f)


def hsv(h: float, s: float, v: float):
    return tuple(round(255 * x) for x in colorsys.hsv_to_rgb(h, s, v))


def vertical(size, stops) -> Image.Image:
    """A top-to-bottom gradient through stops [(pos 0..1, rgb), ...]."""
    w, h = size
    col = []
    for y in range(h):
        t = y / max(1, h - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                col.append(mix(c0, c1, 0 if p1 == p0 else (t - p0) / (p1 - p0)))
                break
        else:
            col.append(stops[-1][1] if t > stops[-1][0] else stops[0][1])
    strip = Image.new("RGB", (1, h))
    strip.putdata(col)
    return strip.resize((w, h), Image.NEAREST)


def horizontal(size, stops) -> Image.Image:
    w, h = size
    return vertical((h, w), stops).transpose(Image.Transpose.ROTATE_90).transpose(
        Image.Transpose.FLIP_TOP_BOTTOM)


def bevel(draw: ImageDraw.ImageDraw, box, light, dark, width: int = 1) -> None:
    """Light top/left and dark bottom/right edges inside box (x0, y0, x1, y1 inclusive)."""
    x0, y0, x1, y1 = box
    for i in range(width):
        draw.line([(x0 + i, y1 - i), (x0 + i, y0 + i), (x1 - i, y0 + i)], fill=light)
        draw.line([(x0 + i + 1, y1 - i), (x1 - i, y1 - i), (x1 - i, y0 + i + 1)], fill=dark)


def dotted_rect(draw: ImageDraw.ImageDraw, box, colour) -> None:
    """The Windows focus rectangle: every other pixel along the edges."""
    x0, y0, x1, y1 = box
    pts = [(x, y0) for x in range(x0, x1 + 1, 2)] + [(x, y1) for x in range(x0 + (y1 - y0) % 2, x1 + 1, 2)]
    pts += [(x0, y) for y in range(y0, y1 + 1, 2)] + [(x1, y) for y in range(y0 + (x1 - x0) % 2, y1 + 1, 2)]
    draw.point(pts, fill=colour)


def rounded_box(draw, box, radius, fill=None, outline=None, width=1):
    draw.rounded_rectangle(box, radius=radius, fill=fill, outline=outline, width=width)
