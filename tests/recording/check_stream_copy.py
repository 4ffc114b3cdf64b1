#!/usr/bin/python3
"""check_stream_copy.py RECORDINGS SITE STATION SECONDS [PROGRAMME] [--began=AFTER]

Checks the files that a copy of the demo site's PROGRAMME ("live.mp3" unless
given; "live.aac" for the AAC one) left in RECORDINGS, a file per title, the
files of its extension only, against what the server (SITE/radio_stream.py)
sent from the start of its connection. The programme repeats its tunes, so
the same frames come again later with the metadata blocks elsewhere among
them: AFTER, the seconds from the station's choice to the copy's start,
tells which of those runs the copy is (the first one when not given).
- joined in the order they were written, the files' audio is one unbroken
  run of the frames the server sent, starting and ending on a whole frame:
  none missing, none twice, nothing else;
- the run lasts about SECONDS ("any": a disk that filled up decides);
- each file is named after the title the server gave most of its frames,
  the first and the last one "(incomplete)" and no other, and no two files
  in a row share a title;
- an MP3 file carries an ID3v2 tag of its title, artist and STATION (read
  by mutagen), an AAC file no tag at all;
- each decodes (MP3 with lame, AAC with GStreamer's libav decoder) to as
  many samples as its frames hold, not silent.
Prints what it found; exits 1 when something is wrong.
"""

import array
import collections
import math
import pathlib
import re
import subprocess
import sys
import tempfile
import wave

import mutagen.id3

INCOMPLETE = " (incomplete)"
DECODER_SLACK_SECONDS = 0.08

faults = []


def fault(text):
    faults.append(text)
    print("FAULT: " + text)


def audio_after_tag(data, extension):
    if extension == ".aac":
        return None if data[:3] == b"ID3" else data
    if data[:3] != b"ID3":
        return None
    size = 0
    for byte in data[6:10]:
        size = size << 7 | (byte & 0x7F)
    return data[10 + size:]


def site_server(site):
    """The demo site's stream server (SITE/radio_stream.py): what it sends."""
    sys.path.insert(0, str(site))
    import radio_stream
    return radio_stream


