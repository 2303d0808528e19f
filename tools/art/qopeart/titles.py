"""Title pictures 619 (86 edition) and 620 (98 edition).

The product name, the edition badge, the tag line and a row of home-row keys with their
key-name roots. The editions differ in their accent: red for 86 and gold for 98, the
colours of their key frames elsewhere in the program.
"""
from __future__ import annotations

import math
from dataclasses import dataclass

from PIL import Image, ImageDraw, ImageFilter

from . import fonts
from .paint import mix, shade, vertical

HEIGHT = 266
PRODUCT = "Qope"
SUBTITLE = "五笔字型"
TAGLINE = "五笔打字练习"
LATIN_LINE = "WUBI TYPING TUTOR"

# The home row and the key-name root each key carries (the same in both editions).
HOME_KEYS = (("A", "工"), ("S", "木"), ("D", "大"), ("F", "土"), ("G", "王"),
             ("H", "目"), ("J", "日"), ("K", "口"), ("L", "田"))


@dataclass(frozen=True)
class Edition:
    resource: str
    number: str
    width: int
    accent: tuple          # badge and key frames
    accent_text: tuple     # text on the accent
    ground_top: tuple
    ground_bottom: tuple
    glow: tuple


EDITIONS = (
    Edition("619", "86", 762, (214, 38, 38), (255, 255, 255),
            (10, 30, 66), (18, 74, 104), (60, 120, 190)),
    Edition("620", "98", 763, (244, 196, 40), (92, 28, 10),
            (40, 22, 46), (92, 44, 40), (180, 110, 60)),
)


def _ground(ed: Edition) -> Image.Image:
    w, h = ed.width, HEIGHT
    img = vertical((w, h), [(0, ed.ground_top), (1, ed.ground_bottom)])
    # A soft glow behind the name.
    glow = Image.new("L", (w, h), 0)
    ImageDraw.Draw(glow).ellipse((-60, -90, 420, 230), fill=150)
    glow = glow.filter(ImageFilter.GaussianBlur(60))
    img = Image.composite(Image.new("RGB", (w, h), ed.glow), img, glow)
    # Faint keyboard rows in the ground, echoing the keys below.
    lines = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(lines)
    for row in range(6):
        y = -10 + row * 34
        off = (row % 3) * 14
        for col in range(-1, w // 34 + 2):
            x = col * 34 + off
            d.rounded_rectangle((x, y, x + 28, y + 28), radius=5, outline=26, width=1)
    img = Image.composite(Image.new("RGB", (w, h), (255, 255, 255)), img,
                          lines.filter(ImageFilter.GaussianBlur(0.6)))
    return img


def _frame(img: Image.Image, ed: Edition) -> None:
    w, h = img.size
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=shade(ed.ground_top, -0.6))
    d.rectangle((1, 1, w - 2, h - 2), outline=shade(ed.ground_top, 0.25))
    d.rectangle((5, 5, w - 6, h - 6), outline=ed.accent, width=2)
    d.rectangle((8, 8, w - 9, h - 9), outline=shade(ed.accent, -0.45))


def _glossy_text(img, xy, text, fnt, top, bottom, stroke=0, stroke_colour=None,
                 shadow=(0, 0, 0), shadow_offset=(4, 4), weight=0):
    """Text with a gradient fill, a soft shadow and optionally an outline.

    `weight` thickens the fill (a stroke in the fill's own colour), `stroke` is the
    outline's reach beyond the glyph.
    """
    mask = fonts.text_mask(img.size, xy, text, fnt, stroke=stroke + weight)
    fonts.shadow(img, mask, shadow, offset=shadow_offset, blur=4, strength=0.9)
    if stroke and stroke_colour is not None:
        fonts.paint(img, mask, stroke_colour)
        mask = fonts.text_mask(img.size, xy, text, fnt, stroke=weight)
    x0, y0, x1, y1 = mask.getbbox()
    fill = Image.new("RGB", img.size, top)
    fill.paste(vertical((x1 - x0, y1 - y0), [(0, top), (0.55, mix(top, bottom, 0.5)), (1, bottom)]),
               (x0, y0))
    fonts.paint(img, mask, fill)


