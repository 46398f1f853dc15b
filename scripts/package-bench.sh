#!/usr/bin/env bash
# package-bench.sh [RUNS]: times the start-up of the Linux folder's program
# against the installed .deb's, from the packages scripts/package.sh made in
# build/package: from the process's start to its main window mapped on a
# virtual X display, on the demo careers, RUNS times each (30 unless given),
# alternating. Prints both medians, their ratio and the tarball's size, as
# docs/performance.md reports them. Installs the .deb for the run when it is
# not installed, and removes it again. Benchmarks report; this never fails on
# a slow machine.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-30}
NAME=kelmarpatrol
bash scripts/install-deps.sh xvfb python3
tarball=$(ls "$PWD"/build/package/folder/KelmarPatrol-*-linux-x86_64.tar.gz)
deb=$(ls "$PWD"/build/package/deb/*.deb)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
installed() { dpkg-query -W -f='${Status}' "$NAME" 2>/dev/null | grep -q "install ok installed"; }
work=$(mktemp -d)
we_installed=0
xvfb=""
cleanup() {
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  if [ "$we_installed" -eq 1 ]; then
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq "$NAME" >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

if ! installed; then
  we_installed=1
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
fi
tar -C "$work" -xzf "$tarball"
folder=$(ls -d "$work"/KelmarPatrol-*/)
cp -R demo/cfg "$work/cfg"

# -noreset: a start in the moment the server resets after the run before
# cannot connect.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.2; done
DISPLAY=:$(cat "$work/display")
export DISPLAY QT_QPA_PLATFORM=xcb

# Watches the display for a top-level window being mapped, through Xlib, so
# the time is the program's and not a poll's; then ends the program.
time_to_window='
import ctypes, subprocess, sys, time
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
display = x.XOpenDisplay(None)
x.XSelectInput(display, x.XDefaultRootWindow(display), 1 << 19)  # SubstructureNotifyMask
x.XSync(display, 0)
event = (ctypes.c_int * 48)()
start = time.monotonic()
program = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
while True:
    x.XNextEvent(display, event)
    if event[0] == 19:  # MapNotify
        break
print("%.1f" % ((time.monotonic() - start) * 1000))
program.kill()
program.wait()
'
folder_ms=()
deb_ms=()
python3 -c "$time_to_window" "$folder/KelmarPatrol" "$work/cfg" >/dev/null # warm the caches
python3 -c "$time_to_window" /usr/bin/KelmarPatrol "$work/cfg" >/dev/null
for _ in $(seq "$runs"); do
  folder_ms+=("$(cd / && python3 -c "$time_to_window" "$folder/KelmarPatrol" "$work/cfg")")
  deb_ms+=("$(cd / && python3 -c "$time_to_window" /usr/bin/KelmarPatrol "$work/cfg")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
folder_median=$(median "${folder_ms[@]}")
deb_median=$(median "${deb_ms[@]}")
echo "== start-up to the main window mapped on X11 (Xvfb), the demo careers, $runs runs each, medians"
echo "folder: $folder_median ms; installed .deb: $deb_median ms;" \
  "ratio $(awk "BEGIN { printf \"%.2f\", $folder_median / $deb_median }")"
echo "== the tarball"
echo "$(basename "$tarball"): $(stat -c %s "$tarball") bytes; the folder: $(du -sb "$folder" | cut -f1) bytes"
