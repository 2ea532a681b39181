#!/bin/sh
# End to end on a real X display: "tembrel blv" shows the scheme builder alone; driven by control
# names over the accessibility bus it fills three rows (one sound from another folder with an
# odd name, one without an event), builds a registry script and a theme, and ends when closed.
#   scheme_builder_script.sh PATH/TO/tembrel
# Without a usable display or accessibility bus it skips (exit 77), or fails when
# TEMBREL_REQUIRE_DISPLAY=1.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/e2e_common.sh"

need_display
need_accessibility_bus
start_work
start_accessibility_bus

drive() { /usr/bin/python3 "$here/a11y_drive.py" tembrel "$@" || fail "step: $*"; }

mkdir -p "$work/Library" "$work/Other place" "$work/bin" "$work/config" "$work/data"
printf '[Main_Directory]\nMaster_Directory=Library\n' >"$work/Tembrel.dat"
# (The file picker's name field takes double quotes for a list of names, so none here.)
far="$work/Other place/Ding \$x & <y> 'q' é.wav"
write_wav "$far"
write_wav "$work/Library/Chime.wav"
write_wav "$work/Library/Door bell.wav"
# The desktop's opener, recorded instead of run.
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

PATH="$work/bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/tembrel" blv >"$work/log" 2>&1 &
pid=$!

drive wait " Belvane 2.0" 20
/usr/bin/python3 "$here/a11y_drive.py" tembrel wait Tembrel 1 >/dev/null 2>&1 &&
    fail "the main window came up with blv"

pick() { # row, file
    drive press "Open... $1"
    drive wait "Choose sound"
    drive text "File name:" "$2"
    drive press Open
    drive gone "Choose sound"
}
pick 1 "$far"
drive choose "Event 1" "Mail Notification"
pick 2 "$work/Library/Chime.wav"
drive choose "Event 2" "Maximize"
pick 3 "$work/Library/Door bell.wav"

drive press "Build Registry Script"
drive wait "Confirm to create new sound scheme"
drive press OK
drive wait " New Registry Script Name"
drive text "Enter Registry Script scheme name:" "My \"Scheme\""
drive press OK

script="$work/Library/My \"Scheme\".reg"
for _ in $(seq 1 50); do
    [ -e "$script" ] && break
    sleep 0.1
done
[ -e "$script" ] || fail "no script was written"
# A path beyond ASCII is a string value of UTF-16LE bytes, its terminator included; the row
# with a sound but no event is left out.
utf16_hex() {
    python3 -c 'import sys; print(",".join("%02x" % b for b in (sys.argv[1] + "\0").encode("utf-16-le")))' "$1"
}
expected=$(printf '%s\r\n' "REGEDIT4" "" \
    " ;-------------------------------------------------" \
    " ;This Registry Script was created by Tembrel" \
    " ;-------------------------------------------------" "" \
    '[HKEY_CURRENT_USER\AppEvents\Schemes\Apps\.Default\MailBeep\.Current]' \
    "@=hex(1):$(utf16_hex "$work/Other place/Ding \$x & <y> 'q' é.wav")" \
    '[HKEY_CURRENT_USER\AppEvents\Schemes\Apps\.Default\Maximize\.Current]' \
    "@=\"$work/Library/Chime.wav\"")
[ "$(cat "$script")" = "$expected" ] || fail "the script reads:
$(cat -A "$script")"

drive press "Build Theme File"
drive wait "Confirm to create new sound scheme"
drive press OK
drive wait " New Theme Name"
drive press OK
drive wait "Sound Scheme Preview" 10
drive press OK
theme="$work/data/tembrel/Themes/My Theme"
[ -f "$theme/My Theme notify.wav" ] || fail "the mail sound was not copied into the theme"
[ -f "$theme/My Theme maximize.wav" ] || fail "the maximize sound was not copied"
[ -L "$work/data/sounds/tembrel-my-theme/stereo/message-new-email.wav" ] ||
    fail "no desktop sound theme"
for _ in $(seq 1 30); do
    [ "$(wc -l <"$work/opened" 2>/dev/null)" = 2 ] && break
    sleep 0.1
done
# The desktop is handed file URLs: the script first, then the theme.
[ "$(cat "$work/opened")" = "$(printf '%s\n' "file://$work/Library/My%20%22Scheme%22.reg" \
    "file://$work/data/tembrel/Themes/My%20Theme/My%20Theme.theme")" ] ||
    fail "opened: $(cat "$work/opened")"

drive press Close
wait_for_exit "closing the builder did not end the program"
echo "PASS"
