"""The finger exercise window's other pictures: the exit button EXITBACK (a left arrow
reading 结束返回, four states), the caption 336 (你现在所练习的键位是:), the pointer 355
(请选择 and an arrow towards the group buttons) and the meander (回纹) border, 341 across
the top and bottom edges and 345 down the sides.

The caption and the pointer are cinnabar plaques framed in gold like the border, so they
read the same on whatever ground the window has; the exit button is a plate of the
keyboard's case. Sizes follow the template (src/english/FingerExerciseDlg.rc, its group buttons from
finger_groups.def): the caption stands between its position and the key list, the
pointer between its position and the group buttons, the strips cover the window's edges
as thick as the template leaves them.
"""
from __future__ import annotations

import re
from dataclasses import dataclass
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter

from . import fingerkeys, fonts, template, writers
from .fingerkeys import CASE, c_string, px_x, px_y
from .paint import bevel, dotted_rect, mix, shade

TEMPLATE = ("src", "english", "FingerExerciseDlg.rc")
DIALOG = "IDD_FINGER_EXERCISE"
GROUP_LIST = ("src", "english", "finger_groups.def")

CAPTION_ID, MEANDER_ACROSS_ID, MEANDER_DOWN_ID, CHOOSE_ID = "336", "341", "345", "355"
EXIT_BASE = "EXITBACK"
EXIT_SIZE = (100, 46)
STATES = "UDFX"

CINNABAR = (158, 26, 22)
GOLD = (236, 192, 80)
GOLD_LIGHT = (255, 232, 150)
GOLD_DARK = (150, 104, 30)
ARROW = (214, 40, 34)
EXIT_TEXT = (255, 232, 40)
DISABLED = (150, 152, 158)

CAPTION_TEXT = "你现在所练习的键位是:"
CHOOSE_TEXT = "请选择"

GAP = 4                      # pixels left clear before the neighbour


@dataclass(frozen=True)
class GroupButton:
    number: int
    ident: str
    x: int                  # dialog units
    y: int
    caption: str
    key_list: str
    targets: tuple          # (character, key id, prompt) of its own targets


@dataclass(frozen=True)
class Window:
    dialog: template.Dialog
    keys: tuple             # fingerkeys.Key
    groups: tuple           # GroupButton
    group_size: tuple       # the group buttons' width and height, dialog units

    def at(self, ident: str) -> tuple[int, int]:
        """A control's top left in pixels."""
        c = self.dialog.control(ident)
        return px_x(c.rect[0]), px_y(c.rect[1])

    @property
    def client_size(self) -> tuple[int, int]:
        return px_x(self.dialog.size[0]), px_y(self.dialog.size[1])

    @property
    def border(self) -> int:
        """The strips' thickness in pixels: what the bottom strip leaves above it."""
        return self.client_size[1] - self.at("IDC_FINGER_BORDER_BOTTOM")[1]


_STR = r'"((?:[^"\\]|\\.)*)"'
_GROUP = re.compile(r"^\s*QOPE_FINGER_GROUP\(\s*(\d+)\s*,\s*(\w+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*"
                    + _STR + r"\s*,\s*" + _STR + r"\s*,\s*" + _STR + r"\s*\)")
_TARGET = re.compile(r"^\s*QOPE_FINGER_TARGET\(\s*(\d+)\s*,\s*'((?:[^'\\]|\\.)*)'\s*,\s*(\w+)\s*,\s*"
                     + _STR + r"\s*\)")
_GROUP_SIZE = re.compile(r"#define\s+QOPE_FINGER_GROUP\(.*\\\n.*,\s*x\s*,\s*y\s*,\s*(\d+)\s*,\s*(\d+)\s*$",
                         re.M)


def parse_groups(path: Path) -> tuple:
    rows, targets = [], {}
    for line in path.read_text(encoding="utf-8").splitlines():
        m = _GROUP.match(line)
        if m:
            rows.append(m.groups())
        t = _TARGET.match(line)
        if t:
            g, ch, key, prompt = t.groups()
            targets.setdefault(int(g), []).append((c_string(ch), key, c_string(prompt)))
    if not rows:
        raise ValueError(f"{path}: no QOPE_FINGER_GROUP entries")
    return tuple(GroupButton(int(n), ident, int(x), int(y), c_string(cap), c_string(keys),
                             tuple(targets.get(int(n), ())))
                 for n, ident, x, y, cap, _token, keys in rows)


def window(root: Path) -> Window:
    rc = root.joinpath(*TEMPLATE)
    m = _GROUP_SIZE.search(rc.read_text(encoding="utf-8"))
    if not m:
        raise ValueError(f"{rc}: no size for the group buttons in its QOPE_FINGER_GROUP")
    return Window(template.dialog(rc, DIALOG), fingerkeys.load(root),
                  parse_groups(root.joinpath(*GROUP_LIST)), (int(m.group(1)), int(m.group(2))))


