#!/usr/bin/env bash
# The Linux program and the Windows program under Wine lock a career by the
# same file, and each keeps the other out: the Linux build of lock_holder
# (made here from the program's own file operations) holds a career's lock
# while the Windows one is refused, then the other way round.
#   lock_shared.sh SOURCE_DIR WINDOWS_LOCK_HOLDER EMULATOR...
set -euo pipefail
source_dir=$1
windows_holder=$2
shift 2
emulator=("$@")

work=$(mktemp -d)
holders=()
finish() {
  touch "$work/stop-linux" "$work/stop-windows"
  for pid in "${holders[@]}"; do wait "$pid" || true; done
  rm -rf "$work"
}
trap finish EXIT

g++ -std=c++20 -O1 -I"$source_dir/src" "$source_dir/tests/platform/lock_holder.cpp" \
  "$source_dir/src/platform/file_ops.cpp" -o "$work/linux_holder"
career="$work/career"
mkdir "$career"

# The holder prints "held" once the lock is its own.
wait_until_held() {
  for _ in $(seq 1 1500); do
    if tr -d '\r' <"$1" | grep -qx held; then return 0; fi
    sleep 0.02
  done
  echo "the holder never took the lock: $(cat "$1")" >&2
  exit 1
}
expect() {
  local got
  got=$("${@:3}" | tr -d '\r')
  if [ "$got" != "$2" ]; then
    echo "$1: '$got', not '$2'" >&2
    exit 1
  fi
  echo "$1: $got"
}

"$work/linux_holder" hold "$career" "$work/stop-linux" >"$work/linux.out" &
holders+=($!)
wait_until_held "$work/linux.out"
expect "Windows program while the Linux one holds the lock" busy \
  "${emulator[@]}" "$windows_holder" try "$career"
touch "$work/stop-linux"
wait "${holders[0]}"
expect "Windows program once the Linux one has let go" held \
  "${emulator[@]}" "$windows_holder" try "$career"

"${emulator[@]}" "$windows_holder" hold "$career" "$work/stop-windows" >"$work/windows.out" &
holders+=($!)
wait_until_held "$work/windows.out"
expect "Linux program while the Windows one holds the lock" busy \
  "$work/linux_holder" try "$career"
touch "$work/stop-windows"
wait "${holders[1]}"
expect "Linux program once the Windows one has let go" held \
  "$work/linux_holder" try "$career"

# Both opened the one lock file, and it stays.
[ "$(ls -A "$career")" = "KelmarPatrol.lock" ]
