#!/usr/bin/python3
"""Checks the background music: usage: check_music.py WAVEFILES_DIR

mymusic01.mid to mymusic12.mid must each be a Standard MIDI File the program's player
takes: format 1, a tempo track first, every track named and ended by one end-of-track,
channel messages with their data lengths right (running status included, and never
straight after a meta or system-exclusive event, which cancel it), every note started
once and ended once, and 60 to 180 seconds long by its tempo map.

The file is read here byte by byte on purpose, apart from the writer in make_music.py,
so that a fault the writer shares with a reader of its own still shows.
"""

import os
import struct
import sys

COUNT = 12
MIN_SECONDS, MAX_SECONDS = 60.0, 180.0
DATA_BYTES = {0x80: 2, 0x90: 2, 0xA0: 2, 0xB0: 2, 0xC0: 1, 0xD0: 1, 0xE0: 2}


class Fault(Exception):
    pass


def read_vlq(buf, pos):
    value = 0
    for i in range(4):
        if pos >= len(buf):
            raise Fault("variable-length number runs off the track")
        b = buf[pos]
        pos += 1
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            return value, pos
    raise Fault("variable-length number longer than 4 bytes")


def parse_track(buf):
    """Events of one track as (tick, kind, data): kind 'meta' with (type, bytes), or
    'chan' with (status, data bytes)."""
    events, pos, tick, running = [], 0, 0, None
    while pos < len(buf):
        delta, pos = read_vlq(buf, pos)
        tick += delta
        if pos >= len(buf):
            raise Fault("event missing after its delta time")
        b = buf[pos]
        if b == 0xFF:
            if pos + 1 >= len(buf):
                raise Fault("meta event cut short")
            kind = buf[pos + 1]
            length, pos = read_vlq(buf, pos + 2)
            events.append((tick, "meta", (kind, bytes(buf[pos:pos + length]))))
            pos += length
            running = None
        elif b in (0xF0, 0xF7):
            length, pos = read_vlq(buf, pos + 1)
            pos += length
            running = None
        elif b >= 0xF1:
            raise Fault("system message 0x%02X inside a file" % b)
        else:
            if b & 0x80:
                status = b
                pos += 1
            elif running is None:
                raise Fault("data byte 0x%02X with no running status in force" % b)
            else:
                status = running
            n = DATA_BYTES[status & 0xF0]
            data = bytes(buf[pos:pos + n])
            if len(data) != n or any(x & 0x80 for x in data):
                raise Fault("channel message 0x%02X with bad data" % status)
            pos += n
            running = status
            events.append((tick, "chan", (status, data)))
        if pos > len(buf):
            raise Fault("event runs past the end of the track")
    return events


def check_file(path):
    """Returns (seconds, faults) for one file."""
    blob = open(path, "rb").read()
    if blob[:4] != b"MThd" or len(blob) < 14:
        return None, ["no MThd header"]
    hlen, fmt, ntracks, division = struct.unpack(">IHHH", blob[4:14])
    faults = []
    if hlen != 6:
        faults.append("header length %d" % hlen)
    if fmt != 1:
        faults.append("format %d, not 1" % fmt)
    if division & 0x8000 or division == 0:
        return None, faults + ["division is not ticks per quarter note"]
    pos, tracks = 8 + hlen, []
    while pos < len(blob):
        if blob[pos:pos + 4] != b"MTrk" or pos + 8 > len(blob):
            return None, faults + ["bytes at %d are not a track chunk" % pos]
        (length,) = struct.unpack(">I", blob[pos + 4:pos + 8])
        if pos + 8 + length > len(blob):
            return None, faults + ["track %d runs past the end of the file" % len(tracks)]
        tracks.append(blob[pos + 8:pos + 8 + length])
        pos += 8 + length
    if len(tracks) != ntracks:
        faults.append("header says %d tracks, file holds %d" % (ntracks, len(tracks)))
    if len(tracks) < 3:
        faults.append("%d tracks: a tempo track and at least two parts expected" % len(tracks))

    tempos, end_tick = [], 0
    for i, buf in enumerate(tracks):
        try:
            events = parse_track(buf)
        except Fault as e:
            faults.append("track %d: %s" % (i, e))
            continue
        metas = [(t, d) for t, k, d in events if k == "meta"]
        if not events or events[-1][1] != "meta" or events[-1][2] != (0x2F, b""):
            faults.append("track %d does not end with end-of-track" % i)
        if sum(1 for _, d in metas if d[0] == 0x2F) != 1:
            faults.append("track %d has more than one end-of-track" % i)
        if not any(d[0] == 0x03 and d[1] for _, d in metas):
            faults.append("track %d has no name" % i)
        end_tick = max(end_tick, events[-1][0] if events else 0)
        chan = [(t, d) for t, k, d in events if k == "chan"]
        if i == 0:
            tempos = [(t, int.from_bytes(d[1], "big")) for t, d in metas if d[0] == 0x51]
            if chan:
                faults.append("the tempo track holds channel messages")
            if any(len(d[1]) != 3 for _, d in metas if d[0] == 0x51):
                faults.append("tempo event of the wrong length")
            continue
        if any(d[0] == 0x51 for _, d in metas):
            faults.append("track %d: tempo outside the tempo track" % i)
        sounding, notes, programmed = set(), 0, set()
        for t, (status, data) in chan:
            kind, ch = status & 0xF0, status & 0x0F
            if kind == 0xC0:
                programmed.add(ch)
            on = kind == 0x90 and data[1] > 0
            off = kind == 0x80 or (kind == 0x90 and data[1] == 0)
            if on:
                if (ch, data[0]) in sounding:
                    faults.append("track %d: key %d struck again while sounding at tick %d"
                                  % (i, data[0], t))
                if ch not in programmed:
                    faults.append("track %d: a note before its program change" % i)
                sounding.add((ch, data[0]))
                notes += 1
            elif off:
                if (ch, data[0]) not in sounding:
                    faults.append("track %d: key %d released but not sounding at tick %d"
                                  % (i, data[0], t))
                sounding.discard((ch, data[0]))
        if sounding:
            faults.append("track %d: %d notes never released" % (i, len(sounding)))
        if not notes:
            faults.append("track %d plays no note" % i)
    if not tempos or tempos[0][0] != 0:
        faults.append("no tempo at the start")
        return None, faults

    seconds, tick, usec = 0.0, 0, 500000
    for t, u in tempos + [(end_tick, None)]:
        seconds += (t - tick) * usec / division / 1e6
        tick = t
        if u is not None:
            usec = u
    if not MIN_SECONDS <= seconds <= MAX_SECONDS:
        faults.append("%.1f s long, not %g to %g s" % (seconds, MIN_SECONDS, MAX_SECONDS))
    return seconds, faults


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.splitlines()[0])
    folder = sys.argv[1]
    expected = ["mymusic%02d.mid" % n for n in range(1, COUNT + 1)]
    present = sorted(f for f in os.listdir(folder) if f.lower().endswith(".mid"))
    faults = ["%s: not one of mymusic01..%02d" % (f, COUNT) for f in present if f not in expected]
    for name in expected:
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            faults.append("%s: missing" % name)
            continue
        seconds, fs = check_file(path)
        faults += ["%s: %s" % (name, f) for f in fs]
        if seconds is not None:
            print("%s  %5.1f s" % (name, seconds))
    for f in faults:
        print("FAULT " + f)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
