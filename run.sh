#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-deps.sh
# A desktop calculator for "Taschenrechner" (xcalc of x11-apps, the smallest
# one Debian has) and the MIME database tool that maps project files to the
# program, unless the machine has them already.
ensure_packages shared-mime-info
ensure_calculator
configure_and_build -DKORVALIN_TESTS=OFF -DKORVALIN_BENCH=OFF
exec "$(build_dir)/bin/korvalin" "$@"
