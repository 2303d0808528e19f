"""The finger exercise's keyboard: four pictures for each of the 62 keys of
src/english/finger_keys.def, NAME + U (lit), D (lit, pressed), F (lit, focused) and
X (unlit).

The keys are drawn as one keyboard, every key in the same state, and each picture is cut
out of it at the key's pixel rectangle (its template position at base units 8 x 16 and
its size). A key draws its cap inside its own rectangle (from its left edge to the next
key's, within the keyboard's right edge) less a margin of the keyboard's dark case, so
neighbours meet cleanly: the pixels two pictures share, where the bottom row's positions
overlap, are case in every picture. The parts of a key listed twice with one legend (the
L-shaped Enter) make one cap.

A lit key is red with a yellow legend, an unlit one grey with a blue legend; the legends
come from fonts (shifted keys both characters, the upper above), the symbols of the named
keys are drawn. Every picture has at most 16 colours and is written 4-bit.
"""
from __future__ import annotations

import re
from dataclasses import dataclass
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw

from . import fonts, writers
from .paint import mix

# Dialog base units of the window's template font (宋体 12 pt), measured under Wine by
# tests/e2e/fontmetrics: a dialog unit is 2 pixels both ways.
BASE_UNITS = (8, 16)
KEY_LIST = ("src", "english", "finger_keys.def")
STATES = "UDFX"

MARGIN = 2           # the case shown round every cap; at least the widest overlap
RADIUS = 3
FACE_INSET = (3, 2, 3, 5)    # the top face inside the cap's skirt: left, top, right, bottom
FACE_INSET_PRESSED = (3, 4, 3, 3)

CASE = (40, 44, 52)
FOCUS = (255, 255, 255)


@dataclass(frozen=True)
class Look:
    outline: tuple
    skirt_top: tuple
    skirt: tuple
    skirt_bottom: tuple
    face: tuple
    highlight: tuple
    legend: tuple


LIT = Look(outline=(84, 0, 6), skirt_top=(236, 86, 76), skirt=(184, 22, 24),
           skirt_bottom=(132, 8, 12), face=(222, 36, 34), highlight=(255, 128, 112),
           legend=(255, 232, 40))
PRESSED = Look(outline=(70, 0, 4), skirt_top=(150, 14, 16), skirt=(160, 16, 18),
               skirt_bottom=(118, 6, 10), face=(198, 26, 26), highlight=(226, 70, 60),
               legend=(255, 232, 40))
UNLIT = Look(outline=(60, 62, 70), skirt_top=(236, 237, 240), skirt=(172, 175, 182),
             skirt_bottom=(128, 131, 140), face=(210, 212, 217), highlight=(244, 245, 247),
             legend=(22, 60, 196))
LOOKS = {"U": LIT, "D": PRESSED, "F": LIT, "X": UNLIT}

LETTER_FONT = ("sans-bold", 18)
PAIR_FONT = ("sans-bold", 13)
# Marks whose ink is only a few pixels at the pair size, drawn larger so they read.
PAIR_MARK_SIZES = {"`": 20, "~": 18}
NAME_FONT = ("condensed", 13)
AA_LEVELS = 3        # blends of legend and face for the legends' smoothed edges


@dataclass(frozen=True)
class Key:
    ident: str          # control id macro
    base: str           # picture base name
    x: int              # dialog units
    y: int
    width: int          # pixels
    height: int
    upper: str
    lower: str

    @property
    def left(self) -> int:
        return px_x(self.x)

    @property
    def top(self) -> int:
        return px_y(self.y)

    @property
    def right(self) -> int:     # exclusive
        return self.left + self.width

    @property
    def bottom(self) -> int:    # exclusive
        return self.top + self.height


def _muldiv(a: int, b: int, c: int) -> int:
    return (2 * a * b + c) // (2 * c)


def px_x(dlu: int) -> int:
    return _muldiv(dlu, BASE_UNITS[0], 4)


def px_y(dlu: int) -> int:
    return _muldiv(dlu, BASE_UNITS[1], 8)


def px_rect(rect) -> tuple[int, int, int, int]:
    """A dialog-unit rectangle (x, y, w, h) of the window as inclusive pixel corners."""
    x, y, w, h = rect
    return px_x(x), px_y(y), px_x(x + w) - 1, px_y(y + h) - 1


_STRING = r'"((?:[^"\\]|\\.)*)"'
_ENTRY = re.compile(r"^\s*QOPE_FINGER_KEY\(\s*(\w+)\s*,\s*" + _STRING + r"\s*,\s*(\d+)\s*,\s*(\d+)\s*,"
                    r"\s*(\d+)\s*,\s*(\d+)\s*,\s*" + _STRING + r"\s*,\s*" + _STRING + r"\s*\)")


