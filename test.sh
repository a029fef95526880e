#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
exec ./scripts/run-tests.sh "$@"
