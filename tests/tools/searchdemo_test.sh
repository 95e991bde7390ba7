#!/usr/bin/env bash
# The demo's road of one search runs end to end: the criteria the prompt builds are the
# ones the viewer is given, and each step leaves its picture.
# Usage: searchdemo_test.sh SEARCHDEMO DOCUMENT SCRATCH_DIR
set -uo pipefail
demo=$1 document=$2 dir=$3
rm -rf "$dir" && mkdir -p "$dir/temp"
if ! TEMP="$dir/temp" "$demo" "$dir/search" "$document" >"$dir/out" 2>&1; then
  echo "FAIL: searchdemo exited $?"; cat "$dir/out"; exit 1
fi
want='MyCode:        (((TEXT contains (contract))) or (TEXT contains (Müller)))'
grep -qxF -- "$want" "$dir/out" || { echo "FAIL: no \"$want\" in:"; cat "$dir/out"; exit 1; }
for png in steps html rtf; do
  [ "$(head -c 4 "$dir/search_$png.png" | tail -c 3)" = PNG ] || { echo "FAIL: no $png view"; exit 1; }
done
cmp -s "$dir/search_html.png" "$dir/search_rtf.png" && { echo "FAIL: both views alike"; exit 1; }
grep -q "^TheView = 1: " "$dir/out" || { echo "FAIL: the rich-text view was not shown"; exit 1; }
exit 0
