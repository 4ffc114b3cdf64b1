"""Endless internet-radio streams made from the demo site's MP3 and AAC files.

Each programme plays the frames of the site's tunes in a loop at their own
pace, with a title that changes every few seconds: one programme per tune,
named after its file ("harbour.mp3", "lounge.aac"), and "live" in each
format, all the tunes of that format one after the other. A client that asks
for metadata ("Icy-MetaData: 1") gets the ICY metadata blocks woven into the
audio every METAINT bytes, as radio servers do it.

The AAC programmes send their titles in Windows-1252, as many servers still
do; the MP3 ones in UTF-8.
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
# Tunes that are also sent as AAC (ADTS); "tone" is a steady 440 Hz.
AAC_TUNES = {
    "lounge": TUNES["lounge"],
    "pulse": TUNES["pulse"],
    "tone": ["Tone - A 440", "Tone - Still A 440"],
}
# "live" plays these tunes one after the other, each announced by its first
# title. The AAC tunes differ in rate and channels, so "live.aac" changes its
# format twice a round.
LIVE = {"mp3": ["harbour", "lounge", "pulse", "news"], "aac": ["lounge", "pulse"]}
CONTENT_TYPES = {"mp3": "audio/mpeg", "aac": "audio/aacp"}
TITLE_ENCODINGS = {"mp3": "utf-8", "aac": "cp1252"}

# MPEG audio header fields: bit rates (kbit/s) by version group and index,
# sample rates by version.
_BITRATES = {
    1: [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320],
    2: [0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160],
}
_SAMPLE_RATES = {3: [44100, 48000, 32000], 2: [22050, 24000, 16000], 0: [11025, 12000, 8000]}


def _mp3_frames(data):
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


_ADTS_RATES = [96000, 88200, 64000, 48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025,
               8000, 7350]


def _adts_frames(data):
    """The ADTS frames of an AAC file, as (bytes, seconds) pairs."""
    at = 0
    while at + 7 <= len(data):
        if data[at] != 0xFF or data[at + 1] & 0xF6 != 0xF0:
            at += 1
            continue
        rate = _ADTS_RATES[(data[at + 2] >> 2) & 0xF]
        length = (data[at + 3] & 3) << 11 | data[at + 4] << 3 | data[at + 5] >> 5
        blocks = (data[at + 6] & 3) + 1
        yield data[at:at + length], blocks * 1024 / rate
        at += length


_FRAMES = {"mp3": _mp3_frames, "aac": _adts_frames}


class Programme:
    """What one radio address plays: frames to loop and the titles."""

    def __init__(self, name, audio_format, frames, titles):
        self.name = name
        self.content_type = CONTENT_TYPES[audio_format]
        self.title_encoding = TITLE_ENCODINGS[audio_format]
        self.frames = frames
        self.titles = titles


def load_programmes(streams_folder):
    """Every programme by file name ("lounge.aac"): one per tune, and "live"
    in each format."""
    programmes = {}
    for audio_format, tunes in (("mp3", TUNES), ("aac", AAC_TUNES)):
        frames = {name: list(_FRAMES[audio_format](
            (pathlib.Path(streams_folder) / (name + "." + audio_format)).read_bytes()))
            for name in tunes}
        for name, titles in tunes.items():
            programmes[name + "." + audio_format] = Programme(name, audio_format, frames[name],
                                                              titles)
        live = LIVE[audio_format]
        programmes["live." + audio_format] = Programme(
            "live", audio_format, [f for name in live for f in frames[name]],
            [tunes[name][0] for name in live])
    return programmes


def metadata_block(title, encoding="utf-8"):
    """One ICY metadata block: a length byte (in 16-byte units) and the text."""
    text = ("StreamTitle='%s';" % title).encode(encoding)
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
        return metadata_block(title, self.programme.title_encoding)
