#!/usr/bin/env bash
# Starts the program under a private Xvfb, runs xdotool commands against its window,
# and saves a screenshot of the screen.
#   tools/screenshot.sh OUT.png [xdotool command ...]
# Each further argument is one xdotool command line run after start-up; "sleep N" waits.
# $WINDOW in a command names the program's main window.
set -euo pipefail
out=$1
shift
cd "$(dirname "$0")/.."
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1400x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $program $xvfb 2>/dev/null || true' EXIT
sleep 0.5
export DISPLAY=$display
export XDG_DATA_HOME=${XDG_DATA_HOME:-$(mktemp -d)}
build/lesmora >"${out%.png}.log" 2>&1 &
program=$!
sleep 1.5
WINDOW=$(xdotool search --name "LESMORA" | tail -n 1)
export WINDOW
for command in "$@"; do
  case "$command" in
    sleep*) ${command} ;;
    *) eval "xdotool ${command}" ;;
  esac
done
sleep 0.3
import -window root "$out"
echo "screenshot: $out"
