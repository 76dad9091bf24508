#!/usr/bin/env bash
# Builds and runs the whole test suite (dev preset: Debug, warnings as errors),
# the command-line tool's tests and the host examples included, and builds the
# API reference (target docs: Doxygen, any warning fails). Installs the
# packages the suite needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages g++ cmake libgtest-dev libcli11-dev nlohmann-json3-dev libcsv-dev doxygen \
  clang python3-venv python3-pip python3-setuptools tidy
jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset dev
cmake --build --preset dev -j "$jobs"
cmake --build --preset dev --target docs
ctest --preset dev -j "$jobs"
