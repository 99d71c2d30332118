#!/usr/bin/env bash
# Creates the project's Wine prefix once: 64-bit, null graphics driver, so
# windows, messages, GDI and timers work without a display.
set -euo pipefail
prefix="$1"
wine=/usr/lib/wine/wine64
if [ -f "$prefix/.zorvane-ready" ]; then exit 0; fi
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
"$wine" wineboot -i >/dev/null 2>&1 || true
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
touch "$prefix/.zorvane-ready"
