#!/bin/sh
# End to end on a real X display, driven through the accessibility tree: open Favorites from the
# main window's menu, choose a stored folder, "Open this folder", and the main window lists that
# folder's sounds while the stored list stays as it was.
#   favorites_open.sh PATH/TO/tembrel
# Without a usable display or accessibility bus it skips (exit 77), or fails when
# TEMBREL_REQUIRE_DISPLAY=1.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
a11y="/usr/bin/python3 $here/a11y.py"

. "$here/e2e_common.sh"

need_display
need_accessibility_bus
start_work
mkdir "$work/Library"
favourite="$work/Fav Sounds; \$x & 'q' Grüße"
mkdir "$favourite"
write_wav "$work/Library/main sound.wav"
write_wav "$favourite/favourite tone.wav"
write_data_file 1
cat >>"$work/Tembrel.dat" <<DAT
[User_Directories_Number]
User_Directories=1
[User_Directory]
User_Directory1=$favourite
DAT
stored_before=$(cat "$work/Tembrel.dat")

start_accessibility_bus

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/tembrel" -Embedding \
    >"$work/log" 2>&1 &
pid=$!
$a11y wait Tembrel 20 || fail "the main window did not appear: $(cat "$work/log")"
sleep 0.5

# The pop-up menu of the Menu button, then "Favorites" by keyboard as a person would.
$a11y press Menu || fail "no Menu button"
sleep 1
xdotool key f Return
$a11y wait " Favorites" 10 || fail "the Favorites window did not open"
$a11y select "$favourite" || fail "the stored folder is not listed"
sleep 0.3
$a11y press "Open this folder" || fail "no Open this folder button"

for _ in $(seq 1 50); do
    $a11y items Tembrel 2>/dev/null | grep -qx "favourite tone" && break
    sleep 0.1
done
rows=$($a11y items Tembrel)
[ "$rows" = "favourite tone" ] || fail "the main window lists: $rows"
[ -z "$($a11y wait "Add to Favorites?" 0.5 2>/dev/null && echo asked)" ] ||
    fail "Open from Favorites asked to add the folder again"
[ "$(cat "$work/Tembrel.dat")" = "$stored_before" ] || fail "the stored list changed"
echo "PASS"
