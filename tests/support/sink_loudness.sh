# Sourced by the Wine scenarios that listen to the null sink; expects
# "$folder" to be a scratch folder.

# The loudness (RMS of 16-bit samples) of what the null sink plays, heard on
# its monitor for a second and a half of sound; nothing when the monitor gave
# no samples, so that a recording that failed is neither loud nor silent.
# The second and a half is counted in samples, not on the clock: on a busy
# machine parec may take that long just to start. The short latency has the
# samples handed over as they come rather than in fragments of about 0.4 s.
loudness() {
    timeout 10 parec --latency-msec=100 -d @DEFAULT_MONITOR@ --raw --format=s16le \
        --rate=22050 --channels=1 2>/dev/null | head -c $((22050 * 2 * 3 / 2)) >"$folder/heard.raw"
    python3 -c 'import array, math, sys
samples = array.array("h", open(sys.argv[1], "rb").read())
print(int(math.sqrt(sum(s * s for s in samples) / len(samples))) if samples else "")' \
        "$folder/heard.raw"
}
# Each says the level it heard when it fails.
loud() {
    local level
    level=$(loudness)
    [ -n "$level" ] && [ "$level" -gt 300 ] || { echo "heard: ${level:-no samples}"; return 1; }
}
silent() {
    local level
    level=$(loudness)
    [ -n "$level" ] && [ "$level" -lt 50 ] || { echo "heard: ${level:-no samples}"; return 1; }
}
