#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. With a display the window opens
# there; without one it runs under Xvfb, and a screenshot of it is saved and its path printed.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup
[ -f build/win/build.ninja ] ||
  cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win --target TalvexMorvane -j "$(nproc)"
exe=build/win/app/TalvexMorvane.exe

if [ -n "${DISPLAY:-}" ]; then
  exec tools/wine-run "$exe"
fi
shot=$PWD/build/screenshot.png
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  source tools/wine-env
  wine "$0" & pid=$!
  sleep "${TM_SHOT_DELAY:-6}"
  import -window root "$1"
  wineserver -k >/dev/null 2>&1 || true
  wait $pid 2>/dev/null || true' "$exe" "$shot"
echo "screenshot: $shot"
