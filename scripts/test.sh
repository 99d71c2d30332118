#!/usr/bin/env bash
# Runs the native suites (ctest) and the Windows suites under Wine, then prints
# one closing line with the totals.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

(cd "$top/build/native" && ctest --output-on-failure -j2) | tee "$log"
native_status=${PIPESTATUS[0]}
native_total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
native_failed=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)

"$top/scripts/wine-prefix.sh" "$top/build/wineprefix"
# Wine maps Chinese file names to the Linux file system only under a UTF-8 locale.
env -u DISPLAY LANG=C.UTF-8 LC_ALL=C.UTF-8 WINEPREFIX="$top/build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  /usr/lib/wine/wine64 "$top/build/win32/win32_tests.exe" --gtest_brief=1 | tee "$log"
win_status=${PIPESTATUS[0]}
win_passed=$(sed -n 's/.*PASSED.*\] \([0-9]*\) test.*/\1/p' "$log" | tail -n 1)
win_failed=$(sed -n 's/.*FAILED.*\] \([0-9]*\) test.*, listed below.*/\1/p' "$log" | tail -n 1)

# Runs the Windows cases matching FILTER again under Xvfb (SCREEN) with
# Wine's X11 driver in PREFIX, with the extra environment given after; adds
# their failures to the Windows totals.
run_on_display() {
  local prefix=$1 screen=$2 filter=$3
  shift 3
  env "$@" LANG=C.UTF-8 LC_ALL=C.UTF-8 WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    xvfb-run -a -s "-screen 0 $screen" \
    /usr/lib/wine/wine64 "$top/build/win32/win32_tests.exe" --gtest_brief=1 --gtest_filter="$filter" | tee "$log"
  local status=${PIPESTATUS[0]}
  local failed
  failed=$(sed -n 's/.*FAILED.*\] \([0-9]*\) test.*, listed below.*/\1/p' "$log" | tail -n 1)
  [ "$status" -ne 0 ] && win_status=$status
  win_failed=$(( ${win_failed:-0} + ${failed:-0} ))
  return 0
}

# Wine has a notification area only with a display: the tests that need one
# (skipped above) run again there.
"$top/scripts/ensure-deps.sh" --with-display
"$top/scripts/wine-prefix.sh" "$top/build/wineprefix-x11test" x11
run_on_display "$top/build/wineprefix-x11test" 1024x768x24 'TrayIconWindow.*:SkinFormTest.Tray*' ZV_REQUIRE_TRAY=1

# The display-scale tests again on a display at 144 DPI, large enough for
# the window at that scale.
"$top/scripts/wine-prefix.sh" "$top/build/wineprefix-x11-144" x11 144
run_on_display "$top/build/wineprefix-x11-144" 2560x1600x24 'MainWindowTest.*Scale*' ZV_EXPECT_DPI=144

native_total=${native_total:-0}
native_failed=${native_failed:-0}
passed=$((native_total - native_failed + ${win_passed:-0}))
failed=$((native_failed + ${win_failed:-0}))
if [ "$native_status" -ne 0 ] || [ "$win_status" -ne 0 ]; then failed=$((failed > 0 ? failed : 1)); fi
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
