#!/usr/bin/python3
"""Writes the background music data/wavefiles/mymusicNN.mid (or into --out DIR) from the
note files tools/music/pieces/NN-name.txt; NOTATION.md beside this file explains them.

Each piece becomes a Standard MIDI File, format 1: a tempo track, then one track (and one
channel) per part. Output is byte-for-byte reproducible: events are sorted by a total
order, and nothing depends on the clock, the locale or the hash randomisation of the interpreter.
"""

import argparse
import os
import re
import struct
import sys
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
PIECES = os.path.join(HERE, "pieces")
PPQ = 480
WHOLE = 4 * PPQ

# General MIDI programs (0-based) by the names the note files use.
INSTRUMENTS = {
    "piano": (0, "Acoustic Grand Piano"),
    "bright_piano": (1, "Bright Acoustic Piano"),
    "electric_piano": (4, "Electric Piano 1"),
    "harpsichord": (6, "Harpsichord"),
    "celesta": (8, "Celesta"),
    "glockenspiel": (9, "Glockenspiel"),
    "music_box": (10, "Music Box"),
    "vibraphone": (11, "Vibraphone"),
    "marimba": (12, "Marimba"),
    "nylon_guitar": (24, "Acoustic Guitar (nylon)"),
    "steel_guitar": (25, "Acoustic Guitar (steel)"),
    "acoustic_bass": (32, "Acoustic Bass"),
    "violin": (40, "Violin"),
    "viola": (41, "Viola"),
    "cello": (42, "Cello"),
    "contrabass": (43, "Contrabass"),
    "tremolo_strings": (44, "Tremolo Strings"),
    "pizzicato": (45, "Pizzicato Strings"),
    "harp": (46, "Orchestral Harp"),
    "strings": (48, "String Ensemble 1"),
    "slow_strings": (49, "String Ensemble 2"),
    "choir": (52, "Choir Aahs"),
    "oboe": (68, "Oboe"),
    "english_horn": (69, "English Horn"),
    "bassoon": (70, "Bassoon"),
    "clarinet": (71, "Clarinet"),
    "flute": (73, "Flute"),
    "recorder": (74, "Recorder"),
    "pan_flute": (75, "Pan Flute"),
    "shakuhachi": (77, "Shakuhachi"),
    "ocarina": (79, "Ocarina"),
    "warm_pad": (89, "Pad 2 (warm)"),
    "sitar": (104, "Sitar"),
    "koto": (107, "Koto"),
    "kalimba": (108, "Kalimba"),
    "fiddle": (110, "Fiddle"),
}

DYNAMICS = {"pp": 36, "p": 48, "mp": 62, "mf": 76, "f": 92, "ff": 108}
DOWNBEAT_ACCENT = 6

CHORD_QUALITIES = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "maj7": (0, 4, 7, 11),
    "m7": (0, 3, 7, 10), "mmaj7": (0, 3, 7, 11), "dim": (0, 3, 6), "dim7": (0, 3, 6, 9),
    "m7b5": (0, 3, 6, 10), "aug": (0, 4, 8), "sus4": (0, 5, 7), "sus2": (0, 2, 7),
    "7sus4": (0, 5, 7, 10), "6": (0, 4, 7, 9), "m6": (0, 3, 7, 9), "add9": (0, 2, 4, 7),
    "madd9": (0, 2, 3, 7), "5": (0, 7), "69": (0, 2, 4, 7, 9),
}

STEP = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}
NOTE_RE = re.compile(r"^([a-g])(#|b)?(-?\d)?$")
DUR_RE = re.compile(r"^(\d+)(t?)(\.*)$")
CHORD_RE = re.compile(r"^([A-G])(#|b)?([a-z0-9]*)(?:/([A-G])(#|b)?)?$")


class NoteFileError(Exception):
    pass


def fail(where, message):
    raise NoteFileError("%s: %s" % (where, message))


# --- small parsers ---------------------------------------------------------------------

def parse_duration(text, where):
    """'4' -> 1/4 of a whole note; '8.' dotted, '8t' triplet, '4..' double-dotted."""
    m = DUR_RE.match(text)
    if not m or int(m.group(1)) not in (1, 2, 4, 8, 16, 32):
        fail(where, "bad duration /%s" % text)
    base = Fraction(1, int(m.group(1)))
    if m.group(2):
        base = base * Fraction(2, 3)
    total, add = base, base
    for _ in m.group(3):
        add /= 2
        total += add
    return total


