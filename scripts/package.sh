#!/usr/bin/env bash
# Builds the default preset and makes the Debian package with CPack:
# build/default/ordisan_<version>_<arch>.deb (its path is the last line printed).
set -euo pipefail
cd "$(dirname "$0")/.."

# CPack needs dpkg-shlibdeps (dpkg-dev) and file to compute the package's dependencies.
bash scripts/install-deps.sh dpkg-dev file

cmake --preset default
cmake --build --preset default -j2
cpack --preset default
ls build/default/ordisan_*.deb
