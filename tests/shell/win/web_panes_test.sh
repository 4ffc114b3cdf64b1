#!/usr/bin/env bash
# One start of the real player against the demo site: the ticker from the
# links field, and the info pane under the main window. Wine runs here with
# its HTML engine switched off, so the pane's page stays blank; the pane and
# its close button must work all the same.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, Marquel.dll,
# player_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 ticker_dll=$4 probe_exe=$5
scripts=$(dirname "$wine_run")
root=$(cd "$scripts/.." && pwd)

. "$scripts/start-xvfb"
unset DISPLAY
start_xvfb || { echo "no X display" >&2; exit 1; }
folder=$(mktemp -d)
cp "$player_exe" "$folder/VelmoraRadio.exe"
cp "$ticker_dll" "$folder/Marquel.dll"

. "$root/tests/support/player_scenario.sh"
point_player_at_site
finish() {
    wine regsvr32 /s /u "$(winepath -w "$folder/Marquel.dll")" >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1
    stop_xvfb
    rm -rf "$folder"
}
trap finish EXIT
wine regsvr32 /s "$(winepath -w "$folder/Marquel.dll")" >/dev/null 2>&1

. "$root/tests/support/screen_checks.sh"
# Waits up to 15 s for `probe windows` lines matching PATTERN, then prints them.
windows_matching() {
    local lines
    for _ in $(seq 30); do
        lines=$(probe windows | grep -E "$1")
        [ -n "$lines" ] && break
        sleep 0.5
    done
    echo "$lines"
}
count() { [ -z "$1" ] && echo 0 || echo "$1" | wc -l; }
read -r screen_width _ < <(xdotool getdisplaygeometry)

probe start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null
x=$((screen_width - 150 - 2)) y=2
links=($((x + 8 + 50)) $((y + 120 + 8)))
spin_down=($((x + 126 + 8)) $((y + 119 + 15)))

# "Ticker" is the first link: a click on the field runs it.
check "the links field shows the ticker link" same "$(probe text 1103)" "Ticker"
click "${links[@]}"
tickers=$(windows_matching '\|News$')
check "the ticker shows the demo feed's first channel" same "$(count "$tickers")" 1
click "${links[@]}"
sleep 2
tickers=$(windows_matching '\|News$')
check "a second command leaves exactly one ticker" same "$(count "$tickers")" 1

# Ticker, Update, Favorites, Recording timer, Station info.
for _ in 1 2 3 4; do click "${spin_down[@]}"; done
check "the spin reaches the info link" same "$(probe text 1103)" "Station info"
click "${links[@]}"
info=$(windows_matching '^Station info\|')
check "the info pane opens below the main window" \
    same "$(echo "$info" | cut -d'|' -f2)" "$x $((y + 215 + 2)) 151 195"
click $((x + 132 + 6)) $((y + 215 + 2 + 8 + 5))
sleep 1
check "its close button hides it" same "$(count "$(probe windows | grep '^Station info|')")" 0

probe move 300 300
sleep 0.5
click $((300 + 8 + 50)) $((300 + 120 + 8))
info=$(windows_matching '^Station info\|')
check "it opens again at the main window's current place" \
    same "$(echo "$info" | cut -d'|' -f2)" "300 $((300 + 215 + 2)) 151 195"

probe close
echo "$failures failed"
[ "$failures" -eq 0 ]
