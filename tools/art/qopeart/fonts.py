"""Fonts (all from Debian packages, see FACES) and the text drawing the pictures share.

Layout is Pillow's basic engine, never raqm, so the glyphs do not depend on whether
libraqm happens to be installed.
"""
from __future__ import annotations

from functools import lru_cache

from PIL import Image, ImageDraw, ImageFilter, ImageFont

# face name -> (Debian package, file, index in a collection)
FACES = {
    # Hei (sans) CJK; the "Sharp" member carries hand-tuned bitmaps at 12 to 16 px,
    # which keep small button labels crisp.
    "hei": ("fonts-wqy-zenhei", "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", 0),
    "hei-sharp": ("fonts-wqy-zenhei", "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", 2),
    # Song face with the extension B and E ideographs the Hei face lacks (root glyphs).
    "cjk-ext": ("fonts-babelstone-han",
                "/usr/share/fonts/truetype/babelstone/BabelStoneHan.ttf", 0),
    # Kai (brush) CJK for tag lines.
    "kai": ("fonts-arphic-ukai", "/usr/share/fonts/truetype/arphic/ukai.ttc", 0),
    # Latin display faces.
    "sans-bold": ("fonts-dejavu-core", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 0),
    "serif-bold-italic": ("fonts-dejavu-extra",
                          "/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf", 0),
    "arial-bold": ("fonts-liberation2",
                   "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf", 0),
    "arial": ("fonts-liberation2",
              "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 0),
    "condensed": ("fonts-bebas-neue", "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf", 0),
}


@lru_cache(maxsize=None)
def font(face: str, size: int) -> ImageFont.FreeTypeFont:
    _, path, index = FACES[face]
    return ImageFont.truetype(path, size, index=index, layout_engine=ImageFont.Layout.BASIC)


def packages() -> list[str]:
    return sorted({pkg for pkg, _, _ in FACES.values()})


def ink_box(fnt: ImageFont.FreeTypeFont, text: str, stroke: int = 0) -> tuple[int, int, int, int]:
    return fnt.getbbox(text, stroke_width=stroke)


def centred_origin(fnt, text, cx: float, cy: float, stroke: int = 0,
                   reference: str | None = None) -> tuple[int, int]:
    """Where to draw text so that its ink is centred on (cx, cy).

    Vertically the ink of `reference` (a full-height glyph) is centred instead, when
    given, so that labels of one row share their baseline whatever their glyphs.
    """
    x0, y0, x1, y1 = ink_box(fnt, text, stroke)
    if reference is not None:
        _, y0, _, y1 = ink_box(fnt, reference, stroke)
    return round(cx - (x0 + x1) / 2), round(cy - (y0 + y1) / 2)


def text_mask(size: tuple[int, int], xy, text, fnt, stroke: int = 0, bold: int = 0) -> Image.Image:
    """An L mask of the text; `bold` smears it that many pixels to the right."""
    mask = Image.new("L", size, 0)
    d = ImageDraw.Draw(mask)
    for dx in range(bold + 1):
        d.text((xy[0] + dx, xy[1]), text, font=fnt, fill=255, stroke_width=stroke, stroke_fill=255)
    return mask


def paint(img: Image.Image, mask: Image.Image, fill, offset=(0, 0)) -> None:
    """Paint a solid colour (or an image of the same size) through a mask."""
    if offset != (0, 0):
        shifted = Image.new("L", mask.size, 0)
        shifted.paste(mask, offset)
        mask = shifted
    if isinstance(fill, Image.Image):
        img.paste(fill, (0, 0), mask)
    else:
        img.paste(Image.new(img.mode, img.size, fill), (0, 0), mask)


def shadow(img: Image.Image, mask: Image.Image, colour, offset=(2, 2), blur: float = 2.0,
           strength: float = 1.0) -> None:
    """A soft drop shadow of the mask."""
    m = Image.new("L", mask.size, 0)
    m.paste(mask, offset)
    if blur:
        m = m.filter(ImageFilter.GaussianBlur(blur))
    if strength != 1.0:
        m = m.point(lambda v: min(255, int(v * strength)))
    paint(img, m, colour)
