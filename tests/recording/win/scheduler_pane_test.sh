#!/usr/bin/env bash
# One start of the real player with the null sink, and one more: a recording
# queued in the scheduler pane for the current minute starts at the next
# tick (the station plays, the recorder records), stops after its end and
# reads "Done"; the one after it, whose file appeared meanwhile, is "Done" at
# once; queued.xml holds the queue as soon as it changes and brings it back at
# the next start. Each of the pane's four refusals shows its warning.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# scheduler_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 scheduler_probe=$5
recorder_probe=$scheduler_probe
. "$(dirname "$0")/recorder_player_setup.sh"

eventually() {  # eventually SECONDS COMMAND...: true once COMMAND is, within SECONDS
    local tries=$(($1 * 4))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.25
    done
    return 1
}
status_is() {  # status_is NAME STATUS
    same "$(probe rows | awk -F'|' -v name="$1" '$4 == name { print $5 }')" "$2"
}
shown() { same "$(probe visible)" 1; }
link_reads() { same "$(probe text 1114)" "$1"; }
warning_for_add() { probe click 1112; probe answer-box; }
# The level of what the sink plays, as its monitor hears it for a second.
sink_level() {
    timeout 2 parec -d @DEFAULT_MONITOR@ --format=s16le --rate=44100 --channels=2 2>/dev/null |
        head -c 176400 | sox -t raw -r 44100 -e signed -b 16 -c 2 - -n stat 2>&1 |
        sed -n 's/^RMS *amplitude: *//p'
}
sink_plays() { awk -v level="$(sink_level)" 'BEGIN { exit !(level > 0.01) }'; }
# The window goes first; the program saves its queue on its way out.
ended() { timeout 60 wine "$player_probe" close >/dev/null 2>&1; timeout 60 wineserver -w; }
set_time() {  # set_time DATE-PICKER TIME-PICKER EPOCH
    local fields
    read -r -a fields < <(date -d "@$3" '+%Y %m %d %H %M')
    probe set-time "$1" "${fields[@]}"
    probe set-time "$2" "${fields[@]}"
}
read -r screen_width _ < <(xdotool getdisplaygeometry)
full_x=$((screen_width - 150 - 2))
queue="$folder/queued.xml"

timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1
# The recorder says first that the encoder library is missing; opened now,
# its box does not stand in the way of the scheduled start.
probe click-main 1203
probe answer-box >/dev/null
probe click-main 1208
check "the scheduler button shows the pane" eventually 10 shown
check "no station is chosen yet" same "$(probe text 1114)" "Select radio station"
check "the name field starts with its hint" same "$(probe text 1115)" "Recording name"
check "without a station nothing is queued" \
    same "$(warning_for_add)" "VelmoraRadio|Please select radio station."

# The station link opens the station browser; a station chosen there is the
# one the pane records. It is stopped again, so the sink is silent until the
# scheduled start.
browser_shown() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
        [ "$X $Y $WIDTH" = "$full_x 217 150" ] && return 0
    done
    return 1
}
first_station=$(grep -o '<station name="[^"]*"' "$root/site/public/stations.xml" | head -1 |
    cut -d'"' -f2)
probe click-link
check "the station link opens the station browser" eventually 15 browser_shown
for _ in 1 2 3; do
    click $((full_x + 63)) $((2 + 215 + 92))
    eventually 5 link_reads "$first_station" && break
done
check "the pane takes the station that plays" link_reads "$first_station"
click $((full_x + 5 + 10)) $((2 + 189 + 10))

# From the start of this minute to the end of the next one at least: a
# minute and more of recording, however late in its minute the test is.
now=$(date +%s)
start=$((now - now % 60))
end=$((start + 60))
[ $((now - start)) -gt 40 ] && end=$((start + 120))
set_time 1117 1118 "$start"
set_time 1119 1120 $((start - 60))
check "an end before the start is refused" \
    same "$(warning_for_add)" "VelmoraRadio|Please select start and end time properly."
set_time 1119 1120 "$end"
probe set-text 1115 evening
probe format 1
probe click 1112
start_text=$(date -d "@$start" '+%H:%M %d-%m-%Y')
end_text=$(date -d "@$end" '+%H:%M %d-%m-%Y')
check "the recording is queued at the top" \
    eventually 3 eval 'probe rows | grep -qxE "$first_station\|$start_text\|$end_text\|evening\.wav\|(Waiting|Recording)"'
check "queued.xml holds it at once" grep -q '<name>evening.wav</name>' "$queue"

# Within one tick the station plays and the recorder records into the file.
check "the entry is recording within 5 seconds" eventually 5 status_is evening.wav Recording
check "the station plays" eventually 8 sink_plays
check "the recorder writes the entry's file" eventually 5 test -s "$recordings/evening.wav"

check "the same time again collides" \
    same "$(warning_for_add)" "VelmoraRadio|Selected interval interfere with queued intervals."
set_time 1117 1118 $((start + 86400))
set_time 1119 1120 $((end + 86400))
check "the same name another day is taken" \
    same "$(warning_for_add)" "VelmoraRadio|Selected filename already exist."

# The next recording begins where this one ends, but its file appears in
# the meantime: the recorder leaves the file alone, and the entry ends at
# once instead of waiting for its end as "Recording".
set_time 1117 1118 "$end"
set_time 1119 1120 $((end + 60))
probe set-text 1115 clash
probe click 1112
check "a recording right after it is queued" eventually 3 status_is clash.wav Waiting
echo "not a recording" >"$recordings/clash.wav"

wait_seconds=$((end - $(date +%s) + 15))
check "after its end the entry is done" eventually "$wait_seconds" status_is evening.wav Done
check "the next one, which could not record, is done at its start" \
    eventually 10 status_is clash.wav Done
check "well before its end" test "$(date +%s)" -lt $((end + 45))
check "and its file is left as it was" grep -qx "not a recording" "$recordings/clash.wav"

# The Delete key removes the selected entry after the question, and
# queued.xml follows.
probe select 0
probe key-delete
check "the Delete key asks first" same "$(probe answer-box)" "|Are you sure you want to delete file?"
only_evening() { same "$(probe rows | cut -d'|' -f4 | tr '\n' ' ')" "evening.wav "; }
check "the selected entry leaves the list" eventually 5 only_evening
check "and queued.xml" eventually 5 eval '! grep -q "<name>clash.wav</name>" "$queue"'
seconds=$(soxi -D "$recordings/evening.wav" 2>/dev/null)
check "the recording lasted until the end ($seconds s)" \
    awk -v s="${seconds:-0}" -v least=$((end - now - 10)) 'BEGIN { exit !(s >= least) }'
peak=$(sox "$recordings/evening.wav" -n stat 2>&1 | sed -n 's/^Maximum amplitude: *//p')
check "the recording is not silent (peak ${peak:-none})" \
    awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.05) }'

check "the player ends" ended
check "queued.xml keeps the entry" grep -q '<name>evening.wav</name>' "$queue"

# The next start reads the queue back, as it was saved.
timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1
probe click-main 1208
check "the queue comes back, done" \
    eventually 10 eval 'probe rows | grep -qx "$first_station|$start_text|$end_text|evening.wav|Done"'
check "the player ends again" ended

echo "$failures failed"
[ "$failures" -eq 0 ]
