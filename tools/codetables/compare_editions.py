#!/usr/bin/python3
"""Prints the figures of the tutorial's 86-against-98 page (data/help/compare.htm) from the
code tables in data/selectfiles, so that the page can be brought up to date when the
tables change.

usage: compare_editions.py [--tables DIR]

Figures: of the most frequent 500, 1000, 2000, 3000 characters and of all GB2312 ones (the
全部编码 files, which list them most frequent first) how many have another full code in
98; the two-letter codes each edition uses, and how they compare; the characters with a
three-letter code in each edition and in both, and how many of those have the same one.
The page's sorting of the differences by cause (moved roots, new elements, splits) comes
from the root catalogues, not from these tables.
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make_codetables  # noqa: E402  (the layouts of code_tables.def)

GB2312_HANZI = 6763
RANGES = (500, 1000, 2000, 3000, GB2312_HANZI)


def entries(tables, row):
    """The distinct (item, code) entries of one file in record order, blanks removed."""
    def records(name):
        with open(os.path.join(tables, name), "rb") as f:
            return f.read().decode("gbk").split("\r\n")[:-1]
    if row.layout == "PAIRED":
        pairs = zip(records(row.item_file), records(row.code_file))
    else:
        pairs = ((r[row.code_width:], r[:row.code_width]) for r in records(row.item_file))
    seen, out = set(), []
    for item, code in pairs:
        entry = (item.strip(), code.strip())
        if entry not in seen:
            seen.add(entry)
            out.append(entry)
    return out


def figures(tables):
    rows = {(r.kind, r.edition): r for r in make_codetables.read_rows()}
    table = {key: entries(tables, row) for key, row in rows.items() if key[0] in (2, 3, 4)}
    full86, full98 = dict(table[4, 86]), dict(table[4, 98])
    order = [item for item, _ in table[4, 86]]
    lines = []

    differ = [item for item in order[:GB2312_HANZI] if full86[item] != full98[item]]
    rank = {item: i for i, item in enumerate(order)}
    counts = [sum(1 for item in differ if rank[item] < n) for n in RANGES]
    lines.append("full codes that differ among the most frequent " +
                 ", ".join("%d: %d" % (n, c) for n, c in zip(RANGES, counts)))
    lines.append("of the first 3000: %d the same, %d differ" % (3000 - counts[3], counts[3]))

    for level in (2, 3):
        c86, c98 = dict(table[level, 86]), dict(table[level, 98])
        both = [item for item in c86 if item in c98]
        same = sum(1 for item in both if c86[item] == c98[item])
        line = ("%d-letter codes: 86 %d characters, 98 %d; %d in both, %d of them with the same "
                "code, %d only in 86, %d only in 98" % (level, len(c86), len(c98), len(both), same,
                                                        len(c86) - len(both), len(c98) - len(both)))
        if level == 2:
            by86 = {code: item for item, code in c86.items()}
            by98 = {code: item for item, code in c98.items()}
            line += ("; letters used: 86 %d, 98 %d of 625, %d of them with the same character"
                     % (len(by86), len(by98), sum(1 for k in by86 if by98.get(k) == by86[k])))
        lines.append(line)
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tables", default=make_codetables.DEFAULT_OUT)
    args = parser.parse_args()
    for line in figures(args.tables):
        print(line)
    return 0


if __name__ == "__main__":
    sys.exit(main())
