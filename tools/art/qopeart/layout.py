"""Where the main window's pictures sit, in dialog units and pixels.

The 21 picture buttons come from src/app/practice_buttons.def, the one list of them; the
group boxes and the dialog's size from its template in src/app/PracticeDlg.rc. Each button takes the size of its pictures, so the pictures are cut to fill the template:
a button reaches its right-hand neighbour in the same row, less GAP, and the last one of
a row stops GAP short of its group box's right edge; every button fills the row pitch
less GAP.
"""
from __future__ import annotations

import re
from dataclasses import dataclass
from pathlib import Path

# Dialog base units (pixels per 4 horizontal / 8 vertical dialog units) of the dialog
# font 宋体 16 pt. Change here once the font Wine substitutes has been measured.
BASE_UNITS = (11, 21)

GAP = 2            # pixels between neighbouring buttons, and before a group box edge
ROW_PITCH = 12     # dialog units from one button row to the next

# Where the title picture is copied in the client area, and how much of it is shown.
TITLE_ORIGIN = (14, 10)
TITLE_SHOWN = (762, 265)


def _muldiv(a: int, b: int, c: int) -> int:
    """Windows' MulDiv for non-negative numbers: a*b/c rounded half up."""
    return (2 * a * b + c) // (2 * c)


def px_x(dlu: int) -> int:
    return _muldiv(dlu, BASE_UNITS[0], 4)


def px_y(dlu: int) -> int:
    return _muldiv(dlu, BASE_UNITS[1], 8)


@dataclass(frozen=True)
class Button:
    control_id: str
    base: str           # picture base name: base + U/D/F/X
    x: int              # dialog units
    y: int
    label: str
    group: int = 0      # index into the group boxes
    left: int = 0       # pixel rectangle
    top: int = 0
    width: int = 0
    height: int = 0


_ENTRY = re.compile(
    r'^\s*QOPE_PICTURE_BUTTON\(\s*(\w+)\s*,\s*"(\w+)"\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*"([^"]*)"\s*\)')


def parse_buttons(def_path: Path) -> list[Button]:
    """The buttons of the list, in its order."""
    buttons = []
    for line in def_path.read_text(encoding="utf-8").splitlines():
        m = _ENTRY.match(line)
        if m:
            cid, base, x, y, label = m.groups()
            buttons.append(Button(cid, base, int(x), int(y), label))
    if not buttons:
        raise ValueError(f"{def_path}: no QOPE_PICTURE_BUTTON entries")
    return buttons


def _group_of(b: Button, groups) -> int:
    for i, (gx, gy, gw, gh) in enumerate(groups):
        if gx <= b.x < gx + gw and gy <= b.y < gy + gh:
            return i
    raise ValueError(f"button {b.base} at {b.x},{b.y} lies in no group box")


def place_buttons(buttons: list[Button], groups) -> list[Button]:
    """Each button with its group (index into groups, rectangles in dialog units) and its
    pixel rectangle."""
    placed = []
    for b in buttons:
        g = _group_of(b, groups)
        gx, _, gw, _ = groups[g]
        right_dlu = min((o.x for o in buttons
                         if o.y == b.y and o.x > b.x and _group_of(o, groups) == g), default=None)
        right = px_x(right_dlu) if right_dlu is not None else px_x(gx + gw)
        left, top = px_x(b.x), px_y(b.y)
        width = right - left - GAP
        height = px_y(b.y + ROW_PITCH) - top - GAP
        if width <= 0:
            raise ValueError(f"button {b.base} has no room")
        placed.append(Button(b.control_id, b.base, b.x, b.y, b.label, g, left, top, width, height))
    return placed


def px_rect(rect) -> tuple[int, int, int, int]:
    """A dialog-unit rectangle (x, y, w, h) as inclusive pixel corners."""
    x, y, w, h = rect
    return px_x(x), px_y(y), px_x(x + w) - 1, px_y(y + h) - 1


@dataclass(frozen=True)
class Window:
    dialog: object          # template.Dialog
    groups: tuple           # group box rectangles, dialog units
    buttons: tuple          # placed Buttons

    @property
    def client_size(self) -> tuple[int, int]:
        return px_x(self.dialog.size[0]), px_y(self.dialog.size[1])


def main_window(root: Path) -> Window:
    from . import template
    dialog = template.main_window(root / "src" / "app" / "PracticeDlg.rc")
    groups = tuple(c.rect for c in dialog.of_kind("GROUPBOX"))
    buttons = place_buttons(parse_buttons(root / "src" / "app" / "practice_buttons.def"), groups)
    return Window(dialog, groups, tuple(buttons))
