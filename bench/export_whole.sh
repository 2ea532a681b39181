#!/bin/sh
# Writing the three lists as whole processes, against a C program that reads the same folder and
# stats and reads the 44-byte header of every file (bench/header_loop.c), in the same run.
# Each round times the C loop and then each export back to back; a figure is the median of the
# rounds' ratios. Target: each list at most 1.5x the loop.
#   bench/export_whole.sh PATH/TO/tembrel [FILES] [ROUNDS]    (default 20000 files, 3 rounds)
# The program is run from its build tree (a runnable program directory); no display is needed.
set -eu
program=$1
files=${2:-20000}
rounds=${3:-3}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/header_loop" "$here/header_loop.c"
mkdir "$work/sounds"
echo "Making $files WAV files (1-8 KB) in $work/sounds ..."
"$work/header_loop" make "$work/sounds" "$files"

now_ns() { date +%s%N; }
# Microseconds one run of the command takes; its output goes nowhere.
time_us() {
    start=$(now_ns)
    "$@" >/dev/null 2>"$work/errors" || { cat "$work/errors" >&2; exit 1; }
    end=$(now_ns)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

"$work/header_loop" read "$work/sounds" >/dev/null # warms the page cache
"$program" --export text "$work/sounds"            # and the program's own files
: >"$work/loop"
for kind in text html web; do : >"$work/$kind"; done
round=0
while [ "$round" -lt "$rounds" ]; do
    for kind in text html web; do
        base=$(time_us "$work/header_loop" read "$work/sounds")
        echo "$base" >>"$work/loop"
        item=$(time_us "$program" --export "$kind" "$work/sounds")
        echo "$item $base" | awk '{ printf "%d %.4f\n", $1, $1 / $2 }' >>"$work/$kind"
    done
    round=$((round + 1))
done

echo "$files files, median of $rounds rounds; load: $(cut -d' ' -f1-3 /proc/loadavg)"
loop_us=$(median <"$work/loop")
awk -v us="$loop_us" 'BEGIN { printf "  %-34s %8.1f ms\n", "C loop (readdir, stat, 44 bytes)", us / 1000 }'
for kind in text html web; do
    item_us=$(cut -d' ' -f1 "$work/$kind" | median)
    ratio=$(cut -d' ' -f2 "$work/$kind" | median)
    awk -v kind="$kind" -v us="$item_us" -v r="$ratio" 'BEGIN {
        printf "  figure  tembrel --export %-5s %8.1f ms  %5.2fx the loop  target <= 1.50x: %s\n",
               kind, us / 1000, r, r <= 1.5 ? "met" : "MISSED" }'
done
