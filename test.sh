#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-deps.sh
ensure_packages
ensure_german_locale
configure_and_build "$@"
cd "$(build_dir)"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
