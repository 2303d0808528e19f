"""The roots of both editions, the keys they sit on and the pictures that show them.

Three sources, each the only copy of its facts:
- src/roots/root_catalogue.def: the key ranges of the catalogue and the picture id of
  every catalogue index (the program is built from the same list);
- src/drill/key_pictures.def: the key pictures, their ids and client positions;
- the shared root charts (wubi-roots: roots86.tsv, roots98.tsv, keys.tsv), glyph by glyph.

The charts and the lists are checked against each other here, so that a root drawn on a
key is the root the drill expects on that key.
"""
from __future__ import annotations

import csv
import re
from dataclasses import dataclass
from pathlib import Path

EDITIONS = (86, 98)

# The root charts live beside the repository (they are shared with other tools).
CHARTS_DIR = ("..", "shared", "wubi-roots")

# A note that starts so marks a root that has no character of its own: the glyph column
# holds a stand-in and the picture is drawn from a shape recipe.
NO_CODE_POINT = "no own code point"
DRAWN_AS = "drawn as"


class ChartsMissing(FileNotFoundError):
    """The shared root charts are not beside the repository (checks then skip)."""


@dataclass(frozen=True)
class Root:
    edition: int
    index: int
    key: str          # lower-case letter
    glyph: str        # the character, or the stand-in of a drawn root
    note: str
    picture: int      # bitmap resource id

    @property
    def drawn(self) -> bool:
        """True when the glyph is only a stand-in and the shape must be drawn."""
        return self.note.startswith(NO_CODE_POINT) or DRAWN_AS in self.note


@dataclass(frozen=True)
class KeyPicture:
    letter: str
    ids: dict          # edition -> bitmap id
    x: int             # client position of the 70 x 70 copy
    y: int


@dataclass(frozen=True)
class Catalogue:
    roots: dict        # edition -> tuple of Root in index order
    key_ranges: dict   # edition -> {key: (first, count)}, in catalogue key order
    zone_positions: dict   # key -> "35" etc.
    key_names: dict    # edition -> {key: key-name root}
    key_pictures: tuple    # KeyPicture, in list order

    def roots_on(self, edition: int, key: str) -> tuple:
        first, count = self.key_ranges[edition][key]
        return self.roots[edition][first:first + count]


_KEY = re.compile(r"^\s*QOPE_ROOT_KEY\(\s*'([a-z])'\s*,\s*(\w+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,"
                  r"\s*(\d+)\s*,\s*(\d+)\s*\)")
_PICTURES = re.compile(r"^\s*QOPE_ROOT_PICTURES\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\)")
_KEY_PICTURE = re.compile(r"^\s*QOPE_KEY_PICTURE\(\s*'([a-z])'\s*,\s*(\d+)\s*,\s*(\d+)\s*,"
                          r"\s*(\d+)\s*,\s*(\d+)\s*\)")


def _lines(path: Path):
    return path.read_text(encoding="utf-8").splitlines()


def parse_root_catalogue(path: Path):
    """(key ranges per edition, picture id per edition and index) from the list."""
    ranges = {e: {} for e in EDITIONS}
    ids = {e: {} for e in EDITIONS}
    for line in _lines(path):
        m = _KEY.match(line)
        if m:
            key, _zone, f86, n86, f98, n98 = m.groups()
            ranges[86][key] = (int(f86), int(n86))
            ranges[98][key] = (int(f98), int(n98))
            continue
        m = _PICTURES.match(line)
        if m:
            ed, first, first_id, count = map(int, m.groups())
            for i in range(count):
                if first + i in ids[ed]:
                    raise ValueError(f"{path}: {ed} index {first + i} has two pictures")
                ids[ed][first + i] = first_id + i
    if not ranges[86]:
        raise ValueError(f"{path}: no QOPE_ROOT_KEY entries")
    return ranges, ids


def parse_key_pictures(path: Path) -> tuple:
    pics = []
    for line in _lines(path):
        m = _KEY_PICTURE.match(line)
        if m:
            letter, i86, i98, x, y = m.groups()
            pics.append(KeyPicture(letter, {86: int(i86), 98: int(i98)}, int(x), int(y)))
    if not pics:
        raise ValueError(f"{path}: no QOPE_KEY_PICTURE entries")
    return tuple(pics)


def _tsv(path: Path) -> list[dict]:
    with path.open(encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE))


def charts_dir(root: Path) -> Path:
    return root.joinpath(*CHARTS_DIR).resolve()


def load(root: Path) -> Catalogue:
    ranges, ids = parse_root_catalogue(root / "src" / "roots" / "root_catalogue.def")
    key_pictures = parse_key_pictures(root / "src" / "drill" / "key_pictures.def")
    charts = charts_dir(root)
    if not charts.is_dir():
        raise ChartsMissing(f"the root charts are missing: {charts}")

    roots = {}
    for ed in EDITIONS:
        rows = _tsv(charts / f"roots{ed}.tsv")
        out = []
        for n, row in enumerate(rows):
            if int(row["index"]) != n or len(row["glyph"]) != 1:
                raise ValueError(f"roots{ed}.tsv row {n + 2}: index or glyph malformed")
            if n not in ids[ed]:
                raise ValueError(f"root_catalogue.def: {ed} index {n} has no picture")
            out.append(Root(ed, n, row["key"], row["glyph"], row["note"], ids[ed][n]))
        if len(ids[ed]) != len(out):
            raise ValueError(f"root_catalogue.def: {ed} pictures for {len(ids[ed])} indices, "
                             f"the chart has {len(out)} roots")
        # Every index of a key's range must be a root of that key in the chart.
        covered = 0
        for key, (first, count) in ranges[ed].items():
            for r in out[first:first + count]:
                if r.key != key:
                    raise ValueError(f"{ed} index {r.index}: chart key {r.key}, list key {key}")
            if first != covered or first + count > len(out):
                raise ValueError(f"{ed} key {key}: range {first}+{count} does not follow on")
            covered = first + count
        if covered != len(out):
            raise ValueError(f"{ed}: the key ranges cover {covered} of {len(out)} roots")
        roots[ed] = tuple(out)

    keys = {row["key"]: row for row in _tsv(charts / "keys.tsv")}
    if set(keys) != set(ranges[86]):
        raise ValueError("keys.tsv and root_catalogue.def name different keys")
    names = {ed: {k: keys[k][f"key_name_{ed}"] for k in keys} for ed in EDITIONS}
    for ed in EDITIONS:
        for key, (first, _) in ranges[ed].items():
            if roots[ed][first].glyph != names[ed][key]:
                raise ValueError(f"{ed} key {key}: the first root is not the key-name root")
    if {p.letter for p in key_pictures} != set(ranges[86]):
        raise ValueError("key_pictures.def and root_catalogue.def name different keys")
    return Catalogue(roots, ranges, {k: keys[k]["zone_position"] for k in keys}, names,
                     key_pictures)
