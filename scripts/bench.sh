#!/usr/bin/env bash
# Runs the benchmarks under Wine on a private Xvfb display and prints their tables.
# IDLE_SECONDS and STARTUP_RUNS shorten a run for a quick look.
set -euo pipefail
source "$(dirname "$0")/env.sh"
B="$WINDOWS/bench"
start_xvfb
trap stop_xvfb EXIT
wine_prefix
wine "$B/startup_bench.exe" "${STARTUP_RUNS:-10}"
wine "$B/idle_bench.exe" "${IDLE_SECONDS:-60}"
wine "$B/repaint_bench.exe"
strip_size() {
  local tmp; tmp="$(mktemp)"
  x86_64-w64-mingw32-strip -o "$tmp" "$1"
  stat -c %s "$tmp"; rm -f "$tmp"
}
ours=$(strip_size "$WINDOWS/mentavo.exe"); base=$(strip_size "$B/floor.exe")
echo
echo "Size: the exe's bytes, stripped"
echo "| measure | mentavo | floor (baseline) | ratio |"
echo "|---|---|---|---|"
awk -v a="$ours" -v b="$base" 'BEGIN { printf "| stripped exe | %d bytes | %d bytes | %.2f |\n", a, b, a / b }'
