#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   scripts/test.sh             normal build, warnings as errors
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVRA_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-sanitize
    options=(-DCMAKE_BUILD_TYPE=Debug -DKELVRA_WERROR=ON -DKELVRA_SANITIZE=ON)
fi

scripts/install-deps.sh
cmake -S . -B "$build_dir" "${options[@]}"
cmake --build "$build_dir" -j "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
