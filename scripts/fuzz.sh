#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz, every library they link
# instrumented like the harness (coverage, address and undefined-behaviour
# sanitizers), then runs all targets at the same time, one core each and at a
# lower priority, for the given minutes (default 10). Each keeps its corpus in
# build/fuzz/corpus/TARGET (started from tools/fuzz/seeds/*, grown across
# runs) and its findings in build/fuzz/findings/TARGET; the run goes on past a
# finding. At the end it prints coverage, executions and findings per target.
#
#   bash scripts/fuzz.sh [minutes] [target...]     targets: decode package
#
# A finding is repeated with: build/fuzz/tools/fuzz/TARGET_fuzz FILE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(decode package)
case $minutes in
  '' | *[!0-9]*) echo "fuzz: minutes must be a whole number, not '$minutes'" >&2; exit 2 ;;
esac

# What the clang build needs; installed through apt when missing (as root).
packages=(clang libclang-rt-dev cmake ninja-build googletest)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "fuzz: missing packages: ${missing[*]}; run this script as root to install them" >&2
    exit 1
  fi
  echo "fuzz: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null || echo "fuzz: apt-get update failed; trying the install anyway" >&2
  apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi

build="$root/build/fuzz"
cmake -S "$root" -B "$build" -G Ninja -DZEB_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target $(printf '%s_fuzz ' "${targets[@]}")

seconds=$((minutes * 60))
# One target for the given seconds. libFuzzer stops at a finding; the run
# then goes on from the grown corpus for the time left, up to a limit of
# findings (an input that fails at once would otherwise restart it forever).
run_target() {
  local t=$1 corpus="$build/corpus/$1" findings="$build/findings/$1" log="$build/$1.log"
  local deadline=$((SECONDS + seconds)) left runs=0 dict=()
  [ -f "$root/tools/fuzz/$t.dict" ] && dict=(-dict="$root/tools/fuzz/$t.dict")
  : >"$log"
  while left=$((deadline - SECONDS)); [ "$left" -gt 2 ] && [ "$runs" -lt 50 ]; do
    runs=$((runs + 1))
    nice -n 10 "$build/tools/fuzz/${t}_fuzz" -max_total_time="$left" -max_len=8192 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 "${dict[@]}" -artifact_prefix="$findings/" "$corpus" \
      >>"$log" 2>&1 || true
  done
}

for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  # The seeds go in the working corpus, so that a run with a grown corpus
  # still starts from them.
  cp "$root/tools/fuzz/seeds/$t"/* "$build/corpus/$t/"
  echo "fuzz: running ${t}_fuzz for $minutes min (log: $build/$t.log)"
done
pids=()
for t in "${targets[@]}"; do
  run_target "$t" &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done

echo
for t in "${targets[@]}"; do
  log="$build/$t.log" findings="$build/findings/$t"
  cov=$(grep -oE ' cov: [0-9]+' "$log" | awk '{ if ($2 > m) m = $2 } END { print m + 0 }')
  execs=$(awk '/^stat::number_of_executed_units:/ { n += $2 } END { print n + 0 }' "$log")
  corp=$(find "$build/corpus/$t" -type f | wc -l)
  count=$(find "$findings" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' -o -name 'slow-unit-*' \) | wc -l)
  echo "fuzz: ${t}_fuzz: cov: $cov corpus: $corp files execs: $execs findings: $count (in $findings)"
  # The first line of each distinct sanitizer report in the log.
  grep -E 'runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)' "$log" |
    sed -E 's/^==[0-9]+==//; s/0x[0-9a-f]+/0x../g' | sort | uniq -c | sed 's/^/fuzz:   /' || true
done
