#!/usr/bin/env bash
# Looks at the skin gallery on the X display as a user would: screenshots with
# ImageMagick, the pointer and keys with xdotool.
# Arguments: Wine runner, Wine prefix, gallery program, slider background
# bitmap, folder for the screenshots.
set -uo pipefail
wine_run=$1 prefix=$2 gallery=$3 slider_bitmap=$4 shots=$5
mkdir -p "$shots"
rm -f "$shots"/*.png

# The gallery's places on the screen (tests/skin/win/gallery_windows.h).
main_x=20 main_y=20
volume_x=$((main_x + 72)) volume_y=$((main_y + 189))

# A display of its own, whatever DISPLAY says: the checks rely on the
# windows standing where the gallery put them, with no window manager and no
# other window in the way.
. "$(dirname "$wine_run")/start-xvfb"
unset DISPLAY
start_xvfb || { echo "no X display" >&2; exit 1; }
"$wine_run" "$prefix" "$gallery" 90 &
gallery_pid=$!
finish() {
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
    wait "$gallery_pid" 2>/dev/null
    stop_xvfb
}
trap finish EXIT

. "$(dirname "$0")/../../support/screen_checks.sh"

window_named() {
    local id
    for _ in $(seq 60); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    return 1
}

shot() {
    sleep 0.7
    import -window root "$shots/$1.png" || { echo "FAILED: screenshot $1"; exit 1; }
}
pixel() {  # pixel FILE X Y -> r,g,b
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+.5)],%[fx:int(255*p{$2,$3}.g+.5)],%[fx:int(255*p{$2,$3}.b+.5)]" info:
}
screen_pixel() { pixel "$shots/$1.png" "$2" "$3"; }
# Every value compared here is a pixel or a count: a failed read gives an
# empty or error text, which fails every comparison, "differ" as much as "same".
measured() { [[ $1 =~ ^[0-9]+(,[0-9]+,[0-9]+)?$ ]] || { echo "not measured: '$1'"; false; }; }
same() { measured "$1" && measured "$2" && [ "$1" = "$2" ]; }
differ() { measured "$1" && measured "$2" && [ "$1" != "$2" ]; }

buttons=$(window_named "Skin gallery buttons") || { echo "FAILED: the gallery did not open"; exit 1; }
window_named "Skin gallery main" >/dev/null
window_named "Skin gallery pane" >/dev/null
eval "$(xdotool getwindowgeometry --shell "$buttons")"
buttons_x=$((X + 1)) buttons_y=$((Y + 1))  # inside the one-pixel border
xdotool mousemove 700 700
shot at-rest

# The main window is cut to its picture: the desktop shows where the picture
# is magenta, and no magenta pixel reaches the screen.
desktop=$(screen_pixel at-rest 5 5)
check "the keyed corner of the main window shows the desktop" \
    same "$(screen_pixel at-rest "$main_x" "$main_y")" "$desktop"
check "the main window's body is drawn" \
    differ "$(screen_pixel at-rest $((main_x + 75)) $((main_y + 100)))" "$desktop"
magenta=$(convert "$shots/at-rest.png" -fill black +opaque "rgb(255,0,255)" -fill white \
    -opaque "rgb(255,0,255)" -format "%[fx:int(mean*w*h+.5)]" info:)
check "no key-coloured pixel reaches the screen" same "$magenta" 0

# The hover edge shows only while the pointer is over the button.
hover_x=$((buttons_x + 60)) hover_y=$((buttons_y + 10))
edge_x=$((hover_x + 39)) edge_y=$((hover_y + 29))
resting=$(screen_pixel at-rest "$edge_x" "$edge_y")
xdotool mousemove $((hover_x + 20)) $((hover_y + 15))
shot hovered
check "the hover edge appears under the pointer" \
    differ "$(screen_pixel hovered "$edge_x" "$edge_y")" "$resting"
check "the button beside it stays flat" \
    same "$(screen_pixel hovered $((edge_x - 50)) "$edge_y")" "$resting"
xdotool mousemove 700 700
shot left
check "the hover edge goes when the pointer leaves" \
    same "$(screen_pixel left "$edge_x" "$edge_y")" "$resting"

# Pressing elsewhere and dragging onto the button does not light it;
# releasing and moving again does.
xdotool mousemove $((buttons_x + 105)) $((buttons_y + 45)) mousedown 1
xdotool mousemove $((hover_x + 20)) $((hover_y + 15))
shot pressed-elsewhere
check "a button reached with the left button held stays flat" \
    same "$(screen_pixel pressed-elsewhere "$edge_x" "$edge_y")" "$resting"
xdotool mouseup 1
xdotool mousemove $((hover_x + 21)) $((hover_y + 16))
shot released
check "after the release the hover edge appears" \
    differ "$(screen_pixel released "$edge_x" "$edge_y")" "$resting"
xdotool mousemove 700 700

# The slider's thumb follows its position: the knob sits 13 pixels in at the
# minimum and 14 pixels from the end at the maximum.
row=10
background_at() { pixel "$slider_bitmap" "$1" "$row"; }
check "at the minimum the knob covers column 13" \
    differ "$(screen_pixel at-rest $((volume_x + 13)) $((volume_y + row)))" "$(background_at 13)"
check "at the minimum column 58 shows the background" \
    same "$(screen_pixel at-rest $((volume_x + 58)) $((volume_y + row)))" "$(background_at 58)"
xdotool mousemove $((volume_x + 13)) $((volume_y + row)) click 1
xdotool key End
xdotool mousemove 700 700
shot slider-at-maximum
check "at the maximum the knob covers column 58" \
    differ "$(screen_pixel slider-at-maximum $((volume_x + 58)) $((volume_y + row)))" \
    "$(background_at 58)"
check "at the maximum column 13 shows the background again" \
    same "$(screen_pixel slider-at-maximum $((volume_x + 13)) $((volume_y + row)))" \
    "$(background_at 13)"

# Dragging the thumb shows the value tip below it.
tip_band() {
    convert "$shots/$1.png" -crop 100x14+$((volume_x - 14))+$((volume_y + 22)) +repage \
        "$shots/$1-band.png" || { echo "FAILED: cutting the tip band of $1"; exit 1; }
}
xdotool mousemove $((volume_x + 58)) $((volume_y + row)) mousedown 1
xdotool mousemove $((volume_x + 40)) $((volume_y + row))
xdotool mousemove $((volume_x + 38)) $((volume_y + row))
shot dragging
xdotool mouseup 1
xdotool mousemove 700 700
shot dragged
tip_band at-rest
tip_band dragging
tip_band dragged
band_changes() { compare -metric AE "$shots/at-rest-band.png" "$shots/$1-band.png" null: 2>&1; }
check "the value tip shows while the thumb is dragged" differ "$(band_changes dragging)" 0
check "the value tip goes with the button" same "$(band_changes dragged)" 0

# A double-click is two clicks.
xdotool mousemove $((buttons_x + 150)) $((buttons_y + 65)) click --repeat 2 --delay 60 1
sleep 0.7
check "a double-click gives two click notifications" \
    test "$(xdotool getwindowname "$buttons")" = "Skin gallery buttons - clicks 2"

echo "screenshots in $shots"
[ "$failures" -eq 0 ]