def c_string(body: str) -> str:
    """The text of a C string literal's body (the escapes the tables use)."""
    out, i = [], 0
    while i < len(body):
        ch = body[i]
        if ch != "\\":
            out.append(ch)
            i += 1
            continue
        nxt = body[i + 1]
        if nxt == "x":
            m = re.match(r"[0-9a-fA-F]+", body[i + 2:])
            out.append(chr(int(m.group(0), 16)))
            i += 2 + len(m.group(0))
        else:
            out.append({"n": "\n", "t": "\t"}.get(nxt, nxt))
            i += 2
    return "".join(out)


def parse(path: Path) -> tuple:
    keys = []
    for line in path.read_text(encoding="utf-8").splitlines():
        m = _ENTRY.match(line)
        if m:
            ident, base, x, y, w, h, upper, lower = m.groups()
            keys.append(Key(ident, c_string(base), int(x), int(y), int(w), int(h),
                            c_string(upper), c_string(lower)))
    if not keys:
        raise ValueError(f"{path}: no QOPE_FINGER_KEY entries")
    return tuple(keys)


def load(root: Path) -> tuple:
    return parse(root.joinpath(*KEY_LIST))


# -- geometry --------------------------------------------------------------------------------

def rows(keys) -> list[list[Key]]:
    """The keys row by row, top to bottom, each row left to right."""
    by_top: dict[int, list[Key]] = {}
    for k in keys:
        by_top.setdefault(k.top, []).append(k)
    return [sorted(r, key=lambda k: k.left) for _, r in sorted(by_top.items())]


def right_edge(keys) -> int:
    """The keyboard's right edge: where the rows end (the shortest, if they differ)."""
    return min(r[-1].right for r in rows(keys))


def own_rects(keys) -> dict[str, tuple[int, int, int, int]]:
    """Each key's own rectangle (exclusive right and bottom): its picture up to the next
    key's left edge and the keyboard's right edge."""
    edge = right_edge(keys)
    out = {}
    for row in rows(keys):
        for k, nxt in zip(row, row[1:] + [None]):
            right = min(k.right, nxt.left if nxt else edge)
            out[k.base] = (k.left, k.top, right, k.bottom)
    return out


def caps(keys) -> list[list[Key]]:
    """The keys as caps: one list per cap, its parts top to bottom. Parts are keys of one
    legend whose rectangles touch, one above the other."""
    out: list[list[Key]] = []
    for k in sorted(keys, key=lambda k: (k.top, k.left)):
        for cap in out:
            last = cap[-1]
            if ((last.upper, last.lower) == (k.upper, k.lower) and last.bottom == k.top
                    and last.left < k.right and k.left < last.right):
                cap.append(k)
                break
        else:
            out.append([k])
    return out


def bounds(keys) -> tuple[int, int, int, int]:
    return (min(k.left for k in keys), min(k.top for k in keys),
            max(k.right for k in keys), max(k.bottom for k in keys))


# -- drawing ---------------------------------------------------------------------------------

def _shifted(mask: Image.Image, dx: int, dy: int) -> Image.Image:
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def _rounded(size, rects, grow: int = 0, radius: int = RADIUS) -> Image.Image:
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    for x0, y0, x1, y1 in rects:
        d.rounded_rectangle((x0 - grow, y0 - grow, x1 + grow, y1 + grow), radius=max(0, radius + grow),
                            fill=255)
    return m


def _cap_rects(cap: list[Key], own: dict, origin) -> list[tuple[int, int, int, int]]:
    """Inclusive cap rectangles in canvas pixels; an upper part reaches down through the
    parts below it, so that the parts join into one cap."""
    ox, oy = origin
    rects = []
    for i, k in enumerate(cap):
        x0, y0, x1, y1 = own[k.base]
        bottom = own[cap[-1].base][3]
        rects.append((x0 - ox + MARGIN, y0 - oy + MARGIN, x1 - ox - 1 - MARGIN,
                      (bottom if i < len(cap) - 1 else y1) - oy - 1 - MARGIN))
    return rects


def _levels(mask: Image.Image) -> list[Image.Image]:
    """The smoothed mask as AA_LEVELS + 1 hard masks, weakest first."""
    step = 256 / (AA_LEVELS + 1)
    return [mask.point(lambda v, lo=lo: 255 if v >= lo else 0)
            for lo in [round(step * (i + 0.5)) for i in range(AA_LEVELS + 1)]]


def palette(look: Look, focused: bool) -> list:
    blends = [mix(look.face, look.legend, (i + 1) / (AA_LEVELS + 1)) for i in range(AA_LEVELS)]
    cols = [CASE, look.outline, look.skirt_top, look.skirt, look.skirt_bottom, look.face,
            look.highlight, look.legend] + blends
    return cols + ([FOCUS] if focused else [])


