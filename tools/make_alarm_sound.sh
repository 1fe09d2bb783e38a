#!/usr/bin/env bash
# Synthesises the default alarm, resources/sound/sound.mp3: a bright
# three-note chime (E6, G6, C7 with a soft octave partial) struck twice,
# each note a bell-like tone with a quick attack and an exponential decay,
# about four seconds in all, encoded at 128 kbit/s, 44.1 kHz stereo.
# Needs sox and lame (Debian packages of those names).
#   tools/make_alarm_sound.sh [OUTPUT.mp3]
set -euo pipefail
out=${1:-$(dirname "$0")/../resources/sound/sound.mp3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

note() { # name frequency seconds
    sox -n -r 44100 -c 1 -b 16 "$work/$1.wav" \
        synth "$3" sine "$2" sine "$(echo "$2 * 2" | bc -l)" \
        remix 1v0.8,2v0.2 gain -n -3
}
note e 1318.51 0.9
note g 1567.98 0.9
note c 2093.00 1.4
# A bell's decay: a 5 ms strike, then a logarithmic fade over the whole
# note, with a light shimmer.
for n in e g c; do
    len=$(soxi -D "$work/$n.wav")
    sox "$work/$n.wav" "$work/$n-bell.wav" tremolo 6 15 fade h 0.005 "$len" "$(echo "$len - 0.005" | bc -l)"
done
sox -n -r 44100 -c 1 -b 16 "$work/rest.wav" trim 0 0.35
sox "$work/e-bell.wav" "$work/g-bell.wav" "$work/c-bell.wav" "$work/rest.wav" \
    "$work/e-bell.wav" "$work/g-bell.wav" "$work/c-bell.wav" "$work/phrase.wav"
sox "$work/phrase.wav" -c 2 "$work/stereo.wav" reverb 25 50 60 gain -n -1
mkdir -p "$(dirname "$out")"
lame --quiet -b 128 --cbr -m j -q 2 --tt "Vexa Tarnwick alarm" "$work/stereo.wav" "$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"
