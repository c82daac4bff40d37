#!/usr/bin/env bash
# Usage: first_picture.sh [rounds] [picture]
# Time to the first picture: how long after its process starts each saver's
# full-screen mode (/s) lights the screen, the sample slideshow saver against
# the plant saver as the reference, under Wine on a private 1024 x 768 Xvfb
# with one persistent wineserver. Run after scripts/build.sh.
#
# Each round starts each saver once, one after the other, the order turning
# from round to round. A small X program (first_picture_probe.c, built here
# with the host compiler) starts the saver and samples nine rows of the
# screen (all but the left 320 columns, where the slideshow's progress bar
# sits) until some pixels are neither black nor white: the time from just
# before the start to that look is the time to the picture. A look takes
# about 0.2-0.5 ms and the probe pauses 1 ms between looks, so the times are
# good to about 2 ms. It also notes when a window covering the whole screen
# was mapped (the saver's window, still black). The saver is then ended with
# mouse moves.
#
# The slideshow saver continues where it stopped and shuffles its pictures, so
# each run is started on the same picture: number `picture` of the sample
# collection (default 2, a 1024 x 768 photograph that fills the screen as it
# is; 1 is a 1600 x 1200 one that is shrunk and gets a badge stamped on it).
#
# Prints the medians over the rounds and the ratio slideshow / plant of the
# "picture" medians. FIRST_PICTURE_SLIDESHOW names another slideshow saver to
# time instead of the sample one; FIRST_PICTURE_BASELINE a second one timed
# in the same rounds (an earlier build, say), reported as "baseline". With
# LUMISHOW_TRACE=1 in the environment the slideshow saver also writes its
# start-up trace (see slideshow/engine/StartupTrace.h), one file per run, and
# the script prints the median time of every mark up to the first picture.
#
# The runs use their own Wine prefix (build/wineprefix-bench), so the test
# prefix and its settings files are left alone.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
rounds=${1:-9}
picture=${2:-2}
plant=$root/build/win32/plantsaver/gulpleafSaver.scr
slides=${FIRST_PICTURE_SLIDESHOW:-$root/build/win32/slideshow/LumishowSample.scr}
baseline=${FIRST_PICTURE_BASELINE:-}
for f in "$plant" "$slides" ${baseline:+"$baseline"}; do
  [ -f "$f" ] || { echo "missing $f (run scripts/build.sh first)" >&2; exit 1; }
done

probe=$root/build/bench/first_picture_probe
mkdir -p "$root/build/bench"
if [ ! -x "$probe" ] || [ "$root/tools/bench/first_picture_probe.c" -nt "$probe" ]; then
  cc -O2 -Wall -o "$probe" "$root/tools/bench/first_picture_probe.c" -lX11 || exit 1
fi

source "$root/scripts/wine-env.sh"
export WINEPREFIX=$root/build/wineprefix-bench
unset DISPLAY
work=$(mktemp -d)
cleanup() {
  zeb_stop_all
  rm -rf "$work"
}
trap cleanup EXIT
zeb_start_xvfb 1024x768x24 || exit 1
zeb_start_wine
windows=$WINEPREFIX/drive_c/windows
# Lets the wineserver and the new prefix settle before anything is timed.
wine cmd /c exit >/dev/null 2>&1
sleep 1

# Moves the mouse until the saver has gone; ends it by its process id if
# it is still there after a few seconds.
end_saver() {
  local pid=$1 i
  sleep 0.8  # past the saver's start grace, which ignores input
  for i in $(seq 1 25); do
    kill -0 "$pid" 2>/dev/null || break
    xdotool mousemove_relative -- 40 0 >/dev/null 2>&1
    sleep 0.1
    xdotool mousemove_relative -- -40 5 >/dev/null 2>&1
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "saver $pid did not end on input; ending it" >&2
    kill "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
  sleep 0.5
}

