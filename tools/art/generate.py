#!/usr/bin/python3
"""Draws every picture of Qope's windows, its icon and its cursor.

    /usr/bin/python3 tools/art/generate.py [--out DIR] [--help-out DIR] [--preview DIR]

--out      where the resource files go (default src/res/art, committed)
--help-out where the help file's pictures go (default data/help/images, committed)
--preview  also write contact sheets and window mock-ups as PNG there

Deterministic: no timestamps, fixed order, fixed quantisation; tools/art/check.py
regenerates into a temporary folder and compares byte for byte.
"""
from __future__ import annotations

import argparse
import sys
import time

sys.dont_write_bytecode = True   # keep the source tree clean when run from tests
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
sys.path.insert(0, str(HERE))

from qopeart import (background, buttons, catalogue, cursor, fingerkeys, fingerwindow,  # noqa: E402
                     helppictures, icon, keycaps, keymap, landscapes, layout, resources,
                     rootmaps, rootpictures, titles, writers)

OUTPUT_SUFFIXES = {".bmp", ".ico", ".cur", ".rc", ".png"}
HELP_PICTURES = ROOT / "data" / "help" / "images"


def build() -> dict:
    """Everything drawn, before it is written: name -> picture, plus the layout."""
    window = layout.main_window(ROOT)
    cat = catalogue.load(ROOT)
    faces = {ed: keymap.faces(cat, ed) for ed in catalogue.EDITIONS}
    keys = keymap.draw_all(cat, faces)
    caps = keycaps.load(ROOT)
    cap_pictures = keycaps.draw_all(caps, faces)
    maps = rootmaps.draw_all(cat, faces)
    finger = fingerwindow.window(ROOT)
    return {
        "window": window,
        "button_pictures": buttons.draw_all(list(window.buttons)),
        "background": background.draw(),
        "titles": titles.draw_all(),
        "icon": icon.draw(),
        "cursor": cursor.draw(),
        "catalogue": cat,
        "keymaps": keys["maps"],
        "key_pictures": keys["keys"],
        "root_pictures": {rid: pic for rid, (_, pic) in rootpictures.draw_all(cat).items()},
        "strip": writers.to_palette(rootpictures.strip(), [rootpictures.GROUND]),
        "key_caps": caps,
        "cap_pictures": cap_pictures,
        "rootmaps": maps,
        "help_pictures": helppictures.draw_all(maps, cap_pictures, caps),
        "landscapes": landscapes.draw(),
        "finger_window": finger,
        "finger_keys": fingerkeys.draw_all(finger.keys),
        "finger_pictures": fingerwindow.draw_all(finger),
    }


def write(drawn: dict, out: Path) -> list[Path]:
    out.mkdir(parents=True, exist_ok=True)
    written: list[Path] = []
    # Each window's script lists its own pictures.
    lists: dict[str, list[tuple[str, str]]] = {"practice": [], "lookup": [], "rootmaps": [],
                                               "speedtests": [], "english": []}

    def bmp(name: str, filename: str, picture, bpp: int = 8, script: str = "practice") -> None:
        path = out / filename
        path.parent.mkdir(parents=True, exist_ok=True)
        writers.write_bmp(picture, path, bpp)
        written.append(path)
        lists[script].append((name, filename))

    # Smooth gradients over large areas keep their look in 256 colours with dithering.
    bmp("522", "background522.bmp", writers.palettize(drawn["background"], dither=True))
    for rid, pic in drawn["titles"].items():
        bmp(rid, f"title{rid}.bmp", writers.palettize(pic, dither=True))
    for name, pic in drawn["button_pictures"].items():
        bmp(name, f"{name}.bmp", writers.palettize(pic))
    # The drills' pictures are 16-colour bitmaps, written 4-bit.
    for rid, pic in drawn["keymaps"].items():
        bmp(rid, f"keymap{rid}.bmp", pic, 4)
    for rid, pic in sorted(drawn["key_pictures"].items(), key=lambda kv: int(kv[0])):
        bmp(rid, f"keys/key{rid}.bmp", pic, 4)
    for rid, pic in sorted(drawn["root_pictures"].items()):
        bmp(str(rid), f"roots/root{rid}.bmp", pic, 4)
    bmp(rootpictures.STRIP_ID, f"strip{rootpictures.STRIP_ID}.bmp", drawn["strip"], 4)
    for rid, pic in sorted(drawn["cap_pictures"].items(), key=lambda kv: int(kv[0])):
        bmp(rid, f"caps/cap{rid}.bmp", pic, 4, "lookup")
    for rid, pic in sorted(drawn["rootmaps"].items()):
        bmp(rid, f"rootmap{rid}.bmp", pic, 4, "rootmaps")
    # The finger exercise: 16-colour keys and border, the rest 256 colours.
    for name, pic in drawn["finger_keys"].items():
        bmp(name, f"finger/{name}.bmp", pic, 4, "english")
    for name, pic in drawn["finger_pictures"].items():
        depth = 4 if pic.info.get("ncolours", 256) <= 16 else 8
        bmp(name, f"finger/{name}.bmp", pic, depth, "english")

    # The speed tests' landscapes keep every colour: 24-bit.
    for rid, pic in drawn["landscapes"].items():
        bmp(rid, f"landscape{rid}.bmp", pic, 24, "speedtests")

    ico = out / "qope.ico"
    ico.write_bytes(writers.ico_bytes(drawn["icon"]))
    cur = out / "hand977.cur"
    pic, transparent = drawn["cursor"]
    cur.write_bytes(writers.cur_bytes(pic, transparent, cursor.HOTSPOT))
    shared = out / "shared.rc"
    shared.write_text(resources.script([], {"128": ico.name}, {"977": cur.name}),
                      encoding="ascii", newline="\n")
    written += [ico, cur, shared]
    for name, listed in lists.items():
        rc = out / f"{name}.rc"
        rc.write_text(resources.script(listed, {}, {}), encoding="ascii", newline="\n")
        written.append(rc)

    # Pictures no longer drawn must not linger in the committed folder.
    keep = set(written)
    for old in outputs(out):
        if old not in keep:
            old.unlink()
    return written


