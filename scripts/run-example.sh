#!/usr/bin/env bash
# Builds the library in release mode and runs the host example.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)" --target zrvreport_example
./build/release/examples/zrvreport_example
