#!/usr/bin/env bash
# Installs what is missing, builds, and opens the editor on a scratch copy of
# the demo configuration folder, so the shipped careers stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev --target KelmarPatrol

scratch="${TMPDIR:-/tmp}/kelmarpatrol-demo"
rm -rf "$scratch"
mkdir -p "$scratch"
cp -R demo/cfg "$scratch/cfg"
# A checkout does not keep file times: make the evening save the newest one.
# Saves carry the real-world time they were written; a time before 1970
# never counts as the newest.
touch -d '2026-02-01 08:00:00 UTC' "$scratch/cfg/careers/Prien/5/Patrol 5 morning.psc"
touch -d '2026-02-01 20:00:00 UTC' "$scratch/cfg/careers/Prien/5/Patrol 5 evening.psc"

echo "Demo configuration folder: $scratch/cfg"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: start a desktop session (or run under xvfb-run) to see the window." >&2
  exit 1
fi
exec "$PWD/build/dev/KelmarPatrol" "$scratch/cfg"
