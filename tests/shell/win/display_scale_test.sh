#!/usr/bin/env bash
# One start of the real player at a display scale: the prefix's "LogPixels"
# set to DPI (96, 144 or 192), the main window looked at as at 100%. Its
# client is 150 x 215 times the scale, each control lies in its place of the
# skin scaled alike, its picture is the skin drawn for that scale pixel for
# pixel (not the 100% picture stretched), and the station browser's lists
# show their names whole. The ticker, opened from the links field, is whole
# too, its buttons showing their pictures drawn for that scale.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe,
# folder for the screenshots, DPI, the skin's picture of the full window
# drawn for that scale, Marquel.dll, recorder_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 probe_exe=$4 shots=$5 dpi=$6 skin=$7 ticker_dll=$8
recorder_probe=$9
scripts=$(dirname "$wine_run")
root=$(cd "$scripts/.." && pwd)
mkdir -p "$shots"
rm -f "$shots"/*.png

desktop_key='HKCU\Control Panel\Desktop'
. "$root/tests/support/player_scenario.sh"
restore_scale() {
    wine regsvr32 /s /u "$(winepath -w "$folder/Marquel.dll")" >/dev/null 2>&1
    finish_scenario
    "$wine_run" "$prefix" reg delete "$desktop_key" /v LogPixels /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1
}
trap restore_scale EXIT
"$wine_run" "$prefix" reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
start_scenario "$player_exe" || echo "no PulseAudio: the player runs without a mixer"
cp "$ticker_dll" "$folder/Marquel.dll"
wine regsvr32 /s "$(winepath -w "$folder/Marquel.dll")" >/dev/null 2>&1

. "$root/tests/support/screen_checks.sh"
scaled() { echo $(((2 * $1 * dpi + 96) / 192)); }  # rounded, halves up, as the player does
geometry() {
    local id
    id=$(xdotool search --onlyvisible --name '^VelmoraRadio$' 2>/dev/null | head -1)
    [ -n "$id" ] || return
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$X $Y $WIDTH $HEIGHT"
}
read -r screen_width screen_height < <(xdotool getdisplaygeometry)

probe start "$(winepath -w "$folder/VelmoraRadio.exe")" >/dev/null
width=$(scaled 150) height=$(scaled 215)
x=$((screen_width - width - 2))
check "at $dpi DPI the window is 150 x 215 scaled, at the top-right place" \
    settles "$x 2 $width $height" geometry

# Each control within its place of the skin, scaled: "ID X Y W H" at 100%,
# and the whole window drawn anew as when its monitor's DPI changes.
places="1002 102 6 12 11
1001 117 6 12 11
1000 132 6 12 11
1084 8 98 105 17
1019 119 98 20 13
1103 8 120 116 17
1104 126 119 16 19
1204 8 142 134 20
1203 5 165 14 14
1206 20 165 14 14
1208 35 165 14 14
1012 48 166 89 13
1006 5 189 20 20
1007 26 189 20 20
1008 47 189 20 20
1010 72 189 72 20"
# Told its monitor's DPI changed, the window draws and places everything
# anew where the system suggests: the checks below look at that.
probe dpi-changed 300 40
check "after WM_DPICHANGED it stands where the system suggested, as large" \
    settles "300 40 $width $height" geometry
x=300 y0=40
probe places >"$folder/places"
while read -r id left top w h; do
    read -r _ cx cy cw ch < <(grep "^$id " "$folder/places")
    inside() {
        [ -n "${cx:-}" ] && [ "$cx" -ge "$(scaled "$left")" ] && [ "$cy" -ge "$(scaled "$top")" ] &&
            [ $((cx + cw)) -le $(($(scaled "$left") + $(scaled "$w"))) ] &&
            [ $((cy + ch)) -le $(($(scaled "$top") + $(scaled "$h"))) ]
    }
    check "control $id lies in its place scaled" inside
done <<<"$places"

# The search and links fields show their text in the template's font, made
# anew for each DPI the window is told of, as the dialog manager makes it
# for a dialog that leaves the message to it. (A smaller DPI: a field cuts
# its line to its own height, which does not change here.)
for dpi_told in $((dpi * 2 / 3)) "$dpi"; do
    probe dpi-changed 300 40 "$dpi_told"
    for field in 1084 1103; do
        check "told of $dpi_told DPI, field $field's lines are as high as the dialog font's there" \
            settles "$(probe template-line-height "$dpi_told")" probe line-height "$field"
    done
done

# Away from the controls the screen shows the skin drawn for this scale, to
# the pixel: the title's letters and the edges of the wells are as sharp as
# drawn, which a stretched 100% picture would not be.
xdotool mousemove 5 1000
sleep 1
import -window root "$shots/main-$dpi.png"
same_pixels() {  # same_pixels LEFT TOP WIDTH HEIGHT (at 100%): differing pixels
    local crop="$(scaled "$3")x$(scaled "$4")+$(scaled "$1")+$(scaled "$2")"
    convert "$shots/main-$dpi.png" -crop "$(scaled "$3")x$(scaled "$4")+$((x + $(scaled "$1")))+$((y0 + $(scaled "$2")))" \
        +repage "$folder/screen.png"
    convert "$skin" -crop "$crop" +repage "$folder/skin.png"
    compare -metric AE "$folder/screen.png" "$folder/skin.png" null: 2>&1
}
check "the title strip is the skin's own picture at this scale" same "$(same_pixels 8 0 92 22)" 0
check "the edges between the wells are the skin's own" same "$(same_pixels 4 88 142 8)" 0

# The panes, each found by its list: recorder, favourites, scheduler and
# station browser. Told its monitor's DPI changed (to the DPI it has), each
# builds its pictures, places and fonts anew from a message it posts itself,
# long handled by the next probe's start: as large as before, every control
# where it was, and drawn the same to the pixel. The browser's checks below
# look at it after that.
panes="1052 1231 1121 1133"
click $((x + $(scaled 75))) $((y0 + $(scaled 152)))
click $((x + $(scaled 12))) $((y0 + $(scaled 172)))
# There is no lame_enc.dll here: the recorder says so once, in a box.
answer_box() { timeout 60 wine "$recorder_probe" answer-box 2>/dev/null | tr -d '\r'; }
check "the recorder's one box is answered" same "$(answer_box)" "Can't initialize MP3 enocder."
for button in 27 42; do click $((x + $(scaled "$button"))) $((y0 + $(scaled 172))); done
pane_shown() { probe pane "$1" >/dev/null && echo shown; }
for list in $panes; do check "the pane of list $list opens" settles shown pane_shown "$list"; done
xdotool mousemove 5 1000
sleep 1
for list in $panes; do probe pane "$list" >"$folder/pane-$list"; done
# The framed panes, the station browser and the favourites, hold their 100%
# inside times the scale, whatever the frame around it: under Wine their
# 150-pixel windows hold 144 x 318 and 144 x 163 at 100%, and the frame does
# not grow with the scale as the inside does.
framed_insides="1133 144 318
1231 144 163"
check_framed_insides() {  # check_framed_insides WHEN
    while read -r list width height; do
        check "$1, the inside of the pane of list $list is $width x $height scaled" \
            same "$(probe pane-client "$list")" "$(scaled "$width") $(scaled "$height")"
    done <<<"$framed_insides"
}
check_framed_insides "opened"
import -window root "$shots/panes-$dpi.png"
# Moved away first, each goes back to its place beside the window.
for list in $panes; do
    read -r _ px py pw ph <"$folder/pane-$list"
    probe pane-rect "$list" $((px + 30)) $((py + 20)) "$pw" "$ph"
done
for list in $panes; do probe pane-dpi-changed "$list"; done
for list in $panes; do
    check "after WM_DPICHANGED the pane of list $list is in its place, as large, its controls in place" \
        settles "$(cat "$folder/pane-$list")" probe pane "$list"
done
check_framed_insides "after WM_DPICHANGED"
sleep 1
import -window root "$shots/panes-rebuilt-$dpi.png"
for list in $panes; do
    read -r _ px py pw ph <"$folder/pane-$list"
    for shot in panes panes-rebuilt; do
        convert "$shots/$shot-$dpi.png" -crop "${pw}x$ph+$px+$py" +repage "$folder/$shot-$list.png"
    done
    check "the pane of list $list is drawn as before" same "$(compare -metric AE \
        "$folder/panes-$list.png" "$folder/panes-rebuilt-$list.png" null: 2>&1)" 0
done

# The recorder's help opens the instructions, centred on the screen. Moved
# away and then told its monitor's DPI changed, the window is built anew and
# the recorder, which owns it, centres it again at its new size.
probe pane-press 1052 6
instructions_width=$(scaled 415) instructions_height=$(scaled 112)
centred="window $(((screen_width - instructions_width) / 2)) $(((screen_height - instructions_height) / 2)) $instructions_width $instructions_height"
instructions_window() { probe pane 1094 | head -1; }
check "the instructions open centred" settles "$centred" instructions_window
probe pane-rect 1094 40 50 "$instructions_width" "$instructions_height"
probe pane-dpi-changed 1094
check "after WM_DPICHANGED the recorder centres the instructions again" \
    settles "$centred" instructions_window
probe pane-press 1094 1065

# The recordings and the scheduled recordings are listed in columns as wide
# as the skin's at this scale, as the list's letters are.
check "the recordings list's columns grow with the scale" \
    same "$(probe columns 1052)" "$(scaled 90) $(scaled 120) $(scaled 60)"
check "the scheduler list's columns grow with the scale" \
    same "$(probe columns 1121)" "$(scaled 99) $(scaled 99) $(scaled 99) $(scaled 97) $(scaled 50)"

# The station browser, below the window, shows its names whole.
categories_whole() { [[ "$(probe clipped 1132 0)" =~ ^0\ of\ [1-9] ]]; }
check "the categories are whole" categories_whole
grep -o '<station name="[^"]*"' "$root/site/public/stations.xml" | cut -d'"' -f2 >"$folder/names"
# The demo site's longest names end in "..." at 100% too, in a 90-pixel column.
check "the station names are as whole as at 100%" settles "10 of $(wc -l <"$folder/names")" \
    probe clipped 1133 1 "$(winepath -w "$folder/names")"
import -window root "$shots/browser-$dpi.png"

# The ticker, from the first link, cut no more than at 100%: there the strip
# cuts 2 pixels off the foot of its channel field and spin, and may cut the
# buttons' blank margins (4 rows above each drawing, 3 below, 3 columns
# right of the close cross). Each button is as wide as its picture, and what
# shows of the close button is the picture drawn for this scale to the
# pixel, not the 100% one stretched.
check "the links field offers the ticker" settles "Ticker" probe text 1103
click $((x + $(scaled 66))) $((y0 + $(scaled 128)))
tickers() { probe ticker | grep -c .; }
check "the ticker opens" settles 1 tickers
# Built anew for the DPI it has, the ticker stays as it was; the checks below
# look at it after that.
probe pane 203 | head -1 >"$folder/ticker-window"
probe pane-dpi-changed 203
ticker_window() { probe pane 203 | head -1; }
check "after WM_DPICHANGED the ticker is as large" settles "$(cat "$folder/ticker-window")" ticker_window
xdotool mousemove 5 1000
sleep 1
probe ticker-places >"$folder/ticker"
read -r _ tx ty tw th < <(grep '^client ' "$folder/ticker")
# Its inside holds the line of text and a margin, 19 pixels high at 100%,
# whatever its frame (which under Wine keeps its 3 pixels a side).
check "the ticker's inside is 19 high scaled" same "${th:-}" "$(scaled 19)"
picture_height=$(scaled 19)
for button in "113 78" "110 17" "105 17"; do
    read -r id width <<<"$button"
    read -r _ bx by bw bh < <(grep "^$id " "$folder/ticker")
    check "ticker button $id is as wide as its picture at this scale" same "${bw:-}" "$(scaled "$width")"
    picture_top=$((${by:-0} + (${bh:-0} - picture_height) / 2))
    whole() { [ -n "${bx:-}" ] && [ "$bx" -ge 0 ] && [ $((bx + bw - tw)) -le "$(scaled 3)" ] &&
        [ $((-picture_top)) -le "$(scaled 4)" ] &&
        [ $((picture_top + picture_height - th)) -le "$(scaled 3)" ]; }
    check "ticker button $id shows its picture whole (at ${bx:-} $picture_top in $tw x $th)" whole
done
while read -r id cx cy cw ch; do
    inside() { [ "$cx" -ge 0 ] && [ "$cy" -ge 0 ] && [ $((cx + cw)) -le "$tw" ] &&
        [ $((cy + ch - th)) -le "$(scaled 2)" ]; }
    check "ticker control $id lies inside the strip ($cx $cy $cw $ch in $tw x $th)" inside
done < <(grep -E '^(203|204) ' "$folder/ticker")
import -window root "$shots/ticker-$dpi.png"
read -r _ bx by bw bh < <(grep '^105 ' "$folder/ticker")
close_picture=$root/ticker/res/close.bmp
[ "$dpi" -eq 96 ] || close_picture=$root/ticker/res/$((dpi * 100 / 96))/close.bmp
picture_top=$((by + (bh - picture_height) / 2))
cut=$((picture_top < 0 ? -picture_top : 0))
shown=$((picture_height - cut < th - picture_top - cut ? picture_height - cut : th - picture_top - cut))
columns=$((tw - bx < $(scaled 17) ? tw - bx : $(scaled 17)))
convert "$shots/ticker-$dpi.png" -crop "${columns}x$shown+$((tx + bx))+$((ty + picture_top + cut))" \
    +repage "$folder/close.png"
convert "$close_picture" -crop "${columns}x$shown+0+$cut" +repage "$folder/close-drawn.png"
check "what shows of the ticker's close button is its picture drawn for this scale" \
    same "$(compare -metric AE "$folder/close.png" "$folder/close-drawn.png" null: 2>&1)" 0

check "the player ends when its window closes" ends probe close
echo "$failures failed"
[ "$failures" -eq 0 ]
