"""Writers for the Windows formats the resource compiler embeds: BMP, ICO and CUR.

Written by hand rather than through Pillow's savers so that every header field is fixed:
BITMAPINFOHEADER, bottom-up rows, no resolution, palettes only as long as they are used.
"""
from __future__ import annotations

import io
import struct
from pathlib import Path

from PIL import Image


def _row_bytes(width: int, bpp: int) -> int:
    return ((width * bpp + 31) // 32) * 4


def _info_header(width: int, height: int, bpp: int, image_size: int, colours: int) -> bytes:
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, image_size, 0, 0, colours, 0)


def palettize(img: Image.Image, colours: int = 256, dither: bool = False) -> Image.Image:
    """A "P" image: exact when the picture has few enough colours, else median cut."""
    img = img.convert("RGB")
    exact = img.getcolors(colours)
    if exact is not None:
        pal = sorted(rgb for _, rgb in exact)
        index = {rgb: i for i, rgb in enumerate(pal)}
        out = Image.new("P", img.size)
        out.putdata([index[p] for p in img.getdata()])
        out.putpalette([c for rgb in pal for c in rgb])
        out.info["ncolours"] = len(pal)
        return out
    out = img.quantize(colors=colours, method=Image.Quantize.MEDIANCUT,
                       dither=Image.Dither.FLOYDSTEINBERG if dither else Image.Dither.NONE)
    out.info["ncolours"] = colours
    return out


def to_palette(img: Image.Image, colours) -> Image.Image:
    """A "P" image of at most 16 colours: every pixel the nearest of `colours` (no
    dithering), and the palette only the colours used, sorted, so that it is written
    4-bit (see bmp_bytes)."""
    colours = list(dict.fromkeys(tuple(c) for c in colours))
    if len(colours) > 256:
        raise ValueError("more than 256 colours")
    pal = Image.new("P", (1, 1))
    # Pillow matches against all 256 entries: pad with the first colour.
    pal.putpalette([v for c in colours for v in c] + list(colours[0]) * (256 - len(colours)))
    near = img.convert("RGB").quantize(palette=pal, dither=Image.Dither.NONE).convert("RGB")
    used = near.getcolors(16)
    if used is None:
        raise ValueError("a 16-colour picture uses more than 16 colours")
    return palettize(near, 16)


def _palette_entries(img: Image.Image, count: int) -> bytes:
    pal = img.getpalette()[: count * 3]
    pal += [0] * (count * 3 - len(pal))
    return b"".join(bytes((pal[3 * i + 2], pal[3 * i + 1], pal[3 * i], 0)) for i in range(count))


def _indexed_rows(img: Image.Image, bpp: int) -> bytes:
    w, h = img.size
    stride = _row_bytes(w, bpp)
    px = img.load()
    rows = []
    for y in range(h - 1, -1, -1):
        if bpp == 8:
            row = bytes(px[x, y] for x in range(w))
        elif bpp == 4:
            vals = [px[x, y] for x in range(w)] + [0]
            row = bytes((vals[i] << 4) | vals[i + 1] for i in range(0, w, 2))
        else:
            raise ValueError(bpp)
        rows.append(row.ljust(stride, b"\0"))
    return b"".join(rows)


def _rgb_rows(img: Image.Image) -> bytes:
    w, h = img.size
    stride = _row_bytes(w, 24)
    raw = img.convert("RGB").tobytes("raw", "BGR")
    return b"".join(raw[y * w * 3:(y + 1) * w * 3].ljust(stride, b"\0") for y in range(h - 1, -1, -1))


def _mask_rows(alpha: Image.Image) -> bytes:
    """The 1-bit AND mask: 1 where the pixel is transparent."""
    w, h = alpha.size
    stride = _row_bytes(w, 1)
    px = alpha.load()
    rows = []
    for y in range(h - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(w):
            if px[x, y] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits))
    return b"".join(rows)


def bmp_bytes(img: Image.Image, bpp: int = 8) -> bytes:
    """Palettized for "P" images (8-bit, or 4-bit when asked and the palette has at most
    16 colours), 24-bit otherwise."""
    w, h = img.size
    if img.mode == "P":
        n = img.info.get("ncolours", 256)
        if bpp == 4 and n > 16:
            raise ValueError(f"{n} colours do not fit a 4-bit bitmap")
        table = _palette_entries(img, n)
        bits = _indexed_rows(img, bpp)
        info = _info_header(w, h, bpp, len(bits), n)
    else:
        table = b""
        bits = _rgb_rows(img)
        info = _info_header(w, h, 24, len(bits), 0)
    offset = 14 + len(info) + len(table)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + info + table + bits


def write_bmp(img: Image.Image, path: Path, bpp: int = 8) -> None:
    path.write_bytes(bmp_bytes(img, bpp))


def _dib_32(img: Image.Image) -> bytes:
    """A 32-bit icon image: BGRA colour rows plus the AND mask, height doubled."""
    rgba = img.convert("RGBA")
    w, h = rgba.size
    raw = rgba.tobytes("raw", "BGRA")
    colour = b"".join(raw[y * w * 4:(y + 1) * w * 4] for y in range(h - 1, -1, -1))
    mask = _mask_rows(rgba.getchannel("A"))
    return _info_header(w, 2 * h, 32, len(colour) + len(mask), 0) + colour + mask


def _png(img: Image.Image) -> bytes:
    buf = io.BytesIO()
    img.convert("RGBA").save(buf, "PNG", optimize=False, compress_level=9)
    return buf.getvalue()


def _directory(kind: int, entries: list[tuple[bytes, bytes]]) -> bytes:
    """ICONDIR + entries (each: 12 bytes of fields before size/offset, the image)."""
    head = struct.pack("<HHH", 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    table, blobs = b"", b""
    for fields, blob in entries:
        table += fields + struct.pack("<II", len(blob), offset)
        offset += len(blob)
        blobs += blob
    return head + table + blobs


def ico_bytes(images: list[Image.Image]) -> bytes:
    """Icons up to 48 px as 32-bit DIBs, 256 px as PNG."""
    entries = []
    for img in sorted(images, key=lambda i: i.size[0]):
        w, h = img.size
        blob = _png(img) if w >= 256 else _dib_32(img)
        entries.append((struct.pack("<BBBBHH", w % 256, h % 256, 0, 0, 1, 32), blob))
    return _directory(1, entries)


def cur_bytes(img: Image.Image, transparent: Image.Image, hotspot: tuple[int, int]) -> bytes:
    """A one-image cursor: `img` a 16-colour "P" image, `transparent` an L mask (255 = see-through)."""
    w, h = img.size
    table = _palette_entries(img, 16)
    xor = _indexed_rows(img, 4)
    opaque = transparent.point(lambda v: 0 if v >= 128 else 255)
    andm = _mask_rows(opaque)
    dib = _info_header(w, 2 * h, 4, len(xor) + len(andm), 16) + table + xor + andm
    fields = struct.pack("<BBBBHH", w % 256, h % 256, 16, 0, hotspot[0], hotspot[1])
    return _directory(2, [(fields, dib)])
