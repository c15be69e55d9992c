#!/usr/bin/env bash
# datenblaetter runs without a screen: a message the program would show in a
# box (here the message on a line style beyond what the settings offer, in
# the project's own settings file) goes to stderr, and the tool ends
# with a failure instead of waiting for ever on a box nobody sees.
set -u
werkzeug=$1
daten=$2
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
mkdir -p "$ordner/aus" "$ordner/data" "$ordner/config"
cp "$daten/beispiel.pro" "$ordner/"
printf '[BauteilGrafik]\r\nDampfLinie=1,9\r\n' >"$ordner/beispiel.ini"
XDG_DATA_HOME="$ordner/data" XDG_CONFIG_HOME="$ordner/config" QT_QPA_PLATFORM=offscreen \
  timeout 300 "$werkzeug" "$ordner/beispiel.pro" "$ordner/aus" >"$ordner/out" 2>"$ordner/err"
rc=$?
failures=0
check() { if ! eval "$2"; then echo "FAILED: $1"; failures=$((failures + 1)); fi; }
check "ends, with a failure (exit $rc)" '[ "$rc" -eq 1 ]'
check "the message is on stderr" 'grep -q "^Layout-Einstellungen: .*beispiel.ini" "$ordner/err"'
check "the sheets are printed all the same" 'ls "$ordner/aus" | grep -q "\.pdf$"'
echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
[ "$failures" -eq 0 ]
