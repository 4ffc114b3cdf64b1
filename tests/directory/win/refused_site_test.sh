#!/usr/bin/env bash
# The real player started with its directory site at an https address whose
# certificate the system refuses, once for a certificate made out for
# another name and once for one that signed itself. Each time the player
# gets over the refused download, says why in its status line, asks the user
# nothing (its banner loads from the same site, and a web browser control
# left to itself asks in a box whether to go on), never reads the site,
# neither over https nor over plain http, and closes when asked. The first
# time, its info and search panes open on the same site and ask nothing
# either.
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
# banner's tip may come and go and the panes it was asked for stay,
# anything else is a box.
boxes_within() {  # boxes_within SECONDS
    for _ in $(seq $(($1 * 2))); do
        probe windows
        sleep 0.5
    done | grep -Ev '^(Klik hier|Station info|Search the web)\|' | sort -u
}
# Wine's web browser control asks about a certificate in a box of this name.
security_warning() { xdotool search --onlyvisible --name '^Security Warning$' >/dev/null 2>&1; }
shows_within() {  # shows_within TRIES FINDS: FINDS succeeds within TRIES half seconds
    for _ in $(seq "$1"); do
        "$2" && return 0
        sleep 0.5
    done
    return 1
}

# Wine's own browser, sent to the site the player will refuse, asks in that
# box: the probe that must find none in the player sees one where it is.
proves_probe() {  # proves_probe PORT
    wine iexplore "https://localhost:$1/info/main.html" >/dev/null 2>&1 &
    local browser=$!
    check "the probe sees the box Wine's own browser shows for the site" \
        shows_within 60 security_warning
    wineserver -k >/dev/null 2>&1
    wait "$browser"
}

# The info and search pages are on the refused site, listed in a links file
# of the player's own as the site's are.
write_pane_links() {
    cat >"$folder/links.xml" <<'LINKS'
<?xml version="1.0"?>
<root>
	<link name="Station info">::Info::</link>
	<link name="Search the web">::Zoeken::</link>
</root>
LINKS
}
# Ticker, Update, then the two panes: the lower arrow steps through them.
read -r screen_width _ < <(xdotool getdisplaygeometry)
x=$((screen_width - 150 - 2)) y=2
links=($((x + 8 + 50)) $((y + 120 + 8)))
spin_down=($((x + 126 + 8)) $((y + 119 + 15)))
# A browser left as it was shows one colour; a page or a box in it, more.
browser_colours() {  # browser_colours SHOT: of the pane below the main window
    convert "$1" -crop "145x164+$((x + 3))+$((y + 215 + 2 + 28))" -format %k info:
}
open_pane() {  # open_pane NAME STEPS
    local pane shot=$folder/pane.png
    for _ in $(seq "$2"); do tap "${spin_down[@]}"; done
    check "the spin reaches \"$1\"" settles "$1" probe text 1103
    click "${links[@]}"
    pane=$(windows_matching "^$1\|")
    check "the $1 pane opens below the main window" \
        same "$(echo "$pane" | cut -d'|' -f2)" "$x $((y + 215 + 2)) 151 195"
    sleep 3
    import -window root "$shot"
    check "its browser stays blank" same "$(browser_colours "$shot")" 1
}

refused_start() {  # refused_start PORT EXPECTED-STATUS [panes]
    local first
    first=$(($(wc -l <"$VELMORA_TEST_SITE_LOG") + 1))
    scenario_site="https://localhost:$1/"
    point_player_at_site
    mapfile -t button < <(probe start "$(winepath -w "$folder/VelmoraRadio.exe")")
    check "the player starts at a site it refuses" same "${button[0]:-}" "Initialization|0"
    check "and gets over the refused directory to ask for a station" \
        same "${button[1]:-}" "Select radio station|1"
    check "its status line says \"$2\"" settles "$2" probe text $status_line
    if [ "${3:-}" = panes ]; then
        open_pane "Station info" 2
        open_pane "Search the web" 1
    fi
    local boxes
    boxes=$(boxes_within 6)
    check "no box asks the user about the certificate (saw: ${boxes:-none})" same "${boxes:-none}" none
    check "nor does Wine's web browser control" eval '! security_warning'
    check "nothing was read from the site" eval '! log_since $first | grep -q "\"GET "'
    check "nor asked of it over plain http" eval '! log_since $first | grep -qi "http.request"'
    check "the player ends when its window closes" ends probe close
}

proves_probe "$VELMORA_TEST_SITE_OTHER_NAME_PORT"
write_pane_links
refused_start "$VELMORA_TEST_SITE_OTHER_NAME_PORT" "Wrong site certificate" panes
refused_start "$VELMORA_TEST_SITE_UNTRUSTED_PORT" "Untrusted certificate"

if [ "$failures" -ne 0 ]; then
    echo "--- site server log:"
    cat "$VELMORA_TEST_SITE_LOG"
fi
echo "$failures failed"
[ "$failures" -eq 0 ]
