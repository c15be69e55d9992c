#!/usr/bin/env bash
# Measures the time from process start to the first painted frame of the main
# window, on a virtual X display, a few times: tools/startup-time.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
program="${KORVALIN_BUILD_DIR:-build}/bin/startup-time"
[ -x "$program" ] || { echo "build first: $program" >&2; exit 1; }
home=$(mktemp -d)
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1
for _ in $(seq "$runs"); do
  DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    KORVALIN_T0=$(date +%s%N) "$program" 2>/dev/null
done
