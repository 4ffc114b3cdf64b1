#!/usr/bin/env bash
# One start of the real player against the demo site on loopback, looked at
# as a user would: the screen through ImageMagick, the pointer through
# xdotool, and the texts of its controls through player_probe.exe.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# folder for the screenshots.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 probe_exe=$4 shots=$5
scripts=$(dirname "$wine_run")
root=$(cd "$scripts/.." && pwd)
mkdir -p "$shots"
rm -f "$shots"/*.png

. "$root/tests/support/player_scenario.sh"
trap finish_scenario EXIT
start_scenario "$player_exe" || echo "no PulseAudio: the player runs without a mixer"

. "$root/tests/support/screen_checks.sh"
shot() { sleep 0.7; import -window root "$shots/$1.png"; }
pixel() {  # pixel SHOT X Y -> r,g,b
    convert "$shots/$1.png" -format \
        "%[fx:int(255*p{$2,$3}.r+.5)],%[fx:int(255*p{$2,$3}.g+.5)],%[fx:int(255*p{$2,$3}.b+.5)]" info:
}
region() {  # region SHOT X Y W H -> a checksum of those pixels
    convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage rgb:- | md5sum | cut -d' ' -f1
}
player_window() { xdotool search --onlyvisible --name '^VelmoraRadio$' 2>/dev/null | head -1; }
geometry() {  # geometry -> "X Y WIDTH HEIGHT" of the visible main window
    local id
    for _ in $(seq 40); do
        id=$(player_window)
        [ -n "$id" ] && break
        sleep 0.25
    done
    [ -n "$id" ] || { echo "none"; return; }
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$X $Y $WIDTH $HEIGHT"
}
player_shown() { [ -n "$(player_window)" ]; }
read -r screen_width _ < <(xdotool getdisplaygeometry)

# The station button waits for the directory, then asks for a station.
mapfile -t button < <(probe start "$(winepath -w "$folder/VelmoraRadio.exe")")
check "the station button starts as a disabled \"Initialization\"" \
    same "${button[0]:-}" "Initialization|0"
check "after the directory arrived it asks for a station" \
    same "${button[1]:-}" "Select radio station|1"
for file in radio_pal_stations.xml links.xml Flags/nl.bmp Flags/pl.bmp; do
    check "the refresh left $file in the program folder" test -s "$folder/$file"
done

# The full window stands at the top-right corner, cut to its picture.
full_x=$((screen_width - 150 - 2))
check "the window stands at the top-right place" settles "$full_x 2 150 215" geometry
xdotool mousemove 5 1000
shot full
desktop=$(pixel full 640 900)
check "the keyed corner shows the desktop" same "$(pixel full "$full_x" 2)" "$desktop"
check "the window's body is drawn" differ "$(pixel full $((full_x + 75)) 100)" "$desktop"
check "the status line says Ready" same "$(probe text 1012)" "Ready"

# A new status text is drawn on a clean background: after a long text and
# "Ready" again the status line looks as it did.
status=($((full_x + 48)) 168 89 13)
probe set-text 1012 "Connecting... Connecting..."
shot status-long
check "a new status text shows" \
    differ "$(region status-long "${status[@]}")" "$(region full "${status[@]}")"
probe set-text 1012 "Ready"
shot status-again
check "the old status text leaves nothing behind" \
    same "$(region status-again "${status[@]}")" "$(region full "${status[@]}")"

# The station browser hangs below the window; a click on a station's name
# plays it. The favourites pane opens below the browser and keeps the
# station playing, in favorites.xml when the player ends.
browser_y=$((2 + 215))
favorites_y=$((browser_y + 324 + 2))
click $((full_x + 75)) $((2 + 142 + 10))
check "the station button opens the station browser below the window" \
    settles "150 324" window_at "$full_x" "$browser_y"
first_station=$(grep -o '<station name="[^"]*"' "$root/site/public/stations.xml" | head -1 |
    cut -d'"' -f2)
click $((full_x + 63)) $((browser_y + 92))
check "a click on a station's name makes it current" settles "$first_station" probe text 1204
click $((full_x + 5 + 10)) $((2 + 189 + 10))  # stop: the rest needs no sound
click $((full_x + 27)) $((2 + 165 + 7))
check "the favourites pane opens below the station browser" \
    settles "150 169" window_at "$full_x" "$favorites_y"
click $((full_x + 40)) $((favorites_y + 42))

# The spin beside the links field walks through the links, not past the first.
spin_x=$((full_x + 126 + 8))
check "the links field shows the first link" same "$(probe text 1103)" "Ticker"
tap "$spin_x" $((2 + 119 + 15))
check "the spin's lower arrow goes to the next link" same "$(probe text 1103)" "Update"
tap "$spin_x" $((2 + 119 + 15))
check "and on into the site's links" same "$(probe text 1103)" "Favorites"
tap "$spin_x" $((2 + 119 + 3))
tap "$spin_x" $((2 + 119 + 3))
tap "$spin_x" $((2 + 119 + 3))
check "the upper arrow goes back, never before the first" same "$(probe text 1103)" "Ticker"

# Compact and back: the bar is centred at the top, the full window returns
# to its place at its size.
browser_shown() { [ -n "$(window_at "$full_x" "$browser_y")" ]; }
check "the compact bar hides the panes" \
    leaves browser_shown 40 click $((full_x + 102 + 6)) $((2 + 6 + 5))
compact_x=$(((screen_width - 312) / 2))
check "the compact bar is centred at the top" settles "$compact_x 2 312 26" geometry
shot compact
check "the compact bar is drawn" differ "$(pixel compact $((compact_x + 100)) 12)" "$desktop"
click $((compact_x + 297 + 6)) $((2 + 2 + 5))
check "the full window is back at its place" settles "$full_x 2 150 215" geometry
check "and the panes that were open are back below it" settles "150 324 150 169" \
    eval 'echo $(window_at "$full_x" "$browser_y") $(window_at "$full_x" "$favorites_y")' 

# Hidden, and moved meanwhile, a second start brings the window back at the
# top-right place.
check "the hide button hides the window" leaves player_shown 20 click $((full_x + 117 + 6)) $((2 + 6 + 5))
probe move 300 300
timeout 60 wine "$folder/VelmoraRadio.exe" >/dev/null 2>&1
check "a second start brings it back at the top-right place" \
    settles "$full_x 2 150 215" geometry

# Since the layout changed, the window goes along when dragged from anywhere
# on its picture (the banner above takes its own clicks).
xdotool mousemove $((full_x + 75)) 95
sleep 0.3
xdotool mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove $((full_x + 75 - step * (full_x - 300) / 5)) $((95 + step * 60))
    sleep 0.1
done
xdotool mouseup 1
sleep 0.5
check "the window can be dragged away" settles "300 302 150 215" geometry

check "the player ends when its window closes" ends probe close
check "the favourite added is in favorites.xml" \
    grep -q "name=\"$first_station\"" "$folder/favorites.xml"

# The next start reads the favourites back when their pane opens, and writes
# them again when it ends: a list read wrong would be saved empty.
cp "$folder/favorites.xml" "$folder/favorites-first-run.xml"
probe start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null
click $((full_x + 27)) $((2 + 165 + 7))
check "the favourites pane opens again, 2 pixels below the window" \
    settles "150 169" window_at "$full_x" $((2 + 215 + 2))
check "the player ends again" ends probe close
check "the favourite is still there after a second run" \
    cmp -s "$folder/favorites.xml" "$folder/favorites-first-run.xml"

echo "$failures failed"
[ "$failures" -eq 0 ]
