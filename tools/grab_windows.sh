#!/usr/bin/env bash
# Grabs every tab of the main window, the Graph tab in each graph type and
# both About tabs to PNG files, headless. Usage:
#   tools/grab_windows.sh [output folder] [scale factor] [zoom per cent] [language]
# The language is a code (de, fr, es, pt_BR, zh_CN, en; VELMOR_LANGUAGE
# gives it too); English unless given.
# The pictures are taken on a 1920 x 1080 screen, so every zoom fits.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/pictures}
scale=${2:-1}
zoom=${3:-100}
language=${4:-${VELMOR_LANGUAGE:-en}}
cmake --build "$top/build" --target grab-windows >/dev/null
VELMOR_LANGUAGE=$language QT_QPA_PLATFORM="offscreen:configfile=$top/tests/offscreen-1920x1080.json" QT_SCALE_FACTOR=$scale \
  "$top/build/tools/grab-windows" "$out" "$zoom"
