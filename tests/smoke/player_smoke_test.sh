#!/usr/bin/env bash
# The player on a virtual X display: it opens a 320x240 window on the example project, is still
# showing it two seconds later, and quits with status 0 on a Q key.
# Usage: player_smoke_test.sh PLAYER PACK (run under xvfb-run).
set -u
player=$1
pack=$2

"$player" "$pack" --window 320x240 &
pid=$!
fail() {
  echo "player smoke test: $*" >&2
  kill "$pid" 2>/dev/null
  exit 1
}

# The window appears once the pack's textures are regenerated.
window=$(timeout 120 xdotool search --sync --onlyvisible --pid "$pid" --name 'Tessarine') ||
  fail "no player window appeared"
window=${window%%$'\n'*}
geometry=$(xdotool getwindowgeometry "$window")
[[ $geometry == *"Geometry: 320x240"* ]] || fail "window is not 320x240: $geometry"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the player ended before it was asked to quit"

xdotool windowfocus --sync "$window" key q
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the player did not quit on Q"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the player quit with status $status"
echo "player smoke test: passed"
