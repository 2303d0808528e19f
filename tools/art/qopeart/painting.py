"""Tools for painting landscapes with Pillow alone: smooth noise, colour ramps, ridge lines,
soft masks, trees, reflections and brush strokes.

Everything takes its chance from a random.Random the caller starts and works mostly
through Pillow's own operations; only the light on a mountain range is worked out pixel by
pixel. A landscape takes one or two seconds and always comes out as the same bytes.
"""
from __future__ import annotations

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageMath

SUPER = 4   # silhouettes are drawn this many times larger, then reduced: soft, even edges


def noise(size, grid, rng: random.Random) -> Image.Image:
    """Smooth value noise ("L"): a grid of random values enlarged bicubically."""
    gx, gy = max(1, grid[0]), max(1, grid[1])
    small = Image.new("L", (gx + 3, gy + 3))
    small.putdata([rng.randrange(256) for _ in range((gx + 3) * (gy + 3))])
    return small.resize(size, Image.BICUBIC, box=(1, 1, gx + 1, gy + 1))


def fbm(size, grid, rng: random.Random, octaves: int = 4, gain: float = 0.5,
        contrast: float = 1.0) -> Image.Image:
    """Octaves of noise, each twice as fine and `gain` as strong, stretched around 128 by
    `contrast` ("L")."""
    acc, total, weight = None, 0.0, 1.0
    gx, gy = grid
    for _ in range(octaves):
        layer = noise(size, (gx, gy), rng).convert("F")
        acc = layer if acc is None else ImageMath.eval("a + b * w", a=acc, b=layer, w=weight)
        total += weight
        weight *= gain
        gx, gy = gx * 2, gy * 2
    return ImageMath.eval("convert(min(max((a / t - 128.0) * c + 128.0, 0.0), 255.0), 'L')",
                          a=acc, t=total, c=contrast)


def ramp(stops) -> list[tuple]:
    """256 colours through [(value 0..255, rgb), ...]."""
    out = []
    for v in range(256):
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= v <= p1:
                t = 0.0 if p1 == p0 else (v - p0) / (p1 - p0)
                out.append(tuple(round(a + (b - a) * t) for a, b in zip(c0, c1)))
                break
        else:
            out.append(stops[0][1] if v < stops[0][0] else stops[-1][1])
    return out


def colourize(values: Image.Image, stops) -> Image.Image:
    """An "L" field mapped through a colour ramp ("RGB")."""
    table = ramp(stops)
    return Image.merge("RGB", [values.point([c[i] for c in table]) for i in range(3)])


def levels(mask: Image.Image, low: int, high: int) -> Image.Image:
    """0 below low, 255 above high, a smooth step between."""
    def step(v):
        t = min(1.0, max(0.0, (v - low) / max(1, high - low)))
        return round(255 * t * t * (3 - 2 * t))
    return mask.point([step(v) for v in range(256)])


def scale(mask: Image.Image, factor: float) -> Image.Image:
    return mask.point([min(255, round(v * factor)) for v in range(256)])


def multiply(a: Image.Image, b: Image.Image) -> Image.Image:
    return ImageChops.multiply(a, b)


def over(base: Image.Image, colour, mask: Image.Image) -> Image.Image:
    """`colour` (an RGB tuple or an image) laid over base through mask."""
    top = colour if isinstance(colour, Image.Image) else Image.new("RGB", base.size, colour)
    return Image.composite(top, base, mask)


def radial(size, centre, radius: float, power: float = 1.0, reduce: int = 4) -> Image.Image:
    """255 at centre falling to 0 at radius, (1 - d / r) ** power; computed small and
    enlarged, as it is smooth."""
    w, h = (size[0] + reduce - 1) // reduce, (size[1] + reduce - 1) // reduce
    cx, cy, r = centre[0] / reduce, centre[1] / reduce, radius / reduce
    small = Image.new("L", (w, h))
    small.putdata([round(255 * max(0.0, 1 - math.hypot(x + 0.5 - cx, y + 0.5 - cy) / r) ** power)
                   for y in range(h) for x in range(w)])
    return small.resize((w * reduce, h * reduce), Image.BICUBIC).crop((0, 0) + tuple(size))


