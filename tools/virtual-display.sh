#!/usr/bin/env bash
# Sourced by the tools that start the program on a virtual X display.
# start_virtual_display starts Xvfb on a display of its own, points the
# program's display, settings and data at it and at a fresh temporary folder
# (the user's own stay untouched), and on exit stops Xvfb and $program_pid
# (when set) and removes the folder. Needs Xvfb (apt-get install xvfb).

start_virtual_display() {
  home=$(mktemp -d)
  local display=:$(( 90 + RANDOM % 100 ))
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill ${program_pid:-} "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
  export DISPLAY=$display QT_QPA_PLATFORM=xcb
  export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
  sleep 1
}
