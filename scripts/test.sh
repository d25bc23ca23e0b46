#!/usr/bin/env bash
# Builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)" "$@"
