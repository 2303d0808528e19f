#!/usr/bin/python3
"""Writes the sound effects listed in sounds.tsv into data/wavefiles (or --out DIR).

The click and the error beep are synthesised here; "sorry" is spoken by espeak-ng and
then trimmed, filtered and levelled here. Output is byte-for-byte reproducible: the noise
comes from a generator with a fixed start value, samples are rounded without dither, the WAV
header is written by hand (no LIST/INFO chunk, no time stamp), and espeak-ng runs in a bare
environment that leaves its breath noise alone (espeak_env).
"""

import argparse
import math
import os
import struct
import subprocess
import sys
import tempfile

RATE = 22050
PEAK_DBFS = -3.0
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
ESPEAK = "/usr/bin/espeak-ng"


def read_table(path=os.path.join(HERE, "sounds.tsv")):
    """Rows of sounds.tsv as (name, min_ms, max_ms)."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            name, lo, hi, _what = line.split("\t")
            rows.append((name, int(lo), int(hi)))
    return rows


# --- small signal toolkit ------------------------------------------------------------

class XorShift32:
    """Noise source with a fixed start value, independent of Python's random module."""

    def __init__(self, start):
        self.state = start & 0xFFFFFFFF

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x / 2147483648.0 - 1.0  # [-1, 1)


def biquad(signal, kind, freq, q=0.7071):
    """RBJ low- or high-pass, direct form I."""
    w = 2.0 * math.pi * freq / RATE
    cw, alpha = math.cos(w), math.sin(w) / (2.0 * q)
    if kind == "low":
        b = [(1 - cw) / 2, 1 - cw, (1 - cw) / 2]
    else:
        b = [(1 + cw) / 2, -(1 + cw), (1 + cw) / 2]
    a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    b0, b1, b2 = (x / a0 for x in b)
    a1, a2 = a1 / a0, a2 / a0
    out = []
    x1 = x2 = y1 = y2 = 0.0
    for x in signal:
        y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, x, y1, y
        out.append(y)
    return out


def fade(signal, in_ms, out_ms):
    """Raised-cosine fade at both ends, so playback starts and stops without a click."""
    s = list(signal)
    n_in = max(1, int(RATE * in_ms / 1000))
    n_out = max(1, int(RATE * out_ms / 1000))
    for i in range(min(n_in, len(s))):
        s[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(min(n_out, len(s))):
        s[-1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return s


def to_pcm16(signal):
    """Scale to the common peak level and round to 16-bit (no dither)."""
    peak = max(abs(x) for x in signal)
    gain = 10 ** (PEAK_DBFS / 20) * 32767 / peak
    return [max(-32768, min(32767, int(round(x * gain)))) for x in signal]


def wav_bytes(samples):
    """Canonical 44-byte-header PCM WAV, mono 16-bit."""
    data = struct.pack("<%dh" % len(samples), *samples)
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * 2, 2, 16)
    return (b"RIFF" + struct.pack("<I", 4 + 8 + len(fmt) + 8 + len(data)) + b"WAVE"
            + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(data)) + data)


def damped_sine(n, start, freq, tau_ms, amp):
    out = [0.0] * n
    tau = RATE * tau_ms / 1000
    for i in range(start, n):
        t = i - start
        out[i] = amp * math.exp(-t / tau) * math.sin(2 * math.pi * freq * t / RATE)
    return out


def noise_burst(n, start, tau_ms, amp, rng):
    """Exponentially decaying noise, first-differenced so it is bright, not hissy."""
    out = [0.0] * n
    tau = RATE * tau_ms / 1000
    prev = 0.0
    for i in range(start, n):
        v = rng.next()
        out[i] = amp * math.exp(-(i - start) / tau) * (v - prev)
        prev = v
    return out


def mix(*parts):
    return [sum(v) for v in zip(*parts)]


# --- the sounds -------------------------------------------------------------------------

def make_click():
    """A mechanical key: a sharp contact tick, a short plastic ring and a soft low thock,
    then a fainter tick a few milliseconds later where the key bottoms out."""
    n = int(RATE * 0.040)
    rng = XorShift32(0x51C0FFEE)
    down = int(RATE * 0.0005)
    bottom = int(RATE * 0.011)
    s = mix(
        noise_burst(n, down, 0.7, 1.0, rng),
        damped_sine(n, down, 3300, 2.0, 0.55),
        damped_sine(n, down, 1250, 4.5, 0.40),
        damped_sine(n, down, 210, 7.0, 0.30),
        noise_burst(n, bottom, 0.5, 0.45, rng),
        damped_sine(n, bottom, 2500, 2.5, 0.25),
    )
    s = biquad(s, "high", 90)  # no DC from the thock
    return fade(s, 0.3, 10)


