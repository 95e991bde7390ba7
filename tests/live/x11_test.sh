#!/usr/bin/env bash
# paginor-run on a real X display (a virtual one): the real pointer moves over an
# O2007Hover and clicks it; the script's output must show the Click, a screenshot of the
# window the hover picture, a message box must hold the handler until it is answered,
# typed keys must reach the button, and closing the window must end the program with 0.
# Usage: x11_test.sh PAGINOR_RUN DATA_DIR SCRATCH_DIR. Exit 77 (a skip) only when no
# virtual display can start here.
set -uo pipefail
run=$1 data=$2 dir=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$dir" && mkdir -p "$dir"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$dir/out" "$dir/err" 2>/dev/null; exit 1; }
wait_for() { # wait_for SECONDS COMMAND...: until the command succeeds
  local until=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do [ $SECONDS -lt $until ] || return 1; sleep 0.1; done
}

if ! command -v Xvfb >/dev/null; then echo "SKIP: no Xvfb here"; exit 77; fi
Xvfb -displayfd 3 -screen 0 320x240x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.err" &
pids+=($!)
if ! wait_for 10 test -s "$dir/display"; then
  echo "SKIP: Xvfb cannot start here:"; cat "$dir/xvfb.err"; exit 77
fi
export DISPLAY=":$(cat "$dir/display")"

"$run" "$data/live_hover.frm" --script "$data/live_click.lua" >"$dir/out" 2>"$dir/err" &
app=$!
pids+=($app)
wait_for 10 grep -q ready "$dir/out" || fail "the form did not start"
wait_for 10 xdotool search --name '^Live$' || fail "no window named Live"
wid=$(xdotool search --name '^Live$' | head -1)

pixel() { python3 "$here/xwd_pixel.py" "$1" 24 24; } # the middle of hOne's picture
xwd -id "$wid" -silent >"$dir/rest.xwd" || fail "no screenshot"
xdotool mousemove --window "$wid" 24 24
wait_for 5 bash -c "xwd -id $wid -silent >'$dir/hover.xwd' &&
  [ \"\$(python3 '$here/xwd_pixel.py' '$dir/hover.xwd' 24 24)\" = F09614 ]" ||
  fail "the hover picture does not show: $(pixel "$dir/hover.xwd")"
[ "$(pixel "$dir/rest.xwd")" != F09614 ] || fail "the hover picture showed before the pointer came"
python3 "$here/xwd_pixel.py" "$dir/hover.xwd" "$dir/hover.png"
xdotool click 1
wait_for 5 grep -qx Click "$dir/out" || fail "no Click in the script's output"
# The handler waits in its message box (the form's file name as title) until answered.
wait_for 5 xdotool search --name '^live_hover$' || fail "no message box"
box=$(xdotool search --name '^live_hover$' | head -1)
sleep 0.2
xwd -id "$box" -silent >"$dir/box.xwd" && python3 "$here/xwd_pixel.py" "$dir/box.xwd" "$dir/box.png"
! grep -q confirmed "$dir/out" || fail "the handler went on before the message box was answered"
eval "$(xdotool getwindowgeometry --shell "$box")" # WIDTH, HEIGHT
xdotool mousemove --window "$box" $((WIDTH / 2)) $((HEIGHT - 12 - 11)) click 1 # its OK button
wait_for 5 grep -qx confirmed "$dir/out" || fail "answering the message box did not end it"
kill -0 "$app" 2>/dev/null || fail "the form ended with its message box"

# Keys through the X keyboard mapping to the focused button: a capital with Shift, an
# accented letter and punctuation as characters of their own key (231). xdotool binds a
# spare key to é and unbinds it straight after sending it; on a loaded machine the client
# may read the key after the unbinding and see no character, so those two may be typed
# up to three times.
xdotool mousemove --window "$wid" 60 60 type "A"
wait_for 5 grep -qx "KeyUp.65.1" "$dir/out" || fail "typed text did not reach hOne"
for try in 1 2 3; do
  before=$(grep -c "KeyUp.231.0" "$dir/out")
  xdotool type "é;"
  wait_for 5 bash -c "[ \$(grep -c KeyUp.231.0 '$dir/out') -ge $((before + 2)) ]" && break
  [ "$try" -lt 3 ] || fail "é and ; did not come as characters"
done

xdotool mousemove 300 200 # off the window: the button is at rest again
wait_for 5 bash -c "xwd -id $wid -silent >'$dir/left.xwd' &&
  [ \"\$(python3 '$here/xwd_pixel.py' '$dir/left.xwd' 24 24)\" = $(pixel "$dir/rest.xwd") ]" ||
  fail "the hover picture stayed after the pointer left the window"

xdotool windowclose "$wid"
wait_for 5 bash -c "! kill -0 $app 2>/dev/null" || fail "closing the window did not end the program"
wait "$app"
status=$?
[ "$status" = 0 ] || fail "exit $status after the window closed"
echo "paginor-run on $DISPLAY: hover shown, Click heard, closed with 0"
