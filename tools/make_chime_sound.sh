#!/usr/bin/env bash
# Synthesises the warning chime, resources/sound/chime.wav: two soft bell
# notes a fourth apart (A5, then D6 held longer), each a sine with a faint
# octave partial, a 5 ms strike and an exponential decay, about one second
# in all; 22.05 kHz mono 16-bit PCM, so the executable can embed it and the
# platform can play it from there without a codec. Quieter than the alarm:
# it only says that the time is almost up.
# Needs sox and bc (Debian packages of those names).
#   tools/make_chime_sound.sh [OUTPUT.wav]
set -euo pipefail
out=${1:-$(dirname "$0")/../resources/sound/chime.wav}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

note() { # name frequency seconds
    sox -D -n -r 22050 -c 1 -b 16 "$work/$1.wav" \
        synth "$3" sine "$2" sine "$(echo "$2 * 2" | bc -l)" \
        remix 1v0.85,2v0.15 gain -n -3
    sox -D "$work/$1.wav" "$work/$1-bell.wav" fade h 0.005 -0 "$(echo "$3 - 0.005" | bc -l)"
}
note a 880.00 0.35
note d 1174.66 0.65
mkdir -p "$(dirname "$out")"
# Without dithering (-D), which would make every run's file differ.
sox -D "$work/a-bell.wav" "$work/d-bell.wav" -r 22050 -c 1 -b 16 "$out" gain -n -9
echo "wrote $out ($(stat -c %s "$out") bytes)"
