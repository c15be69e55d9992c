#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless). The tests
# run once, in one build under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/); the benchmarks are built there too, so that they still
# compile. KORVALIN_SKIP_SANITIZE=1 runs them in the plain build (build/)
# instead. The fuzz targets replay their seed corpora there as tests; with
# KORVALIN_LIBFUZZER=1 (and clang with libFuzzer installed) they are built as
# libFuzzer programs with clang too and replay once more under libFuzzer.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-deps.sh
ensure_packages
ensure_german_locale
if [ "${KORVALIN_SKIP_SANITIZE:-0}" != 1 ]; then
  export KORVALIN_BUILD_DIR="${KORVALIN_BUILD_DIR:-build-asan}"
  configure_and_build -DSANITIZE=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$KORVALIN_CHECK_FLAGS" "$@"
else
  configure_and_build "$@"
fi
(cd "$(build_dir)" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
if [ "${KORVALIN_LIBFUZZER:-0}" = 1 ] && have_libfuzzer; then
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