def make_error_beep():
    """Two soft notes a fourth apart, falling (D5 then A4): says "wrong" without a buzz.
    A few low harmonics give the tone body; the low-pass keeps it from being shrill."""
    notes = [(587.33, 0.000, 0.120), (440.00, 0.145, 0.300)]
    harmonics = [(1, 1.0), (2, 0.35), (3, 0.22), (4, 0.08), (5, 0.05)]
    n = int(RATE * 0.300)
    s = [0.0] * n
    for freq, t0, t1 in notes:
        i0, i1 = int(RATE * t0), int(RATE * t1)
        length = i1 - i0
        attack, release = int(RATE * 0.004), int(RATE * 0.030)
        for k in range(length):
            env = math.exp(-k / (RATE * 0.180))
            if k < attack:
                env *= 0.5 - 0.5 * math.cos(math.pi * k / attack)
            if k >= length - release:
                env *= 0.5 - 0.5 * math.cos(math.pi * (length - k) / release)
            t = k / RATE
            s[i0 + k] += env * sum(a * math.sin(2 * math.pi * h * freq * t) for h, a in harmonics)
    s = biquad(s, "low", 3500)
    return fade(s, 1, 5)


def espeak_env(tmp):
    """A bare environment for espeak-ng in which its breath noise is always the same.

    The f3 voice's breath noise comes from libc's rand(), never seeded, so it repeats only
    if nothing else in the process draws from rand() first. espeak-ng probes PulseAudio
    even when writing a file, and a PulseAudio client without a runtime directory makes
    one named /tmp/pulse-<rand()>, retrying past every such name that already exists. So
    the first run under a new HOME (a fresh machine, a cleaned /tmp) spoke with other
    noise. Naming a server that is not there makes the probe fail before it gets that
    far; the rest keeps HOME and the caller's espeak-ng settings out of it."""
    return {
        "HOME": tmp,
        "PULSE_SERVER": "unix:" + os.path.join(tmp, "no-sound-server"),
        "PULSE_RUNTIME_PATH": os.path.join(tmp, "pulse"),
        "LC_ALL": "C.UTF-8",
    }


def make_sorry():
    """espeak-ng's female American voice, a little slow and high, trimmed to the word."""
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "sorry.wav")
        subprocess.run([ESPEAK, "-v", "en-us+f3", "-s", "140", "-p", "60", "-a", "100",
                        "-w", raw, "sorry"], check=True, env=espeak_env(tmp))
        with open(raw, "rb") as f:
            blob = f.read()
    # espeak-ng writes a plain 44-byte-header PCM file at 22050 Hz mono.
    if blob[:4] != b"RIFF" or blob[8:12] != b"WAVE" or blob[36:40] != b"data":
        sys.exit("make_sounds: unexpected espeak-ng output layout")
    rate, bits = struct.unpack("<I", blob[24:28])[0], struct.unpack("<H", blob[34:36])[0]
    if rate != RATE or bits != 16:
        sys.exit("make_sounds: espeak-ng wrote %d Hz %d-bit, need %d Hz 16-bit" % (rate, bits, RATE))
    pcm = blob[44:]
    x = [v / 32768.0 for v in struct.unpack("<%dh" % (len(pcm) // 2), pcm[: len(pcm) // 2 * 2])]

    # Trim the silence espeak-ng puts around the word: keep from the first to the last
    # 5 ms frame whose RMS is above -32 dB of the loudest frame, with a little margin.
    frame = int(RATE * 0.005)
    rms = [math.sqrt(sum(v * v for v in x[i:i + frame]) / frame) for i in range(0, len(x) - frame, frame)]
    gate = max(rms) * 10 ** (-32 / 20)
    loud = [i for i, r in enumerate(rms) if r > gate]
    first = max(0, loud[0] * frame - int(RATE * 0.005))
    last = min(len(x), (loud[-1] + 1) * frame + int(RATE * 0.020))
    s = x[first:last]

    s = biquad(s, "high", 100)  # rumble and DC
    s = biquad(s, "low", 6000)  # soften the formant synthesiser's buzz
    return fade(s, 5, 30)


MAKERS = {"Buttons": make_click, "sorry": make_sorry, "Mto_002": make_error_beep}


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(ROOT, "data", "wavefiles"))
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, lo, hi in read_table():
        samples = to_pcm16(MAKERS[name]())
        ms = 1000 * len(samples) / RATE
        if not lo <= ms <= hi:
            sys.exit("make_sounds: %s is %.1f ms, outside %d-%d ms" % (name, ms, lo, hi))
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(wav_bytes(samples))


if __name__ == "__main__":
    main()
