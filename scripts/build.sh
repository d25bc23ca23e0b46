#!/usr/bin/env bash
# Configures and builds everything into build/ (Release with debug info).
# BUILD_DIR names another build folder (a sanitizer build, a second work tree).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${BUILD_DIR:-build}
launcher=()
# ccache, where the machine has it, makes a rebuild in a fresh folder cheap.
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
