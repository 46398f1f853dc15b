#!/usr/bin/env bash
# Builds optimised and runs the benchmarks, each beside what a user would do
# instead. Prints what docs/performance.md reports. Benchmarks report; they
# never fail a build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# The dev build, RelWithDebInfo as docs/performance.md reports: the release
# build leaves out the test libraries the benchmarks need.
cmake --preset dev -DKP_WITH_GUI=ON
cmake --build --preset dev --target rewrite_bench load_bench search_bench rewrite-peak-memory \
  startup-window startup-minimal
bin=build/dev/bench

echo "== machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
echo "$(free -g | awk '/Mem:/ {print $2}') GiB memory; load average $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== rewrite one value of a history, against cp and sed -i"
"$bin/rewrite_bench" --benchmark_min_time=1 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true

echo "== load a career: 300 patrols, 200 saves"
"$bin/load_bench" --benchmark_min_time=1

echo "== search for the configuration folder: 300 Proton prefixes in 3 Steam libraries, launchers"
"$bin/search_bench" --benchmark_min_time=1 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true

echo "== peak memory of one rewrite"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for mb in 1 64; do
  mkdir -p "$work/$mb"
  "$bin/rewrite-peak-memory" make "$work/$mb" "$mb"
  echo "$mb MB history: $("$bin/rewrite-peak-memory" "$work/$mb") KiB peak resident"
done

echo "== peak memory of a tanker change on a history holding a 256 MB line"
read -r at length < <("$bin/rewrite-peak-memory" make-long "$work/long" 256)
cp "$work/long/careers/Long/patrols.cfg" "$work/patrols-before.cfg"
start=$(date +%s%N)
peak=$("$bin/rewrite-peak-memory" tanker "$work/long")
end=$(date +%s%N)
# Nothing before the line changes, so it lies at the same offset afterwards.
kept="changed"
if cmp -s -i "$at:$at" -n "$length" "$work/patrols-before.cfg" "$work/long/careers/Long/patrols.cfg"; then
  kept="kept byte for byte"
fi
echo "256 MB line: $peak KiB peak resident, $(((end - start) / 1000000)) ms, the line $kept"
rm "$work/patrols-before.cfg"

echo "== start-up to the window shown, off screen"
cp -R demo/cfg "$work/cfg"
export QT_QPA_PLATFORM=offscreen
time_runs() {
  local start end
  start=$(date +%s%N)
  for _ in $(seq 30); do "$@" >/dev/null 2>&1; done
  end=$(date +%s%N)
  echo $(((end - start) / 30000))
}
"$bin/startup-window" "$work/cfg" >/dev/null 2>&1  # warm the caches once
"$bin/startup-minimal" >/dev/null 2>&1
editor=$(time_runs "$bin/startup-window" "$work/cfg")
minimal=$(time_runs "$bin/startup-minimal")
echo "KelmarPatrol window: ${editor} us; minimal Qt dialog: ${minimal} us;" \
  "ratio $(awk "BEGIN {printf \"%.2f\", $editor / $minimal}")"
