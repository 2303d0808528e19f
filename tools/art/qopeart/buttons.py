"""The four pictures of each picture button: up, down (pressed), focused and disabled.

A gradient face with a Windows bevel, coloured by group (drill buttons blue, tools teal,
the exit red) and the label in crisp Hei bitmap glyphs. The label size is the largest that
fits every button of the row, so a row reads as one set.
"""
from __future__ import annotations

from PIL import Image, ImageDraw

from . import fonts
from .layout import Button
from .paint import bevel, dotted_rect, mix, shade, vertical

STATES = "UDFX"

# Face colours: the drill group, the tool group, and the button that ends the program.
GROUP_COLOURS = ((38, 92, 170), (22, 122, 118))
EXIT_BASE = "EXIT"
EXIT_COLOUR = (168, 42, 38)
FOCUS_RING = (255, 206, 64)
DISABLED = (150, 156, 160)

LABEL_SIZES = (16, 15, 14, 13, 12)   # pixel sizes with the face's hand-tuned bitmaps
MARGIN = 3                            # pixels kept clear left and right of the label
REFERENCE = "国"                       # a full-height glyph for vertical centring


def _label_font_size(row: list[Button]) -> int:
    for size in LABEL_SIZES:
        f = fonts.font("hei-sharp", size)
        if all(fonts.ink_box(f, b.label)[2] - fonts.ink_box(f, b.label)[0] + 1 + 2 * MARGIN
               <= b.width for b in row):
            return size
    return LABEL_SIZES[-1]


def label_sizes(buttons: list[Button]) -> dict[str, int]:
    """Label pixel size per button base name."""
    rows: dict[tuple[int, int], list[Button]] = {}
    for b in buttons:
        rows.setdefault((b.group, b.y), []).append(b)
    return {b.base: _label_font_size(row) for row in rows.values() for b in row}


def face_colour(b: Button):
    return EXIT_COLOUR if b.base == EXIT_BASE else GROUP_COLOURS[b.group]


def draw_button(b: Button, state: str, size_px: int) -> Image.Image:
    w, h = b.width, b.height
    base = face_colour(b) if state != "X" else DISABLED
    pressed = state == "D"
    if pressed:
        stops = [(0, shade(base, -0.35)), (0.5, shade(base, -0.2)), (1, shade(base, -0.05))]
    else:
        stops = [(0, shade(base, 0.42)), (0.48, shade(base, 0.12)),
                 (0.52, shade(base, -0.02)), (1, shade(base, -0.22))]
    img = vertical((w, h), stops)
    d = ImageDraw.Draw(img)

    # Outer frame, then the bevel inside it: raised when up, sunk when pressed.
    d.rectangle((0, 0, w - 1, h - 1), outline=shade(base, -0.62))
    if pressed:
        bevel(d, (1, 1, w - 2, h - 2), shade(base, -0.55), shade(base, -0.1))
    else:
        bevel(d, (1, 1, w - 2, h - 2), shade(base, 0.65), shade(base, -0.42))
    if state == "F":
        d.rectangle((2, 2, w - 3, h - 3), outline=FOCUS_RING)
        d.rectangle((3, 3, w - 4, h - 4), outline=mix(FOCUS_RING, shade(base, 0.3), 0.55))

    fnt = fonts.font("hei-sharp", size_px)
    shift = 1 if pressed else 0
    ox, oy = fonts.centred_origin(fnt, b.label, (w - 1) / 2 + shift, (h - 1) / 2 + shift,
                                  reference=REFERENCE)
    mask = fonts.text_mask((w, h), (ox, oy), b.label, fnt)
    if state == "X":
        # The classic greyed label: a white etch under a grey glyph.
        fonts.paint(img, mask, (236, 238, 240), offset=(1, 1))
        fonts.paint(img, mask, (112, 116, 120))
    else:
        fonts.paint(img, mask, shade(base, -0.7), offset=(1, 1))
        fonts.paint(img, mask, (255, 255, 255) if state != "F" else (255, 250, 225))
    if state == "F":
        dotted_rect(d, (4, 4, w - 5, h - 5), shade(base, -0.5))
    return img


def draw_all(buttons: list[Button]) -> dict[str, Image.Image]:
    """Resource name (base + state letter) -> picture."""
    sizes = label_sizes(buttons)
    return {b.base + s: draw_button(b, s, sizes[b.base]) for b in buttons for s in STATES}
