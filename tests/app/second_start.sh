#!/bin/sh
# A second start of the program hands the sound on its command line (relative to the folder
# it was started in) to the running one and ends; the running one shows that sound's folder.
# Window-less runs (--help, --export) still run on their own.
#   second_start.sh BUILD_DIR/tembrel
set -u
tembrel=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
build=$(dirname "$tembrel")
work=$(mktemp -d)
first=
cleanup() {
    [ -n "$first" ] && kill "$first" 2>/dev/null && wait "$first" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $1" >&2
    exit 1
}
# Waits up to 10 s for a shell condition.
wait_for() {
    tries=0
    until eval "$1"; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || return 1
        sleep 0.1
    done
}

mkdir -m 0700 "$work/run"
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen
start="$work/start dir"
mkdir -p "$start/sub ü"
sound=$(find "$build/Library" -name '*.wav' | head -n 1)
[ -n "$sound" ] || fail "no demo sound in $build/Library"
cp "$sound" "$start/sub ü/a b; \$x.wav"

"$tembrel" -Embedding >"$work/first.log" 2>&1 &
first=$!
wait_for 'ls "$XDG_RUNTIME_DIR"/tembrel-*.socket >/dev/null 2>&1' ||
    fail "the first program opened no channel: $(cat "$work/first.log")"

(cd "$start" && timeout 10 "$tembrel" -Embedding "sub ü/a b; \$x.wav") >"$work/second.log" 2>&1 ||
    fail "the second start did not hand over and end: $(cat "$work/second.log")"
wait_for '[ "$(readlink "/proc/$first/cwd")" = "$start/sub ü" ]' ||
    fail "the running program did not show the sound's folder (it is in $(readlink "/proc/$first/cwd"))"

timeout 10 "$tembrel" --help | grep -q Usage || fail "--help did not run beside the first program"
kill -0 "$first" 2>/dev/null || fail "the first program ended"
echo ok
