#!/usr/bin/env bash
# Installs what is missing, cross-builds the program, its unit tests and the
# scenario runner for 64-bit Windows with MinGW-w64, and runs every test under
# Wine, with Windows' own file operations and the native window on a virtual
# display.
set -euo pipefail
cd "$(dirname "$0")/.."

# googletest: its sources, built for Windows along with the tests. Xvfb and
# xauth give Wine a display; fonts-wine the dialogs' "MS Sans Serif". openbox
# manages the window for the run that shows it as Wine gives it to players,
# and xprop (x11-utils) sees that it does.
bash scripts/install-deps.sh g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 \
  googletest xvfb xauth fonts-wine openbox x11-utils

# A Wine prefix of our own inside the build folder; quiet, and without the
# .NET and browser installers a new prefix would otherwise offer. The mingw
# test preset gives the tests the same environment.
export WINEPREFIX="$PWD/build/mingw/wine"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

cmake --preset mingw
cmake --build --preset mingw
bash scripts/wine-prefix.sh

status=0
# The display lives as long as the tests. One wine server serves them all
# (each program then starts in a fraction of a second) and ends inside the
# display's lifetime, or it would outlive it. Wine's desktop process, which
# the first program starts, stays with the server and keeps the output it
# inherited open: started here on /dev/null, or a test that captures its
# program's output would wait for the end of that output forever. That
# process leaves the display, so the display must not reset when its last
# client leaves (-noreset): a program started in that moment cannot connect.
xvfb-run -a -s "-noreset -screen 0 1024x768x24" sh -c '
  wineserver --persistent </dev/null >/dev/null 2>&1
  wine build/mingw/KelmarPatrol.exe --version </dev/null >/dev/null 2>&1
  ctest --preset mingw; status=$?
  wineserver --kill; wineserver --wait; exit $status' || status=$?
exit "$status"
