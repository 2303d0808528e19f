"""Pictures 1383 and 1386: the landscapes the speed tests' panes stretch over their
client areas, under the moving text.

1383 (English speed test, 638 x 480, shown at about 662 x 546): a mountain lake on a
summer morning; the letters that fall over it are red. 1386 (Chinese speed test,
640 x 417, shown at about 1049 x 568): a bay in the evening with the sun low over the sea;
the characters and words that cross it are green.

Each picture keeps the values its text needs wherever the text passes: the lake is
light and airy, so that red stands out by value as well as by hue; the bay lies in deep
blues and violets, so that a bright green reads everywhere. Neither has large areas of
pure red or green.
"""
from __future__ import annotations

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from . import painting as pt
from .paint import mix, vertical

LAKE_ID, LAKE_SIZE = "1383", (638, 480)
BAY_ID, BAY_SIZE = "1386", (640, 417)

# The client areas the panes stretch the pictures over (the templates' pane sizes in
# pixels at their dialog fonts, less the two-pixel sunken border), and the moving text.
LAKE_SHOWN = (662, 546)
BAY_SHOWN = (1049, 568)
LETTER_COLOUR = (255, 0, 0)
ITEM_COLOUR = (0, 255, 0)
TEXT_PIXELS = 48           # Arial 36 pt at 96 dots an inch


# -- 1383: the mountain lake -----------------------------------------------------------------

