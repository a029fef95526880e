#!/usr/bin/env bash
# The test passes behind ./test.sh: the plain build, then the sanitizer builds.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

# Formatting first: it takes seconds and says at once what a build would not.
./scripts/check-format.sh

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

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
# Leaks inside Qt's and the system's own libraries are suppressed by library
# name only; a leak in this program's code still fails. The end-to-end USB
# tests run here too: their test definitions load the ASan runtime ahead of
# libumockdev-preload, as ASan requires.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
build_and_test build-asan -- -DCMAKE_BUILD_TYPE=Debug -DGRAVOLT_SANITIZE=address,undefined

# ThreadSanitizer on the device tests, where the scan thread meets the GUI
# thread. Qt's libraries are not instrumented, so what happens inside them is
# not judged; this program's own code always is.
(export TSAN_OPTIONS="ignore_noninstrumented_modules=1 ${TSAN_OPTIONS:-}"
 build_and_test build-tsan -L device -- -DCMAKE_BUILD_TYPE=Debug -DGRAVOLT_SANITIZE=thread)
