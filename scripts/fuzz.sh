#!/bin/sh
# Builds the parsers' fuzz targets with clang's libFuzzer (plus ASan and UBSan) and runs each.
# Usage: scripts/fuzz.sh [SECONDS [TARGET...]]   (default 60 seconds each; targets: wave_info,
# data_file, registry_text). Fails when a target does not build or finds a fault; ./test runs
# each for a few seconds so that none of them rots.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-wave_info data_file registry_text}
out=$root/build-fuzz

sources_of() {
    case $1 in
    wave_info) echo "core/WaveInfo.cpp platform/RiffChunks.cpp platform/RawFile.cpp platform/FileLookBatch.cpp platform/FileReadAhead.cpp platform/NativeName.cpp" ;;
    data_file) echo "platform/SettingsStore.cpp platform/FileLock.cpp platform/AtomicFile.cpp platform/TempBeside.cpp platform/RawFile.cpp platform/FileLookBatch.cpp platform/FileReadAhead.cpp platform/NativeName.cpp" ;;
    registry_text) echo "platform/RegistryText.cpp platform/RegistryDocument.cpp" ;;
    *) echo "fuzz.sh: unknown target $1" >&2; exit 2 ;;
    esac
}

# Seeds: the demo sounds' heads, the default data file, and a registry file.
seed() {
    mkdir -p "$out/corpus-$1"
    case $1 in
    wave_info)
        if [ -d "$root/build/Library" ]; then
            for f in "$root"/build/Library/*; do
                if [ -f "$f" ]; then
                    head -c 4096 "$f" >"$out/corpus-$1/$(basename "$f" | tr -c 'A-Za-z0-9.\n' _)"
                fi
            done
        fi ;;
    data_file)
        for f in "$root"/resources/*.dat "$root"/build/Tembrel.dat; do
            if [ -f "$f" ]; then
                { printf 'Main_Directory\nMaster_Directory\n/home/u/Sounds\n'; cat "$f"; } \
                    >"$out/corpus-$1/$(basename "$(dirname "$f")")-$(basename "$f")"
            fi
        done ;;
    registry_text)
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current]\n@="/home/u/a \\"b\\".wav"\n"Other"=dword:00000001\n\n[HKEY_LOCAL_MACHINE\\Software\\Themes]\n"Path"="/home/u/Themes"\n' \
            >"$out/corpus-$1/seed.reg" ;;
    esac
}

mkdir -p "$out"
status=0
for target in $targets; do
    sources=""
    for s in $(sources_of "$target"); do sources="$sources $root/$s"; done
    # shellcheck disable=SC2086
    # GCC 12's library offers std::expected only to compilers announcing C++20 concepts in
    # full; clang 16 has what it needs but does not announce it yet.
    clang++-16 -std=c++2b -D__cpp_concepts=202002L -Wno-macro-redefined -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
        -I"$root" $(pkg-config --cflags Qt6Core) \
        "$root/fuzz/fuzz_$target.cpp" $sources \
        $(pkg-config --libs Qt6Core) -o "$out/fuzz_$target"
    seed "$target"
    echo "== $target"
    log=$out/fuzz_$target.log
    if "$out/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        "$out/corpus-$target" >"$log" 2>&1; then
        tail -n 5 "$log"
    else
        tail -n 60 "$log"
        echo "fuzz.sh: $target found a fault; the input that shows it is named above" >&2
        status=1
    fi
done
exit $status
