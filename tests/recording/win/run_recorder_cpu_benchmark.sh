#!/usr/bin/env bash
# Not a test: prints the player's CPU use under Wine while its recordings
# window records WAV from the null sink's monitor, next to the same player
# idle with the window open (percent of one core, over SECONDS each, 20 by
# default). The goal is under 1% above idle.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# recorder_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 recorder_probe=$5
seconds=${SECONDS_EACH:-20}
. "$(dirname "$0")/recorder_player_setup.sh"

timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1
probe click-main 1203
probe answer-box >/dev/null  # no lame_enc.dll here
sleep 2
pid=$(pgrep -f "$(basename "$folder").VelmoraRadio.exe" | head -1)
[ -n "$pid" ] || { echo "the player is not running" >&2; exit 1; }
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
per_second=$(getconf CLK_TCK)
cpu_over() {  # percent of one core the player used in the next $seconds
    local before after
    before=$(ticks)
    sleep "$seconds"
    after=$(ticks)
    awk -v t=$((after - before)) -v hz="$per_second" -v s="$seconds" \
        'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

idle=$(cpu_over)
probe click 1088
sleep 1
recording=$(cpu_over)
probe click 1089
echo "player idle with the recordings window open: ${idle}% of one core"
echo "player recording WAV:                         ${recording}% of one core"
awk -v i="$idle" -v r="$recording" 'BEGIN { printf "recording costs %.2f%% of one core above idle (goal: under 1%%)\n", r - i }'
timeout 60 wine "$player_probe" close >/dev/null 2>&1
