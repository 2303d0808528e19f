"""The root pictures of the root drills, one per catalogue index, and the answer strip.

21 x 20 pixels, 16 colours, on the light grey of the answer strip: the 86 roots in pure
red, the 98 roots in yellow. Yellow on light grey is faint, so the 98 glyphs stand on a
one-pixel drop shadow; the red needs none. The glyph (with its shadow) is as large as the
cell allows with a pixel to spare all round, so that neighbouring cells in a row (21 px
apart) never touch.
"""
from __future__ import annotations

from PIL import Image, ImageChops

from . import rootglyph, writers
from .paint import mix

SIZE = (21, 20)
GROUND = (192, 192, 192)
INK = {86: (255, 0, 0), 98: (255, 255, 0)}
SHADOW = {98: (96, 96, 96)}
SHADOW_OFFSET = (1, 1)
TINT = 24                   # a pixel this far from grey shows the ink
GLYPH_BOX = {86: (19, 18), 98: (18, 17)}   # the shadow takes a pixel more

STRIP_ID = "976"
STRIP_SIZE = (588, 20)      # blanks the whole answer row of 28 cells



def palette(edition: int) -> list:
    """The picture's colours: ground, ink (and shadow) and the shades between them that
    anti-aliasing needs, at most 16."""
    ink, shadow = INK[edition], SHADOW.get(edition)
    if shadow is None:
        return [GROUND, ink] + [mix(GROUND, ink, i / 8) for i in range(1, 8)]
    out = [GROUND, ink, shadow]
    for a, b in ((GROUND, ink), (GROUND, shadow), (shadow, ink)):
        out += [mix(a, b, i / 4) for i in range(1, 4)]
    return out


def _compose(root, m: Image.Image, x: int, y: int) -> Image.Image:
    img = Image.new("RGB", SIZE, GROUND)
    shadow = SHADOW.get(root.edition)
    if shadow:
        rootglyph.stamp(img, m, (x + SHADOW_OFFSET[0], y + SHADOW_OFFSET[1]), shadow)
    rootglyph.stamp(img, m, (x, y), INK[root.edition])
    return writers.to_palette(img, palette(root.edition))


def glyph_box(img: Image.Image):
    """The box of the pixels that show some of the ink's colour (ground and shadow are
    greys): the glyph as it is seen."""
    rgb = img.convert("RGB")
    px = rgb.load()
    pts = [(x, y) for y in range(rgb.height) for x in range(rgb.width)
           if max(px[x, y]) - min(px[x, y]) > TINT]
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def draw(root) -> Image.Image:
    """The picture of one catalogue root, 16 colours. The glyph is centred as it is seen
    once reduced to the palette, where the faintest fringe falls to the ground."""
    m = rootglyph.root_mask(root, GLYPH_BOX[root.edition])
    x, y = rootglyph.centred(m, (0, 0), SIZE)
    img = _compose(root, m, x, y)
    x0, y0, x1, y1 = glyph_box(img)
    ox, oy = SHADOW_OFFSET if root.edition in SHADOW else (0, 0)
    dx = (SIZE[0] - x0 - x1 - ox) // 2
    dy = (SIZE[1] - y0 - y1 - oy) // 2
    # ... but never so far that the fringe or the shadow reaches the edge.
    shown = ImageChops.difference(img.convert("RGB"), Image.new("RGB", SIZE, GROUND)).getbbox()
    dx = max(1 - shown[0], min(dx, SIZE[0] - 1 - shown[2]))
    dy = max(1 - shown[1], min(dy, SIZE[1] - 1 - shown[3]))
    return _compose(root, m, x + dx, y + dy) if (dx, dy) != (0, 0) else img


def draw_all(cat) -> dict[int, tuple[int, Image.Image]]:
    """Picture id -> (edition, 16-colour picture), for every root of both editions."""
    out = {}
    for ed in sorted(cat.roots):
        for r in cat.roots[ed]:
            if r.picture in out:
                raise ValueError(f"picture {r.picture} is used twice")
            out[r.picture] = (ed, draw(r))
    return out


def strip() -> Image.Image:
    return Image.new("RGB", STRIP_SIZE, GROUND)
