#!/usr/bin/env bash
# Builds and runs every test: first the core under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the whole suite in the default build (a diagnosis
# walked with real key presses under a virtual X server among it).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan

cmake --preset default
cmake --build --preset default -j2
ctest --preset default