def write_help(drawn: dict, out: Path) -> list[Path]:
    """The help pages' pictures, PNG; nothing else lives in that folder."""
    out.mkdir(parents=True, exist_ok=True)
    written = []
    for name, pic in sorted(drawn["help_pictures"].items()):
        path = out / name
        path.write_bytes(helppictures.png_bytes(pic))
        written.append(path)
    for old in set(outputs(out)) - set(written):
        old.unlink()
    return written


def outputs(folder: Path) -> list[Path]:
    """The generator's files in folder and its subfolders."""
    return sorted(p for p in folder.rglob("*") if p.is_file() and p.suffix in OUTPUT_SUFFIXES)


def preview(drawn: dict, folder: Path) -> None:
    from PIL import Image
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

    cat = drawn["catalogue"]
    maps = drawn["keymaps"]
    both = Image.new("RGB", (762, 2 * 265 + 10), (0, 0, 0))
    for i, rid in enumerate(sorted(maps)):
        both.paste(maps[rid].convert("RGB"), (0, i * 275))
    both.save(folder / "keymaps.png")
    pv.key_sheet(cat, drawn["key_pictures"]).save(folder / "key_pictures.png")
    rmaps = drawn["rootmaps"]
    both = Image.new("RGB", (762, 2 * 265 + 10), (0, 0, 0))
    for i, rid in enumerate(sorted(rmaps)):
        both.paste(rmaps[rid].convert("RGB"), (0, i * 275))
    both.save(folder / "rootmaps.png")
    pv.cap_sheet(drawn["key_caps"], drawn["cap_pictures"]).save(folder / "key_caps.png")
    finger = drawn["finger_window"]
    fpics = {**drawn["finger_keys"], **drawn["finger_pictures"]}
    pv.finger_key_sheet(finger.keys, fpics).save(folder / "finger_keys.png")
    pv.contact_sheet(drawn["finger_pictures"]).save(folder / "finger_pictures.png")
    colours = pv.label_colours(ROOT / "src" / "english" / "FingerExerciseDlg.cpp")
    pv.finger_mockup(ROOT, finger, fpics, colours=colours).save(folder / "finger_start.png")
    pv.finger_mockup(ROOT, finger, fpics, finger.groups[0], 0, ("4", "3", "1", "75"),
                     colours).save(folder / "finger_group1.png")
    pv.finger_mockup(ROOT, finger, fpics, finger.groups[8], 3, ("12", "12", "0", "100"),
                     colours).save(folder / "finger_group9.png")
    for ed in catalogue.EDITIONS:
        pv.root_sheet(cat, drawn["root_pictures"], ed).save(folder / f"roots{ed}.png")
        area = pv.picture_area(drawn["background"], maps[keymap.MAP_IDS[ed]], cat, ed, "wqvb",
                               drawn["key_pictures"])
        area.save(folder / f"hint{ed}_wqvb.png")
        pv.lookup_row(drawn["key_caps"], drawn["cap_pictures"], ed, "wqvb ").save(
            folder / f"lookup{ed}_wqvb.png")
    for name, sheet in landscapes.previews(drawn["landscapes"]).items():
        sheet.save(folder / name)


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", type=Path, default=ROOT / "src" / "res" / "art")
    ap.add_argument("--help-out", type=Path, default=HELP_PICTURES)
    ap.add_argument("--preview", type=Path)
    args = ap.parse_args()
    start = time.monotonic()
    drawn = build()
    files = write(drawn, args.out)
    pictures = write_help(drawn, args.help_out)
    print(f"art: {len(files)} files in {args.out}, {len(pictures)} in {args.help_out} "
          f"({time.monotonic() - start:.1f} s)")
    if args.preview:
        preview(drawn, args.preview)
    return 0


if __name__ == "__main__":
    sys.exit(main())