def pitch_class(letter, accidental):
    return (STEP[letter.lower()] + {"#": 1, "b": -1, None: 0, "": 0}[accidental]) % 12


def parse_pitch(text, octave, where):
    """A note name such as c4, f#, bb3 -> (MIDI key, octave now in force)."""
    m = NOTE_RE.match(text)
    if not m:
        fail(where, "bad note %r" % text)
    letter, accidental, octv = m.groups()
    if octv is not None:
        octave = int(octv)
    if octave is None:
        fail(where, "%r: the first note of a line needs its octave" % text)
    semis = STEP[letter] + {"#": 1, "b": -1, None: 0}[accidental]
    key = 12 * (octave + 1) + semis
    if not 0 <= key <= 127:
        fail(where, "%r is outside MIDI range" % text)
    return key, octave


def parse_options(words, where, allowed):
    opts = {}
    for w in words:
        if "=" not in w:
            fail(where, "expected key=value, got %r" % w)
        k, v = w.split("=", 1)
        if k not in allowed:
            fail(where, "unknown option %r" % k)
        opts[k] = v
    return opts


def strip_comment(line):
    # '#' is also the sharp sign; a comment's '#' starts the line or follows a space.
    m = re.search(r"(^|\s)#", line)
    return line[:m.start()] if m else line


def split_bars(tokens):
    """Tokens with '|' separators -> list of bars (lists of tokens). Phrases stand in whole
    bars, so a doubled bar line is one."""
    bars, cur = [], []
    for t in tokens + ["|"]:
        if t == "|":
            if cur:
                bars.append(cur)
            cur = []
        else:
            cur.append(t)
    return bars


# --- the piece -------------------------------------------------------------------------

class Part:
    def __init__(self, name, instrument, opts, where):
        if instrument not in INSTRUMENTS:
            fail(where, "unknown instrument %r" % instrument)
        self.name = name
        self.instrument = instrument
        self.vel = int(opts.get("vel", 80))
        self.volume = int(opts.get("vol", 100))
        self.pan = int(opts.get("pan", 64))
        self.reverb = int(opts.get("rev", 48))
        for v in (self.vel, self.volume, self.pan, self.reverb):
            if not 0 <= v <= 127:
                fail(where, "option value out of 0..127")


class Pattern:
    def __init__(self, name, opts, tokens, where):
        self.name = name
        self.base = parse_pitch(opts.get("base", "c4"), None, where)[0]
        self.bass = parse_pitch(opts.get("bass", "c3"), None, where)[0]
        self.vel = int(opts["vel"]) if "vel" in opts else None
        self.hold = opts.get("hold", "no") == "yes"
        self.steps = []  # (start, length, [tone index, octave lift] or None for a rest)
        t, dur = Fraction(0), None
        for tok in tokens:
            head, _, d = tok.partition("/")
            if d:
                dur = parse_duration(d, where)
            if dur is None:
                fail(where, "pattern %s: the first step needs a duration" % name)
            if head == "r":
                tones = None
            else:
                tones = []
                for part in head.split("+"):
                    m = re.match(r"^(\d+)(\^*)$", part)
                    if not m:
                        fail(where, "pattern %s: bad step %r" % (name, tok))
                    tones.append((int(m.group(1)), len(m.group(2))))
            self.steps.append((t, dur, tones))
            t += dur
        self.length = t
        if not self.steps:
            fail(where, "pattern %s is empty" % name)


class Section:
    def __init__(self, name, opts):
        self.name = name
        self.opts = opts
        self.lines = {}   # part name (or 'chords') -> list of (tokens, where)
        self.uses = {}    # part name -> (pattern name, options)
        self.silenced = set()


