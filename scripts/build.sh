#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds Orbiclock in build/ (or $BUILD_DIR).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# ccache, where installed, lets several build folders of one checkout share their objects.
command -v ccache >/dev/null && generator+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" "${generator[@]}" -DORBICLOCK_WERROR=ON "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
