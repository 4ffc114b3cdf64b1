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
same() { [ "$1" = "$2" ]; }
differ() { [ "$1" != "$2" ]; }
