# Shared by the end-to-end shell scripts, which source it: skipping or failing, a private
# program directory, the session and accessibility buses, and test sounds.
# A script sets program (the tembrel to copy) before it calls start_work.

pid=
bus_pid=
atspi_pid=
work=

unavailable() {
    if [ "${TEMBREL_REQUIRE_DISPLAY:-0}" = 1 ]; then
        echo "FAIL: $1 (TEMBREL_REQUIRE_DISPLAY=1)" >&2
        exit 1
    fi
    echo "SKIP: $1"
    exit 77
}

# The program's output goes with the failure; TEMBREL_E2E_SHOT names a screenshot to take.
fail() {
    echo "FAIL: $1" >&2
    [ -n "${TEMBREL_E2E_SHOT:-}" ] && import -window root "$TEMBREL_E2E_SHOT" 2>/dev/null
    [ -n "$work" ] && [ -f "$work/log" ] && cat "$work/log" >&2
    exit 1
}

need_display() {
    [ -n "${DISPLAY:-}" ] || unavailable "no DISPLAY"
    command -v xdotool >/dev/null 2>&1 || unavailable "xdotool is not installed"
    xdotool getdisplaygeometry >/dev/null 2>&1 || unavailable "cannot open display $DISPLAY"
}

need_accessibility_bus() {
    command -v dbus-launch >/dev/null 2>&1 || unavailable "dbus-x11 is not installed"
    [ -x /usr/libexec/at-spi-bus-launcher ] || unavailable "at-spi2-core is not installed"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || unavailable "python3-pyatspi is not installed"
}

cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$atspi_pid" ] && kill "$atspi_pid" 2>/dev/null
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    [ -n "$work" ] && rm -rf "$work"
}

# A temporary program directory holding a copy of the program (its folder is the program
# directory), removed at exit with everything started here.
start_work() {
    [ -x "$program" ] || fail "no program at $program"
    work=$(mktemp -d)
    trap cleanup EXIT
    cp "$program" "$work/tembrel"
}

# A session bus of our own with the accessibility bus on it.
start_accessibility_bus() {
    eval "$(dbus-launch --sh-syntax)"
    bus_pid=$DBUS_SESSION_BUS_PID
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    atspi_pid=$!
    sleep 1
}

# The data file of a program over $work/Library that needs nothing from the desktop (the editor
# is `true`, the standard cursors, the flat scroll bar off); the add-to-Favorites question is
# asked only when the first argument is 1. A script appends the sections of its own.
write_data_file() {
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
Atf=${1:-0}
Fsb=0
DAT
}

# A one-second 8-bit mono WAV of silence at 8000 Hz.
write_wav() {
    {
        printf 'RIFF\144\037\000\000WAVEfmt \020\000\000\000\001\000\001\000'
        printf '\100\037\000\000\100\037\000\000\001\000\010\000data\100\037\000\000'
        head -c 8000 /dev/zero | tr '\000' '\200'
    } >"$1"
}

# Waits up to five seconds for the program to end; fails with reason when it does not.
wait_for_exit() {
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "$1"
    pid=
}

# Two program directories under $work, "from" and "to", each with the program, its data file
# and an empty collection.
make_two_programs() {
    top=$work
    for side in from to; do
        mkdir -p "$top/$side/Library"
        cp "$top/tembrel" "$top/$side/tembrel"
        work="$top/$side"
        write_data_file
    done
    work=$top
}

# The windows of the programs $pid and $other, side by side, as $from and $to.
place_two_windows() {
    from=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Tembrel$' | head -n 1)
    to=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$other" --name '^Tembrel$' | head -n 1)
    [ -n "$from" ] && [ -n "$to" ] || fail "the windows did not appear: $(cat "$work/log.to")"
    xdotool windowmove "$from" 0 0
    xdotool windowmove "$to" 500 0
}

# With the button down: past the drag distance (by DX DY steps), over to the other window's
# list, and let go there.
drag_to_other_window() {
    for _ in 1 2 3 4 5 6; do
        xdotool mousemove_relative -- "$1" "$2"
        sleep 0.1
    done
    xdotool mousemove 650 120
    sleep 0.5
    for _ in 1 2 3; do
        xdotool mousemove_relative 4 4
        sleep 0.2
    done
    xdotool mouseup 1
}
