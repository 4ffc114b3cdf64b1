#!/usr/bin/env bash
# Not a test: prints how long the player's WAV recordings last against the
# time between the Record and Stop clicks as the probe timed them, over
# RECORDINGS ten-second recordings (10 by default) with both cores kept busy
# by stress-ng, and how much sound the recorder said each one lost (its
# window's note). The goal is a ratio of at least 0.995 each.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# recorder_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 recorder_probe=$5
count=${RECORDINGS:-10}
. "$(dirname "$0")/recorder_player_setup.sh"

sox -n -r 44100 -c 2 "$folder/tone.wav" synth $((count * 14 + 30)) sine 440 vol 0.5
paplay "$folder/tone.wav" & tone_pid=$!
timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1
probe click-main 1203
probe answer-box >/dev/null  # no lame_enc.dll here
sleep 3  # the capture stream Wine makes at the set-up starts delivering
stress-ng --cpu 2 --timeout $((count * 14 + 30))s >/dev/null 2>&1 & stress_pid=$!
for n in $(seq "$count"); do
    record_sent=$(probe click-timed 1088)
    sleep 10
    stop_sent=$(probe click-timed 1089)
    sleep 2
    file="$recordings/$(printf 'Recording%03d.wav' "$n")"
    awk -v s="$(soxi -D "$file" 2>/dev/null || echo 0)" -v a="$record_sent" -v b="$stop_sent" \
        -v note="$(probe text 1310)" -v n="$n" 'BEGIN {
        printf "recording %2d: %.3f s for %.3f s between the clicks, ratio %.4f%s\n",
            n, s, b - a, s / (b - a), note == "" ? "" : "; " note }'
done
kill "$stress_pid" 2>/dev/null
timeout 60 wine "$player_probe" close >/dev/null 2>&1
