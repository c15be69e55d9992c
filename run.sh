#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-deps.sh
ensure_packages
configure_and_build -DKORVALIN_TESTS=OFF -DKORVALIN_BENCH=OFF
exec "$(build_dir)/bin/korvalin" "$@"
