#!/usr/bin/python3
"""Draws every picture of Qope's main window, its icon and its cursor.

    /usr/bin/python3 tools/art/generate.py [--out DIR] [--preview DIR]

--out      where the resource files go (default src/res/art, committed)
--preview  also write a contact sheet and main-window mock-ups as PNG there

Deterministic: no timestamps, fixed order, fixed quantisation; tools/art/check.py
regenerates into a temporary folder and compares byte for byte.
"""
from __future__ import annotations

import argparse
import sys

sys.dont_write_bytecode = True   # keep the source tree clean when run from tests
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
sys.path.insert(0, str(HERE))

from qopeart import background, buttons, cursor, icon, layout, resources, titles, writers  # noqa: E402

OUTPUT_SUFFIXES = {".bmp", ".ico", ".cur", ".rc"}


def build() -> dict:
    """Everything drawn, before it is written: name -> picture, plus the layout."""
    window = layout.main_window(ROOT)
    return {
        "window": window,
        "button_pictures": buttons.draw_all(list(window.buttons)),
        "background": background.draw(),
        "titles": titles.draw_all(),
        "icon": icon.draw(),
        "cursor": cursor.draw(),
    }


def write(drawn: dict, out: Path) -> list[Path]:
    out.mkdir(parents=True, exist_ok=True)
    written: list[Path] = []
    bitmaps: list[tuple[str, str]] = []

    def bmp(name: str, filename: str, picture) -> None:
        path = out / filename
        writers.write_bmp(picture, path)
        written.append(path)
        bitmaps.append((name, filename))

    # Smooth gradients over large areas keep their look in 256 colours with dithering.
    bmp("522", "background522.bmp", writers.palettize(drawn["background"], dither=True))
    for rid, pic in drawn["titles"].items():
        bmp(rid, f"title{rid}.bmp", writers.palettize(pic, dither=True))
    for name, pic in drawn["button_pictures"].items():
        bmp(name, f"{name}.bmp", writers.palettize(pic))

    ico = out / "qope.ico"
    ico.write_bytes(writers.ico_bytes(drawn["icon"]))
    cur = out / "hand977.cur"
    pic, transparent = drawn["cursor"]
    cur.write_bytes(writers.cur_bytes(pic, transparent, cursor.HOTSPOT))
    rc = out / "pictures.rc"
    rc.write_text(resources.script(bitmaps, {"128": ico.name}, {"977": cur.name}),
                  encoding="ascii", newline="\n")
    written += [ico, cur, rc]

    # Pictures no longer drawn must not linger in the committed folder.
    keep = set(written)
    for old in sorted(out.iterdir()):
        if old.suffix in OUTPUT_SUFFIXES and old not in keep:
            old.unlink()
    return written


def preview(drawn: dict, folder: Path) -> None:
    from qopeart import preview as pv
    folder.mkdir(parents=True, exist_ok=True)
    pics = {"522": drawn["background"], **drawn["titles"], **drawn["button_pictures"]}
    ico32 = drawn["icon"][1]
    pics["icon32"] = ico32
    sheet = dict(pics)
    for img in drawn["icon"]:
        sheet[f"icon{img.width}"] = img
    pic, transparent = drawn["cursor"]
    cur = pic.convert("RGBA")
    cur.putalpha(transparent.point(lambda v: 255 - v))
    sheet["cursor977"] = cur.resize((64, 64))
    pv.contact_sheet(sheet).save(folder / "contact.png")
    window = drawn["window"]
    colours = pv.label_colours(ROOT / "src" / "app" / "PracticeDlg.cpp")
    pv.mockup(pics, window, colours).save(folder / "mockup86.png")
    pics98 = dict(pics, **{"619": drawn["titles"]["620"]})
    states = {b.base: s for b, s in zip(window.buttons, "UDFX" * 6)}
    pv.mockup(pics98, window, colours, lambda b: states[b.base]).save(folder / "mockup98_states.png")


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", type=Path, default=ROOT / "src" / "res" / "art")
    ap.add_argument("--preview", type=Path)
    args = ap.parse_args()
    drawn = build()
    files = write(drawn, args.out)
    if args.preview:
        preview(drawn, args.preview)
    print(f"art: {len(files)} files in {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
