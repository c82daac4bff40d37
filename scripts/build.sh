#!/usr/bin/env bash
# Builds everything: the host tools (which draw and synthesise the plant saver's
# resources) and then the 32-bit Windows programs and their tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"

jobs=$(nproc)
cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/native" -j "$jobs"
cmake -S "$root" -B "$root/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DPLANT_RESOURCE_DIR="$root/build/native/gen/plantsaver" \
  -DSAMPLE_CONTENT_DIR="$root/build/native/gen/sample" \
  -DVIEWER_ART_DIR="$root/build/native/gen/viewer" \
  -DLUMIPACK_NATIVE="$root/build/native/tools/lumipack/lumipack" >/dev/null
cmake --build "$root/build/win32" -j "$jobs"
