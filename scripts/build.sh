#!/usr/bin/env bash
# Configures and builds both trees: native (portable code and its unit tests)
# and windows (everything, cross-compiled with MinGW-w64).
set -euo pipefail
source "$(dirname "$0")/env.sh"
[ -f "$NATIVE/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$NATIVE" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$NATIVE" -j "$JOBS"
[ -f "$WINDOWS/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$WINDOWS" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$WINDOWS" -j "$JOBS"
# The package is part of what the tests check.
cmake --build "$WINDOWS" --target package_zip >/dev/null
