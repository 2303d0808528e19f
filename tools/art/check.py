#!/usr/bin/python3
"""Regenerates the artwork into a temporary folder and compares it with src/res/art and
the help pictures in data/help/images.

Exits 0 when every file is byte for byte the same and no file is missing or extra;
otherwise names the differences (regenerate with tools/art/generate.py and commit).
Exits 77 (a skip) when the shared root charts the drills' pictures come from are absent.
"""
from __future__ import annotations

import sys
import tempfile
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

import generate  # noqa: E402

SKIPPED = 77    # ctest's skip code: the drills' pictures need the shared root charts


def main() -> int:
    committed = Path(sys.argv[1]) if len(sys.argv) > 1 else generate.ROOT / "src" / "res" / "art"
    help_committed = Path(sys.argv[2]) if len(sys.argv) > 2 else generate.HELP_PICTURES
    try:
        drawn = generate.build()
    except generate.catalogue.ChartsMissing as e:
        print(f"art: {e}; skipped")
        return SKIPPED
    problems, count = [], 0
    with tempfile.TemporaryDirectory(prefix="qope-art-") as tmp:
        for write, folder in ((generate.write, committed), (generate.write_help, help_committed)):
            fresh = Path(tmp) / folder.name
            write(drawn, fresh)
            names = lambda d: {p.relative_to(d).as_posix() for p in generate.outputs(d)}
            new, old = names(fresh), names(folder) if folder.is_dir() else set()
            count += len(new)
            problems += [f"missing from {folder}: {n}" for n in sorted(new - old)]
            problems += [f"not drawn any more: {folder / n}" for n in sorted(old - new)]
            problems += [f"differs: {folder / n}" for n in sorted(new & old)
                         if (fresh / n).read_bytes() != (folder / n).read_bytes()]
    for p in problems:
        print("art:", p)
    if problems:
        print(f"art: {len(problems)} of {count} files out of date; "
              "run /usr/bin/python3 tools/art/generate.py")
        return 1
    print(f"art: all {count} files regenerate identically")
    return 0


if __name__ == "__main__":
    sys.exit(main())
