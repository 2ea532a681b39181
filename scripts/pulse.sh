#!/bin/sh
# A private PulseAudio daemon with a null sink, for the audio tests and benchmarks.
#   scripts/pulse.sh start   start it (or reuse the running one); print the environment to export
#   scripts/pulse.sh env     print the environment of the running daemon
#   scripts/pulse.sh stop    stop it
# Usage: eval "$(scripts/pulse.sh start)"; ...; scripts/pulse.sh stop
# State lives in $TEMBREL_AUDIO_DIR, by default build/audio-env in the source tree. The sink's
# monitor is the default source, so recording from the default input hears the sink.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
dir=${TEMBREL_AUDIO_DIR:-$root/build/audio-env}

# The daemon's socket path must stay short (108 bytes for a Unix socket): a deep state folder
# gets its runtime folder under /tmp, remembered in $dir/runtime.
runtime_dir() {
    if [ -f "$dir/runtime" ]; then
        cat "$dir/runtime"
    elif [ ${#dir} -lt 80 ]; then
        echo "$dir/xdg"
    else
        mkdir -p "$dir"
        mktemp -d /tmp/tembrel-pulse.XXXXXX | tee "$dir/runtime"
    fi
}

runtime=$(runtime_dir)
socket=$runtime/pulse/native
pidfile=$runtime/pulse/pid

print_env() {
    echo "export PULSE_SERVER='unix:$socket'"
}

# The pid file names a live pulseaudio process (not a reused pid) and the socket exists.
running() {
    [ -f "$pidfile" ] && [ -S "$socket" ] || return 1
    pid=$(cat "$pidfile" 2>/dev/null) || return 1
    [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = pulseaudio ]
}

write_config() {
    cat >"$dir/pulse.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1
load-module module-null-sink sink_name=test_sink sink_properties=device.description=TestSink rate=44100 channels=2 norewinds=1
set-default-sink test_sink
set-default-source test_sink.monitor
PA
}

start() {
    if running; then
        print_env
        return 0
    fi
    command -v pulseaudio >/dev/null || { echo "pulse.sh: pulseaudio is not installed" >&2; exit 1; }
    mkdir -p "$runtime" "$dir/home"
    chmod 700 "$runtime"
    rm -f "$socket" "$pidfile"
    write_config
    XDG_RUNTIME_DIR=$runtime HOME=$dir/home PULSE_SERVER= \
        pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n -F "$dir/pulse.pa" \
        --log-target="file:$dir/pulse.log" >/dev/null 2>&1 </dev/null || true
    tries=0
    until running; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then
            echo "pulse.sh: the daemon did not start; see $dir/pulse.log" >&2
            exit 1
        fi
        sleep 0.05
    done
    print_env
}

stop() {
    if ! running; then
        rm -f "$pidfile"
        return 0
    fi
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null || true
    tries=0
    while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 100 ]; do
        tries=$((tries + 1))
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$pidfile" "$socket"
}

case "${1:-}" in
start) start ;;
stop) stop ;;
env)
    if running; then
        print_env
    else
        echo "pulse.sh: no daemon is running" >&2
        exit 1
    fi
    ;;
*)
    echo "usage: $0 start|stop|env" >&2
    exit 2
    ;;
esac
