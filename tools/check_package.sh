#!/usr/bin/env bash
# Checks the Debian package the way a desktop and a package manager will see
# it: lintian reports no errors or warnings, the menu entry, the AppStream
# metainfo and the facility-file type validate, the package holds exactly the
# files it should with the right types and modes, the menu entry, metainfo,
# icons and file type agree on one application id, the declared dependencies
# pull in the Qt 6 runtime, and the packaged program starts.
#
#   tools/check_package.sh [--install] [package.deb]
#
# Without a file it checks the one .deb in build/package. --install also
# installs the package with apt-get, checks that the system now knows the
# facility files' type and opens them with the program, starts the program
# the way the menu entry does and removes the package again; it is meant for
# throw-away machines such as CI and refuses to touch a package that is
# already installed.
# Exits non-zero if any check fails; every failure is listed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

app_id=com.haldmark.VelmorCalculator
package=velmor-calculator
run_seconds=${CHECK_RUN_SECONDS:-5}

install_test=0
if [ "${1:-}" = --install ]; then
  install_test=1
  shift
fi

if [ $# -ge 1 ]; then
  deb=$1
else
  shopt -s nullglob
  debs=("$top"/build/package/${package}_*.deb)
  shopt -u nullglob
  if [ ${#debs[@]} -ne 1 ]; then
    echo "check_package: expected one ${package}_*.deb in build/package, found ${#debs[@]}" >&2
    exit 2
  fi
  deb=${debs[0]}
fi
[ -f "$deb" ] || { echo "check_package: no such file: $deb" >&2; exit 2; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

desktop=usr/share/applications/$app_id.desktop
metainfo=usr/share/metainfo/$app_id.metainfo.xml
mime_package=usr/share/mime/packages/$app_id.xml
mime_type=application/x-velmor-figures
binary=usr/bin/$package
manual=usr/share/man/man1/$package.1.gz
doc=usr/share/doc/$package
icons=usr/share/icons/hicolor
icon_sizes=(16 24 32 48 64 128 256)
expected_files=(
  "$binary"
  "$desktop"
  "$metainfo"
  "$mime_package"
  "$manual"
  "$doc/copyright"
  "$doc/changelog.gz"
  "$icons/scalable/apps/$app_id.svg"
)
for size in "${icon_sizes[@]}"; do
  expected_files+=("$icons/${size}x$size/apps/$app_id.png")
done

# --- File list: everything expected, nothing else (no tools or tests). -----
listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
expected=$(printf '%s\n' "${expected_files[@]}" | sort)
missing=$(comm -13 <(echo "$listed") <(echo "$expected"))
extra=$(comm -23 <(echo "$listed") <(echo "$expected"))
if [ -z "$missing" ] && [ -z "$extra" ]; then
  pass "file list: the ${#expected_files[@]} expected files and no others"
else
  [ -z "$missing" ] || fail "missing from the package: $(echo $missing)"
  [ -z "$extra" ] || fail "not expected in the package: $(echo $extra)"
fi

# --- Types and modes of what is there. -------------------------------------
# check_type <path> <mode> <pattern the output of file(1) must match>
check_type() {
  local path=$1 mode=$2 pattern=$3 actual description
  [ -e "$root/$path" ] || return 0 # already reported as missing
  actual=$(stat -c %a "$root/$path")
  [ "$actual" = "$mode" ] || fail "$path has mode $actual, expected $mode"
  description=$(file -b "$root/$path")
  if [[ $description =~ $pattern ]]; then
    pass "$path: $description"
  else
    fail "$path is \"$description\", expected /$pattern/"
  fi
}
check_type "$binary" 755 '^ELF 64-bit .* executable.*, stripped$'
for size in "${icon_sizes[@]}"; do
  check_type "$icons/${size}x$size/apps/$app_id.png" 644 "^PNG image data, $size x $size,"
done
check_type "$icons/scalable/apps/$app_id.svg" 644 '^SVG Scalable Vector Graphics image'
check_type "$desktop" 644 'text'
check_type "$metainfo" 644 'XML'
check_type "$mime_package" 644 'XML'
check_type "$doc/copyright" 644 'text'
# gzip -9n: file(1) would name the original file and its time before "max".
check_type "$manual" 644 '^gzip compressed data, max compression, from Unix'
check_type "$doc/changelog.gz" 644 '^gzip compressed data, max compression, from Unix'

if [ -f "$root/$binary" ]; then
  if readelf -d "$root/$binary" | grep -q -E '\((RPATH|RUNPATH)\)'; then
    fail "$binary carries a run path: $(readelf -d "$root/$binary" | grep -E 'R(UN)?PATH')"
  else
    pass "$binary has no run path"
  fi
fi

# --- Validators. ------------------------------------------------------------
# Lintian with Debian's own profile; its informational notes are shown but do
# not fail.
if ! command -v lintian >/dev/null; then
  fail "lintian is not installed (make package-check installs it)"
else
  status=0
  report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || status=$?
  report=$(grep -v -e '^running with root privileges' <<<"$report" || true)
  if [ "$status" = 0 ]; then
    pass "lintian: no errors or warnings"
    [ -z "$report" ] || sed 's/^/      /' <<<"$report"
  else
    fail "lintian (status $status):"$'\n'"$report"
  fi
fi
if [ -f "$root/$desktop" ]; then
  # Hints are advice; errors and warnings fail.
  if report=$(desktop-file-validate "$root/$desktop" 2>&1) &&
     [ -z "$(grep -v -e ': hint: ' -e '^$' <<<"$report")" ]; then
    pass "desktop-file-validate"
  else
    fail "desktop-file-validate:"$'\n'"$report"
  fi
fi
if [ -f "$root/$metainfo" ]; then
  if report=$(appstreamcli validate --no-net --strict "$root/$metainfo" 2>&1); then
    pass "appstreamcli validate"
  else
    fail "appstreamcli validate:"$'\n'"$report"
  fi
  # The installed tree as a software centre reads it: metainfo, menu entry
  # and icon found together.
  if report=$(appstreamcli validate-tree --no-net --strict "$root" 2>&1); then
    pass "appstreamcli validate-tree"
  else
    fail "appstreamcli validate-tree:"$'\n'"$report"
  fi
fi
# The facility-file type built into a scratch database by shared-mime-info's
# own tool, which reports what it cannot read but still exits with 0.
if [ -f "$root/$mime_package" ]; then
  mime_db=$work/share/mime
  mkdir -p "$mime_db/packages"
  cp "$root/$mime_package" "$mime_db/packages/"
  if ! command -v update-mime-database >/dev/null; then
    fail "update-mime-database is not installed (make package-check installs shared-mime-info)"
  elif ! report=$(XDG_DATA_DIRS=$work/share update-mime-database "$mime_db" 2>&1) || [ -n "$report" ]; then
    fail "update-mime-database:"$'\n'"$report"
  elif ! grep -q -x -E "[0-9]+:$mime_type:\*\.velmor" "$mime_db/globs2"; then
    fail "MIME type $mime_type is not given to *.velmor files: $(grep -v '^#' "$mime_db/globs2" | tr '\n' ' ')"
  elif ! grep -q -x -F "$mime_type application/json" "$mime_db/subclasses"; then
    fail "MIME type $mime_type is not a kind of application/json"
  else
    pass "MIME type $mime_type: *.velmor files, a kind of application/json"
  fi
fi

# --- One application id and one version throughout. -------------------------
desktop_key() { sed -n "s/^$1=//p" "$root/$desktop" | head -n 1; }
if [ -f "$root/$desktop" ]; then
  exec_line=$(desktop_key Exec)
  icon_name=$(desktop_key Icon)
  mime_types=$(desktop_key MimeType)
  # %f: a file the desktop opens with the program is passed to it.
  [ "$exec_line" = "$package %f" ] || fail "menu entry runs \"$exec_line\", expected \"$package %f\""
  [ "$icon_name" = "$app_id" ] || fail "menu entry icon is \"$icon_name\", expected \"$app_id\""
  [ "$mime_types" = "$mime_type;" ] || fail "menu entry opens \"$mime_types\", expected \"$mime_type;\""
  [ "$exec_line" = "$package %f" ] && [ "$icon_name" = "$app_id" ] && [ "$mime_types" = "$mime_type;" ] &&
    pass "menu entry: Exec=$exec_line Icon=$icon_name MimeType=$mime_types"
fi
version=$(dpkg-deb -f "$deb" Version)
if [ -f "$root/$metainfo" ]; then
  component_id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$root/$metainfo" | head -n 1)
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$root/$metainfo")
  release=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$root/$metainfo" | head -n 1)
  mediatype=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$root/$metainfo")
  [ "$component_id" = "$app_id" ] || fail "metainfo id is \"$component_id\", expected \"$app_id\""
  [ "$launchable" = "$app_id.desktop" ] || fail "metainfo launches \"$launchable\", expected \"$app_id.desktop\""
  # Releases are listed newest first; the newest must be the packaged version.
  [ "$release" = "$version" ] || fail "newest metainfo release is \"$release\", the package is version \"$version\""
  [ "$mediatype" = "$mime_type" ] || fail "metainfo provides media type \"$mediatype\", expected \"$mime_type\""
  [ "$component_id" = "$app_id" ] && [ "$launchable" = "$app_id.desktop" ] && [ "$release" = "$version" ] &&
    [ "$mediatype" = "$mime_type" ] &&
    pass "metainfo: id $component_id, launchable $launchable, release $release, media type $mediatype"
fi
if [ -f "$root/$doc/changelog.gz" ]; then
  entry=$(gzip -dc "$root/$doc/changelog.gz" | sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p')
  if [ "$entry" = "$version" ]; then
    pass "newest changelog entry: $entry"
  else
    fail "newest changelog entry is \"$entry\", the package is version \"$version\""
  fi
fi

# --- Control fields. --------------------------------------------------------
name=$(dpkg-deb -f "$deb" Package)
arch=$(dpkg-deb -f "$deb" Architecture)
depends=$(dpkg-deb -f "$deb" Depends)
[ "$name" = "$package" ] || fail "package name is \"$name\", expected \"$package\""
[ "$arch" = "$(dpkg --print-architecture)" ] || fail "architecture is \"$arch\", expected \"$(dpkg --print-architecture)\""
# The package names alone, one a line, without versions or alternatives, so
# that a name is only matched whole.
depends_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (:].*//')
missing_deps=()
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libxlsxwriter4 libminizip1 libstdc++6 libc6; do
  grep -q -F -x -e "$lib" <<<"$depends_names" || missing_deps+=("$lib")
done
if [ ${#missing_deps[@]} -eq 0 ]; then
  pass "Depends: $depends"
else
  fail "Depends lacks ${missing_deps[*]}: \"$depends\""
fi

# Qt's catalogues, for the dialogs in the interface's language.
recommends=$(dpkg-deb -f "$deb" Recommends)
if tr ',|' '\n\n' <<<"$recommends" | sed 's/^ *//; s/[ (:].*//' | grep -q -F -x qt6-translations-l10n; then
  pass "Recommends: $recommends"
else
  fail "Recommends lacks qt6-translations-l10n: \"$recommends\""
fi

# --- The packaged program starts and keeps running. -------------------------
# Under the offscreen platform the window never closes, so a healthy start
# runs until timeout stops it (status 124); anything else is a failure.
run_until_timeout() {
  local label=$1 status=0
  shift
  mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime \
    timeout "$run_seconds" "$@" </dev/null >"$work/run.log" 2>&1 || status=$?
  if [ "$status" = 124 ]; then
    pass "$label ran for ${run_seconds} s until stopped"
  else
    fail "$label exited with status $status within ${run_seconds} s:"$'\n'"$(cat "$work/run.log")"
  fi
}
if [ -x "$root/$binary" ]; then
  run_until_timeout "$binary from the package" "$root/$binary"
fi

if [ "$install_test" = 1 ]; then
  sudo=
  [ "$(id -u)" = 0 ] || sudo=sudo
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    fail "--install: $package is already installed here; not touching it"
  elif ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")" \
         </dev/null >"$work/apt.log" 2>&1; then
    fail "apt-get install of $deb:"$'\n'"$(cat "$work/apt.log")"
  else
    pass "apt-get install of $(basename "$deb")"
    installed_entry=/$desktop
    if [ -f "$installed_entry" ]; then
      # Start it as the menu would with no file: the Exec line, found
      # through PATH, without its field codes.
      read -r -a command <<<"$(sed -n 's/^Exec=//p' "$installed_entry" | head -n 1 | sed 's/ %[fFuU]//g')"
      if command -v "${command[0]}" >/dev/null; then
        run_until_timeout "installed menu entry ($(command -v "${command[0]}"))" "${command[@]}"
      else
        fail "the installed menu entry runs \"${command[0]}\", which is not on PATH"
      fi
    else
      fail "$installed_entry is not there after installing"
    fi
    # The package's triggers have rebuilt the system's MIME database and the
    # menu entries' cache: *.velmor files have the type, which the menu entry
    # opens.
    if ! grep -q -x -E "[0-9]+:$mime_type:\*\.velmor" /usr/share/mime/globs2; then
      fail "installed: /usr/share/mime/globs2 does not give *.velmor files the type $mime_type"
    elif ! grep -q -x -E "$mime_type=(.*;)?$app_id\.desktop;.*" /usr/share/applications/mimeinfo.cache; then
      fail "installed: /usr/share/applications/mimeinfo.cache does not open $mime_type with $app_id.desktop"
    else
      pass "installed: *.velmor files are $mime_type, opened with $app_id.desktop"
    fi
    if $sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq "$package" \
         </dev/null >"$work/apt.log" 2>&1; then
      pass "apt-get remove $package"
    else
      fail "apt-get remove $package:"$'\n'"$(cat "$work/apt.log")"
    fi
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "check_package: $failures check(s) failed for $(basename "$deb")"
  exit 1
fi
echo "check_package: $(basename "$deb") passed"
