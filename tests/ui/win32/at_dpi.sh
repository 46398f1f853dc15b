#!/bin/sh
# Runs a Windows test program under Wine with the prefix's display set to a
# DPI, as a player sets it in winecfg ("Screen resolution"); Wine 8 reads it
# from the user's "Control Panel\Desktop" LogPixels when a program starts.
# The setting holds for this run alone and is put back after.
# Usage: at_dpi.sh DPI WINE PROGRAM [ARGUMENT...]
set -eu
dpi=$1
wine=$2
shift 2
key='HKCU\Control Panel\Desktop'

previous=$("$wine" reg query "$key" /v LogPixels 2>/dev/null |
  awk '$1 == "LogPixels" { print $3 }' | tr -d '\r')
restore() {
  if [ -n "$previous" ]; then
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$((previous))" /f
  else
    "$wine" reg delete "$key" /v LogPixels /f
  fi >/dev/null 2>&1 || echo "could not put LogPixels=$previous back in $WINEPREFIX" >&2
}
trap restore EXIT
# A run stopped from outside (CTest's timeout) puts the setting back too.
trap 'exit 1' INT TERM

"$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
"$wine" "$@"
