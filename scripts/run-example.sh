#!/usr/bin/env bash
# Builds the library and the host examples in release mode and runs each from
# the source root: a report item filled by hand, the whole host cycle through
# CZRVReportSetting on a copy of examples/templates/SolidInjection.csv, a
# broken template checked with an observer, and template-folder management in
# temporary folders. Fails when an example fails.
set -euo pipefail
cd "$(dirname "$0")/.."
examples=(zrvreport_example zrvreport_host_cycle zrvreport_check_template zrvreport_template_folders)
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)" --target "${examples[@]}"
for example in "${examples[@]}"; do
  echo "== $example"
  "./build/release/examples/$example"
  echo
done
