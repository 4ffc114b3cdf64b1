#!/usr/bin/env bash
# Not a test: prints what copying the station's stream costs the player under
# Wine, beside what playing it costs. The player plays "Velmora Live Direct"
# (MP3, 38.3 frames a second, as many as a 128 kbit/s station sends, each
# frame a quarter of the bytes) with its recordings window open on the
# source "Radio stream (exact copy)", in ROUNDS rounds (3 by default) of
# SECONDS_EACH seconds (20 by default) playing and as long copying. Printed:
# the whole process's share of one core in each (its clock ticks, as the
# recorder's benchmark counts them), and the copy's writer thread alone, which
# lives only while it copies, from its run time in nanoseconds. The rest of
# the copy, queueing each frame on the engine's thread, is a copy into memory
# and lies within the first figures.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# recorder_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 recorder_probe=$5
seconds=${SECONDS_EACH:-20} rounds=${ROUNDS:-3}
. "$(dirname "$0")/recorder_player_setup.sh"
. "$(dirname "$0")/stream_copy_station.sh"
start_player_with_browser
play_station "Velmora Live Direct"
sleep 3
open_recorder_to_measure
tasks() { ls "/proc/$pid/task" | sort; }
# Nanoseconds on a processor of the threads named, summed.
run_ns() { for task in "$@"; do cut -d' ' -f1 "/proc/$pid/task/$task/schedstat" 2>/dev/null; done |
    awk '{ t += $1 } END { print t + 0 }'; }
ticks_percent() { awk -v t="$1" -v hz="$per_second" -v s="$seconds" 'BEGIN { printf "%.3f", 100 * t / hz / s }'; }

playing_ticks=0 copying_ticks=0 writer_ns=0
for round in $(seq "$rounds"); do
    before=$(ticks)
    sleep "$seconds"
    playing=$(($(ticks) - before))
    tasks >"$folder/before-tasks"
    probe click 1088
    sleep 1
    writer=$(tasks | comm -13 "$folder/before-tasks" -)
    before=$(ticks) writer_before=$(run_ns $writer)
    sleep "$seconds"
    copying=$(($(ticks) - before)) writer_run=$(($(run_ns $writer) - writer_before))
    probe click 1089
    sleep 1
    echo "round $round: playing $(ticks_percent $playing)%, copying $(ticks_percent $copying)%," \
        "the copy's writer thread $(awk -v n="$writer_run" -v s="$seconds" 'BEGIN { printf "%.4f", n / 1e7 / s }')%" \
        "(threads new while copying: $(echo $writer | wc -w))"
    playing_ticks=$((playing_ticks + playing)) copying_ticks=$((copying_ticks + copying))
    writer_ns=$((writer_ns + writer_run))
done
seconds=$((seconds * rounds))
echo "player playing the station:              $(ticks_percent $playing_ticks)% of one core"
echo "player playing and copying it:           $(ticks_percent $copying_ticks)% of one core"
awk -v p="$(ticks_percent $playing_ticks)" -v c="$(ticks_percent $copying_ticks)" \
    'BEGIN { printf "  difference (within the noise of playing): %.3f%%\n", c - p }'
awk -v n="$writer_ns" -v s="$seconds" \
    'BEGIN { printf "the copy'\''s writer thread:                %.4f%% of one core (goal for the copy: under 0.1%%)\n", n / 1e7 / s }'
ls "$recordings" | head -3
echo "files copied: $(ls "$recordings" | wc -l)"
timeout 60 wine "$player_probe" close >/dev/null 2>&1
