#!/usr/bin/env bash
# Not a test: how long the real player's window takes to answer under Wine on
# a directory of 10,000 stations whose first station's stream and title page
# accept the connection and never answer. Another process asks the window
# every 10 ms all through while the run chooses the stalled station, changes
# to another and back, opens the recorder and the favourites, and waits for
# the now-playing timer (every 50 s) to fire; then it plays a station that
# answers. Prints the longest answer, the 99th percentile, how many answers
# took over 100 ms, and the player's resident memory with the browser,
# favourites and recorder open, with its thread count and largest mappings.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# responsiveness_probe.exe, a folder for the benchmark's site.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 probe_exe=$4 answers_exe=$5 site=$6
scripts=$(cd "$(dirname "$wine_run")" && pwd)
root=$(cd "$scripts/.." && pwd)

# The site first, then the run again with the server serving it; a stalled
# answer is held for as long as the run lasts.
if [ -z "${VELMORA_TEST_SITE_PORT:-}" ]; then
    rm -rf "$site"
    cp -r "$root/site/public" "$site"
    python3 - "$site/stations.xml" <<'PY'
import sys
station = """\t<station name="%s">
\t\t<homepage>{{BASE}}info/main.html</homepage>
\t\t<streamlink>{{BASE}}%sradio/live.mp3</streamlink>
\t\t<banner>{{BASE}}banner.php?bid=12</banner>
\t\t<current>{{BASE}}%snowplaying/harbour.html</current>
\t\t<tfirst>Now playing:</tfirst>
\t\t<tsecond>&lt;/b&gt;</tsecond>
\t\t<catid>16</catid>
\t\t<flagfile>nl.bmp</flagfile>
\t</station>
"""
with open(sys.argv[1], "w") as out:
    out.write('<?xml version="1.0"?>\n<root>\n')
    out.write(station % ("Stalled FM", "stall/", "stall/"))
    for number in range(1, 10000):
        out.write(station % ("Station %05d" % number, "", ""))
    out.write("</root>\n")
PY
    VELMORA_SITE_ROOT=$site VELMORA_SITE_STALL_LIMIT=600 exec "$scripts/with-site-server" "$0" "$@"
fi

. "$root/tests/support/player_scenario.sh"
trap finish_scenario EXIT
start_scenario "$player_exe" || echo "no PulseAudio: the player runs without a mixer"
without_window_manager

read -r screen_width _ < <(xdotool getdisplaygeometry)
full_x=$((screen_width - 150 - 2))
asked_from=$(date +%s.%N)
mark() { echo "at $(echo "$(date +%s.%N) - $asked_from" | bc | cut -c1-5) s: $1"; }
choose() {  # choose ROW: a click on that row's station name in the browser
    local place
    read -r -a place < <(probe row 1133 "$1")
    mark "choosing row $1"
    click "${place[0]:-0}" "${place[1]:-0}"
}

probe start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null
timeout 200 wine "$answers_exe" 80 "$asked_from" >"$folder/answers.out" 2>/dev/null &
answers_pid=$!
click $((full_x + 75)) $((2 + 142 + 10))  # the station browser
sleep 2
choose 0
sleep 3
choose 1
sleep 3
choose 0
sleep 3
mark "opening the recorder"
click $((full_x + 12)) $((2 + 165 + 7))
sleep 2
xdotool key Return  # the notice that no MP3 encoder lies beside the player
click $((full_x + 27)) $((2 + 165 + 7))  # the favourites
# The now-playing timer fires 50 s after the start, while the stalled
# station's title page still holds its fetch.
sleep 45
mark "the now-playing timer has fired"
choose 2
sleep 5
mark "a station plays"
player_pid=$(pgrep -f "$(basename "$folder").VelmoraRadio\.exe" | tail -1)
echo "resident memory with the browser, favourites and recorder open:" \
    "$(awk '$1 == "VmRSS:" { print $2 }' "/proc/$player_pid/status") kB"
# Under Wine every thread keeps about 1 MB of its stack resident.
echo "threads: $(ls "/proc/$player_pid/task" | wc -l)"
echo "largest mappings (kB resident, file):"
awk '/^[0-9a-f]+-[0-9a-f]+ / { file = $6 } $1 == "Rss:" { rss[file] += $2 }
     END { for (f in rss) print rss[f], (f == "" ? "[anonymous]" : f) }' \
    "/proc/$player_pid/smaps" | sort -rn | head -12
wait "$answers_pid"
tr -d '\r' <"$folder/answers.out"
