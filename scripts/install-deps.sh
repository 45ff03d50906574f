#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run command need.
# Idempotent: packages already present are left alone.
set -euo pipefail
packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 fonts-wine
  xvfb xauth x11-utils imagemagick fonts-dejavu-core
  fp-utils libchm-bin
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq || true
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
