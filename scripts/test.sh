#!/usr/bin/env bash
# Builds and runs the whole test suite (dev preset: Debug, warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
