# Sourced by the scripts that drive the real player under Wine: its settings
# pointed at the demo site, its probe, and a click as a hand makes it. The
# script sets wine_run, prefix, scripts (the folder of wine-run) and folder
# (the player's own folder; start_scenario makes one) first.

# A display and a sound server of the scenario's own (the checks rely on the
# window standing where the player put it, with no window manager in the
# way), and the player copied into a scratch folder, "$folder", pointed at
# the demo site. False when there is no sound server: the player then runs
# without a mixer. The caller's EXIT trap runs finish_scenario.
start_scenario() {  # start_scenario VelmoraRadio.exe
    . "$scripts/start-xvfb"
    . "$scripts/start-pulse"
    unset DISPLAY PULSE_SERVER
    start_xvfb || { echo "no X display" >&2; exit 1; }
    start_pulse
    local sound=$?
    folder=$(mktemp -d)
    cp "$1" "$folder/VelmoraRadio.exe"
    point_player_at_site
    return $sound
}

finish_scenario() {
    [ -z "${unmanaged:-}" ] || wine reg delete "$x11_key" /v Managed /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1
    stop_pulse
    stop_xvfb
    [ -z "${folder:-}" ] || rm -rf "$folder"
}

# Wine waits up to 2 s at each window it hides for a window manager's answer,
# which Xvfb alone never gives: told there is none, a scenario times the
# player's own waits, not Wine's. Every Wine process starts again once the
# key is there, so that the system tray reads it too: the player's close
# removes its tray icon and waits for the tray's answer, which a tray started
# before the key gave after 2 s in one close of three. finish_scenario takes
# the key away again.
x11_key='HKCU\Software\Wine\X11 Driver'
without_window_manager() {  # after start_scenario
    unmanaged=yes
    wine reg add "$x11_key" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -k
    wineserver -w
}

# A fresh player key whose "Site URL" is the loopback demo site (over http
# unless the script set scenario_site first); creates the prefix when needed.
# Then the Wine environment the rest of the run uses.
point_player_at_site() {
    local key='HKCU\software\Tarnel Net Player\Velmora 3.01 UK'
    "$wine_run" "$prefix" reg delete "$key" /f >/dev/null 2>&1
    "$wine_run" "$prefix" reg add "$key" /v "Site URL" /t REG_SZ \
        /d "${scenario_site:-http://127.0.0.1:$VELMORA_TEST_SITE_PORT/}" /f >/dev/null 2>&1
    export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Through a file, not a pipe: the player the probe starts inherits its output
# and would hold a pipe open for as long as it runs. Fails as the probe did,
# so a check that something is absent cannot pass on a probe that saw nothing.
probe() {
    timeout 60 wine "$probe_exe" "$@" >"$folder/probe.out" 2>/dev/null
    local status=$?
    tr -d '\r' <"$folder/probe.out"
    return $status
}

click() {  # as a hand does it: the pointer rests on the place, then presses
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.1
    xdotool mouseup 1
    sleep 0.5
    xdotool mousemove 5 1000
}

# A spin's arrow steps again when it is held for half a second, so a click
# on one presses and lets go in one X client: three programs apart, as in
# click, the press and the release drifted more than that apart on a busy
# machine, and the spin went one step further than it was clicked.
tap() {  # tap X Y
    xdotool mousemove "$1" "$2" sleep 0.3 click 1 sleep 0.5 mousemove 5 1000
}

# Waits up to 15 s for `probe windows` lines matching PATTERN, then prints them.
windows_matching() {
    local lines
    for _ in $(seq 30); do
        lines=$(probe windows | grep -E "$1")
        [ -n "$lines" ] && break
        sleep 0.5
    done
    echo "$lines"
}

gone_within() {  # gone_within TRIES FINDS: FINDS fails within TRIES quarter seconds
    for _ in $(seq "$1"); do
        "$2" || return 0
        sleep 0.25
    done
    return 1
}

# leaves FINDS TRIES COMMAND...: FINDS (a command) finds the window before
# COMMAND, and no more within TRIES quarter seconds after it. A search that
# never finds anything fails here rather than pass for a window gone; the
# command runs all the same, so the scenario goes on as it would.
leaves() {
    local before=yes
    "$1" || before=no
    "${@:3}" >/dev/null
    gone_within "$2" "$1" && [ "$before" = yes ] || { echo "found before: $before"; return 1; }
}

player_running() { xdotool search --name '^VelmoraRadio$' >/dev/null 2>&1; }
ends() {  # ends COMMAND...: the player's window was there and left within a few seconds
    leaves player_running 40 "$@"
}
