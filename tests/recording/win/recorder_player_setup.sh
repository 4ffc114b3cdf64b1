# Sourced by the recorder's Wine scripts: a display and a null sink of their
# own, the player copied into a scratch folder with its recordings under it
# ("$recordings"), recording WAV from "Monitor of Null Output", and probe, the
# recorder_probe runner. Expects wine_run, prefix, player_exe and
# recorder_probe to be set; the caller's EXIT trap is set here.
scripts=$(dirname "$wine_run")
root=$(cd "$scripts/.." && pwd)

. "$scripts/start-xvfb"
. "$scripts/start-pulse"
unset DISPLAY PULSE_SERVER
start_xvfb || { echo "no X display" >&2; exit 1; }
start_pulse || { echo "no PulseAudio null sink: nothing to record" >&2; exit 1; }
folder=$(mktemp -d)
cp "$player_exe" "$folder/VelmoraRadio.exe"
mkdir -p "$folder/rec"
recordings="$folder/rec/My Recordings"

. "$root/tests/support/player_scenario.sh"
probe_exe=$recorder_probe
point_player_at_site
key='HKCU\software\Tarnel Net Player\Velmora 3.01 UK'
"$wine_run" "$prefix" reg add "$key" /v RecordFolder /t REG_SZ \
    /d "$(WINEPREFIX=$prefix winepath -w "$folder/rec")\\" /f >/dev/null 2>&1
"$wine_run" "$prefix" reg add "$key" /v Device /t REG_SZ /d "Monitor of Null Output" /f >/dev/null 2>&1
"$wine_run" "$prefix" reg add "$key" /v "File format" /t REG_SZ /d WAV /f >/dev/null 2>&1
finish() {
    [ -n "${tone_pid:-}" ] && kill "$tone_pid" 2>/dev/null
    wineserver -k >/dev/null 2>&1
    stop_pulse
    stop_xvfb
    rm -rf "$folder"
}
trap finish EXIT

. "$root/tests/support/screen_checks.sh"

# For the CPU benchmarks: opens the recordings window (there is no
# lame_enc.dll here, so its box is answered) and sets pid to the player's
# process; ticks then prints the clock ticks it has used, per_second of them
# to a second, sound_ticks those of Wine's own sound threads (its DirectSound
# capture and PulseAudio threads, found by their names), which any program
# that plays or captures under Wine pays, and own_ticks those of the player's
# own threads, the rest; window_ns is the run time in nanoseconds of the
# window thread (the process's first), where the recording's own share goes.
open_recorder_to_measure() {
    probe click-main 1203
    probe answer-box >/dev/null
    sleep 2
    pid=$(pgrep -f "$(basename "$folder").VelmoraRadio.exe" | head -1)
    [ -n "$pid" ] || { echo "the player is not running" >&2; exit 1; }
}
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
sound_ticks() {
    cat /proc/"$pid"/task/*/stat 2>/dev/null |
        awk '/\((winepulse|wine_dsound)/ { sub(/^.*\) /, ""); t += $12 + $13 } END { print t + 0 }'
}
own_ticks() { echo $(($(ticks) - $(sound_ticks))); }
window_ns() { cut -d' ' -f1 "/proc/$pid/task/$pid/schedstat"; }
# Nanoseconds of run time as a percent of one core over $seconds.
ns_percent() { awk -v n="$1" -v s="$seconds" 'BEGIN { printf "%.3f", n / 1e7 / s }'; }
per_second=$(getconf CLK_TCK)
