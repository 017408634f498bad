#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The options the manual page's OPTIONS section documents are exactly those --help lists, which
# it prints without a display.
# Usage: check-manpage.sh BINARY MANPAGE.scd
set -euo pipefail
binary=$1
page=$2
home=$(mktemp -d "${TMPDIR:-/tmp}/orbiclock-man.XXXXXX")
trap 'rm -rf "$home"' EXIT

# As in a terminal without a display (over ssh): --help answers, a start says why it cannot run.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_CACHE_HOME="$home/.cache" "$binary" "$@"
}
status=0
run >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: a start without a display ends with status $status" >&2; exit 1; }

# "  -h, --help   Displays ..." -> -h --help
from_help=$(run --help |
  sed -n 's/^  \(-[^ ].*\)$/\1/p' | sed 's/  .*//; s/ <[^>]*>//g; s/,//g' | tr ' ' '\n' |
  grep '^-' | sort -u)
# "*-h*, *--help*" term lines of the OPTIONS section -> -h --help
from_page=$(sed -n '/^# OPTIONS/,/^# /p' "$page" | grep '^\*-' | grep -o '\*-[^*]*\*' | tr -d '*' |
  sort -u)
[ -n "$from_help" ] || { echo "FAIL: --help lists no option" >&2; exit 1; }
if [ "$from_help" != "$from_page" ]; then
  echo "FAIL: --help and the manual page differ (< --help, > manual page):" >&2
  diff <(echo "$from_help") <(echo "$from_page") >&2 || true
  exit 1
fi
echo "options in both:" $from_help
