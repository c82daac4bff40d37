#!/bin/sh
# Remakes the committed test pictures: a 47 x 37 picture (odd sizes, so the
# decoder's edge blocks are exercised) encoded by two different encoders in
# the variants the slideshow meets, plus the reference decodes (.ppm) made by
# an independent decoder. Needs ImageMagick and libjpeg-turbo's cjpeg/djpeg;
# the build never runs this.
set -eu
cd "$(dirname "$0")"
convert -size 47x37 xc: -sparse-color Bilinear '0,0 red 46,0 yellow 0,36 blue 46,36 green' \
  -fill white -draw 'circle 30,18 38,18' -fill black -draw 'rectangle 4,4 14,10' \
  -depth 8 ppm:source.ppm
cjpeg -quality 90 -sample 2x2 -outfile baseline420.jpg source.ppm
cjpeg -quality 90 -sample 1x1 -outfile baseline444.jpg source.ppm
cjpeg -quality 90 -progressive -outfile progressive.jpg source.ppm
cjpeg -quality 90 -grayscale -outfile grey.jpg source.ppm
cjpeg -quality 90 -restart 1 -outfile restart.jpg source.ppm
convert source.ppm -quality 85 -sampling-factor 2x1 -strip magick422.jpg
for f in baseline420 baseline444 progressive grey restart magick422; do
  djpeg -pnm -outfile "$f.ppm" "$f.jpg"
done
# ImageMagick writes so few colours as a 4-bit bitmap.
convert source.ppm -colors 12 -type palette bmp3:palette4.bmp
convert palette4.bmp -depth 8 ppm:palette4.ppm
rm source.ppm
