#!/usr/bin/env bash
# Saves a PNG of the savings chart in every graph type, at the size it has on
# the main window (553 x 289 px) and with the figures of the default inputs,
# plus a few with negative savings, for looking the chart over after a change.
#
# Usage: tools/grab_chart_types.sh [folder]   (default /tmp/velmor-chart-types)
# BUILD_DIR names the build tree to use (default build-chart in the sources).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build-chart}
out=${1:-/tmp/velmor-chart-types}

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build"
cmake --build "$build" --target chart_control_test
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen VELMOR_CHART_IMAGES="$out" \
    "$build/tests/chart_control_test" saveTypeImages
ls -1 "$out"/*.png
