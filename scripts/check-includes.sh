#!/bin/sh
# Fails when folders include each other in a circle or platform/ includes a folder above it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(python3 "$root/scripts/include-graph.py" "$root")
bad=$(printf '%s\n' "$out" | grep -E '^(cycle|up):' || true)
if [ -n "$bad" ]; then
    printf '%s\n' "$bad" >&2
    exit 1
fi
