#!/usr/bin/env bash
# Regenerates docs/screenshots/: builds the screenshot tool and saves a PNG of
# each of the six pages, with a simulated joystick selected, and of the
# firmware update dialog (plan, progress, success, failure).
#   scripts/screenshots.sh             English, into docs/screenshots/
#   scripts/screenshots.sh --lang de   another language, into docs/screenshots/de/
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
out=docs/screenshots
if [ "${1:-}" = "--lang" ] && [ -n "${2:-}" ] && [ "$2" != en ]; then
  out="$out/$2"
fi
cmake -S . -B "$BUILD_DIR" >/dev/null
# gravolt_core depends on the compiled catalogues, so they are built too.
cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target gravolt-screenshots gravolt_icon
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/packaging/gravolt-screenshots" "$@" "$out"
