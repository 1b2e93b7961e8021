#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Measures how loud the shipped tunes play at the top of the volume bar: renders every
# data/*.mid with FluidSynth's file renderer at the program's settings (its soundfont, sample
# rate and synthesizer gain, FluidSynth's own reverb and chorus) and measures each render
# with ffmpeg's EBU R 128 meter: integrated loudness and true peak.
#
#   tools/loudness.sh [folder-of-tunes]    (default: data)
#
# Prints one row per tune; exits 1 when a tune is off the marks: integrated loudness
# -16 LUFS within 1 LU either way (so the tunes are within 2 LU of each other) and true peak
# below -1 dBFS.
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "$0")/.." && pwd)
TUNES=${1:-$ROOT_DIR/data}

source "$ROOT_DIR/scripts/deps.sh"
NUMBRELLA_PACKAGES+=(fluidsynth ffmpeg)
ensure_packages

# The program's settings, read from its source so that the two cannot drift apart.
gain=$(sed -n 's/.*SynthGain = \([0-9.]*\);.*/\1/p' "$ROOT_DIR/src/audio/MidiSynth.h")
rate=$(sed -n 's/.*int sampleRate = \([0-9]*\),.*/\1/p' "$ROOT_DIR/src/audio/MidiSynth.h")
font=$(sed -n 's/.*return QStringLiteral("\(.*\.sf2\)");.*/\1/p' "$ROOT_DIR/src/audio/MidiSynth.cpp")
[ -n "$gain" ] && [ -n "$rate" ] && [ -f "$font" ] || { echo "cannot read the program's synthesizer settings" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "Synthesizer gain $gain, $rate Hz, $font"
printf '%-16s %10s %10s %8s\n' tune "LUFS" "true peak" seconds
missed=0
count=0
for midi in "$TUNES"/*.mid; do
    name=$(basename "$midi" .mid)
    # Floating-point samples, so that a peak above full scale is measured, not clipped.
    fluidsynth -ni -q -g "$gain" -r "$rate" -O float -T wav -F "$work/$name.wav" "$font" "$midi" >/dev/null 2>&1
    summary=$(ffmpeg -nostats -hide_banner -i "$work/$name.wav" -af ebur128=peak=true -f null - 2>&1 | sed -n '/Summary:/,$p')
    lufs=$(sed -n 's/^ *I: *\(-*[0-9.]*\) LUFS/\1/p' <<<"$summary")
    peak=$(sed -n 's/^ *Peak: *\(-*[0-9.inf]*\) dBFS/\1/p' <<<"$summary")
    seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$work/$name.wav")
    verdict=$(awk -v i="$lufs" -v p="$peak" 'BEGIN { print (i >= -17 && i <= -15 && p < -1) ? "" : "  off the mark" }')
    [ -z "$verdict" ] || missed=$((missed + 1))
    printf '%-16s %10s %10s %8.1f%s\n' "$name" "$lufs" "$peak" "$seconds" "$verdict"
    count=$((count + 1))
done
[ "$count" -gt 0 ] || { echo "no tunes in $TUNES" >&2; exit 2; }
echo "Marks: -16 LUFS +/- 1 LU integrated, true peak below -1 dBFS. Off the marks: $missed of $count."
[ "$missed" = 0 ]
