#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ordisan need, and
# any more given as arguments. Skips apt entirely when every package is already there.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkgconf    # compiler and build system
  libgtest-dev                     # core, data and tool tests
  libbenchmark-dev                 # bench/
  qt6-base-dev                     # Qt Core, Gui, Widgets, PrintSupport, Test
  qt6-translations-l10n            # Qt's own dialogs and buttons in Croatian (qtbase_hr)
  qt6-svg-dev libqt6svg6           # the pictures are SVG, rendered at their exact sizes
  qt6-qpa-plugins                  # the offscreen platform the GUI tests run on
  libgl-dev                        # Qt 6's CMake package asks for OpenGL headers
  fonts-dejavu-core                # the lettering inside the pictures
  fonts-crosextra-carlito          # the dialog font
  xvfb xdotool xclip               # the walks under a virtual X server: keys, clipboard
  python3                          # the keyboard walk reads ordisan-check's JSON
  poppler-utils                    # pdftotext: the printed summary read back in a test
  "$@"                             # what the calling script needs besides
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
