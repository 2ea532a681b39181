#!/bin/sh
# End to end on a real X display: the program, driven by xdotool, deletes a sound through its
# right-click menu. Right click on the first row, choose "Delete Sound" by its mnemonic,
# answer the question with Enter, and find the file gone and the other sound still there.
#   context_menu_delete.sh PATH/TO/tembrel
# Without a usable display it skips (exit 77), or fails when TEMBREL_REQUIRE_DISPLAY=1.
set -u
program=$1

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
[ -x "$program" ] || fail "no program at $program"

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
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

# The program directory is the executable's folder: a private copy keeps the build tree as it is.
cp "$program" "$work/tembrel"
mkdir "$work/Library"
cat >"$work/Tembrel.dat" <<'DAT'
[Main_Directory]
Master_Directory=Library
[Editor_Name]
Editor=true
[Default_Rec_Name]
Rec_Name=Sound
[Cursor]
Current=1
[Show]
Atf=0
Fsb=0
DAT
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
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "Escape did not end the program"
pid=
echo "PASS"
