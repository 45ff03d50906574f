#!/usr/bin/env bash
# Installs what is missing, builds the native core (with sanitizers) and the
# Windows program, and runs every test: natively, then under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build "$root/build/native"
ctest --test-dir "$root/build/native" --output-on-failure -j2

cmake -S "$root" -B "$root/build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
cmake --build "$root/build/win"
ctest --test-dir "$root/build/win" --output-on-failure
