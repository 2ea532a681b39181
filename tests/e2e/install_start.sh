#!/bin/sh
# "cmake --install" into a temporary prefix: the layout, the desktop entry and the metainfo
# pass their validators, and the installed program, started from the desktop entry's Exec line
# on a WAV file with a fresh home, shows that file's folder with the sound selected and keeps
# its data file and collection in the user's folders.
#   install_start.sh BUILD_DIR/tembrel   (the build tree's program)
# The start needs a display and an accessibility bus; without them it skips (exit 77) after
# the layout checks, or fails when TEMBREL_REQUIRE_DISPLAY=1.
set -u
build=$(dirname "$1")
here=$(cd "$(dirname "$0")" && pwd)
a11y="/usr/bin/python3 $here/a11y.py"

fail() {
    echo "FAIL: $1" >&2
    exit 1
}
unavailable() {
    [ "${TEMBREL_REQUIRE_DISPLAY:-0}" = 1 ] && fail "$1 (TEMBREL_REQUIRE_DISPLAY=1)"
    echo "SKIP: $1"
    exit 77
}

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

prefix="$work/pre fix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.log")"

app=org.tembrel.Tembrel
program="$prefix/lib/tembrel"
for file in "$program/tembrel" "$program/Tembrel.dat" "$program/.tembrel-installed" \
    "$program/Help/index.html" "$program/Bin/Images/wav_file.gif" \
    "$prefix/share/applications/$app.desktop" "$prefix/share/metainfo/$app.metainfo.xml" \
    "$prefix/share/icons/hicolor/scalable/apps/$app.svg"; do
    [ -f "$file" ] || fail "not installed: $file"
done
for size in 16 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x$size/apps/$app.png" ] || fail "no ${size}px icon"
done
ls "$program/Bin/Cursors" | grep -q . || fail "no cursor themes installed"
ls "$program/Library" | grep -q '\.wav$' || fail "no demo sounds installed"
[ "$(readlink -f "$prefix/bin/tembrel")" = "$(readlink -f "$program/tembrel")" ] ||
    fail "bin/tembrel does not start the installed program"

desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$work/as.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$work/as.log")"

[ -n "${DISPLAY:-}" ] || unavailable "no DISPLAY"
xdotool getdisplaygeometry >/dev/null 2>&1 || unavailable "cannot open display $DISPLAY"
command -v dbus-launch >/dev/null 2>&1 || unavailable "dbus-x11 is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || unavailable "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || unavailable "python3-pyatspi is not installed"

# A sound in a folder whose name a shell would misread.
folder="$work/Sounds; \$x & 'q' Grüße"
mkdir "$folder"
for name in "alpha" "opened sound" "zulu"; do
    cp "$(ls "$program/Library/"*.wav | head -n 1)" "$folder/$name.wav"
done

eval "$(dbus-launch --sh-syntax)"
bus_pid=$DBUS_SESSION_BUS_PID
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
atspi_pid=$!
sleep 1

# The Exec line as a desktop runs it: %f becomes the one file, as a single argument.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$app.desktop")
set --
for word in $exec_line; do
    [ "$word" = "%f" ] && word="$folder/opened sound.wav"
    set -- "$@" "$word"
done
mkdir "$work/home"
(
    cd "$work/home" || exit 1
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
        PATH="$prefix/bin:$PATH" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
        exec "$@"
) >"$work/log" 2>&1 &
pid=$!
$a11y wait Tembrel 20 || fail "the main window did not appear: $(cat "$work/log")"

for _ in $(seq 1 50); do
    $a11y selected Tembrel 2>/dev/null | grep -qx "opened sound" && break
    sleep 0.1
done
[ "$($a11y items Tembrel | tr '\n' '|')" = "alpha|opened sound|zulu|" ] ||
    fail "the window lists: $($a11y items Tembrel)"
[ "$($a11y selected Tembrel)" = "opened sound" ] ||
    fail "selected: $($a11y selected Tembrel)"
cmp -s "$work/home/config/tembrel/Tembrel.dat" "$program/Tembrel.dat" ||
    fail "the data file was not copied to the user's configuration"
ls "$work/home/data/tembrel/Library" | grep -q '\.wav$' ||
    fail "the collection was not copied to the user's data folder"
echo "PASS"
