#!/usr/bin/env bash
# Reads the marks of a recording of make_marks.sh's track and prints
# "FIRST LAST MARKS OUT-OF-TURN" (seconds, then counts): OUT-OF-TURN counts
# the gaps between marks that do not follow the one before in the 80, 90,
# ..., 140 ms cycle, each a place where sound was lost. Fails when any is.
set -euo pipefail
file=$1
sox "$file" -t dat - remix 1 | awk '
    /^;/ { next }
    { t = $1; x = $2 < 0 ? -$2 : $2 }
    # A mark that the start of the file cut, or that began too near it to
    # tell, has no true onset: what is left of it is no mark either.
    x > 0.5 && t < 0.006 { cut = t; next }
    x > 0.5 && (count == 0 ? cut == "" || t - cut > 0.05 : t - last > 0.05) {
        if (count == 0) first = t
        if (count > 0) {
            gap = int((t - last) * 1000 + 0.5)
            if (count > 1) {
                expected = previous >= 140 ? 80 : previous + 10
                if (gap < expected - 3 || gap > expected + 3) {
                    outOfTurn++
                    printf "out of turn at %.3f s: %d ms after %d ms\n", last, gap, previous > "/dev/stderr"
                }
            }
            previous = gap
        }
        last = t; count++
    }
    END {
        printf "%.3f %.3f %d %d\n", first, last, count, outOfTurn
        exit !(count > 2 && outOfTurn == 0)
    }'
