#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need.
# Skips apt-get entirely when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n
  libgl-dev libxkbcommon-dev
  libusb-1.0-0-dev libhidapi-dev libevdev-dev libudev-dev
  umockdev libumockdev-dev
  xvfb xauth imagemagick
  appstream desktop-file-utils
  librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
