#!/usr/bin/env bash
# Not a test: prints what copying the station's stream costs the player under
# Wine, beside what playing it costs. The player plays "Velmora Live Direct"
# (MP3, 38.3 frames a second, as many as a 128 kbit/s station sends, each
# frame a quarter of the bytes) with its recordings window open on the
# source "Radio stream (exact copy)", in ROUNDS rounds (3 by default) of
# SECONDS_EACH seconds (20 by default) playing and as long copying. Printed:
# the share of one core of the whole process and of the player's own threads
# (Wine's sound threads apart, as the recorder's benchmark counts them) in
# each, and the copy's writer thread alone, which lives only while it copies,
# from its run time in nanoseconds. The rest of the copy, queueing each frame
# on the engine's thread, is a copy into memory and lies within the first
# figures.
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

# "ALL OWN": the process's clock ticks and its own threads' over the next
# $seconds.
ticks_over() {
    local before=$(ticks) own_before=$(own_ticks) window_before=$(window_ns)
    sleep "$seconds"
    echo "$(($(ticks) - before)) $(($(own_ticks) - own_before)) $(($(window_ns) - window_before))"
}
difference() { awk -v p="$1" -v c="$2" 'BEGIN { printf "%.3f", c - p }'; }

playing_ticks=0 copying_ticks=0 playing_own=0 copying_own=0 writer_ns=0
playing_window=0 copying_window=0
for round in $(seq "$rounds"); do
    read -r playing playing_own_now playing_window_now <<<"$(ticks_over)"
    tasks >"$folder/before-tasks"
    probe click 1088
    sleep 1
    writer=$(tasks | comm -13 "$folder/before-tasks" -)
    writer_before=$(run_ns $writer)
    read -r copying copying_own_now copying_window_now <<<"$(ticks_over)"
    writer_run=$(($(run_ns $writer) - writer_before))
    probe click 1089
    sleep 1
    echo "round $round: playing $(ticks_percent $playing)% (own threads" \
        "$(ticks_percent $playing_own_now)%), copying $(ticks_percent $copying)% (own threads" \
        "$(ticks_percent $copying_own_now)%), the copy's writer thread" \
        "$(awk -v n="$writer_run" -v s="$seconds" 'BEGIN { printf "%.4f", n / 1e7 / s }')%" \
        "(threads new while copying: $(echo $writer | wc -w))"
    playing_ticks=$((playing_ticks + playing)) copying_ticks=$((copying_ticks + copying))
    playing_own=$((playing_own + playing_own_now)) copying_own=$((copying_own + copying_own_now))
    writer_ns=$((writer_ns + writer_run))
    playing_window=$((playing_window + playing_window_now))
    copying_window=$((copying_window + copying_window_now))
done
seconds=$((seconds * rounds))
echo "player playing the station:              $(ticks_percent $playing_ticks)% of one core"
echo "player playing and copying it:           $(ticks_percent $copying_ticks)% of one core"
echo "  difference:                            $(difference "$(ticks_percent $playing_ticks)" \
    "$(ticks_percent $copying_ticks)")%"
echo "the player's own threads playing:        $(ticks_percent $playing_own)% of one core"
echo "the player's own threads copying:        $(ticks_percent $copying_own)% of one core"
echo "  difference (goal: under 0.1%):         $(difference "$(ticks_percent $playing_own)" \
    "$(ticks_percent $copying_own)")%"
echo "the window thread playing / copying:     $(ns_percent $playing_window)% /" \
    "$(ns_percent $copying_window)% of one core"
awk -v n="$writer_ns" -v s="$seconds" \
    'BEGIN { printf "of which the copy'\''s writer thread:     %.4f%% of one core\n", n / 1e7 / s }'
ls "$recordings" | head -3
echo "files copied: $(ls "$recordings" | wc -l)"
timeout 60 wine "$player_probe" close >/dev/null 2>&1
