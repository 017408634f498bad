#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary DESTDIR and checks that a desktop would find Orbiclock:
# the binary, a valid launcher entry whose command and icon exist, the icon at every size with
# the size its folder claims, valid AppStream metainfo that names the launcher, and the manual page.
# Usage: check-install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
dest=$(mktemp -d "${TMPDIR:-/tmp}/orbiclock-install.XXXXXX")
trap 'rm -rf "$dest"' EXIT
prefix=/usr

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$dest cmake --install "$build" --prefix "$prefix" >/dev/null
root=$dest$prefix
share=$root/share

[ -x "$root/bin/orbiclock" ] || fail "no executable $prefix/bin/orbiclock"

desktop=$share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "no valid launcher entry $desktop"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
# A DBusActivatable entry is started by the bus: its service must start the installed binary.
service=$share/dbus-1/services/$app_id.service
grep -qx "Name=$app_id" "$service" && grep -qx "Exec=$prefix/bin/orbiclock" "$service" ||
  fail "no D-Bus service $app_id.service starting $prefix/bin/orbiclock"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$app_id" ] || fail "Icon=$icon, expected $app_id"

# Each PNG must have the size its folder claims.
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ "$(identify -format '%m %wx%h' "$png" 2>/dev/null)" = "PNG ${size}x${size}" ] ||
    fail "$png is not a ${size}x${size} PNG"
done
svg=$share/icons/hicolor/scalable/apps/$icon.svg
grep -q '<svg' "$svg" || fail "no scalable SVG icon $svg"

metainfo=$share/metainfo/$app_id.metainfo.xml
# Nothing to report, not even the pedantic notes.
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) ||
  fail "no valid metainfo $metainfo: $report"
! grep -E '^[EWIP]: ' <<<"$report" || fail "appstreamcli has notes on $metainfo"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $app_id.desktop"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"

# The manual page, where the build made one: man reads it without a warning.
if [ -f "$build/orbiclock.1" ]; then
  page=$share/man/man1/orbiclock.1
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) ||
    fail "man cannot read $page"
  [ -z "$warnings" ] || fail "man warns on $page: $warnings"
fi

echo "installed and valid: $(cd "$dest" && find . -type f | sort | tr '\n' ' ')"
