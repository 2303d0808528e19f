#!/usr/bin/python3
"""Checks the sound effects in a wavefiles folder: usage: check_sounds.py WAVEFILES_DIR

For each row of sounds.tsv the file must exist under exactly that name, be a canonical
PCM WAV (mono, 16-bit, 22050 Hz, 44-byte header, no extra chunks), last as long as the
table allows, stay under 40 KB, peak near -3 dBFS and start and end quietly. Every name
the program plays (src/common/install_paths.h) must reach exactly one of these files on
a case-insensitive file system, which is how Windows and Wine look the names up.
The file is parsed here byte by byte rather than through the wave module, so a header
that the module would forgive still fails.
"""

import math
import os
import re
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.dont_write_bytecode = True  # keep tools/sounds free of __pycache__
sys.path.insert(0, HERE)
from make_sounds import read_table  # noqa: E402  (one table for writer and checker)

RATE, CHANNELS, BITS = 22050, 1, 16
MAX_BYTES = 40 * 1024
PEAK_DB_RANGE = (-3.5, -2.5)
EDGE_LIMIT = 0.02 * 32768  # first and last sample: faded, so close to silence
EDGE_SAMPLES = 8
INSTALL_PATHS = os.path.join(ROOT, "src", "common", "install_paths.h")


def check_file(path, lo_ms, hi_ms):
    """Returns a list of faults in one sound file."""
    faults = []
    blob = open(path, "rb").read()
    if len(blob) > MAX_BYTES:
        faults.append("%d bytes, more than %d" % (len(blob), MAX_BYTES))
    if len(blob) < 44:
        return faults + ["shorter than a WAV header"]
    riff, riff_size, wave = struct.unpack("<4sI4s", blob[:12])
    if riff != b"RIFF" or wave != b"WAVE":
        return faults + ["not a RIFF/WAVE file"]
    if riff_size != len(blob) - 8:
        faults.append("RIFF size %d, file holds %d" % (riff_size, len(blob) - 8))

    # Walk the chunks; exactly 'fmt ' then 'data', nothing else (no LIST/INFO).
    chunks, pos = [], 12
    while pos + 8 <= len(blob):
        cid, size = struct.unpack("<4sI", blob[pos:pos + 8])
        chunks.append((cid, pos + 8, size))
        pos += 8 + size + (size & 1)
    if pos != len(blob):
        faults.append("chunks do not end at the end of the file")
    if [c[0] for c in chunks] != [b"fmt ", b"data"]:
        return faults + ["chunks %s, want fmt and data only" % [c[0] for c in chunks]]
    _, fmt_at, fmt_size = chunks[0]
    _, data_at, data_size = chunks[1]
    if fmt_size != 16 or data_at != 44:
        faults.append("not the canonical 44-byte header")
    tag, ch, rate, byte_rate, align, bits = struct.unpack("<HHIIHH", blob[fmt_at:fmt_at + 16])
    if (tag, ch, rate, bits) != (1, CHANNELS, RATE, BITS):
        return faults + ["format tag %d, %d ch, %d Hz, %d bit; want PCM mono %d Hz %d-bit"
                         % (tag, ch, rate, bits, RATE, BITS)]
    if align != ch * bits // 8 or byte_rate != rate * align:
        faults.append("block align %d / byte rate %d inconsistent" % (align, byte_rate))
    if data_at + data_size > len(blob) or data_size % align:
        return faults + ["data chunk size %d does not fit the file" % data_size]

    n = data_size // 2
    samples = struct.unpack("<%dh" % n, blob[data_at:data_at + data_size])
    ms = 1000.0 * n / RATE
    if not lo_ms <= ms <= hi_ms:
        faults.append("%.1f ms long, want %d-%d ms" % (ms, lo_ms, hi_ms))
    if n < 2 * EDGE_SAMPLES:
        return faults + ["too few samples"]
    peak = max(abs(s) for s in samples)
    peak_db = 20 * math.log10(peak / 32768) if peak else -math.inf
    if not PEAK_DB_RANGE[0] <= peak_db <= PEAK_DB_RANGE[1]:
        faults.append("peak %.2f dBFS, want %.1f to %.1f" % (peak_db, *PEAK_DB_RANGE))
    for where, part in (("start", samples[:EDGE_SAMPLES]), ("end", samples[-EDGE_SAMPLES:])):
        if max(abs(s) for s in part) > EDGE_LIMIT:
            faults.append("not faded at the %s (|sample| up to %d)" % (where, max(abs(s) for s in part)))
    mean = sum(samples) / n
    if abs(mean) > 0.01 * 32768:
        faults.append("DC offset %.0f" % mean)
    return faults


def played_names():
    """File names (after the last backslash) of the wavefiles the program plays."""
    text = open(INSTALL_PATHS, encoding="utf-8").read()
    return re.findall(r'kSound\w+\s*=\s*L?"[^"]*\\\\wavefiles\\\\([^"\\]+)"', text)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.splitlines()[0])
    folder = sys.argv[1]
    present = sorted(os.listdir(folder))
    faults = []

    # Two names differing only in case would collide on Windows: one of them is lost.
    by_fold = {}
    for name in present:
        by_fold.setdefault(name.casefold(), []).append(name)
    for group in by_fold.values():
        if len(group) > 1:
            faults.append("%s: names differ only in case" % " and ".join(group))

    table = read_table()
    for name, lo, hi in table:
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            faults.append("%s: missing" % name)
            continue
        for f in check_file(path, lo, hi):
            faults.append("%s: %s" % (name, f))
        # A second copy under name.wav would only hide a missing extensionless file.
        if (name + ".wav").casefold() in by_fold:
            faults.append("%s: also present as %s.wav; keep the one extensionless file" % (name, name))

    names = played_names()
    if not names:
        faults.append("no sound names found in %s" % os.path.relpath(INSTALL_PATHS, ROOT))
    table_folded = {row[0].casefold() for row in table}
    for name in names:
        hits = by_fold.get(name.casefold(), [])
        if len(hits) != 1 or name.casefold() not in table_folded:
            faults.append("the program plays %r, which reaches %s" % (name, hits or "no file"))

    for f in faults:
        print("check_sounds:", f)
    if faults:
        sys.exit(1)
    print("check_sounds: %d files, %d played names: ok" % (len(table), len(names)))


if __name__ == "__main__":
    main()
