#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Orbiclock with its tests and runs the whole suite.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh"
"$here/scripts/build.sh"
cd "${BUILD_DIR:-$here/build}"
ctest --output-on-failure --timeout 600 "$@"
