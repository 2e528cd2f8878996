#!/usr/bin/env bash
# Renders the main window, the chart window, the entry window, the display window and the
# exit screen to PNG files, the same pixels on every run (fixed day, locale and screen).
#   scripts/screenshots.sh [FOLDER]    default docs/screenshots
set -euo pipefail
cd "$(dirname "$0")/.."

folder=${1:-docs/screenshots}
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target kelvra-screenshots
# Its own X server, without a window manager or desktop settings that could change the look.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
env -u QT_STYLE_OVERRIDE -u QT_QPA_PLATFORMTHEME -u QT_SCALE_FACTOR -u QT_FONT_DPI \
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime" \
    xvfb-run -a -s "-screen 0 1152x864x24 -dpi 96 -nolisten tcp" \
    build/tools/kelvra-screenshots "$folder"
