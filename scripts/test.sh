#!/usr/bin/env bash
# Runs every suite: native unit tests, then the Windows suites under Wine on a
# private Xvfb display. Exits non-zero on any failure.
set -uo pipefail
source "$(dirname "$0")/env.sh"
status=0
echo "== native unit tests"
ctest --test-dir "$NATIVE" --output-on-failure -j "$JOBS" || status=1
echo "== Windows suites under Wine"
start_xvfb || exit 1
trap stop_xvfb EXIT
wine_prefix
ctest --test-dir "$WINDOWS" --output-on-failure --timeout 600 || status=1
# A picture of the window as the tests leave it, to look at (not a check).
(cd "$WINDOWS" && wine mentavo.exe >/dev/null 2>&1 &)
capture_window "$WINDOWS/screenshot-ready.png" && echo "Screenshot: $WINDOWS/screenshot-ready.png"
wineserver -k >/dev/null 2>&1 || true
exit $status
