#!/usr/bin/env bash
# Proves that tools/check_package.sh catches broken packages: each row below
# takes a good .deb apart, breaks one thing, rebuilds it and expects the
# check to fail with the given message. The same rebuild without a change
# must pass.
#
#   packaging/check_package_test.sh [good package.deb]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
good=${1:-$(ls "$top"/build/package/velmor-calculator_*.deb)}
checker=$top/tools/check_package.sh

entry=usr/share/applications/com.haldmark.VelmorCalculator.desktop
metainfo=usr/share/metainfo/com.haldmark.VelmorCalculator.metainfo.xml
icon32=usr/share/icons/hicolor/32x32/apps/com.haldmark.VelmorCalculator.png
icon64=usr/share/icons/hicolor/64x64/apps/com.haldmark.VelmorCalculator.png
icon16=usr/share/icons/hicolor/16x16/apps/com.haldmark.VelmorCalculator.png
mime=usr/share/mime/packages/com.haldmark.VelmorCalculator.xml
changelog=usr/share/doc/velmor-calculator/changelog.gz
binary=usr/bin/velmor-calculator

# name | change made inside the unpacked package | expected failure message
cases=(
  "icon named with its extension|sed -i 's/^Icon=.*/&.png/' $entry|FAIL: desktop-file-validate"
  "menu entry does not pass the file it opens|sed -i 's/^Exec=.*/Exec=velmor-calculator/' $entry|FAIL: menu entry runs \"velmor-calculator\""
  "menu entry opens another file type|sed -i 's/^MimeType=.*/MimeType=application\/json;/' $entry|FAIL: menu entry opens \"application/json;\""
  "file type without its glob|sed -i '/<glob /d' $mime|FAIL: MIME type application/x-velmor-figures is not given to *.velmor files"
  "file type that does not parse|sed -i 's/<glob /<glob/' $mime|FAIL: update-mime-database"
  "metainfo without the media type|sed -i '/<mediatype>/d' $metainfo|FAIL: metainfo provides media type \"\""
  "changelog of an older version|gunzip $changelog && sed -i '1s/([^)]*)/(0.9)/' ${changelog%.gz} && gzip -9n ${changelog%.gz}|FAIL: newest changelog entry is \"0.9\""
  "Maintainer field naming two contacts|sed -i 's/^Maintainer: .*/Maintainer: HALDMARK, Inc. <software@haldmark.com>/' DEBIAN/control|FAIL: lintian"
  "metainfo without a summary|sed -i '/<summary>/d' $metainfo|FAIL: appstreamcli validate"
  "metainfo under another id|sed -i 's:<id>.*</id>:<id>com.haldmark.Other</id>:' $metainfo|FAIL: metainfo id is"
  "newest release older than the package|sed -i 's/release version=\"[^\"]*\"/release version=\"0.9\"/' $metainfo|FAIL: newest metainfo release is \"0.9\""
  "64 px icon left out|rm $icon64|FAIL: missing from the package: $icon64"
  "16 px icon is the 32 px picture|cp $icon32 $icon16|is \"PNG image data, 32 x 32"
  "a developer tool packaged too|cp $binary usr/bin/grab-windows|FAIL: not expected in the package: usr/bin/grab-windows"
  "32 px icon is the 64 px picture|cp $icon64 $icon32|is \"PNG image data, 64 x 64"
  "icon marked executable|chmod 755 $icon32|has mode 755, expected 644"
  "binary with a run path|build_with_run_path $binary|carries a run path"
  "binary not stripped|cp \"\$unstripped\" $binary|, expected /^ELF 64-bit"
  "Qt Charts missing from Depends|sed -i 's/libqt6charts6[^,]*, //' DEBIAN/control|FAIL: Depends lacks libqt6charts6"
  "only a longer name that starts with libqt6widgets6|sed -i 's/libqt6widgets6/&-extra/' DEBIAN/control|FAIL: Depends lacks libqt6widgets6"
  "libstdc++6 missing from Depends|sed -i 's/, libstdc++6[^,]*//' DEBIAN/control|FAIL: Depends lacks libstdc++6"
  "program that exits at once|cp /bin/true $binary|exited with status 0"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A copy of the packaged binary that is not stripped and one that has a run
# path, made with the toolchain alone.
unstripped=$work/unstripped
cc -x c -o "$unstripped" - <<<'int main(void) { return 0; }'
build_with_run_path() { cc -x c -Wl,-rpath,/opt/lib -s -o "$1" - <<<'int main(void) { return 0; }'; }
export -f build_with_run_path
export unstripped

# rebuild CHANGE: the good package unpacked, CHANGE run inside it, and packed
# again into $work/broken.deb, compressed as CPack compresses it.
rebuild() {
  local tree=$work/tree
  rm -rf "$tree"
  dpkg-deb -R "$good" "$tree"
  (cd "$tree" && bash -c "$1")
  (cd "$tree" && find usr -type f -exec md5sum {} + >DEBIAN/md5sums)
  dpkg-deb -b -Zgzip --root-owner-group "$tree" "$work/broken.deb" >/dev/null
}

failures=0

# Unpacking and packing again must break nothing by itself, or a row below
# could pass for that reason alone.
rebuild true
if CHECK_RUN_SECONDS=1 "$checker" "$work/broken.deb" >"$work/report" 2>&1; then
  echo "ok:   the package unpacked and packed again unchanged passes"
else
  echo "FAIL: the package unpacked and packed again unchanged fails:"
  sed 's/^/      /' "$work/report"
  failures=$((failures + 1))
fi

for row in "${cases[@]}"; do
  IFS='|' read -r name change expected <<<"$row"
  rebuild "$change"
  status=0
  CHECK_RUN_SECONDS=1 "$checker" "$work/broken.deb" >"$work/report" 2>&1 || status=$?
  if [ "$status" = 1 ] && grep -q -F -e "$expected" "$work/report"; then
    echo "ok:   $name"
  else
    echo "FAIL: $name: status $status, report:"
    sed 's/^/      /' "$work/report"
    failures=$((failures + 1))
  fi
done

if [ "$failures" -ne 0 ]; then
  echo "check_package_test: $failures of $((${#cases[@]} + 1)) checks failed"
  exit 1
fi
echo "check_package_test: all ${#cases[@]} broken packages caught"
