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


# -- the finger exercise -------------------------------------------------------------------

def _window_look(root: Path) -> tuple[tuple, tuple]:
    """The dialogs' ground and text colours from the window layer's look, or Windows' grey
    and blue."""
    try:
        src = (root / "src" / "common" / "WindowLook.h").read_text(encoding="utf-8")
    except OSError:
        src = ""
    def colour(name, default):
        m = re.search(name + r"\s*=\s*RGB\((\d+),\s*(\d+),\s*(\d+)\)", src)
        return tuple(int(v) for v in m.groups()) if m else default
    return colour("kDialogGround", (192, 192, 192)), colour("kDialogText", (0, 0, 255))


FINGER_STATES = {"U": "U: lit", "D": "D: lit, pressed", "F": "F: lit, focused", "X": "X: unlit"}


def finger_key_sheet(keys, pictures: dict, scale: int = 2, gap: int = 4) -> Image.Image:
    """All 248 key pictures, twice their size: per state the keyboard pulled apart, each
    picture `gap` pixels from its neighbours, so that every edge shows."""
    from .fingerkeys import bounds, rows
    x0, y0, _, _ = bounds(keys)
    where = {}
    for r, row in enumerate(rows(keys)):
        for c, k in enumerate(row):
            where[k.base] = ((k.left - x0 + c * gap) * scale, (k.top - y0 + r * gap) * scale)
    w = max(x + pictures[k.base + "U"].width * scale for k in keys for x, _ in [where[k.base]])
    h = max(y + pictures[k.base + "U"].height * scale for k in keys for _, y in [where[k.base]])
    f = fonts.font("arial-bold", 16)
    block = h + 34
    sheet = Image.new("RGB", (w + 20, 4 * block + 10), (170, 170, 170))
    d = ImageDraw.Draw(sheet)
    for i, (state, title) in enumerate(FINGER_STATES.items()):
        top = 10 + i * block
        d.text((10, top), f"{title} (NAME{state}, shown x{scale})", font=f, fill=(0, 0, 0))
        for k in keys:
            pic = pictures[k.base + state].convert("RGB")
            x, y = where[k.base]
            sheet.paste(pic.resize((pic.width * scale, pic.height * scale), Image.NEAREST),
                        (10 + x, top + 24 + y))
    return sheet


def _push_button(d, box, text: str, pressed: bool, text_colour) -> None:
    x0, y0, x1, y1 = box
    d.rectangle(box, fill=(212, 208, 200) if pressed else (192, 192, 192))
    light, dark = ((64, 64, 64), (255, 255, 255)) if pressed else ((255, 255, 255), (64, 64, 64))
    d.line([(x0, y1), (x0, y0), (x1, y0)], fill=light)
    d.line([(x0 + 1, y1), (x1, y1), (x1, y0 + 1)], fill=dark)
    f = fonts.font("hei-sharp", 14)
    w = f.getlength(text)
    s = 1 if pressed else 0
    d.text(((x0 + x1 - w) / 2 + s, y0 + 2 + s), text, font=f, fill=text_colour)


def finger_mockup(root: Path, win, pictures: dict, group=None, lit: int = -1, stats=("0", "0", "0", "0"),
                  colours: dict | None = None) -> Image.Image:
    """The finger exercise window at its pixel size: the template's controls, the keys at
    their positions (all grey but the lit key `lit` of `group`, a fingerkeys group
    button), the pictures and the border. Label colours come from the window's table when
    it has one (colours: control id -> (rgb, impact?))."""
    from .fingerkeys import px_rect, px_x, px_y
    ground, text_colour = _window_look(root)
    colours = colours or {}
    img = Image.new("RGB", win.client_size, ground)
    d = ImageDraw.Draw(img)
    dlg = win.dialog
    fields = {"IDC_FINGER_TOTAL": stats[0], "IDC_FINGER_CORRECT": stats[1],
              "IDC_FINGER_ERRORS": stats[2], "IDC_FINGER_ACCURACY": stats[3]}
    for c in dlg.controls:
        box = px_rect(c.rect)
        if c.kind == "GROUPBOX":
            x0, y0, x1, y1 = box
            d.rectangle((x0, y0 + 8, x1 - 1, y1 - 1), outline=(128, 128, 128))
            d.rectangle((x0 + 1, y0 + 9, x1, y1), outline=(255, 255, 255))
            d.rectangle((x0 + 1, y0 + 9, x1 - 1, y1 - 1), outline=(128, 128, 128))
        elif c.kind == "EDITTEXT" and c.ident in fields:
            _sunken(d, box, ground)
            f = fonts.font("hei-sharp", 16)
            t = fields[c.ident]
            d.text(((box[0] + box[2] - f.getlength(t)) / 2, box[1] + 4), t, font=f, fill=(0, 0, 0))
        elif c.kind == "LTEXT" and c.text:
            rgb, impact = colours.get(c.ident, (text_colour, False))
            d.text((box[0], box[1] + 1), c.text, font=fonts.font("hei", 19 if impact else 16), fill=rgb)
        elif c.cls == "Static" and c.text.startswith("IDB_"):
            pic = pictures[_bitmap_number(root, c.text)]
            img.paste(pic.convert("RGB"), box[:2])
    exit_box = px_rect(dlg.control("IDC_FINGER_EXIT").rect)
    img.paste(pictures["EXITBACKU"].convert("RGB"), exit_box[:2])

    targets = group.targets if group else ()
    lit_key = targets[lit][1] if group and lit >= 0 else None
    for k in win.keys:
        img.paste(pictures[k.base + ("U" if k.ident == lit_key else "X")].convert("RGB"), (k.left, k.top))
    for g in win.groups:
        box = (px_x(g.x), px_y(g.y), px_x(g.x + win.group_size[0]) - 1, px_y(g.y + win.group_size[1]) - 1)
        _push_button(d, box, g.caption, group is not None and g.number == group.number, (0, 0, 0))
    if group is not None:
        big = fonts.font("hei", 30)
        latin = fonts.font("arial", 32)
        p = px_rect(dlg.control("IDC_FINGER_PROMPT").rect)
        prompt = targets[lit][2]
        w = d.textlength(prompt, font=big)
        d.text(((p[0] + p[2] - w) / 2, p[1] + 2), prompt, font=big, fill=text_colour)
        k = px_rect(dlg.control("IDC_FINGER_KEY_LIST").rect)
        keys_text = group.key_list
        d.text((k[0], k[1] + 1), keys_text, font=big if not keys_text.isascii() else latin, fill=text_colour)
    return img


def _bitmap_number(root: Path, name: str) -> str:
    src = (root / "src" / "english" / "FingerExerciseDlgRes.h").read_text(encoding="utf-8")
    m = re.search(r"#define\s+" + name + r"\s+(\d+)", src)
    if not m:
        raise ValueError(f"no bitmap id {name}")
    return m.group(1)
