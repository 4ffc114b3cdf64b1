#!/usr/bin/env bash
# One start of the real player with the PulseAudio null sink, playing the demo
# site's radio streams through its own radio engine: a station chosen in the
# station browser plays aloud and scrolls the titles its stream announces, an
# MP3 station and an AAC one; a favourite whose stream drops comes back by
# itself, and a stop while it reconnects ends it for good. The site is served
# over https (the player downloads the directory, flags and titles, and plays
# the stations, through it); favourites whose servers' certificates fail the
# checks say why in the status line and play nothing. The status line is read
# through player_probe,
# the sound on the null sink's monitor with parec.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 probe_exe=$4
scripts=$(dirname "$wine_run")
root=$(cd "$scripts/.." && pwd)

. "$root/tests/support/player_scenario.sh"
[ -n "${VELMORA_TEST_SITE_HTTPS_PORT:-}" ] || { echo "no https site server" >&2; exit 1; }
scenario_site="https://localhost:$VELMORA_TEST_SITE_HTTPS_PORT/"
trap finish_scenario EXIT
start_scenario "$player_exe" || { echo "no PulseAudio null sink: nothing to hear" >&2; exit 1; }
. "$root/tests/support/screen_checks.sh"

site="http://127.0.0.1:$VELMORA_TEST_SITE_PORT/"
wrong_name_site="https://localhost:$VELMORA_TEST_SITE_OTHER_NAME_PORT/"
expired_site="https://localhost:$VELMORA_TEST_SITE_EXPIRED_PORT/"
status_line=1012 stop_button=1006 station_button=1204
station_list=1133 favorites_list=1231

# A favourite the directory does not list, so it has no now-playing page; its
# stream, over plain http, drops after three seconds each time it is played.
# Then two taken from a hostile directory, whose streams are a share and a
# local file (one Wine's media player control would play aloud): they must
# play nothing. Then two https stations whose certificates are refused.
local_tune=$(winepath -w "$root/site/public/streams/harbour.mp3" 2>/dev/null)
cat >"$folder/favorites.xml" <<EOF
<?xml version="1.0"?>
<root><station name="Velmora Dropout"><homepage>${site}info/main.html</homepage><streamlink>${site}drop/3/radio/harbour.mp3</streamlink><banner>${site}banner.php?bid=12</banner></station>
<station name="Hostile Share"><homepage>${site}info/main.html</homepage><streamlink>\\\\127.0.0.1\\share\\tune.mp3</streamlink><banner>${site}banner.php?bid=12</banner></station>
<station name="Hostile File"><homepage>${site}info/main.html</homepage><streamlink>${local_tune}</streamlink><banner>${site}banner.php?bid=12</banner></station>
<station name="Wrong Name Radio"><homepage>${site}info/main.html</homepage><streamlink>${wrong_name_site}radio/harbour.mp3</streamlink><banner>${site}banner.php?bid=12</banner></station>
<station name="Expired Radio"><homepage>${site}info/main.html</homepage><streamlink>${expired_site}radio/live.pls</streamlink><banner>${site}banner.php?bid=12</banner></station></root>
EOF

. "$root/tests/support/sink_loudness.sh"

# Clicks at X Y while the status line is watched for SECONDS into FILE, from
# before the click on, so that no text it shows is missed.
click_watching() {  # click_watching X Y SECONDS FILE
    timeout 60 wine "$probe_exe" watch $status_line "$3" >"$4.raw" 2>/dev/null &
    local watcher=$!
    for _ in $(seq 100); do
        [ -s "$4.raw" ] && break
        sleep 0.1
    done
    click "$1" "$2"
    wait "$watcher"
    tr -d '\r' <"$4.raw" >"$4"
}
# What the status line showed: "MS|TEXT" lines from `probe watch`.
showed() { cut -d'|' -f2- "$1" | grep -qxF "$2"; }
# The scrolling title is the title and its gap turned round: the text twice
# over holds the whole title somewhere. Counts the TITLEs (their starts) seen.
titles_seen() {  # titles_seen FILE TITLE...
    local file=$1 title
    shift
    for title in "$@"; do
        cut -d'|' -f2- "$file" | while IFS= read -r text; do
            [[ "$text$text" == *"$title"* ]] && { echo "$title"; break; }
        done
    done | sort -u | wc -l
}
# Milliseconds from the first "Reconnecting..." to "Playing" after it.
comeback_ms() {
    awk -F'|' '$2 == "Reconnecting..." && !gone { gone = $1 }
               gone && $2 == "Playing" { print $1 - gone; exit }' "$1"
}
# Nothing but "Ready" after the stop was pressed.
only_ready_after_press() {
    [ "$(awk -F'|' 'pressed { print $2 } $2 == "<pressed>" { pressed = 1 }' "$1")" = "Ready" ]
}
row_of() {  # row_of NAME: its row in the station browser's "All stations"
    LC_ALL=C grep -ao '<station name="[^"]*"' "$root/site/public/stations.xml" |
        cut -d'"' -f2 | grep -nxF "$1" | cut -d: -f1 | awk '{ print $1 - 1 }'
}

probe start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null
read -r screen_width _ < <(xdotool getdisplaygeometry)
full_x=$((screen_width - 150 - 2))
check "the status line says Ready" settles "Ready" probe text $status_line

