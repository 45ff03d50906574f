#!/usr/bin/env bash
# Creates the safe Wine prefix of a build folder once: no Z: drive, profile folders
# that are real folders, a recycle bin inside the build folder, Windows fonts, the
# debugger off, window frames drawn by Wine, and drive T: mapped to the build folder.
set -euo pipefail
build=$(cd "$1" && pwd)
source "$(dirname "$0")/wine-env.sh" "$build"
ready="$WINEPREFIX/.vt-ready"
[ -f "$ready" ] && exit 0

rm -rf "$WINEPREFIX"
mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info" "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
wine wineboot --init >/dev/null 2>&1 || true
wineserver -w

rm -f "$WINEPREFIX/dosdevices/z:"
ln -sfn "$build" "$WINEPREFIX/dosdevices/t:"
for user_dir in "$WINEPREFIX"/drive_c/users/*/; do
  for link in "$user_dir"*; do
    if [ -L "$link" ]; then rm "$link"; mkdir -p "$link"; fi
  done
done
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
# Nothing may point out of the build folder any more.
if find "$WINEPREFIX/dosdevices" -maxdepth 1 -type l -name 'z:' | grep -q .; then
  echo "wine-prefix: Z: drive still present" >&2; exit 1
fi
touch "$ready"
