#!/usr/bin/env bash
# One start of the real player with the null sink: the recordings window
# opens from the main window's recorder button, records ten seconds of what
# the sink plays from "Monitor of Null Output" to WAV, and the new file shows
# in its list by itself, is not silent, renames keeping its extension, plays
# from the list, and goes after the confirmation. Then, with a real
# lame_enc.dll beside the player, it records MP3 that decodes to the tone.
# A refresh while recording keeps the user's choice in the list, and Delete
# removes the chosen file. Last, two timed WAV recordings of a track of marks
# (one with both cores busy under stress-ng) lose nothing in between.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# recorder_probe.exe, lame_enc.dll (the Wine builtin over libmp3lame).
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 recorder_probe=$5 lame_enc=$6
. "$(dirname "$0")/recorder_player_setup.sh"

eventually() {  # eventually COMMAND...: true once COMMAND is, within 20 seconds
    for _ in $(seq 40); do
        "$@" && return 0
        sleep 0.5
    done
    return 1
}
rows() { probe rows; }
has_row() { rows | cut -d'|' -f2 | grep -qx "$1"; }
lacks_row() {  # the list was read, and NAME is not in it
    local listed
    listed=$(rows) || return 1
    ! cut -d'|' -f2 <<<"$listed" | grep -qx "$1"
}
lists_nothing() {
    local listed
    listed=$(rows) && [ -z "$listed" ]
}

timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1

# The recorder button opens the window; the missing encoder library says so first.
probe click-main 1203
check "without lame_enc.dll the window says the encoder is missing" \
    same "$(probe answer-box)" "Can't initialize MP3 enocder."
shown() { same "$(probe visible)" 1; }
check "the recorder button shows the recordings window" eventually shown
check "the recordings folder was made" test -d "$recordings"
check "the list starts empty" lists_nothing

# The window docks left of the main window, top-aligned, 2 pixels apart, and
# goes and comes back with the main window's compact bar.
beside_main() {
    local left top right bottom main_left main_top main_right main_bottom
    read -r left top right bottom <<<"$(probe place)"
    read -r main_left main_top main_right main_bottom <<<"$(probe place-main)"
    [ "$right" -eq $((main_left - 2)) ] && [ "$top" -eq "$main_top" ]
}
hidden() { same "$(probe visible)" 0; }
check "the recordings window stands beside the main window" beside_main
probe click-main 1002
check "the compact bar hides the recordings window" eventually hidden
probe click-main 1002
check "the full window brings it back" eventually shown
check "beside the main window again" beside_main

instructions_shown() { same "$(probe owned-shows 1094)" 1; }
probe click 6
check "the help button shows the instructions" eventually instructions_shown

# record_sound SOUND SECONDS: records SOUND played into the sink, leaving in
# interval how long Record to Stop took as the probe timed the clicks.
record_sound() {
    local record_sent stop_sent
    paplay "$1" & tone_pid=$!
    sleep 1
    record_sent=$(probe click-timed 1088)
    sleep "$2"
    stop_sent=$(probe click-timed 1089)
    kill "$tone_pid" 2>/dev/null; tone_pid=
    interval=$(awk -v a="$record_sent" -v b="$stop_sent" 'BEGIN { printf "%.3f", b - a }')
}
record_tone() { record_sound "$folder/tone.wav" "$1"; }
within_quarter_second() {  # within_quarter_second SECONDS INTERVAL
    awk -v s="${1:-0}" -v i="$2" 'BEGIN { d = s - i; exit !(s > 0 && i > 0 && d >= -0.25 && d <= 0.25) }'
}
sox -n -r 44100 -c 2 "$folder/tone.wav" synth 30 sine 440 vol 0.5
record_tone 10
check "the recording shows in the list by itself" eventually has_row Recording001.wav
check "the recording is a WAV file with sound in it" \
    "$root/tests/recording/check_loopback_wav.sh" "$recordings/Recording001.wav"
seconds=$(soxi -D "$recordings/Recording001.wav")
check "it lasts as long as Record to Stop within 0.25 s ($seconds s for $interval s)" \
    within_quarter_second "$seconds" "$interval"

# Play from the list, then stop.
probe select 0
probe click 1090
sleep 2
probe click 1089

# Rename: the typed name keeps the old extension.
probe select 0
probe set-text 1101 take
probe click 12
check "the rename keeps the extension" eventually has_row take.wav
check "the old name is gone" eventually lacks_row Recording001.wav
check "the file was renamed on disk" test -f "$recordings/take.wav"

# Delete after the confirmation.
probe select 0
probe click 9
check "the delete asks first" same "$(probe answer-box)" "Are you sure you want to delete file?"
check "the file is deleted" eventually test ! -e "$recordings/take.wav"
check "and leaves the list" eventually lacks_row take.wav

