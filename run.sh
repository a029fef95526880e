#!/usr/bin/env bash
# Builds Gravolt Setup and starts it on simulated boards.
# GRAVOLT_DEMO_BOARDS picks the boards, e.g. GRAVOLT_DEMO_BOARDS=joystick,rudder@240718 ./run.sh
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target gravolt-setup-demo
cd "$BUILD_DIR"
exec ./gravolt-setup-demo "$@"
