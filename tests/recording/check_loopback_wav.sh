#!/usr/bin/env bash
# Checks the Wine loop-back recording with sox: a valid 44100 Hz 16-bit
# stereo WAV file of a few seconds that is not silence, with the played
# 440 Hz tone in each channel.
set -euo pipefail
file=$1
[ "$(soxi -r "$file")" = 44100 ] || { echo "rate: $(soxi -r "$file")"; exit 1; }
[ "$(soxi -c "$file")" = 2 ] || { echo "channels: $(soxi -c "$file")"; exit 1; }
[ "$(soxi -b "$file")" = 16 ] || { echo "bits: $(soxi -b "$file")"; exit 1; }
seconds=$(soxi -D "$file")
awk -v s="$seconds" 'BEGIN { exit !(s >= 2 && s <= 15) }' || { echo "duration: $seconds"; exit 1; }
rms=$(sox "$file" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
awk -v r="$rms" 'BEGIN { exit !(r > 0.01) }' || { echo "RMS amplitude: $rms"; exit 1; }
for channel in 1 2; do
    frequency=$(sox "$file" -n remix "$channel" stat 2>&1 | awk '/Rough +frequency/ { print $3 }')
    awk -v f="$frequency" 'BEGIN { exit !(f >= 430 && f <= 450) }' ||
        { echo "channel $channel: rough frequency '$frequency', not the 440 Hz tone"; exit 1; }
done
echo "$file: ${seconds}s, RMS amplitude $rms, 440 Hz in both channels"
