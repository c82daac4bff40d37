#!/usr/bin/env bash
# The saver under real input from the X server: small pointer jitter and a
# Shift press leave it running; a larger movement ends it.
set -u
scr=$1
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
running() { kill -0 "$pid" 2>/dev/null; }

xdotool mousemove 500 400
wine "$scr" /s >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  xdotool search --name '^gulpleaf saver$' >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --name '^gulpleaf saver$' >/dev/null 2>&1 || fail "saver window did not appear"
sleep 1
for d in "3 0" "-3 2" "0 -4" "4 4"; do
  xdotool mousemove_relative -- $d
  sleep 0.2
done
xdotool key shift
sleep 1
running || fail "jitter of under 6 pixels or Shift ended the saver"
xdotool mousemove_relative -- 40 0
sleep 0.2
xdotool mousemove_relative -- 5 5
for _ in $(seq 1 100); do
  running || break
  sleep 0.1
done
running && fail "a 40-pixel movement did not end the saver"
wait "$pid"
code=$?
[ "$code" -eq 0 ] || fail "exit code $code"
echo "1 passed, 0 failed"
