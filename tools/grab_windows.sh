#!/usr/bin/env bash
# Grabs every tab of the main window, the Graph tab in each graph type and
# both About tabs to PNG files, headless. Usage:
#   tools/grab_windows.sh [output folder] [scale factor] [zoom per cent]
# The pictures are taken on a 1920 x 1080 screen, so every zoom fits.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/pictures}
scale=${2:-1}
zoom=${3:-100}
cmake --build "$top/build" --target grab-windows >/dev/null
QT_QPA_PLATFORM="offscreen:configfile=$top/tests/offscreen-1920x1080.json" QT_SCALE_FACTOR=$scale \
  "$top/build/tools/grab-windows" "$out" "$zoom"
