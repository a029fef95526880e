#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need.
# Skips apt-get entirely when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n
  libgl-dev libxkbcommon-dev
  libusb-1.0-0-dev libhidapi-dev libevdev-dev libudev-dev libacl1-dev
  umockdev libumockdev-dev dfu-util
  xvfb xauth imagemagick
  appstream desktop-file-utils
  librsvg2-bin
  locales clang-format
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# The record codec's tests compare its text under German and Russian number
# formats (decimal comma) with its text under the C locale.
ensure_locales() {
  local available
  available=$(locale -a)
  for name in de_DE ru_RU; do
    grep -qix "$name\.utf-\?8" <<<"$available" || $SUDO localedef -i "$name" -f UTF-8 "$name.UTF-8"
  done
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  ensure_locales
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
ensure_locales