def ridge(width: int, rng: random.Random, base: float, rough: float, detail: float = 0.55,
          peaks=()) -> list[float]:
    """A skyline: y of the ridge for every x, by midpoint displacement (roughness `rough`
    pixels at the largest scale, shrinking by `detail` each halving) plus peaks, each
    (x, height, half width, sharpness)."""
    n = 1
    while n < width:
        n *= 2
    pts = [0.0] * (n + 1)
    pts[0], pts[n] = rng.uniform(-rough, rough), rng.uniform(-rough, rough)
    step, amp = n, rough
    while step > 1:
        half = step // 2
        for i in range(half, n, step):
            pts[i] = (pts[i - half] + pts[i + half]) / 2 + rng.uniform(-amp, amp)
        step, amp = half, amp * detail
    out = []
    for x in range(width):
        y = base + pts[x]
        for px, height, half, sharp in peaks:
            d = abs(x - px) / half
            if d < 1:
                y -= height * (1 - d) ** sharp
        out.append(y)
    return out


def silhouette(size, top: list[float], bottom: float | list[float] | None = None) -> Image.Image:
    """The "L" mask below a ridge line (down to `bottom`, the foot of the picture by
    default), antialiased."""
    w, h = size
    foot = [h] * w if bottom is None else ([bottom] * w if isinstance(bottom, (int, float)) else bottom)
    big = Image.new("L", (w * SUPER, h * SUPER), 0)
    pts = [(x * SUPER + SUPER / 2, top[x] * SUPER) for x in range(w)]
    pts = [(0, top[0] * SUPER)] + pts + [(w * SUPER, top[-1] * SUPER)]
    pts += [(w * SUPER, foot[-1] * SUPER)] + [(x * SUPER + SUPER / 2, foot[x] * SUPER)
                                               for x in range(w - 1, -1, -1)] + [(0, foot[0] * SUPER)]
    ImageDraw.Draw(big).polygon(pts, fill=255)
    return big.resize(size, Image.BOX)


def column_field(size, values: list[float]) -> Image.Image:
    """An "L" image whose every column holds one value (0..255)."""
    row = Image.new("L", (size[0], 1))
    row.putdata([min(255, max(0, round(v))) for v in values])
    return row.resize(size, Image.NEAREST)


def below_ridge(size, top: list[float], depth: float) -> Image.Image:
    """255 along the ridge line falling to 0 `depth` pixels below it (and 255 above)."""
    w, h = size
    field = Image.new("L", size)
    field.putdata([max(0, min(255, round(255 * (1 - (y - top[x]) / depth))))
                   for y in range(h) for x in range(w)])
    return field


def face_light(top: list[float], sun_x: float, reach: int = 5) -> list[float]:
    """How much each column of a range faces the sun, 0..255 (128 for a level ridge):
    slopes that fall away from the sun lie in shade."""
    w = len(top)
    out = []
    for x in range(w):
        a, b = top[max(0, x - reach)], top[min(w - 1, x + reach)]
        slope = (b - a) / (2 * reach)          # > 0: the ridge falls to the right
        facing = slope if sun_x > x else -slope
        out.append(128 + 200 * math.tanh(1.6 * facing))
    return out


def conifer(draw: ImageDraw.ImageDraw, x: float, foot: float, height: float, width: float,
            fill, rng: random.Random) -> None:
    """A fir of stacked ragged tiers (coordinates already in the enlarged drawing)."""
    tiers = max(3, int(height / (width * 0.55)))
    for i in range(tiers):
        t0 = i / tiers
        top = foot - height + t0 * height * 0.92
        bottom = foot - height + (t0 + 1.6 / tiers) * height * 0.92
        half = width * (0.12 + 0.5 * (t0 + 1 / tiers)) * rng.uniform(0.85, 1.1)
        sag = rng.uniform(-0.1, 0.1) * half
        draw.polygon([(x, top), (x + half + sag, bottom), (x + half * 0.5, bottom - 0.06 * height),
                      (x, bottom - 0.03 * height), (x - half * 0.5, bottom - 0.06 * height),
                      (x - half - sag, bottom)], fill=fill)
    draw.line([(x, foot - height), (x, foot)], fill=fill, width=max(1, int(width * 0.08)))


def forest(size, shore: list[float], rng: random.Random, spacing: float, height: tuple,
           width_ratio: float = 0.42, lean: float = 0.0) -> Image.Image:
    """An "L" mask of firs standing along a shore line, tallest where height says
    (height = (least, most) in pixels), drawn enlarged and reduced."""
    w, h = size
    big = Image.new("L", (w * SUPER, h * SUPER), 0)
    d = ImageDraw.Draw(big)
    x = rng.uniform(0, spacing)
    while x < w:
        xi = min(w - 1, max(0, int(x)))
        th = rng.uniform(*height)
        foot = shore[xi] + rng.uniform(0, 3)
        conifer(d, (x + lean * th) * SUPER, foot * SUPER, th * SUPER, th * width_ratio * SUPER, 255, rng)
        x += spacing * rng.uniform(0.45, 1.25)
    return big.resize(size, Image.BOX)


