# Sourced by the Wine scenarios that listen to the null sink; expects
# "$folder" to be a scratch folder.

# The loudness (RMS of 16-bit samples) of what the null sink plays, heard on
# its monitor for a second and a half; nothing when the monitor gave no
# samples, so that a recording that failed is neither loud nor silent.
loudness() {
    timeout 1.5 parec -d @DEFAULT_MONITOR@ --raw --format=s16le --rate=22050 --channels=1 \
        >"$folder/heard.raw" 2>/dev/null
    python3 -c 'import array, math, sys
samples = array.array("h", open(sys.argv[1], "rb").read())
print(int(math.sqrt(sum(s * s for s in samples) / len(samples))) if samples else "")' \
        "$folder/heard.raw"
}
loud() { local level; level=$(loudness); [ -n "$level" ] && [ "$level" -gt 300 ]; }
silent() { local level; level=$(loudness); [ -n "$level" ] && [ "$level" -lt 50 ]; }