class Piece:
    def __init__(self, path):
        self.path = path
        base = os.path.basename(path)
        m = re.match(r"^(\d\d)-[a-z0-9-]+\.txt$", base)
        if not m:
            fail(base, "note file names are NN-name.txt")
        self.number = int(m.group(1))
        self.meta = {}
        self.parts = []
        self.patterns = {}
        self.phrases = {}
        self.sections = {}
        self.form = []
        self.parse(open(path, encoding="utf-8").read().splitlines())

    def expand(self, tokens, where):
        """Replaces @name (or @name+N, @name-N: moved N semitones) by that phrase."""
        out = []
        for tok in tokens:
            m = re.match(r"^@([a-z0-9_]+)([+-]\d+)?$", tok)
            if not m:
                out.append(tok)
                continue
            if m.group(1) not in self.phrases:
                fail(where, "no phrase %r" % m.group(1))
            shift = int(m.group(2) or 0)
            out += ["|", "%%%+d" % shift] + self.phrases[m.group(1)] + ["%+0", "|"]
        return out

    # The file is read line by line; a section runs until the next header line.
    def parse(self, lines):
        base = os.path.basename(self.path)
        # A line that starts with a bar line or a phrase goes on with the line before it.
        logical = []
        for n, raw in enumerate(lines, 1):
            words = strip_comment(raw).split()
            if words and (words[0] == "|" or words[0].startswith("@")) and logical:
                logical[-1][1].extend(words)
            elif words:
                logical.append((n, words))
        section = None
        replaced = set()
        for n, words in logical:
            where = "%s:%d" % (base, n)
            key = words[0]
            if key in ("title", "composer"):
                text = " ".join(words[1:])
                if not text.isascii():
                    fail(where, "MIDI text is kept ASCII")
                self.meta[key] = text
            elif key in ("tempo", "transpose"):
                self.meta[key] = int(words[1])
            elif key == "meter":
                num, den = words[1].split("/")
                self.meta["meter"] = (int(num), int(den))
            elif key == "part":
                if len(words) < 3:
                    fail(where, "part NAME INSTRUMENT [options]")
                opts = parse_options(words[3:], where, {"vel", "vol", "pan", "rev"})
                if any(p.name == words[1] for p in self.parts) or words[1] == "chords":
                    fail(where, "part name %r taken" % words[1])
                self.parts.append(Part(words[1], words[2], opts, where))
            elif key == "phrase":
                body = self.expand(words[2:], where)
                while body and body[0] == "|":
                    body = body[1:]
                while body and body[-1] == "|":
                    body = body[:-1]
                self.phrases[words[1]] = body
            elif key == "pattern":
                if ":" not in words:
                    fail(where, "pattern NAME [options] : steps")
                colon = words.index(":")
                opts = parse_options(words[2:colon], where, {"base", "bass", "vel", "hold"})
                self.patterns[words[1]] = Pattern(words[1], opts, words[colon + 1:], where)
            elif key == "section":
                opts = parse_options(words[2:], where, {"like", "pickup", "tempo", "rit"})
                section = Section(words[1], opts)
                if words[1] in self.sections:
                    fail(where, "section %r defined twice" % words[1])
                if "like" in opts:
                    other = self.sections.get(opts["like"])
                    if other is None:
                        fail(where, "like=%s: no such section yet" % opts["like"])
                    section.lines = {k: list(v) for k, v in other.lines.items()}
                    section.uses = dict(other.uses)
                    section.silenced = set(other.silenced)
                    for k in ("pickup", "tempo", "rit"):
                        if k in other.opts and k not in opts:
                            section.opts[k] = other.opts[k]
                replaced = set()
                self.sections[words[1]] = section
            elif key == "form":
                self.form.extend(words[1:])
                section = None
            else:
                if section is None:
                    fail(where, "unknown line %r" % key)
                if key != "chords" and not any(p.name == key for p in self.parts):
                    fail(where, "no part %r" % key)
                if key not in replaced:  # the first line of a part replaces what like= copied
                    section.lines.pop(key, None)
                    section.uses.pop(key, None)
                    section.silenced.discard(key)
                    replaced.add(key)
                rest = words[1:]
                if rest == ["-"]:
                    section.silenced.add(key)
                elif rest and rest[0] == "=":
                    if len(rest) < 2 or rest[1] not in self.patterns:
                        fail(where, "%s = PATTERN: no such pattern" % key)
                    section.uses[key] = (rest[1], parse_options(rest[2:], where, {"vel"}))
                else:
                    section.lines.setdefault(key, []).append((self.expand(rest, where), where))
        for k in ("title", "composer", "tempo", "meter"):
            if k not in self.meta:
                fail(base, "missing %s line" % k)
        self.meta.setdefault("transpose", 0)
        if not self.form:
            fail(base, "missing form line")
        for name in self.form:
            if name not in self.sections:
                fail(base, "form names unknown section %r" % name)
        if not self.parts or len(self.parts) > 15:
            fail(base, "1 to 15 parts")


# --- turning sections into notes -------------------------------------------------------

