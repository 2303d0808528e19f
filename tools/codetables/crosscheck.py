#!/usr/bin/python3
"""Compares the shipped code tables with second sources and prints the figures.

usage: crosscheck.py [--sources DIR] [--folder DIR]

86: the full codes, short codes and word codes of data/selectfiles against the Haifeng
86 table (raw/debian-ibus-table-wubi/wubi-haifeng86.db), a table made apart from the
Jidian table the shipped files come from. Every full code where the two differ must be
listed in resolved.tsv with a witness: a character for which Haifeng itself follows the
convention of the shipped code. An unlisted difference, or a witness that does not hold,
makes the exit status 1.
98: no 98 table from outside the one group (yanhuacuo) is known, so the shipped codes are
compared with that group's other files: the decomposition file cjk_base_20902.txt and the
input-method table 98_single_chars.txt / 98_chars_and_words.txt. Agreement there shows
the files were read and converted right, not that the group's codes are right. Where the
shipped code is the 98 edition's own (98_corrections.tsv) the group's files give the old
one; any other difference makes the exit status 1.
"""

import argparse
import collections
import os
import sqlite3
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from make_codetables import DEFAULT_OUT, DEFAULT_SOURCES, read_corrections, read_rows  # noqa: E402

RESOLVED = os.path.join(HERE, "resolved.tsv")


def shipped_entries(folder, row):
    """[(item, code)] of one shipped table, blanks removed, in record order."""
    def records(name, length):
        blob = open(os.path.join(folder, name), "rb").read()
        return [blob[i:i + length - 2] for i in range(0, len(blob), length)]
    if row.layout == "PAIRED":
        items = records(row.item_file, row.item_width + 2)
        codes = records(row.code_file, row.code_width + 2)
    else:
        both = records(row.item_file, row.code_width + row.item_width + 2)
        codes = [r[:row.code_width] for r in both]
        items = [r[row.code_width:] for r in both]
    return [(i.decode("gbk").rstrip(" "), c.decode("ascii").rstrip(" ")) for i, c in zip(items, codes)]


def distinct(entries):
    seen, out = set(), []
    for entry in entries:
        if entry not in seen:
            seen.add(entry)
            out.append(entry)
    return out


def table(folder, kind, edition):
    for row in read_rows():
        if row.kind == kind and row.edition == edition:
            return distinct(shipped_entries(folder, row))
    raise SystemExit("no table %d/%d" % (kind, edition))


