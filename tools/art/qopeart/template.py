"""Reads the main window's dialog template from src/app/PracticeDlg.rc.

The generator takes the group boxes and the dialog size from there (the buttons come from
practice_buttons.def, which the template includes); the preview also takes the labels and
fields. The main window's template is the dialog that includes the button list.
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
    lines = rc_path.read_text(encoding="utf-8").splitlines()
    i = 0
    while i < len(lines):
        m = _HEAD.match(lines[i])
        i += 1
        if not m:
            continue
        name, size = m.group(1), (int(m.group(4)), int(m.group(5)))
        while i < len(lines) and lines[i].strip() != "BEGIN":
            i += 1
        controls, holds_buttons = [], False
        i += 1
        while i < len(lines) and lines[i].strip() != "END":
            line = lines[i]
            if line.lstrip().startswith("#include") and BUTTON_LIST_INCLUDE in line:
                holds_buttons = True
            s = _STATEMENT.match(line)
            if s and not line.rstrip().endswith("\\"):
                c = _control(s.group(1), s.group(2))
                if c:
                    controls.append(c)
            i += 1
        if holds_buttons:
            return Dialog(name, size, tuple(controls))
    raise ValueError(f"{rc_path}: no dialog includes {BUTTON_LIST_INCLUDE}")
