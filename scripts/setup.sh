#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages only.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make python3
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386 fonts-wine
  xvfb xdotool x11-utils imagemagick
  chromium
  googletest libgtest-dev libgmock-dev libbenchmark-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
