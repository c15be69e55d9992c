#!/usr/bin/env bash
# start_virtual_display: a clear failure when Xvfb does not start, and, where
# Xvfb is installed, two displays at once that do not clash.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
failures=0
check() { if ! eval "$2"; then echo "FAILED: $1"; failures=$((failures + 1)); fi; }

# An Xvfb that dies at once.
stub=$(mktemp -d)
printf '#!/bin/sh\necho "Fatal server error: no screens" >&2\nexit 1\n' >"$stub/Xvfb"
chmod +x "$stub/Xvfb"
out=$(PATH="$stub:$PATH" bash -c "source '$here/virtual-display.sh'; start_virtual_display" 2>&1)
rc=$?
check "a dead Xvfb fails" '[ "$rc" -ne 0 ]'
check "and says so" '[[ "$out" == *"Xvfb did not start"*"no screens"* ]]'
rm -rf "$stub"

if command -v Xvfb >/dev/null; then
  first=$(mktemp)
  bash -c "source '$here/virtual-display.sh'; start_virtual_display && echo \$DISPLAY >'$first' && sleep 3" &
  for _ in $(seq 50); do [ -s "$first" ] && break; sleep 0.1; done
  second=$(bash -c "source '$here/virtual-display.sh'; start_virtual_display && echo \$DISPLAY")
  wait
  check "a display is given" '[[ "$second" == :[0-9]* ]]'
  check "two at once do not clash" '[ "$(cat "$first")" != "$second" ]'
  rm -f "$first"
fi
echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
[ "$failures" -eq 0 ]
