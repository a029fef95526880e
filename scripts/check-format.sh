#!/usr/bin/env bash
# Checks that every tracked C and C++ file is formatted as .clang-format says;
# lists the ones that are not and exits non-zero. Fix one with
# `clang-format -i FILE`. Takes a few seconds, so ./test.sh can afford it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.c' '*.cpp' '*.h' '*.hpp')
[ ${#files[@]} -eq 0 ] && exit 0
clang-format --dry-run --Werror "${files[@]}"
