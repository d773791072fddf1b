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
    ctest --test-dir "$build" --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: bash tools/bootstrap.sh run|test" >&2
    exit 2
    ;;
esac
