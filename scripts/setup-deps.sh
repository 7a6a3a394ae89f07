#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run Belvane:
# the compiler tool chain, Qt 6 (widgets, charts, SQLite, Portuguese translations), GoogleTest,
# Google Benchmark, the fonts that carry the program's glyphs, and Xvfb for screenshots.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n libqt6sql6-sqlite
  libgtest-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-symbola fonts-noto-core
  clang-14 libclang-rt-14-dev
  xvfb xauth poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Instalando pacotes: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
