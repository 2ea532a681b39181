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
make_two_programs
name="Glocke ä -odd; \$x & <y>.wav"
write_wav "$top/from/Library/$name"

other=
trap '[ -n "$other" ] && kill "$other" 2>/dev/null; cleanup' EXIT
QT_QPA_PLATFORM=xcb "$top/from/tembrel" -Embedding >"$work/log" 2>&1 &
pid=$!
QT_QPA_PLATFORM=xcb "$top/to/tembrel" -Embedding >"$work/log.to" 2>&1 &
other=$!

place_two_windows
sleep 1

# Press on the first row (the list starts 30 pixels in), move past the drag distance, travel
# to the other window and let go over it.
xdotool mousemove --window "$from" 60 37 mousedown 1
drag_to_other_window 8 4

for _ in $(seq 1 50); do
    [ -e "$top/to/Library/$name" ] && break
    sleep 0.1
done
[ -e "$top/to/Library/$name" ] || fail "the dropped sound did not arrive: $(ls "$top/to/Library")"
cmp -s "$top/from/Library/$name" "$top/to/Library/$name" || fail "the copy differs"
[ -e "$top/from/Library/$name" ] || fail "the dragged sound left its folder"
echo "PASS"
