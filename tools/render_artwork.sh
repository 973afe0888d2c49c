#!/usr/bin/env bash
# Renders the artwork in resources/art/*.svg to the PNG files in
# resources/images/ that are compiled into the program's resources, and the
# application icon's further sizes for the desktop's icon theme to
# resources/icons/, which are only installed.
#
# Every image is rendered with rsvg-convert at its exact pixel size and then
# reduced with ImageMagick to its palette: 16 or 256 indexed colours (the
# 16-colour backgrounds use a fixed set of blue shades so that frame and
# ground colours stay exact).  A double-size "@2x" copy is written next to
# each image for high-DPI screens.
#
# The texts a translation changes are marked class="lettering" in the SVG
# sources.  Each image that has any also gets an "_unlettered" copy (1x and
# @2x) rendered without them, in the lettered image's own colours, over which
# the program draws those texts in the interface's language.
#
# Requirements: rsvg-convert (librsvg2-bin), ImageMagick, the Liberation fonts
# (fonts-liberation2).  Usage: tools/render_artwork.sh [name ...]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
art=$root/resources/art
out=$root/resources/images
icons=$root/resources/icons

if command -v magick >/dev/null 2>&1; then
    im=(magick)
else
    im=(convert)
fi
command -v rsvg-convert >/dev/null 2>&1 || { echo "rsvg-convert not found" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out" "$icons"

# Fixed palettes of the two 16-colour backgrounds.
# Main window: navy and pure blue through light blue to pale lavender.
palette_main=(
    "#000080" "#1C1C96" "#3C3CAE" "#6464C8" "#9696DE" "#C4C4EE"
    "#0000FF" "#2A2AFF" "#5050FF" "#7C7CFF" "#A4A4FF" "#C0C0FF"
    "#CECEFF" "#DCDCFF" "#E8E8FF" "#FBFBFF"
)
# About box: sixteen shades from pure blue to pale lavender.
palette_about=(
    "#0000FF" "#1111FF" "#2222FF" "#3333FF" "#4444FF" "#5555FF"
    "#6666FF" "#7777FF" "#8888FF" "#9999FF" "#AAAAFF" "#BBBBFF"
    "#CECEFF" "#DDDDFF" "#ECECFF" "#FBFBFF"
)

# make_palette FILE COLOUR... : writes a one-row image holding the colours.
make_palette() {
    local file=$1; shift
    local args=() c
    for c in "$@"; do args+=("xc:$c"); done
    "${im[@]}" -size 1x1 "${args[@]}" +append "$file"
}
make_palette "$tmp/main.png" "${palette_main[@]}"
make_palette "$tmp/about.png" "${palette_about[@]}"

# Hides the texts a translation changes.
printf '.lettering { display: none; }\n' >"$tmp/unlettered.css"

# svg NAME W H [OUTNAME] : renders resources/art/NAME.svg to $tmp/OUTNAME-WxH.png;
# OUTNAME NAME_unlettered leaves out the lettering.
svg() {
    local outname=${4:-$1}
    local style=()
    [ "$outname" = "$1" ] || style=(--stylesheet "$tmp/unlettered.css")
    rsvg-convert --width "$2" --height "$3" --keep-aspect-ratio "${style[@]}" \
        --output "$tmp/$outname-$2x$3.png" "$art/$1.svg"
}

# Output settings shared by all files: no time stamps, no text chunks.
png_opts=(-strip -define "png:exclude-chunks=date,time")

# fixed16 NAME W H PALETTE : opaque 16-colour image on a fixed palette.
fixed16() {
    local name=$1 w=$2 h=$3 pal=$4
    svg "$name" "$w" "$h"
    "${im[@]}" "$tmp/$name-${w}x$h.png" -background "#FBFBFF" -alpha remove -alpha off \
        -dither None -remap "$tmp/$pal.png" \
        "${png_opts[@]}" -define png:bit-depth=4 -define png:color-type=3 \
        "PNG8:$out/$name.png"
}

# adaptive NAME W H COLOURS [OUTNAME] : opaque image with at most COLOURS colours.
adaptive() {
    local name=$1 w=$2 h=$3 n=$4 outname=${5:-$1}
    local depth=8
    [ "$n" -le 16 ] && depth=4
    svg "$name" "$w" "$h"
    "${im[@]}" "$tmp/$name-${w}x$h.png" -background "#FBFBFF" -alpha remove -alpha off \
        -dither None -colors "$n" \
        "${png_opts[@]}" -define png:bit-depth=$depth -define png:color-type=3 \
        "PNG8:$out/$outname.png"
}

# unlettered NAME W H FILE DEPTH : NAME without its lettering, beside FILE,
# the lettered image of the same size (DEPTH bits a pixel).  Only the pixels
# the lettering covers are rendered anew, in FILE's colours; every other one
# is FILE's own, so that the two images differ nowhere else.
unlettered() {
    local name=$1 w=$2 h=$3 file=$4 depth=$5
    local lettered=$tmp/$name-${w}x$h.png plain=$tmp/${name}_unlettered-${w}x$h.png
    local outname
    outname=$(basename "$file" .png)
    svg "$name" "$w" "$h" "${name}_unlettered"
    # White where the two renderings differ in any channel.
    "${im[@]}" "$lettered" "$plain" -background "#FBFBFF" -alpha remove -alpha off \
        -compose difference -composite -separate -evaluate-sequence max -threshold 0 "$tmp/mask.png"
    "${im[@]}" "$plain" -background "#FBFBFF" -alpha remove -alpha off \
        -dither None -remap "$out/$file" "$tmp/plain.png"
    "${im[@]}" "$out/$file" "$tmp/plain.png" "$tmp/mask.png" -composite \
        -dither None -remap "$out/$file" \
        "${png_opts[@]}" -define png:bit-depth="$depth" -define png:color-type=3 \
        "PNG8:$out/${outname/$name/${name}_unlettered}.png"
}

# icon NAME W H COLOURS FILE : image with binary transparency.  The edge is
# snapped to fully opaque or fully transparent; the opaque part is mapped onto
# its COLOURS-1 most frequent colours (the drawing's own flat colours), the
# last palette entry is transparency.
icon() {
    local name=$1 w=$2 h=$3 n=$4 file=$5
    local outname
    outname=$(basename "$file" .png)
    local src=$tmp/$name-${w}x$h.png snapped=$tmp/$name-${w}x$h-snapped.png
    svg "$name" "$w" "$h"
    "${im[@]}" "$src" -channel A -threshold 50% +channel "$snapped"
    local colours=()
    mapfile -t colours < <(
        "${im[@]}" "$snapped" -format %c histogram:info: |
            awk 'length($3) == 9 && toupper(substr($3, 8)) == "FF" { print $1 + 0, substr($3, 1, 7) }' |
            sort -k1,1nr -k2,2 | head -n $((n - 1)) | cut -d' ' -f2)
    local depth=8
    [ "$n" -le 16 ] && depth=4
    make_palette "$tmp/$outname-palette.png" "${colours[@]}" none
    "${im[@]}" "$snapped" -dither None -remap "$tmp/$outname-palette.png" \
        "${png_opts[@]}" -define png:bit-depth=$depth -define png:color-type=3 \
        "PNG8:$file"
}

# sampled_icon SOURCE SIZE FILE : SOURCE, an icon drawn at the 32 px grid of
# its SVG, resampled to SIZE by nearest neighbour.  Rendered directly at a size
# off that grid, the drawing's one-pixel details blur into blends; sampled,
# they stay crisp and in the drawing's colours.
sampled_icon() {
    local source=$1 size=$2 file=$3
    "${im[@]}" "$source" -sample "${size}x$size" \
        "${png_opts[@]}" -define png:bit-depth=4 -define png:color-type=3 \
        "PNG8:$file"
}

# image NAME W H KIND : the image at 1x in KIND (main16, about16, 16 or 256
# colours) and a 256-colour @2x copy.
image() {
    local name=$1 w=$2 h=$3 kind=$4
    case $kind in
        main16)  fixed16 "$name" "$w" "$h" main ;;
        about16) fixed16 "$name" "$w" "$h" about ;;
        *)       adaptive "$name" "$w" "$h" "$kind" ;;
    esac
    adaptive "$name" $((w * 2)) $((h * 2)) 256 "$name@2x"
    echo "  $name.png ${w}x$h, $name@2x.png $((w * 2))x$((h * 2))"
    if grep -q 'class="lettering"' "$art/$name.svg"; then
        local depth=8
        case $kind in main16 | about16 | 16) depth=4 ;; esac
        unlettered "$name" "$w" "$h" "$name.png" "$depth"
        unlettered "$name" $((w * 2)) $((h * 2)) "$name@2x.png" 8
        echo "  ${name}_unlettered.png, ${name}_unlettered@2x.png"
    fi
}

