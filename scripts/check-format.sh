#!/usr/bin/env bash
# Fails on a C++ file of the project that clang-format would change.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh clang-format
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' ':!:build/**')
clang-format --dry-run -Werror "${files[@]}"
echo "Formatting: ${#files[@]} files as clang-format has them"
