#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ordisan need.
# Skips apt entirely when every package is already there.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkgconf
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libgl-dev
  fonts-dejavu-core fonts-liberation2 fonts-crosextra-carlito
  xvfb xdotool xclip # the walk under a virtual X server: key presses, the clipboard
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
