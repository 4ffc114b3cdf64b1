# Sourced by the stream copy's Wine scripts, after recorder_player_setup.sh:
# the recorder's source set to "Radio stream (exact copy)", and how to start
# the player and play a station from its station browser. Expects
# player_probe (player_probe.exe) to be set.
"$wine_run" "$prefix" reg add "$key" /v Device /t REG_SZ /d "Radio stream (exact copy)" /f \
    >/dev/null 2>&1

station_list=1133 station_button=1204 status_line=1012
row_of() {  # its row in the station browser's "All stations"
    LC_ALL=C grep -ao '<station name="[^"]*"' "$root/site/public/stations.xml" |
        cut -d'"' -f2 | grep -nxF "$1" | cut -d: -f1 | awk '{ print $1 - 1 }'
}
player_probe() { timeout 60 wine "$player_probe" "$@" 2>/dev/null | tr -d '\r'; }
# Starts the player and opens its station browser.
start_player_with_browser() {
    timeout 60 wine "$player_probe" start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null 2>&1
    check "the status line says Ready" settles "Ready" player_probe text $status_line
    local screen_width
    read -r screen_width _ < <(xdotool getdisplaygeometry)
    local full_x=$((screen_width - 150 - 2))
    click $((full_x + 75)) $((2 + 142 + 10))
    sleep 2
}
# The seconds from one time of day (seconds since 1970, with a fraction) to
# another.
seconds_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f\n", b - a }'; }
# Clicks STATION in the open station browser.
play_station() {  # play_station STATION
    local x y
    read -r x y < <(player_probe row $station_list "$(row_of "$1")")
    click "${x:-0}" "${y:-0}"
    check "\"$1\" is current" settles "$1" player_probe text $station_button
}
