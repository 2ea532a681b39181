#!/bin/sh
# Builds the WAV header reader's fuzz target with clang's libFuzzer (plus ASan and UBSan) and
# runs it. Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out=$root/build-fuzz
mkdir -p "$out/corpus"
clang++ -std=c++2b -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -I"$root" $(pkg-config --cflags Qt6Core) \
    "$root/fuzz/fuzz_wave_info.cpp" "$root/browser/WaveInfo.cpp" "$root/platform/RawFile.cpp" "$root/platform/FileLookBatch.cpp" \
    $(pkg-config --libs Qt6Core) -o "$out/fuzz_wave_info"
# Seed with the demo sounds when they have been built.
if [ -d "$root/build/Library" ]; then
    for f in "$root"/build/Library/*; do
        [ -f "$f" ] && head -c 4096 "$f" >"$out/corpus/$(basename "$f" | tr -c 'A-Za-z0-9.\n' _)"
    done
fi
"$out/fuzz_wave_info" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    "$out/corpus" 2>&1 | tail -n 20
