#!/usr/bin/python3
"""Writes the Wubi code-table files of the install folder selectfiles.

usage: make_codetables.py [--sources DIR] [--out DIR] [--list | --check]

Reads the checked 86 and 98 lists (UTF-8 TSV, "item<TAB>code") of the wubi-sources
folder beside the repository and writes every file named in src/drill/code_tables.def,
in the layout, field widths and record count given there: GBK text, blank-padded fields,
CR LF at the end of every record. The same inputs always give the same bytes.

What goes into each file (a learner trusts every code shown, so nothing is invented here;
items and codes come from the lists as they are, only chosen and ordered):
  一级简码       the 25 one-level codes (identical in both editions), key order, repeated
  二/三级简码    every character with a short code of that level; the order spreads the
                 first keys evenly (see spread_keys) and the first N + 27 records, the only
                 ones a drill can reach, hold the most frequent characters
  全部编码       every character of the full-code list, most frequent first
  末笔识别码     every character whose full code ends in an identification code, most
                 frequent first
  成字字根       the 86 character roots, key order, repeated
  词组           the most frequent words of that length found in both editions' word
                 tables, less the words of excluded_words.txt; N + 27 of them
A list shorter than N + 27 entries is repeated from its start up to N + 27 records.
--list prints, per file, the distinct entries, the records written and the source.
--check writes nothing: it generates into a scratch folder and compares with --out,
exiting 1 on any difference and 77 (a skip, for ctest) when the sources are absent.
"""

import argparse
import filecmp
import hashlib
import os
import re
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEF_FILE = os.path.join(ROOT, "src", "drill", "code_tables.def")
DEFAULT_SOURCES = os.path.join(os.path.dirname(ROOT), "shared", "wubi-sources")
DEFAULT_OUT = os.path.join(ROOT, "data", "selectfiles")
EXCLUDED_WORDS = os.path.join(HERE, "excluded_words.txt")

SET_LENGTH = 28  # records a drill set reads
KEYS = "abcdefghijklmnopqrstuvwxy"

# Source list of each drill kind (the PracticeKind numbers of code_tables.def).
LIST_OF_KIND = {1: "one", 2: "two", 3: "three", 4: "full", 16: "shibie", 17: "chengzi",
                12: "words2", 13: "words3", 14: "words4", 15: "wordsmore"}
WORD_LENGTHS = {12: (2, 2), 13: (3, 3), 14: (4, 4), 15: (5, 10)}


class Row:
    """One QOPE_CODE_TABLE row of code_tables.def."""

    def __init__(self, kind, edition, layout, item_file, code_file, code_width, item_width,
                 starts):
        self.kind, self.edition, self.layout = kind, edition, layout
        self.item_file, self.code_file = item_file, code_file
        self.code_width, self.item_width, self.starts = code_width, item_width, starts

    @property
    def needed(self):
        return self.starts + SET_LENGTH - 1


def read_rows(path=DEF_FILE):
    pattern = re.compile(
        r'^QOPE_CODE_TABLE\(\s*(\d+),\s*(\d+),\s*(PAIRED|COMBINED),\s*"([^"]*)",\s*"([^"]*)",'
        r'\s*(\d+),\s*(\d+),\s*(\d+)\s*\)')
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = pattern.match(line)
            if m:
                k, ed, lay, item, code, cw, iw, n = m.groups()
                rows.append(Row(int(k), int(ed), lay, item, code, int(cw), int(iw), int(n)))
            elif line.startswith("QOPE_CODE_TABLE"):
                raise SystemExit("cannot parse %s: %s" % (path, line.strip()))
    if not rows:
        raise SystemExit("no QOPE_CODE_TABLE rows in %s" % path)
    return rows


def read_list(sources, edition, name):
    """The lines of one TSV list as [(item, code)], in file order."""
    path = os.path.join(sources, str(edition), name + ".tsv")
    entries = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            item, code = line.rstrip("\n").split("\t")
            if not re.fullmatch("[a-y]{1,4}", code):
                raise SystemExit("%s:%d: bad code %r" % (path, number, code))
            entries.append((item, code))
    return entries


def read_excluded(path=EXCLUDED_WORDS):
    """Words left out of the word drills; '#' starts a comment, one word or more a line."""
    words = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            words.update(line.split("#", 1)[0].split())
    return words


# --- choosing and ordering -------------------------------------------------------------

def jitter(item):
    """A fixed pseudo-random fraction in [0, 1) per item, the same on every run."""
    return int.from_bytes(hashlib.sha256(item.encode("utf-8")).digest()[:8], "big") / 2.0 ** 64


