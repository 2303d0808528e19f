"""The root glyph renderer: one Wubi root as an anti-aliased ink mask that fits a box.

Every picture that shows a root (the keyboard maps, the key pictures, the 21 x 20 root
pictures) draws it through here, so a root looks the same wherever it appears.

A root with a character of its own is that character in the first face that has it
(FACES). A root without one is carved out of a source character by the operations of
tools/art/root_shapes.txt, or drawn from strokes written there when no character shows
it legibly. Every glyph is drawn SCALE times larger, thickened, carved there (so a cut
falls where the recipe says at any size) and box-filtered down.

Sizing: `base_em` is the largest em at which a full ideograph fits the box; every root
starts there, shrinks until it fits, and may grow (up to ENLARGE times) while it still
fits, so that small components and carved parts stay readable instead of floating tiny
in the middle of their cell.
"""
from __future__ import annotations

import re
from dataclasses import dataclass
from functools import lru_cache
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw

from . import fonts

FACES = ("hei", "cjk-ext")             # tried in order for each character
# em added to every stroke: a bold weight carries red and yellow on grey at 13 to 20 px,
# and brings the Song fallback to the weight of the Hei face.
THICKEN = {"hei": 0.03, "cjk-ext": 0.045}
SCALE = 8                              # glyphs are drawn and carved this much larger
MISSING = "\U0010FFFD"                 # no face has it: renders as the face's .notdef
REFERENCE = "国"                        # a full-size ideograph
BLANK = "-"                            # a recipe's source: drawn from strokes on an empty em
STROKE = 0.12                          # width of a drawn stroke, em (the thickened Hei's)
ENLARGE = 1.4
INK_THRESHOLD = 40                     # fainter pixels do not count as ink (or stay)

SHAPES_FILE = Path(__file__).resolve().parent.parent / "root_shapes.txt"


@dataclass(frozen=True)
class Shape:
    source: str                 # the character rendered
    ops: tuple = ()             # (name, numbers) carving the root out of it


# -- the shape list ------------------------------------------------------------------------

_OPS = {"keep": 4, "cut": 4, "keeppoly": None, "cutpoly": None, "stroke": None, "as-is": 0}
_MIN_POINTS = {"keeppoly": 3, "cutpoly": 3, "stroke": 2}


def parse_shapes(text: str, origin: str = "root_shapes.txt") -> dict[str, Shape]:
    """Stand-in glyph -> Shape, from the text of the shape list."""
    shapes: dict[str, Shape] = {}
    for n, line in enumerate(text.splitlines(), 1):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        words = line.split()
        if len(words) < 3 or len(words[0]) != 1 or len(words[1]) != 1:
            raise ValueError(f"{origin}:{n}: want 'stand-in source operations'")
        stand_in, source, rest = words[0], words[1], words[2:]
        ops, i = [], 0
        while i < len(rest):
            name = rest[i]
            if name not in _OPS:
                raise ValueError(f"{origin}:{n}: unknown operation {name!r}")
            j = i + 1
            while j < len(rest) and re.fullmatch(r"-?\d+(\.\d+)?", rest[j]):
                j += 1
            args = tuple(float(v) for v in rest[i + 1:j])
            want = _OPS[name]
            if want is None:
                points = _MIN_POINTS[name]
                if len(args) < 2 * points or len(args) % 2:
                    raise ValueError(f"{origin}:{n}: {name} takes {points} or more points")
            elif len(args) != want:
                raise ValueError(f"{origin}:{n}: {name} takes {want} numbers")
            if name != "as-is":
                ops.append((name, args))
            i = j
        if stand_in in shapes:
            raise ValueError(f"{origin}:{n}: {stand_in} listed twice")
        shapes[stand_in] = Shape(source, tuple(ops))
    return shapes


@lru_cache(maxsize=None)
def shapes() -> dict[str, Shape]:
    return parse_shapes(SHAPES_FILE.read_text(encoding="utf-8"))


def shape_for(glyph: str, drawn: bool) -> Shape:
    """The drawing of a root: its own character, or the recipe for its stand-in."""
    if not drawn:
        return Shape(glyph)
    try:
        return shapes()[glyph]
    except KeyError:
        raise KeyError(f"root stand-in {glyph} (U+{ord(glyph):04X}) has no line in "
                       f"{SHAPES_FILE.name}") from None


# -- faces ---------------------------------------------------------------------------------

@lru_cache(maxsize=None)
def _has_glyph(face: str, ch: str) -> bool:
    f = fonts.font(face, 32)
    return bytes(f.getmask(ch)) != bytes(f.getmask(MISSING)) or f.getbbox(ch) != f.getbbox(MISSING)


@lru_cache(maxsize=None)
def face_of(ch: str) -> str:
    for face in FACES:
        if _has_glyph(face, ch):
            return face
    raise LookupError(f"no face has {ch} (U+{ord(ch):04X})")


# -- rendering -----------------------------------------------------------------------------

_INK = [255 if v >= INK_THRESHOLD else 0 for v in range(256)]


