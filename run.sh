#!/usr/bin/env bash
# Builds the program alone (no tests, no benchmarks) and starts it. Installs what is
# missing first; needs neither apt nor sudo when everything is there.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
# A tree that test.sh configured keeps its tests; a new one is made without them.
if [ ! -f build/release/CMakeCache.txt ]; then
  cmake --preset release -DZOR_BUILD_TESTS=OFF >/dev/null
fi
cmake --build --preset release -j "$(nproc)" --target zorwerk zor zorwerk-render
exec build/release/src/app/zorwerk "$@"
