#!/usr/bin/env bash
# Measures the time from process start to the first painted frame of the main
# window, on a virtual X display, a few times: tools/startup-time.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/virtual-display.sh
runs=${1:-5}
program="${KORVALIN_BUILD_DIR:-build}/bin/startup-time"
[ -x "$program" ] || { echo "build first: $program" >&2; exit 1; }

start_virtual_display
for _ in $(seq "$runs"); do
  KORVALIN_T0=$(date +%s%N) "$program" 2>/dev/null
done
