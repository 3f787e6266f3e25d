#!/usr/bin/env bash
# Builds the Windows package: build/windows/mentavo-<version>-win64.zip.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cmake --build "$WINDOWS" --target package_zip
ls "$WINDOWS"/mentavo-*-win64.zip
