#!/usr/bin/env bash
# Not a test: prints the start-to-window time of the player under Wine next
# to a minimal dialog program's, at a 200% display scale and at 100% (the
# prefix's "LogPixels" 192, then 96), where the player draws its skin from
# the 200% pictures and from the bitmaps in turn. The two scales take turns
# for ROUNDS rounds of RUNS starts each, so a machine that gets busier or
# quieter meanwhile weighs on both alike. The player's site address answers
# nothing, so no download is waited for; the first runs also warm the Wine
# server.
# Arguments: Wine runner, Wine prefix, VelmoraRadio.exe, minimal_dialog.exe,
# startup_benchmark.exe.
set -uo pipefail
wine_run=$1 prefix=$2 player_exe=$3 minimal_exe=$4 benchmark_exe=$5
folder=$(mktemp -d)
desktop_key='HKCU\Control Panel\Desktop'
trap 'rm -rf "$folder"; "$wine_run" "$prefix" reg delete "$desktop_key" /v LogPixels /f >/dev/null 2>&1' EXIT
cp "$player_exe" "$folder/VelmoraRadio.exe"
key='HKCU\software\Tarnel Net Player\Velmora 3.01 UK'
"$wine_run" "$prefix" reg add "$key" /v "Site URL" /t REG_SZ /d "http://127.0.0.1:1/" /f \
    >/dev/null 2>&1
for round in $(seq "${ROUNDS:-3}"); do
    for dpi in 192 96; do
        "$wine_run" "$prefix" reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$dpi" /f \
            >/dev/null 2>&1
        echo "round $round at $((dpi * 100 / 96))%:"
        "$wine_run" "$prefix" "$benchmark_exe" \
            "$(winepath -w "$folder/VelmoraRadio.exe" 2>/dev/null)" \
            "$(winepath -w "$minimal_exe" 2>/dev/null)" "${RUNS:-5}"
    done
done
