#!/usr/bin/env bash
# Gathers the Windows program and everything it needs to run into one folder,
# laid out as it is installed: the installer and the portable .zip are both
# made from it.
#
#   velmor-calculator.exe          the program
#   Qt6*.dll                       the Qt libraries it and its plugins load
#   libgcc_s_seh-1.dll, ...        the MinGW-w64 C++ runtime, zlib
#   plugins/platforms/qwindows.dll the window system
#   plugins/platforms/qoffscreen.dll  the command-line outputs (--report, ...),
#                                  which run without a window
#   plugins/styles/qwindowsvistastyle.dll  the native look of dialogs and menus
#   translations/qtbase_*.qm       Qt's own texts in the program's languages
#   qt.conf                        tells Qt to look for the above beside the program
#   licences/                      the licences of all that is shipped
#
# Afterwards every DLL that a shipped file imports and that the kit or the
# MinGW runtime provides must be shipped, and every library shipped must be
# imported by something shipped: the folder holds exactly what the program
# needs. Usage: stage_program.sh BUILD_DIR KIT_DIR STAGE_DIR
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: $0 BUILD_DIR KIT_DIR STAGE_DIR" >&2; exit 2; }
build=$1
kit=$2
stage=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
objdump=x86_64-w64-mingw32-objdump
cxx=x86_64-w64-mingw32-g++-posix

fail() {
    echo "stage_program.sh: $*" >&2
    exit 1
}
[ -f "$build/velmor-calculator.exe" ] || fail "$build/velmor-calculator.exe not found: build the Windows program first"
[ -d "$kit/bin" ] && [ -d "$kit/plugins" ] || fail "$kit is not the Qt kit (no bin/ and plugins/)"

# The release DLLs only: the kit has no debug builds, and these names are
# what the program links and loads.
qt_libraries=(Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport Qt6Charts Qt6OpenGL Qt6OpenGLWidgets)
qt_plugins=(platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle)
# The program's languages other than English, whose source texts need no catalogue.
qt_languages=(de es fr pt_BR zh_CN)
runtime=(libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll zlib1.dll)

rm -rf "$stage"
mkdir -p "$stage/plugins/platforms" "$stage/plugins/styles" "$stage/translations" "$stage/licences"

cp "$build/velmor-calculator.exe" "$stage/"
for lib in "${qt_libraries[@]}"; do
    cp "$kit/bin/$lib.dll" "$stage/"
done
for plugin in "${qt_plugins[@]}"; do
    cp "$kit/plugins/$plugin.dll" "$stage/plugins/$plugin.dll"
done
for dll in "${runtime[@]}"; do
    path=$("$cxx" -print-file-name="$dll")
    [ -f "$path" ] || fail "$dll not found (g++-mingw-w64-x86-64-posix, mingw-w64-x86-64-dev, libz-mingw-w64)"
    cp "$path" "$stage/"
done
# Qt 6.4.2's catalogues, as Debian's qt6-translations-l10n ships them for the same version.
for code in "${qt_languages[@]}"; do
    cp "/usr/share/qt6/translations/qtbase_$code.qm" "$stage/translations/"
done

# Without it Qt would look for plugins and catalogues one folder up, where the
# kit's layout has them.
printf '[Paths]\r\nPrefix = .\r\nPlugins = plugins\r\nTranslations = translations\r\n' >"$stage/qt.conf"

# Licences, with Windows line ends so that Notepad shows them as written.
licence() { # SOURCE NAME
    [ -f "$1" ] || fail "licence text $1 not found"
    sed 's/$/\r/' "$1" >"$stage/licences/$2"
}
licence "$root/packaging/copyright" velmor-calculator.txt
licence "$here/licences/README.txt" README.txt
licence /usr/share/common-licenses/LGPL-3 Qt-LGPL-3.0.txt
licence /usr/share/common-licenses/GPL-3 Qt-GPL-3.0.txt
licence /usr/share/common-licenses/GPL-2 Qt-GPL-2.0.txt
licence "$here/licences/qt-third-party.txt" qt-third-party.txt
licence "$here/licences/libxlsxwriter.txt" libxlsxwriter.txt
licence /usr/share/doc/gcc-mingw-w64-base/copyright gcc-runtime.txt
licence /usr/share/doc/mingw-w64-x86-64-dev/copyright mingw-w64-runtime.txt
licence /usr/share/doc/libz-mingw-w64/copyright zlib.txt

# What the shipped files import, lower case, one a line.
imports() {
    "$objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'
}
# Every DLL the kit or the MinGW runtime could provide, lower case.
providable=$(
    {
        find "$kit/bin" "$kit/plugins" -name '*.dll' -printf '%f\n'
        find "$(dirname "$("$cxx" -print-file-name=libstdc++-6.dll)")" /usr/x86_64-w64-mingw32/lib -maxdepth 1 -name '*.dll' -printf '%f\n'
    } | tr 'A-Z' 'a-z' | sort -u
)
shipped=$(find "$stage" -maxdepth 1 -name '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z' | sort -u)
imported=$(find "$stage" -name '*.dll' -o -name '*.exe' | while read -r file; do imports "$file"; done | sort -u)

missing=$(comm -12 <(comm -23 <(echo "$imported") <(echo "$shipped")) <(echo "$providable"))
[ -z "$missing" ] || fail "imported but not shipped:" $missing
unused=$(comm -13 <(echo "$imported") <(echo "$shipped"))
[ -z "$unused" ] || fail "shipped but imported by nothing:" $unused
echo "Staged in $stage:" $(cd "$stage" && find . -name '*.dll' -printf '%P\n' | sort)
