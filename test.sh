#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; exits non-zero on a failure.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup

jobs=$(nproc)
configure() { # dir, extra cmake arguments
  local dir=$1; shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}
configure build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
configure build/native -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
configure build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTM_FUZZ=ON

cmake --build build/win -j "$jobs"
cmake --build build/native -j "$jobs"
cmake --build build/fuzz -j "$jobs"

status=0
echo "== native tests (AddressSanitizer, UBSan)"
(cd build/native && ctest --output-on-failure) || status=1
echo "== Windows tests under Wine"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  source tools/wine-env
  # Start the prefix and its services outside ctest: services started by the first test
  # would inherit ctest'"'"'s output pipes and keep it waiting after the test ends.
  wineserver -p >/dev/null 2>&1
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  cd build/win && ctest --output-on-failure; rc=$?
  wineserver -k >/dev/null 2>&1 || true
  exit $rc' || status=1
echo "== fuzz targets, briefly"
(cd build/fuzz && ctest --output-on-failure) || status=1
exit $status
