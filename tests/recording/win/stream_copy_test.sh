#!/usr/bin/env bash
# One start of the real player copying a station's stream: with the
# recorder's source on "Radio stream (exact copy)" and the speakers muted, a
# 30-second recording of "Velmora Live Direct" (its title changes every four
# seconds), with the sound server stalled for 10 of them, gives a file per
# title, named after it. Joined together the files
# hold exactly the frames the server sent over those seconds, and each
# decodes to the station's tune (check_stream_copy.py says how). The same
# for 18 seconds of "Velmora AAC", whose files are bare ADTS frames named
# ".aac". Then a scheduled recording with this source, due at the player's
# start, copies the stream into the one file its entry names until the
# entry's end: an entry the user named for WAV gives an MP3 of that name.
# The copy's length is checked against the time from the press of Record to
# that of Stop as the window took them: starting a probe on a busy machine
# takes seconds of its own.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# recorder_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 recorder_probe=$5
. "$(dirname "$0")/recorder_player_setup.sh"
. "$(dirname "$0")/stream_copy_station.sh"

station="Velmora Live Direct"
start_player_with_browser
chosen=$(date +%s.%N)
play_station "$station"

probe click-main 1203
check "without lame_enc.dll the window says the encoder is missing" \
    same "$(probe answer-box)" "Can't initialize MP3 enocder."
check "the source is the radio stream" same "$(probe text 1046)" "Radio stream (exact copy)"
check "the format says As sent" same "$(probe text 1047)" "As sent"
check "the channel says As sent" same "$(probe text 1098)" "As sent"

. "$root/tests/support/sink_loudness.sh"
check "the station is heard" loud
probe click-main 1008
sleep 2  # Wine mutes what it has not yet handed to the sound server
check "the mute button silences it" silent

record_sent=$(probe click-timed 1088)
sleep 8
# The sound server stops answering for a while, as a stalled sound device
# does on a busy machine: the copy keeps the station's pace all the same.
sound_server=$(pgrep -f "^pulseaudio .*socket=${PULSE_SERVER#unix:}")
kill -STOP $sound_server
sleep 10
kill -CONT $sound_server
sleep 10
check "nothing is heard while it copies" silent
stop_sent=$(probe click-timed 1089)
copy_seconds=$(seconds_between "$record_sent" "$stop_sent")
copy_began=$(seconds_between "$chosen" "$record_sent")

aac_station="Velmora AAC"
aac_chosen=$(date +%s.%N)
play_station "$aac_station"
check "the source stays the radio stream for it" same "$(probe text 1046)" "Radio stream (exact copy)"
sleep 3
record_sent=$(probe click-timed 1088)
sleep 18
stop_sent=$(probe click-timed 1089)
aac_seconds=$(seconds_between "$record_sent" "$stop_sent")
aac_began=$(seconds_between "$aac_chosen" "$record_sent")
timeout 60 wine "$player_probe" close >/dev/null 2>&1
timeout 60 wineserver -w

ls -l "$recordings"
check "the files hold what the station sent, a file per title, each named after it" \
    "$root/tests/recording/check_stream_copy.py" "$recordings" "$root/site" "$station" \
    "$copy_seconds" --began="$copy_began"
check "the AAC station's files hold its frames, a file per title, each named after it" \
    "$root/tests/recording/check_stream_copy.py" "$recordings" "$root/site" "$aac_station" \
    "$aac_seconds" live.aac --began="$aac_began"

# The scheduled copy: an entry due now that ends in 30 to 60 seconds.
rm -f "$recordings"/*.mp3 "$recordings"/*.aac
queue_time() { date -d "@$1" '+%H:%M %d-%m-%Y'; }
now=$(date +%s)
start=$((now - now % 60))
end=$((start + (now % 60 < 30 ? 60 : 120)))
cat >"$folder/queued.xml" <<QUEUE
<?xml version="1.0"?>
<root>
	<queued>
		<station>$station</station>
		<banner></banner>
		<homepage></homepage>
		<streamlink>http://127.0.0.1:$VELMORA_TEST_SITE_PORT/radio/icy.mp3</streamlink>
		<name>scheduled copy.wav</name>
		<start>$(queue_time "$start")</start>
		<end>$(queue_time "$end")</end>
		<format>WAV</format>
	</queued>
</root>
QUEUE
timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1
started=$(date +%s)
scheduled="$recordings/scheduled copy.mp3"
grown() { [ "$(stat -c %s "$scheduled" 2>/dev/null || echo 0)" -gt 20000 ]; }
for _ in $(seq 30); do grown && break; sleep 1; done
check "the scheduled copy starts by itself" grown
sleep $((end - $(date +%s) + 8))
size=$(stat -c %s "$scheduled")
sleep 3
check "it stopped after the entry's end" same "$(stat -c %s "$scheduled")" "$size"
check "into its one file, named as the entry but for what it holds" \
    same "$(ls "$recordings")" "scheduled copy.mp3"
timeout 60 wine "$player_probe" close >/dev/null 2>&1
timeout 60 wineserver -w
lame --decode --quiet "$scheduled" "$folder/scheduled.wav" >/dev/null 2>&1
seconds=$(soxi -D "$folder/scheduled.wav" 2>/dev/null)
# From the start (the station connects within a second or two) to the first
# scheduler tick after the end, which comes every 5 s.
check "it lasts from the start to the entry's end (${seconds:-0} s for $((end - started)) s)" \
    awk -v s="${seconds:-0}" -v d="$((end - started))" 'BEGIN { exit !(s >= d - 3 && s <= d + 6) }'

echo "$failures failed"
[ "$failures" -eq 0 ]
