#!/usr/bin/env bash
# check_includes_test.sh CHECK
# The include check on a small tree of its own: a downward include passes,
# an upward one and a bare name fail, each named by file and line.
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

failures=0
expect() {  # expect DESCRIPTION EXIT_CODE OUTPUT_PATTERN
    local output code
    output=$("$check" "$tree" 2>&1)
    code=$?
    if [ "$code" -ne "$2" ] || ! grep -qE -- "$3" <<<"$output"; then
        echo "FAILED: $1 (exit $code, wanted $2; output: $output)"
        failures=$((failures + 1))
    else
        echo "ok: $1"
    fi
}

mkdir -p "$tree/player/shell" "$tree/player/directory" "$tree/common/ports"
echo '#pragma once' >"$tree/common/ports/registry.h"
echo '#pragma once' >"$tree/player/directory/station_directory.h"
printf '#include "directory/station_directory.h"\n#include "common/ports/registry.h"\n' \
    >"$tree/player/shell/orvane_dlg.h"
printf '#include "directory/station_directory.h"\n' >"$tree/player/directory/downloads.cpp"
expect "includes that go down pass" 0 '^$'

printf '#include "directory/station_directory.h"\n#include "shell/orvane_dlg.h"\n' \
    >"$tree/player/directory/downloads.cpp"
expect "an upward include fails" 1 \
    'player/directory/downloads.cpp:2: the directory room may not include "shell/orvane_dlg.h"'

printf '#include "station_directory.h"\n' >"$tree/player/directory/downloads.cpp"
expect "a bare name fails" 1 'downloads.cpp:1: "station_directory.h" is not named by its path'

printf '#include "player/shell/orvane_dlg.h"\n' >"$tree/common/ports/registry.h"
rm "$tree/player/directory/downloads.cpp"
expect "the shared kits include nothing of the player" 1 \
    'common/ports/registry.h:1: the shared kits may not include "player/shell/orvane_dlg.h"'

exit $((failures > 0))
