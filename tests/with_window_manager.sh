#!/usr/bin/env bash
# Runs a command on the current X display under a window manager: starts it,
# waits until it has taken charge of the display, runs the command and stops
# the window manager again. Usage: with_window_manager.sh <manager> <command...>
set -u
manager=$1
shift
"$manager" >/dev/null 2>&1 &
manager_pid=$!
trap 'kill "$manager_pid" 2>/dev/null; wait "$manager_pid" 2>/dev/null' EXIT

for _ in $(seq 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    "$@"
    exit
  fi
  if ! kill -0 "$manager_pid" 2>/dev/null; then
    break
  fi
  sleep 0.1
done
echo "$manager did not take charge of the display $DISPLAY" >&2
exit 1