def _badge(img, ed: Edition, box):
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    sh = Image.new("L", img.size, 0)
    ImageDraw.Draw(sh).rounded_rectangle((x0 + 3, y0 + 4, x1 + 3, y1 + 4), radius=10, fill=200)
    fonts.paint(img, sh.filter(ImageFilter.GaussianBlur(3)), (0, 0, 0))
    face = vertical((x1 - x0 + 1, y1 - y0 + 1),
                    [(0, shade(ed.accent, 0.35)), (0.5, ed.accent), (1, shade(ed.accent, -0.25))])
    m = Image.new("L", face.size, 0)
    ImageDraw.Draw(m).rounded_rectangle((0, 0, face.width - 1, face.height - 1), radius=10, fill=255)
    img.paste(face, (x0, y0), m)
    d.rounded_rectangle(box, radius=10, outline=shade(ed.accent, -0.5), width=2)
    d.rounded_rectangle((x0 + 3, y0 + 3, x1 - 3, y1 - 3), radius=8,
                        outline=shade(ed.accent, 0.45), width=1)
    cx = (x0 + x1) / 2
    num = fonts.font("sans-bold", 38)
    ox, oy = fonts.centred_origin(num, ed.number, cx, y0 + 26)
    d.text((ox, oy), ed.number, font=num, fill=ed.accent_text)
    ban = fonts.font("hei", 20)
    ox, oy = fonts.centred_origin(ban, "版", cx, y1 - 16)
    d.text((ox, oy), "版", font=ban, fill=ed.accent_text)


def _key(img, ed: Edition, box, letter, root):
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    sh = Image.new("L", img.size, 0)
    ImageDraw.Draw(sh).rounded_rectangle((x0 + 2, y0 + 4, x1 + 2, y1 + 4), radius=7, fill=190)
    fonts.paint(img, sh.filter(ImageFilter.GaussianBlur(3)), (0, 0, 0))
    d.rounded_rectangle(box, radius=7, fill=ed.accent, outline=shade(ed.accent, -0.5))
    inner = (x0 + 4, y0 + 3, x1 - 4, y1 - 7)
    face = vertical((inner[2] - inner[0] + 1, inner[3] - inner[1] + 1),
                    [(0, (252, 250, 244)), (1, (222, 216, 200))])
    m = Image.new("L", face.size, 0)
    ImageDraw.Draw(m).rounded_rectangle((0, 0, face.width - 1, face.height - 1), radius=5, fill=255)
    img.paste(face, inner[:2], m)
    lf = fonts.font("arial-bold", 13)
    d.text((inner[0] + 4, inner[1] + 2), letter, font=lf, fill=shade(ed.accent, -0.45))
    rf = fonts.font("hei", 28)
    ox, oy = fonts.centred_origin(rf, root, (inner[0] + inner[2]) / 2 + 6, (inner[1] + inner[3]) / 2 + 5)
    d.text((ox, oy), root, font=rf, fill=(24, 24, 30))


def draw(ed: Edition) -> Image.Image:
    img = _ground(ed)
    w = ed.width

    # The product name.
    name = fonts.font("serif-bold-italic", 112)
    _glossy_text(img, (30, 4), PRODUCT, name, (255, 255, 255), (170, 210, 245))
    d = ImageDraw.Draw(img)
    latin = fonts.font("condensed", 26)
    x = 44
    for ch in LATIN_LINE:   # letter-spaced small caps line under the name
        d.text((x, 138), ch, font=latin, fill=(214, 228, 240))
        x += latin.getlength(ch) + (5 if ch != " " else 7)
    d.line([(44, 174), (x - 5, 174)], fill=ed.accent, width=3)

    # The edition: 五笔字型 and its badge, then the tag line.
    sub = fonts.font("hei", 66)
    _glossy_text(img, (374, 30), SUBTITLE, sub, (255, 255, 255), (214, 222, 236), stroke=2, weight=1,
                 stroke_colour=shade(ed.ground_top, -0.4))
    _badge(img, ed, (w - 112, 28, w - 30, 108))
    tag = fonts.font("kai", 40)
    _glossy_text(img, (378, 114), TAGLINE, tag, shade(ed.accent, 0.8), shade(ed.accent, 0.4),
                 stroke=2, stroke_colour=shade(ed.accent, -0.6), shadow_offset=(2, 3))

    # The home row with the key-name roots.
    kw, gap = 62, 9
    total = len(HOME_KEYS) * kw + (len(HOME_KEYS) - 1) * gap
    x = (w - total) // 2
    for letter, root in HOME_KEYS:
        _key(img, ed, (x, 190, x + kw - 1, 190 + 56), letter, root)
        x += kw + gap
    _frame(img, ed)
    return img


def draw_all() -> dict[str, Image.Image]:
    return {ed.resource: draw(ed) for ed in EDITIONS}
