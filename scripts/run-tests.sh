#!/usr/bin/env bash
# The test passes behind ./test.sh: the plain build, then the sanitizer builds.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

build_and_test() {
  local dir=$1; shift
  local ctest_args=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do ctest_args+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift
  echo "=== $dir"
  cmake -S . -B "$dir" -DGRAVOLT_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" "${ctest_args[@]}")
}

build_and_test build-test -- -DCMAKE_BUILD_TYPE=Debug
