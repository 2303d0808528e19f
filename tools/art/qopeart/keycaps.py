"""The key caps of the code lookup window, listed in src/lookup/key_caps.def.

The window shows a code as a row of caps on its blue ground. A letter's cap is that key's
cap of the keyboard map (keymap.py), its roots and label on the very same pixels, so a key
looks alike in both windows; the space bar's cap says 空格. The caps are 69 x 69 and the
window copies 70 x 70: the dark outline closes the cap whatever lies beyond it, and the
rounded corners show the window's blue.
"""
from __future__ import annotations

import re
from dataclasses import dataclass
from pathlib import Path

from PIL import Image, ImageDraw

from . import fonts, keymap, writers

SIZE = 69
GROUND = (0, 0, 255)
SPACE = " "
SPACE_TEXT = "空格"
SPACE_FONT = ("hei", 22)

LIST = ("src", "lookup", "key_caps.def")


@dataclass(frozen=True)
class KeyCap:
    key: str            # "a" .. "y", or " " for the space bar
    ids: dict           # edition -> bitmap id


_ENTRY = re.compile(r"^\s*QOPE_KEY_CAP\(\s*'([a-y ])'\s*,\s*(\d+)\s*,\s*(\d+)\s*\)")


def parse(path: Path) -> tuple:
    caps = []
    for line in path.read_text(encoding="utf-8").splitlines():
        m = _ENTRY.match(line)
        if m:
            key, i86, i98 = m.groups()
            caps.append(KeyCap(key, {86: int(i86), 98: int(i98)}))
    if not caps:
        raise ValueError(f"{path}: no QOPE_KEY_CAP entries")
    return tuple(caps)


def load(root: Path) -> tuple:
    return parse(root.joinpath(*LIST))


def palette() -> list:
    return [GROUND] + keymap.cap_palette()


def draw(face) -> Image.Image:
    """A letter's cap (face: keymap.KeyFace) or, for None, the space bar's. RGB."""
    img = Image.new("RGB", (SIZE, SIZE), GROUND)
    if face is not None:
        keymap.draw_key(img, (0, 0), face, size=SIZE)
        return img
    d = ImageDraw.Draw(img)
    keymap.draw_cap(d, 0, 0, size=SIZE)
    f = fonts.font(*SPACE_FONT)
    # The cap's bevel is heavier at the bottom right: centre on the face inside it.
    xy = fonts.centred_origin(f, SPACE_TEXT, SIZE / 2 - 0.5, SIZE / 2 - 0.5)
    d.text(xy, SPACE_TEXT, font=f, fill=keymap.LABEL)
    return img


def draw_all(caps, key_faces) -> dict[str, Image.Image]:
    """Bitmap id -> 16-colour cap, both editions (key_faces: edition -> letter -> face)."""
    out = {}
    for ed, faces in sorted(key_faces.items()):
        if sorted(c.key for c in caps) != sorted(set(faces) | {SPACE}):
            raise ValueError("key_caps.def does not list every key and the space bar once")
        for c in caps:
            rid = str(c.ids[ed])
            if rid in out:
                raise ValueError(f"key cap id {rid} is used twice")
            out[rid] = writers.to_palette(draw(faces.get(c.key)), palette())
    return out
