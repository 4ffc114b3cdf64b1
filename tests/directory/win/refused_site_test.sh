#!/usr/bin/env bash
# The real player started with its directory site at an https address whose
# certificate the system refuses, once for a certificate made out for
# another name and once for one that signed itself. Each time the player
# gets over the refused download, says why in its status line, asks the user
# nothing (its banner loads from the same site, and a web browser control
# left to itself asks in a box whether to go on), never reads the site,
# neither over https nor over plain http, and closes when asked.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, player_probe.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 probe_exe=$4
scripts=$(dirname "$wine_run")
root=$(cd "$scripts/.." && pwd)

. "$root/tests/support/player_scenario.sh"
[ -n "${VELMORA_TEST_SITE_OTHER_NAME_PORT:-}" ] || { echo "no https site server" >&2; exit 1; }
trap finish_scenario EXIT
start_scenario "$player_exe" || echo "no PulseAudio: the player runs without a mixer"
. "$root/tests/support/screen_checks.sh"
status_line=1012

# The site server's log from line FIRST on: what this start asked of it.
log_since() { tail -n "+$1" "$VELMORA_TEST_SITE_LOG"; }
# The player's other windows, seen every half second for SECONDS; the
# banner's tip may come and go, anything else is a box.
boxes_within() {  # boxes_within SECONDS
    for _ in $(seq $(($1 * 2))); do
        probe windows
        sleep 0.5
    done | grep -v '^Klik hier|' | sort -u
}

refused_start() {  # refused_start PORT EXPECTED-STATUS
    local first
    first=$(($(wc -l <"$VELMORA_TEST_SITE_LOG") + 1))
    scenario_site="https://localhost:$1/"
    point_player_at_site
    mapfile -t button < <(probe start "$(winepath -w "$folder/VelmoraRadio.exe")")
    check "the player starts at a site it refuses" same "${button[0]:-}" "Initialization|0"
    check "and gets over the refused directory to ask for a station" \
        same "${button[1]:-}" "Select radio station|1"
    check "its status line says \"$2\"" settles "$2" probe text $status_line
    local boxes
    boxes=$(boxes_within 6)
    check "no box asks the user about the certificate (saw: ${boxes:-none})" same "${boxes:-none}" none
    check "nothing was read from the site" eval '! log_since $first | grep -q "\"GET "'
    check "nor asked of it over plain http" eval '! log_since $first | grep -qi "http.request"'
    check "the player ends when its window closes" ends probe close
}

refused_start "$VELMORA_TEST_SITE_OTHER_NAME_PORT" "Wrong site certificate"
refused_start "$VELMORA_TEST_SITE_UNTRUSTED_PORT" "Untrusted certificate"

if [ "$failures" -ne 0 ]; then
    echo "--- site server log:"
    cat "$VELMORA_TEST_SITE_LOG"
fi
echo "$failures failed"
[ "$failures" -eq 0 ]
