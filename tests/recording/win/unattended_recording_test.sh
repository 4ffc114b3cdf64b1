#!/usr/bin/env bash
# One start of the real player with nobody at the screen: queued.xml holds a
# WAV recording due this minute, there is no lame_enc.dll, and the recorder's
# last format is MP3. The recording starts by itself and records the station;
# no message box waits for someone to answer it, not even when the sound card
# stalls and the recording ends.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# recorder_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 player_probe=$4 recorder_probe=$5
. "$(dirname "$0")/recorder_player_setup.sh"

eventually() {  # eventually SECONDS COMMAND...: true once COMMAND is, within SECONDS
    for _ in $(seq $(($1 * 2))); do
        "${@:2}" && return 0
        sleep 0.5
    done
    return 1
}
"$wine_run" "$prefix" reg add "$key" /v "File format" /t REG_SZ /d MP3 /f >/dev/null 2>&1

queue_time() { date -d "@$1" '+%H:%M %d-%m-%Y'; }
now=$(date +%s)
start=$((now - now % 60))
cat >"$folder/queued.xml" <<QUEUE
<?xml version="1.0"?>
<root>
	<queued>
		<station>Harbour FM</station>
		<banner></banner>
		<homepage></homepage>
		<streamlink>http://127.0.0.1:$VELMORA_TEST_SITE_PORT/radio/harbour.mp3</streamlink>
		<name>unattended.wav</name>
		<start>$(queue_time "$start")</start>
		<end>$(queue_time $((start + 180)))</end>
		<format>WAV</format>
	</queued>
</root>
QUEUE

timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1
grows() {  # the file is there and larger than a moment ago
    local before after
    before=$(stat -c %s "$recordings/unattended.wav" 2>/dev/null) || return 1
    sleep 1
    after=$(stat -c %s "$recordings/unattended.wav" 2>/dev/null) || return 1
    [ "$after" -gt "$before" ]
}
check "the scheduled WAV recording starts by itself and grows" eventually 30 grows
check "no message box is waiting for an answer" test "$(probe answer-box)" = ""
check "the recorder's window stayed closed" same "$(probe visible)" 0

# The sound server stands still: the capture position stops, and after two
# seconds the recording ends. With nobody there, the recorder
# says so in its own window, not in a box.
sound_server=$(pgrep -P "$pulse_pid" pulseaudio)
kill -STOP "$sound_server"
note() { probe text 1310; }
says_stalled() { [[ "$(note)" == "Last recording stopped: the sound card stood still for 2 s"* ]]; }
eventually 8 says_stalled
kill -CONT "$sound_server"
check "a stalled sound card ends the recording with a note (it says: $(note))" says_stalled
check "and no message box waits for an answer" test "$(probe answer-box)" = ""
timeout 60 wine "$player_probe" close >/dev/null 2>&1
timeout 60 wineserver -w
peak=$(sox "$recordings/unattended.wav" -n stat 2>&1 | sed -n 's/^Maximum amplitude: *//p')
check "the recording holds the station, not silence (peak ${peak:-none})" \
    awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.05) }'

echo "$failures failed"
[ "$failures" -eq 0 ]
