#!/usr/bin/env bash
# Sets up the Wine prefix $WINEPREFIX for the Windows tests, once: created,
# dialogs closing without a window manager's delay, and Wine's own fonts,
# which a new prefix on Debian does not find by itself.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX names the prefix}"

# A wineboot cut short leaves a prefix that looks made; it is made again from
# nothing, once more before giving up, and what wineboot said is shown.
if [ ! -f "$WINEPREFIX/.kp-ready" ]; then
  echo "Setting up the Wine prefix $WINEPREFIX"
  made=no
  for attempt in 1 2; do
    rm -rf "$WINEPREFIX"
    if timeout 300 wineboot --init >"${WINEPREFIX}.log" 2>&1 && wineserver --wait; then
      made=yes
      break
    fi
    echo "wineboot attempt $attempt could not set up $WINEPREFIX:" >&2
    cat "${WINEPREFIX}.log" >&2
  done
  [ "$made" = yes ] || exit 1
  touch "$WINEPREFIX/.kp-ready"
fi
# Without a window manager Wine stalls each time a dialog closes, and draws
# no frame; unmanaged windows it frames itself and closes at once. The run
# with a window manager sets Managed=Y for itself alone.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || {
  echo "could not set Managed=N in $WINEPREFIX" >&2
  exit 1
}
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver --wait
