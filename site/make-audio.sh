#!/usr/bin/env bash
# Makes the demo site's short audio streams in public/streams: a few seconds
# of tunes played with sox and of speech from espeak-ng, as WAV, as MP3 (lame)
# and some as AAC in ADTS frames (GStreamer's avenc_aac). The files are
# committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
out=public/streams
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

rate=11025

# tune NAME INSTRUMENT NOTE... : a melody of quarter-second plucked or sine
# notes, ending with a short fade.
tune() {
    local name=$1 instrument=$2
    shift 2
    local parts=() index=0
    for note in "$@"; do
        sox -n -r "$rate" -b 16 -c 1 "$work/$name-$index.wav" \
            synth 0.28 "$instrument" "$note" fade 0 0.28 0.08 gain -6
        parts+=("$work/$name-$index.wav")
        index=$((index + 1))
    done
    sox "${parts[@]}" "$work/$name.wav" fade 0 -0 0.3
}

# speech NAME TEXT
speech() {
    espeak-ng -v en -s 150 -w "$work/$1-raw.wav" "$2"
    sox "$work/$1-raw.wav" -r "$rate" -b 16 -c 1 "$work/$1.wav"
}

tune harbour pluck C4 E4 G4 C5 G4 E4 F4 A4 C5 A4 G4 E4 C4
tune lounge sine A3 C4 E4 G4 E4 C4 D4 F4 A4 F4 E4 C4 A3
tune pulse square C3 C3 G3 C3 C3 G3 A#2 C3 C3 G3 C3 D#3 C3
speech news "Velmora news. Heavy rain in the north tonight, sunshine tomorrow. \
And now, the weather for shipping."
speech talk "You are listening to Velmora talk radio. Stay with us for the morning show."

for name in harbour lounge pulse news talk; do
    lame --quiet -b 32 -m m --resample 22.05 "$work/$name.wav" "$out/$name.mp3"
done
# aac NAME RATE CHANNELS BITRATE: the tune as AAC-LC, as AAC radio sends it.
aac() {
    gst-launch-1.0 -q filesrc location="$work/$1.wav" ! wavparse ! audioconvert ! audioresample \
        ! "audio/x-raw,rate=$2,channels=$3" ! avenc_aac bitrate="$4" ! aacparse \
        ! audio/mpeg,stream-format=adts ! filesink location="$out/$1.aac"
}
# A steady A (440 Hz), by which a listener can tell the rate it plays at.
sox -n -r 44100 -b 16 -c 2 "$work/tone.wav" synth 3 sine 440 gain -6
aac lounge 22050 1 32000
aac pulse 44100 2 64000
aac tone 44100 2 64000

cp "$work/lounge.wav" "$out/lounge.wav"
cp "$work/talk.wav" "$out/talk.wav"
