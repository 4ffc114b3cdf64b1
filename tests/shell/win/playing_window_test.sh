#!/usr/bin/env bash
# The real player while a station plays: its window answers at once all
# along, as another process that asks it every 10 ms sees; the buttons
# beside the status line stay in sight while the title scrolls behind them;
# the tray tip names the title; Play/Pause stops and plays it; and a close
# right after a favourite was added ends the process at once, the favourite
# saved.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# responsiveness_probe.exe, folder for the screenshots.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 probe_exe=$4 answers_exe=$5 shots=$6
scripts=$(dirname "$wine_run")
root=$(cd "$scripts/.." && pwd)
mkdir -p "$shots"
rm -f "$shots"/*.png

. "$root/tests/support/player_scenario.sh"
trap finish_scenario EXIT
start_scenario "$player_exe" || echo "no PulseAudio: the player runs without a mixer"
without_window_manager

. "$root/tests/support/screen_checks.sh"
shot() { sleep 0.7; import -window root "$shots/$1.png"; }
region() {  # region SHOT X Y W H -> a checksum of those pixels
    convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage rgb:- | md5sum | cut -d' ' -f1
}
read -r screen_width _ < <(xdotool getdisplaygeometry)
full_x=$((screen_width - 150 - 2))
status_id=1012
# The recorder, favourites and scheduler buttons, 14 pixels square side by
# side; the title shows through the pixel between them.
button_lefts=($((full_x + 5)) $((full_x + 20)) $((full_x + 35)))
buttons() {  # buttons SHOT -> the checksums of the three buttons' pixels
    local left
    for left in "${button_lefts[@]}"; do region "$1" "$left" $((2 + 165)) 14 14; done
}

probe start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null
# Asked all through what follows, until before the close.
timeout 120 wine "$answers_exe" 40 >"$folder/answers.out" 2>/dev/null &
answers_pid=$!
asked_from=$(date +%s.%N)
mark() { echo "at $(echo "$(date +%s.%N) - $asked_from" | bc | cut -c1-5) s: $1"; }
check "the status line starts narrow" settles "48 166 89 13" probe place $status_id
xdotool mousemove 5 1000
shot ready

# A station with titles in its stream: once one comes, it scrolls on the
# widened status line.
browser_y=$((2 + 215))
favorites_y=$((browser_y + 324 + 2))
click $((full_x + 75)) $((2 + 142 + 10))
check "the station browser opens" settles "150 324" window_at "$full_x" "$browser_y"
stations_list=1133
station_names() { grep -o '<station name="[^"]*"' "$root/site/public/stations.xml" | cut -d'"' -f2; }
station=$(station_names | sed -n 1p)
choose() {  # choose ROW NAME: a click on the station's name in the browser
    local place
    read -r -a place < <(probe row $stations_list "$1")
    mark "choosing $2"
    click "${place[0]:-0}" "${place[1]:-0}"
    check "a click on $2 makes it current" settles "$2" probe text 1204
}
# To another station and back while the first still connects.
choose 0 "$station"
choose 1 "$(station_names | sed -n 2p)"
choose 0 "$station"
wide() {
    for _ in $(seq 120); do
        [ "$(probe place $status_id)" = "4 166 140 13" ] && return 0
        sleep 0.25
    done
    return 1
}
check "a title comes and the status line widens under the buttons" wide
shot scrolling
check "the recorder, favourites and scheduler buttons stay drawn as the skin has them" \
    same "$(buttons scrolling)" "$(buttons ready)"
title_place=($((full_x + 50)) 166 90 13)
shot scrolled
check "the title runs on beside them" \
    differ "$(region scrolled "${title_place[@]}")" "$(region scrolling "${title_place[@]}")"

# The tray icon's tip, as the pointer resting on the icon shows it, names the
# station and the title now playing.
tray_tip() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name '^Wine System Tray$')")"
    xdotool mousemove $((X + HEIGHT / 2)) $((Y + HEIGHT / 2))
    sleep 1.5
    probe tips
    xdotool mousemove 5 1000
}
check "the tray tip names the station and its title" \
    grep -q "^$station - [A-Z]" <(tray_tip)

# The media keys with the player in front: Play/Pause stops the station and
# plays it again.
xdotool windowfocus --sync "$(xdotool search --name '^VelmoraRadio$' | head -1)"
xdotool key XF86AudioPlay
check "Play/Pause stops the station" settles "Ready" probe text $status_id
xdotool key XF86AudioPlay
check "and plays it again, its title scrolling" wide

# The favourites and the recorder open beside the station playing; the
# recorder closes again.
click $((full_x + 27)) $((2 + 165 + 7))
check "the favourites pane opens below the station browser" \
    settles "150 169" window_at "$full_x" "$favorites_y"
recorder=($((full_x + 5 + 7)) $((2 + 165 + 7)))
mark "opening the recorder"
click "${recorder[@]}"
sleep 2
# No MP3 encoder lies beside this player: the notice that says so goes.
xdotool key Return
sleep 1
# The player's own process, named by its scratch folder.
player_rss=$(for pid in $(pgrep -f "$(basename "$folder").VelmoraRadio\.exe"); do
    awk '$1 == "VmRSS:" { print $2 }' "/proc/$pid/status"
done | sort -n | tail -1)
echo "resident memory with the panes open: ${player_rss:-?} kB"
click "${recorder[@]}"
wait "$answers_pid"
tr -d '\r' <"$folder/answers.out"
longest=$(tr -d '\r' <"$folder/answers.out" | awk '$1 == "longest" { print int($2) }')
check "the window never left a message unanswered for a second" \
    test "${longest:-99999}" -lt 1000

# The favourite added is written by the time the process has ended, which
# it does at once, although the station still plays.
click $((full_x + 40)) $((favorites_y + 42))
check "the station still plays" same "$(probe place $status_id)" "4 166 140 13"
ran_on=$(probe close-timed)
echo "the process ran on for ${ran_on:-?} ms after the close"
check "the process ends within a few seconds of the close" \
    test "${ran_on:-99999}" -lt 3000
check "the favourite added is in favorites.xml" \
    grep -q "name=\"$station\"" "$folder/favorites.xml"

echo "$failures failed"
[ "$failures" -eq 0 ]
