#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, 20 by default; give it hours locally). New inputs go to a
# scratch corpus; the committed seeds under fuzz/corpus stay as they are.
# A crash stops the run and leaves its input in build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz
cmake --build --preset fuzz

seconds=${FUZZ_SECONDS:-20}
findings=build/fuzz/findings
mkdir -p "$findings"
for target in career grid_entry scenario; do
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  echo "fuzzing $target for ${seconds}s"
  (cd "$findings" && "../fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 "$work" "../../../fuzz/corpus/$target" 2>&1 |
      tail -n 12)
  rm -rf "$work"
done
echo "fuzzing: 3 passed, 0 failed"
