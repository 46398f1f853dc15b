#!/usr/bin/env bash
# Builds with coverage, runs the tests, and writes the core's line and branch
# coverage to docs/coverage.md (the full report goes to build/coverage/html).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh gcovr
cmake --preset coverage
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
ctest --preset coverage

mkdir -p build/coverage/html
# The core: everything but the window and the Windows branch of the file operations.
filters=(--root . --filter 'src/' --exclude 'src/ui/qt/' --exclude 'src/app/main.cpp'
         --exclude-unreachable-branches --exclude-throw-branches)
gcovr "${filters[@]}" --html-details build/coverage/html/index.html build/coverage
{
  echo "# Coverage of the core"
  echo
  echo "Measured by \`scripts/coverage.sh\` (gcovr over the unit tests, the scenario"
  echo "scripts in model mode and the crash test) on $(date -u +%Y-%m-%d)."
  echo
  echo '```'
  gcovr "${filters[@]}" --print-summary -o /dev/null build/coverage
  echo '```'
  echo
  echo "## Lines, by file"
  echo
  echo '```'
  gcovr "${filters[@]}" build/coverage
  echo '```'
  echo
  echo "## Branches, by file"
  echo
  echo '```'
  gcovr "${filters[@]}" --branches build/coverage
  echo '```'
} > docs/coverage.md
tail -n 8 docs/coverage.md
