#!/bin/sh
# End to end on a real X display: the program, driven by xdotool, deletes a sound through its
# right-click menu. Right click on the first row, choose "Delete Sound" by its mnemonic,
# answer the question with Enter, and find the file gone and the other sound still there.
#   context_menu_delete.sh PATH/TO/tembrel
# Without a usable display it skips (exit 77), or fails when TEMBREL_REQUIRE_DISPLAY=1.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_common.sh"

need_display
start_work
mkdir "$work/Library"
write_data_file
doomed="$work/Library/-odd; \$x & <y> \"q\".wav"
kept="$work/Library/zz keep.wav"
write_wav "$doomed"
write_wav "$kept"

QT_QPA_PLATFORM=xcb "$work/tembrel" -Embedding >"$work/log" 2>&1 &
pid=$!

window=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Tembrel$' | head -n 1)
[ -n "$window" ] || fail "the main window did not appear: $(cat "$work/log")"
sleep 1

# The list starts 30 pixels in from the window's top left; the first row is selected.
xdotool mousemove --window "$window" 60 37 click 3
sleep 1
xdotool key d

question=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$pid" \
    --name '^Confirm to delete file$' |
    head -n 1)
[ -n "$question" ] || fail "no delete question appeared"
sleep 0.5 # mapped is not yet ready for keys
xdotool windowfocus "$question" 2>/dev/null
xdotool key Return

for _ in $(seq 1 50); do
    [ -e "$doomed" ] || break
    sleep 0.1
done
[ -e "$doomed" ] && fail "the sound was not deleted"
[ -e "$kept" ] || fail "the other sound was deleted too"

xdotool windowfocus "$window" 2>/dev/null
xdotool key Escape
wait_for_exit "Escape did not end the program"
echo "PASS"