def read_resolved():
    rows = {}
    with open(RESOLVED, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            edition, char, shipped, second, witness, reason = line.rstrip("\n").split("\t")
            rows[(int(edition), char)] = (shipped, second, witness, reason)
    return rows


def gbk_hanzi():
    """The CJK unified ideographs GBK holds (U+4E00..U+9FA5)."""
    return [chr(c) for c in range(0x4E00, 0x9FA6)]


def pct(part, whole):
    return "%d of %d (%.1f%%)" % (part, whole, 100.0 * part / whole) if whole else "0 of 0"


# --- 86 ----------------------------------------------------------------------------------

def haifeng(sources):
    path = os.path.join(sources, "raw", "debian-ibus-table-wubi", "wubi-haifeng86.db")
    db = sqlite3.connect("file:%s?mode=ro" % path, uri=True)
    chars = collections.defaultdict(list)       # char -> codes, in table order
    by_code = collections.defaultdict(list)     # code -> single characters, best first
    words = collections.defaultdict(list)
    for code, phrase in db.execute("SELECT tabkeys, phrase FROM phrases ORDER BY tabkeys, freq DESC, id"):
        if len(phrase) == 1:
            chars[phrase].append(code)
            by_code[code].append(phrase)
        else:
            words[phrase].append(code)
    db.close()
    return chars, by_code, words


def check86(folder, sources, resolved):
    chars, by_code, words = haifeng(sources)
    ok = True
    full = table(folder, 4, 86)
    same = shorter = 0
    differ = []
    for i, (char, code) in enumerate(full):
        theirs = chars.get(char, [])
        if code in theirs:
            same += 1
        elif theirs and all(len(c) < len(code) and code.startswith(c) for c in theirs):
            shorter += 1  # Haifeng keeps only the short code of many characters
        else:
            differ.append((i, char, code, theirs))
    gb = sum(1 for i, _, _, _ in differ if i < 6763)
    print("86 full codes (%s, %d records)" % ("AllCodech.txt + AllCodeen.txt", len(full)))
    print("  same full code in Haifeng:            %s" % pct(same, len(full)))
    print("  Haifeng gives only a short code, which starts the shipped code: %d" % shorter)
    print("  comparable and agreeing:               %s" % pct(same, same + len(differ)))
    print("  different: %d (%d of them among the 6763 GB2312 characters)" % (len(differ), gb))
    shipped86 = dict(full)
    for i, char, code, theirs in differ:
        note = resolved.get((86, char))
        if not note or note[0] != code:
            print("  UNRESOLVED record %d %s: shipped %s, Haifeng %s" % (i, char, code, " ".join(theirs)))
            ok = False
            continue
        witness = note[2]
        mine = shipped86.get(witness, "")
        holds = any(c == mine or (witness == char and len(c) >= 3 and mine.startswith(c))
                    for c in chars.get(witness, []))
        ok &= holds
        print("  %s %s kept (Haifeng %s): %s; Haifeng has %s %s%s"
              % (char, code, "/".join(theirs), note[3], witness, "/".join(chars.get(witness, [])),
                 "" if holds else "  WITNESS DOES NOT HOLD"))
    stale = [c for (ed, c) in resolved if ed == 86 and c not in {d[1] for d in differ}]
    if stale:
        print("  resolved.tsv lists characters that no longer differ: %s" % " ".join(stale))
        ok = False
    missing = [c for c in gbk_hanzi() if c not in shipped86]
    print("  GBK hanzi not shipped (the sources disagree on them): %s"
          % ", ".join("%s Jidian %s / Haifeng %s" % (c, jidian_code(sources, c), "/".join(chars.get(c, [])))
                      for c in missing))

    for kind, name in ((1, "one-level"), (2, "two-level"), (3, "three-level")):
        entries = table(folder, kind, 86)
        first = sum(1 for ch, code in entries if by_code.get(code, [None])[0] == ch)
        listed = sum(1 for ch, code in entries if ch in by_code.get(code, []))
        print("86 %s codes: %d; Haifeng's first candidate %d, among its candidates %d"
              % (name, len(entries), first, listed))
    for kind, row in ((16, "末笔识别码"), (17, "成字字根")):
        entries = table(folder, kind, 86)
        same_here = sum(1 for ch, code in entries if code in chars.get(ch, []))
        print("86 %s: %s codes also in Haifeng" % (row, pct(same_here, len(entries))))
    for kind in (12, 13, 14, 15):
        entries = table(folder, kind, 86)
        known = [(w, c) for w, c in entries if w in words]
        agree = sum(1 for w, c in known if c in words[w])
        print("86 words of drill %d: %d, %d in Haifeng, %s same code"
              % (kind, len(entries), len(known), pct(agree, len(known))))
        for w, c in known:
            if c not in words[w]:
                print("    %s shipped %s, Haifeng %s" % (w, c, "/".join(words[w])))
    return ok


_jidian = None


def jidian_code(sources, char):
    global _jidian
    if _jidian is None:
        _jidian = collections.defaultdict(list)
        path = os.path.join(sources, "raw", "debian-rime-data-wubi", "wubi86.dict.yaml")
        with open(path, encoding="utf-8") as f:
            for line in f:
                parts = line.rstrip("\n").split("\t")
                if len(parts) >= 2 and len(parts[0]) == 1:
                    _jidian[parts[0]].append(parts[1])
    codes = _jidian.get(char, [])
    return max(codes, key=len) if codes else "-"


# --- 98 ----------------------------------------------------------------------------------

def check98(folder, sources):
    base = os.path.join(sources, "raw")
    decomposition = {}
    with open(os.path.join(base, "yanhuacuo-98wubi-unicode", "cjk_base_20902.txt"), encoding="utf-8") as f:
        for line in f:
            char, rest = line.rstrip("\n").split("\t", 1)
            decomposition[char] = rest.strip("[]").split("※,※")[1].strip("※")
    single = collections.defaultdict(list)
    by_code = collections.defaultdict(list)
    words = collections.defaultdict(list)
    for name in ("98_single_chars.txt", "98_chars_and_words.txt"):
        with open(os.path.join(base, "yanhuacuo-98wubi-tables", name), encoding="utf-8") as f:
            for line in f:
                item, code = line.rstrip("\n").split("\t")[:2]
                if len(item) == 1 and name == "98_single_chars.txt":
                    single[item].append(code)
                    by_code[code].append(item)
                elif len(item) > 1:
                    words[item].append(code)
    full = table(folder, 4, 98)
    corrections = read_corrections()
    same_dec = sum(1 for ch, code in full if decomposition.get(ch) == code)
    same_single = sum(1 for ch, code in full
                      if code in single.get(ch, []) and code == max(single[ch], key=len))
    print("98 full codes (AllCodechen98.txt, %d records); sources of the same group only:" % len(full))
    print("  same code in the decomposition file:          %s" % pct(same_dec, len(full)))
    print("  the longest code of the input-method table:   %s" % pct(same_single, len(full)))
    ok, corrected = True, 0
    for ch, code in full:
        if decomposition.get(ch) != code or code not in single.get(ch, []):
            if corrections.get(ch, (None,))[0] == code:
                corrected += 1
                continue
            ok = False
            print("  differs: %s shipped %s, decomposition %s, table %s"
                  % (ch, code, decomposition.get(ch), "/".join(single.get(ch, []))))
    print("  the 98 edition's own code (98_corrections.tsv), the group's files another: %d"
          % corrected)
    for kind, name in ((2, "two-level"), (3, "three-level")):
        entries = table(folder, kind, 98)
        first = sum(1 for ch, code in entries if by_code.get(code, [None])[0] == ch)
        print("98 %s codes: %d; the table's first candidate %d" % (name, len(entries), first))
    for kind in (12, 13, 14, 15):
        entries = table(folder, kind, 98)
        agree = sum(1 for w, c in entries if c in words.get(w, []))
        print("98 words of drill %d: %s in the group's word table with the same code"
              % (kind, pct(agree, len(entries))))
    return ok


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", default=DEFAULT_SOURCES)
    parser.add_argument("--folder", default=DEFAULT_OUT)
    args = parser.parse_args()
    ok = check86(args.folder, args.sources, read_resolved())
    print()
    ok &= check98(args.folder, args.sources)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
