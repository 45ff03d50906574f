# Sourced with the build folder as $1: a throw-away Wine prefix inside that folder,
# so nothing a test does can reach the user's own Wine set-up or home folder.
vt_build=$(cd "$1" && pwd)
export WINEPREFIX="$vt_build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree=d;mshtml=d"
export XDG_DATA_HOME="$vt_build/xdg"   # the recycle bin lands here
export XDG_CONFIG_HOME="$vt_build/xdg-config"
export XDG_CACHE_HOME="$vt_build/xdg-cache"
export HOME="$vt_build/home"
if [ -f "$vt_build/xvfb.display" ]; then
  export DISPLAY=":$(cat "$vt_build/xvfb.display")"
fi