selection=("$@")
for n in "${selection[@]}"; do
    [ -f "$art/$n.svg" ] || { echo "no such artwork: $art/$n.svg" >&2; exit 1; }
done

# wanted NAME : true when NAME was asked for, or nothing was asked for.
wanted() {
    local n
    [ ${#selection[@]} -eq 0 ] && return 0
    for n in "${selection[@]}"; do [ "$n" = "$1" ] && return 0; done
    return 1
}

echo "Rendering artwork into $out"
for entry in \
    "background_main 600 420 main16" \
    "background_about 405 210 about16" \
    "brand_logo 261 229 256" \
    "your_data_banner 261 85 256" \
    "result_banner 533 85 256" \
    "about_maker_banner 315 67 256" \
    "about_design_banner 315 67 16"
do
    read -r name w h kind <<<"$entry"
    if wanted "$name"; then
        image "$name" "$w" "$h" "$kind"
    fi
done

if wanted calculator_icon; then
    icon calculator_icon 32 32 16 "$out/calculator_icon.png"
    icon calculator_icon 64 64 16 "$out/calculator_icon_64.png"
    icon calculator_icon 64 64 256 "$out/calculator_icon@2x.png"
    icon calculator_icon 128 128 256 "$out/calculator_icon_64@2x.png"
    echo "  calculator_icon.png 32x32, calculator_icon_64.png 64x64 (+ @2x)"
    # The icon theme's other sizes; its 32 and 64 px icons are the two above.
    # Multiples of the drawing's grid are rendered, the sizes between sampled.
    for size in 128 256; do
        icon calculator_icon "$size" "$size" 16 "$icons/calculator_icon_$size.png"
    done
    for size in 16 24 48; do
        sampled_icon "$out/calculator_icon.png" "$size" "$icons/calculator_icon_$size.png"
    done
    echo "  icons/calculator_icon_{16,24,48,128,256}.png"
fi

# The Windows installer's welcome and finish pages' picture: a 24-bit BMP,
# the one kind NSIS shows there, at the pages' 164 x 314 pixels.
if wanted installer_welcome; then
    rsvg-convert -w 164 -h 314 "$art/installer_welcome.svg" -o "$tmp/installer_welcome.png"
    "${im[@]}" "$tmp/installer_welcome.png" -background white -flatten -type TrueColor \
        "BMP3:$root/packaging/windows/installer_welcome.bmp"
    echo "  packaging/windows/installer_welcome.bmp 164x314"
fi