def _legend_mask(size, face_box, key: Key) -> tuple[Image.Image, Image.Image]:
    """(smoothed text mask, hard symbol mask) of the key's legend on its face."""
    text = Image.new("L", size, 0)
    sym = Image.new("L", size, 0)
    fx0, fy0, fx1, fy1 = face_box
    cx = (fx0 + fx1) / 2
    cy = (fy0 + fy1) / 2
    dt = ImageDraw.Draw(text)
    if key.upper and key.lower:
        # As printed on many keys: the shifted character at the top left, the other at
        # the bottom right, each on its baseline (so . , keep their place on the line);
        # set apart sideways, tall pairs such as { over [ keep clear of each other.
        f = fonts.font(*PAIR_FONT)
        _, ry0, _, ry1 = fonts.ink_box(f, "H")
        cap_h = ry1 - ry0
        fw = fx1 - fx0 + 1
        for ch, xc, line_top in ((key.upper, fx0 + fw * 0.32, fy0 + 1),
                                 (key.lower, fx0 + fw * 0.68, fy1 - cap_h - 2)):
            if ch in PAIR_MARK_SIZES:
                # Off the baseline: in the middle of its line, clear of the other mark.
                fc = fonts.font(PAIR_FONT[0], PAIR_MARK_SIZES[ch])
                # Measured on the drawn mark: the font's box of ` reaches down to the line.
                ix0, iy0, ix1, iy1 = fonts.text_mask((40, 40), (0, 0), ch, fc).getbbox()
                y = round(line_top + cap_h / 2 - (iy0 + iy1) / 2)
            else:
                fc = f
                ix0, _, ix1, _ = fonts.ink_box(fc, ch)
                y = line_top - ry0
            dt.text((round(xc - (ix0 + ix1) / 2), y), ch, font=fc, fill=255)
    elif len(key.upper) == 1:
        f = fonts.font(*LETTER_FONT)
        xy = fonts.centred_origin(f, key.upper, cx, cy, reference="H")
        dt.text(xy, key.upper, font=f, fill=255)
    elif key.upper:
        _named(dt, ImageDraw.Draw(sym), key.upper, face_box)
    return text, sym


