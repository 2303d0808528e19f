"""Reads dialog templates: the main window's from src/app/PracticeDlg.rc, the finger
exercise's from src/english/FingerExerciseDlg.rc.

The generator takes the group boxes and the dialog size from there (the buttons come from
practice_buttons.def, which the template includes); the preview also takes the labels and
fields. The main window's template is the dialog that includes the button list. Controls
written through a list's macro are not read: their list is.
"""
from __future__ import annotations

import re
from dataclasses import dataclass
from pathlib import Path

BUTTON_LIST_INCLUDE = "practice_buttons.def"


@dataclass(frozen=True)
class Control:
    kind: str       # LTEXT, EDITTEXT, GROUPBOX, CONTROL, ...
    text: str
    ident: str
    cls: str        # window class of a CONTROL statement, else ""
    rect: tuple     # x, y, width, height in dialog units


@dataclass(frozen=True)
class Dialog:
    name: str
    size: tuple     # width, height in dialog units
    controls: tuple
    font: tuple = ()    # (points, face) of its FONT statement

    def control(self, ident: str) -> Control:
        for c in self.controls:
            if c.ident == ident:
                return c
        raise ValueError(f"dialog {self.name} has no control {ident}")

    def of_kind(self, kind: str) -> list[Control]:
        return [c for c in self.controls if c.kind == kind]


_HEAD = re.compile(r"^(\w+)\s+DIALOG(?:EX)?\s+(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)")
_STATEMENT = re.compile(r"^\s*(LTEXT|RTEXT|CTEXT|GROUPBOX|PUSHBUTTON|DEFPUSHBUTTON|EDITTEXT|"
                        r"CONTROL|ICON)\s+(.*)$")


def _args(text: str) -> list[str]:
    """Comma-separated arguments, commas inside quotes kept."""
    out, cur, quoted = [], "", False
    for ch in text:
        if ch == '"':
            quoted = not quoted
        if ch == "," and not quoted:
            out.append(cur.strip())
            cur = ""
        else:
            cur += ch
    out.append(cur.strip())
    return out


def _unquote(s: str) -> str:
    return s[1:-1] if len(s) >= 2 and s[0] == s[-1] == '"' else s


def _control(kind: str, rest: str) -> Control | None:
    a = _args(rest)
    try:
        if kind == "EDITTEXT":
            text, ident, cls, nums = "", a[0], "", a[1:5]
        elif kind == "CONTROL":
            text, ident, cls, nums = _unquote(a[0]), a[1], _unquote(a[2]), a[4:8]
        else:
            text, ident, cls, nums = _unquote(a[0]), a[1], "", a[2:6]
        return Control(kind, text, ident, cls, tuple(int(n) for n in nums))
    except (IndexError, ValueError):
        return None     # a statement written with expressions: not one the pictures need


def main_window(rc_path: Path) -> Dialog:
    return _find(rc_path, lambda name, includes: BUTTON_LIST_INCLUDE in includes,
                 f"no dialog includes {BUTTON_LIST_INCLUDE}")


def dialog(rc_path: Path, name: str) -> Dialog:
    """The dialog `name` (its resource name as written, e.g. IDD_FINGER_EXERCISE)."""
    return _find(rc_path, lambda n, includes: n == name, f"no dialog {name}")


def _find(rc_path: Path, wanted, missing: str) -> Dialog:
    lines = rc_path.read_text(encoding="utf-8").splitlines()
    i = 0
    while i < len(lines):
        m = _HEAD.match(lines[i])
        i += 1
        if not m:
            continue
        name, size = m.group(1), (int(m.group(4)), int(m.group(5)))
        font = ()
        while i < len(lines) and lines[i].strip() != "BEGIN":
            f = re.match(r'^FONT\s+(\d+)\s*,\s*"([^"]*)"', lines[i])
            if f:
                font = (int(f.group(1)), f.group(2))
            i += 1
        controls, includes = [], ""
        i += 1
        while i < len(lines) and lines[i].strip() != "END":
            line = lines[i]
            if line.lstrip().startswith("#include"):
                includes += line
            s = _STATEMENT.match(line)
            if s and not line.rstrip().endswith("\\"):
                c = _control(s.group(1), s.group(2))
                if c:
                    controls.append(c)
            i += 1
        if wanted(name, includes):
            return Dialog(name, size, tuple(controls), font)
    raise ValueError(f"{rc_path}: {missing}")
