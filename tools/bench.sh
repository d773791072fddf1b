#!/usr/bin/env bash
# Runs every benchmark of the program's build (build/ unless WUFU_BUILD_DIR says otherwise):
# the window's costs headless, picture decoding and drawing, and start-up to the first painted
# window against the bare window under Xvfb with openbox. Extra arguments go to each benchmark
# (for example --benchmark_filter=Switch).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${WUFU_BUILD_DIR:-$here/build}
cmake --build "$build" --target window_bench picture_bench startup_bench

QT_QPA_PLATFORM=offscreen "$build/bench/window/window_bench" "$@"
"$build/bench/pictures/picture_bench" "$@"
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  openbox --sm-disable >/dev/null 2>&1 &
  sleep 1
  "$0" "$@"' "$build/bench/startup/startup_bench" "$@"
