#!/usr/bin/env bash
# Installs what is missing, builds Belvane with warnings as errors, runs every test, then fuzzes
# the readers of outside data for a short while (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DBELVANE_WERROR=ON -DBELVANE_TESTS=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300

# Then a short fuzzing of every reader of outside data (about 20 s each, in build-fuzz);
# BELVANE_FUZZ_SECONDS changes the time per reader, 0 skips it.
fuzz_seconds=${BELVANE_FUZZ_SECONDS:-20}
if [ "$fuzz_seconds" -gt 0 ]; then
  scripts/fuzz.sh "$fuzz_seconds"
fi
