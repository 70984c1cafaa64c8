#!/usr/bin/env bash
# Builds and runs every test: first everything under AddressSanitizer and
# UndefinedBehaviorSanitizer (the dialogs' tests and the walk with real key presses
# among them), then the whole suite in the default build. Both builds treat warnings as
# errors (ORDISAN_WERROR); it stays set in their build folders' caches, and
# `cmake --preset default -DORDISAN_WERROR=OFF` takes it back for a build by hand.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset asan -DORDISAN_WERROR=ON
cmake --build --preset asan -j2
ctest --preset asan

cmake --preset default -DORDISAN_WERROR=ON
cmake --build --preset default -j2
ctest --preset default
