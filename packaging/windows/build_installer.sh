#!/usr/bin/env bash
# Makes, from the Windows build, the installer
# Velmor-Calculator-Setup-VERSION.exe and the portable
# Velmor-Calculator-VERSION-win64.zip of the same files in OUT_DIR, with the
# Qt libraries of the kit the build was configured with.
# Requirements: makensis (nsis), zip, and what stage_program.sh needs.
# Usage: build_installer.sh BUILD_DIR OUT_DIR
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR OUT_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

defines=$build/windows/installer_defines.nsh
[ -f "$defines" ] || { echo "build_installer.sh: $defines not found: configure $build for Windows" >&2; exit 1; }
version=$(sed -n 's/^!define PRODUCT_VERSION "\(.*\)"$/\1/p' "$defines")
# The folder the program is installed in and zipped as: the product's name.
folder=$(sed -n 's/^!define PRODUCT_KEY "\(.*\)"$/\1/p' "$defines")
kit=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")

stage="$out/stage/$folder"
lists=$out/stage/lists
"$here/stage_program.sh" "$build" "$kit" "$stage"

# One time stamp for every file, the last commit's, so that the zip and the
# installed files do not change with the time of the build.
stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)
find "$stage" -exec touch -h -d "@$stamp" {} +

# The installer's file lists: what to install, folder by folder, and what the
# uninstaller removes, the deepest folders last.
mkdir -p "$lists"
(
    cd "$stage"
    find . -type d | sort | while read -r dir; do
        rel=${dir#.}
        rel=${rel#/}
        echo "SetOutPath \"\$INSTDIR${rel:+\\${rel//\//\\}}\""
        find "$dir" -maxdepth 1 -type f | sort | while read -r file; do
            echo "File \"$stage/${file#./}\""
        done
    done
) >"$lists/install_files.nsh"
(
    cd "$stage"
    find . -type f | sort | while read -r file; do
        rel=${file#./}
        echo "Delete \"\$INSTDIR\\${rel//\//\\}\""
    done
    find . -mindepth 1 -type d | sort -r | while read -r dir; do
        rel=${dir#./}
        echo "RMDir \"\$INSTDIR\\${rel//\//\\}\""
    done
) >"$lists/uninstall_files.nsh"

# The licence page: the list of what is shipped under which licence (whose
# texts are installed in licences\), then the program's own terms, as UTF-8
# that NSIS reads by its byte order mark.
licence=$lists/licence.txt
{
    printf '\xef\xbb\xbf'
    cat "$stage/licences/README.txt"
    printf '\r\n\r\n'
    cat "$stage/licences/velmor-calculator.txt"
} >"$licence"

# Those of an earlier version go, so that OUT_DIR holds one of each.
rm -f "$out"/Velmor-Calculator-Setup-*.exe "$out"/Velmor-Calculator-*-win64.zip
setup=$out/Velmor-Calculator-Setup-$version.exe
makensis -V2 -INPUTCHARSET UTF8 -NOCD \
    "-X!addincludedir \"$build/windows\"" \
    "-DFILE_LISTS=$lists" "-DICON=$here/velmor-calculator.ico" "-DOUTFILE=$setup" \
    "-DLICENCE=$licence" "-DWELCOME_BITMAP=$here/installer_welcome.bmp" \
    "$here/installer.nsi"

zip=$out/Velmor-Calculator-$version-win64.zip
(cd "$out/stage" && find "$folder" | sort | zip -q -X -D -@ "$zip")

echo "Installer: $setup ($(du -k "$setup" | cut -f1) KiB)"
echo "Portable:  $zip ($(du -k "$zip" | cut -f1) KiB)"
