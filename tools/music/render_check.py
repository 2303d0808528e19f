#!/usr/bin/python3
"""Plays the background music through FluidSynth and the General MIDI sound font and
listens: usage: render_check.py [--envelope] WAVEFILES_DIR [mymusicNN.mid ...]

Each piece is rendered to a WAV file (faster than real time, two at a time) and must last
60 to 180 s, sound in nearly every half second up to its last note (no part of it
silent for longer than a breath), and never clip. --envelope prints each piece's loudness
per half second, a quick way to see that a change still sounds like music.
"""

import array
import math
import os
import subprocess
import sys
import tempfile
import wave
from concurrent.futures import ThreadPoolExecutor

FLUIDSYNTH = "/usr/bin/fluidsynth"
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
RATE = 22050
WINDOW = 0.5                 # seconds per loudness reading
FLOOR_DB = -50.0             # quieter than this counts as silence
MIN_SOUNDING = 0.95          # share of windows, up to the last note, above the floor
MAX_GAP = 2.0                # longest silence inside a piece, seconds
MIN_SECONDS, MAX_SECONDS = 60.0, 180.0


def render(mid, wav):
    # Reverb and chorus off: they only colour the sound and double the render time.
    subprocess.run([FLUIDSYNTH, "-ni", "-q", "-o", "synth.reverb.active=0",
                    "-o", "synth.chorus.active=0", "-g", "0.5", "-r", str(RATE),
                    "-F", wav, SOUNDFONT, mid],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def envelope(wav):
    """(seconds, [dBFS per window], peak) of a 16-bit WAV file."""
    with wave.open(wav, "rb") as w:
        if w.getsampwidth() != 2:
            raise ValueError("not 16-bit")
        channels, rate = w.getnchannels(), w.getframerate()
        frames = w.getnframes()
        samples = array.array("h", w.readframes(frames))
    if sys.byteorder != "little":
        samples.byteswap()
    step = int(WINDOW * rate) * channels
    levels = []
    for i in range(0, len(samples) - step + 1, step):
        chunk = samples[i:i + step]
        power = sum(map(int.__mul__, chunk, chunk)) / len(chunk)
        levels.append(10 * math.log10(power / 32768.0 ** 2) if power else -120.0)
    peak = max(map(abs, samples)) if samples else 0
    return frames / rate, levels, peak


def judge(name, seconds, levels, peak):
    faults = []
    if not MIN_SECONDS <= seconds <= MAX_SECONDS:
        faults.append("%.1f s long, not %g to %g s" % (seconds, MIN_SECONDS, MAX_SECONDS))
    loud = [i for i, db in enumerate(levels) if db > FLOOR_DB]
    if not loud:
        return faults + ["silent"]
    body = levels[:loud[-1] + 1]  # up to the last sounding window; the fade may be quiet
    sounding = sum(1 for db in body if db > FLOOR_DB) / len(body)
    if sounding < MIN_SOUNDING:
        faults.append("sounds in only %.0f%% of its length" % (100 * sounding))
    gap = run = 0
    for db in body:
        run = run + 1 if db <= FLOOR_DB else 0
        gap = max(gap, run)
    if gap * WINDOW > MAX_GAP:
        faults.append("silent for %.1f s in a row" % (gap * WINDOW))
    if peak >= 32767:
        faults.append("clips")
    return faults


def main():
    args = sys.argv[1:]
    show = "--envelope" in args
    args = [a for a in args if a != "--envelope"]
    if not args:
        sys.exit(__doc__.splitlines()[0])
    folder, names = args[0], args[1:]
    names = names or ["mymusic%02d.mid" % n for n in range(1, 13)]
    for tool in (FLUIDSYNTH, SOUNDFONT):
        if not os.path.exists(tool):
            sys.exit("%s is missing (scripts/setup.sh installs it)" % tool)
    with tempfile.TemporaryDirectory() as tmp:
        def one(name):
            wav = os.path.join(tmp, name + ".wav")
            render(os.path.join(folder, name), wav)
            result = envelope(wav)
            os.remove(wav)
            return result
        with ThreadPoolExecutor(max_workers=2) as pool:
            results = list(pool.map(one, names))
    faults = []
    for name, (seconds, levels, peak) in zip(names, results):
        body = [db for db in levels if db > FLOOR_DB]
        mean = 10 * math.log10(sum(10 ** (db / 10) for db in body) / len(body)) if body else -120
        print("%s  %5.1f s  mean %5.1f dBFS  quietest %5.1f dBFS  peak %5d"
              % (name, seconds, mean, min(levels or [-120]), peak))
        if show:
            print("   " + " ".join("%d" % round(db) for db in levels))
        faults += ["%s: %s" % (name, f) for f in judge(name, seconds, levels, peak)]
    for f in faults:
        print("FAULT " + f)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
