#!/usr/bin/env bash
# Creates the project's Wine prefix once: 64-bit, null graphics driver, so
# windows, messages, GDI and timers work without a display. With "x11" as the
# second argument the prefix keeps Wine's X11 driver, for the few tests that
# need a desktop shell (the notification area); a third argument sets the
# display's DPI (LogPixels). A prefix whose setup did not finish is made again.
set -euo pipefail
prefix="$1"
driver="${2:-null}"
dpi="${3:-}"
wine=/usr/lib/wine/wine64
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DISPLAY

ready() {
  [ "$driver" = x11 ] && { [ -f "$prefix/system.reg" ]; return; }
  "$wine" reg query 'HKCU\Software\Wine\Drivers' /v Graphics 2>/dev/null | grep -q null
}

[ -f "$prefix/.zorvane-ready" ] && exit 0
for attempt in 1 2; do
  rm -rf "$prefix"
  mkdir -p "$prefix"
  "$wine" wineboot -i >/dev/null 2>&1 || true
  [ "$driver" = x11 ] || "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 || true
  [ -z "$dpi" ] || "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w
  if ready; then
    touch "$prefix/.zorvane-ready"
    exit 0
  fi
  echo "Wine prefix setup failed (attempt $attempt)" >&2
done
exit 1
