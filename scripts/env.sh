# Shared settings for the scripts: where the trees and the Wine prefix live.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
NATIVE="$BUILD/native"
WINDOWS="$BUILD/windows"
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
JOBS="$(nproc 2>/dev/null || echo 2)"

# Creates the private Wine prefix once; later runs reuse it.
wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Initialising the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # Unmanaged windows: with no window manager on the virtual display, Wine
    # would otherwise wait for one at every window that hides.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
  fi
}

# Starts a private Xvfb on a free display; sets DISPLAY and XVFB_PID.
start_xvfb() {
  local fifo; fifo="$(mktemp -u)"; mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local num; read -r -t 30 num <"$fifo" || true
  rm -f "$fifo"
  if [ -z "${num:-}" ]; then echo "Xvfb did not start" >&2; return 1; fi
  export DISPLAY=":$num"
}

stop_xvfb() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
  wait "${XVFB_PID:-}" 2>/dev/null || true
}

# Waits (up to 60 s) for the "Mentavo" window on $DISPLAY, then saves a
# screenshot of the display to $1.
capture_window() {
  for _ in $(seq 1 60); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Mentavo"'; then break; fi
    sleep 1
  done
  sleep 2
  xwd -root -silent | convert xwd:- "$1"
}
