#!/usr/bin/python3
"""Checks the committed pictures of the drills against what the program expects of them.

    /usr/bin/python3 tools/art/check_drills.py [ART_DIR]

- every bitmap id the program loads (root pictures and key pictures from their lists, the
  two maps, the answer strip) has exactly one line in practice.rc and its file exists;
- the formats: 16-colour (4-bit) bitmaps of the sizes the program copies;
- root pictures: light grey ground all round, the edition's ink, the glyph centred with a
  pixel to spare at the sides; the strip plain grey;
- key pictures: each lies over its key on the map, with its roots on the very pixels the
  map has them; frame in the edition's colour.

Reading the files (not the generator's drawings) is the point: it checks what is built
into the program. Exits 1 and names every fault.
"""
from __future__ import annotations

import re
import struct
import sys
from pathlib import Path

sys.dont_write_bytecode = True
HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
sys.path.insert(0, str(HERE))

from PIL import Image  # noqa: E402

from qopeart import catalogue, keymap, rootpictures  # noqa: E402
from qopeart.layout import TITLE_ORIGIN, TITLE_SHOWN  # noqa: E402

faults: list[str] = []


def fault(msg: str) -> None:
    faults.append(msg)


def bmp_format(path: Path) -> tuple[int, int, int, int]:
    """(width, height, bits per pixel, palette entries) from the file's headers."""
    head = path.read_bytes()[:54]
    if head[:2] != b"BM":
        raise ValueError("not a BMP")
    w, h, _, bpp, _, _, _, _, used = struct.unpack("<iiHHIIiiI", head[18:50])
    return w, h, bpp, used


def resources(art: Path) -> dict[str, list[str]]:
    out: dict[str, list[str]] = {}
    for line in (art / "practice.rc").read_text(encoding="ascii").splitlines():
        m = re.match(r'^(\w+)\s+BITMAP\s+"art/([^"]+)"', line)
        if m:
            out.setdefault(m.group(1), []).append(m.group(2))
    return out


def load(art: Path, rc: dict, rid: str, size, what: str):
    files = rc.get(rid, [])
    if len(files) != 1:
        fault(f"{what} {rid}: {len(files)} lines in practice.rc")
        return None
    path = art / files[0]
    if not path.is_file():
        fault(f"{what} {rid}: {files[0]} is missing")
        return None
    w, h, bpp, used = bmp_format(path)
    if (w, h) != tuple(size) or bpp != 4 or not 0 < used <= 16:
        fault(f"{what} {rid}: {w} x {h}, {bpp} bits, {used} colours; "
              f"want {size[0]} x {size[1]}, 4 bits, 16 colours at most")
    return Image.open(path).convert("RGB")


def near(c, a, b) -> bool:
    """c is closer to colour a than to colour b."""
    da = sum((x - y) ** 2 for x, y in zip(c, a))
    db = sum((x - y) ** 2 for x, y in zip(c, b))
    return da < db


def check_root_picture(img: Image.Image, edition: int, index: int, rid: int) -> None:
    w, h = img.size
    ground = rootpictures.GROUND
    px = img.load()
    edge = [(x, y) for x in range(w) for y in (0, h - 1)] + \
           [(x, y) for y in range(h) for x in (0, w - 1)]
    if any(px[xy] != ground for xy in edge):
        fault(f"root {edition}/{index} ({rid}): the ground does not go all round")
    ink = rootpictures.INK[edition]
    if not any(px[x, y] == ink for x in range(w) for y in range(h)):
        fault(f"root {edition}/{index} ({rid}): no pixel in {ink}")
        return
    x0, y0, x1, y1 = rootpictures.glyph_box(img)
    ox, oy = rootpictures.SHADOW_OFFSET if edition in rootpictures.SHADOW else (0, 0)
    if abs(x0 - (w - x1 - ox)) > 1 or abs(y0 - (h - y1 - oy)) > 1:
        fault(f"root {edition}/{index} ({rid}): glyph off centre "
              f"(margins {x0} left, {w - x1} right, {y0} top, {h - y1} bottom)")
    if (x1 - x0) < w * 0.4 and (y1 - y0) < h * 0.6:
        fault(f"root {edition}/{index} ({rid}): glyph only {x1 - x0} x {y1 - y0}")


def ink_mask(img: Image.Image, face) -> set:
    """Pixels nearer a root's colour than the cap's face."""
    px = img.load()
    return {(x, y) for x in range(img.width) for y in range(img.height)
            if any(near(px[x, y], ink, face) for ink in (keymap.KEY_ROOT, keymap.ROOT))}


def check_key(picture: Image.Image, map_img: Image.Image, p, edition: int) -> None:
    mx, my = p.x - TITLE_ORIGIN[0], p.y - TITLE_ORIGIN[1]
    if mx < 0 or my < 0 or mx + 70 > TITLE_SHOWN[0] or my + 70 > TITLE_SHOWN[1]:
        fault(f"key {p.letter} ({edition}): its picture at {p.x}, {p.y} leaves the map")
        return
    under = map_img.crop((mx, my, mx + 70, my + 70))
    inner = (keymap.INSET, keymap.INSET, 70 - keymap.INSET, 70 - keymap.INSET)
    lit = ink_mask(picture.crop(inner), keymap.LIT_FACE)
    plain = ink_mask(under.crop(inner), keymap.FACE)
    if not plain:
        fault(f"key {p.letter} ({edition}): no roots on the map under its picture")
        return
    differ = len(lit ^ plain)
    if differ > 0.03 * len(plain):
        fault(f"key {p.letter} ({edition}): {differ} of {len(plain)} root pixels differ "
              "from the map under it")
    frame = keymap.FRAME[edition]
    if picture.getpixel((35, 1)) != frame or picture.getpixel((1, 35)) != frame:
        fault(f"key {p.letter} ({edition}): frame is not {frame}")


def main() -> int:
    art = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "src" / "res" / "art"
    # The lists the program is built from, not the charts: this runs everywhere.
    _, ids = catalogue.parse_root_catalogue(ROOT / "src" / "roots" / "root_catalogue.def")
    key_pictures = catalogue.parse_key_pictures(ROOT / "src" / "drill" / "key_pictures.def")
    rc = resources(art)

    for ed in catalogue.EDITIONS:
        for index, rid in sorted(ids[ed].items()):
            img = load(art, rc, str(rid), rootpictures.SIZE, "root picture")
            if img is not None:
                check_root_picture(img, ed, index, rid)
    strip = load(art, rc, rootpictures.STRIP_ID, rootpictures.STRIP_SIZE, "answer strip")
    if strip is not None and strip.getcolors(1) != [(strip.width * strip.height,
                                                     rootpictures.GROUND)]:
        fault("answer strip: not plain light grey")

    for ed, mid in keymap.MAP_IDS.items():
        map_img = load(art, rc, mid, TITLE_SHOWN, "keyboard map")
        for p in key_pictures:
            pic = load(art, rc, str(p.ids[ed]), (70, 70), f"key picture {p.letter}")
            if pic is not None and map_img is not None:
                check_key(pic, map_img, p, ed)

    for f in faults:
        print("art:", f)
    count = sum(len(ids[e]) for e in ids) + 2 * len(key_pictures) + 3
    if faults:
        print(f"art: {len(faults)} faults in the drills' pictures")
        return 1
    print(f"art: the drills' {count} pictures are as the program expects")
    return 0


if __name__ == "__main__":
    sys.exit(main())
