#!/bin/sh
# The figures that must hold while the program changes, each printed beside its target:
#  - start-up: a folder of 100,000 sounds, time until the main window is mapped and peak memory
#    a second later, against a plain QListWidget program on the same folder (median of 3 rounds,
#    the two programs back to back in each round);
#  - play-to-sound latency at the test sink's monitor (bench_audio_latency): a few ms on an idle
#    output, about the 40 ms output buffer over a sounding loop;
#  - header reads against libsndfile and a bare read (bench_header_reads).
#   bench/figures.sh BUILD_DIR [FILES]     (default 100000)
# Needs an X display (eval "$(scripts/xvfb.sh start)") and the test sound server
# (eval "$(scripts/pulse.sh start)").
set -eu
build=$(cd "$1" && pwd)
files=${2:-100000}
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/map_watch" "$here/map_watch.c" -lX11
cc -O2 -o "$work/header_loop" "$here/header_loop.c"

# A program directory like an installed one, its main directory holding the sounds.
cp "$build/tembrel" "$work/tembrel"
mkdir "$work/Library"
printf '[Main_Directory]\nMaster_Directory=Library\n[Editor_Name]\nEditor=true\n' >"$work/Tembrel.dat"
printf '[Default_Rec_Name]\nRec_Name=Sound\n[Cursor]\nCurrent=1\n' >>"$work/Tembrel.dat"
echo "Making $files WAV files in $work/Library ..."
"$work/header_loop" make "$work/Library" "$files"
"$work/header_loop" read "$work/Library" >/dev/null

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
: >"$work/times"
: >"$work/memory"
# "MS KB" of one start of a program, or the end of this script.
watch() {
    result=$(QT_QPA_PLATFORM=xcb "$work/map_watch" "$@") || exit 1
    echo "$result"
}
for round in 1 2 3; do
    set -- $(watch "$build/bench/bench_plain_list_window" "$work/Library")
    plain_ms=$1 plain_kb=$2
    set -- $(watch "$work/tembrel" -Embedding)
    echo "$1 $plain_ms" | awk '{ print $1 / $2, $1, $2 }' >>"$work/times"
    echo "$2 $plain_kb" | awk '{ print $1 / $2, $1, $2 }' >>"$work/memory"
done

echo "Figures; load: $(cut -d' ' -f1-3 /proc/loadavg)"
# figure LABEL FILE TARGET UNIT: the median round of FILE ("ratio ours plain" lines).
figure() {
    sort -n "$2" | awk -v label="$1" -v target="$3" -v unit="$4" '{ v[NR] = $0 } END {
        split(v[int((NR + 1) / 2)], f, " ")
        printf "  figure  %-44s %6.2fx (%s %s, plain %s %s)  target <= %.2fx: %s\n", label,
               f[1], f[2], unit, f[3], unit, target, f[1] <= target ? "met" : "MISSED" }'
}
figure "start-up, $files sounds, window mapped" "$work/times" 0.25 ms
figure "peak memory a second after start-up" "$work/memory" 0.50 kB
echo "  (was 0.18x the time and 0.44x the memory of the plain QListWidget program)"

"$build/bench/bench_header_reads" | sed 's/^/  /'

if "$build/bench/bench_audio_latency" >"$work/latency" 2>&1; then
    awk '/^play -> first sound at the monitor/ {
        split($0, parts, ": median "); ms = parts[2] + 0; sub(/, [0-9]+ plays.*/, "", parts[1])
        sub(/^play -> first sound at the monitor, /, "play to sound, ", parts[1])
        # A play over a sounding loop queues behind the 40 ms output buffer.
        target = parts[1] ~ /loop/ ? 50 : 20
        printf "  figure  %-44s %6.1f ms  target <= %d ms: %s\n", parts[1], ms, target,
               ms <= target ? "met" : "MISSED" }
        /^(idle engine|playing a 1-hour)/ { print "  " $0 }' "$work/latency"
else
    echo "  play-to-sound latency: not measured: $(tail -n 1 "$work/latency")"
fi
