#!/bin/sh
# Runs a Windows test program under Wine with its windows managed by a Linux
# window manager, as Wine leaves them to players by default: there the title
# bar's icon and Alt+Space open the window manager's menu, not the system menu.
# The prefix's Managed=Y holds for this run alone (the other tests leave the
# frame to Wine, which is faster) and is put back after. A window manager
# already on the display is used; otherwise openbox is started. The run fails
# unless the window manager took at least one of the program's windows.
# Usage: under_window_manager.sh WINE PROGRAM [ARGUMENT...]
set -eu
wine=$1
shift
: "${DISPLAY:?a display is needed; scripts/windows-test.sh gives one}"
scratch=$(mktemp -d)
manager=
spy=

. "$(dirname "$0")/wine_setting.sh"
restore() {
  put_setting_back
  for process in $spy $manager; do
    kill "$process" 2>/dev/null || true
    wait "$process" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap restore EXIT
# A run stopped from outside (CTest's timeout) puts the setting back too.
trap 'exit 1' INT TERM

# A window manager announces itself on the root window once it manages, with a
# window of its own that names itself; one that has ended leaves the root's
# property behind, naming a window that is gone.
announced() {
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')
  [ -n "$check" ] &&
    xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id # $check\$"
}
# starts openbox and waits up to 10 s for it to announce itself; false when
# it ended first.
start_openbox() {
  openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
  manager=$!
  tries=0
  until announced; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$manager" 2>/dev/null; then
      return 1
    fi
    sleep 0.1
  done
}
# About one run in ten, openbox could not open the display at its first start
# although Wine's programs just before had, most likely in the moment the
# display reset after the last of them left (windows-test.sh now keeps it from
# resetting). It is started again, twice at most, and a display that refuses
# every start still fails the run.
if ! announced; then
  attempt=1
  until start_openbox; do
    if [ "$attempt" -ge 3 ]; then
      echo "openbox did not start on $DISPLAY ($attempt tries); the last said:" >&2
      cat "$scratch/openbox.log" >&2
      xdpyinfo >/dev/null 2>&1 || echo "xdpyinfo cannot open $DISPLAY either" >&2
      exit 1
    fi
    attempt=$((attempt + 1))
    sleep 1
  done
fi

hold_setting "$wine" 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ Y

# The window manager lists the windows it manages on the root window; every
# change of that list is written down from before the program starts.
xprop -spy -root _NET_CLIENT_LIST >"$scratch/clients" 2>&1 &
spy=$!
until [ -s "$scratch/clients" ]; do
  sleep 0.05
done

status=0
"$wine" "$@" || status=$?
if ! grep -q 'window id # 0x' "$scratch/clients"; then
  echo "the window manager managed none of the program's windows" >&2
  status=1
fi
exit "$status"