# MP3: the encoder library is loaded at each recording's start.
cp "$lame_enc" "$folder/lame_enc.dll"
probe choose 1047 0
check "the format list shows MP3" same "$(probe text 1047)" MP3
record_tone 6
check "the MP3 recording shows in the list" eventually has_row Recording001.mp3
mp3_decodes_to_tone() {  # once the stop has closed the file
    lame --decode --quiet "$recordings/Recording001.mp3" "$folder/decoded.wav" >/dev/null 2>&1 &&
        "$root/tests/recording/check_loopback_wav.sh" "$folder/decoded.wav"
}
check "the MP3 file decodes to the recorded tone" eventually mp3_decodes_to_tone

# The list refreshes once a second while a recording grows, and the new file
# lands on top: the user's choice must stay on the file the user chose, and
# Delete must remove that file, even with the list changing under its question.
cp "$folder/tone.wav" "$recordings/keep.wav"
cp "$folder/tone.wav" "$recordings/pick.wav"
check "the two files show in the list" eventually has_row pick.wav
probe select "$(($(rows | cut -d'|' -f2 | grep -nx pick.wav | cut -d: -f1) - 1))"
paplay "$folder/tone.wav" & tone_pid=$!
probe click 1088
check "the recording shows in the list" eventually has_row Recording002.mp3
# Meanwhile the main window's icon blinks, in both the sizes it gives the
# window manager: "SIZE:ICON SIZE:ICON", as the window shows them.
main_icons() {
    /usr/bin/python3 "$root/tests/recording/win/window_icons.py" \
        "$(xdotool search --name '^VelmoraRadio$' | head -1)" \
        player="$root/player/res/bitmaps/player_152.ico" \
        recording="$root/player/res/bitmaps/player_recording_265.ico"
}
icons=$(for _ in $(seq 12); do main_icons; sleep 0.2; done | sort -u | tr '\n' ';')
blinks() { [[ "$icons" == *"32:player 16:player;"* && "$icons" == *"32:recording 16:recording;"* ]]; }
check "the main window's icon blinks in both sizes ($icons)" blinks
chosen=$(probe chosen | tr '\n' ' ')
check "refreshes during the recording keep the choice on pick.wav ($chosen)" \
    same "$chosen" "pick.wav focus pick.wav mark pick.wav "
probe click 9
check "the delete asks about one file" same "$(probe answer-box)" "Are you sure you want to delete file?"
check "the chosen file is deleted" eventually test ! -e "$recordings/pick.wav"
check "the recording and the other file are left" \
    test -e "$recordings/Recording002.mp3" -a -e "$recordings/keep.wav"
probe click 1089
kill "$tone_pid" 2>/dev/null; tone_pid=
rests() { same "$(main_icons)" "32:player 16:player"; }
check "after the recording the icon is the player's" eventually rests

# Timing: ten seconds of WAV over a track whose marks come in a fixed cycle
# last as long as the probe's Record-to-Stop interval within a quarter of a
# second and lose no mark out of turn (nothing was lost in between), on a
# quiet machine and with both cores kept busy by two CPU-bound processes for
# the whole recording. The first comes soon after the switch to WAV made a
# new capture stream, which under Wine delivers nothing for about two
# seconds: the wait is silence at its start, and the length still holds.
probe choose 1047 1
check "the format list shows WAV again" same "$(probe text 1047)" WAV
"$root/tests/recording/make_marks.sh" "$folder/marks.wav"
timed_recording() {  # timed_recording FILE-NAME CONDITIONS
    local file="$recordings/$1" marks seconds
    record_sound "$folder/marks.wav" 10
    closed() { [ "$(soxi -s "$file" 2>/dev/null || echo 0)" -gt 0 ]; }
    check "$2: the timed recording is closed" eventually closed
    marks=$("$root/tests/recording/check_marks.sh" "$file" 2>&1 | tr '\n' ' ')
    check "$2: no mark is out of turn (first, last, marks, out of turn: $marks)" \
        "$root/tests/recording/check_marks.sh" "$file"
    seconds=$(soxi -D "$file" 2>/dev/null)
    check "$2: it lasts as long as Record to Stop within 0.25 s ($seconds s for $interval s)" \
        within_quarter_second "$seconds" "$interval"
}
timed_recording Recording003.wav "quiet"
stress-ng --cpu 2 --timeout 60s >/dev/null 2>&1 & stress_pid=$!
timed_recording Recording004.wav "both cores busy"
kill "$stress_pid"; wait "$stress_pid" 2>/dev/null
# The recorder says in its own window what a recording lost; with the
# capture running long before this one, nothing was.
note=$(probe text 1310)
notes_nothing() { note=$(probe text 1310) && [ -z "$note" ]; }
check "the window notes no sound lost under load ('$note')" notes_nothing

timeout 60 wine "$player_probe" close >/dev/null 2>&1

echo "$failures failed"
[ "$failures" -eq 0 ]
