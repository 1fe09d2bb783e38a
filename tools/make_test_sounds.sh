#!/usr/bin/env bash
# Makes the MP3 files the audio tests read, from a few seconds of a tone:
#   cbr128.mp3   128 kbit/s 44.1 kHz joint stereo, no tags, no LAME frame
#   id3v1.mp3    the same with an ID3v1 tag at the end
#   id3v2.mp3    the same behind an ID3v2 tag holding a JPEG (many 0xFF bytes)
#   vbr.mp3      variable bit rate with its Xing header
#   mono.mp3     64 kbit/s single channel
#   mpeg2.mp3    MPEG-2 at 22.05 kHz;  mpeg25.mp3  MPEG-2.5 at 8 kHz
#   tags-utf16.mp3   ID3v2 tag with all seven text fields, non-ASCII text
#                    (one character beyond U+FFFF) in UTF-16 frames
#   tags-latin1.mp3  ID3v2 tag with ISO-8859-1 title and artist
#   genre-number.mp3 ID3v2 tag whose genre is the reference "(17)"
#   cover5mb.mp3     cbr128.mp3's frames behind an ID3v2 tag with a 5 MB
#                    picture of noise (some 5000 false frame syncs)
#   cut.mp3          cbr128.mp3 ending 200 bytes into its last frame
#   NAME.ref.pcm     for the files the platform codec is compared on, what
#                    the host build's decoder (libmpg123) makes of NAME.mp3
# Needs sox and lame; the references need a C++ compiler and libmpg123-dev.
#   tools/make_test_sounds.sh OUTPUT_DIR
set -euo pipefail
# lame takes the tag texts in the locale's encoding; these are UTF-8.
export LC_ALL=C.UTF-8
out=$1
picture=$(cd "$(dirname "$0")/.." && pwd)/resources/pictures/wide.jpg
mkdir -p "$out"
tone=$out/tone.wav
sox -n -r 44100 -c 2 -b 16 "$tone" synth 3 sine 440 sine 660 gain -n -6
lame() { command lame --quiet "$@"; }
lame -t -b 128 --cbr "$tone" "$out/cbr128.mp3"
lame -t -b 128 --cbr --id3v1-only --tt "Alarm" "$tone" "$out/id3v1.mp3"
lame -t -b 128 --cbr --id3v2-only --tt "Alarm" --ti "$picture" "$tone" "$out/id3v2.mp3"
lame -V 4 "$tone" "$out/vbr.mp3"
lame -t -m m -b 64 --cbr "$tone" "$out/mono.mp3"
lame -t -b 64 --cbr --resample 22.05 "$tone" "$out/mpeg2.mp3"
lame -t -b 16 --cbr --resample 8 "$tone" "$out/mpeg25.mp3"
lame -t -b 128 --cbr --id3v2-only --id3v2-utf16 --tt "Wecker – Grüße 🔔" --ta "Ærøskøbing Band" \
    --tl "Alarms" --ty 2021 --tn 3/12 --tg Rock --tc "Wake up gently" "$tone" "$out/tags-utf16.mp3"
lame -t -b 128 --cbr --id3v2-only --id3v2-latin1 --tt "Café au lait" --ta "Zoë" \
    "$tone" "$out/tags-latin1.mp3"
lame -t -b 128 --cbr --id3v2-only --tv "TCON=(17)" "$tone" "$out/genre-number.mp3"
# lame takes any file that starts like a JPEG as a picture; noise fills it.
cover=$out/cover.jpg
{
    printf '\377\330\377\340'
    sox -R -V1 -r 44100 -c 2 -n -t raw -b 16 -e signed - synth 1310720s whitenoise vol 0.5
} >"$cover"
lame -t -b 128 --cbr --id3v2-only --ti "$cover" "$tone" "$out/cover5mb.mp3"
rm -f "$tone" "$cover"
size=$(stat -c %s "$out/cbr128.mp3")
head -c $((size - 200)) "$out/cbr128.mp3" >"$out/cut.mp3"

root=$(cd "$(dirname "$0")/.." && pwd)
if c++ -std=c++20 -O1 -I "$root/src" "$root/tools/mp3_reference.cpp" \
    "$root/src/audio/posix/Mp3Decoder.cpp" -lmpg123 -o "$out/mp3_reference"; then
    for name in cbr128 vbr mono mpeg2 mpeg25 cut; do
        "$out/mp3_reference" "$out/$name.mp3" "$out/$name.ref.pcm"
    done
else
    echo "no C++ compiler or libmpg123-dev: the codec comparison is skipped" >&2
fi
