# Sourced by the scripts that look at a Windows program on the X display:
# named checks that count their failures, and the comparisons they use.
failures=0
check() {  # check DESCRIPTION COMMAND...
    if "${@:2}"; then
        echo "ok: $1"
    else
        echo "FAILED: $1 (${*:2})"
        failures=$((failures + 1))
    fi
}
# A failed read (a screenshot, a pixel, a window text) gives an empty text:
# it fails "differ" as much as "same".
same() { [ -n "$1" ] && [ "$1" = "$2" ]; }
differ() { [ -n "$1" ] && [ -n "$2" ] && [ "$1" != "$2" ]; }
# The player answers a click in its own time, slower on a busy machine: a
# check of what it shows waits a few seconds for it to get there.
settles() {  # settles EXPECTED COMMAND...
    local seen
    for _ in $(seq 40); do
        seen=$("${@:2}")
        [ -n "$1" ] && [ "$seen" = "$1" ] && return 0
        sleep 0.25
    done
    echo "saw '$seen'"
    return 1
}
window_at() {  # window_at X Y -> "WIDTH HEIGHT" of the visible window whose corner is there
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$X $Y" = "$1 $2" ] && { echo "$WIDTH $HEIGHT"; return; }
    done
}
