#!/usr/bin/env python3
"""Names the notes of a tune heard as 16-bit mono raw samples on standard
input, so that scripts/e2e can tell which of the demo site's tunes a station
plays.

Usage: notes_heard.py RATE

Prints the melody on one line, e.g. "C4 E4 G4". Each tenth of a second is
named after the semitone, C2 to B6, whose pitch sounds strongest together
with its first two overtones; a name that holds for two tenths or more in a
row is a note. A quiet tenth ends a note.
"""

import array
import itertools
import math
import sys

NAMES = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
LOWEST, HIGHEST = 36, 95  # C2 and B6 as MIDI note numbers
QUIET_RMS = 300  # of 32768: about the level of the old "any sound" check


def amplitude(samples, rate, frequency):
    """How strongly one frequency sounds in the samples (Goertzel)."""
    if frequency >= rate / 2:
        return 0.0
    coefficient = 2 * math.cos(2 * math.pi * frequency / rate)
    last = before = 0.0
    for sample in samples:
        last, before = sample + coefficient * last - before, last
    return math.sqrt(max(0.0, last * last + before * before - coefficient * last * before))


def pitch(note):
    return 440 * 2 ** ((note - 69) / 12)


def name(note):
    return NAMES[note % 12] + str(note // 12 - 1)


# A plucked string's first overtone, an octave up, can sound louder than its
# pitch; counting the overtones (less and less) names the note at its own
# pitch, and a pure tone still never looks like the octave below it.
def strongest_note(samples, rate):
    def strength(note):
        return sum(amplitude(samples, rate, pitch(note) * k) / k for k in (1, 2, 3))
    return max(range(LOWEST, HIGHEST + 1), key=strength)


def name_of_tenth(samples, rate):
    if math.sqrt(sum(s * s for s in samples) / len(samples)) < QUIET_RMS:
        return "-"
    size = len(samples)
    hann = (0.5 - 0.5 * math.cos(2 * math.pi * i / size) for i in range(size))
    return name(strongest_note([s * w for s, w in zip(samples, hann)], rate))


# A note's first tenth may hold the pluck's attack, which has no clear pitch:
# only a name held for two tenths counts.
def melody(names):
    return [n for n, run in itertools.groupby(names) if n != "-" and len(list(run)) >= 2]


def main():
    rate = int(sys.argv[1])
    raw = sys.stdin.buffer.read()
    samples = array.array("h", raw[:len(raw) // 2 * 2])
    step = rate // 10
    names = [name_of_tenth(samples[at:at + step], rate)
             for at in range(0, len(samples) - step + 1, step)]
    print(" ".join(melody(names)))


if __name__ == "__main__":
    main()