def _named(dt, ds, name: str, face_box) -> None:
    """A named key: its name in condensed capitals under its symbol, or beside it on a
    wide key."""
    fx0, fy0, fx1, fy1 = face_box
    f = fonts.font(*NAME_FONT)
    label = name.upper()
    x0, y0, x1, y1 = fonts.ink_box(f, label)
    tw, th = x1 - x0, y1 - y0
    symbol = SYMBOLS.get(name)
    fw, fh = fx1 - fx0 + 1, fy1 - fy0 + 1
    if symbol is None:
        xy = fonts.centred_origin(f, label, (fx0 + fx1) / 2, (fy0 + fy1) / 2)
        dt.text(xy, label, font=f, fill=255)
        return
    sw, sh = symbol(None, 0, 0)
    if sw + 5 + tw <= fw - 8:
        left = fx0 + (fw - (sw + 5 + tw)) // 2
        symbol(ds, left, fy0 + (fh - sh) // 2)
        dt.text((left + sw + 5 - x0, fy0 + (fh - th) // 2 - y0), label, font=f, fill=255)
    else:
        gap = 3
        top = fy0 + (fh - (sh + gap + th)) // 2
        symbol(ds, fx0 + (fw - sw) // 2, top)
        dt.text((fx0 + (fw - tw) // 2 - x0, top + sh + gap - y0), label, font=f, fill=255)


# Symbols: drawn at (x, y) and return their size; with no drawing, only the size.
def _arrow_left(d, x, y):
    if d:
        d.polygon([(x, y + 3), (x + 4, y), (x + 4, y + 2), (x + 14, y + 2), (x + 14, y + 4),
                   (x + 4, y + 4), (x + 4, y + 6)], fill=255)
    return 15, 7


def _tab(d, x, y):
    if d:
        d.polygon([(x + 10, y + 3), (x + 6, y), (x + 6, y + 2), (x, y + 2), (x, y + 4), (x + 6, y + 4),
                   (x + 6, y + 6)], fill=255)
        d.rectangle((x + 11, y, x + 12, y + 6), fill=255)
    return 13, 7


def _shift(d, x, y):
    if d:
        d.line([(x + 2, y + 9), (x + 2, y + 5), (x, y + 5), (x + 5, y), (x + 10, y + 5), (x + 8, y + 5),
                (x + 8, y + 9), (x + 2, y + 9)], fill=255)
    return 11, 10


def _enter(d, x, y):
    if d:
        d.rectangle((x + 11, y, x + 12, y + 6), fill=255)
        d.rectangle((x + 4, y + 5, x + 12, y + 6), fill=255)
        d.polygon([(x, y + 5.5), (x + 4, y + 2), (x + 4, y + 9)], fill=255)
    return 13, 10


def _caps(d, x, y):
    if d:
        _shift(d, x, y)
        d.rectangle((x + 2, y + 11, x + 8, y + 12), fill=255)
    return 11, 13


def _windows(d, x, y):
    if d:
        for px0, py0 in ((x, y), (x + 6, y), (x, y + 6), (x + 6, y + 6)):
            d.rectangle((px0, py0, px0 + 4, py0 + 4), fill=255)
    return 11, 11


def _menu(d, x, y):
    if d:
        d.rectangle((x, y, x + 9, y + 11), outline=255)
        for k in range(3):
            d.line([(x + 2, y + 3 + 3 * k), (x + 7, y + 3 + 3 * k)], fill=255)
    return 10, 12


SYMBOLS = {"Backspace": _arrow_left, "Tab": _tab, "Shift": _shift, "Enter": _enter,
           "Caps Lock": _caps, "Win": _windows, "Menu": _menu}


def draw_keyboard(keys, state: str) -> tuple[Image.Image, tuple[int, int]]:
    """The whole keyboard with every key in `state`, RGB, and its origin in pixels."""
    look = LOOKS[state]
    pressed = state == "D"
    x0, y0, x1, y1 = bounds(keys)
    size = (x1 - x0, y1 - y0)
    img = Image.new("RGB", size, CASE)
    own = own_rects(keys)
    inset = FACE_INSET_PRESSED if pressed else FACE_INSET
    dots = Image.new("L", size, 0)
    dots.putdata([255 if (x + y) % 2 == 0 else 0 for y in range(size[1]) for x in range(size[0])])
    for cap in caps(keys):
        rects = _cap_rects(cap, own, (x0, y0))
        outer = _rounded(size, rects)
        inner = _rounded(size, [(a + 1, b + 1, c - 1, e - 1) for a, b, c, e in rects], radius=RADIUS - 1)
        face_rects = [(a + inset[0], b + inset[1], c - inset[2], e - inset[3]) for a, b, c, e in rects]
        # The upper part's face reaches through the parts below, like its cap.
        face = _rounded(size, face_rects, radius=RADIUS - 1)
        skirt = ImageChops.subtract(inner, face)
        below = Image.new("L", size, 0)
        above = Image.new("L", size, 0)
        for dy in range(1, 8):
            below = ImageChops.lighter(below, _shifted(face, 0, dy))
            above = ImageChops.lighter(above, _shifted(face, 0, -dy))
        fonts.paint(img, outer, look.outline)
        fonts.paint(img, skirt, look.skirt)
        fonts.paint(img, ImageChops.multiply(skirt, above), look.skirt_top)
        fonts.paint(img, ImageChops.multiply(skirt, below), look.skirt_bottom)
        fonts.paint(img, face, look.face)
        top_edge = ImageChops.subtract(face, _shifted(face, 0, 1))
        left_edge = ImageChops.subtract(face, _shifted(face, 1, 0))
        fonts.paint(img, ImageChops.lighter(top_edge, left_edge), look.highlight)

        # The legend on the face of the lowest, widest part.
        main = max(range(len(cap)), key=lambda i: (cap[i].width, i))
        a, b, c, e = face_rects[main]
        if main > 0:   # a lower part: its face starts below the part above
            b = rects[main][1] + inset[1]
        box = (a + 2, b + 2, c - 2, e - 1)
        text, sym = _legend_mask(size, box, cap[main])
        for i, level in enumerate(_levels(text)):
            colour = look.legend if i == AA_LEVELS else mix(look.face, look.legend, (i + 1) / (AA_LEVELS + 1))
            fonts.paint(img, ImageChops.multiply(level, face), colour)
        fonts.paint(img, ImageChops.multiply(sym, face), look.legend)
        if state == "F":
            # Dotted round the skirt, inside the outline: the legend stays clear.
            ring = ImageChops.subtract(inner, _rounded(size, [(a + 2, b + 2, c - 2, e - 2) for a, b, c, e in rects],
                                                       radius=RADIUS - 2))
            fonts.paint(img, ImageChops.multiply(ring, dots), FOCUS)
    return img, (x0, y0)


def draw_all(keys) -> dict[str, Image.Image]:
    """Resource name (base + state) -> 16-colour picture."""
    out = {}
    for state in STATES:
        board, (ox, oy) = draw_keyboard(keys, state)
        pal = palette(LOOKS[state], state == "F")
        for k in keys:
            pic = board.crop((k.left - ox, k.top - oy, k.right - ox, k.bottom - oy))
            out[k.base + state] = writers.to_palette(pic, pal)
    return out
