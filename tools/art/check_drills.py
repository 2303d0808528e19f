#!/usr/bin/python3
"""Checks the committed pictures of the drills, the code lookup window and the root-map
dialogs against what the program expects of them.

    /usr/bin/python3 tools/art/check_drills.py [ART_DIR]

- every bitmap id the program loads (root pictures and key pictures from their lists, the
  two maps, the answer strip; the key caps of key_caps.def; the root-map dialogs' maps)
  has exactly one line among the resource lists, in its window's list, and its file exists;
- the formats: 16-colour (4-bit) bitmaps of the sizes the program copies;
- root pictures: light grey ground all round, the edition's ink, the glyph centred with a
  pixel to spare at the sides; the strip plain grey;
- key pictures: each lies over its key on the map, with its roots on the very pixels the
  map has them; frame in the edition's colour.
- key caps: a letter's cap shows the key's roots and label as its cap on the map does
  (the key-name root red, the others green, on the same pixels); the space bar's cap has
  text and no roots; the corners show the window's blue;
- root-map dialogs' maps: every cap, the Z's included, as on the main window's map.

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

from qopeart import catalogue, keycaps, keymap, rootmaps, rootpictures  # noqa: E402
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


SCRIPTS = ("practice.rc", "lookup.rc", "rootmaps.rc", "english.rc")   # one per window, all in one .exe


def resources(art: Path) -> dict[str, list[tuple[str, str]]]:
    """id -> [(script, file)] over all the windows' lists: an id twice is a clash."""
    out: dict[str, list[tuple[str, str]]] = {}
    for script in SCRIPTS:
        path = art / script
        if not path.is_file():
            fault(f"{script} is missing")
            continue
        for line in path.read_text(encoding="ascii").splitlines():
            m = re.match(r'^(\w+)\s+BITMAP\s+"art/([^"]+)"', line)
            if m:
                out.setdefault(m.group(1), []).append((script, m.group(2)))
    return out


def load(art: Path, rc: dict, rid: str, size, what: str, script: str = "practice.rc"):
    lines = rc.get(rid, [])
    if [s for s, _ in lines] != [script]:
        fault(f"{what} {rid}: listed in {[s for s, _ in lines] or 'no list'}, want {script} once")
        return None
    path = art / lines[0][1]
    if not path.is_file():
        fault(f"{what} {rid}: {lines[0][1]} is missing")
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


TINT = 48          # a root's colour this far above the other two channels is its ink
DARK_INK = 110     # ... and a grey darker than this the label's (anti-aliased, any palette)


def inks(img: Image.Image, box) -> dict[str, set]:
    """The pixels of box (on a plain cap) showing the key-name root's red, the other roots'
    green or the label's black, by hue and darkness: the pictures' palettes differ."""
    out = {"key-name root": set(), "root": set(), "label": set()}
    px = img.load()
    x0, y0, x1, y1 = box
    for y in range(y0, y1):
        for x in range(x0, x1):
            r, g, b = px[x, y]
            name = ("key-name root" if r - max(g, b) > TINT else
                    "root" if g - max(r, b) > TINT else
                    "label" if max(r, g, b) < DARK_INK else None)
            if name:
                out[name].add((x - x0, y - y0))
    return out


def face_area(xy) -> tuple:
    """Where a cap at xy has its roots and label."""
    x, y = xy
    return (x + keymap.INSET, y + keymap.INSET, x + keymap.INSET + keymap.AREA,
            y + keymap.INSET + keymap.AREA)


def same_cap(what: str, img: Image.Image, xy, map_img: Image.Image, map_xy) -> None:
    """The cap at xy shows what the map's cap at map_xy does, ink by ink."""
    want, got = inks(map_img, face_area(map_xy)), inks(img, face_area(xy))
    for name in want:
        differ = len(want[name] ^ got[name])
        if differ > 0.03 * max(1, len(want[name])):
            fault(f"{what}: {differ} pixels of {name} ink differ from the map's "
                  f"({len(want[name])} there)")


def check_caps(art: Path, rc: dict, caps, maps: dict, positions) -> None:
    for cap in caps:
        for ed in catalogue.EDITIONS:
            rid = str(cap.ids[ed])
            what = f"key cap {'space' if cap.key == keycaps.SPACE else cap.key} ({ed})"
            img = load(art, rc, rid, (keycaps.SIZE, keycaps.SIZE), what, "lookup.rc")
            if img is None:
                continue
            end = keycaps.SIZE - 1
            if any(img.getpixel(xy) != keycaps.GROUND for xy in ((0, 0), (end, end))):
                fault(f"{what} {rid}: its corners are not the window's blue {keycaps.GROUND}")
            if cap.key == keycaps.SPACE:
                seen = inks(img, face_area((0, 0)))
                if seen["key-name root"] or seen["root"] or not seen["label"]:
                    fault(f"{what} {rid}: want text and no roots")
            elif cap.key not in positions:
                fault(f"{what} {rid}: no such key on the map")
            elif maps.get(ed) is not None:
                same_cap(f"{what} {rid}", img, (0, 0), maps[ed], positions[cap.key])


def check_root_maps(art: Path, rc: dict, maps: dict, positions) -> None:
    for ed, rid in rootmaps.IDS.items():
        img = load(art, rc, rid, TITLE_SHOWN, "root-map dialog map", "rootmaps.rc")
        if img is None or maps.get(ed) is None:
            continue
        for letter, (x, y) in sorted(positions.items()):
            same_cap(f"root-map dialog map {rid}, key {letter}", img, (x, y - rootmaps.RAISE),
                     maps[ed], (x, y))


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

    maps = {}
    for ed, mid in keymap.MAP_IDS.items():
        map_img = maps[ed] = load(art, rc, mid, TITLE_SHOWN, "keyboard map")
        for p in key_pictures:
            pic = load(art, rc, str(p.ids[ed]), (70, 70), f"key picture {p.letter}")
            if pic is not None and map_img is not None:
                check_key(pic, map_img, p, ed)

    # The lookup window's caps and the root-map dialogs' maps show the keys as the main
    # window's map does: checked against it.
    positions = keymap.cap_positions(key_pictures)
    caps = keycaps.load(ROOT)
    check_caps(art, rc, caps, maps, positions)
    check_root_maps(art, rc, maps, positions)

    for f in faults:
        print("art:", f)
    count = sum(len(ids[e]) for e in ids) + 2 * len(key_pictures) + 3 + 2 * len(caps) + 2
    if faults:
        print(f"art: {len(faults)} faults in the drills', lookup's and root maps' pictures")
        return 1
    print(f"art: the {count} pictures of the drills, the code lookup and the root maps "
          "are as the program expects")
    return 0


if __name__ == "__main__":
    sys.exit(main())