def reflect(scene: Image.Image, horizon: int, depth: int, rng: random.Random, ripple: float = 3.0,
            stretch: float = 1.0) -> Image.Image:
    """What the water below `horizon` mirrors: the scene above it turned over, each row
    shifted sideways by small waves (stronger nearer), softened vertically."""
    w = scene.width
    src_h = min(horizon, int(depth / stretch) + 1)
    flipped = scene.crop((0, horizon - src_h, w, horizon)).transpose(Image.Transpose.FLIP_TOP_BOTTOM)
    flipped = flipped.resize((w, depth), Image.BICUBIC)
    out = Image.new("RGB", (w, depth))
    phase = [rng.uniform(0, 2 * math.pi) for _ in range(3)]
    for y in range(depth):
        near = (y + 1) / depth
        dx = ripple * near * (math.sin(y * 0.9 + phase[0]) + 0.6 * math.sin(y * 0.37 + phase[1])
                              + 0.4 * math.sin(y * 2.3 + phase[2]))
        row = flipped.crop((0, y, w, y + 1))
        shift = int(round(dx))
        out.paste(row, (shift, y))
        if shift > 0:
            out.paste(row.crop((0, 0, 1, 1)).resize((shift, 1)), (0, y))
        elif shift < 0:
            out.paste(row.crop((w - 1, 0, w, 1)).resize((-shift, 1)), (w + shift, y))
    # Softer vertically than across: reduce the rows and enlarge them again.
    soft = out.resize((w, max(1, depth // 3)), Image.BOX).resize((w, depth), Image.BICUBIC)
    return Image.blend(out, soft, 0.6)


def strokes(img: Image.Image, rng: random.Random, count: int, length: tuple, width: tuple,
            angle_of, alpha: int = 150, region: Image.Image | None = None) -> Image.Image:
    """Short brush strokes over the picture, each in the colour under its middle (a
    little varied), at the angle angle_of(x, y) gives (radians), only where region is
    set. They blur nothing away: a stroke carries the colour already there, so forms keep
    their places while surfaces take the grain of a brush."""
    w, h = img.size
    src = img.load()
    reg = region.load() if region is not None else None
    layer = img.copy()
    d = ImageDraw.Draw(layer, "RGBA")
    for _ in range(count):
        x, y = rng.uniform(0, w - 1), rng.uniform(0, h - 1)
        if reg is not None and reg[int(x), int(y)] < 128:
            continue
        r, g, b = src[int(x), int(y)]
        k = rng.uniform(-6, 6)
        colour = (min(255, max(0, round(r + k))), min(255, max(0, round(g + k))),
                  min(255, max(0, round(b + k))), alpha)
        a = angle_of(x, y) + rng.uniform(-0.25, 0.25)
        half = rng.uniform(*length) / 2
        dx, dy = math.cos(a) * half, math.sin(a) * half
        d.line([(x - dx, y - dy), (x + dx, y + dy)], fill=colour, width=rng.randint(*width))
    return layer


def canvas(img: Image.Image, rng: random.Random, strength: float = 6.0) -> Image.Image:
    """A faint weave of canvas under the paint: light and dark threads."""
    w, h = img.size
    grain = noise((w, h), (w // 2, h // 2), rng)
    weave = Image.new("L", (w, h))
    weave.putdata([128 + (12 if (x + y) % 4 < 2 else -12) for y in range(h) for x in range(w)])
    field = ImageMath.eval("convert(((a - 128.0) * 0.6 + (b - 128.0) * 0.4) * s / 64.0 + 128.0, 'L')",
                           a=grain.convert("F"), b=weave.convert("F"), s=strength)
    # Overlay the grey field: above 128 lightens, below darkens.
    lighter = ImageChops.screen(img, Image.merge("RGB", [field.point(lambda v: max(0, 2 * (v - 128)))] * 3))
    darker = ImageChops.multiply(img, Image.merge("RGB", [field.point(lambda v: min(255, 2 * v))] * 3))
    return Image.composite(lighter, darker, field.point(lambda v: 255 if v >= 128 else 0))


def _blurred(values: list[float], sigma: float) -> list[float]:
    if sigma < 0.5:
        return list(values)
    r = int(3 * sigma)
    kernel = [math.exp(-(i * i) / (2 * sigma * sigma)) for i in range(-r, r + 1)]
    total = sum(kernel)
    n = len(values)
    return [sum(k * values[min(n - 1, max(0, x + i - r))] for i, k in enumerate(kernel)) / total
            for x in range(n)]


def mountain_light(size, top: list[float], sun_x: float, rng: random.Random, spread: float = 0.5,
                   gully: float = 0.6, snowline: float | None = None, snow_depth: float = 30.0):
    """The light on a range and where its snow lies, both "L".

    The range is a surface whose crest is `top`. Below the crest the profile is blurred
    more the deeper the point lies (by `spread` pixels a pixel), so each peak's sunward
    face and shadow face run down from its summit and broaden as on a real mountain.
    Ribs and gullies run down the fall line of each face, slanting away from the summit.
    Snow lies above `snowline` and within `snow_depth` of the crest, on the ribs first."""
    w, h = size
    elevation = [-t for t in top]
    sigmas = [3.0, 5.0, 8.0, 12.0, 18.0, 27.0, 40.0, 60.0, 90.0]
    slopes = []
    for sigma in sigmas:
        prof = _blurred(elevation, sigma)
        slopes.append([(prof[min(w - 1, x + 2)] - prof[max(0, x - 2)]) / 4 for x in range(w)])
    # Rib noise: fine across, long down; sampled along each face's fall line.
    rib_w = 2 * w
    ribs_img = fbm((rib_w, h), (rib_w // 9, 7), rng, octaves=3, gain=0.5, contrast=1.4)
    ribs = ribs_img.load()
    # The sun is far: its light comes from one side for the whole range.
    sun_side = 1.0 if sun_x > w / 2 else -1.0
    broad = slopes[6]
    light = Image.new("L", size)
    snow = Image.new("L", size)
    lpx, spx = light.load(), snow.load()
    last = len(sigmas) - 1
    for y in range(h):
        for x in range(w):
            depth = y - top[x]
            if depth < -1:
                continue
            level = 3.0 + max(0.0, depth) * spread
            i = 0
            while i < last and sigmas[i + 1] <= level:
                i += 1
            if i < last:
                t = (level - sigmas[i]) / (sigmas[i + 1] - sigmas[i])
                slope = slopes[i][x] * (1 - t) + slopes[i + 1][x] * t
            else:
                slope = slopes[last][x]
            lean = max(-1.0, min(1.0, broad[x] * 3))
            u = int(x + 0.6 * lean * depth + w // 2) % rib_w
            rib = ribs[u, y]
            rib_slope = (ribs[(u + 1) % rib_w, y] - ribs[(u - 1) % rib_w, y]) / 30.0
            crag = gully * (0.35 + 0.65 * math.exp(-max(0.0, depth) / 50.0))
            facing = -(slope + crag * rib_slope) * sun_side
            value = 128 + 140 * math.tanh(2.5 * facing) + (rib - 128) * 0.12
            lpx[x, y] = max(0, min(255, round(value)))
            if snowline is not None:
                s = min((snowline - y) / 10.0, (snow_depth - depth) / 8.0) + (rib - 128) / 30.0 + facing * 0.8
                spx[x, y] = max(0, min(255, round(128 + 127 * math.tanh(s))))
    return light, snow


def cumulus(size, rng: random.Random, x: float, base: float, width: float, height: float,
            puffs: int = 26) -> Image.Image:
    """The "L" mask of a heaped cloud: round puffs along a flat base, tallest in the
    middle, its edges frayed by noise."""
    w, h = size
    big = Image.new("L", size, 0)
    d = ImageDraw.Draw(big)
    for _ in range(puffs):
        t = rng.uniform(-1, 1)
        cx = x + t * width / 2
        top = height * (1 - t * t) ** 0.7 * rng.uniform(0.55, 1.0)
        r = max(3.0, height * rng.uniform(0.22, 0.42) * (1.1 - 0.5 * abs(t)))
        cy = base - top + r
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=255)
    # A flat underside, a little soft.
    d.rectangle((0, int(base), w, h), fill=0)
    soft = big.filter(ImageFilter.GaussianBlur(max(1.5, height * 0.06)))
    fray = fbm(size, (max(2, w // 24), max(2, h // 24)), rng, octaves=3, contrast=1.4)
    return levels(ImageChops.multiply(soft, fray.point(lambda v: min(255, v + 100))), 30, 175)