def lake() -> Image.Image:
    rng = random.Random(1383)
    size = w, h = LAKE_SIZE
    horizon = 300
    sun = (492, 86)

    # Sky: deep at the zenith, milky towards the mountains, warm round the sun.
    img = vertical(size, [(0, (104, 150, 206)), (0.32, (150, 188, 226)), (0.6, (206, 222, 234)),
                          (1, (226, 232, 232))])
    img = pt.over(img, (255, 244, 214), pt.radial(size, sun, 330, 2.2))
    img = pt.over(img, (255, 250, 232), pt.radial(size, sun, 90, 1.6))

    # Thin high veils, drawn out across the sky.
    veil = pt.fbm(size, (3, 6), rng, octaves=4, contrast=1.8)
    veil = pt.multiply(pt.levels(veil, 130, 210),
                       vertical(size, [(0, (200,) * 3), (0.35, (120,) * 3), (0.5, (0,) * 3), (1, (0,) * 3)]).convert("L"))
    img = pt.over(img, (244, 246, 248), veil)
    # Heaped clouds over the mountains, lit from the sun above right.
    for cx, base, cw, ch in ((110, 150, 250, 92), (300, 120, 110, 40), (610, 168, 160, 56), (392, 178, 80, 24)):
        img = cloud(img, pt.cumulus(size, rng, cx, base, cw, ch), sun, base, ch)
    # The sun's disc, just clear of the clouds.
    img = pt.over(img, (255, 253, 240), pt.levels(pt.radial(size, sun, 40, 1.0), 120, 150))

    # Three ranges, paler and bluer with distance.
    ranges = [
        # base y, roughness, peaks, shadow, sunlit, mist, snow above base − snow, crags
        (206, 10, [(120, 70, 120, 1.3), (300, 40, 90, 1.2), (430, 58, 110, 1.5), (600, 30, 80, 1.2)],
         (150, 164, 198), (206, 204, 212), (206, 216, 230), 36, 0.45),
        (252, 12, [(40, 60, 110, 1.1), (236, 34, 120, 1.2), (540, 70, 140, 1.4)],
         (160, 166, 198), (212, 200, 192), (200, 212, 226), 40, 0.45),
        (286, 8, [(150, 26, 170, 1.0), (470, 18, 120, 1.0)],
         (50, 78, 80), (96, 120, 104), (150, 172, 182), 0, 0.08),
    ]
    for base, rough, peaks, dark, light, haze, snow, crags in ranges:
        top = pt.ridge(w, rng, base, rough, detail=0.62, peaks=peaks)
        mask = pt.silhouette(size, top)
        lightness, snowy = pt.mountain_light(size, top, sun[0], rng, snowline=base - snow if snow else None,
                                             snow_depth=30, gully=crags)
        lightness = lightness.filter(ImageFilter.GaussianBlur(0.8))
        rock = pt.colourize(lightness, [(0, mix(dark, (70, 80, 110), 0.12)), (100, dark), (180, light),
                                        (255, mix(light, (255, 248, 232), 0.5))])
        if snow:
            white = pt.colourize(lightness, [(0, (172, 186, 214)), (120, (214, 224, 240)),
                                             (255, (255, 252, 246))])
            rock = Image.composite(white, rock, snowy)
        if crags < 0.1:
            # A wooded range: rows of small firs down its slope, in shade on their far side.
            rows = Image.new("L", size, 0)
            for k in range(1, 9):
                line = [t + (horizon - t) * k / 9 for t in top]
                rows = ImageChops.lighter(rows, pt.forest(size, line, rng, spacing=4.5, height=(5, 10)))
            rows = pt.multiply(rows, mask)
            rock = pt.over(rock, mix(dark, (30, 50, 50), 0.3), pt.scale(rows, 0.55))
            crowns = ImageChops.subtract(rows, rows.transform(size, Image.AFFINE, (1, 0, 1, 0, 1, 1)))
            rock = pt.over(rock, mix(light, (230, 226, 180), 0.3), pt.scale(crowns, 0.5))
        # Mist gathers at the foot of each range.
        mist = ImageChops.invert(pt.below_ridge(size, top, (h - base) * 0.35 + 30))
        rock = pt.over(rock, haze, pt.scale(mist, 0.75))
        img = Image.composite(rock, img, mask)

    # The far shore: a band of firs along the water, darker where they stand nearer.
    shore = [horizon - 4 + 3 * math.sin(x * 0.02) for x in range(w)]
    trees = pt.forest(size, shore, rng, spacing=5.5, height=(10, 26))
    band = pt.silhouette(size, [s - 3 for s in shore], [horizon + 1] * w)
    woods = ImageChops.lighter(trees, band)
    wood_light = pt.fbm(size, (w // 6, h // 10), rng, octaves=2, contrast=1.4)
    wood = pt.colourize(wood_light, [(0, (32, 56, 56)), (140, (48, 76, 72)), (255, (82, 108, 94))])
    img = Image.composite(wood, img, woods)

    # The lake: the sky and mountains mirrored, lighter and bluer, with a glitter of sun.
    water_h = h - horizon
    mirrored = pt.reflect(img, horizon, water_h, rng, ripple=2.6)
    # The mirrored shore stays dark; the open water takes the sky's light.
    lift = vertical((w, water_h), [(0, (20,) * 3), (0.12, (60,) * 3), (1, (150,) * 3)]).convert("L")
    water = pt.over(mirrored, (170, 200, 220), lift)
    water = Image.blend(water, Image.new("RGB", water.size, (206, 222, 232)), 0.18)
    img.paste(water, (0, horizon))
    # Bands of breeze on the water: light and dark streaks.
    streaks = pt.fbm((w, water_h), (3, water_h // 3), rng, octaves=3, contrast=2.4)
    streaks = streaks.resize((w, water_h))
    lake_area = Image.new("L", size, 0)
    lake_area.paste(255, (0, horizon, w, h))
    light_streaks = Image.new("L", size, 0)
    light_streaks.paste(pt.scale(pt.levels(streaks, 150, 220), 0.45), (0, horizon))
    img = pt.over(img, (232, 240, 244), light_streaks)
    # The sun's path: short bright dashes below it.
    glitter = Image.new("L", size, 0)
    gd = ImageDraw.Draw(glitter)
    for _ in range(260):
        y = rng.uniform(horizon + 2, h - 20)
        spread = 12 + (y - horizon) * 0.28
        x = sun[0] + rng.gauss(0, spread)
        length = 2 + (y - horizon) * 0.05 * rng.uniform(0.5, 1.5)
        gd.line([(x - length, y), (x + length, y)], fill=rng.randint(120, 255), width=1)
    glitter = glitter.filter(ImageFilter.GaussianBlur(0.6))
    img = pt.over(img, (255, 250, 232), glitter)
    # A thin bright line where the far shore meets the water.
    edge = Image.new("L", size, 0)
    ImageDraw.Draw(edge).line([(0, horizon + 1), (w, horizon + 1)], fill=110)
    img = pt.over(img, (236, 240, 238), edge.filter(ImageFilter.GaussianBlur(0.7)))

    # Near shore: a meadow bank on the left with firs, reeds on the right.
    bank_top = [h - 40 - 26 * max(0.0, 1 - x / 260) ** 1.5 + 3 * math.sin(x * 0.07) for x in range(w)]
    for x in range(w):
        if x > 470:
            bank_top[x] = min(bank_top[x], h - 26 - 20 * ((x - 470) / 168) ** 1.2)
    bank = pt.silhouette(size, bank_top)
    grass_field = pt.fbm(size, (w // 40, h // 30), rng, octaves=4, gain=0.6, contrast=1.1)
    meadow = pt.colourize(grass_field, [(0, (140, 164, 100)), (128, (168, 186, 118)), (255, (204, 208, 146))])
    # Lighter at the water's edge, deeper towards the foot of the picture.
    meadow = pt.over(meadow, (124, 148, 92), vertical(size, [(0, (0,) * 3), (0.9, (0,) * 3), (1, (150,) * 3)]).convert("L"))
    meadow = pt.over(meadow, (200, 196, 160), pt.scale(pt.below_ridge(size, bank_top, 6), 0.7))
    img = Image.composite(meadow, img, bank)
    # Grass blades and a few pale flowers on the bank.
    blades = Image.new("L", size, 0)
    bd = ImageDraw.Draw(blades)
    flowers = []
    for _ in range(900):
        x = rng.uniform(0, w)
        top = bank_top[min(w - 1, int(x))]
        y = rng.uniform(top + 2, h + 4)
        tall = rng.uniform(3, 9)
        bd.line([(x, y), (x + rng.uniform(-2, 2), y - tall)], fill=rng.randint(90, 200))
        if rng.random() < 0.05:
            flowers.append((x, y - tall))
    img = pt.over(img, (104, 130, 82), pt.scale(blades, 0.8))
    fd = ImageDraw.Draw(img)
    for x, y in flowers:
        fd.point([(x, y)], fill=rng.choice([(250, 246, 220), (244, 232, 150), (226, 220, 246)]))

    near = [bank_top[min(w - 1, int(x))] + 6 for x in range(w)]
    firs = Image.new("L", size, 0)
    big = Image.new("L", (w * pt.SUPER, h * pt.SUPER), 0)
    bdraw = ImageDraw.Draw(big)
    for x, tall in ((28, 190), (66, 150), (98, 118), (606, 170), (630, 210)):
        pt.conifer(bdraw, x * pt.SUPER, near[min(w - 1, x)] * pt.SUPER, tall * pt.SUPER,
                   tall * 0.36 * pt.SUPER, 255, rng)
    firs = big.resize(size, Image.BOX)
    needle = pt.fbm(size, (w // 3, h // 3), rng, octaves=2, contrast=1.8)
    fir = pt.colourize(needle, [(0, (26, 48, 44)), (130, (44, 72, 60)), (255, (86, 114, 88))])
    lit = ImageChops.subtract(firs, firs.transform(size, Image.AFFINE, (1, 0, 2, 0, 1, 1)))
    fir = pt.over(fir, (136, 160, 116), pt.scale(lit, 0.7))
    img = Image.composite(fir, img, firs)

    return finish(img, rng, horizon)


def finish(img: Image.Image, rng: random.Random, horizon: int, details=None) -> Image.Image:
    """Brush strokes over everything, across in sky and water, then the small `details`
    the brush would smear, then the canvas grain."""
    def angle(x, y):
        return 0.0 if y > horizon else rng.uniform(-0.35, 0.35)
    img = pt.strokes(img, rng, 26000, (5, 12), (2, 3), angle, alpha=120)
    if details is not None:
        img = details(img)
    return pt.canvas(img, rng, 3.0)


# -- 1386: the evening bay ---------------------------------------------------------------------

def bay() -> Image.Image:
    rng = random.Random(1386)
    size = w, h = BAY_SIZE
    horizon = 252
    sun = (486, 224)

    # Sky: indigo above, through violet and mauve to a muted coral at the sea.
    img = vertical(size, [(0, (20, 28, 74)), (0.22, (38, 42, 98)), (0.42, (78, 62, 118)),
                          (0.55, (136, 88, 126)), (horizon / h, (192, 118, 112)), (1, (192, 118, 112))])
    img = pt.over(img, (214, 132, 104), pt.scale(pt.radial(size, sun, 260, 1.8), 0.8))
    img = pt.over(img, (228, 146, 108), pt.scale(pt.radial(size, sun, 70, 1.5), 0.8))

    # Long bands of cloud: dark violet above, lit rose and gold beneath by the low sun.
    for base, thick, reach, grid in ((52, 30, 0.95, (5, 14)), (112, 20, 0.9, (7, 20)), (158, 12, 0.85, (9, 30)),
                                     (196, 7, 0.7, (12, 44))):
        band = pt.fbm(size, grid, rng, octaves=4, contrast=2.0)
        band = pt.levels(band, 118, 186)
        shape = Image.new("L", size, 0)
        ImageDraw.Draw(shape).ellipse((-w * 0.2, base - thick, w * (1.2), base + thick), fill=255)
        shape = shape.filter(ImageFilter.GaussianBlur(thick * 0.6))
        mask = pt.multiply(band, shape)
        lit = ImageChops.subtract(mask, mask.transform(size, Image.AFFINE, (1, 0, 0, 0, 1, -3)))
        glow = pt.radial(size, sun, 420, 1.2)
        top = Image.composite(Image.new("RGB", size, (128, 86, 132)), Image.new("RGB", size, (52, 44, 92)), glow)
        under = Image.composite(Image.new("RGB", size, (240, 156, 116)), Image.new("RGB", size, (150, 90, 128)), glow)
        body = Image.composite(under, top, pt.scale(lit, 1.0))
        img = Image.composite(body, img, pt.scale(mask, reach))
    # The sun, low and soft, half veiled by haze at the sea.
    disc = pt.levels(pt.radial(size, sun, 30, 1.0), 110, 150)
    img = pt.over(img, (244, 160, 108), disc)

    # Islands far out, then a nearer headland, each darker and less misty.
    layers = [
        (horizon - 1, 5, [(170, 22, 120, 1.2), (300, 10, 70, 1.1), (420, 8, 60, 1.0), (640, 34, 140, 1.2)], (118, 80, 118), (140, 94, 122)),
        (horizon + 1, 7, [(40, 44, 150, 0.9), (96, 22, 60, 1.0), (210, 16, 90, 1.0)], (44, 38, 76), (76, 58, 98)),
    ]
    for base, rough, peaks, dark, light in layers:
        top = pt.ridge(w, rng, base, rough, detail=0.6, peaks=peaks)
        top = [min(t, horizon + 1) for t in top]
        mask = pt.silhouette(size, top, [horizon + 2] * w)
        lightness, _ = pt.mountain_light(size, top, sun[0], rng, gully=0.25)
        land = pt.colourize(lightness, [(0, mix(dark, (30, 26, 60), 0.3)), (128, dark), (255, light)])
        img = Image.composite(land, img, mask)

    # The sea: the sky mirrored and darkened, a path of light under the sun, swell nearer.
    sea_h = h - horizon
    mirrored = pt.reflect(img, horizon, sea_h, rng, ripple=3.5, stretch=0.8)
    # Darkened by multiplying, not by mixing in blue, so the sun's gold stays warm.
    tint = vertical((w, sea_h), [(0, (214, 184, 214)), (0.45, (130, 126, 180)), (1, (84, 92, 150))])
    sea = ImageChops.multiply(mirrored, tint)
    img.paste(sea, (0, horizon))
    swell = Image.new("L", size, 0)
    sd = ImageDraw.Draw(swell)
    for _ in range(1400):
        y = rng.uniform(horizon + 2, h)
        near = (y - horizon) / sea_h
        x = rng.uniform(-20, w + 20)
        length = (4 + 40 * near) * rng.uniform(0.5, 1.4)
        sd.line([(x - length, y), (x + length, y)], fill=rng.randint(60, 160), width=1 + int(near * 2.5))
    swell = swell.filter(ImageFilter.GaussianBlur(0.8))
    img = pt.over(img, (14, 24, 56), pt.scale(swell, 0.7))
    crest = swell.transform(size, Image.AFFINE, (1, 0, 0, 0, 1, 1.5))
    img = pt.over(img, (96, 92, 140), pt.scale(ImageChops.subtract(crest, swell), 0.8))
    path = Image.new("L", size, 0)
    gd = ImageDraw.Draw(path)
    for _ in range(520):
        y = rng.uniform(horizon + 1, h)
        near = (y - horizon) / sea_h
        x = sun[0] + rng.gauss(0, 10 + 70 * near)
        length = (2 + 16 * near) * rng.uniform(0.4, 1.3)
        gd.line([(x - length, y), (x + length, y)], fill=rng.randint(100, 230), width=1 + int(near * 1.5))
    path = path.filter(ImageFilter.GaussianBlur(0.7))
    img = pt.over(img, (226, 146, 106), path)

    # A rocky point at the right with pines leaning over the water.
    rock_top = [h + 10] * w
    for x in range(w):
        t = (x - 486) / 154
        if t > 0:
            rock_top[x] = h + 4 - 196 * min(1.0, t) ** 0.5 + 6 * math.sin(x * 0.09) * min(1.0, 4 * t)
    rocks = pt.silhouette(size, rock_top)
    rock_light, _ = pt.mountain_light(size, rock_top, sun[0], rng, gully=0.7, spread=0.8)
    rock = pt.colourize(rock_light, [(0, (12, 14, 32)), (140, (30, 30, 56)), (220, (58, 46, 74)),
                                     (255, (112, 72, 84))])
    # The sun catches the edge of the rock facing it.
    edge = ImageChops.subtract(rocks, rocks.transform(size, Image.AFFINE, (1, 0, 3, 0, 1, 2)))
    rock = pt.over(rock, (170, 102, 92), pt.scale(edge.filter(ImageFilter.GaussianBlur(0.6)), 0.8))
    img = Image.composite(rock, img, rocks)
    img = pines(img, rng, [(592, rock_top[592] + 6, 128, -0.42), (628, rock_top[628] + 6, 150, -0.22)])
    return finish(img, rng, horizon, sail_and_gulls)


def sail_and_gulls(img: Image.Image) -> Image.Image:
    """A sail far out on the path of light, and gulls going home: small, so drawn after
    the brush, which would smear them away."""
    size = w, h = img.size
    S = pt.SUPER
    boat = Image.new("L", (w * S, h * S), 0)
    bd = ImageDraw.Draw(boat)
    bx, by = 424, 268
    bd.polygon([(bx * S, (by - 2) * S), ((bx + 2) * S, (by - 24) * S), ((bx + 13) * S, (by - 3) * S)], fill=255)
    bd.polygon([((bx - 2) * S, (by - 3) * S), ((bx - 10) * S, (by - 16) * S), ((bx - 1) * S, (by - 19) * S)], fill=235)
    bd.polygon([((bx - 10) * S, (by - 1) * S), ((bx + 15) * S, (by - 1) * S), ((bx + 11) * S, (by + 3) * S),
                ((bx - 7) * S, (by + 3) * S)], fill=255)
    for k, y in enumerate(range(by + 5, by + 14, 3)):            # its broken reflection
        bd.line([((bx - 5 + k) * S, y * S), ((bx + 9 - 2 * k) * S, y * S)], fill=120 - 30 * k, width=S)
    for gx, gy, span in ((356, 150, 8), (373, 141, 7), (389, 156, 6), (560, 96, 6)):
        for side in (-1, 1):
            bd.line([(gx * S, gy * S), ((gx + side * span * 0.5) * S, (gy - span * 0.35) * S),
                     ((gx + side * span) * S, (gy - span * 0.1) * S)], fill=255, width=int(1.4 * S))
    return pt.over(img, (32, 24, 52), boat.resize(size, Image.BOX))


def pines(img: Image.Image, rng: random.Random, trees) -> Image.Image:
    """Pines of the coast in silhouette: a leaning trunk and flat clouds of needles,
    each (x, foot, height, lean)."""
    size = w, h = img.size
    big = Image.new("L", (w * pt.SUPER, h * pt.SUPER), 0)
    d = ImageDraw.Draw(big)
    S = pt.SUPER
    for x, foot, height, lean in trees:
        # The trunk: a few bends, thinning upwards.
        pts = [(x, foot)]
        for k in range(1, 5):
            t = k / 4
            pts.append((x + lean * height * t + rng.uniform(-7, 7) * (1 - abs(2 * t - 1)), foot - height * t))
        for (x0, y0), (x1, y1), k in zip(pts, pts[1:], range(4)):
            d.line([(x0 * S, y0 * S), (x1 * S, y1 * S)], fill=255, width=int((6 - 1.2 * k) * S))
        # Flat clouds of needles on short branches, broad below and small at the crown.
        for k in range(7):
            t = 0.38 + 0.62 * k / 6
            bx, by = pts[min(4, int(t * 4))]
            side = -1 if k % 2 else 1
            cx = bx + side * rng.uniform(8, 26) * (1.1 - t)
            cy = by + rng.uniform(-4, 4)
            rx, ry = rng.uniform(18, 28) * (1.25 - 0.5 * t), rng.uniform(5, 8)
            d.line([(bx * S, by * S), (cx * S, cy * S)], fill=255, width=int(2 * S))
            for _ in range(60):
                a_, r_ = rng.uniform(0, 2 * math.pi), rng.random() ** 0.5
                px, py = cx + math.cos(a_) * rx * r_, cy + math.sin(a_) * ry * r_ - ry * 0.2
                r = rng.uniform(2.5, 5)
                d.ellipse(((px - r) * S, (py - r * 0.55) * S, (px + r) * S, (py + r * 0.55) * S), fill=255)
    mask = big.resize(size, Image.BOX)
    needles = pt.fbm(size, (w // 4, h // 4), rng, octaves=2, contrast=1.6)
    colour = pt.colourize(needles, [(0, (10, 16, 30)), (160, (20, 30, 44)), (255, (40, 48, 60))])
    rim = ImageChops.subtract(mask, mask.transform(size, Image.AFFINE, (1, 0, -2, 0, 1, 1)))
    colour = pt.over(colour, (150, 92, 84), pt.scale(rim, 0.35))
    return Image.composite(colour, img, mask)


def cloud(img: Image.Image, mask: Image.Image, sun, base: float, height: float) -> Image.Image:
    """A cloud of the mask laid over the sky: white where the sun reaches it, blue-grey on
    its far side and underneath."""
    size = img.size
    dx = 1 if sun[0] > 0 else -1
    away = mask.transform(size, Image.AFFINE, (1, 0, -6 * dx, 0, 1, 5)).filter(ImageFilter.GaussianBlur(4))
    lit = ImageChops.subtract(mask, away)                 # edges facing the sun
    body = Image.new("RGB", size, (206, 214, 230))
    inner = pt.multiply(mask, away)                       # the thick of the cloud
    body = pt.over(body, (238, 240, 244), inner)
    underside = vertical(size, [(0, (0,) * 3), (max(0.0, (base - height * 0.45) / size[1]), (0,) * 3),
                                (min(1.0, base / size[1]), (150,) * 3), (1, (150,) * 3)]).convert("L")
    body = pt.over(body, (178, 190, 212), pt.multiply(underside, mask))
    body = pt.over(body, (255, 252, 242), lit)
    return Image.composite(body, img, pt.scale(mask, 0.94))


def draw() -> dict[str, Image.Image]:
    return {LAKE_ID: lake(), BAY_ID: bay()}


# -- looking at them -------------------------------------------------------------------------

def _shown(picture: Image.Image, shown) -> Image.Image:
    """The picture as the pane shows it: stretched pixel by pixel, as StretchBlt copies."""
    return picture.convert("RGB").resize(shown, Image.NEAREST)


def _text_over(img: Image.Image, places, texts, colour, face: str) -> Image.Image:
    from . import fonts
    img = img.copy()
    d = ImageDraw.Draw(img)
    f = fonts.font(face, TEXT_PIXELS)
    for i, xy in enumerate(places):
        d.text(xy, texts[i % len(texts)], font=f, fill=colour)
    return img


def previews(pictures: dict) -> dict[str, Image.Image]:
    """Each picture as its pane shows it, and legibility sheets: the test's text, in its
    colour and on-screen size, at the places it passes (the columns of the falling
    letters; the rows of the characters and the columns of the words). The Chinese text
    is drawn in the Hei face here; under Wine it comes from the fallback of Arial."""
    lake_shown = _shown(pictures[LAKE_ID], LAKE_SHOWN)
    bay_shown = _shown(pictures[BAY_ID], BAY_SHOWN)
    letters = [(x, y + 40 * i) for y in (0, 160, 320) for i, x in enumerate((10, 200, 390, 580))]
    letters += [(x, 490) for x in (10, 200, 390, 580)]
    characters = [(x - 40 * k, y) for k, y in enumerate((10, 110, 210, 310, 410)) for x in (700, 470, 240)]
    words = [(x, y + 60 * i) for y in (0, 200, 380) for i, x in enumerate((10, 370, 730)) if y + 60 * i < 520]
    sheet = Image.new("RGB", (BAY_SHOWN[0], 2 * BAY_SHOWN[1] + 8), (0, 0, 0))
    sheet.paste(_text_over(bay_shown, characters, ["我"], ITEM_COLOUR, "hei"), (0, 0))
    sheet.paste(_text_over(bay_shown, words, ["中国人民", "人民"], ITEM_COLOUR, "hei"), (0, BAY_SHOWN[1] + 8))
    return {
        f"landscape{LAKE_ID}.png": lake_shown,
        f"landscape{BAY_ID}.png": bay_shown,
        f"legibility{LAKE_ID}.png": _text_over(lake_shown, letters, ["a", "W", "%"], LETTER_COLOUR, "arial"),
        f"legibility{BAY_ID}.png": sheet,
    }
