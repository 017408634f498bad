#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Formats every C++ source of the project with the pinned clang-format; with --check, changes
# nothing and fails on any file that differs (CI runs it so). The version is pinned because
# each clang-format release lays out some code differently.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tool=clang-format-14
if ! command -v "$tool" >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$tool"
fi
cd "$here"
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
if [ "${1:-}" = "--check" ]; then
  "$tool" --dry-run -Werror "${files[@]}"
  echo "format: ${#files[@]} files as .clang-format lays them out"
else
  "$tool" -i "${files[@]}"
fi
