#!/usr/bin/env bash
# One start of the real player against the demo site, without the media
# player control: its notice, the ticker from the links field, the info and
# search panes under the main window, and the banner's tip and right button.
# Wine runs here with its HTML engine switched off, so the pages stay blank;
# the panes, their buttons and the keys must work all the same, and the site
# server's log tells which pages the browsers asked for.
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
# A check that a window went asks for "1 0": the window counted by the same
# probe before it went, and after. A probe that sees nothing cannot pass for
# a window gone.
count() { [ -z "$1" ] && echo 0 || echo "$1" | wc -l; }
# Waits up to 5 s for no `probe windows` line to match PATTERN; prints how
# many still do.
windows_gone() {
    local left
    for _ in $(seq 10); do
        left=$(count "$(probe windows | grep -E "$1")")
        [ "$left" -eq 0 ] && break
        sleep 0.5
    done
    echo "$left"
}
read -r screen_width _ < <(xdotool getdisplaygeometry)

# Without the media player control, as on a system that lacks it: the
# player says so once it shows, and goes on without it.
export WINEDLLOVERRIDES="mscoree,mshtml,wmp="
probe start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null
notices=$(windows_matching '^VelmoraRadio Error\|')
notice=$(probe texts "VelmoraRadio Error")
check "the media player notice says what is missing" same "$(echo "$notice" | head -1)" \
    "VelmoraRadio need Windows Media Player 10.0 to be installed!"
check "and links to its download" same "$(echo "$notice" | sed -n 2p)" \
    "Download Windows Media Player 10.0"
probe press "VelmoraRadio Error" 1 >/dev/null
check "its Ok closes it" same "$(count "$notices") $(windows_gone '^VelmoraRadio Error\|')" "1 0"
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
for _ in 1 2 3 4; do tap "${spin_down[@]}"; done
check "the spin reaches the info link" same "$(probe text 1103)" "Station info"
click "${links[@]}"
info=$(windows_matching '^Station info\|')
check "the info pane opens below the main window" \
    same "$(echo "$info" | cut -d'|' -f2)" "$x $((y + 215 + 2)) 151 195"
click $((x + 132 + 6)) $((y + 215 + 2 + 8 + 5))
sleep 1
check "its close button hides it" \
    same "$(count "$info") $(count "$(probe windows | grep '^Station info|')")" "1 0"

probe move 300 300
sleep 0.5
click $((300 + 8 + 50)) $((300 + 120 + 8))
info=$(windows_matching '^Station info\|')
check "it opens again at the main window's current place" \
    same "$(echo "$info" | cut -d'|' -f2)" "300 $((300 + 215 + 2)) 151 195"


# Enter on a pane's page: the info pane closes as a dialog does, the search
# pane hands it to its page, where a search form may be waiting for it.
page=(75 110)  # inside the browser at (3,28) 145x164
probe enter "Station info" "${page[@]}" >/dev/null
check "Enter on the info page closes the info pane" \
    same "$(count "$info") $(windows_gone '^Station info\|')" "1 0"

# The banner at the window's new place: its tip, and no menu of its own.
banner=($((300 + 3 + 72)) $((300 + 26 + 31)))
xdotool mousemove "${banner[@]}"
sleep 0.3
xdotool mousemove $((banner[0] + 2)) $((banner[1] + 1))
check "the banner's tip says what a click does" \
    same "$(count "$(windows_matching '^Klik hier\|')")" 1
xdotool mousemove 5 1000
sleep 1
# The windows but the banner's tip, where a menu would be one more. The
# ticker stays all along, so a probe that sees nothing fails too.
shown() { probe windows | grep -v '^Klik hier|'; }
before=$(shown)
xdotool mousemove "${banner[@]}"
sleep 0.3
xdotool click 3
sleep 1
check "a right click on the banner opens no menu" same "$(shown)" "$before"
xdotool mousemove 5 1000

tap $((300 + 126 + 8)) $((300 + 119 + 15))
for _ in $(seq 20); do
    [ "$(probe text 1103)" = "Search the web" ] && break
    sleep 0.25
done
check "the spin reaches the search link" same "$(probe text 1103)" "Search the web"
click $((300 + 8 + 50)) $((300 + 120 + 8))
search=$(windows_matching '^Search the web\|')
check "the search pane opens below the main window" \
    same "$(echo "$search" | cut -d'|' -f2)" "300 $((300 + 215 + 2)) 151 195"
asked() { grep -q "\"GET /$1 " "$VELMORA_TEST_SITE_LOG"; }
for _ in $(seq 20); do
    asked info/zoeken.html && break
    sleep 0.25
done
check "its browser asks the site for the search page" asked info/zoeken.html
probe enter "Search the web" "${page[@]}" >/dev/null
sleep 1
check "Enter on the search page leaves the pane open" \
    same "$(count "$(probe windows | grep '^Search the web|')")" 1

probe close
echo "$failures failed"
[ "$failures" -eq 0 ]
