# shellcheck shell=bash disable=SC2034
# Shared by the scripts in tools/: which Wine can run here, the environment a
# Wine program runs in, and a private virtual display. Sourced, not run.

TOLVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TOLVANE_WINE32_LOADER=/usr/lib/wine/wine
TOLVANE_WINE64_LOADER=/usr/lib/wine/wine64

# "win32" when this kernel runs Wine's 32-bit loader, "win64" otherwise. Many
# build machines have no 32-bit execution support at all: there the 32-bit
# loader fails with "Exec format error" and only the 64-bit build can be
# tested.
tolvane_wine_arch() {
  if [ -x "$TOLVANE_WINE32_LOADER" ] && "$TOLVANE_WINE32_LOADER" --version >/dev/null 2>&1; then
    echo win32
  else
    echo win64
  fi
}

# Exports the environment every Wine program of ours runs in. The `wine`
# wrapper would pick the 32-bit loader whenever wine32 is installed, so the
# loader is named directly. No Mono, Gecko or desktop menu entries. A C locale makes the prefix's ANSI code page 1252,
# so any reliance on it shows up as a test failure.
tolvane_wine_env() { # ARCH PREFIX
  local arch=$1 prefix=$2
  case "$arch" in
    win32) export WINE=$TOLVANE_WINE32_LOADER ;;
    win64) export WINE=$TOLVANE_WINE64_LOADER ;;
    *) echo "unknown Wine architecture '$arch'" >&2; return 1 ;;
  esac
  export WINELOADER=$WINE WINEARCH=$arch WINEPREFIX=$prefix
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  unset LANGUAGE
}

tolvane_wineserver() {
  /usr/lib/wine/wineserver "$@"
}

# Starts Xvfb on a free display, in its own session so that it holds none of
# the caller's output pipes. Writes its pid to STATE/xvfb.pid and sets
# TOLVANE_DISPLAY (":N").
tolvane_start_xvfb() { # STATE
  local state=$1 i
  mkdir -p "$state"
  rm -f "$state/display" "$state/xvfb.pid"
  # -displayfd picks a free display number and writes it once the server accepts clients.
  setsid Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp \
    9>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for ((i = 0; i < 100; i++)); do
    if [ -s "$state/display" ] && grep -q '^[0-9]' "$state/display"; then
      TOLVANE_DISPLAY=":$(head -n 1 "$state/display" | tr -dc 0-9)"
      return 0
    fi
    kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start; its log:" >&2
  cat "$state/xvfb.log" >&2
  return 1
}

# Ends the Xvfb that tolvane_start_xvfb started, if it still runs.
tolvane_stop_xvfb() { # STATE
  local state=$1 pid
  [ -f "$state/xvfb.pid" ] || return 0
  pid=$(cat "$state/xvfb.pid")
  # The pid is only ours if it still names an Xvfb.
  if [ -n "$pid" ] && tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q '^Xvfb '; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  rm -f "$state/xvfb.pid" "$state/display"
}
