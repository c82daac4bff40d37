#!/usr/bin/env bash
# Usage: run_imaging_bench.sh [rounds] [runs]
# Compares our path from JPEG bytes to a drawable 24-bit bitmap, natively and
# as the Windows build under Wine, with the reference (imaging_reference: the
# system JPEG library decoding the same bytes in memory, then the image
# library's default resize to the same size) on four pictures made here:
# 1024 x 768 enlarged to 1600 x 1200, 1600 x 1200 left as it is, and
# 3000 x 2000 baseline and progressive shrunk to 1600 x 1066.
#
# The three programs take turns: each round runs each of them once (in an
# order that rotates from round to round), and each run times every picture
# `runs` times after a warm-up and reports medians. The figures printed are
# the medians over the rounds, so a burst of load from elsewhere on the
# machine moves one round, not the result. A ratio is ours / reference within
# each round (the two ran moments apart), then the median over the rounds.
#
# The image library runs with its default number of threads (one per core);
# MAGICK_THREAD_LIMIT=1 in the environment makes it single-threaded. Our path
# decodes on one thread and filters screen-sized pictures on two. Programs default to the build folders of scripts/build.sh; override with
# BENCH_NATIVE, BENCH_REFERENCE and BENCH_WINDOWS (empty skips the Wine run).
set -euo pipefail
root=$(cd "$(dirname "$0")/../../../.." && pwd)
rounds=${1:-9}
runs=${2:-5}
native=${BENCH_NATIVE-$root/build/native/slideshow/engine/imaging/bench/imaging_bench}
reference=${BENCH_REFERENCE-$root/build/native/slideshow/engine/imaging/bench/imaging_reference}
windows=${BENCH_WINDOWS-$root/build/win32/tools/bench/imaging_bench_win.exe}
for program in "$native" "$reference"; do
  [ -x "$program" ] || { echo "missing $program (build it first)" >&2; exit 1; }
done
[ -n "$windows" ] && [ ! -f "$windows" ] && { echo "missing $windows" >&2; exit 1; }

work=$(mktemp -d)
cleanup() {
  [ -n "$windows" ] && zeb_stop_all
  rm -rf "$work"
}
trap cleanup EXIT
if [ -n "$windows" ]; then
  keep_prefix=${WINEPREFIX:-}
  source "$root/scripts/wine-env.sh"
  [ -n "$keep_prefix" ] && export WINEPREFIX=$keep_prefix
  zeb_start_wine
fi

cd "$work"
make_picture() {  # name size extra-cjpeg-options...
  local name=$1 size=$2
  shift 2
  convert -seed 7 -size "$size" plasma:fractal -blur 0x1.5 -depth 8 "ppm:$name.ppm" 2>/dev/null
  cjpeg -quality 88 "$@" -outfile "$name.jpg" "$name.ppm"
  rm "$name.ppm"
}
make_picture small420 1024x768 -sample 2x2
make_picture screen 1600x1200 -sample 2x2
make_picture big 3000x2000 -sample 2x2
make_picture bigprog 3000x2000 -sample 2x2 -progressive
pictures=(small420.jpg screen.jpg big.jpg bigprog.jpg)

run_one() {  # kind -> appends "kind picture columns..." lines to results
  local kind=$1
  case $kind in
    native) "$native" "$runs" 1600 1200 "${pictures[@]}" ;;
    wine) wine "$windows" "$runs" 1600 1200 "${pictures[@]}" 2>/dev/null | tr -d '\r' ;;
    reference) "$reference" "$runs" 1600 1200 "${pictures[@]}" ;;
  esac | sed "s/^/$kind /" >>results
}
kinds=(native reference)
[ -n "$windows" ] && kinds=(native wine reference)
for ((r = 0; r < rounds; ++r)); do
  for ((k = 0; k < ${#kinds[@]}; ++k)); do
    run_one "${kinds[(r + k) % ${#kinds[@]}]}"
  done
done

# Lines: kind picture WxH -> wxh total T stage V stage V ... ms
awk -v rounds="$rounds" -v runs="$runs" '
  function middle(a, n,   i, j, t) {
    for (i = 2; i <= n; ++i) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; --j) a[j + 1] = a[j]; a[j + 1] = t }
    return a[int((n + 1) / 2)]
  }
  function median(key,   i, a) {
    for (i = 1; i <= count[key]; ++i) a[i] = value[key, i]
    return middle(a, count[key])
  }
  function ratio(kind, picture, stage,   i, a, ours, ref) {
    ours = kind SUBSEP picture SUBSEP "total"
    ref = "reference" SUBSEP picture SUBSEP stage
    for (i = 1; i <= count[ours]; ++i) a[i] = value[ours, i] / value[ref, i]
    return middle(a, count[ours])
  }
  {
    kind = $1; picture = $2; size[picture] = $3 " -> " $5
    stages = ""
    for (i = 6; i < NF; i += 2) {
      key = kind SUBSEP picture SUBSEP $i
      value[key, ++count[key]] = $(i + 1)
      stages = stages " " $i
    }
    names[kind] = stages
  }
  END {
    printf "medians of %d rounds, each the median of %d runs; milliseconds\n", rounds, runs
    split("small420.jpg screen.jpg big.jpg bigprog.jpg", order, " ")
    split("0.25 1.3 0.5 0.5", target, " ")
    for (p = 1; p <= 4; ++p) {
      picture = order[p]
      printf "\n%s %s\n", picture, size[picture]
      for (k = 1; k <= 3; ++k) {
        kind = k == 1 ? "native" : (k == 2 ? "wine" : "reference")
        if (!(kind in names)) continue
        n = split(names[kind], stage, " ")
        line = sprintf("  %-9s", kind)
        for (s = 1; s <= n; ++s)
          line = line sprintf(" %s %.2f", stage[s], median(kind SUBSEP picture SUBSEP stage[s]))
        if (kind != "reference")
          line = line sprintf("  ratio %.3f (target %s)", ratio(kind, picture, "total"), target[p])
        # Without a resize the reference is mostly the JPEG library; the
        # ratio to its decode alone is the stricter reading.
        if (kind != "reference" && picture == "screen.jpg")
          line = line sprintf(", to its decode alone %.3f", ratio(kind, picture, "decode"))
        print line
      }
    }
  }' results
