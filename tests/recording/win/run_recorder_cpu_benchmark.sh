#!/usr/bin/env bash
# Not a test: prints the player's CPU use under Wine while its recordings
# window records WAV from the null sink's monitor, next to the same player
# idle with the window open (percent of one core, over SECONDS_EACH seconds
# each, 20 by default). A tone plays into the sink all along, so the
# recording has sound for the level meter. The goal is under 1% above idle.
# The recording figure is split into the player's own threads and Wine's
# sound threads (its DirectSound capture and PulseAudio threads), which any
# program that captures under Wine pays.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# recorder_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 recorder_probe=$5
seconds=${SECONDS_EACH:-20}
. "$(dirname "$0")/recorder_player_setup.sh"

sox -n -r 44100 -c 2 "$folder/tone.wav" synth $((3 * seconds + 60)) sine 440 vol 0.5
paplay "$folder/tone.wav" & tone_pid=$!
timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1
open_recorder_to_measure
percent() { awk -v t="$1" -v hz="$per_second" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }
cpu_over() {  # "ALL SOUND WINDOW": percent of one core in the next $seconds
    local before sound_before window_before
    before=$(ticks) sound_before=$(sound_ticks) window_before=$(window_ns)
    sleep "$seconds"
    echo "$(percent $(($(ticks) - before))) $(percent $(($(sound_ticks) - sound_before)))" \
        "$(ns_percent $(($(window_ns) - window_before)))"
}

read -r idle _ idle_window <<<"$(cpu_over)"
probe click 1088
sleep 1
read -r recording sound recording_window <<<"$(cpu_over)"
probe click 1089
echo "player idle with the recordings window open: ${idle}% of one core"
echo "player recording WAV:                         ${recording}% of one core"
awk -v r="$recording" -v s="$sound" 'BEGIN {
    printf "  of which Wine'\''s sound threads:             %.2f%%, the player'\''s own threads: %.2f%%\n", s, r - s }'
echo "  the window thread idle / recording:         ${idle_window}% / ${recording_window}%"
awk -v i="$idle" -v r="$recording" 'BEGIN { printf "recording costs %.2f%% of one core above idle (goal: under 1%%)\n", r - i }'
timeout 60 wine "$player_probe" close >/dev/null 2>&1
