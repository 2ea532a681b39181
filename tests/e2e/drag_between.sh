#!/bin/sh
# End to end on a real X display: a sound dragged out of one running Tembrel's list and dropped
# on a second Tembrel arrives in the second one's folder, as a file manager's drop would.
#   drag_between.sh PATH/TO/tembrel
# Without a usable display it skips (exit 77), or fails when TEMBREL_REQUIRE_DISPLAY=1.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_common.sh"

need_display
start_work
top=$work
# Two program directories, each with the program, its data file and its collection.
for side in from to; do
    mkdir -p "$top/$side/Library"
    cp "$top/tembrel" "$top/$side/tembrel"
    work="$top/$side"
    write_data_file
done
work=$top
name="Glocke ä -odd; \$x & <y>.wav"
write_wav "$top/from/Library/$name"

other=
trap '[ -n "$other" ] && kill "$other" 2>/dev/null; cleanup' EXIT
QT_QPA_PLATFORM=xcb "$top/from/tembrel" -Embedding >"$work/log" 2>&1 &
pid=$!
QT_QPA_PLATFORM=xcb "$top/to/tembrel" -Embedding >"$work/log.to" 2>&1 &
other=$!

from=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Tembrel$' | head -n 1)
to=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$other" --name '^Tembrel$' | head -n 1)
[ -n "$from" ] && [ -n "$to" ] || fail "the windows did not appear: $(cat "$work/log.to")"
# Side by side: both start in the middle of the screen.
xdotool windowmove "$from" 0 0
xdotool windowmove "$to" 500 0
sleep 1

# Press on the first row (the list starts 30 pixels in), move past the drag distance, travel
# to the other window and let go over it.
xdotool mousemove --window "$from" 60 37 mousedown 1
for _ in 1 2 3 4 5 6; do
    xdotool mousemove_relative 8 4
    sleep 0.1
done
xdotool mousemove 650 120
sleep 0.5
for _ in 1 2 3; do
    xdotool mousemove_relative 4 4
    sleep 0.2
done
xdotool mouseup 1

for _ in $(seq 1 50); do
    [ -e "$top/to/Library/$name" ] && break
    sleep 0.1
done
[ -e "$top/to/Library/$name" ] || fail "the dropped sound did not arrive: $(ls "$top/to/Library")"
cmp -s "$top/from/Library/$name" "$top/to/Library/$name" || fail "the copy differs"
[ -e "$top/from/Library/$name" ] || fail "the dragged sound left its folder"
echo "PASS"
