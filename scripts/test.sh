#!/usr/bin/env bash
# Installs what is missing, builds Belvane with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DBELVANE_WERROR=ON -DBELVANE_TESTS=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
