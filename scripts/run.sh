#!/usr/bin/env bash
# Builds the programs and runs the plant saver full-screen under Wine
# (`run.sh slideshow`: the sample slideshow saver instead).
# With a display (DISPLAY set) the saver runs there until you move the mouse or
# press a key, and then the preview is shown in a stand-in for the Display
# Properties dialog. Without one, a private Xvfb is used and screenshots are
# written to out/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Set-up first, so that a package that cannot be installed is named as such.
bash "$root/scripts/deps.sh" || { echo "set-up failed: see the deps lines above"; exit 1; }
bash "$root/scripts/build.sh" || { echo "build failed"; exit 1; }
source "$root/scripts/wine-env.sh"
scr="$root/build/win32/plantsaver/gulpleafSaver.scr"
host="$root/build/win32/tools/previewhost/previewhost.exe"
sample="$root/build/win32/slideshow/LumishowSample.scr"
what=${1:-plant}

if [ -n "${DISPLAY:-}" ] && [ "$what" = slideshow ]; then
  zeb_start_wine
  echo "Running the sample slideshow saver full-screen; move the mouse or press a key to end it."
  wine "$sample" /s
  echo "Opening its viewer (configuration mode); close it to finish."
  wine "$sample" /c
  wineserver -k
  exit 0
fi
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
# Captures the screen into $frames as FIRST.xwd .. LAST.xwd, PAUSE seconds apart.
frames="$out/frames"
capture() {
  rm -rf "$frames"
  mkdir -p "$frames"
  local i
  for i in $(seq "$1" "$2"); do
    xwd -root -silent -out "$frames/$i.xwd"
    sleep "$3"
  done
}

xdotool mousemove 512 384
# Start a few seconds into the scene so that the fly is already on its way in.
GULPLEAF_FAST_FORWARD=${GULPLEAF_FAST_FORWARD:-100} wine "$scr" /s >/dev/null 2>&1 &
saver=$!
for _ in $(seq 1 100); do
  xdotool search --name '^gulpleaf saver$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1.5
capture 1000 1220 0.04
convert "xwd:$frames/1000.xwd" "$out/saver.png"
convert "xwd:$frames/1220.xwd" "$out/saver-later.png"
# Every other frame at half size keeps the animation within ImageMagick's memory limits.
for f in "$frames"/*[02468].xwd; do convert "xwd:$f" -scale 50% "${f%.xwd}.png"; done
convert -delay 14 -loop 0 "$frames"/*.png -layers Optimize "$out/saver.gif"
rm -rf "$frames"
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
wine "$sample" /s >/dev/null 2>&1 &
slideshow=$!
# The first picture, and two later ones (with titles and, when the package's
# message frequency picks one, the caption bar).
sleep 5
shot "$out/slideshow-saver.png"
# The change to the second picture (the first stands for 12 seconds), frame
# by frame, for a short GIF of an effect at work.
sleep 5
capture 100 249 0.05
for f in "$frames"/*.xwd; do convert "xwd:$f" -scale 50% "${f%.xwd}.png"; done
convert -delay 10 -loop 0 "$frames"/*.png -layers RemoveDups -layers Optimize \
  "$out/slideshow-effect.gif"
rm -rf "$frames"
shot "$out/slideshow-later.png"
sleep 22
shot "$out/slideshow-third.png"
xdotool key a
sleep 0.5
# The pointer off the viewer, so no tool tip covers it; the jump also ends
# the saver if the key did not. A saver still running would refuse the viewer.
xdotool mousemove 1000 740
for _ in $(seq 1 100); do kill -0 "$slideshow" 2>/dev/null || break; sleep 0.1; done
wine "$sample" /c >/dev/null 2>&1 &
for _ in $(seq 1 100); do
  xdotool search --name '^Lumishow Sample Saver$' >/dev/null 2>&1 && break
  sleep 0.1
done
# Past the start-up sound's wait cursor, with the second picture selected.
sleep 2
xdotool search --name '^Lumishow Sample Saver$' windowfocus key Right
sleep 1
shot "$out/slideshow-viewer.png"
wineserver -k
echo "Sample slideshow saver: $out/slideshow-saver.png, slideshow-later.png, slideshow-third.png (/s), $out/slideshow-effect.gif (a change of pictures by an effect; half size) and $out/slideshow-viewer.png (/c)"
echo "Screenshots: $out/saver.png and $out/saver-later.png (full-screen saver), $out/saver.gif (about 20 s of it: the fly crossing; half size), $out/preview.png (preview)"
