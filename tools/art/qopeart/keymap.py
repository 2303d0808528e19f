"""The keyboard root maps 547 (86) and 548 (98) and the lit key pictures drawn over them.

Each map is the picture area of the main window (762 x 265): the three letter rows as grey
key caps on a dark grey-green ground, every cap with the roots of its key (the key-name
root in red and larger, the others in green, in catalogue order) and at its foot the
zone-position number and the capital letter; the Z cap carries only a large red Z.

The caps lie exactly under the key pictures: a key picture is copied 70 x 70 at its client
position (key_pictures.def) over the map copied at the picture area's origin, so a cap is
the 70 x 70 square at the picture's position less that origin. A key picture is the same
cap lit, with a frame in the edition's colour, and its roots at the very same pixels; the
hint then reads as the key lighting up. The code lookup window's caps (keycaps.py) and the
root-map dialogs' maps (rootmaps.py) draw their keys through here too.
"""
from __future__ import annotations

from dataclasses import dataclass
from functools import lru_cache

from PIL import Image, ImageDraw

from . import fonts, rootglyph, writers
from .layout import TITLE_ORIGIN, TITLE_SHOWN
from .paint import mix

MAP_IDS = {86: "547", 98: "548"}
CAP = 70                    # the key pictures' copy size, and so the caps' size
RADIUS = 4

GROUND = (74, 90, 80)       # dark grey-green
OUTLINE = (26, 32, 28)
FACE = (206, 206, 198)
LIGHT = (242, 242, 234)
DARK = (124, 126, 118)
LIT_FACE = (255, 255, 238)
FRAME = {86: (255, 0, 0), 98: (255, 255, 0)}
FRAME_EDGE = {86: (120, 0, 0), 98: (120, 96, 0)}
KEY_ROOT = (210, 0, 0)      # the key-name root, and the Z
ROOT = (0, 118, 0)
LABEL = (0, 0, 0)
CAPTION = (250, 226, 120)
CAPTION_SMALL = (226, 236, 228)

INSET = 4                   # cap edge to the roots' area, all round
AREA = CAP - 2 * INSET
SMALL_SIZES = range(18, 10, -1)  # root box sizes tried, largest first
BIG_MAX = 30                # the key-name root's box at most
BIG_MIN_EXTRA = 4           # ... and when there is room, at least this much larger
BIG_MIN = 22                # the key-name root's box, if the others can stay readable:
SMALL_MIN = 12              # ... at least this size
GAP = 2                     # pixels at least between roots of a line
LEADING = 1                 # pixels at least between lines
MAX_EXTRA_LEADING = 8

LABEL_FONT = ("arial-bold", 11)
LABEL_MARGIN = 1
Z_FONT = ("arial-bold", 46)
CAPTION_FONT = ("hei", 21)        # drawn with a one-pixel outline: bold
CAPTION_SMALL_FONT = ("hei-sharp", 14)
CAPTIONS = {86: "86版字根分布", 98: "98版码元分布"}
WELCOME = "Qope 五笔字型练习"


@dataclass(frozen=True)
class Glyph:
    mask: Image.Image
    x: int                  # relative to the cap's top left
    y: int
    key_name: bool


@dataclass(frozen=True)
class KeyFace:
    letter: str
    glyphs: tuple           # Glyph
    label: str              # "35Q"
    label_xy: tuple         # where the label text is drawn, relative to the cap


# -- where the caps are --------------------------------------------------------------------

def cap_positions(key_pictures) -> dict[str, tuple[int, int]]:
    """Letter -> top left of its cap on the map, Z included (key_pictures: the list of
    key_pictures.def)."""
    pos = {p.letter: (p.x - TITLE_ORIGIN[0], p.y - TITLE_ORIGIN[1]) for p in key_pictures}
    for (x, y) in pos.values():
        if x < 0 or y < 0 or x + CAP > TITLE_SHOWN[0] or y + CAP > TITLE_SHOWN[1]:
            raise ValueError(f"a key picture at map ({x}, {y}) leaves the map")
    # Z has no picture: it stands left of the bottom row's first key, at that row's pitch.
    bottom = max(y for _, y in pos.values())
    row = sorted(x for x, y in pos.values() if y == bottom)
    pos["z"] = (row[0] - (row[1] - row[0]), bottom)
    squares = sorted(pos.values(), key=lambda xy: (xy[1], xy[0]))
    for (ax, ay), (bx, by) in zip(squares, squares[1:]):
        if ay == by and bx - ax < CAP:
            raise ValueError(f"caps at ({ax}, {ay}) and ({bx}, {by}) overlap")
    return pos


# -- the roots on a cap --------------------------------------------------------------------

