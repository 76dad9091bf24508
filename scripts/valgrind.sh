#!/usr/bin/env bash
# Runs every test executable of the suite under valgrind memcheck (dev preset
# build, Debug). Any memory error or leak (definite, indirect or possible) fails
# the run; memory still reachable at exit is not a leak.
#
# Usage: scripts/valgrind.sh [test-executable-name ...]   (default: all)
# The reports are kept in build/dev/valgrind/<executable>.log.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v valgrind >/dev/null; then
  echo "valgrind.sh: valgrind is not installed (Debian: apt-get install valgrind)" >&2
  exit 2
fi

cmake --preset dev >/dev/null
cmake --build --preset dev -j 2

logs=build/dev/valgrind
mkdir -p "$logs"
if [[ $# -gt 0 ]]; then
  names=("$@")
else
  mapfile -t names < <(find build/dev/tests -type f -executable -name '*_tests' -printf '%f\n' | sort)
fi
export ZRV_TEST_DATA=$PWD/tests/data

# Tests left out under memcheck: the matrix that loads the same template once
# for every project type, through code that the other tests already run under
# memcheck. At thirty to fifty times its native time it would take most of
# the run.
skipped=(
  LoaderChoice.EveryProjectLoadsThroughItsEntryPoint
)
filter="-$(IFS=:; echo "${skipped[*]}")"

status=0
for name in "${names[@]}"; do
  exe=$(find build/dev/tests -type f -executable -name "$name" | head -n 1)
  if [[ -z $exe ]]; then
    echo "valgrind.sh: no test executable $name" >&2
    status=1
    continue
  fi
  start=$SECONDS
  # Each executable runs in its own build folder, as ctest runs it.
  if (cd "$(dirname "$exe")" && valgrind --tool=memcheck --error-exitcode=99 \
      --leak-check=full --show-leak-kinds=definite,indirect,possible \
      --errors-for-leak-kinds=definite,indirect,possible --track-origins=yes \
      --suppressions="$OLDPWD/scripts/valgrind.supp" \
      --log-file="$OLDPWD/$logs/$name.log" "./$name" --gtest_brief=1 --gtest_filter="$filter" >/dev/null); then
    echo "valgrind.sh: $name clean ($((SECONDS - start))s)"
  else
    echo "valgrind.sh: $name FAILED ($((SECONDS - start))s); report: $logs/$name.log"
    grep -E '^==[0-9]+== (ERROR SUMMARY|[A-Z].*(Invalid|uninitialised|definitely|indirectly|possibly))' \
      "$logs/$name.log" | head -n 20 || true
    status=1
  fi
done
exit $status
