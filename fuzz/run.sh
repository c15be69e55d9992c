#!/usr/bin/env bash
# Long fuzzing by hand: ./fuzz/run.sh ini_fuzz 60  (target, seconds)
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?fuzz target name, e.g. ini_fuzz}
seconds=${2:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DLIBFUZZER=ON \
  -DKORVALIN_TESTS=OFF -DKORVALIN_BENCH=OFF -DSANITIZE=ON >/dev/null
cmake --build build-fuzz --target "$target"
work=$(mktemp -d)
cp -r "fuzz/corpus/$target/." "$work/"
./build-fuzz/bin/"$target" -max_total_time="$seconds" "$work"
