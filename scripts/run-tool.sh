#!/usr/bin/env bash
# The first command on a fresh machine: installs what the command-line tool
# needs (only what is missing), builds the library and zrvtemplate in release
# mode (everything "cmake --install build/release" installs), and runs "check"
# and "show" on the sample templates. Its last line says what was done and
# where the tool and the library are.
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian packages the build needs: the compiler and CMake, GoogleTest for the
# test suite, CLI11, nlohmann/json and libcsv for the tool.
source scripts/ensure-packages.sh
ensure_packages g++ cmake libgtest-dev libcli11-dev nlohmann-json3-dev libcsv-dev

jobs=$(nproc 2>/dev/null || echo 2)
if ((jobs > 2)); then jobs=2; fi
cmake --preset release >/dev/null
# The install set: the shared library and the tool (which links the library's
# objects statically and so does not build the shared library by itself).
cmake --build --preset release -j "$jobs" --target zrvreport zrvtemplate
tool=./build/release/tools/zrvtemplate/zrvtemplate
library=./build/release/libzrvreport.so

# Every sample names its project type in its file name (SolidICM.csv); the
# tool takes the kind and process from the file's [FileHeader] when they are
# not given.
status=0
checked=0
failed=0
for sample in examples/templates/*.csv; do
  echo "== zrvtemplate check $sample"
  checked=$((checked + 1))
  "$tool" check "$sample" || { status=1; failed=$((failed + 1)); }
done
echo
echo "== zrvtemplate show examples/templates/SolidInjection.csv"
"$tool" show examples/templates/SolidInjection.csv
echo
echo "== zrvtemplate check examples/templates/broken/UnknownItemKey.csv (a template with faults)"
"$tool" check examples/templates/broken/UnknownItemKey.csv || true
echo
echo "run-tool.sh: checked $checked sample templates ($failed with problems), showed" \
  "SolidInjection.csv and checked a broken one; tool: $tool, library: $library" \
  "(headers in include/zrvreport; install both with: cmake --install build/release --prefix DIR)"
exit "$status"
