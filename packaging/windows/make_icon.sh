#!/usr/bin/env bash
# Writes packaging/windows/velmor-calculator.ico, the Windows program's icon,
# from the application icon's images that tools/render_artwork.sh renders
# from resources/art/calculator_icon.svg: the same pictures at 16, 24, 32, 48,
# 64, 128 and 256 pixels as the Linux icon theme gets. The 256-pixel image is
# stored as PNG (as Windows expects at that size), the others as bitmaps.
# The .ico is checked in so that the build needs no icon tool; run this after
# the artwork changes. Requirements: icotool (icoutils).
# Usage: packaging/windows/make_icon.sh [OUT.ico]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out=${1:-$root/packaging/windows/velmor-calculator.ico}
command -v icotool >/dev/null 2>&1 || { echo "icotool not found (Debian package icoutils)" >&2; exit 1; }

images=()
for size in 16 24 32 48 64 128; do
    case $size in
    32) images+=("$root/resources/images/calculator_icon.png") ;;
    64) images+=("$root/resources/images/calculator_icon_64.png") ;;
    *) images+=("$root/resources/icons/calculator_icon_$size.png") ;;
    esac
done
icotool --create --output="$out" "${images[@]}" --raw="$root/resources/icons/calculator_icon_256.png"
