#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless); then the
# same tests once more under AddressSanitizer and UndefinedBehaviorSanitizer
# (skip that pass with KORVALIN_SKIP_SANITIZE=1). Where clang and its libFuzzer
# are installed, the fuzz targets are built with them too and replay their
# seed corpora, so that code clang refuses cannot land unseen (skip with
# KORVALIN_SKIP_FUZZ=1).
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-deps.sh
ensure_packages
ensure_german_locale
configure_and_build "$@"
(cd "$(build_dir)" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
if [ "${KORVALIN_SKIP_SANITIZE:-0}" != 1 ]; then
  export KORVALIN_BUILD_DIR="$(build_dir)-asan"
  # -O1 with line tables: what the sanitizers want, and several times
  # faster to compile than -O2 with full debug information.
  configure_and_build -DSANITIZE=ON -DKORVALIN_BENCH=OFF \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" "$@"
  (cd "$(build_dir)" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
fi
if [ "${KORVALIN_SKIP_FUZZ:-0}" != 1 ] && have_libfuzzer; then
  build_fuzz_targets
  failed=0
  for t in $(fuzz_targets); do
    # -runs=0: every input of the corpus once, then stop.
    if ! "${KORVALIN_FUZZ_DIR:-build-fuzz}/bin/$t" -runs=0 "fuzz/corpus/$t" >"$(build_dir)/$t.replay.log" 2>&1; then
      echo "fuzz replay $t failed:"; tail -n 30 "$(build_dir)/$t.replay.log"; failed=$((failed + 1))
    fi
  done
  count=$(fuzz_targets | wc -l)
  echo "fuzz replays with clang and libFuzzer:"
  echo "replay: $((count - failed)) passed, $failed failed"
  [ "$failed" -eq 0 ]
fi
