#!/bin/sh
# A private X server for runs without a display.
#   scripts/xvfb.sh start   start it (or reuse one) and print "export DISPLAY=..."
#   scripts/xvfb.sh stop
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
state=${TEMBREL_XVFB_DIR:-$root/build/xvfb-env}
mkdir -p "$state"
case "${1:-}" in
start)
    if [ -f "$state/pid" ] && kill -0 "$(cat "$state/pid")" 2>/dev/null; then
        echo "export DISPLAY=$(cat "$state/display")"
        exit 0
    fi
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
        echo $! >"$state/pid"
        echo ":$n" >"$state/display"
        for _ in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        echo "export DISPLAY=:$n"
        exit 0
    done
    echo "xvfb.sh: no free display" >&2
    exit 1
    ;;
stop)
    [ -f "$state/pid" ] && kill "$(cat "$state/pid")" 2>/dev/null || true
    rm -f "$state/pid"
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
