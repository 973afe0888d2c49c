#!/usr/bin/env bash
# Rewrites resources/translations/velmor_*.ts from the sources: new texts are
# added unfinished, texts no longer in the code are dropped, translations of
# unchanged texts are kept. No line numbers are written, so that moving code
# changes nothing in them. Usage: tools/update_translations.sh [build folder]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
[ -f "$build/CMakeCache.txt" ] || cmake --preset default -S "$top"
cmake --build "$build" --target update_translations
