#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, testing and running Orbiclock need, skipping
# the ones already present. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins zlib1g-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-vlgothic
  xvfb xauth x11-apps x11-utils xdotool trayer imagemagick
  clang-format-14
  tzdata iso-codes desktop-file-utils appstream scdoc
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0
  weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# sudo resets the environment: hand the setting to apt-get through env, so that packages such
# as tzdata never stop at a question.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
