#!/usr/bin/python3
"""Checks that the finger exercise's key table, its template and the committed pictures
agree.

    /usr/bin/python3 tools/art/check_finger.py [ART_DIR]

- the template places the keys of src/english/finger_keys.def at their units in the
  font whose base units the pictures assume (宋体 12 pt: 8 x 16, which
  e2e.font_metrics checks under Wine);
- every key has its four pictures listed once in art/english.rc, 16-colour bitmaps of
  the table's size; a lit picture is red, an unlit one grey;
- placed at the template's positions, the keys of a row meet edge to edge, rows meet
  rows, and where two pictures overlap they show the same pixels in every state, so it
  does not matter which is drawn last; the rows end together;
- the parts of Enter join: one cap across the seam, the case colour only beside it;
- the exit button's pictures, the caption, the pointer and the border strips are listed
  at the sizes the template leaves them.

Reading the files (not the generator's drawings) is the point: it checks what is built
into the program. Exits 1 and names every fault.
"""
from __future__ import annotations

import re
import sys
from pathlib import Path

sys.dont_write_bytecode = True
HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
sys.path.insert(0, str(HERE))

from PIL import Image  # noqa: E402

from check_drills import bmp_format  # noqa: E402
from qopeart import fingerkeys, fingerwindow  # noqa: E402

TEMPLATE_FONT = (12, "宋体")   # the font measured to give fingerkeys.BASE_UNITS

faults: list[str] = []


def fault(msg: str) -> None:
    faults.append(msg)


def listed(art: Path) -> dict[str, list[str]]:
    out: dict[str, list[str]] = {}
    for line in (art / "english.rc").read_text(encoding="ascii").splitlines():
        m = re.match(r'^(\w+)\s+BITMAP\s+"art/([^"]+)"', line)
        if m:
            out.setdefault(m.group(1), []).append(m.group(2))
    return out


def picture(art: Path, rc: dict, name: str, size, bpp=None):
    files = rc.get(name, [])
    if len(files) != 1:
        fault(f"{name}: listed {len(files)} times in english.rc, want once")
        return None
    path = art / files[0]
    if not path.is_file():
        fault(f"{name}: {path} is missing")
        return None
    w, h, depth, _ = bmp_format(path)
    if (w, h) != tuple(size) or (bpp and depth != bpp):
        fault(f"{name}: {w} x {h}, {depth}-bit; want {size[0]} x {size[1]}"
              + (f", {bpp}-bit" if bpp else ""))
    return Image.open(path).convert("RGB")


def check_template(win) -> None:
    if win.dialog.font != TEMPLATE_FONT:
        fault(f"template font {win.dialog.font}, the pictures assume {TEMPLATE_FONT}")
    rc = ROOT.joinpath(*fingerwindow.TEMPLATE).read_text(encoding="utf-8")
    macro = re.search(r"#define\s+QOPE_FINGER_KEY\(id, base, x, y,.*\\\n(.*)", rc)
    if not macro or not re.search(r"\bbase\s*,\s*id\s*,.*,\s*x\s*,\s*y\s*,", macro.group(1)) \
            or '#include "finger_keys.def"' not in rc:
        fault("the template does not place the keys of finger_keys.def at their units")


def reddish(img) -> bool:
    return sum(1 for r, g, b in img.getdata() if r > 170 and g < 90 and b < 90) > img.width * img.height // 3


def greyish(img) -> bool:
    return sum(1 for r, g, b in img.getdata() if r > 150 and abs(r - g) < 12 and abs(g - b) < 12) \
        > img.width * img.height // 3


