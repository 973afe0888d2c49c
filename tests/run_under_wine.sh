#!/usr/bin/env bash
# Runs a Windows test program under Wine, as CTest's emulator for the
# Windows build: run_under_wine.sh <wine prefix> <program.exe> [arguments].
# Under Wine a program's standard output reaches neither a pipe nor a file,
# so a Qt Test suite writes its log to a file (-o FILE,txt), shown here
# afterwards; the suite's exit status is the result.
set -u
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
# Wine keeps the host's QT_ variables from Windows programs and passes
# WINEQT_... on as QT_...: so QT_QPA_PLATFORM=offscreen reaches the suite.
while IFS= read -r name; do
  export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_')
log=$(mktemp "${TMPDIR:-/tmp}/wine-test.XXXXXX")
trap 'rm -f "$log"' EXIT
status=0
wine "$@" -o "$log,txt" </dev/null || status=$?
cat "$log"
exit "$status"
