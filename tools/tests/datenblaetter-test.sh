#!/usr/bin/env bash
# datenblaetter: --help answers with the usage, and a missing output folder
# is made rather than every print failing.
#     datenblaetter-test.sh <datenblaetter binary> <data folder>
set -u
prog=$1
data=$2
failures=0
check() { if ! eval "$2"; then echo "FAILED: $1"; failures=$((failures + 1)); fi; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" TMPDIR="$work"
export QT_QPA_PLATFORM=offscreen

out=$("$prog" --help 2>"$work/err")
rc=$?
check "--help exits 0" '[ "$rc" -eq 0 ]'
check "--help prints the usage" '[[ "$out" == *"datenblaetter [--alle-ausweise] <projekt.pro> [ordner]"* ]]'

"$prog" >/dev/null 2>&1
rc=$?
check "no project is an error" '[ "$rc" -eq 2 ]'

cp "$data/beispiel.pro" "$work/"
"$prog" "$work/beispiel.pro" "$work/neu/blaetter" >"$work/out" 2>&1
rc=$?
check "a missing folder is made (exit $rc)" '[ "$rc" -eq 0 ]'
check "the sheets land in it" '[ -s "$work/neu/blaetter/blatt03_massenermittlung.pdf" ]'

: >"$work/datei"
"$prog" "$work/beispiel.pro" "$work/datei/unter" >/dev/null 2>"$work/err"
rc=$?
check "a folder that cannot be made is an error" '[ "$rc" -eq 1 ]'
check "and says so" 'grep -q "Ordner kann nicht angelegt werden" "$work/err"'

if [ "$failures" -ne 0 ]; then cat "$work/out"; exit 1; fi
echo "datenblaetter: all checks passed"
