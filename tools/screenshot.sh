#!/usr/bin/env bash
# Starts the program on a virtual X display and saves a PNG of the screen:
#   tools/screenshot.sh [out.png] [seconds to wait] [program arguments...]
# Needs Xvfb and ImageMagick's import (apt-get install xvfb imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/virtual-display.sh
out=${1:-korvalin.png}
wait=${2:-6}
shift $(( $# > 2 ? 2 : $# ))
program="${KORVALIN_BUILD_DIR:-build}/bin/korvalin"
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }

start_virtual_display
LC_ALL=de_DE.UTF-8 "$program" "$@" &
program_pid=$!
sleep "$wait"
import -window root "$out"
echo "$out"
