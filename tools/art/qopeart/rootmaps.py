"""The keyboard maps of the root-map dialogs: 643 (86) and 644 (98).

The main window's map (keymap.py), caps and roots alike, raised to make room for the
chart's name under the bottom row; beside that row a key to the colours on the left and a
welcome on the right.
"""
from __future__ import annotations

from PIL import ImageDraw

from . import fonts, keymap, writers

IDS = {86: "643", 98: "644"}
RAISE = 10                  # pixels the caps stand higher than on the main window's map

CAPTIONS = {86: "86版字根分布", 98: "98版码元分布"}
# The key to the colours: a swatch (or the red Z) and what it marks.
LEGEND = {86: (("键名", keymap.KEY_ROOT), ("字根", keymap.ROOT), ("学习键", "Z")),
          98: (("键名", keymap.KEY_ROOT), ("码元", keymap.ROOT), ("学习键", "Z"))}
WELCOME = ("欢迎使用", "Qope", "五笔字型练习")

TEXT_FONT = ("hei-sharp", 14)
TITLE_FONT = ("sans-bold", 26)
LEGEND_PITCH = 21
SWATCH = 13
SWATCH_GAP = 5


def _texts(img, edition: int, positions) -> None:
    d = ImageDraw.Draw(img)
    bottom = max(y for _, y in positions.values())
    row = sorted(x for x, y in positions.values() if y == bottom)
    left, right = row[0], row[-1] + keymap.CAP
    below = bottom + keymap.CAP
    w, h = img.size

    # The chart's name, centred under the bottom row.
    big = fonts.font(*keymap.CAPTION_FONT)
    xy = fonts.centred_origin(big, CAPTIONS[edition], (left + right) / 2, (below + h) / 2,
                              stroke=1)
    d.text(xy, CAPTIONS[edition], font=big, fill=keymap.CAPTION, stroke_width=1,
           stroke_fill=keymap.CAPTION)

    # Left of the Z: the key to the colours.
    small = fonts.font(*TEXT_FONT)
    lines = LEGEND[edition]
    width = SWATCH + SWATCH_GAP + max(small.getlength(t) for t, _ in lines)
    x = round((left - width) / 2)
    top = round((bottom + h) / 2 - LEGEND_PITCH * len(lines) / 2)
    for k, (text, mark) in enumerate(lines):
        cy = top + LEGEND_PITCH * k + LEGEND_PITCH / 2
        y0 = round(cy - SWATCH / 2)
        box = (x, y0, x + SWATCH - 1, y0 + SWATCH - 1)
        if mark == "Z":         # the Z cap in small: red on the ground is too dark
            d.rectangle(box, fill=keymap.FACE, outline=keymap.LIGHT)
            zf = fonts.font("sans-bold", 12)
            d.text(fonts.centred_origin(zf, "Z", x + SWATCH / 2, y0 + SWATCH / 2), "Z",
                   font=zf, fill=keymap.KEY_ROOT)
        else:
            d.rectangle(box, fill=mark, outline=keymap.LIGHT)
        _, ty = fonts.centred_origin(small, text, 0, cy, reference="国")
        d.text((x + SWATCH + SWATCH_GAP, ty), text, font=small, fill=keymap.CAPTION_SMALL)

    # Right of the M: the welcome, the title large between its two lines.
    title = fonts.font(*TITLE_FONT)
    cx = (right + w) / 2
    sizes = [(small, 18), (title, 32), (small, 18)]
    y = (bottom + h) / 2 - sum(p for _, p in sizes) / 2
    for text, (f, pitch) in zip(WELCOME, sizes):
        xy = fonts.centred_origin(f, text, cx, y + pitch / 2, reference="国" if f is small
                                  else "Q")
        d.text(xy, text, font=f, fill=keymap.CAPTION if f is title else keymap.CAPTION_SMALL)
        y += pitch


def draw_all(cat, key_faces) -> dict:
    """Bitmap id -> 16-colour map, both editions (key_faces: edition -> letter -> face)."""
    return {IDS[ed]: writers.to_palette(
                keymap.draw_map(cat, ed, key_faces[ed], raise_by=RAISE, texts=_texts),
                keymap.map_palette())
            for ed in sorted(IDS)}
