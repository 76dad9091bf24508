#!/usr/bin/env bash
# Builds the benchmarks (release preset, ZRV_BUILD_BENCHMARKS=ON) and runs them:
# template load through the facade and save through the writer, on the sample
# templates and on generated ones of 416, 1,000 and 10,000 items, against a
# plain line scan, libcsv, and a plain, a durable (fsync, rename, folder fsync)
# and a safe-save write of the same bytes; the heap bytes of a loaded document;
# and the document operations of a report run. Prints the table of the
# performance goals last.
# Arguments are passed on to the benchmark program (for example
# --benchmark_filter=Load).
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian packages the benchmarks need: Google Benchmark and libcsv (the CSV
# reader baseline). Installed only when missing; the package lists are
# updated only when an install cannot find a package without it.
source scripts/ensure-packages.sh
ensure_packages libbenchmark-dev libcsv-dev

jobs=$(nproc 2>/dev/null || echo 2)
if ((jobs > 2)); then jobs=2; fi
cmake --preset release -DZRV_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset release -j "$jobs" --target zrv_bench

samples=(--samples=tests/data/example_solid_injection.csv)
if [[ -d examples/templates ]]; then
  samples+=(--samples=examples/templates)
fi

echo "Machine: $(nproc) processors, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
./build/release/bench/zrv_bench "${samples[@]}" \
  --benchmark_min_time=0.2 --benchmark_repetitions=3 --benchmark_display_aggregates_only=true \
  --benchmark_enable_random_interleaving=true \
  "$@"
