#!/usr/bin/env bash
# Sets a Debian 12 machine up for wufu (as root), builds it, and then either starts the program
# or runs the whole test suite. Safe to run again: it installs only what is missing and builds
# only what changed.
#
#   bash tools/bootstrap.sh run     build, then start wufu
#   bash tools/bootstrap.sh test    build, then run every test through ctest
set -euo pipefail

mode=${1:-run}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${WUFU_BUILD_DIR:-$here/build}

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev
  fonts-noto-cjk
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox x11-utils xdotool python3
)
if [[ $mode == test ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
if [[ ! -f $build/build.ninja ]]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$jobs"

case $mode in
  run)
    exec "$build/wufu"
    ;;
  test)
    # The whole suite on the program's own build ...
    ctest --test-dir "$build" --output-on-failure -j "$jobs"
    # ... then a short run of each fuzz target and the suite once more, both with
    # AddressSanitizer and UndefinedBehaviorSanitizer (clang; the fuzz targets share the build).
    sanitize=${WUFU_SANITIZE_BUILD_DIR:-$here/build-sanitize}
    if [[ ! -f $sanitize/build.ninja ]]; then
      CC=clang CXX=clang++ cmake -S "$here" -B "$sanitize" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWUFU_FUZZ=ON -DWUFU_BENCH=OFF
    fi
    cmake --build "$sanitize" -j "$jobs"
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0
    export LSAN_OPTIONS=suppressions=$here/tools/leak-suppressions.txt:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    WUFU_SANITIZE_BUILD_DIR=$sanitize bash "$here/tools/fuzz.sh" "${WUFU_FUZZ_SECONDS:-30}"
    ctest --test-dir "$sanitize" --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: bash tools/bootstrap.sh run|test" >&2
    exit 2
    ;;
esac
