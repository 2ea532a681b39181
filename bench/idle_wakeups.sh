#!/bin/sh
# How often the whole program wakes while nobody uses it: the sum of voluntary_ctxt_switches
# over all its threads (/proc/PID/task/*/status) across a stretch of idle time, window shown.
# Three stretches: right after start-up, 5 s after a sound has played to its end, and with the
# pointer resting on the window. Target: at most 5 wake-ups in 20 s in each.
# The pointer rests on the sound list, whose tooltip shows once and hides 10 s later; that pair
# (4 to 8 wake-ups) answers the pointer's coming, so the stretch starts after it.
#   bench/idle_wakeups.sh PATH/TO/tembrel [SECONDS]     (default 20)
# Needs an X display (eval "$(scripts/xvfb.sh start)"), xdotool, and for the sound the test
# sound server (eval "$(scripts/pulse.sh start)").
set -eu
program=$1
seconds=${2:-20}
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY" >&2; exit 1; }

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/e2e/e2e_common.sh"

# A quarter-second 8-bit mono WAV at 8000 Hz.
write_short_wav() {
    {
        printf 'RIFF\344\007\000\000WAVEfmt \020\000\000\000\001\000\001\000'
        printf '\100\037\000\000\100\037\000\000\001\000\010\000data\320\007\000\000'
        head -c 2000 /dev/zero | tr '\000' '\300'
    } >"$1"
}

start_work
mkdir "$work/Library"
write_data_file
for name in one two three; do write_short_wav "$work/Library/$name.wav"; done

# One line per thread of the program: its id, its voluntary context switches, its name.
snapshot() {
    for status in /proc/"$pid"/task/*/status; do
        awk '/^Name:/ { name = $2 } /^Pid:/ { id = $2 }
             /^voluntary_ctxt_switches/ { print id, $2, name }' "$status" 2>/dev/null || true
    done
}
# Wake-ups between two snapshots: a thread that came meanwhile counts all of its own, one that
# went counts nothing (its last figures are gone with it).
measure() {
    snapshot >"$work/before"
    sleep "$seconds"
    snapshot >"$work/after"
    count=$(awk 'NR == FNR { seen[$1] = $2; next }
                 { sum += $2 - ($1 in seen ? seen[$1] : 0) } END { print sum + 0 }' \
        "$work/before" "$work/after")
    verdict=met
    [ "$count" -le 5 ] || verdict=MISSED
    printf '  %-40s %5d wake-ups in %s s  (%s threads; target <= 5: %s)\n' \
        "$1" "$count" "$seconds" "$(wc -l <"$work/after")" "$verdict"
    awk 'NR == FNR { seen[$1] = $2; next }
         { n = $2 - ($1 in seen ? seen[$1] : 0); if (n > 0) printf "      thread %s (%s): %d\n", $1, $3, n }' \
        "$work/before" "$work/after"
}

QT_QPA_PLATFORM=xcb "$work/tembrel" -Embedding >"$work/log" 2>&1 &
pid=$!
window=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Tembrel$' |
    head -n 1)
[ -n "$window" ] || { echo "the main window did not appear: $(cat "$work/log")" >&2; exit 1; }
# The pointer away from the window, then a moment for start-up to settle.
xdotool mousemove 1000 700
sleep 3

echo "Idle wake-ups of the whole program (all threads), window shown:"
measure "after start-up, nothing played"
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key --window "$window" Return
sleep 5
measure "5 s after a sound played to its end"
xdotool mousemove --window "$window" 200 60
sleep 13
measure "pointer resting on the window"
