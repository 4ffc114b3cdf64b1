#!/usr/bin/env bash
# Writes marks.wav to $1: a 440 Hz tone at a quarter of full scale, raised to
# 0.8 for 5 ms at each mark. The marks lie 80, 90, ..., 140 ms apart in turn,
# a cycle of 770 ms, so sound lost from a recording shows as a gap out of turn
# unless exactly whole cycles went (a lost ring of 2 s never is).
set -euo pipefail
out=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sox -n -r 44100 -c 2 -b 16 "$work/loud.wav" synth 0.005 sine 440 vol 0.8
segments=()
for gap in 80 90 100 110 120 130 140; do
    sox -n -r 44100 -c 2 -b 16 "$work/quiet$gap.wav" synth "0.$(printf %03d $((gap - 5)))" sine 440 vol 0.25
    sox "$work/loud.wav" "$work/quiet$gap.wav" "$work/segment$gap.wav"
    segments+=("$work/segment$gap.wav")
done
sox "${segments[@]}" "$work/cycle.wav"
sox "$work/cycle.wav" "$out" repeat 40
