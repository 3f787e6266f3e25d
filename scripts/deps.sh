#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when one is missing.
set -euo pipefail
need=(g++ cmake make googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
      wine wine64 xvfb fonts-liberation python3 x11-apps x11-utils imagemagick zip unzip)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# python3 may come from elsewhere than Debian (pyenv): accept any working one.
if command -v python3 >/dev/null 2>&1; then
  missing=("${missing[@]/python3}")
fi
missing=($(printf '%s\n' "${missing[@]}" | grep -v '^$' || true))
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
