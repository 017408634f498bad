#!/usr/bin/env bash
# Configures and builds Orbiclock in build/ (or $BUILD_DIR).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" "${generator[@]}" -DORBICLOCK_WERROR=ON "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
