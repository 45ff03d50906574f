#!/usr/bin/env bash
# Saves screenshots of the program's windows into build/screens: the GUI tests
# capture the real windows (main window in each category, About page, settings
# pages, module frame) when VT_SCREENS_DIR is set. Run after a build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/win"
cmake --build "$build"
rm -rf "$build/screens" && mkdir -p "$build/screens"
"$root/scripts/wine-session.sh" start "$build" >/dev/null
export VT_SCREENS_DIR='T:\screens'
status=0
for program in shell_tests ui_tests; do
  "$root/scripts/wine-run" "$build" "$build/tests/$program.exe" >/dev/null || status=1
done
"$root/scripts/wine-session.sh" stop "$build"
mkdir -p "$root/build/screens"
cp "$build"/screens/*.png "$root/build/screens/"
ls "$root/build/screens"
exit $status
