#!/bin/sh
# Writes blank.cur: a 32 x 32 monochrome cursor whose every pixel is
# transparent (AND mask all ones, XOR mask all zeros), so the saver's pointer
# disappears. Usage: make_blank_cursor.sh [output file]
set -eu
out=${1:-"$(dirname "$0")/blank.cur"}

# n copies of one byte, given as an octal escape.
bytes() {
  i=0
  while [ "$i" -lt "$2" ]; do
    printf "$1"
    i=$((i + 1))
  done
}

{
  # Directory: reserved, type 2 (cursor), one image.
  printf '\000\000\002\000\001\000'
  # Entry: 32 x 32, two colours, hot spot (0, 0), 304 bytes at offset 22.
  printf '\040\040\002\000\000\000\000\000\060\001\000\000\026\000\000\000'
  # Bitmap header: size 40, width 32, height 64 (both masks), 1 plane,
  # 1 bit, no compression, 256 bytes of masks, the rest zero.
  printf '\050\000\000\000\040\000\000\000\100\000\000\000\001\000\001\000'
  printf '\000\000\000\000\000\001\000\000'
  bytes '\000' 16
  # Colour table: black, white.
  printf '\000\000\000\000\377\377\377\000'
  # XOR mask (first in the file), then the AND mask: 32 rows of 4 bytes each.
  bytes '\000' 128
  bytes '\377' 128
} >"$out"
