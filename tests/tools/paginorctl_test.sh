#!/usr/bin/env bash
# paginorctl as a person uses it: exit codes, what list shows after register, that a
# corrupt registry is named with its line and left alone, and the extracted bitmaps.
# Usage: paginorctl_test.sh PAGINORCTL LIBRARY SCRATCH_DIR
set -uo pipefail
ctl=$1 lib=$2 dir=$3
rm -rf "$dir" && mkdir -p "$dir"
export PAGINOR_REGISTRY="$dir/registry"
failed=0
check() { # check DESCRIPTION EXPECTED_STATUS COMMAND...
  local what=$1 want=$2
  shift 2
  "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  if [ "$got" != "$want" ]; then
    echo "FAIL: $what: exit $got, expected $want"; cat "$dir/out" "$dir/err"; failed=1
  fi
}
expect_text() { # expect_text DESCRIPTION FILE TEXT
  if ! grep -qF -- "$3" "$2"; then echo "FAIL: $1: no \"$3\" in:"; cat "$2"; failed=1; fi
}

check "no command" 2 "$ctl"
expect_text "usage on error" "$dir/err" "usage: paginorctl COMMAND"
check "unknown command" 2 "$ctl" frobnicate
check "too many arguments" 2 "$ctl" list extra
check "bitmap id out of range" 2 "$ctl" bitmap 29999 "$dir/x.bmp"
check "missing library" 1 "$ctl" register "$dir/none.so"
expect_text "missing library named" "$dir/err" "$dir/none.so"

check "register" 0 "$ctl" register "$lib"
expect_text "register count" "$dir/out" "registered 9 classes"
check "list" 0 "$ctl" list
for c in DDOC HoverButton PromptField clsPromptEvents MultiPrompt cEventBroker GradientButton \
         O2007Hover O2007Check; do
  expect_text "list $c" "$dir/out" "ProgID             PaginorV2CTL.$c"
done
expect_text "list aliases" "$dir/out" "earlier interface  PromptField___v1 {"
expect_text "list total" "$dir/out" "9 classes"

check "info" 0 "$ctl" info "$lib"
expect_text "info version" "$dir/out" "file version       8.2.0.7"
expect_text "info text" "$dir/out" "FileVersion        8.02.0007"
expect_text "info flag" "$dir/out" "self-registering   yes"
check "info on a text file" 1 "$ctl" info "$PAGINOR_REGISTRY"
expect_text "info names the file" "$dir/err" "$PAGINOR_REGISTRY: not an ELF file"

check "bitmap 24 bpp" 0 "$ctl" bitmap 30000 "$dir/30000.bmp"
check "bitmap 4 bpp" 0 "$ctl" bitmap 30006 "$dir/30006.bmp"
[ "$(stat -c %s "$dir/30000.bmp")" = 774 ] || { echo "FAIL: 30000.bmp size"; failed=1; }
[ "$(stat -c %s "$dir/30006.bmp")" = 238 ] || { echo "FAIL: 30006.bmp size"; failed=1; }
check "bitmap into a missing folder" 1 "$ctl" bitmap 30001 "$dir/no/such/x.bmp"

printf '[class A]\nbroken line\n' >>"$PAGINOR_REGISTRY"
cp "$PAGINOR_REGISTRY" "$dir/before"
check "list a corrupt registry" 1 "$ctl" list
expect_text "corrupt named" "$dir/err" "$PAGINOR_REGISTRY:$(wc -l <"$dir/before"): "
check "register into a corrupt registry" 1 "$ctl" register "$lib"
expect_text "register failure" "$dir/err" "DllRegisterServer failed (0x80040201)"
cmp -s "$PAGINOR_REGISTRY" "$dir/before" || { echo "FAIL: corrupt registry changed"; failed=1; }

head -n -2 "$dir/before" >"$PAGINOR_REGISTRY"
check "unregister" 0 "$ctl" unregister "$lib"
check "list after unregister" 0 "$ctl" list
expect_text "nothing left" "$dir/out" "no class of PaginorV2CTL is registered"

[ $failed = 0 ] && echo "paginorctl: all checks passed"
exit $failed
