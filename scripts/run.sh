#!/usr/bin/env bash
# Builds the program and starts it. Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run: no display found, starting the program under xvfb-run"
  exec xvfb-run -a -s "-screen 0 1600x1000x24" build/lesmora
fi
exec build/lesmora
