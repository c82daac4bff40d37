#!/usr/bin/env bash
# Remakes the photo folder the builder's tests pack: small JPEGs of different
# shapes, one a camera picture lying on its side with an Exif orientation that
# stands it upright, one cut short, one that only pretends to be a JPEG, and a
# file that is not a picture at all. The tests never run this; they read the
# committed files, so the build machine needs no image tools.
set -euo pipefail
cd "$(dirname "$0")"
out=photos
rm -rf "$out"
mkdir "$out"

# Landscape 4:3 and a wide panorama, in names that test the natural order
# (2 before 10) and the title rule (underscores and dashes become spaces).
convert -size 160x120 gradient:'#d04020-#2040c0' -quality 85 "$out/IMG_2.jpg"
convert -size 240x80 gradient:'#20a040-#f0e060' -quality 85 \
  "$out/IMG_10-Lake_Shore.JPEG"

# Stored as 160x120 pixels, meant to be seen as a 120x160 portrait: Exif
# orientation 6 (turn a quarter clockwise). The pixels have a dark left half so
# that a test can tell which way the picture was turned.
convert -size 80x120 xc:'#101010' -size 80x120 xc:'#f0f0f0' +append -quality 90 plain.jpg
# APP1 segment: "Exif\0\0", little-endian TIFF header, one directory entry
# (tag 0x0112 orientation, type SHORT, count 1, value 6), no next directory.
{
  printf '\xff\xd8'
  printf '\xff\xe1\x00\x22'
  printf 'Exif\x00\x00'
  printf 'II\x2a\x00\x08\x00\x00\x00'
  printf '\x01\x00'
  printf '\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00'
  printf '\x00\x00\x00\x00'
  tail -c +3 plain.jpg
} > "$out/portrait on its side.jpg"
rm plain.jpg

# The first half of a good JPEG: the decoder runs out of data.
convert -size 160x120 gradient:'#808080-#ffffff' -quality 85 whole.jpg
head -c $(($(stat -c %s whole.jpg) / 2)) whole.jpg > "$out/cut short.jpg"
rm whole.jpg

# A text file with a picture's name, and a file the builder ignores.
printf 'not a picture\n' > "$out/pretend.jpg"
printf 'Holiday notes\n' > "$out/notes.txt"

ls -l "$out"
