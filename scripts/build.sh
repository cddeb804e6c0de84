#!/usr/bin/env bash
# Configures and builds the given presets (default: native win32 win64).
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native win32 win64)
for p in "${presets[@]}"; do
  [ -f "build/$p/build.ninja" ] || cmake --preset "$p" >/dev/null
  cmake --build --preset "$p"
done
