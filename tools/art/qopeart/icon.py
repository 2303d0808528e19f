"""Icon 128: a red Wubi key with 五 on its ivory face, the red of the 86 key frames.

Each size is drawn on its own pixel grid: 32 px and up supersampled from a large drawing,
16 px on its own with the Hei bitmap glyph so that 五 stays sharp.
"""
from __future__ import annotations

from PIL import Image, ImageDraw, ImageFilter

from . import fonts
from .paint import shade, vertical

SIZES = (16, 32, 48, 256)
GLYPH = "五"
FRAME = (206, 34, 34)
FACE_TOP, FACE_BOTTOM = (255, 253, 246), (226, 218, 198)
INK = (120, 14, 14)


def _rounded_mask(size, box, radius) -> Image.Image:
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).rounded_rectangle(box, radius=radius, fill=255)
    return m


def _large(n: int) -> Image.Image:
    """The key drawn n pixels wide (n large), with a soft shadow."""
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    u = n / 64
    key = (round(3 * u), round(2 * u), round(59 * u), round(58 * u))
    shadow = _rounded_mask((n, n), (key[0] + round(2 * u), key[1] + round(3 * u),
                                    key[2] + round(2 * u), key[3] + round(4 * u)), round(10 * u))
    shadow = shadow.filter(ImageFilter.GaussianBlur(2 * u)).point(lambda v: v * 110 // 255)
    img.paste(Image.new("RGBA", (n, n), (0, 0, 0, 255)), (0, 0), shadow)
    frame = vertical((n, n), [(0, shade(FRAME, 0.25)), (1, shade(FRAME, -0.3))]).convert("RGBA")
    img.paste(frame, (0, 0), _rounded_mask((n, n), key, round(10 * u)))
    inner = (key[0] + round(6 * u), key[1] + round(4 * u), key[2] - round(6 * u), key[3] - round(10 * u))
    face = vertical((n, n), [(0, FACE_TOP), (1, FACE_BOTTOM)]).convert("RGBA")
    img.paste(face, (0, 0), _rounded_mask((n, n), inner, round(7 * u)))
    f = fonts.font("hei", round(38 * u))
    cx, cy = (inner[0] + inner[2]) / 2, (inner[1] + inner[3]) / 2
    ox, oy = fonts.centred_origin(f, GLYPH, cx, cy, stroke=round(1.2 * u))
    ImageDraw.Draw(img).text((ox, oy), GLYPH, font=f, fill=INK + (255,),
                             stroke_width=round(1.2 * u), stroke_fill=INK + (255,))
    return img


def _small() -> Image.Image:
    """16 x 16: too small for the ivory face, so a white 五 (12 px bitmap glyph) on the red key."""
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    face = vertical((16, 16), [(0, shade(FRAME, 0.2)), (1, shade(FRAME, -0.25))]).convert("RGBA")
    img.paste(face, (0, 0), _rounded_mask((16, 16), (0, 0, 15, 15), 3))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, 15, 15), radius=3, outline=shade(FRAME, -0.55) + (255,))
    f = fonts.font("hei-sharp", 12)
    ox, oy = fonts.centred_origin(f, GLYPH, 7.5, 7.5)
    d.text((ox, oy), GLYPH, font=f, fill=(255, 255, 255, 255))
    return img


def draw() -> list[Image.Image]:
    out = []
    for s in SIZES:
        if s == 16:
            out.append(_small())
        else:
            out.append(_large(s * 4).resize((s, s), Image.LANCZOS))
    return out
