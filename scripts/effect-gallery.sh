#!/usr/bin/env bash
# The transition effects, looked at and timed. Builds, then runs the effect
# gallery tool under Wine on a private Xvfb and prefix (never ~/.wine or your
# display):
#   bash scripts/effect-gallery.sh           one animated GIF per effect and speed
#                                            under out/effects/, and
#                                            out/effects/contact-sheet.png
#   bash scripts/effect-gallery.sh bench     every effect's duration and drawing
#                                            calls at each speed, 1024 x 768, on a
#                                            window on the screen
#   bash scripts/effect-gallery.sh bench memory   the same on a memory DIB
# The pictures are two of the generated sample pictures, decoded and resized
# by the engine's own imaging code.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-gallery}
target=${2:-window}
if [ "${EFFECT_GALLERY_NO_BUILD:-0}" != 1 ]; then
  bash "$root/scripts/build.sh" >/dev/null || { echo "build failed" >&2; exit 1; }
fi
source "$root/scripts/wine-env.sh"
tool="$root/build/win32/tools/effectgallery/effectgallery.exe"
samples="$root/build/native/gen/sample/content"
from="$samples/Pic04.jpg"  # the city at night
to="$samples/Pic02.jpg"    # the sunset over the sea
for f in "$tool" "$from" "$to"; do
  [ -e "$f" ] || { echo "missing $f (build first)" >&2; exit 1; }
done

zeb_start_xvfb 1024x768x24
trap zeb_stop_all EXIT
zeb_start_wine
winpath() { winepath -w "$1" 2>/dev/null; }

if [ "$what" = bench ]; then
  wine "$tool" bench "$(winpath "$from")" "$(winpath "$to")" "$target"
  exit 0
fi

out="$root/out/effects"
work="$root/build/effect-gallery"
rm -rf "$out" "$work"
mkdir -p "$out" "$work"
sheet=()
count=$(wine "$tool" names | wc -l)
for index in $(seq 0 $((count - 1))); do
  for speed in 1 2 3; do
    dir="$work/$index-$speed"
    mkdir -p "$dir"
    wine "$tool" frames "$(winpath "$dir")" "$index" "$speed" "$(winpath "$from")" \
      "$(winpath "$to")" 25
    name=$(head -n 1 "$dir/name.txt" | tr -d '\r')
    slug=$(printf '%02d-%s' "$index" "$name" | tr 'A-Z ' 'a-z-')
    frames=("$dir"/frame-*.bmp)
    last=$((${#frames[@]} - 1))
    # The old picture and the finished new one stay a moment; the frames
    # between play at a steady pace.
    convert -delay 60 "${frames[0]}" -delay 8 "${frames[@]:1:$((last - 1))}" \
      -delay 150 "${frames[$last]}" -scale 50% -loop 0 -layers Optimize \
      "$out/$slug-speed$speed.gif"
    if [ "$speed" = 2 ]; then
      # Four moments of the medium speed and the end, for the contact sheet.
      for share in 20 40 60 80 100; do
        pick=$(((last * share + 50) / 100))
        [ "$pick" -lt 1 ] && pick=1
        tile="$work/sheet-$(printf '%02d' "$index")-$share.png"
        convert "${frames[$pick]}" -scale 240x180 "$tile"
        sheet+=(-label "$name  $share%" "$tile")
      done
    fi
  done
  echo "$name"
done
montage -font DejaVu-Sans -pointsize 13 "${sheet[@]}" -tile 5x -geometry 240x180+4+4 \
  -background '#202020' -fill white "$out/contact-sheet.png"
rm -rf "$work"
echo "Wrote $(ls "$out"/*.gif | wc -l) GIFs and contact-sheet.png to $out"
