#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package orbiclock_<version>_<arch>.deb from this checkout with debian/ and
# checks it with lintian: any error or warning fails the build.
# Usage: package.sh [OUT_DIR]   (default dist/; the package is built in OUT_DIR/stage)
# Installs what is missing (Debian 12, root or sudo): the build's packages and lintian.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$here/dist}" && cd "${1:-$here/dist}" && pwd)

fail() { echo "package.sh: $*" >&2; exit 1; }

# One version everywhere: the build's, the package's and the newest release software centres show.
version=$(sed -n 's/^project(Orbiclock VERSION \([^ ]*\).*/\1/p' "$here/CMakeLists.txt")
changelog=$(sed -n '1s/^orbiclock (\([^)]*\)).*/\1/p' "$here/debian/changelog")
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$here"/res/desktop/*.metainfo.xml | head -n 1)
[ -n "$version" ] || fail "no version in CMakeLists.txt"
[ "$changelog" = "$version" ] || fail "debian/changelog is at $changelog, the build at $version"
[ "$release" = "$version" ] || fail "the newest AppStream release is $release, the build is $version"

"$here/scripts/deps.sh"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
need=()
for p in debhelper dpkg-dev lintian; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
[ ${#need[@]} -eq 0 ] ||
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}"
# The build's own packages, as debian/control names them.
(cd "$here" && dpkg-checkbuilddeps 2>/dev/null) ||
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q "$here"

# dpkg-buildpackage writes beside the source folder and into it, so it builds a copy: the
# tracked files and the new ones not ignored, as they are now. The copy's path stays the same
# from run to run, so ccache finds the objects of the last one.
stage=$out/stage
src=$stage/orbiclock-$version
rm -rf "$stage"
mkdir -p "$src"
if git -C "$here" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$here" && git ls-files -z --cached --others --exclude-standard |
    tar --null --ignore-failed-read -T - -cf -) | tar -xf - -C "$src"
else
  tar -C "$here" --exclude='./build*' --exclude='./dist' --exclude='./tools/art/node_modules' \
    -cf - . | tar -xf - -C "$src"
fi
command -v ccache >/dev/null && export CMAKE_CXX_COMPILER_LAUNCHER=ccache
(cd "$src" && DEB_BUILD_OPTIONS="noautodbgsym parallel=$(nproc)" dpkg-buildpackage -b -us -uc)

arch=$(dpkg-architecture -qDEB_HOST_ARCH)
deb=orbiclock_${version}_${arch}.deb
[ -f "$stage/$deb" ] || fail "dpkg-buildpackage made no $deb"
mv -f "$stage/$deb" "$out/$deb"
rm -rf "$stage"
lintian --fail-on error,warning "$out/$deb" || fail "lintian finds fault with $deb"
echo "$out/$deb"
