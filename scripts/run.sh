#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Orbiclock and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh"
"$here/scripts/build.sh"
exec "${BUILD_DIR:-$here/build}/app/orbiclock" "$@"
