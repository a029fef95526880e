#!/bin/sh
# Renders the application icon from its vector source. The PNG is committed,
# so the build needs no SVG renderer; run this after editing the SVG
# (needs librsvg2-bin).
set -eu
cd "$(dirname "$0")"
rsvg-convert -w 256 -h 256 -o gravolt_hardware_icon.png gravolt_hardware_icon.svg
