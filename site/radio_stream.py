"""Endless internet-radio streams made from the demo site's MP3 files.

Each programme plays MP3 frames of the site's tunes in a loop at their own
pace, with a title that changes every few seconds: one programme per tune,
named after its file, and "live", all the tunes one after the other. A
client that asks for metadata ("Icy-MetaData: 1") gets the ICY metadata
blocks woven into the audio every METAINT bytes, as radio servers do it.
"""

import itertools
import pathlib
import time

METAINT = 8000
TITLE_SECONDS = 4.0
# Sent at once so that a player starts quickly, then the stream keeps pace.
HEAD_START_SECONDS = 1.5

# Each tune of public/streams with the titles its programme announces in turn.
TUNES = {
    "harbour": ["Harbour Tunes - Morning Tide", "Harbour Tunes - High Water",
                "Harbour Tunes - Evening Swell"],
    "lounge": ["Lounge Trio - Caf\u00e9 Nocturne", "Lounge Trio - Velvet Chairs",
               "Lounge Trio - Last Call"],
    "pulse": ["Pulse - Square Waves", "Pulse - Low Battery", "Pulse - Eight Bits"],
    "news": ["Velmora News - The Weather", "Velmora News - Shipping Forecast"],
    "talk": ["Velmora Talk - The Morning Show", "Velmora Talk - Letters from Listeners"],
}
# "live" plays these tunes one after the other, each announced by its first title.
LIVE = ["harbour", "lounge", "pulse", "news"]

# MPEG audio header fields: bit rates (kbit/s) by version group and index,
# sample rates by version.
_BITRATES = {
    1: [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320],
    2: [0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160],
}
_SAMPLE_RATES = {3: [44100, 48000, 32000], 2: [22050, 24000, 16000], 0: [11025, 12000, 8000]}


def _frames(data):
    """The Layer III frames of an MP3 file, as (bytes, seconds) pairs."""
    at = 0
    while at + 4 <= len(data):
        b1, b2 = data[at + 1], data[at + 2]
        version = (b1 >> 3) & 3
        if data[at] != 0xFF or (b1 & 0xE0) != 0xE0 or version == 1 or (b1 >> 1) & 3 != 1:
            at += 1
            continue
        bitrate_index, rate_index = b2 >> 4, (b2 >> 2) & 3
        if bitrate_index in (0, 15) or rate_index == 3:
            at += 1
            continue
        bitrate = _BITRATES[1 if version == 3 else 2][bitrate_index] * 1000
        rate = _SAMPLE_RATES[version][rate_index]
        per_frame = 1152 if version == 3 else 576
        length = per_frame // 8 * bitrate // rate + ((b2 >> 1) & 1)
        yield data[at:at + length], per_frame / rate
        at += length


class Programme:
    """What one radio address plays: MP3 frames to loop and the titles."""

    def __init__(self, name, frames, titles):
        self.name = name
        self.frames = frames
        self.titles = titles


def load_programmes(streams_folder):
    """Every programme by name: one per tune, and "live"."""
    frames = {name: list(_frames((pathlib.Path(streams_folder) / (name + ".mp3")).read_bytes()))
              for name in TUNES}
    programmes = {name: Programme(name, frames[name], TUNES[name]) for name in TUNES}
    programmes["live"] = Programme("live", [f for name in LIVE for f in frames[name]],
                                   [TUNES[name][0] for name in LIVE])
    return programmes


def metadata_block(title):
    """One ICY metadata block: a length byte (in 16-byte units) and the text."""
    text = ("StreamTitle='%s';" % title).encode("utf-8")
    text += b"\0" * (-len(text) % 16)
    return bytes([len(text) // 16]) + text


class RadioStream:
    """Writes the stream to a socket file until the client leaves or the
    time limit (None: none) has passed."""

    def __init__(self, programme, with_metadata):
        self.programme = programme
        self.with_metadata = with_metadata
        self.until_metadata = METAINT
        self.last_title = None

    def write(self, out, limit_seconds, stopping):
        started = time.monotonic()
        played = 0.0
        titles = self.programme.titles
        for frame, seconds in itertools.cycle(self.programme.frames):
            if stopping.is_set():
                return
            if limit_seconds is not None and time.monotonic() - started >= limit_seconds:
                return
            title = titles[int(played // TITLE_SECONDS) % len(titles)]
            out.write(self._woven(frame, title))
            played += seconds
            ahead = played - HEAD_START_SECONDS - (time.monotonic() - started)
            if ahead > 0:
                out.flush()
                time.sleep(ahead)

    def _woven(self, audio, title):
        if not self.with_metadata:
            return audio
        woven = b""
        while len(audio) >= self.until_metadata:
            woven += audio[:self.until_metadata] + self._metadata(title)
            audio = audio[self.until_metadata:]
            self.until_metadata = METAINT
        self.until_metadata -= len(audio)
        return woven + audio

    def _metadata(self, title):
        # Radio servers send an empty block while the title stays the same.
        if title == self.last_title:
            return b"\0"
        self.last_title = title
        return metadata_block(title)
