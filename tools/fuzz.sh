#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
#
#   bash tools/fuzz.sh [SECONDS]     each target SECONDS long (default 30); 0 runs until stopped
#
# It shares its build folder, build-sanitize/, with the sanitizer run of the test suite. Seeds:
# the stored block, a copy of it without pictures, and the assets' pictures. Corpora grow in
# build-sanitize/corpus/; an input that finds a fault is written to build-sanitize/findings/ and
# belongs, once fixed, in fuzz/regressions/<target>/.
set -euo pipefail
seconds=${1:-30}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${WUFU_SANITIZE_BUILD_DIR:-$here/build-sanitize}

if [[ ! -f $build/build.ninja ]]; then
  CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWUFU_FUZZ=ON -DWUFU_BENCH=OFF
fi
cmake --build "$build" --target description_fuzz picture_fuzz wufu_description_block

seeds=$build/seeds
mkdir -p "$seeds/description" "$seeds/picture" "$build/findings"
cp "$build/window.bin" "$seeds/description/window.bin"
# The same description without its pictures: small enough for many mutations a second.
sed -E 's/= file:pictures\/.*/= none/' "$here/assets/window.wufu" > "$seeds/no-pictures.wufu"
"$build/tools/describe/describe" build "$seeds/no-pictures.wufu" -o "$seeds/description/no-pictures.bin"
cp "$here"/assets/pictures/* "$seeds/picture/"

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export QT_QPA_PLATFORM=offscreen
for target in description picture; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  args=(-rss_limit_mb=4096 -timeout=20 -artifact_prefix="$build/findings/$target-")
  if [[ $seconds != 0 ]]; then args+=(-max_total_time="$seconds"); fi
  echo "fuzzing $target for ${seconds}s"
  log=$build/fuzz-$target.log
  if ! "$build/fuzz/${target}_fuzz" "${args[@]}" "$corpus" "$seeds/$target" \
      "$here/fuzz/regressions/$target" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzzing $target found a fault; the input is in $build/findings/" >&2
    exit 1
  fi
  tail -n 2 "$log"
done
