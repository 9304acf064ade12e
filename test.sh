#!/usr/bin/env bash
# Builds everything (program, tests, benchmarks) and runs every test. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --tests
cmake --preset release -DZOR_BUILD_TESTS=ON >/dev/null
cmake --build --preset release -j "$(nproc)"
ctest --preset release
