#!/usr/bin/env bash
# Sourced by the tools that start the program on a virtual X display.
# start_virtual_display starts Xvfb on a display of its own, points the
# program's display, settings and data at it and at a fresh temporary folder
# (the user's own stay untouched), and on exit stops Xvfb and $program_pid
# (when set) and removes the folder. Needs Xvfb (apt-get install xvfb).
# It returns non-zero with a message when Xvfb cannot be started.

start_virtual_display() {
  home=$(mktemp -d)
  trap 'kill ${program_pid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$home"' EXIT
  if ! command -v Xvfb >/dev/null; then
    echo "virtual-display: Xvfb is not installed (apt-get install xvfb)" >&2
    return 1
  fi
  # Xvfb takes the first free display itself and writes its number here:
  # no guessing, no clash with a display another program holds.
  local number_file="$home/display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" \
    >"$home/xvfb.log" 2>&1 &
  xvfb=$!
  local waited=0
  while [ ! -s "$number_file" ]; do
    if ! kill -0 "$xvfb" 2>/dev/null || [ "$waited" -ge 100 ]; then
      echo "virtual-display: Xvfb did not start:" >&2
      tail -n 5 "$home/xvfb.log" >&2
      kill "$xvfb" 2>/dev/null || true
      xvfb=
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  export DISPLAY=:$(tr -dc 0-9 <"$number_file") QT_QPA_PLATFORM=xcb
  export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
}
