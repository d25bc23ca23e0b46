#!/usr/bin/env bash
# Builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)" "$@"

cd "$OLDPWD"  # the work tree, left for the build folder above

# The Debian packages: scripts/packages.sh builds lesmora and lesmora-server, checks them
# (lintian, desktop-file-validate, appstreamcli), installs them, starts the program from
# its menu entry and the service from its unit, and removes them again. It needs root or
# sudo; it runs when the whole suite runs (no ctest arguments) and LESMORA_PACKAGES is not 0.
if [[ $# -eq 0 && "${LESMORA_PACKAGES:-1}" != 0 ]]; then
  scripts/packages.sh
fi

# --- The checking runs: the suite under the sanitizers, then every fuzz target ---
# CI (CI=true) always runs them; LESMORA_QUICK=1 skips them on a developer's machine.
# LESMORA_FUZZ_SECONDS sets each target's time (60 s).
if [[ "${CI:-}" != "true" && -n "${LESMORA_QUICK:-}" ]]; then
  echo "test: LESMORA_QUICK is set: the sanitizer suite and the fuzz runs are skipped"
  exit 0
fi
scripts/sanitize.sh
for target in tests/fuzz/*.cpp; do
  scripts/fuzz.sh "$(basename "$target" .cpp)" "${LESMORA_FUZZ_SECONDS:-60}"
done
