#!/usr/bin/env bash
# Builds the Debian package of the program and prints its path:
#   build/kelvra-biorhythms_<version>_<architecture>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh >&2
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build build -j "$(nproc)" --target kelvra-biorhythms >&2
rm -f build/kelvra-biorhythms_*.deb
(cd build && cpack -G DEB) >&2
ls "$PWD"/build/kelvra-biorhythms_*.deb
