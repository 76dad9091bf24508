#!/usr/bin/env bash
# Builds and runs the whole test suite (dev preset: Debug, warnings as errors),
# the command-line tool's tests included. Installs the packages the suite needs
# when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages g++ cmake libgtest-dev libcli11-dev nlohmann-json3-dev libcsv-dev \
  clang python3-venv python3-pip python3-setuptools
jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
