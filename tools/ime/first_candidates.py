#!/usr/bin/python3
"""Tells whether a Chinese text can be typed code by code through the test input method.

usage: first_candidates.py TEXT...

The end-to-end tests type each character by its full code from the 86 table of
data/selectfiles (全部编码) and commit it with the space, which takes the first candidate
of IBus's Wubi 86 table (ibus-table-wubi, wubi-jidian86.db; tests/e2e/driver/ime_keyboard.h).
For each character this prints its code, the first candidates the input method offers for
that code, and OK when the first is the character; a punctuation mark is typed by its key
(tests/e2e/driver/ime_punctuation.def). The order is the table engine's for a
fresh user database with learning off, as scripts/wine-env.sh sets it up: exact codes
first, then by frequency, then shorter codes, then by code and character. Exits 1 when a
character has no code or is not the first candidate.
"""

import os
import re
import sqlite3
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "codetables"))
from crosscheck import table  # noqa: E402
from make_codetables import DEFAULT_OUT  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))
PUNCTUATION_DEF = os.path.join(ROOT, "tests", "e2e", "driver", "ime_punctuation.def")
JIDIAN = "/usr/share/ibus-table/tables/wubi-jidian86.db"
FULL_CODE = 4  # PracticeKind of 全部编码


def punctuation_keys():
    keys = {}
    with open(PUNCTUATION_DEF, encoding="utf-8") as f:
        for line in f:
            m = re.match(r'QOPE_IME_PUNCTUATION\(L\'(.)\',\s*"(\w+)"\)', line)
            if m:
                keys[m.group(1)] = m.group(2)
    if not keys:
        raise SystemExit("no QOPE_IME_PUNCTUATION rows in %s" % PUNCTUATION_DEF)
    return keys


def candidates(db, code):
    rows = db.execute("SELECT tabkeys, phrase, freq FROM phrases WHERE tabkeys LIKE ?",
                      (code + "%",)).fetchall()
    rows.sort(key=lambda r: (r[0] != code, -r[2], len(r[0]), r[0], ord(r[1][0])))
    return [r[1] for r in rows]


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    if not os.path.exists(JIDIAN):
        raise SystemExit("%s is missing (package ibus-table-wubi)" % JIDIAN)
    codes = {}
    for char, code in table(DEFAULT_OUT, FULL_CODE, 86):
        codes.setdefault(char, code)
    db = sqlite3.connect("file:%s?mode=ro" % JIDIAN, uri=True)
    keys = punctuation_keys()
    bad = 0
    for char in "".join(sys.argv[1:]):
        if char in keys:
            print("%s  key %s" % (char, keys[char]))
            continue
        code = codes.get(char)
        first = candidates(db, code)[:3] if code else []
        ok = bool(first) and first[0] == char
        bad += not ok
        print("%s  %-4s  %-3s %s" % (char, code or "-", "OK" if ok else "NO", " ".join(first)))
    print("%d characters, %d not typeable" % (len("".join(sys.argv[1:])), bad))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
