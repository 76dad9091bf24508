#!/usr/bin/env bash
# Builds the API reference from the public headers (include/zrvreport) with
# Doxygen and docs/Doxyfile, into build/docs/html (or OUT/html). Installs
# doxygen when it is missing. Fails on any warning: a public class, member,
# alias or file without its own comment, or a comment that Doxygen cannot
# resolve. The CMake target "docs" does the same into <build>/docs/html.
#
# Usage: scripts/docs.sh [OUT]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages doxygen

out=${1:-build/docs}
mkdir -p "$out"
version=$(sed -nE 's/^project\(zrvreport VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
ZRV_DOCS_OUTPUT=$out ZRV_DOCS_VERSION=$version doxygen docs/Doxyfile
echo "API reference: $out/html/index.html"