# A station without a now-playing page, on an "ICY 200 OK" stream, chosen in
# the station browser.
browser_y=$((2 + 215))
click $((full_x + 75)) $((2 + 142 + 10))
check "the station button opens the station browser" \
    settles "150 324" window_at "$full_x" "$browser_y"
# Plays STATION from the station browser, watching the status line for
# SECONDS into FILE: it becomes current, plays without reconnecting, and is
# heard.
play_from_browser() {  # play_from_browser STATION SECONDS FILE
    local x y
    read -r x y < <(probe row $station_list "$(row_of "$1")")
    check "the station browser shows \"$1\"" test -n "${y:-}"
    click_watching "${x:-0}" "${y:-0}" "$2" "$3"
    check "a click on \"$1\" makes it current" same "$(probe text $station_button)" "$1"
    check "its status line says Playing" showed "$3" "Playing"
    check "it never needs to reconnect" eval '! showed "$3" "Reconnecting..."'
    check "it is heard on the null sink's monitor" loud
}
play_from_browser "Velmora Live Direct" 14 "$folder/direct.txt"
check "its marquee shows the stream's changing titles" \
    eval '[ "$(titles_seen "$folder/direct.txt" "Harbour Tunes - Morning Tide" \
        "Lounge Trio - Caf" "Pulse - Square Waves" "Velmora News - The Weather")" -ge 2 ]'

# An AAC station, whose stream changes its rate and channels as it goes and
# sends its titles in Windows-1252.
play_from_browser "Velmora AAC" 12 "$folder/aac.txt"
check "its marquee shows the AAC stream's titles" \
    eval '[ "$(titles_seen "$folder/aac.txt" "Lounge Trio - Caf" "Pulse - Square Waves")" -eq 2 ]'

# A favourite whose stream drops: the engine says so and is back by itself.
click $((full_x + 27)) $((2 + 165 + 7))
check "the star button opens the favourites pane below the browser" \
    settles "150 169" window_at "$full_x" $((browser_y + 324 + 2))
read -r x y < <(probe row $favorites_list 0)
check "the favourites pane shows the favourite" test -n "${y:-}"
click_watching "${x:-0}" "${y:-0}" 12 "$folder/dropout.txt"
check "the favourite is current" same "$(probe text $station_button)" "Velmora Dropout"
check "its dropped stream says Reconnecting..." showed "$folder/dropout.txt" "Reconnecting..."
back=$(comeback_ms "$folder/dropout.txt")
check "and plays again by itself within 5 s (${back:-never} ms)" \
    eval '[ -n "$back" ] && [ "$back" -le 5000 ]'

# The stop button pressed while it reconnects: "Ready", and it stays so.
probe watch $status_line 6 "Reconnecting..." $stop_button >"$folder/stopped.txt"
check "the stop was pressed while it reconnected" showed "$folder/stopped.txt" "<pressed>"
check "after the stop the status line says Ready and nothing else" \
    only_ready_after_press "$folder/stopped.txt"
check "and nothing is heard" silent

# The hostile favourites become current and play nothing at all: the player
# never even starts to load them.
for row in 1 2; do
    read -r x y < <(probe row $favorites_list $row)
    click_watching "${x:-0}" "${y:-0}" 4 "$folder/hostile-$row.txt"
    check "hostile favourite $row is current" \
        eval '[[ "$(probe text $station_button)" == Hostile* ]]'
    check "hostile favourite $row never loads, connects or plays" \
        eval '! grep -qE "\|(Loading|Connecting|Opening)\.\.\.$|\|Playing$" "$folder/hostile-$row.txt"'
    check "and nothing is heard" silent
done

# Stations whose certificates are refused say why, in the status line, and
# stay silent; the station before them stopped at the first click.
refusals=([3]="Wrong site certificate" [4]="Expired certificate")
for row in 3 4; do
    read -r x y < <(probe row $favorites_list $row)
    click_watching "${x:-0}" "${y:-0}" 6 "$folder/refused-$row.txt"
    check "refused favourite $row says \"${refusals[$row]}\"" \
        same "$(probe text $status_line)" "${refusals[$row]}"
    check "and never plays" eval '! showed "$folder/refused-$row.txt" "Playing"'
    check "and nothing is heard" silent
done

check "the player ends when its window closes" ends probe close
# The banners come over https: each server's certificate is checked before
# the web browser control goes there, with a request for the head alone, so
# the page itself is fetched once, by the control.
banner_requests() { grep -c "\"$1 /banner.php" "$VELMORA_TEST_SITE_LOG"; }
heads=$(banner_requests HEAD) gets=$(banner_requests GET)
check "each banner's certificate is checked by its head, the page fetched once ($heads heads, $gets fetches)" \
    awk -v h="$heads" -v g="$gets" 'BEGIN { exit !(h >= 1 && g <= h) }'
if [ "$failures" -ne 0 ]; then
    for file in direct aac dropout stopped hostile-1 hostile-2 refused-3 refused-4; do
        echo "--- status line, $file:"
        cat "$folder/$file.txt"
    done
fi
echo "$failures failed"
[ "$failures" -eq 0 ]
