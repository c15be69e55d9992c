#!/usr/bin/env bash
# Starts the program on a virtual X display and saves a PNG of the screen:
#   tools/screenshot.sh [out.png] [seconds to wait] [program arguments...]
# Settings and data go to a fresh temporary folder, so the user's stay untouched.
# Needs Xvfb and ImageMagick's import (apt-get install xvfb imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-korvalin.png}
wait=${2:-6}
shift $(( $# > 2 ? 2 : $# ))
program="${KORVALIN_BUILD_DIR:-build}/bin/korvalin"
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }

home=$(mktemp -d)
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill ${program_pid:-} "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
  LC_ALL=de_DE.UTF-8 "$program" "$@" &
program_pid=$!
sleep "$wait"
DISPLAY=$display import -window root "$out"
echo "$out"
