#!/bin/sh
# "cmake --install" runs tools of the build tree; "./run" builds only the program. Every tool
# the install scripts run must therefore be among what the program's own build brings.
#   install_tools_built.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
[ -f "$build/build.ninja" ] || { echo "SKIP: not a Ninja build tree"; exit 77; }
inputs=$(ninja -C "$build" -t inputs tembrel) || { echo "FAIL: ninja -t inputs"; exit 1; }
tools=$(find "$build" -name cmake_install.cmake -exec grep -ho "execute_process(COMMAND $build/[^ \"]*" {} + |
    sed "s|^execute_process(COMMAND $build/||" | sort -u)
[ -n "$tools" ] || { echo "FAIL: the install scripts run no tool of the build tree"; exit 1; }
status=0
for tool in $tools; do
    if printf '%s\n' "$inputs" | grep -qx "$tool"; then
        echo "ok: $tool"
    else
        echo "FAIL: installing runs $tool, which building the program alone leaves unbuilt"
        status=1
    fi
done
exit $status
