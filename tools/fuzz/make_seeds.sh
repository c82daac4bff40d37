#!/usr/bin/env bash
# Writes the fuzz seeds in the exact form the harnesses read: a mode byte,
# then the picture or saver file. The results are committed under seeds/; run
# this again after changing the test pictures or the package layout.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
pictures="$root/tests/slideshow/imaging/data"
out="$here/seeds"
rm -rf "$out/decode" "$out/package"
mkdir -p "$out/decode" "$out/package"

byte() { printf "\\$(printf '%03o' "$1")"; }
# A 32-bit little-endian word.
word() { byte $(($1 & 255)); byte $(($1 >> 8 & 255)); byte $(($1 >> 16 & 255)); byte $(($1 >> 24 & 255)); }

# decode: each test picture under four modes (the mode byte picks the resize
# target and the colour work that follow the decode: grey, few colours, none,
# and the two median-cut reductions).
for picture in "$pictures"/*.jpg "$pictures"/*.bmp; do
  name=$(basename "$picture")
  for mode in 0x10 0x11 0x4a 0x42 0x03; do
    { byte $((mode)); cat "$picture"; } >"$out/decode/$name-$mode"
  done
done

# decode: the kinds of file the test pictures leave out, small, made with
# ImageMagick: bitmaps of every depth and layout the decoder reads, and JPEGs
# with other sampling, four components, and progressive scans with restarts.
if command -v convert >/dev/null; then
  made=$(mktemp -d)
  gradient=(-size 16x12 gradient:red-blue)
  convert "${gradient[@]}" -type TrueColor BMP3:"$made/rgb24.bmp"
  convert "${gradient[@]}" -type TrueColorAlpha -define bmp:format=bmp4 BMP:"$made/rgba32.bmp"
  convert "${gradient[@]}" -define bmp:subtype=RGB565 BMP:"$made/rgb565.bmp"
  convert "${gradient[@]}" -colors 16 -type Palette BMP3:"$made/palette16.bmp"
  convert "${gradient[@]}" -monochrome BMP3:"$made/mono.bmp"
  convert "${gradient[@]}" -sampling-factor 4:1:1 -quality 80 "$made/sampled411.jpg"
  convert "${gradient[@]}" -sampling-factor 1x2 -quality 90 "$made/sampled440.jpg"
  convert "${gradient[@]}" -colorspace CMYK -quality 80 "$made/cmyk.jpg"
  convert "${gradient[@]}" -interlace Plane -sampling-factor 2x2 \
    -define jpeg:restart-interval=1 -quality 60 "$made/progressive-restart.jpg"
  mode=0x10
  for picture in "$made"/*; do
    { byte $((mode)); cat "$picture"; } >"$out/decode/$(basename "$picture")-$mode"
    mode=$([ $mode = 0x10 ] && echo 0x42 || echo 0x10)
  done
  rm -rf "$made"
else
  echo "make_seeds: no ImageMagick (convert); only the test pictures become decode seeds" >&2
fi

# package: small saver files, a fake engine program followed by a package.
# entry NAME DATA: one entry with its data.
entry() {
  word 0x00977019
  word 1
  printf '%s' "$1"
  head -c $((256 - ${#1})) /dev/zero
  word ${#2}
  printf '%s' "$2"
}
# saver FILE MODE ENGINE_BYTES VERSION ENTRY_FILE: the entries come ready made
# in ENTRY_FILE, with their count and total size.
saver() {
  local file=$1 mode=$2 engine=$3 version=$4 entries=$5 count=$6 total=$7
  {
    byte "$mode"
    head -c "$engine" /dev/zero | tr '\0' 'M'
    word 0x00790A0F
    word "$version"
    word "$count"
    word "$total"
    cat "$entries"
    word 0x00790A0F
    word "$engine"
  } >"$file"
}
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT

{
  entry Settings.ini "[General_Settings]"
  entry Pics.cvn "[General]"
  entry a.jpg ""
  entry b.thu "BMthumb"
} >"$tmp"
saver "$out/package/plain" 0 64 1 "$tmp" 4 34
saver "$out/package/flipped-case" 28 64 1 "$tmp" 4 34
saver "$out/package/failing-reads" 9 64 1 "$tmp" 4 34
saver "$out/package/from-disk" 3 64 1 "$tmp" 4 34
saver "$out/package/other-version" 0 16 2 "$tmp" 4 34

{
  entry "../Settings.ini" "[x]"
  entry "Settings.ini" "[General_Settings]"
  entry "SETTINGS.INI" "[second]"
  entry "C:evil" "x"
  entry "dir\\name" "y"
} >"$tmp"
saver "$out/package/hostile-names" 4 32 1 "$tmp" 5 40

: >"$tmp"
saver "$out/package/empty" 0 8 1 "$tmp" 0 0
