"""Contact sheet and main-window mock-up, for looking at the pictures (never committed).

The mock-up lays the pictures out as the main window will: the background stretched over
the client area, the title picture at its origin, the buttons at their pixel rectangles,
and the labels and fields of the template (texts and positions from PracticeDlg.rc, label
colours read from the window's own table) so that contrast can be judged. Under Wine the
fonts differ a little; the screenshots of the running program are the final word.
"""
from __future__ import annotations

import re
from pathlib import Path

from PIL import Image, ImageDraw

from . import fonts
from .layout import TITLE_ORIGIN, TITLE_SHOWN, px_rect

_IMPACT_FONT = "kImpact12"
STATUS_ID, STATUS_TEXT = "IDC_STATUS", "你还没有选择练习内容！"
ICON_ID, CODE_EDIT_ID = "IDC_APP_ICON", "IDC_CODE_EDIT"


def label_colours(window_source: Path) -> dict[str, tuple]:
    """control id -> (rgb, impact?) from the window's label tables; empty if not found."""
    try:
        src = window_source.read_text(encoding="utf-8")
    except OSError:
        return {}
    named = {m[0]: tuple(int(v) for v in m[1:]) for m in
             re.findall(r"(k\w+)\s*=\s*RGB\((\d+),\s*(\d+),\s*(\d+)\)", src)}
    out = {}
    for body in re.findall(r"LabelStyle\s+\w+\[\]\s*=\s*\{(.*?)\};", src, re.S):
        for ident, colour, font in re.findall(r"\{(IDC_\w+),\s*(k\w+),\s*(k\w+)", body):
            if colour in named:
                out[ident] = (named[colour], font == _IMPACT_FONT)
    return out


def _sunken(d, box, fill):
    x0, y0, x1, y1 = box
    d.rectangle(box, fill=fill)
    d.line([(x0, y1), (x0, y0), (x1, y0)], fill=(128, 128, 128))
    d.line([(x0 + 1, y1), (x1, y1), (x1, y0 + 1)], fill=(255, 255, 255))


def mockup(pictures: dict, window, colours: dict, state_of=lambda b: "U") -> Image.Image:
    cw, ch = window.client_size
    img = pictures["522"].convert("RGB").resize((cw, ch), Image.NEAREST)
    img.paste(pictures["619"].convert("RGB").crop((0, 0) + TITLE_SHOWN), TITLE_ORIGIN)
    d = ImageDraw.Draw(img)
    for g in window.groups:
        x0, y0, x1, y1 = px_rect(g)
        d.rectangle((x0, y0 + 8, x1 - 1, y1 - 1), outline=(128, 128, 128))
        d.rectangle((x0 + 1, y0 + 9, x1, y1), outline=(255, 255, 255))
        d.rectangle((x0 + 1, y0 + 9, x1 - 1, y1 - 1), outline=(128, 128, 128))
    for c in window.dialog.controls:
        box = px_rect(c.rect)
        if c.kind == "EDITTEXT":
            _sunken(d, box, (255, 255, 255) if c.ident == CODE_EDIT_ID else (192, 192, 192))
        elif c.cls == "msctls_progress32":
            _sunken(d, box, (192, 192, 192))
        elif c.ident == ICON_ID and "icon32" in pictures:
            ico = pictures["icon32"]
            img.paste(ico, box[:2], ico)
        elif c.ident == STATUS_ID:
            f = fonts.font("hei", 21)
            bb = d.textbbox(box[:2], STATUS_TEXT, font=f)
            d.rectangle(bb, fill=(255, 255, 0))
            d.text(box[:2], STATUS_TEXT, font=f, fill=(255, 0, 0))
        elif c.kind == "LTEXT" and c.text:
            rgb, impact = colours.get(c.ident, ((0, 0, 255), False))
            if c.ident not in colours:   # unlisted statics keep the dialog colours
                d.rectangle(box, fill=(192, 192, 192))
            tall = c.rect[3] > 2 * c.rect[2]
            f = fonts.font("condensed" if impact and not tall else "hei", 16 if impact else 21)
            if tall:                      # a narrow, tall static wraps one glyph a line
                f = fonts.font("hei", 15)
                for i, glyph in enumerate(c.text):
                    d.text((box[0], box[1] + 16 * i), glyph, font=f, fill=rgb)
            else:
                d.text(box[:2], c.text, font=f, fill=rgb)
    for b in window.buttons:
        img.paste(pictures[b.base + state_of(b)].convert("RGB"), (b.left, b.top))
    return img


def contact_sheet(pictures: dict, scale_small: int = 2) -> Image.Image:
    """Every picture on a grey sheet with its name; small ones enlarged."""
    f = fonts.font("arial", 11)
    items = []
    for name, pic in pictures.items():
        p = pic.convert("RGBA")
        if p.width <= 100:
            p = p.resize((p.width * scale_small, p.height * scale_small), Image.NEAREST)
        items.append((name, p, max(p.width, int(f.getlength(name)))))
    width, x, y, row_h, placed = 1600, 10, 10, 0, []
    for name, p, w in items:
        if x + w > width - 10:
            x, y, row_h = 10, y + row_h + 24, 0
        placed.append((name, p, x, y))
        x += w + 12
        row_h = max(row_h, p.height)
    sheet = Image.new("RGB", (width, y + row_h + 30), (170, 170, 170))
    d = ImageDraw.Draw(sheet)
    for name, p, x, y in placed:
        sheet.paste(p, (x, y), p)
        d.text((x, y + p.height + 2), name, font=f, fill=(0, 0, 0))
    return sheet


