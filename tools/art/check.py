#!/usr/bin/python3
"""Regenerates the artwork into a temporary folder and compares it with src/res/art.

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
    try:
        drawn = generate.build()
    except generate.catalogue.ChartsMissing as e:
        print(f"art: {e}; skipped")
        return SKIPPED
    with tempfile.TemporaryDirectory(prefix="qope-art-") as tmp:
        fresh = Path(tmp)
        generate.write(drawn, fresh)
        names = lambda d: {p.relative_to(d).as_posix() for p in generate.outputs(d)}
        new, old = names(fresh), names(committed) if committed.is_dir() else set()
        problems = [f"missing from {committed}: {n}" for n in sorted(new - old)]
        problems += [f"not drawn any more: {n}" for n in sorted(old - new)]
        problems += [f"differs: {n}" for n in sorted(new & old)
                     if (fresh / n).read_bytes() != (committed / n).read_bytes()]
    for p in problems:
        print("art:", p)
    if problems:
        print(f"art: {len(problems)} of {len(new)} files out of date; "
              "run /usr/bin/python3 tools/art/generate.py")
        return 1
    print(f"art: all {len(new)} files regenerate identically")
    return 0


if __name__ == "__main__":
    sys.exit(main())