def spread_keys(entries):
    """Orders entries so that each first key is spread evenly over the list.

    Entry j of the n entries with a given first key is placed at (j + jitter) / n of the
    way through; the jitter keeps the keys from coming round in a fixed order. Neighbours
    with the same first key are then pulled apart. The same is done across the end of the
    list, since a short list is repeated from its start.
    """
    groups = {}
    for entry in entries:
        groups.setdefault(entry[1][0], []).append(entry)
    placed = []
    for key, members in groups.items():
        for j, entry in enumerate(members):
            placed.append(((j + jitter(entry[0])) / len(members), key, entry))
    placed.sort()
    seq = [entry for _, _, entry in placed]
    first = lambda i: seq[i % len(seq)][1][0]
    i = 1
    while i < len(seq):
        if first(i) == first(i - 1):
            for j in range(i + 1, len(seq)):
                if first(j) != first(i - 1):
                    seq.insert(i, seq.pop(j))
                    break
        i += 1
    # the last record is followed by the first when the list is repeated
    if len(seq) > 2 and first(-1) == first(0):
        last = seq.pop()
        for i in range(len(seq) // 2, len(seq)):
            if first(i - 1) != last[1][0] != first(i):
                seq.insert(i, last)
                break
        else:
            raise SystemExit("cannot place %s without a neighbour on the same key" % last[0])
    return seq


def words_for(row, sources, excluded):
    """The most frequent words of the drill's length present in both editions' tables."""
    name = LIST_OF_KIND[row.kind]
    lo, hi = WORD_LENGTHS[row.kind]
    own = read_list(sources, row.edition, name)
    other = dict(read_list(sources, 98 if row.edition == 86 else 86, name))
    order86 = [w for w, _ in read_list(sources, 86, name)]  # one order for both editions
    codes = dict(own)
    chosen = [(w, codes[w]) for w in order86
              if w in codes and w in other and w not in excluded and lo <= len(w) <= hi]
    if len(chosen) < row.needed:
        raise SystemExit("%s: only %d words, %d needed" % (name, len(chosen), row.needed))
    return chosen[:row.needed]


def entries_for(row, sources, excluded):
    """The distinct (item, code) entries of one file, in record order."""
    name = LIST_OF_KIND[row.kind]
    if row.kind in WORD_LENGTHS:
        return words_for(row, sources, excluded), "%d/%s.tsv" % (row.edition, name)
    entries = read_list(sources, row.edition, name)
    source = "%d/%s.tsv" % (row.edition, name)
    if row.kind == 1:
        # both editions read this one file: the lists must agree
        if entries != read_list(sources, 98 if row.edition == 86 else 86, name):
            raise SystemExit("the one-level lists of 86 and 98 differ")
        source = "86/one.tsv = 98/one.tsv"
    if row.kind in (2, 3):
        # only the first N + 27 records are ever drilled: keep the most frequent there
        entries = spread_keys(entries[:row.needed]) + spread_keys(entries[row.needed:])
    return entries, source


# --- writing ---------------------------------------------------------------------------

def field(text, width, what):
    data = text.encode("gbk")
    if len(data) > width:
        raise SystemExit("%s %r is %d bytes, the field has %d" % (what, text, len(data), width))
    return data + b" " * (width - len(data))


def records_for(row, entries):
    """Entries repeated from the start up to N + 27 records when there are fewer."""
    records = list(entries)
    while len(records) < row.needed:
        records.append(entries[len(records) % len(entries)])
    return records


def write_files(rows, sources, out):
    """Writes every file of the rows into out; returns [(file, distinct, records, source)]."""
    excluded = read_excluded()
    known = set()
    for kind in WORD_LENGTHS:
        known.update(w for w, _ in read_list(sources, 86, LIST_OF_KIND[kind]))
    if excluded - known:
        raise SystemExit("excluded_words.txt names words of no list: %s"
                         % " ".join(sorted(excluded - known)))
    os.makedirs(out, exist_ok=True)
    done, summary = set(), []
    for row in rows:
        if row.item_file.lower() in done:
            continue  # OneChinese.txt serves both editions
        done.add(row.item_file.lower())
        entries, source = entries_for(row, sources, excluded)
        records = records_for(row, entries)
        items = [field(item, row.item_width, "item") for item, _ in records]
        codes = [field(code, row.code_width, "code") for _, code in records]
        if row.layout == "PAIRED":
            outputs = [(row.item_file, b"".join(i + b"\r\n" for i in items)),
                       (row.code_file, b"".join(c + b"\r\n" for c in codes))]
        else:
            outputs = [(row.item_file, b"".join(c + i + b"\r\n" for c, i in zip(codes, items)))]
        for name, blob in outputs:
            with open(os.path.join(out, name), "wb") as f:
                f.write(blob)
            summary.append((name, len(entries), len(records), source))
    return summary


def check(sources, committed):
    """0 when generating afresh gives exactly the .txt files of committed."""
    with tempfile.TemporaryDirectory() as scratch:
        written = sorted({name for name, _, _, _ in write_files(read_rows(), sources, scratch)})
        present = sorted(n for n in os.listdir(committed) if n.lower().endswith(".txt"))
        faults = ["%s differs" % n for n in written
                  if n not in present or not filecmp.cmp(os.path.join(scratch, n),
                                                         os.path.join(committed, n), shallow=False)]
        faults += ["%s is not generated" % n for n in present if n not in written]
    for fault in faults:
        print("make_codetables: %s in %s" % (fault, committed))
    if not faults:
        print("make_codetables: %d files reproduced byte for byte" % len(written))
    return 1 if faults else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", default=DEFAULT_SOURCES)
    parser.add_argument("--out", default=DEFAULT_OUT)
    mode = parser.add_mutually_exclusive_group()
    mode.add_argument("--list", action="store_true", help="print what each file holds")
    mode.add_argument("--check", action="store_true", help="compare a fresh run with --out")
    args = parser.parse_args()
    if not os.path.isdir(args.sources):
        sys.stderr.write("no wubi-sources folder at %s\n" % args.sources)
        return 77 if args.check else 2
    if args.check:
        return check(args.sources, args.out)
    summary = write_files(read_rows(), args.sources, args.out)
    if args.list:
        for name, distinct, records, source in summary:
            print("%-22s %6d distinct %6d records  %s" % (name, distinct, records, source))
    return 0


if __name__ == "__main__":
    sys.exit(main())
