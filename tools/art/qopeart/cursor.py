"""Cursor 977: the hand shown over clickable controls.

A white pointing hand with a black outline, 32 x 32 in 16 colours, the tip of the index
finger at the hot spot (12, 1). The hand is built from a few shapes at the pixel grid (no
smoothing, a cursor has no alpha), outlined where the shape meets its outside and where
the fingers meet each other.
"""
from __future__ import annotations

from PIL import Image, ImageDraw

SIZE = 32
HOTSPOT = (12, 1)

# The standard 16-colour VGA palette; the cursor uses black (0) and white (15).
VGA16 = ((0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255))
BLACK, WHITE = 0, 15

# Fingers as (left, top, right, bottom), inclusive; the index finger first.
FINGERS = ((10, 1, 14, 17), (14, 8, 18, 17), (18, 9, 22, 18), (22, 11, 26, 19))
PALM = [(10, 14), (26, 14), (26, 23), (24, 27), (12, 27), (10, 25), (8, 23), (4, 18),
        (3, 15), (5, 13), (7, 14), (10, 17)]
CUFF = (12, 27, 24, 30)


def _shape() -> Image.Image:
    m = Image.new("1", (SIZE, SIZE), 0)
    d = ImageDraw.Draw(m)
    for x0, y0, x1, y1 in FINGERS:
        d.rectangle((x0, y0 + 1, x1, y1), fill=1)
        d.line([(x0 + 1, y0), (x1 - 1, y0)], fill=1)   # rounded tip
    d.polygon(PALM, fill=1)
    d.rectangle(CUFF, fill=1)
    return m


def draw() -> tuple[Image.Image, Image.Image]:
    """The 16-colour picture and its transparency mask (255 = see-through)."""
    shape = _shape()
    sp = shape.load()
    img = Image.new("P", (SIZE, SIZE), BLACK)
    img.putpalette([c for rgb in VGA16 for c in rgb])
    img.info["ncolours"] = 16
    px = img.load()
    inside = lambda x, y: 0 <= x < SIZE and 0 <= y < SIZE and sp[x, y]
    for y in range(SIZE):
        for x in range(SIZE):
            if not sp[x, y]:
                continue
            edge = not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            px[x, y] = BLACK if edge else WHITE
    d = ImageDraw.Draw(img)
    # Where the fingers meet: a line down from between each pair of knuckles.
    for (_, _, right, _), (_, top, _, _) in zip(FINGERS, FINGERS[1:]):
        d.line([(right, top), (right, top + 3)], fill=BLACK)
    # The cuff's seam.
    d.line([(CUFF[0], CUFF[1]), (CUFF[2], CUFF[1])], fill=BLACK)
    transparent = shape.convert("L").point(lambda v: 0 if v else 255)
    return img, transparent
