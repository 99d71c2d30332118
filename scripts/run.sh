#!/usr/bin/env bash
# Starts Zorvane.exe with the sample library beside it (under Wine on Linux).
# Without a display it says so and generates an article with zorvane-cli.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
stage="$top/build/run"
mkdir -p "$stage/data"
cp "$top/build/win32/Zorvane.exe" "$stage/"
cp "$top"/data/*.txt "$stage/data/"

if [ -z "${DISPLAY:-}" ]; then
  echo "No display (DISPLAY is not set): generating an article with zorvane-cli instead."
  out=$(mktemp -d)
  "$top/build/native/zorvane-cli" generate "$top/data/sample-library.txt" --out "$out" > "$out/.saved"
  saved="$out/$(ls "$out" | head -n 1)"
  echo "Saved: $(cat "$out/.saved")"
  head -c 200 "$saved" | iconv -c -f CP936 -t UTF-8
  echo
  exit 0
fi

"$top/scripts/ensure-deps.sh" --with-display
"$top/scripts/zh-locale.sh"
prefix="$top/build/wineprefix-x11"
mkdir -p "$prefix"
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The window draws its own frame from the skin: no window-manager frame around it.
if [ ! -f "$prefix/.undecorated" ]; then
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  touch "$prefix/.undecorated"
fi
cd "$stage"
/usr/lib/wine/wine64 Zorvane.exe
