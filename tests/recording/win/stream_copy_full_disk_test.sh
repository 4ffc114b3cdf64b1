#!/usr/bin/env bash
# The real player copying a station's stream onto a disk that fills up: the
# recordings folder lies on a disk of 48 KB, which "Velmora Live Direct"
# (32 kbit/s) fills in about ten seconds. The copy stops by itself and says
# why in a box; every file it wrote holds whole frames of what the station
# sent, in one unbroken run, and plays, the one it was writing named as
# incomplete. Making the small disk needs root (a tmpfs mount); without it
# the test is skipped.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# recorder_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 recorder_probe=$5
. "$(dirname "$0")/recorder_player_setup.sh"
. "$(dirname "$0")/stream_copy_station.sh"

mount -t tmpfs -o size=48k velmora-full-disk "$folder/rec" 2>/dev/null ||
    { echo "a small disk cannot be mounted here (root is needed): skipped"; exit 77; }
trap 'wineserver -k >/dev/null 2>&1; umount "$folder/rec"; finish' EXIT

station="Velmora Live Direct"
start_player_with_browser
chosen=$(date +%s.%N)
play_station "$station"
probe click-main 1203
probe answer-box >/dev/null  # there is no lame_enc.dll here

record_sent=$(probe click-timed 1088)
check "the copy stops with a box that says why" \
    same "$(probe answer-box)" \
    "The copy of the radio stream has stopped: its file takes no more (the disk is full or keeps failing). Every file it wrote plays to its last whole frame."
files_now=$(ls -l "$recordings")
sleep 3
check "nothing is written after it" same "$(ls -l "$recordings")" "$files_now"
timeout 60 wine "$player_probe" close >/dev/null 2>&1
timeout 60 wineserver -w

df -k "$folder/rec" | tail -1
ls -l "$recordings"
check "the files hold what the station sent until the disk was full, and play" \
    "$root/tests/recording/check_stream_copy.py" "$recordings" "$root/site" "$station" \
    any --began="$(seconds_between "$chosen" "$record_sent")"

echo "$failures failed"
[ "$failures" -eq 0 ]
