#!/usr/bin/env bash
# Start-up of the Windows program under Wine: from the process's start to the
# main window shown and painted, on the demo careers, against a minimal
# dialog program from a one-button template, and against the window's own
# template shown by that same minimal program (what the template costs with
# none of our code behind it). All optimised; RUNS runs of each, alternating,
# in the same Wine session. Prints the medians and the ratios, and the size of
# the stripped KelmarPatrol.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-20}

bash scripts/install-deps.sh g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 \
  xvfb xauth fonts-wine
export WINEPREFIX="$PWD/build/mingw/wine"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

build=build/mingw-release
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release --target KelmarPatrol startup-window-win32 \
  startup-minimal-win32 startup-template-win32
bash scripts/wine-prefix.sh

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R demo/cfg "$scratch/cfg"
export KP_BENCH_BUILD="$build" KP_BENCH_CFG="$scratch/cfg" RUNS

xvfb-run -a -s "-noreset -screen 0 1024x768x24" sh -c '
  wineserver --persistent </dev/null >/dev/null 2>&1
  wine "$KP_BENCH_BUILD/startup-minimal-win32.exe" </dev/null >/dev/null 2>&1
  # A program that fails ends early: its time would pass for a fast start.
  ms() {
    s=$(date +%s%N)
    "$@" </dev/null >/dev/null 2>&1 || { echo "failed: $*" >&2; wineserver --kill; exit 1; }
    e=$(date +%s%N); echo $(( (e - s) / 1000000 ))
  }
  : >"$KP_BENCH_CFG/../window.ms"; : >"$KP_BENCH_CFG/../minimal.ms"; : >"$KP_BENCH_CFG/../template.ms"
  i=0
  while [ "$i" -lt "$RUNS" ]; do
    ms wine "$KP_BENCH_BUILD/startup-window-win32.exe" "$KP_BENCH_CFG" >>"$KP_BENCH_CFG/../window.ms"
    ms wine "$KP_BENCH_BUILD/startup-minimal-win32.exe" >>"$KP_BENCH_CFG/../minimal.ms"
    ms wine "$KP_BENCH_BUILD/startup-template-win32.exe" >>"$KP_BENCH_CFG/../template.ms"
    i=$((i + 1))
  done
  wineserver --kill; wineserver --wait'

median() { sort -n "$1" | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
window=$(median "$scratch/window.ms")
minimal=$(median "$scratch/minimal.ms")
template=$(median "$scratch/template.ms")
echo "median of $RUNS: start-up to the window ${window} ms, minimal dialog ${minimal} ms" \
  "(ratio $(ratio "$window" "$minimal")), the window's template alone ${template} ms" \
  "(ratio $(ratio "$window" "$template"))"
echo "KelmarPatrol.exe: $(stat -c %s "$build/KelmarPatrol.exe") bytes"
