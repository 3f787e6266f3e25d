#!/usr/bin/env bash
# Starts the built mentavo.exe under Wine. Without a display, it runs on a
# private virtual display and saves a screenshot of the window.
set -euo pipefail
source "$(dirname "$0")/env.sh"
EXE="$WINDOWS/mentavo.exe"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_prefix
  exec wine "$EXE"
fi
echo "No display found: running on a virtual display (Xvfb)."
start_xvfb
trap stop_xvfb EXIT
wine_prefix
wine "$EXE" &
APP=$!
SHOT="$BUILD/screenshot.png"
capture_window "$SHOT"
echo "Screenshot of the window: $SHOT"
echo "The program keeps running on display $DISPLAY; press Ctrl+C to end it."
wait "$APP" || true