def check_keys(art: Path, rc: dict, keys) -> None:
    pics = {}
    for k in keys:
        for s in fingerkeys.STATES:
            pic = picture(art, rc, k.base + s, (k.width, k.height), 4)
            if pic is not None:
                pics[k.base + s] = pic
        if k.base + "U" in pics and not reddish(pics[k.base + "U"]):
            fault(f"{k.base}U: a lit key is red")
        if k.base + "X" in pics and not greyish(pics[k.base + "X"]):
            fault(f"{k.base}X: an unlit key is grey")
    if faults:
        return
    case = pics[keys[0].base + "X"].getpixel((0, 0))
    rows = fingerkeys.rows(keys)
    for upper, lower in zip(rows, rows[1:]):
        if upper[0].bottom != lower[0].top:
            fault(f"the row of {upper[0].base} ends at {upper[0].bottom}, the next starts at {lower[0].top}")
    edge = min(r[-1].right for r in rows)
    for row in rows:
        if row[0].left != rows[0][0].left:
            fault(f"the row of {row[0].base} starts at {row[0].left}, not {rows[0][0].left}")
        last = row[-1]
        for x in range(edge, last.right):   # beyond the others' end only the case shows
            for s in fingerkeys.STATES:
                column = pics[last.base + s].crop((x - last.left, 0, x - last.left + 1, last.height))
                if set(column.getdata()) != {case}:
                    fault(f"{last.base}{s}: column {x} beyond the keyboard's edge {edge} is not the case")
        for a, b in zip(row, row[1:]):
            if b.left > a.right:
                fault(f"{a.base} and {b.base}: a gap of {b.left - a.right} pixels")
            elif b.left < a.right:
                shared = a.right - b.left
                for sa in fingerkeys.STATES:
                    for sb in fingerkeys.STATES:
                        pa = pics[a.base + sa].crop((a.width - shared, 0, a.width, a.height))
                        pb = pics[b.base + sb].crop((0, 0, shared, b.height))
                        if list(pa.getdata()) != list(pb.getdata()):
                            fault(f"{a.base}{sa} and {b.base}{sb} overlap by {shared} pixels "
                                  "and show different pixels there")
    for cap in fingerkeys.caps(keys):
        for up, down in zip(cap, cap[1:]):
            check_join(pics, up, down, case)


def check_join(pics: dict, up, down, case) -> None:
    if up.bottom != down.top or up.right != down.right or up.left <= down.left:
        fault(f"{up.base} does not sit on {down.base}'s right end")
        return
    for s in fingerkeys.STATES:
        a, b = pics[up.base + s], pics[down.base + s]
        across = range(up.left + fingerkeys.MARGIN, up.right - fingerkeys.MARGIN)
        seam_up = [a.getpixel((x - up.left, up.height - 1)) for x in across]
        seam_down = [b.getpixel((x - down.left, 0)) for x in across]
        if case in seam_up or case in seam_down:
            fault(f"{up.base}{s} and {down.base}{s}: the case shows through their seam")
        beside = [b.getpixel((x, 0)) for x in range(up.left - down.left)]
        if set(beside) != {case}:
            fault(f"{down.base}{s}: its top beside {up.base} is not the case")


def check_window_pictures(art: Path, rc: dict, win) -> None:
    for s in fingerwindow.STATES:
        picture(art, rc, fingerwindow.EXIT_BASE + s, fingerwindow.EXIT_SIZE)
    cw, ch = win.client_size
    border = win.border
    picture(art, rc, fingerwindow.MEANDER_ACROSS_ID, (cw, border))
    picture(art, rc, fingerwindow.MEANDER_DOWN_ID, (border, ch - 2 * border))
    for ident, name in (("IDC_FINGER_BORDER_TOP", fingerwindow.MEANDER_ACROSS_ID),
                        ("IDC_FINGER_BORDER_LEFT", fingerwindow.MEANDER_DOWN_ID)):
        if win.at(ident) != (0, 0 if name == fingerwindow.MEANDER_ACROSS_ID else border):
            fault(f"{ident} is not where the border needs it")
    if win.at("IDC_FINGER_BORDER_RIGHT") != (cw - border, border):
        fault("IDC_FINGER_BORDER_RIGHT is not against the right edge")
    for ident, name, limit in (
            ("IDC_FINGER_CAPTION", fingerwindow.CAPTION_ID, win.at("IDC_FINGER_KEY_LIST")[0]),
            ("IDC_FINGER_CHOOSE", fingerwindow.CHOOSE_ID, fingerkeys.px_x(min(g.x for g in win.groups)))):
        files = rc.get(name, [])
        if len(files) != 1 or not (art / files[0]).is_file():
            fault(f"{name}: not listed once in english.rc")
            continue
        w, _, _, _ = bmp_format(art / files[0])
        if win.at(ident)[0] + w > limit:
            fault(f"{name}: {w} pixels wide from {win.at(ident)[0]} reach past {limit}")


def main() -> int:
    art = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "src" / "res" / "art"
    win = fingerwindow.window(ROOT)
    rc = listed(art)
    check_template(win)
    check_keys(art, rc, win.keys)
    check_window_pictures(art, rc, win)
    for f in faults:
        print("finger art:", f)
    if faults:
        return 1
    print(f"finger art: {len(win.keys)} keys, {4 * len(win.keys)} pictures agree with the table "
          "and the template")
    return 0


if __name__ == "__main__":
    sys.exit(main())
