#!/usr/bin/env bash
# Sets up the Wine prefix $WINEPREFIX for the Windows tests, once: created,
# dialogs closing without a window manager's delay, and Wine's own fonts,
# which a new prefix on Debian does not find by itself.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX names the prefix}"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Setting up the Wine prefix $WINEPREFIX"
  timeout 300 wineboot --init >/dev/null 2>&1 || {
    echo "wineboot could not set up $WINEPREFIX" >&2
    exit 1
  }
fi
# Without a window manager Wine stalls each time a dialog closes, and draws
# no frame; unmanaged windows it frames itself and closes at once.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || {
  echo "could not set Managed=N in $WINEPREFIX" >&2
  exit 1
}
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver --wait
