#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots software centres show (docs/screenshot.png, docs/screenshot-find.png) from
# the real program in a private Xvfb and session bus, with a home of its own: at home in the
# United Kingdom with New South Wales selected, and the Find page with "perth" typed.
# Usage: screenshots.sh [BINARY] [OUT_DIR]   (default build/app/orbiclock, docs/)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$here/build/app/orbiclock}")
out=$(realpath "${2:-$here/docs}")
tmp=$(mktemp -d "${TMPDIR:-/tmp}/orbiclock-shots.XXXXXX")
export HOME=$tmp XDG_CONFIG_HOME=$tmp/.config XDG_CACHE_HOME=$tmp/.cache LC_ALL=C.UTF-8
export TZ=Europe/London
mkdir -p "$XDG_CONFIG_HOME/Brambleway"
# Home 319 (United Kingdom), selection 17 (New South Wales), the window shown at start.
printf '%s\n' '[Version]' 'Version%20Number=3' '[%General]' 'Show%20At%20Startup=1' \
  '[Current%20Selection]' 'Current%20Selection=17' '[Home%20Country]' 'Home%20Country=319' \
  >"$XDG_CONFIG_HOME/Brambleway/Orbiclock.conf"

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
read -r -t 10 -u "$fd" display
export DISPLAY=:$display

# Waits for a shown window whose title matches $1 and prints its id.
window() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return
    sleep 0.1
  done
  echo "no window '$1'" >&2
  return 1
}
export -f window

dbus-run-session -- bash -c '
  set -euo pipefail
  "$0" --new-instance >"$HOME/orbiclock.log" 2>&1 &
  program=$!
  trap "kill $program" EXIT
  main=$(window "^Orbiclock$")
  sleep 3  # the map glides to the selection
  import -window "$main" "$1/screenshot.png"
  xdotool windowfocus --sync "$main"
  xdotool key alt+f
  find=$(window "^Find Country")
  xdotool windowfocus --sync "$find"
  xdotool type --delay 100 perth
  sleep 2
  import -window "$find" "$1/screenshot-find.png"
' "$binary" "$out" 2> >(grep -v "Failed to set fd limit" >&2)
identify -format '%f %wx%h\n' "$out/screenshot.png" "$out/screenshot-find.png"
