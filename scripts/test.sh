#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# The core on Windows: cross-built with MinGW-w64, run under Wine.
bash scripts/windows-test.sh

# The fuzzers, each for a bounded time.
bash scripts/fuzz.sh
bash scripts/package-test.sh  # the .deb: its contents, the validators, install, run, remove
