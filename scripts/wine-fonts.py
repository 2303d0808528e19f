#!/usr/bin/python3
"""CJK faces for Wine with the line height of the Windows faces they stand in for.

SimSun (宋体) and SimHei (黑体) are exactly one em tall: 宋体 16 pt at 96 DPI is a 21 px
line, which with its half-em Latin glyphs makes dialog base units of 11 x 21. Debian's
faces carry extra ascent and descent (AR PL UMing: 1072/1024 em, WenQuanYi Zen Hei:
1290/1024), which makes every dialog in 宋体 taller than on Windows while the program's
pictures stay at their pixel positions.

So this writes single-face copies with the same glyphs and a new name, whose ascent and
descent are the face's own typographic ones (which span exactly one em in both):
    OUT/qope-song.ttf        "Qope Song" from AR PL UMing CN       (fonts-arphic-uming)
    OUT/qope-hei.ttf         "Qope Hei"  from WenQuanYi Zen Hei    (fonts-wqy-zenhei)
and, renamed only, a heavy condensed face standing in for Impact. Wine maps a replaced
family, not a face, and the program asks for Impact at normal weight, so the bold face
has to be the regular one of a family of its own:
    OUT/qope-condensed.ttf   "Qope Condensed" from DejaVu Sans Condensed Bold
                             (fonts-dejavu-extra; its 19 px line at 12 pt is Impact's)
Usage: wine-fonts.py OUT_DIR
"""
import os
import struct
import sys

FACES = (
    # output file, family, source font or collection, index of the face, one em tall
    ("qope-song.ttf", "Qope Song", "/usr/share/fonts/truetype/arphic/uming.ttc", 0, True),
    ("qope-hei.ttf", "Qope Hei", "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", 0, True),
    ("qope-condensed.ttf", "Qope Condensed",
     "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf", 0, False),
)


def read_face(path, index):
    """The tables of one face of a font collection (or of a plain font), by tag."""
    with open(path, "rb") as f:
        data = f.read()
    base = 0
    if data[:4] == b"ttcf":
        count = struct.unpack(">I", data[8:12])[0]
        base = struct.unpack(">%dI" % count, data[12:12 + 4 * count])[index]
    num_tables = struct.unpack(">H", data[base + 4:base + 6])[0]
    tables = {}
    for i in range(num_tables):
        tag, _, offset, length = struct.unpack(">4sIII", data[base + 12 + 16 * i:base + 28 + 16 * i])
        tables[tag] = bytearray(data[offset:offset + length])
    return data[base:base + 4], tables


def checksum(table):
    padded = bytes(table) + b"\0" * (-len(table) % 4)
    return sum(struct.unpack(">%dI" % (len(padded) // 4), padded)) & 0xFFFFFFFF


def write_font(path, sfnt_version, tables):
    tags = sorted(tables)
    n = len(tags)
    entry_selector = n.bit_length() - 1
    search_range = 16 << entry_selector
    header = bytearray(sfnt_version + struct.pack(">HHHH", n, search_range, entry_selector,
                                                  n * 16 - search_range))
    offset = 12 + 16 * n
    body = bytearray()
    for tag in tags:
        table = tables[tag]
        header += struct.pack(">4sIII", tag, checksum(table), offset + len(body), len(table))
        body += table + b"\0" * (-len(table) % 4)
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(header + body)
    os.replace(tmp, path)


def name_table(family):
    """Windows-platform English names only: that is what Wine and FreeType read."""
    names = {1: family, 2: "Regular", 3: family + " Regular", 4: family,
             6: family.replace(" ", "")}
    records, strings = bytearray(), bytearray()
    for name_id, text in names.items():
        encoded = text.encode("utf-16-be")
        records += struct.pack(">HHHHHH", 3, 1, 0x409, name_id, len(encoded), len(strings))
        strings += encoded
    return bytearray(struct.pack(">HHH", 0, len(names), 6 + len(records)) + records + strings)


def one_em_tall(tables):
    head, hhea, os2 = tables[b"head"], tables[b"hhea"], tables[b"OS/2"]
    units_per_em = struct.unpack(">H", head[18:20])[0]
    typo_ascender, typo_descender = struct.unpack(">hh", os2[68:72])
    ascent = round(units_per_em * typo_ascender / (typo_ascender - typo_descender))
    descent = units_per_em - ascent
    # OS/2: typo ascender, descender, line gap; win ascent, descent (what GDI measures).
    os2[68:78] = struct.pack(">hhhHH", ascent, -descent, 0, ascent, descent)
    # hhea: ascender, descender, line gap.
    hhea[4:10] = struct.pack(">hhh", ascent, -descent, 0)
    head[8:12] = b"\0\0\0\0"  # checkSumAdjustment: no loader checks it


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for file_name, family, source, index, one_em in FACES:
        sfnt_version, tables = read_face(source, index)
        if one_em:
            one_em_tall(tables)
        tables[b"name"] = name_table(family)
        write_font(os.path.join(out_dir, file_name), sfnt_version, tables)


if __name__ == "__main__":
    main()
