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
. "$(dirname "$0")/wine_setting.sh"
trap put_setting_back EXIT
# A run stopped from outside (CTest's timeout) puts the setting back too.
trap 'exit 1' INT TERM

hold_setting "$wine" 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"
"$wine" "$@"