def _plaque(size) -> Image.Image:
    """A cinnabar plaque in a gold frame with a dark inner line."""
    w, h = size
    img = Image.new("RGB", size, CINNABAR)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=GOLD_DARK)
    d.rectangle((1, 1, w - 2, h - 2), outline=GOLD)
    bevel(d, (2, 2, w - 3, h - 3), GOLD_LIGHT, GOLD_DARK)
    d.rectangle((3, 3, w - 4, h - 4), outline=shade(CINNABAR, -0.45))
    return img


def _gold_text(img: Image.Image, xy, text: str, fnt) -> None:
    mask = fonts.text_mask(img.size, xy, text, fnt)
    fonts.paint(img, mask, shade(CINNABAR, -0.6), offset=(1, 1))
    fonts.paint(img, mask, GOLD_LIGHT)


def caption(win: Window) -> Image.Image:
    """336: the words before the key list, as wide as the room between."""
    width = win.at("IDC_FINGER_KEY_LIST")[0] - win.at("IDC_FINGER_CAPTION")[0] - GAP
    f = fonts.font("hei", 26)
    x0, _, x1, _ = fonts.ink_box(f, CAPTION_TEXT)
    height = 36
    img = _plaque((width, height))
    ox, oy = fonts.centred_origin(f, CAPTION_TEXT, width / 2, height / 2 - 0.5, reference="国")
    if x1 - x0 > width - 16:
        raise ValueError("the caption's words do not fit its plaque")
    _gold_text(img, (ox, oy), CAPTION_TEXT, f)
    return writers.palettize(img)


def choose(win: Window) -> Image.Image:
    """355: 请选择 and a gold arrow pointing right at the group buttons, from its place to
    the foot of their last row."""
    x, y = win.at("IDC_FINGER_CHOOSE")
    width = px_x(min(g.x for g in win.groups)) - x - GAP
    height = px_y(max(g.y for g in win.groups) + win.group_size[1]) - y
    img = _plaque((width, height))
    f = fonts.font("hei", 24)
    ix0, _, ix1, _ = fonts.ink_box(f, CHOOSE_TEXT)
    tx = 11
    ox, oy = fonts.centred_origin(f, CHOOSE_TEXT, tx + (ix1 - ix0) / 2, height / 2 - 0.5, reference="国")
    _gold_text(img, (ox, oy), CHOOSE_TEXT, f)
    # The arrow: a shaft and a head, outlined, from after the words to the right edge.
    a0, a1 = tx + (ix1 - ix0) + 8, width - 9
    cy = height // 2
    head = 13
    pts = [(a0, cy - 4), (a1 - head, cy - 4), (a1 - head, cy - 11), (a1, cy), (a1 - head, cy + 11),
           (a1 - head, cy + 4), (a0, cy + 4)]
    big = Image.new("L", (width * 4, height * 4), 0)
    ImageDraw.Draw(big).polygon([(4 * x + 2, 4 * y + 2) for x, y in pts], fill=255)
    mask = big.resize((width, height), Image.LANCZOS)
    fonts.paint(img, mask, shade(CINNABAR, -0.6), offset=(1, 1))
    fonts.paint(img, mask, GOLD)
    edge = Image.new("L", (width * 4, height * 4), 0)
    ImageDraw.Draw(edge).line([(4 * x + 2, 4 * y + 2) for x, y in pts[:4]], fill=255, width=3)
    fonts.paint(img, edge.resize((width, height), Image.LANCZOS), GOLD_LIGHT)
    return writers.palettize(img)