def sent_stream(radio_stream, site, programme_name, seconds):
    """The frames the server sends from a connection's start, with their
    lengths in seconds and the title announced for each, for somewhat more
    than `seconds`. The server weaves a metadata block in after every METAINT
    audio bytes, naming the title of the frame it falls in (or ends); a
    listener takes a block's title from the first frame starting after it."""
    programme = radio_stream.load_programmes(site / "public" / "streams")[programme_name]
    frames, lengths, announced = [], [], []
    played, start, next_block, title_now, told = 0.0, 0, radio_stream.METAINT, None, None
    while played < seconds:
        for frame, length in programme.frames:
            while next_block <= start:  # blocks that came before this frame
                told = title_now
                next_block += radio_stream.METAINT
            title_now = programme.titles[int(played // radio_stream.TITLE_SECONDS)
                                         % len(programme.titles)]
            frames.append(frame)
            lengths.append(length)
            announced.append(told)
            played += length
            start += len(frame)
    return frames, lengths, announced


def named_title(name, extension):
    stem = re.sub(r" \(\d+\)$", "", name[:-len(extension)])
    return stem[:-len(INCOMPLETE)] if stem.endswith(INCOMPLETE) else stem


def decode(path, decoded):
    if path.suffix == ".aac":
        # The AAC programme changes its rate and channels between tunes: the
        # samples are made one format before they are written.
        subprocess.run(["gst-launch-1.0", "-q", "filesrc", f"location={path}", "!", "aacparse", "!",
                        "avdec_aac", "!", "audioconvert", "!", "audioresample", "!",
                        "audio/x-raw,format=S16LE,rate=44100,channels=2", "!", "wavenc", "!",
                        "filesink", f"location={decoded}"], check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    else:
        subprocess.run(["lame", "--decode", "--quiet", str(path), str(decoded)], check=False)


def reservoir_seconds(frames, lengths):
    """The seconds of an MP3 file's frames that no decoder can play: those
    whose audio data begins in the bit reservoir, in bytes of frames before
    the file's first (the copy cuts between whole frames, and a frame's data
    may start up to 511 bytes back)."""
    available, lost = 0, 0.0
    for frame, length in zip(frames, lengths):
        side_info = 4 if frame[1] & 1 else 6  # after the header and its CRC, if any
        mono = frame[3] >> 6 == 3
        if (frame[1] >> 3) & 3 == 3:  # MPEG 1: 9 bits back, 17 or 32 bytes of side info
            back = frame[side_info] << 1 | frame[side_info + 1] >> 7
            side_bytes = 17 if mono else 32
        else:  # MPEG 2 and 2.5: 8 bits back, 9 or 17 bytes of side info
            back = frame[side_info]
            side_bytes = 9 if mono else 17
        if back > available:
            lost += length
        available += len(frame) - side_info - side_bytes
    return lost


def check_decodes(path, seconds):
    with tempfile.TemporaryDirectory() as scratch:
        decoded = pathlib.Path(scratch) / "decoded.wav"
        decode(path, decoded)
        if not decoded.exists():
            return fault(f"{path.name} does not decode")
        with wave.open(str(decoded)) as sound:
            decoded_seconds = sound.getnframes() / sound.getframerate()
            samples = array.array("h", sound.readframes(sound.getnframes()))
    loudness = math.sqrt(sum(s * s for s in samples) / len(samples)) if samples else 0
    print(f"{path.name}: decodes to {decoded_seconds:.3f} s (its frames hold {seconds:.3f} s), "
          f"loudness {loudness:.0f}")
    # The decoder's own delay (under 1200 samples) and one frame apart.
    if abs(decoded_seconds - seconds) > DECODER_SLACK_SECONDS:
        fault(f"{path.name} decodes to {decoded_seconds:.3f} s, its frames hold {seconds:.3f} s")
    if loudness < 100:
        fault(f"{path.name} decodes to silence")


def check_tags(path, title, station):
    tags = mutagen.id3.ID3(str(path))
    artist, _, song = title.partition(" - ")
    found = {key: str(tags[key].text[0]) for key in ("TIT2", "TPE1", "TRSN") if key in tags}
    wanted = {"TIT2": song, "TPE1": artist, "TRSN": station}
    if found != wanted:
        fault(f"{path.name} is tagged {found}, not {wanted}")


def main():
    began = None
    arguments = []
    for argument in sys.argv[1:]:
        if argument.startswith("--began="):
            began = float(argument.split("=", 1)[1])
        else:
            arguments.append(argument)
    recordings, site, station, seconds = (pathlib.Path(arguments[0]), pathlib.Path(arguments[1]),
                                          arguments[2], arguments[3])
    seconds = None if seconds == "any" else float(seconds)
    programme = arguments[4] if len(arguments) > 4 else "live.mp3"
    extension = pathlib.PurePath(programme).suffix
    files = sorted(recordings.glob("*" + extension), key=lambda p: p.stat().st_mtime_ns)
    if not files:
        fault(f"no {extension} files")
        return
    server = site_server(site)
    sent, lengths, announced = sent_stream(server, site, programme, 3 * (seconds or 30) + (began or 0))
    starts, times, at, played = [], [], 0, 0.0
    for frame, length in zip(sent, lengths):
        starts.append(at)
        times.append(played)
        at += len(frame)
        played += length
    sent_bytes = b"".join(sent)
    frame_at = {start: index for index, start in enumerate(starts)}
    frame_at[len(sent_bytes)] = len(sent)

    pieces = []
    for path in files:
        audio = audio_after_tag(path.read_bytes(), extension)
        if audio is None:
            fault(f"{path.name} is {'tagged' if extension == '.aac' else 'not tagged'}")
            audio = b""
        pieces.append(audio)
    joined = b"".join(pieces)
    runs = []
    found = sent_bytes.find(joined) if joined else -1
    while found >= 0:
        if found in frame_at and found + len(joined) in frame_at:
            runs.append(frame_at[found])
        found = sent_bytes.find(joined, found + 1)
    if not runs:
        return fault("the files joined are not a run of whole frames the server sent")
    # The server sends a head start at once, then keeps pace: a copy begun
    # AFTER seconds in starts about that far past the head start.
    expected_start = None if began is None else began + server.HEAD_START_SECONDS
    first = runs[0] if expected_start is None else min(
        runs, key=lambda run: abs(times[run] - expected_start))
    copied = frame_at[starts[first] + len(joined)] - first
    length = sum(lengths[first:first + copied])
    print(f"the files hold frames {first} to {first + copied - 1} of those sent, {length:.2f} s")
    if seconds is not None and abs(length - seconds) > 2.5:
        fault(f"the copy lasts {length:.2f} s, not about {seconds} s")

    frame, previous = first, None
    for index, (path, audio) in enumerate(zip(files, pieces)):
        end = starts[frame] + len(audio)
        if end not in frame_at:
            return fault(f"{path.name} ends inside a frame")
        count = frame_at[end] - frame
        titles = collections.Counter(announced[frame:frame + count])
        file_seconds = sum(lengths[frame:frame + count])
        frame += count
        title = named_title(path.name, extension)
        print(f"{path.name}: {count} frames announced as {dict(titles)}")
        if set(titles) != {title}:
            fault(f"{path.name} holds frames announced as {dict(titles)}")
        incomplete = INCOMPLETE in path.name
        if incomplete != (index in (0, len(files) - 1)):
            fault(f"{path.name} is {'' if incomplete else 'not '}named incomplete")
        if title == previous:
            fault(f"{path.name} has the title of the file before")
        previous = title
        if extension == ".mp3":
            check_tags(path, title, station)
            unplayable = reservoir_seconds(sent[frame - count:frame], lengths[frame - count:frame])
            if unplayable:
                print(f"{path.name}: {unplayable:.3f} s of its first frames lie in the reservoir")
            file_seconds -= unplayable
        check_decodes(path, file_seconds)


main()
sys.exit(1 if faults else 0)