def _ink_box(mask: Image.Image):
    return mask.point(_INK).getbbox()


@lru_cache(maxsize=None)
def _hires(ch: str, em: int) -> Image.Image:
    """The character at em * SCALE pixels, thickened, cropped to its ink."""
    face = face_of(ch)
    f = fonts.font(face, em * SCALE)
    grow = round(THICKEN[face] * em * SCALE / 2)     # outline offset, each side
    x0, y0, x1, y1 = f.getbbox(ch, stroke_width=grow)
    m = Image.new("L", (x1 - x0 + 2 * SCALE, y1 - y0 + 2 * SCALE), 0)
    ImageDraw.Draw(m).text((SCALE - x0, SCALE - y0), ch, font=f, fill=255,
                           stroke_width=grow, stroke_fill=255)
    box = m.getbbox()
    if box is None:
        raise ValueError(f"{ch} renders empty")
    return m.crop(box)


def _reduce(m: Image.Image) -> Image.Image:
    """Box-filter a high-resolution mask down by SCALE and crop it to its ink."""
    w, h = m.size
    m = m.crop((0, 0, w + (-w) % SCALE, h + (-h) % SCALE)).reduce(SCALE)
    box = _ink_box(m)
    if box is None:
        raise ValueError("renders empty")
    return m.crop(box)


def _carve(mask: Image.Image, ops, em_px: int) -> Image.Image:
    """Apply the shape operations to a high-resolution mask (coordinates: its ink box;
    strokes as wide as the Hei face's at em_px pixels to the em)."""
    mask = mask.copy()
    w, h = mask.size

    def pt(x, y):
        return (x / 100 * w, y / 100 * h)

    for name, args in ops:
        region = Image.new("L", mask.size, 0)
        d = ImageDraw.Draw(region)
        points = [pt(args[i], args[i + 1]) for i in range(0, len(args), 2)]
        if name == "stroke":
            ImageDraw.Draw(mask).line(points, fill=255, width=round(STROKE * em_px),
                                      joint="curve")
            continue
        if name in ("keep", "cut"):
            (x0, y0), (x1, y1) = points
            d.rectangle((round(x0), round(y0), round(x1) - 1, round(y1) - 1), fill=255)
        else:
            d.polygon(points, fill=255)
        if name.startswith("keep"):
            mask = ImageChops.multiply(mask, region)
        else:
            mask = ImageChops.subtract(mask, region)
    return mask


@lru_cache(maxsize=None)
def render(shape: Shape, em: int) -> Image.Image:
    """The shape at em pixels, cropped to its ink."""
    if shape.source == BLANK:
        hi = Image.new("L", (em * SCALE, em * SCALE), 0)
    else:
        hi = _hires(shape.source, em)
    if shape.ops:
        hi = _carve(hi, shape.ops, em * SCALE)
        if hi.getbbox() is None:
            raise ValueError(f"carving {shape.source} leaves nothing")
    try:
        return _reduce(hi)
    except ValueError:
        raise ValueError(f"{shape.source} leaves no ink at {em} px") from None


def _fits(m: Image.Image, box) -> bool:
    return m.width <= box[0] and m.height <= box[1]


@lru_cache(maxsize=None)
def base_em(box: tuple[int, int]) -> int:
    """The largest em at which a full ideograph fits box."""
    em = max(box) + 4
    while em > 4 and not _fits(render(Shape(REFERENCE), em), box):
        em -= 1
    return em


@lru_cache(maxsize=None)
def fit(shape: Shape, box: tuple[int, int], enlarge: float = ENLARGE) -> Image.Image:
    """The shape as large as box allows: the largest em up to `enlarge` times the box's
    base em at which it fits. An L mask no larger than box."""
    top = int(base_em(box) * enlarge)
    em = base_em(box)
    m = render(shape, em)
    # Jump to where the size scales to, then step to the exact answer.
    em = max(4, min(top, int(em * min(box[0] / m.width, box[1] / m.height))))
    m = render(shape, em)
    while not _fits(m, box):
        em -= 1
        if em < 4:
            raise ValueError(f"{shape.source} does not fit {box}")
        m = render(shape, em)
    while em < top:
        bigger = render(shape, em + 1)
        if not _fits(bigger, box):
            break
        em, m = em + 1, bigger
    return m


def root_mask(root, box: tuple[int, int], enlarge: float = ENLARGE) -> Image.Image:
    """A catalogue root (anything with glyph and drawn) fitted to box."""
    return fit(shape_for(root.glyph, root.drawn), tuple(box), enlarge)


def stamp(img: Image.Image, mask: Image.Image, xy, colour) -> None:
    """Paint colour through mask with its top left at xy."""
    img.paste(Image.new(img.mode, mask.size, colour), tuple(xy), mask)


def centred(mask: Image.Image, box_origin, box_size) -> tuple[int, int]:
    """Where mask goes to sit in the middle of a box (rounded towards the top left)."""
    return (box_origin[0] + (box_size[0] - mask.width) // 2,
            box_origin[1] + (box_size[1] - mask.height) // 2)
