"""The pictures of the help file (data/help/images), as PNG for the HTML pages.

The two root maps and the key caps are the program's own pictures (rootmaps, keycaps),
the caps drawn twice as large with whole pixels so they stay sharp. The finger chart is
drawn here: a US keyboard with every key in the colour of the finger that types it.
"""
from __future__ import annotations

import io

from PIL import Image, ImageDraw

from . import fonts, keycaps, rootmaps
from .paint import shade

CAP_SCALE = 2
PAGE = (255, 255, 255)     # the pages' ground, round the caps' corners

# -- the finger chart ----------------------------------------------------------------------

# Fingers, left little (1) to right little (8); 0 is the thumbs.
LITTLE_L, RING_L, MIDDLE_L, INDEX_L, INDEX_R, MIDDLE_R, RING_R, LITTLE_R, THUMB = (
    1, 2, 3, 4, 5, 6, 7, 8, 0)

# Rows of (legend, width in key units, finger). The home row's eight keys are marked.
ROWS = (
    (("`", 1, LITTLE_L), ("1", 1, LITTLE_L), ("2", 1, RING_L), ("3", 1, MIDDLE_L),
     ("4", 1, INDEX_L), ("5", 1, INDEX_L), ("6", 1, INDEX_R), ("7", 1, INDEX_R),
     ("8", 1, MIDDLE_R), ("9", 1, RING_R), ("0", 1, LITTLE_R), ("-", 1, LITTLE_R),
     ("=", 1, LITTLE_R), ("Backspace", 2, LITTLE_R)),
    (("Tab", 1.5, LITTLE_L), ("Q", 1, LITTLE_L), ("W", 1, RING_L), ("E", 1, MIDDLE_L),
     ("R", 1, INDEX_L), ("T", 1, INDEX_L), ("Y", 1, INDEX_R), ("U", 1, INDEX_R),
     ("I", 1, MIDDLE_R), ("O", 1, RING_R), ("P", 1, LITTLE_R), ("[", 1, LITTLE_R),
     ("]", 1, LITTLE_R), ("\\", 1.5, LITTLE_R)),
    (("Caps", 1.75, LITTLE_L), ("A", 1, LITTLE_L), ("S", 1, RING_L), ("D", 1, MIDDLE_L),
     ("F", 1, INDEX_L), ("G", 1, INDEX_L), ("H", 1, INDEX_R), ("J", 1, INDEX_R),
     ("K", 1, MIDDLE_R), ("L", 1, RING_R), (";", 1, LITTLE_R), ("'", 1, LITTLE_R),
     ("Enter", 2.25, LITTLE_R)),
    (("Shift", 2.25, LITTLE_L), ("Z", 1, LITTLE_L), ("X", 1, RING_L), ("C", 1, MIDDLE_L),
     ("V", 1, INDEX_L), ("B", 1, INDEX_L), ("N", 1, INDEX_R), ("M", 1, INDEX_R),
     (",", 1, MIDDLE_R), (".", 1, RING_R), ("/", 1, LITTLE_R), ("Shift", 2.75, LITTLE_R)),
)
SPACE_BAR = ("空格", 6.25, THUMB, 3.75)    # legend, width, finger, units from the left
HOME = set("ASDFJKL;")
BUMPS = set("FJ")

# One colour per finger pair, so the two hands mirror each other.
COLOURS = {LITTLE_L: (244, 170, 190), RING_L: (250, 204, 120), MIDDLE_L: (160, 216, 140),
           INDEX_L: (140, 190, 240), INDEX_R: (186, 166, 236), MIDDLE_R: (160, 216, 140),
           RING_R: (250, 204, 120), LITTLE_R: (244, 170, 190), THUMB: (210, 210, 210)}
LEGEND = (("小指", LITTLE_L), ("无名指", RING_L), ("中指", MIDDLE_L), ("左手食指", INDEX_L),
          ("右手食指", INDEX_R), ("拇指", THUMB))

UNIT = 40
GAP = 3
MARGIN = 20
SIZE = (640, 250)
GROUND = (250, 250, 246)
INK = (40, 40, 40)
EDGE = (96, 96, 96)


def fingers() -> Image.Image:
    img = Image.new("RGB", SIZE, GROUND)
    d = ImageDraw.Draw(img)
    big, small, legend = fonts.font("arial-bold", 15), fonts.font("arial", 11), fonts.font("hei", 14)

    def key(x: float, y: float, units: float, text: str, finger: int) -> None:
        box = (round(x), y, round(x + units * UNIT) - GAP, y + UNIT - GAP)
        fill = COLOURS[finger]
        d.rounded_rectangle(box, 4, fill=fill, outline=shade(fill, -0.45),
                            width=2 if text in HOME else 1)
        f = big if len(text) == 1 else (legend if ord(text[0]) > 0x7F else small)
        cx, cy = (box[0] + box[2]) / 2, (box[1] + box[3]) / 2
        d.text(fonts.centred_origin(f, text, cx, cy), text, font=f, fill=INK)
        if text in BUMPS:       # the raised bar the fingers find without looking
            d.line((cx - 5, box[3] - 7, cx + 5, box[3] - 7), fill=INK, width=2)

    y = MARGIN - 8
    for row in ROWS:
        x = MARGIN
        for text, units, finger in row:
            key(x, y, units, text, finger)
            x += units * UNIT
        y += UNIT
    text, units, finger, left = SPACE_BAR
    key(MARGIN + left * UNIT, y, units, text, finger)

    # The colour key under the keyboard.
    y += UNIT + 10
    widths = [18 + 6 + legend.getlength(t) for t, _ in LEGEND]
    spacing = 18
    x = (SIZE[0] - sum(widths) - spacing * (len(widths) - 1)) / 2
    for (t, finger), w in zip(LEGEND, widths):
        d.rounded_rectangle((round(x), y, round(x) + 17, y + 17), 3, fill=COLOURS[finger],
                            outline=shade(COLOURS[finger], -0.45))
        _, ty = fonts.centred_origin(legend, t, 0, y + 9, reference="国")
        d.text((round(x) + 24, ty), t, font=legend, fill=INK)
        x += w + spacing
    return img


# -- all of them ---------------------------------------------------------------------------

def draw_all(rootmap_pictures: dict, cap_pictures: dict, caps) -> dict[str, Image.Image]:
    """File name -> picture: map86/98, cap86_<letter>/cap98_<letter>, fingers."""
    out = {f"map{ed}.png": rootmap_pictures[rid] for ed, rid in rootmaps.IDS.items()}
    for c in caps:
        if c.key == keycaps.SPACE:
            continue
        for ed in (86, 98):
            pic = _on_page(cap_pictures[str(c.ids[ed])])
            out[f"cap{ed}_{c.key}.png"] = pic.resize(
                (pic.width * CAP_SCALE, pic.height * CAP_SCALE), Image.NEAREST)
    out["fingers.png"] = fingers().quantize(64, dither=Image.Dither.NONE)
    return out


def _on_page(cap: Image.Image) -> Image.Image:
    """The cap with the lookup window's blue ground in its corners turned to the page's."""
    out = cap.copy()
    palette = out.getpalette()
    index = [tuple(palette[i:i + 3]) for i in range(0, len(palette), 3)].index(keycaps.GROUND)
    palette[3 * index:3 * index + 3] = PAGE
    out.putpalette(palette)
    return out


def png_bytes(img: Image.Image) -> bytes:
    """Deterministic PNG: no time or text chunks, fixed compression."""
    buf = io.BytesIO()
    img.save(buf, "PNG", optimize=False, compress_level=9)
    return buf.getvalue()
