#!/usr/bin/python3
"""Writes the article files data/freeinput/*.txt (or into --out DIR) from the paragraphs
in tools/texts/articles/.

Each source is UTF-8, one paragraph a line (blank lines are ignored). The paragraphs are
joined without a break, since the typing window shows neither indents nor blank lines,
and cut into lines of a fixed number of characters; each line is written in GBK with CR LF.
The list of articles and every rule a file keeps come from article_rules.def beside this file and the
window's list src/chinese/articles.def.
Nothing is written unless every article keeps every rule; a breach is reported with the
article and the line of the file it would fall on, so the text can be reworded there.
"""

import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEF_FILE = os.path.join(HERE, "article_rules.def")
LIST_FILE = os.path.join(ROOT, "src", "chinese", "articles.def")
SOURCES = os.path.join(HERE, "articles")


def read_def(path=DEF_FILE, listing=LIST_FILE):
    """The articles (number, caption, file) of the window's list, the line rule and the
    mark sets of article_rules.def."""
    def body_of(name):
        text = open(name, encoding="utf-8").read()
        return "\n".join(l for l in text.splitlines() if not l.lstrip().startswith("//"))
    body = body_of(path)
    articles = [(int(n), caption, name) for caption, n, name in
                re.findall(r'QOPE_ARTICLE\(\s*\w+,\s*"([^"]*)",\s*(\d+),\s*"([^"]*)"', body_of(listing))]
    lines = re.findall(r"QOPE_ARTICLE_LINES\(\s*(\d+),\s*(\d+),\s*(\d+)\)", body)
    marks = dict(re.findall(r'QOPE_ARTICLE_MARKS\(\s*(\w+),\s*"([^"]*)"\)', body))
    if not articles or len(lines) != 1 or set(marks) != {
            "PUNCTUATION", "DOUBLED", "NO_LINE_START", "NO_LINE_END"}:
        raise SystemExit(f"{path}: cannot read the article list and rules")
    chars, min_lines, max_lines = map(int, lines[0])
    return articles, (chars, min_lines, max_lines), marks


def is_gb2312_hanzi(ch):
    """A hanzi of GB2312 (rows 16-87), which every Wubi 86 input method types. Checked on
    the GBK bytes: Python's gb2312 codec maps a few punctuation bytes to other code points
    than GBK does (A1AA is U+2015 there, U+2014 in GBK), so the bytes are what count."""
    try:
        data = ch.encode("gbk")
        data.decode("gb2312")
    except UnicodeError:
        return False
    return len(data) == 2 and data[0] >= 0xB0


def check_text(text, rules, marks):
    """Cuts the joined text into lines and returns (lines, breaches); a breach is
    (line number from 1, message)."""
    chars, min_lines, max_lines = rules
    breaches = []
    lines = [text[i:i + chars] for i in range(0, len(text), chars)]

    def line_of(pos):
        return pos // chars + 1

    for pos, ch in enumerate(text):
        if ch not in marks["PUNCTUATION"] and not is_gb2312_hanzi(ch):
            breaches.append((line_of(pos), f"{ch!r} (U+{ord(ch):04X}) is neither a GB2312 hanzi "
                                            "nor one of the punctuation marks"))
    for m in re.finditer("[" + re.escape(marks["DOUBLED"]) + "]+", text):
        if len(m.group()) != 2 or m.group()[0] != m.group()[1]:
            breaches.append((line_of(m.start()), f"{m.group()} is not one mark written twice"))
    if not lines or len(lines[-1]) == chars:
        breaches.append((len(lines), f"the last line must be shorter than {chars} characters; "
                                     f"the text has {len(text)}"))
    if not min_lines <= len(lines) <= max_lines:
        breaches.append((len(lines), f"{len(lines)} lines, not {min_lines} to {max_lines}"))
    for n, line in enumerate(lines, 1):
        if n > 1 and line[0] in marks["NO_LINE_START"]:
            breaches.append((n, f"begins with {line[0]}: {line[:8]}"))
        if n < len(lines) and line[-1] in marks["NO_LINE_END"]:
            breaches.append((n, f"ends with {line[-1]}: {line[-8:]}"))
        if n > 1 and line[0] in marks["DOUBLED"] and lines[n - 2][-1] == line[0]:
            breaches.append((n, f"the line end parts {line[0] * 2}"))
    return lines, breaches


def read_source(path):
    """The paragraphs of a source, joined; a blank or ASCII character inside a paragraph is
    an error of the source, reported by its own line."""
    paragraphs = []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            paragraph = raw.rstrip("\n")
            if not paragraph.strip():
                continue
            bad = [c for c in paragraph if c.isspace() or ord(c) < 0x80]
            if bad:
                raise SystemExit(f"{path}:{number}: blank or ASCII character {bad[0]!r}")
            paragraphs.append(paragraph)
    return "".join(paragraphs)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "data", "freeinput"))
    parser.add_argument("--show", action="store_true", help="print the lines as they are cut")
    args = parser.parse_args()

    articles, rules, marks = read_def()
    written = {}
    failed = False
    for number, caption, name in articles:
        lines, breaches = check_text(read_source(os.path.join(SOURCES, name)), rules, marks)
        for line, message in breaches:
            print(f"{name} line {line}: {message}", file=sys.stderr)
        failed = failed or bool(breaches)
        if args.show:
            print(f"== {number} {caption} ({len(lines)} lines, {sum(map(len, lines))} characters)")
            for n, line in enumerate(lines, 1):
                print(f"{n:3} {line}")
        written[name] = b"".join(line.encode("gbk") + b"\r\n" for line in lines)
    if failed:
        return 1
    os.makedirs(args.out, exist_ok=True)
    for name, data in written.items():
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
