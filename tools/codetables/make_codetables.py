#!/usr/bin/python3
"""Writes the Wubi code-table files of the install folder selectfiles.

usage: make_codetables.py [--sources DIR] [--out DIR] [--list | --check]

Reads the checked 86 and 98 lists (UTF-8 TSV, "item<TAB>code") of the wubi-sources
folder beside the repository and writes every file named in src/drill/code_tables.def,
in the layout, field widths and record count given there: GBK text, blank-padded fields,
CR LF at the end of every record. The same inputs always give the same bytes.

What goes into each file (a learner trusts every code shown, so nothing is invented here;
items and codes come from the lists, only chosen and ordered, except for the 98 full codes
that 98_corrections.tsv gives as the 98 edition's own, which every 98 file follows):
  一级简码       the 25 one-level codes (identical in both editions), key order, repeated
  二/三级简码    every character with a short code of that level; the order spreads the
                 first keys evenly (see spread_keys) and the first N + 27 records, the only
                 ones a drill can reach, hold the most frequent characters. In 98 a short
                 code follows its character's corrected full code, and a three-letter code
                 is kept only where no other character claims those letters (see
                 settle_short_codes)
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
CORRECTIONS_98 = os.path.join(HERE, "98_corrections.tsv")

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


def read_corrections(path=CORRECTIONS_98):
    """The corrected 98 full codes: item -> (code, True when it ends in an identification
    letter). '#' starts a comment line; the fields are item, code, last, reason."""
    corrections = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            if (len(fields) != 4 or not re.fullmatch("[a-y]{1,4}", fields[1])
                    or fields[2] not in ("id", "element") or not fields[3].strip()
                    or fields[0] in corrections):
                raise SystemExit("%s:%d: not item, code, id|element, reason" % (path, number))
            corrections[fields[0]] = (fields[1], fields[2] == "id")
    return corrections


def is_gb2312(item):
    try:
        return len(item.encode("gb2312")) == 2 * len(item)
    except UnicodeEncodeError:
        return False


class Edition:
    """The full codes of one edition, with the corrections in place, and what is derived
    from them: the frequency rank of each character (its line in full.tsv)."""

    def __init__(self, sources, edition, corrections):
        self.sources, self.edition, self.corrections = sources, edition, corrections
        listed = read_list(sources, edition, "full")
        source = dict(listed)
        for item, (code, _) in corrections.items():
            if source.get(item, code) == code:
                raise SystemExit("98_corrections.tsv: %s %s is %s" % (
                    item, code, "no change" if item in source else "not in the full codes"))
        self.full_list = [(item, corrections[item][0] if item in corrections else code)
                          for item, code in listed]
        self.full = dict(self.full_list)
        self.rank = {item: i for i, (item, _) in enumerate(self.full_list)}

    def word_code(self, word):
        """The word rule: two characters give the first two keys of each; three the first
        key of the first two and the first two of the third; four or more the first key of
        the first three and of the last."""
        c = [self.full[ch] for ch in word]
        if len(c) == 2:
            return c[0][:2] + c[1][:2]
        if len(c) == 3:
            return c[0][0] + c[1][0] + c[2][:2]
        return c[0][0] + c[1][0] + c[2][0] + c[-1][0]


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


def words_for(row, edition, excluded):
    """The most frequent words of the drill's length present in both editions' tables, each
    with the code the word rule gives from the (corrected) full codes."""
    sources, name = edition.sources, LIST_OF_KIND[row.kind]
    lo, hi = WORD_LENGTHS[row.kind]
    own = read_list(sources, row.edition, name)
    other = dict(read_list(sources, 98 if row.edition == 86 else 86, name))
    order86 = [w for w, _ in read_list(sources, 86, name)]  # one order for both editions
    codes = dict(own)
    chosen = [(w, codes[w]) for w in order86
              if w in codes and w in other and w not in excluded and lo <= len(w) <= hi]
    if len(chosen) < row.needed:
        raise SystemExit("%s: only %d words, %d needed" % (name, len(chosen), row.needed))
    chosen = chosen[:row.needed]
    for word, code in chosen:
        # the lists follow the rule; only a corrected character may change a word's code
        if code != edition.word_code(word) and not any(ch in edition.corrections for ch in word):
            raise SystemExit("%s: %s %s breaks the word rule" % (name, word, code))
    return [(word, edition.word_code(word)) for word, _ in chosen]


def settle_short_codes(entries, level, edition, shorter):
    """The short codes of one level that follow the corrected full codes and that a 98
    input method gives the same character.

    A code that no longer begins its character's full code moves to the full code's first
    letters when no other character of the list holds them, and is dropped otherwise. A
    three-letter code stays only where no other character claims those letters: one whose
    whole full code they are (年 tgj, not 重), one more frequent whose full code they begin
    (the input method offers the most frequent first), or one that has a one- or two-level
    code and whose full code they begin (in 98 such a character keeps its three-letter code
    as well, as 你 wq holds wqi, not 您). `shorter` holds the characters with a one- or
    two-level code.
    """
    held = {code for _, code in entries}
    settled = []
    for item, code in entries:
        full = edition.full[item]
        if not (full.startswith(code) and len(full) > len(code)):
            held.discard(code)
            code = full[:level]
            if len(full) <= level or code in held:
                continue
            held.add(code)
        settled.append((item, code))
    if level < 3:
        return settled
    claims = {}  # three letters -> the GB2312 characters whose full code begins with them
    for item, full in edition.full_list:
        if is_gb2312(item):
            claims.setdefault(full[:3], []).append(item)

    def claimed(item, code):
        for other in claims.get(code, []):
            if other != item and (edition.full[other] == code or other in shorter
                                  or edition.rank[other] < edition.rank[item]):
                return True
        return False

    return [(item, code) for item, code in settled if not claimed(item, code)]


def entries_for(row, edition, excluded):
    """The distinct (item, code) entries of one file, in record order."""
    sources, name = edition.sources, LIST_OF_KIND[row.kind]
    source = "%d/%s.tsv" % (row.edition, name) + (" + corrections" if edition.corrections else "")
    if row.kind in WORD_LENGTHS:
        return words_for(row, edition, excluded), source
    entries = read_list(sources, row.edition, name)
    if row.kind == 1:
        # both editions read this one file: the lists must agree
        if entries != read_list(sources, 98 if row.edition == 86 else 86, name):
            raise SystemExit("the one-level lists of 86 and 98 differ")
        source = "86/one.tsv = 98/one.tsv"
    if row.kind == 4:
        entries = edition.full_list
    if row.kind == 16 and edition.corrections:
        listed = {item for item, _ in entries}
        for item, (_, identified) in edition.corrections.items():
            if identified and is_gb2312(item) and item not in listed:
                raise SystemExit("%s: %s now ends in an identification letter but is not listed"
                                 % (source, item))
        # a corrected character stays only while its code ends in an identification letter
        entries = [(item, edition.full[item]) for item, _ in entries
                   if item not in edition.corrections or edition.corrections[item][1]]
    if row.kind in (2, 3) and row.edition == 98:
        shorter = {item for item, _ in read_list(sources, row.edition, "one")}
        if row.kind == 3:
            shorter.update(item for item, _ in
                           settle_short_codes(read_list(sources, row.edition, "two"), 2, edition, set()))
        entries = settle_short_codes(entries, row.kind, edition, shorter)
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
    editions = {86: Edition(sources, 86, {}), 98: Edition(sources, 98, read_corrections())}
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
        entries, source = entries_for(row, editions[row.edition], excluded)
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