run_one() {  # kind round -> appends "kind picture mapped" to results
  local kind=$1 round=$2 program line pid
  if [ "$kind" != plant ]; then
    program=$slides
    [ "$kind" = baseline ] && program=$baseline
    printf '[Status]\r\nCurCollection=1\r\nNextImage=%s\r\n' "$picture" >"$windows/KVSE_Screen_Saver.ini"
  else
    program=$plant
  fi
  local trace=""
  if [ "${LUMISHOW_TRACE:-0}" = 1 ] && [ "$kind" = slideshow ]; then
    trace=$work/trace-$round.txt
    rm -f "$trace"
    export LUMISHOW_STARTUP_TRACE="Z:${trace//\//\\}"
  else
    unset LUMISHOW_STARTUP_TRACE
  fi
  # The probe starts the saver itself, so the time counts from its start.
  # Its own output goes to the work folder, not into the pipe.
  line=$("$probe" 320 0 704 768 8000 -- wine "$program" /s 2>/dev/null </dev/null) ||
    echo "round $round $kind: no picture within 8 s ($line)" >&2
  pid=$(sed -n 's/.* pid \([0-9]*\).*/\1/p' <<<"$line")
  [ -n "$pid" ] && end_saver "$pid"
  echo "$kind $(awk '{print $4, $2}' <<<"$line")" >>"$work/results"
  # The trace counts from the process's creation; the probe's start lies a
  # little before it.
  if [ -n "$trace" ] && [ -f "$trace" ]; then
    awk -v started="$(sed -n 's/.* started \([0-9.]*\).*/\1/p' <<<"$line")" \
      '$1 == "#" && $2 == "created" { print $3 - started }' "$trace" >>"$work/created"
  fi
  echo "round $round $kind: $line" >&2
}

kinds=(plant slideshow)
[ -n "$baseline" ] && kinds+=(baseline)
for round in $(seq 1 "$rounds"); do
  for i in "${!kinds[@]}"; do
    run_one "${kinds[$(((i + round) % ${#kinds[@]}))]}" "$round"
  done
done

median() { sort -n | awk '{v[NR] = $1} END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { awk -v k="$1" -v c="$2" '$1 == k && $c >= 0 {print $c}' "$work/results" | median; }
pp=$(column plant 2); pm=$(column plant 3)
sp=$(column slideshow 2); sm=$(column slideshow 3)
echo "medians over $rounds rounds, ms from process start (slideshow starting on picture $picture):"
echo "                   picture on screen   full-screen window mapped"
printf '  plant saver:     %8s            %8s\n' "$pp" "$pm"
printf '  slideshow saver: %8s            %8s\n' "$sp" "$sm"
if [ -n "$baseline" ]; then
  bp=$(column baseline 2); bm=$(column baseline 3)
  printf '  baseline:        %8s            %8s\n' "$bp" "$bm"
  awk -v s="$bp" -v p="$pp" 'BEGIN { if (p > 0) printf "  baseline / plant (picture): %.2f, difference %.0f ms\n", s / p, s - p }'
fi
awk -v s="$sp" -v p="$pp" 'BEGIN { if (p > 0) printf "  slideshow / plant (picture): %.2f, difference %.0f ms\n", s / p, s - p }'

if [ "${LUMISHOW_TRACE:-0}" = 1 ]; then
  echo "slideshow start-up marks, median ms since the process was created (created $(median <"$work/created") ms after the start):"
  # Each trace up to the first picture on screen; a mark passed twice is
  # told apart by a count after its name.
  for t in "$work"/trace-*.txt; do
    [ -f "$t" ] || continue
    tr -d '\r' <"$t" | awk '$1 == "#" { next } { t = $1; $1 = ""; $2 = ""; sub(/^ +/, ""); k = $0 (seen[$0]++ ? " #" seen[$0] : "");
                             printf "%s\t%s\n", k, t; if ($0 == "picture drawn") exit }'
  done | sort -t$'\t' -k1,1 -s | awk -F'\t' '
    { if ($1 != key && key != "") flush(); key = $1; v[++n] = $2 }
    function flush(   i, j, x, m) {
      for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (v[j] < v[i]) { x = v[i]; v[i] = v[j]; v[j] = x }
      m = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
      printf "  %8.1f  %s\n", m, key; n = 0 }
    END { if (n) flush() }' | sort -n
fi
