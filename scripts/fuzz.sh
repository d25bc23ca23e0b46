#!/usr/bin/env bash
# Builds the fuzz targets and runs one of them for a while:
#
#     scripts/fuzz.sh NAME SECONDS
#
# NAME is a file of tests/fuzz/ without ".cpp" (settings_store, language_file,
# lesson_loader, text_encoding). The targets are built with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/ (FUZZ_BUILD_DIR names
# another folder). A run starts from the committed seeds in tests/fuzz/corpus/NAME, which
# hold a reproducer of every fault found so far, and from the matching files of assets/;
# inputs that reach new code are kept in build-fuzz/corpus/NAME. It exits non-zero on a
# finding (a crash, a leak, a broken invariant, an input slower than 10 s or above 2 GB,
# a committed reproducer failing again),
# whose input is written to build-fuzz/findings/, and prints the executions and the
# edges covered.
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/fuzz.sh NAME SECONDS"
name=${1:?$usage}
seconds=${2:?$usage}
if [[ ! -f tests/fuzz/$name.cpp ]]; then
  echo "fuzz: there is no target tests/fuzz/$name.cpp" >&2
  exit 2
fi
scripts/install-deps.sh
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is missing, so nothing is fuzzed" >&2
  exit 0
fi

build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLESMORA_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build_dir" --target "$name" -j "$(nproc)"

# The seeds: the committed corpus and the data files the target reads.
seeds=$build_dir/seeds/$name
rm -rf "$seeds"
mkdir -p "$seeds" "$build_dir/corpus/$name" "$build_dir/findings"
case $name in
  settings_store | text_encoding) cp assets/*.ini* assets/*.Lst "$seeds/" ;;
  language_file) cp assets/English.ini assets/deutsch.ini "$seeds/" ;;
  lesson_loader) cp assets/*Lektionen.ini.* "$seeds/" ;;
esac

# Every save is flushed to the disk; on tmpfs that costs nothing.
scratch_parent=/tmp
[[ -d /dev/shm && -w /dev/shm ]] && scratch_parent=/dev/shm
scratch=$(mktemp -d "$scratch_parent/lesmora-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
log=$build_dir/findings/$name.log
fuzzer=$build_dir/tests/fuzz/$name
export LESMORA_FUZZ_SCRATCH=$scratch
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Every reproducer once at its full length (the run below cuts inputs to 16 KiB, which
# keeps it fast enough to try many).
if ! "$fuzzer" -timeout=30 tests/fuzz/corpus/"$name"/* >"$log" 2>&1; then
  echo "fuzz: a reproducer of tests/fuzz/corpus/$name fails again; see $log" >&2
  tail -40 "$log" >&2
  exit 1
fi

status=0
started=$SECONDS
"$fuzzer" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$build_dir/findings/$name-" \
  "$build_dir/corpus/$name" "tests/fuzz/corpus/$name" "$seeds" >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
edges=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
echo "fuzz: $name ran $((SECONDS - started)) s: ${executions:-?} executions, ${edges:-?} edges covered"
if ((status != 0)); then
  echo "fuzz: $name found a fault (exit $status); see $log and $build_dir/findings/" >&2
  tail -40 "$log" >&2
fi
exit "$status"
