#!/usr/bin/env bash
# Long fuzzing by hand: ./fuzz/run.sh ini_fuzz 60  (target, seconds)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ensure-deps.sh
target=${1:?fuzz target name, e.g. ini_fuzz}
seconds=${2:-60}
build_fuzz_targets "$target"
work=$(mktemp -d)
cp -r "fuzz/corpus/$target/." "$work/"
./"${KORVALIN_FUZZ_DIR:-build-fuzz}"/bin/"$target" -max_total_time="$seconds" "$work"
