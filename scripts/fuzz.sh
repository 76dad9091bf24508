#!/usr/bin/env bash
# Builds the template fuzzers (clang, libFuzzer, AddressSanitizer and UBSan;
# CMake preset "fuzz", build dir build/fuzz) and runs each for a bounded time.
# Any crash, leak, sanitizer report, time-out or violated property fails the
# run; its input is kept under build/fuzz/artifacts/<fuzzer>/.
#
# Usage: scripts/fuzz.sh [seconds-per-fuzzer] [fuzzer ...]
#   seconds-per-fuzzer  default 60
#   fuzzer              fuzz_reader, fuzz_observer, fuzz_roundtrip (default: all)
# Extra libFuzzer flags can be given in ZRV_FUZZ_FLAGS (for example
# ZRV_FUZZ_FLAGS="-jobs=1 -workers=1" for a long campaign).
#
# The corpus of each fuzzer grows in build/fuzz/corpus/<fuzzer> from run to
# run; the seeds are made afresh from tests/data/*.csv, the regression inputs
# under tests/data/regressions/ and examples/templates/ (when present), each
# behind a few two-byte prefixes that choose the entry point and flags.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[[ $# -gt 0 ]] && shift
all_fuzzers=(fuzz_reader fuzz_observer)
[[ -f fuzz/FuzzRoundTrip.cpp ]] && all_fuzzers+=(fuzz_roundtrip)
if [[ $# -gt 0 ]]; then fuzzers=("$@"); else fuzzers=("${all_fuzzers[@]}"); fi

# clang and the libFuzzer runtime of clang 14.
source scripts/ensure-packages.sh
ensure_packages clang libclang-rt-14-dev

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 --target "${fuzzers[@]}"

root=build/fuzz
seeds=$root/seeds
rm -rf "$seeds"
mkdir -p "$seeds"
# Prefixes: byte 0 the loader (0 shell injection, 1 shell RIM, 3 solid
# injection, 5 solid IC package, 10 solid CM, 17 header only), byte 1 the
# flags (0x05: both flags 1; 0x01: flag A 1; 0x10: the named member).
prefixes=('\x03\x00' '\x00\x10' '\x01\x00' '\x05\x05' '\x0a\x01' '\x11\x00')
n=0
shopt -s nullglob globstar
for file in tests/data/*.csv tests/data/regressions/* examples/templates/**/*.csv; do
  [[ -f $file ]] || continue
  for prefix in "${prefixes[@]}"; do
    { printf "$prefix"; cat "$file"; } >"$seeds/seed_$n"
    n=$((n + 1))
  done
done
echo "fuzz.sh: $n seed inputs"

# A smaller quarantine (freed memory still poisoned for the 16 MB freed last,
# more than a load of an 8 KB input frees), shorter allocation stacks and no
# fill of new blocks: the fuzzers run about a quarter faster and stay below
# 160 MB, and ASan still reports every access out of bounds or after a free
# within that window. Set ASAN_OPTIONS to override.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=8:max_malloc_fill_size=0}

status=0
for fuzzer in "${fuzzers[@]}"; do
  corpus=$root/corpus/$fuzzer
  artifacts=$root/artifacts/$fuzzer
  mkdir -p "$corpus" "$artifacts"
  echo "fuzz.sh: running $fuzzer for ${seconds}s"
  # shellcheck disable=SC2086
  if ! "$root/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=8192 -dict=fuzz/template.dict -print_final_stats=1 \
      -artifact_prefix="$artifacts/" ${ZRV_FUZZ_FLAGS:-} "$corpus" "$seeds" \
      >"$root/$fuzzer.log" 2>&1; then
    echo "fuzz.sh: $fuzzer FAILED; log: $root/$fuzzer.log, inputs: $artifacts/"
    tail -n 60 "$root/$fuzzer.log"
    status=1
    continue
  fi
  # With -jobs, each job logs to fuzz-<n>.log in the current folder and the
  # run's exit status does not tell of a finding: its input does.
  if [[ -n $(find "$artifacts" -type f -print -quit) ]]; then
    echo "fuzz.sh: $fuzzer FAILED; inputs: $artifacts/"
    status=1
    continue
  fi
  grep -hE '^stat::(number_of_executed_units|peak_rss_mb|new_units_added)' "$root/$fuzzer.log" \
    fuzz-*.log 2>/dev/null | sed "s/^/fuzz.sh: $fuzzer /" || true
  echo "fuzz.sh: $fuzzer corpus: $(find "$corpus" -type f | wc -l) inputs"
done
exit $status
