#!/usr/bin/env bash
# Unpacks the package into a fresh folder and runs the packaged program there
# under Wine with the end-to-end driver. Usage: test_package.sh ZIP E2E_EXE
set -euo pipefail
zip="$1" driver="$2"
[ -f "$zip" ] || { echo "no package at $zip (make package builds it)"; exit 1; }
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && cmake -E tar xf "$zip")
for f in mentavo.exe data/stat.dat data/help.htm; do
  [ -f "$dir/$f" ] || { echo "the package lacks $f"; exit 1; }
done
MENTAVO_PACKAGE="$(winepath -w "$dir" 2>/dev/null)" wine "$driver" --gtest_filter='Package.*' --gtest_color=no