# -- the drills' pictures ------------------------------------------------------------------

def _labelled_grid(items, scale: int, columns: int, title: str = "") -> Image.Image:
    """Pictures enlarged `scale` times in a grid, each with its label lines under it."""
    f = fonts.font("hei-sharp", 12)
    pics = [(p.convert("RGB").resize((p.width * scale, p.height * scale), Image.NEAREST), lab)
            for p, lab in items]
    cw = max(max(p.width for p, _ in pics), max(int(f.getlength(l)) for _, lab in pics
                                                 for l in lab.split("\n"))) + 10
    lines = max(lab.count("\n") + 1 for _, lab in pics)
    ch = max(p.height for p, _ in pics) + 14 * lines + 10
    top = 26 if title else 6
    rows = (len(pics) + columns - 1) // columns
    sheet = Image.new("RGB", (columns * cw + 10, top + rows * ch), (150, 156, 150))
    d = ImageDraw.Draw(sheet)
    if title:
        d.text((10, 6), title, font=f, fill=(0, 0, 0))
    for i, (p, lab) in enumerate(pics):
        x, y = 10 + (i % columns) * cw, top + (i // columns) * ch
        sheet.paste(p, (x, y))
        for k, line in enumerate(lab.split("\n")):
            _text_with_fallback(d, (x, y + p.height + 2 + 14 * k), line, 12)
    return sheet


def _text_with_fallback(d, xy, text: str, size: int) -> None:
    """Text in the Hei bitmap face; a character it lacks from the root glyphs' fallback."""
    from . import rootglyph
    x, y = xy
    for ch in text:
        face = "hei-sharp" if ch.isascii() or rootglyph.face_of(ch) == "hei" else "cjk-ext"
        f = fonts.font(face, size)
        d.text((x, y), ch, font=f, fill=(0, 0, 0))
        x += f.getlength(ch)


def key_sheet(cat, key_pictures: dict) -> Image.Image:
    """The 50 key pictures, twice their size, 86 above 98, with id and letter."""
    items = [(key_pictures[str(p.ids[ed])], f"{p.ids[ed]} {p.letter.upper()} ({ed})")
             for ed in (86, 98) for p in cat.key_pictures]
    return _labelled_grid(items, 2, 10, "key pictures: 86 set, then 98 set")


def cap_sheet(caps, cap_pictures: dict) -> Image.Image:
    """The code lookup window's 52 key caps, twice their size, 86 above 98, with id and key."""
    items = [(cap_pictures[str(c.ids[ed])],
              f"{c.ids[ed]} {c.key.upper() if c.key.strip() else '空格'} ({ed})")
             for ed in (86, 98) for c in caps]
    return _labelled_grid(items, 2, 13, "key caps of the code lookup window: 86 set, then 98 set")


def lookup_row(caps, cap_pictures: dict, edition: int, code: str, ground=(0, 0, 255),
               origin=(60, 130), pitch: int = 75, copy: int = 70) -> Image.Image:
    """A code's caps as the lookup window copies them onto its ground (copy x copy each,
    what lies beyond a picture left as the ground), cropped round the row."""
    by_key = {c.key: c for c in caps}
    x0, y0 = origin
    img = Image.new("RGB", (x0 + pitch * len(code) + x0, y0 + copy + 20), ground)
    for i, ch in enumerate(code):
        if ch in by_key:
            pic = cap_pictures[str(by_key[ch].ids[edition])].convert("RGB")
            img.paste(pic.crop((0, 0, min(copy, pic.width), min(copy, pic.height))),
                      (x0 + pitch * i, y0))
    return img.crop((x0 - 20, y0 - 20, img.width - x0 + 20, img.height))


def root_sheet(cat, root_pictures: dict, edition: int) -> Image.Image:
    """Every root picture of an edition three times enlarged, with catalogue index, key,
    the chart's glyph (* = drawn from a recipe, not a character of its own) and picture id."""
    items = [(root_pictures[r.picture],
              f"{r.index} {r.key} {r.glyph}{'*' if r.drawn else ''}\n#{r.picture}")
             for r in cat.roots[edition]]
    return _labelled_grid(items, 3, 16, f"{edition} root pictures (21 x 20, shown x3); "
                                         "* drawn from a recipe")


def picture_area(background: Image.Image, keymap_picture: Image.Image, cat, edition: int,
                 code: str, key_pictures: dict, margin: int = 10) -> Image.Image:
    """The main window's picture area with the map and the keys of `code` lit, as the
    hint draws them: every key picture copied 70 x 70 at its client position."""
    w, h = TITLE_SHOWN[0] + TITLE_ORIGIN[0] + margin, TITLE_SHOWN[1] + TITLE_ORIGIN[1] + margin
    img = background.convert("RGB").resize((w, h), Image.NEAREST)
    img.paste(keymap_picture.convert("RGB"), TITLE_ORIGIN)
    where = {p.letter: p for p in cat.key_pictures}
    for ch in code:
        if ch in where:
            p = where[ch]
            img.paste(key_pictures[str(p.ids[edition])].convert("RGB").crop((0, 0, 70, 70)),
                      (p.x, p.y))
    return img
