#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package (scripts/package.sh, which fails on any lintian error or warning),
# then checks what it holds: exactly the files a desktop and a reader need, a stripped and
# hardened binary, the dependencies on iso-codes and tzdata, and the program starting from the
# package's own tree.
# Usage: check-package.sh SOURCE_DIR OUT_DIR VERSION
set -euo pipefail
if [ "${ORBICLOCK_PACKAGE_TEST:-}" != 1 ]; then
  echo "skipped: the package takes minutes to build; set ORBICLOCK_PACKAGE_TEST=1 to run it"
  exit 77
fi
source=$1
out=$2
version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

deb=$("$source/scripts/package.sh" "$out" | tail -n 1)
[ "$(basename "$deb")" = "orbiclock_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb" ] ||
  fail "package.sh made $deb"

root=$(mktemp -d "${TMPDIR:-/tmp}/orbiclock-deb.XXXXXX")
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/tree"

id=io.github.brambleway.orbiclock
expected=(
  usr/bin/orbiclock
  "usr/share/applications/$id.desktop"
  "usr/share/dbus-1/services/$id.service"
  usr/share/doc/orbiclock/changelog.gz
  usr/share/doc/orbiclock/copyright
  usr/share/man/man1/orbiclock.1.gz
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root/tree" && find . ! -type d | cut -c3- | sort) ||
  fail "the package's files differ from the list (< expected, > in the package)"

grep -qx "Exec=/usr/bin/orbiclock" "$root/tree/usr/share/dbus-1/services/$id.service" ||
  fail "the D-Bus service does not start /usr/bin/orbiclock"
depends=$(dpkg-deb -f "$deb" Depends)
for p in iso-codes tzdata libqt6widgets6 libc6; do
  [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p: $depends"
done

# lintian fails an unstripped binary and one without PIE or RELRO; it only notes a missing
# bind-now or fortify, and never looks for the stack protector.
bin=$root/tree/usr/bin/orbiclock
readelf -d "$bin" | grep -Eq 'BIND_NOW|FLAGS_1.*NOW' || fail "the binary is not bound at load"
readelf -d "$bin" | grep -Eq 'RUNPATH|RPATH' && fail "the binary carries a run path"
symbols=$(readelf --dyn-syms -W "$bin")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "the binary has no stack protector"
grep -Eq '__[a-z_]+_chk(@| )' <<<"$symbols" || fail "the binary calls no fortified function"

home=$root/home
mkdir -p "$home"
said=$(HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
  QT_QPA_PLATFORM=offscreen "$bin" --version)
[ "$said" = "orbiclock $version" ] || fail "the packaged program says '$said'"
echo "package $deb: lintian clean, ${#expected[@]} files, hardened, starts ($said)"
