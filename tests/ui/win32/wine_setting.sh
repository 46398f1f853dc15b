# Sourced by the wrappers that run a Windows test program under Wine with a
# setting of the prefix's registry that holds for one run alone.
# hold_setting WINE KEY NAME TYPE VALUE sets it and notes what stood before;
# put_setting_back, from the wrapper's EXIT trap, puts that back (nothing
# before hold_setting ran).

hold_setting() {
  held_previous= held_wine=$1 held_key=$2 held_name=$3 held_type=$4
  held_previous=$("$held_wine" reg query "$held_key" /v "$held_name" 2>/dev/null |
    awk -v name="$held_name" '$1 == name { print $3 }' | tr -d '\r')
  "$held_wine" reg add "$held_key" /v "$held_name" /t "$held_type" /d "$5" /f >/dev/null 2>&1
}

put_setting_back() {
  [ -n "${held_name:-}" ] || return 0
  if [ -n "$held_previous" ]; then
    # reg query shows a number in hex; reg add reads it in decimal.
    value=$held_previous
    [ "$held_type" != REG_DWORD ] || value=$((held_previous))
    "$held_wine" reg add "$held_key" /v "$held_name" /t "$held_type" /d "$value" /f
  else
    "$held_wine" reg delete "$held_key" /v "$held_name" /f
  fi >/dev/null 2>&1 ||
    echo "could not put $held_name=$held_previous back in $WINEPREFIX" >&2
}
