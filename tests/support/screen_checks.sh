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
