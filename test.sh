#!/usr/bin/env bash
# Builds the host and Windows presets and runs every test: the host build
# natively with sanitizers, the Windows build under Wine on a virtual display.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tarnwick_ensure_packages

jobs=$(nproc)
status=0
TARNWICK_FUZZ_SECONDS=${TARNWICK_FUZZ_SECONDS:-30}

echo "== host build (portable core, AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset host >/dev/null
cmake --build --preset host -j "$jobs"
ctest --preset host || status=1

echo "== fuzzing (libFuzzer, $TARNWICK_FUZZ_SECONDS s per target)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
mkdir -p build/fuzz/corpus
# Seed files a target starts from besides the corpus it keeps.
python3 tools/make_wave_corpus.py build/fuzz/seeds/WaveFuzz
# Each target runs on a core of its own, as many at a time as there are cores.
fuzz_target() {
    local target=$1 seeds=()
    mkdir -p "build/fuzz/corpus/$target"
    if [ -d "build/fuzz/seeds/$target" ]; then
        seeds=("build/fuzz/seeds/$target")
    fi
    if ! build/fuzz/tests/fuzz/$target -max_total_time="$TARNWICK_FUZZ_SECONDS" \
            -print_final_stats=0 "build/fuzz/corpus/$target" "${seeds[@]}" \
            >"build/fuzz/$target.log" 2>&1; then
        printf '%s found a fault; its report:\n%s\n' "$target" "$(tail -n 40 "build/fuzz/$target.log")"
        return 1
    fi
    echo "$target: no finding"
}
running=()
for target in Utf8Fuzz TextOpsFuzz XmlParseFuzz XmlStoreFuzz AudioFuzz WaveFuzz LangPackFuzz SkinSetFuzz; do
    fuzz_target "$target" &
    running+=($!)
    if [ ${#running[@]} -ge "$jobs" ]; then
        wait "${running[0]}" || status=1
        running=("${running[@]:1}")
    fi
done
for pid in "${running[@]}"; do
    wait "$pid" || status=1
done

echo "== Windows build (mingw-w64), tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
# What a Windows user downloads: the installer and the portable zip.
cmake --build --preset windows --target installer portable_zip
for artifact in build/windows/TarnwickSetup-*.exe build/windows/Tarnwick-*-portable.zip; do
    echo "$(basename "$artifact"): $(stat -c %s "$artifact") bytes"
done

source tools/wine-env.sh
# Every prefix the tests make is a copy of one fresh prefix.
export TARNWICK_PREFIX_TEMPLATE=$PWD/build/windows/wineprefix-template
prefix=$PWD/build/windows/wineprefix
export WINEPREFIX=$prefix
tarnwick_prefix_init "$prefix"
tarnwick_display_start
tarnwick_wineserver_start "$prefix"
cleanup() {
    tarnwick_wineserver_stop "$prefix"
    tarnwick_display_stop
}
trap cleanup EXIT
# Two at a time: the tests of the shared prefix one after another, beside
# them the whole-program scenarios that bring a prefix and a display of their
# own (see tests/CMakeLists.txt). A test that fails is run once more, and the
# failure is listed either way: two runs side by side load the machine, and
# the scenarios wait on a desktop that answers late under load.
ctest --preset windows --parallel 2 --repeat until-pass:2 --output-log build/windows/ctest.log ||
    status=1
if grep -q "Failed" build/windows/ctest.log; then
    echo "== failed at the first run:"
    grep -E "Test +#.*Failed" build/windows/ctest.log || true
fi

exit $status
