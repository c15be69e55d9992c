#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless); then the
# same tests once more under AddressSanitizer and UndefinedBehaviorSanitizer
# (skip that pass with KORVALIN_SKIP_SANITIZE=1).
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