def _lines(masks, big, label, small):
    """Greedy lines of the small masks around the big one (top left) and the label
    (bottom right), or None when they do not fit the area."""
    bw, bh = big
    lw, lh = label
    lines, i, y = [], 0, 0
    while i < len(masks):
        if y + small > AREA:
            return None
        xl = bw + GAP if y < bh else 0
        xr = AREA - lw - GAP if y + small > AREA - lh else AREA
        items, x = [], xl
        while i < len(masks) and x + masks[i].width <= xr:
            items.append(masks[i])
            x += masks[i].width + GAP
            i += 1
        if not items:
            if y < bh:                  # too narrow beside the big root: go below it
                y = bh + LEADING
                continue
            return None
        lines.append([y, xl, xr, items])
        y += small + LEADING
    return lines


def _spread(lines, big, label, small):
    """Share the height left over between the lines (and the big root), as long as no
    line slides into the label's corner with roots in it."""
    used = lines[-1][0] + small if lines else big[1]
    extra = min(MAX_EXTRA_LEADING, max(0, AREA - used) // (len(lines) + 1))
    lw, lh = label
    while extra > 0:
        ok = all(ln[0] + extra * (k + 1) + small <= AREA - lh or
                 ln[2] <= AREA - lw - GAP for k, ln in enumerate(lines))
        if ok:
            break
        extra -= 1
    return extra


def _arrange(roots, label_size):
    """The glyphs of a key: largest small size first, then the largest key-name box."""
    first, rest = roots[0], roots[1:]
    top = min(BIG_MAX, AREA - label_size[1] - 1)
    # A key-name root of at least BIG_MIN when that leaves the others readable, else
    # whatever fits.
    for big_low, small_low in ((BIG_MIN, SMALL_MIN), (1, 1)):
        for small in SMALL_SIZES:
            if small < small_low:
                break
            masks = [rootglyph.root_mask(r, (small, small)) for r in rest]
            low = max(big_low, min(top, small + BIG_MIN_EXTRA))
            for b in range(top, low - 1, -1):
                lines = _lines(masks, (b, b), label_size, small)
                if lines is not None:
                    return small, b, rootglyph.root_mask(first, (b, b)), lines
    raise ValueError(f"the roots of key {first.key} do not fit a cap")


@lru_cache(maxsize=None)
def _label_font():
    return fonts.font(*LABEL_FONT)


def key_face(cat, edition: int, letter: str) -> KeyFace:
    roots = cat.roots_on(edition, letter)
    label = cat.zone_positions[letter] + letter.upper()
    f = _label_font()
    x0, y0, x1, y1 = f.getbbox(label)
    # The label keeps a pixel off the frame of the lit key.
    label_size = (x1 - x0 + LABEL_MARGIN, y1 - y0 + LABEL_MARGIN)
    small, b, big, lines = _arrange(roots, label_size)
    extra = _spread(lines, (b, b), label_size, small)

    glyphs = [Glyph(big, INSET + (b - big.width) // 2, INSET + extra + (b - big.height) // 2,
                    True)]
    for k, (y, xl, xr, items) in enumerate(lines):
        y += extra * (k + 1)
        total = sum(m.width for m in items)
        n = len(items)
        # Spread the line over its width, but not so far that it falls apart.
        gap = min((xr - xl - total) // (n - 1), small * 2 // 3) if n > 1 else 0
        width = total + gap * (n - 1)
        x = xl + (xr - xl - width) // 2
        for m in items:
            glyphs.append(Glyph(m, INSET + x, INSET + y + (small - m.height) // 2, False))
            x += m.width + gap
    lx = INSET + AREA - label_size[0] - x0
    ly = INSET + AREA - label_size[1] - y0
    return KeyFace(letter, tuple(glyphs), label, (lx, ly))


# -- drawing -------------------------------------------------------------------------------

def draw_cap(d: ImageDraw.ImageDraw, x: int, y: int, lit_edition: int | None = None,
             size: int = CAP) -> None:
    """An empty cap, size x size: plain grey, or lit in the edition's frame."""
    box = (x, y, x + size - 1, y + size - 1)
    if lit_edition is None:
        d.rounded_rectangle(box, RADIUS, fill=FACE, outline=OUTLINE)
        for i in (1, 2):
            d.line([(x + i, y + size - 1 - i - 1), (x + i, y + i + 1)], fill=LIGHT)
            d.line([(x + i + 1, y + i), (x + size - 2 - i, y + i)], fill=LIGHT)
            d.line([(x + i + 1, y + size - 1 - i), (x + size - 2 - i, y + size - 1 - i)],
                   fill=DARK)
            d.line([(x + size - 1 - i, y + i + 1), (x + size - 1 - i, y + size - 2 - i)],
                   fill=DARK)
    else:
        d.rounded_rectangle(box, RADIUS, fill=FRAME[lit_edition], outline=FRAME_EDGE[lit_edition])
        d.rectangle((x + 3, y + 3, x + size - 4, y + size - 4), fill=LIT_FACE,
                    outline=FRAME_EDGE[lit_edition])


def draw_key(img: Image.Image, origin, face: KeyFace, lit_edition: int | None = None,
             size: int = CAP) -> None:
    """A key's cap with its roots and label. Roots and label keep their places whatever
    the size (at least AREA + 2 * INSET - 1), so a key looks the same in every picture."""
    x, y = origin
    d = ImageDraw.Draw(img)
    draw_cap(d, x, y, lit_edition, size)
    for g in face.glyphs:
        rootglyph.stamp(img, g.mask, (x + g.x, y + g.y), KEY_ROOT if g.key_name else ROOT)
    d.text((x + face.label_xy[0], y + face.label_xy[1]), face.label, font=_label_font(),
           fill=LABEL)


def _draw_z(img: Image.Image, origin) -> None:
    x, y = origin
    d = ImageDraw.Draw(img)
    draw_cap(d, x, y)
    f = fonts.font(*Z_FONT)
    ox, oy = fonts.centred_origin(f, "Z", x + CAP / 2, y + CAP / 2)
    d.text((ox, oy), "Z", font=f, fill=KEY_ROOT)


def _captions(img: Image.Image, edition: int, positions) -> None:
    """The chart's name and a welcome line in the free corner right of the bottom row."""
    bottom = max(y for _, y in positions.values())
    left = max(x for x, y in positions.values() if y == bottom) + CAP
    cx = (left + TITLE_SHOWN[0]) / 2
    d = ImageDraw.Draw(img)
    big = fonts.font(*CAPTION_FONT)
    ox, oy = fonts.centred_origin(big, CAPTIONS[edition], cx, bottom + CAP * 0.36, stroke=1)
    d.text((ox, oy), CAPTIONS[edition], font=big, fill=CAPTION, stroke_width=1,
           stroke_fill=CAPTION)
    small = fonts.font(*CAPTION_SMALL_FONT)
    ox, oy = fonts.centred_origin(small, WELCOME, cx, bottom + CAP * 0.74)
    d.text((ox, oy), WELCOME, font=small, fill=CAPTION_SMALL)


def cap_palette() -> list:
    """A plain cap's colours, the anti-aliasing of its roots and label included."""
    out = [OUTLINE, FACE, LIGHT, DARK, KEY_ROOT, ROOT, LABEL]
    out += [mix(FACE, KEY_ROOT, t) for t in (1 / 3, 2 / 3)]
    out += [mix(FACE, ROOT, t) for t in (1 / 3, 2 / 3)]
    return out + [mix(FACE, LABEL, 0.5)]


def map_palette() -> list:
    return [GROUND] + cap_palette() + [CAPTION, CAPTION_SMALL, mix(GROUND, CAPTION, 0.5)]


def lit_palette(edition: int) -> list:
    out = [GROUND, FRAME[edition], FRAME_EDGE[edition], LIT_FACE, KEY_ROOT, ROOT, LABEL]
    for ink in (KEY_ROOT, ROOT, LABEL):
        out += [mix(LIT_FACE, ink, t) for t in (1 / 3, 2 / 3)]
    return out


def faces(cat, edition: int) -> dict[str, KeyFace]:
    return {p.letter: key_face(cat, edition, p.letter) for p in cat.key_pictures}


def draw_map(cat, edition: int, key_faces=None, raise_by: int = 0, texts=None) -> Image.Image:
    """The map, RGB: the caps raised by raise_by pixels, then texts(img, edition,
    positions) writes in the free space (by default the practice map's captions)."""
    key_faces = key_faces or faces(cat, edition)
    positions = {k: (x, y - raise_by) for k, (x, y) in cap_positions(cat.key_pictures).items()}
    img = Image.new("RGB", TITLE_SHOWN, GROUND)
    for letter, xy in positions.items():
        if letter == "z":
            _draw_z(img, xy)
        else:
            draw_key(img, xy, key_faces[letter])
    (texts or _captions)(img, edition, positions)
    return img


def draw_key_picture(face: KeyFace, edition: int) -> Image.Image:
    img = Image.new("RGB", (CAP, CAP), GROUND)
    draw_key(img, (0, 0), face, edition)
    return img


def draw_all(cat, key_faces=None) -> dict:
    """{"maps": {id: P image}, "keys": {id: P image}} for both editions, 16 colours each
    (key_faces: edition -> faces(), when already worked out)."""
    maps, keys = {}, {}
    for ed in sorted(MAP_IDS):
        kf = key_faces[ed] if key_faces else faces(cat, ed)
        maps[MAP_IDS[ed]] = writers.to_palette(draw_map(cat, ed, kf), map_palette())
        for p in cat.key_pictures:
            keys[str(p.ids[ed])] = writers.to_palette(draw_key_picture(kf[p.letter], ed),
                                                      lit_palette(ed))
    return {"maps": maps, "keys": keys}
