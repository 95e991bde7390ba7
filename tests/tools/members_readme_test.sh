#!/usr/bin/env bash
# README's table of the classes and members that work today is what `paginorctl members`
# prints now: a copy of README brought up to date by scripts/update-members must not differ.
# Usage: members_readme_test.sh UPDATE_MEMBERS PAGINORCTL README SCRATCH_DIR
set -uo pipefail
update=$1 ctl=$2 readme=$3 dir=$4
rm -rf "$dir" && mkdir -p "$dir"
cp "$readme" "$dir/README.md"
if ! "$update" "$ctl" "$dir/README.md"; then
  echo "FAIL: scripts/update-members failed"
  exit 1
fi
if ! diff -u "$readme" "$dir/README.md"; then
  echo "FAIL: README.md's members section is out of date: run scripts/update-members"
  exit 1
fi
echo "README.md's members section is up to date"
