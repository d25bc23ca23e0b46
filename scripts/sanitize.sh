#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (SANITIZE_BUILD_DIR names another folder) and runs it headless. A memory
# error, undefined behaviour or a leak fails the test it happens in; leaks inside system
# libraries are suppressed by tests/sanitizer/lsan.supp, each with its reason. Arguments
# go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${SANITIZE_BUILD_DIR:-build-asan}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The build runs each test binary to list its tests, so the options hold from here on.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLESMORA_SANITIZE=ON \
  "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
cd "$build_dir"
# The format and data-file checks run no code of the program: the normal run has them.
ctest --output-on-failure -j "$(nproc)" -E '^(code_format|data\.)' "$@"
