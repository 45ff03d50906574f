#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under Wine,
# in a prefix of its own (build/run/wineprefix) made safe like the test prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
cmake --build "$root/build/win" --target dist
mkdir -p "$root/build/run"
ln -sfn ../win/dist "$root/build/run/dist"
if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: starting a virtual one (Xvfb :77)."
  Xvfb :77 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  export DISPLAY=:77
  sleep 1
fi
display=$DISPLAY
source "$root/scripts/wine-env.sh" "$root/build/run"
export DISPLAY=$display
exec "$root/scripts/wine-run" "$root/build/run" "$root/build/run/dist/Tidewright.exe" "$@"
