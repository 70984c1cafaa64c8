#!/usr/bin/env bash
# Builds Ordisan and starts it on the sample knowledge base in data/ (the program reads
# podaci.cxt and rjecnik.cxt from the folder it is started in).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset default
cmake --build --preset default -j2
cd data
exec ../build/default/app/ordisan
