#!/usr/bin/env bash
# Builds the programs and runs the plant saver full-screen under Wine.
# With a display (DISPLAY set) the saver runs there until you move the mouse or
# press a key, and then the preview is shown in a stand-in for the Display
# Properties dialog. Without one, a private Xvfb is used and screenshots are
# written to out/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" || { echo "build failed"; exit 1; }
source "$root/scripts/wine-env.sh"
scr="$root/build/win32/plantsaver/gulpleafSaver.scr"
host="$root/build/win32/tools/previewhost/previewhost.exe"

if [ -n "${DISPLAY:-}" ]; then
  zeb_start_wine
  echo "Running the plant saver full-screen; move the mouse or press a key to end it."
  wine "$scr" /s
  echo "Showing the preview for 15 seconds."
  wine "$host" 15
  wineserver -k
  exit 0
fi

out="$root/out"
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.gif
zeb_start_xvfb 1024x768x24 || exit 1
trap zeb_stop_all EXIT
zeb_start_wine
shot() { xwd -root -silent | convert xwd:- "$1"; }

xdotool mousemove 512 384
wine "$scr" /s >/dev/null 2>&1 &
saver=$!
for _ in $(seq 1 100); do
  xdotool search --name '^gulpleaf saver$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 2
mkdir -p "$out/frames"
for i in $(seq -w 1 40); do
  shot "$out/frames/$i.png"
  sleep 0.1
done
cp "$out/frames/01.png" "$out/saver.png"
convert -delay 10 -loop 0 "$out"/frames/*.png -scale 50% "$out/saver.gif"
rm -rf "$out/frames"
xdotool mousemove_relative -- 50 0
sleep 0.3
xdotool mousemove_relative -- 5 5
for _ in $(seq 1 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$saver" 2>/dev/null; then
  echo "the saver did not end on mouse movement" >&2
  kill "$saver"
fi

wine "$host" 6 >/dev/null 2>&1 &
hostpid=$!
sleep 3
shot "$out/preview.png"
wait "$hostpid"
echo "Screenshots: $out/saver.png (full-screen saver), $out/saver.gif (4 s of it), $out/preview.png (preview)"
