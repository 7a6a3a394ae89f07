#!/usr/bin/env bash
# Installs what is missing, builds Belvane and starts it. Its data live beside the program,
# in build/Projetos and build/Escrt.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target belvane
exec build/belvane "$@"
