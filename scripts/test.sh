#!/usr/bin/env bash
# Builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)" "$@"

# The Debian packages: scripts/packages.sh builds lesmora and lesmora-server, checks them
# (lintian, desktop-file-validate, appstreamcli), installs them, starts the program from
# its menu entry and the service from its unit, and removes them again. It needs root or
# sudo; it runs when the whole suite runs (no ctest arguments) and LESMORA_PACKAGES is not 0.
if [[ $# -eq 0 && "${LESMORA_PACKAGES:-1}" != 0 ]]; then
  cd "$OLDPWD"  # the work tree, left for the build folder above
  scripts/packages.sh
fi
