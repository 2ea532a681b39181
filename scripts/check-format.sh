#!/bin/sh
# Fails when a tracked C++ file differs from what clang-format (the repository's .clang-format)
# would write; prints the differences. Fix them with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -eu
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
