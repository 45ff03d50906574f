#!/usr/bin/env bash
# start|stop <build folder>: one persistent wineserver and one Xvfb display for a
# whole test run (test programs start ~20 times faster with the server running).
set -euo pipefail
action=$1
build=$(cd "$2" && pwd)
here=$(dirname "$0")
case "$action" in
  start)
    "$here/wine-prefix.sh" "$build"
    source "$here/wine-env.sh" "$build"
    if ! { [ -f "$build/xvfb.pid" ] && kill -0 "$(cat "$build/xvfb.pid")" 2>/dev/null; }; then
      rm -f "$build/xvfb.display"
      exec 3>"$build/xvfb.display.tmp"
      setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
      echo $! >"$build/xvfb.pid"
      exec 3>&-
      for _ in $(seq 100); do [ -s "$build/xvfb.display.tmp" ] && break; sleep 0.1; done
      tr -d '\n' <"$build/xvfb.display.tmp" >"$build/xvfb.display"
      rm -f "$build/xvfb.display.tmp"
    fi
    source "$here/wine-env.sh" "$build"
    setsid wineserver -p >/dev/null 2>&1 </dev/null &
    # Wine's own services start with the first program and keep its output open:
    # start them here, away from the test runner's pipes, or ctest waits for its timeout.
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
    echo "wineserver up, DISPLAY=$DISPLAY"
    ;;
  stop)
    source "$here/wine-env.sh" "$build"
    wineserver -k >/dev/null 2>&1 || true
    if [ -f "$build/xvfb.pid" ]; then kill "$(cat "$build/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$build/xvfb.pid" "$build/xvfb.display"
    ;;
esac