def bar_lengths(section, meter, nbars):
    bar = Fraction(meter[0], meter[1])
    lengths = [bar] * nbars
    if "pickup" in section.opts and nbars:
        num, den = section.opts["pickup"].split("/")
        lengths[0] = Fraction(int(num), int(den))
    return lengths


def read_bars(section, key):
    """All bars of one part's lines, as token lists, with the place each came from."""
    bars = []
    for tokens, where in section.lines.get(key, []):
        for b in split_bars(tokens):
            bars.append((b, where))
    return bars


def melody_notes(section, key, meter, default_vel, where0):
    """Notes of a written part: list of (start, length, key, velocity), section length."""
    bars = read_bars(section, key)
    lengths = bar_lengths(section, meter, len(bars))
    notes, t, octave, dur, vel, shift = [], Fraction(0), None, None, default_vel, 0
    tie_open = None
    for i, (tokens, where) in enumerate(bars):
        bar_start = t
        for tok in tokens:
            if tok.startswith("!"):
                if tok[1:] not in DYNAMICS:
                    fail(where, "unknown dynamic %r" % tok)
                vel = DYNAMICS[tok[1:]]
                continue
            if tok == "R":
                t = bar_start + lengths[i]
                continue
            if tok.startswith("%"):
                shift = int(tok[1:])
                continue
            tie = tok.endswith("~")
            body = tok[:-1] if tie else tok
            head, _, d = body.partition("/")
            if d:
                dur = parse_duration(d, where)
            if dur is None:
                fail(where, "the first note of a part needs a duration")
            if head == "r":
                if tie_open:
                    fail(where, "a tie runs into a rest")
                t += dur
                continue
            if head.startswith("<") and head.endswith(">"):
                keys = []
                for name in head[1:-1].split(","):
                    k, octave = parse_pitch(name, octave, where)
                    keys.append(k + shift)
            else:
                k, octave = parse_pitch(head, octave, where)
                keys = [k + shift]
            accent = DOWNBEAT_ACCENT if t == bar_start else 0
            if tie_open:
                if [n[2] for n in tie_open] != keys:
                    fail(where, "a tie joins different pitches")
                for n in tie_open:
                    n[1] += dur
                tie_open = tie_open if tie else None
            else:
                new = [[t, dur, k, vel + accent] for k in keys]
                notes.extend(new)
                tie_open = new if tie else None
            t += dur
        if t - bar_start != lengths[i]:
            fail(where, "part %s, bar %d of section %s lasts %s, not %s"
                 % (key, i + 1, section.name, t - bar_start, lengths[i]))
    if tie_open:
        fail(where0, "part %s ends on an open tie" % key)
    return [tuple(n) for n in notes], t


def chord_spans(section, meter):
    """The chords line -> list of (start, end, chord), chord None for 'no chord'. The
    chords of a bar share it evenly; '.' holds the chord before for one more share."""
    bars = read_bars(section, "chords")
    lengths = bar_lengths(section, meter, len(bars))
    spans, t = [], Fraction(0)
    for i, (tokens, where) in enumerate(bars):
        tokens = [x for x in tokens if x != "%+0"]  # phrase ends; chords are never moved
        slot = lengths[i] / len(tokens)
        for tok in tokens:
            if tok == ".":
                if not spans:
                    fail(where, "'.' with no chord before it")
                s = spans[-1]
                spans[-1] = (s[0], s[1] + slot, s[2])
            else:
                spans.append((t, t + slot, parse_chord(tok, where)))
            t += slot
    return spans, t


def parse_chord(tok, where):
    """'Am7', 'C/E', '[c3,e3,g3]' -> ('symbol', root pc, intervals, bass pc) or
    ('fixed', sorted keys); 'r' -> None."""
    if tok == "r":
        return None
    if tok.startswith("[") and tok.endswith("]"):
        octave, keys = None, []
        for name in tok[1:-1].split(","):
            k, octave = parse_pitch(name, octave, where)
            keys.append(k)
        return ("fixed", tuple(sorted(keys)))
    m = CHORD_RE.match(tok)
    if not m or m.group(3) not in CHORD_QUALITIES:
        fail(where, "bad chord %r" % tok)
    root = pitch_class(m.group(1), m.group(2))
    bass = pitch_class(m.group(4), m.group(5)) if m.group(4) else root
    return ("symbol", root, CHORD_QUALITIES[m.group(3)], bass)


