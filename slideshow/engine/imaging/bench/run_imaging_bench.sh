#!/bin/sh
# Usage: run_imaging_bench.sh path/to/imaging_bench [runs]
# Makes photo-like test pictures, times our decode-and-fit path and, over the
# same files, libjpeg-turbo's djpeg piped into ImageMagick's default resize
# (wall clock per picture, median of the runs), and prints the ratios.
# Needs ImageMagick and libjpeg-turbo-progs.
set -eu
bench=$1
runs=${2:-9}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
make_picture() {  # name size extra-cjpeg-options...
  name=$1 size=$2
  shift 2
  convert -size "$size" plasma:fractal -blur 0x1.5 -depth 8 ppm:"$work/$name.ppm" 2>/dev/null
  cjpeg -quality 88 "$@" -outfile "$work/$name.jpg" "$work/$name.ppm"
}
make_picture small420 1024x768 -sample 2x2
make_picture screen 1600x1200 -sample 2x2
make_picture big 3000x2000 -sample 2x2
make_picture bigprog 3000x2000 -sample 2x2 -progressive
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for name in small420 screen big bigprog; do
  ours=$("$bench" "$runs" 1600 1200 "$work/$name.jpg" | awk '{print $(NF-1)}')
  theirs=$(for i in $(seq "$runs"); do
    s=$(date +%s%N)
    djpeg -ppm "$work/$name.jpg" | convert ppm:- -resize 1600x1200 bmp3:- >/dev/null
    e=$(date +%s%N)
    echo "$(( (e - s) / 1000 ))" | awk '{print $1 / 1000}'
  done | median)
  echo "$name ours ${ours} ms reference ${theirs} ms ratio $(echo "$ours $theirs" | awk '{printf "%.2f", $1 / $2}')"
done