def exit_button(state: str) -> Image.Image:
    """EXITBACK + state: a red arrow pointing left on a plate of the keyboard's case,
    reading 结束返回."""
    w, h = EXIT_SIZE
    pressed = state == "D"
    disabled = state == "X"
    img = Image.new("RGB", (w, h), CASE)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=shade(CASE, -0.6))
    if pressed:
        bevel(d, (1, 1, w - 2, h - 2), shade(CASE, -0.5), shade(CASE, 0.25))
    else:
        bevel(d, (1, 1, w - 2, h - 2), shade(CASE, 0.35), shade(CASE, -0.5), width=2)
    s = 1 if pressed else 0
    cy = h // 2 + s
    left, right, head, half, shaft = 6 + s, w - 7 + s, 20, 17, 11
    pts = [(left, cy), (left + head, cy - half), (left + head, cy - shaft), (right, cy - shaft),
           (right, cy + shaft), (left + head, cy + shaft), (left + head, cy + half)]
    body = DISABLED if disabled else (shade(ARROW, -0.15) if pressed else ARROW)
    big = Image.new("L", (w * 4, h * 4), 0)
    ImageDraw.Draw(big).polygon([(4 * x + 2, 4 * y + 2) for x, y in pts], fill=255)
    mask = big.resize((w, h), Image.LANCZOS)
    fonts.paint(img, mask, shade(CASE, -0.7), offset=(1, 2))
    fonts.paint(img, mask, shade(body, -0.35))
    # The arrow's face, a gradient, a pixel inside its smoothed edge.
    inner = mask.point(lambda v: 255 if v > 250 else 0).filter(ImageFilter.MinFilter(3))
    face = Image.new("RGB", (w, h))
    for y in range(h):
        t = (y - (cy - half)) / (2 * half)
        ImageDraw.Draw(face).line([(0, y), (w, y)], fill=mix(shade(body, 0.3), shade(body, -0.12),
                                                              max(0.0, min(1.0, t))))
    img.paste(face, (0, 0), inner)
    if not disabled:
        gold = Image.new("L", (w * 4, h * 4), 0)
        ImageDraw.Draw(gold).line([(4 * x + 2, 4 * y + 2) for x, y in pts + pts[:1]], fill=255, width=4)
        fonts.paint(img, gold.resize((w, h), Image.LANCZOS), GOLD)
    f = fonts.font("hei-sharp", 16)
    text = "结束返回"
    ox, oy = fonts.centred_origin(f, text, (left + head - 4 + right) / 2, cy - 0.5, reference="国")
    mask = fonts.text_mask((w, h), (ox, oy), text, f)
    if disabled:
        fonts.paint(img, mask, (236, 238, 240), offset=(1, 1))
        fonts.paint(img, mask, (104, 108, 114))
    else:
        fonts.paint(img, mask, shade(body, -0.6), offset=(1, 1))
        fonts.paint(img, mask, EXIT_TEXT)
    if state == "F":
        dotted_rect(d, (3, 3, w - 4, h - 4), (255, 255, 255))
    return writers.palettize(img)


# -- the meander -----------------------------------------------------------------------------

# One period of the fret, a square spiral rising from the base line, in cells of 2 x 2
# pixels; the strip puts a gold rule outside it on either side.
FRET = (
    "XXXXXX.",
    "X....X.",
    "X.XX.X.",
    "X.X..X.",
    "X.XXXX.",
    "X......",
    "XXXXXXX",
)
CELL = 2


def _fret_across(length: int, thickness: int) -> Image.Image:
    """The strip for a horizontal edge, `length` pixels long, RGB."""
    img = Image.new("RGB", (length, thickness), CINNABAR)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, length - 1, 1), fill=GOLD)
    d.rectangle((0, thickness - 2, length - 1, thickness - 1), fill=GOLD)
    d.line([(0, 0), (length - 1, 0)], fill=GOLD_LIGHT)
    d.line([(0, thickness - 1), (length - 1, thickness - 1)], fill=GOLD_DARK)
    period = len(FRET[0]) * CELL
    top = (thickness - len(FRET) * CELL) // 2
    start = (length % period) // 2 - period
    for x0 in range(start, length, period):
        for r, row in enumerate(FRET):
            for c, cell in enumerate(row):
                if cell == "X":
                    x, y = x0 + c * CELL, top + r * CELL
                    d.rectangle((x, y, x + CELL - 1, y + CELL - 1), fill=GOLD)
    # A little relief: light above and left of the gold, dark below and right.
    base = img.copy()
    px, out = base.load(), img.load()
    for y in range(1, thickness - 1):
        for x in range(length):
            if px[x, y] != GOLD:
                continue
            if px[x, y - 1] != GOLD or (x > 0 and px[x - 1, y] != GOLD):
                out[x, y] = GOLD_LIGHT
            elif px[x, y + 1] != GOLD or (x < length - 1 and px[x + 1, y] != GOLD):
                out[x, y] = GOLD_DARK
    return img


def meander_across(win: Window) -> Image.Image:
    """341: along the top and bottom edges, the window's width."""
    strip = _fret_across(win.client_size[0], win.border)
    return writers.to_palette(strip, [CINNABAR, GOLD, GOLD_LIGHT, GOLD_DARK])


def meander_down(win: Window) -> Image.Image:
    """345: down the left and right edges, between the strips across."""
    strip = _fret_across(win.client_size[1] - 2 * win.border, win.border)
    return writers.to_palette(strip.transpose(Image.Transpose.ROTATE_90),
                              [CINNABAR, GOLD, GOLD_LIGHT, GOLD_DARK])


def draw_all(win: Window) -> dict[str, Image.Image]:
    """Resource name -> picture."""
    out = {EXIT_BASE + s: exit_button(s) for s in STATES}
    out[CAPTION_ID] = caption(win)
    out[CHOOSE_ID] = choose(win)
    out[MEANDER_ACROSS_ID] = meander_across(win)
    out[MEANDER_DOWN_ID] = meander_down(win)
    return out