def chord_tone(chord, index, lift, pattern):
    """Key of tone `index` (0 = the bass, 1.. = chord tones upwards) of a chord."""
    if chord[0] == "fixed":
        keys = chord[1]
        if index == 0:
            k = keys[0]
        else:
            n = len(keys)
            k = keys[(index - 1) % n] + 12 * ((index - 1) // n)
    else:
        _, root, intervals, bass = chord
        if index == 0:
            k = pattern.bass + (bass - pattern.bass) % 12
        else:
            pcs = sorted(set((root + iv) % 12 for iv in intervals))
            keys = sorted(pattern.base + (pc - pattern.base) % 12 for pc in pcs)
            n = len(keys)
            k = keys[(index - 1) % n] + 12 * ((index - 1) // n)
    return k + 12 * lift


def pattern_notes(section, pattern, vel, spans, meter):
    """A pattern played over the chords, from the start of each bar: a step that a chord
    change cuts is struck again with the new chord."""
    bar = Fraction(meter[0], meter[1])
    origin = Fraction(0)
    if "pickup" in section.opts:
        num, den = section.opts["pickup"].split("/")
        origin = Fraction(int(num), int(den)) - bar
    notes = []
    for start, end, chord in spans:
        if chord is None:
            continue
        bar_start = origin + (start - origin) // bar * bar
        while bar_start < end:
            bar_end = bar_start + bar
            t0 = bar_start
            while t0 < min(bar_end, end):
                for s, d, tones in pattern.steps:
                    a2 = max(t0 + s, start)
                    b2 = min(t0 + s + d, end, bar_end)
                    if a2 >= b2 or tones is None:
                        continue
                    off = end if pattern.hold else b2
                    accent = DOWNBEAT_ACCENT if a2 == bar_start else 0
                    for index, lift in tones:
                        key = chord_tone(chord, index, lift, pattern)
                        notes.append((a2, off - a2, key, vel + accent))
                t0 += pattern.length
            bar_start = bar_end
    return notes


def section_events(piece, section):
    """{part name: [(start, length, key, velocity)]} and the section's length."""
    meter = piece.meta["meter"]
    where0 = "%s section %s" % (os.path.basename(piece.path), section.name)
    lengths = {}
    per_part = {}
    for part in piece.parts:
        if part.name in section.lines and part.name not in section.silenced:
            notes, n = melody_notes(section, part.name, meter, part.vel, where0)
            per_part[part.name] = notes
            lengths[part.name] = n
    spans = []
    if "chords" in section.lines:
        spans, lengths["chords"] = chord_spans(section, meter)
    if not lengths:
        fail(where0, "section has no bars")
    total = max(lengths.values())
    for k, n in lengths.items():
        if n != total:
            fail(where0, "part %s lasts %s, the section %s" % (k, n, total))
    for name, (pat, opts) in section.uses.items():
        if name in section.silenced:
            continue
        if not spans:
            fail(where0, "%s plays a pattern but the section has no chords" % name)
        if name in per_part:
            fail(where0, "%s has both notes and a pattern" % name)
        part = next(p for p in piece.parts if p.name == name)
        pattern = piece.patterns[pat]
        vel = int(opts.get("vel", pattern.vel if pattern.vel is not None else part.vel))
        per_part[name] = pattern_notes(section, pattern, vel, spans, meter)
    return per_part, total


def tempo_map(piece, section, start_tick, length_ticks):
    """Tempo changes (tick, bpm) for one section: its tempo, and a ritardando over its
    last bar when it has rit=BPM."""
    bpm = int(section.opts.get("tempo", piece.meta["tempo"]))
    changes = [(start_tick, bpm)]
    if "rit" in section.opts:
        target = int(section.opts["rit"])
        num, den = piece.meta["meter"]
        bar_ticks = WHOLE * num // den
        beats = max(1, bar_ticks // PPQ)
        rit_start = start_tick + length_ticks - bar_ticks
        for i in range(beats):
            changes.append((rit_start + i * PPQ, bpm + (target - bpm) * (i + 1) // beats))
    return changes


def build(piece):
    """All notes per part in ticks, the tempo changes and the end tick."""
    notes = {p.name: [] for p in piece.parts}
    tempos = []
    t = 0
    transpose = piece.meta["transpose"]
    for name in piece.form:
        section = piece.sections[name]
        per_part, length = section_events(piece, section)
        length_ticks = length * WHOLE
        assert length_ticks.denominator == 1
        tempos.extend(tempo_map(piece, section, t, int(length_ticks)))
        for part in piece.parts:
            for start, dur, key, vel in per_part.get(part.name, []):
                a = t + start * WHOLE
                b = a + dur * WHOLE
                assert a.denominator == 1 and b.denominator == 1
                a, b = int(a), int(b)
                key += transpose
                if not 0 <= key <= 127:
                    fail(piece.path, "transposed key out of range")
                notes[part.name].append((a, b, key, max(1, min(127, vel))))
        t += int(length_ticks)
    # A key struck again ends its previous sounding on that channel.
    for name, lst in notes.items():
        lst.sort()
        last = {}
        fixed = []
        for a, b, key, vel in lst:
            j = last.get(key)
            if j is not None and fixed[j][1] > a:
                fixed[j] = (fixed[j][0], a, key, fixed[j][3])
            last[key] = len(fixed)
            fixed.append((a, b, key, vel))
        notes[name] = [n for n in fixed if n[1] > n[0]]
    # Keep the last tempo of equal ones only once.
    clean = []
    for tick, bpm in tempos:
        if clean and clean[-1][0] == tick:
            clean[-1] = (tick, bpm)
        elif not clean or clean[-1][1] != bpm:
            clean.append((tick, bpm))
    end = max(b for lst in notes.values() for _, b, _, _ in lst)
    end = max(end, t) + 2 * PPQ  # two beats for the last notes to fade
    return notes, clean, end


# --- Standard MIDI File writing ----------------------------------------------------------

def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


class TrackWriter:
    def __init__(self):
        self.data = bytearray()
        self.now = 0
        self.running = None

    def _delta(self, tick):
        assert tick >= self.now
        self.data += vlq(tick - self.now)
        self.now = tick

    def meta(self, tick, kind, payload):
        self._delta(tick)
        self.data += bytes([0xFF, kind]) + vlq(len(payload)) + payload
        self.running = None  # meta events cancel running status

    def channel(self, tick, status, *data):
        self._delta(tick)
        if status != self.running:
            self.data.append(status)
            self.running = status
        self.data += bytes(data)

    def chunk(self, end_tick):
        self.meta(end_tick, 0x2F, b"")
        return b"MTrk" + struct.pack(">I", len(self.data)) + bytes(self.data)


def midi_bytes(piece):
    notes, tempos, end = build(piece)
    num, den = piece.meta["meter"]
    chunks = []

    tw = TrackWriter()
    tw.meta(0, 0x03, piece.meta["title"].encode("ascii"))
    tw.meta(0, 0x01, ("%s; arranged for Qope" % piece.meta["composer"]).encode("ascii"))
    tw.meta(0, 0x58, bytes([num, den.bit_length() - 1, 24, 8]))
    for tick, bpm in tempos:
        tw.meta(tick, 0x51, (60000000 // bpm).to_bytes(3, "big"))
    chunks.append(tw.chunk(end))

    channels = [c for c in range(16) if c != 9]
    for part, ch in zip(piece.parts, channels):
        program, gm_name = INSTRUMENTS[part.instrument]
        tw = TrackWriter()
        tw.meta(0, 0x03, ("%s (%s)" % (part.name, gm_name)).encode("ascii"))
        tw.channel(0, 0xC0 | ch, program)
        tw.channel(0, 0xB0 | ch, 7, part.volume)
        tw.channel(0, 0xB0 | ch, 10, part.pan)
        tw.channel(0, 0xB0 | ch, 91, part.reverb)
        tw.channel(0, 0xB0 | ch, 93, 0)
        events = []
        for a, b, key, vel in notes[part.name]:
            events.append((a, 1, key, vel))
            events.append((b, 0, key, 0))  # offs before ons at one tick
        for tick, _, key, vel in sorted(events):
            tw.channel(tick, 0x90 | ch, key, vel)  # velocity 0 is the note-off
        chunks.append(tw.chunk(end))

    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), PPQ)
    return header + b"".join(chunks)


def piece_files():
    return sorted(os.path.join(PIECES, f) for f in os.listdir(PIECES) if f.endswith(".txt"))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(ROOT, "data", "wavefiles"))
    ap.add_argument("pieces", nargs="*", help="note files (default: all in pieces/)")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    try:
        for path in args.pieces or piece_files():
            piece = Piece(path)
            blob = midi_bytes(piece)
            name = "mymusic%02d.mid" % piece.number
            with open(os.path.join(args.out, name), "wb") as f:
                f.write(blob)
    except NoteFileError as e:
        sys.exit("make_music: %s" % e)


if __name__ == "__main__":
    main()
