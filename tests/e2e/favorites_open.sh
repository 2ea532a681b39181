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

unavailable() {
    if [ "${TEMBREL_REQUIRE_DISPLAY:-0}" = 1 ]; then
        echo "FAIL: $1 (TEMBREL_REQUIRE_DISPLAY=1)" >&2
        exit 1
    fi
    echo "SKIP: $1"
    exit 77
}
fail() {
    echo "FAIL: $1" >&2
    exit 1
}

[ -n "${DISPLAY:-}" ] || unavailable "no DISPLAY"
command -v xdotool >/dev/null 2>&1 || unavailable "xdotool is not installed"
xdotool getdisplaygeometry >/dev/null 2>&1 || unavailable "cannot open display $DISPLAY"
command -v dbus-launch >/dev/null 2>&1 || unavailable "dbus-x11 is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || unavailable "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || unavailable "python3-pyatspi is not installed"
[ -x "$program" ] || fail "no program at $program"

work=$(mktemp -d)
pid=
bus_pid=
atspi_pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$atspi_pid" ] && kill "$atspi_pid" 2>/dev/null
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A one-second 8-bit mono WAV of silence at 8000 Hz.
write_wav() {
    {
        printf 'RIFF\144\037\000\000WAVEfmt \020\000\000\000\001\000\001\000'
        printf '\100\037\000\000\100\037\000\000\001\000\010\000data\100\037\000\000'
        head -c 8000 /dev/zero | tr '\000' '\200'
    } >"$1"
}

cp "$program" "$work/tembrel"
mkdir "$work/Library"
favourite="$work/Fav Sounds; \$x & 'q' Grüße"
mkdir "$favourite"
write_wav "$work/Library/main sound.wav"
write_wav "$favourite/favourite tone.wav"
cat >"$work/Tembrel.dat" <<DAT
[Main_Directory]
Master_Directory=Library
[Editor_Name]
Editor=true
[Default_Rec_Name]
Rec_Name=Sound
[Cursor]
Current=1
[Show]
Atf=1
Fsb=0
[User_Directories_Number]
User_Directories=1
[User_Directory]
User_Directory1=$favourite
DAT
stored_before=$(cat "$work/Tembrel.dat")

# A session bus of our own with the accessibility bus on it.
eval "$(dbus-launch --sh-syntax)"
bus_pid=$DBUS_SESSION_BUS_PID
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
atspi_pid=$!
sleep 1

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
