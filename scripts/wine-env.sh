# Sourced by the test and run scripts: a private Wine prefix under build/ and,
# where asked for, a private Xvfb display. Never touches ~/.wine or the user's display.
# shellcheck shell=bash

zeb_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$zeb_root/build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
# Without the menu builder, shortcuts that programs save into the prefix's
# Start menu stay there instead of reaching the desktop's own menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
zeb_xvfb_pid=""

# Starts Xvfb on the first free display from :91 on, with the given screen size.
zeb_start_xvfb() {
  local size=${1:-1024x768x24} n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "$size" -nolisten tcp -noreset >/dev/null 2>&1 &
    zeb_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$zeb_xvfb_pid" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

# Boots the prefix once and keeps one persistent wineserver for the whole run,
# so that each Wine process starts in milliseconds rather than seconds.
zeb_start_wine() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
  fi
  wineserver -p >/dev/null 2>&1 </dev/null &
  # A crashing test must end with a backtrace, not wait for someone to close
  # the crash dialog on the private display.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 || true
}

zeb_stop_all() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$zeb_xvfb_pid" ]; then
    kill "$zeb_xvfb_pid" 2>/dev/null || true
    wait "$zeb_xvfb_pid" 2>/dev/null || true
  fi
}
