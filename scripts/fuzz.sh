#!/usr/bin/env bash
# Builds the libFuzzer target (preset "fuzz", clang) and runs it on build/corpus with the
# seeds; arguments go to the fuzzer (default: eleven minutes, inputs up to 4 KiB).
# Faults land in build/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh clang libclang-rt-14-dev   # clang 14 and its fuzzer runtime

cmake --preset fuzz
cmake --build --preset fuzz -j2
mkdir -p build/corpus build/crashes
[ "$#" -gt 0 ] || set -- -max_len=4096 -max_total_time=660
UBSAN_OPTIONS=halt_on_error=1 exec build/fuzz/fuzz/loaders_fuzzer build/corpus fuzz/seeds \
    -artifact_prefix=build/crashes/ "$@"
