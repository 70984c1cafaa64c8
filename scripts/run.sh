#!/usr/bin/env bash
# Builds Ordisan and checks the sample knowledge base in data/ with ordisan-check.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset default
cmake --build --preset default -j2 --target ordisan-check
./build/default/tools/ordisan-check data
