#!/bin/sh
# Configures and builds Tembrel into build/ (a runnable program directory).
#   scripts/build.sh [BUILD_DIR] [extra cmake arguments...]
# With TEMBREL_BUILD_TARGET set (e.g. "tembrel") only that target and what it needs are built.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build}
[ $# -gt 0 ] && shift
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)" ${TEMBREL_BUILD_TARGET:+--target "$TEMBREL_BUILD_TARGET"}
