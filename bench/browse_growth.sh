#!/bin/sh
# How listing a folder grows with its size: bench_browse_folder at 25,000, 50,000, 100,000 and
# 200,000 files; RefreshList's time per file at each size against its time per file at 25,000.
# Target: linear growth, each size at most 1.3x the per-file time at 25,000 (and each run's own
# RefreshList at most 2x its plain directory read).
#   bench/browse_growth.sh PATH/TO/bench_browse_folder
set -eu
bench=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "RefreshList by folder size; load: $(cut -d' ' -f1-3 /proc/loadavg)"
first=
for files in 25000 50000 100000 200000; do
    "$bench" "$files" >"$work/out" 2>&1 || { cat "$work/out" >&2; exit 1; }
    line=$(grep '^(b) RefreshList' "$work/out")
    ms=$(echo "$line" | sed 's/.*list: *\([0-9.]*\) ms.*/\1/')
    ratio=$(echo "$line" | sed 's/.*ratio b\/a = \([0-9.]*\).*/\1/')
    per_file=$(awk -v ms="$ms" -v n="$files" 'BEGIN { printf "%.3f", ms * 1000 / n }')
    [ -n "$first" ] || first=$per_file
    awk -v n="$files" -v ms="$ms" -v pf="$per_file" -v first="$first" -v r="$ratio" 'BEGIN {
        g = pf / first
        printf "  figure %6d files: %8.1f ms  %6.3f us/file  growth %4.2fx  target <= 1.30x: %s" \
               "   (%.2fx readdir, target <= 2: %s)\n", n, ms, pf, g, g <= 1.3 ? "met" : "MISSED",
               r, r <= 2 ? "met" : "MISSED" }'
done
