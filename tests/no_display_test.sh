#!/usr/bin/env bash
# Started where it cannot show a window, the program says why in one line on
# standard error and ends with status 1: with no display at all, with the
# Wayland platform and no compositor, and with an X display nobody serves.
# Usage: no_display_test.sh <program>
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

# An X display number that no server holds.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done

passed=0
failed=0
expect_one_line() {
  local name=$1
  shift
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    XDG_RUNTIME_DIR="$work/runtime" "$@" "$program" </dev/null >"$work/out" 2>"$work/err" || status=$?
  local lines
  lines=$(wc -l <"$work/err")
  if [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] && [ ! -s "$work/out" ] &&
     grep -q '^cannot connect to a display: ' "$work/err"; then
    echo "PASS $name: $(cat "$work/err")"
    passed=$((passed + 1))
  else
    echo "FAIL $name: status $status, $lines lines on standard error:"
    sed 's/^/  /' "$work/err"
    failed=$((failed + 1))
  fi
}

expect_one_line "no display"
expect_one_line "Wayland without a compositor" QT_QPA_PLATFORM=wayland
expect_one_line "X display nobody serves" DISPLAY=":$display"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
