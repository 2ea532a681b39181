#!/bin/sh
# End to end on a real X display: a region picked in one Tembrel's waveform strip and dragged
# from inside it onto a second Tembrel arrives there as "NAME (region).wav" holding exactly
# those frames, and the dragging program's temporary copy is gone once it has ended.
#   strip_drag_out.sh PATH/TO/tembrel
# Without a usable display it skips (exit 77), or fails when TEMBREL_REQUIRE_DISPLAY=1.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_common.sh"

need_display
start_work
make_two_programs
mkdir -p "$top/tmp" "$top/cache"
# Two seconds of 16-bit mono at 8000 Hz whose sample n is n - 8000: every frame tells where it
# came from.
/usr/bin/python3 - "$top/from/Library/Ramp.wav" <<'PY'
import struct, sys
frames = b"".join(struct.pack("<h", n - 8000) for n in range(16000))
with open(sys.argv[1], "wb") as out:
    out.write(b"RIFF" + struct.pack("<I", 36 + len(frames)) + b"WAVEfmt ")
    out.write(struct.pack("<IHHIIHH", 16, 1, 1, 8000, 16000, 2, 16))
    out.write(b"data" + struct.pack("<I", len(frames)) + frames)
PY

other=
trap '[ -n "$other" ] && kill "$other" 2>/dev/null; cleanup' EXIT
TMPDIR="$top/tmp" XDG_CACHE_HOME="$top/cache" QT_QPA_PLATFORM=xcb "$top/from/tembrel" -Embedding \
    >"$work/log" 2>&1 &
pid=$!
XDG_CACHE_HOME="$top/cache" QT_QPA_PLATFORM=xcb "$top/to/tembrel" -Embedding >"$work/log.to" 2>&1 &
other=$!

place_two_windows
sleep 1.5 # the outline is read on a worker

# The strip runs along the bottom of the window, under the transport bar.
strip_y=$(($(xdotool getwindowgeometry "$from" | sed -n 's/.*Geometry: [0-9]*x//p') - 25))
xdotool mousemove --window "$from" 60 "$strip_y" mousedown 1
for x in 90 120 150 180 200; do
    xdotool mousemove --window "$from" "$x" "$strip_y"
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3

# From inside the region, out of the window and over the other one's list.
xdotool mousemove --window "$from" 130 "$strip_y" mousedown 1
drag_to_other_window 8 -4

arrived="$top/to/Library/Ramp (region).wav"
for _ in $(seq 1 50); do
    [ -e "$arrived" ] && break
    sleep 0.1
done
[ -e "$arrived" ] || fail "the region did not arrive: $(ls "$top/to/Library")"
/usr/bin/python3 - "$top/from/Library/Ramp.wav" "$arrived" <<'PY' || fail "the region's file is wrong"
import struct, sys
source, region = (open(path, "rb").read() for path in sys.argv[1:])
assert region[:4] == b"RIFF" and region[20:36] == source[20:36], "not the source's format"
data = region[region.index(b"data") + 8:]
first = struct.unpack("<h", data[:2])[0] + 8000
assert len(data) >= 2 * 4000, f"only {len(data) // 2} frames"
assert data == source[44 + 2 * first:44 + 2 * first + len(data)], "not one stretch of the sound"
print(f"region: frames {first} to {first + len(data) // 2}")
PY
# Escape drops the region, and again ends the program.
xdotool windowfocus "$from" 2>/dev/null
xdotool key Escape
sleep 0.3
xdotool key Escape
wait_for_exit "Escape did not end the dragging program"
left=$(find "$top/tmp" -name '*region*')
[ -z "$left" ] || fail "the temporary copy stayed: $left"
echo "PASS"
