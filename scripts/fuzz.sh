#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target] [target...]   (default: 20 s, every target)
# New inputs go to build-fuzz/corpus/<target>; the seeds in fuzz/corpus/ stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
scripts/install-deps.sh --fuzz
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVRA_WERROR=ON \
    -DKELVRA_FUZZ=ON
cmake --build build-fuzz -j "$(nproc)" --target fuzzers

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(ls fuzz/corpus))
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
# The settings target writes a file per input; memory spares it the disk's syncs.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/$target.log"
    if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$target broke a property; the input is kept in build-fuzz/"
        exit 1
    fi
    echo "$target: $(grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "$log" | tr -s ' \n' ' ')"
done
