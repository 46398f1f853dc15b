#!/usr/bin/env bash
# Builds the .deb with scripts/package.sh and checks it: its contents and
# fields, the desktop entry and AppStream metadata through their validators,
# `cmake --install`, then installs it with apt-get, runs the program and
# removes it again. Ends with "package: N passed, M failed".
set -euo pipefail
cd "$(dirname "$0")/.."

ID=io.github.kelmarpatrol.KelmarPatrol
NAME=kelmarpatrol
# The version project() names in CMakeLists.txt, the one place it stands.
VERSION=$(sed -n 's/^project(KelmarPatrol VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
SIZES=(16 32 48 64 128 256)

bash scripts/install-deps.sh desktop-file-utils appstream file python3 unzip wine wine64

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
apt_get() {
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 "$@"
}
installed() {
  dpkg-query -W -f='${Status}' "$NAME" 2>/dev/null | grep -q "install ok installed"
}

work=$(mktemp -d)
we_installed=0
cleanup() {
  if [ "$we_installed" -eq 1 ] && installed; then
    apt_get remove -y -qq "$NAME" >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
# check NAME COMMAND...: runs the command, counts and reports the outcome.
check() {
  local name=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
    echo "ok   $name"
  else
    failed=$((failed + 1))
    echo "FAIL $name"
    sed 's/^/     /' "$work/out"
  fi
}
finish() {
  echo "package: $passed passed, $failed failed"
  if [ "$failed" -eq 0 ]; then exit 0; fi
  exit 1
}

# --- The package is made. -------------------------------------------------
deb=""
made() {
  bash scripts/package.sh | tee "$work/package.log" || return 1
  deb=$(tail -n 1 "$work/package.log")
  [ -f "$deb" ] && [ "$(basename "$deb")" = "${NAME}_${VERSION}_$(dpkg --print-architecture).deb" ]
}
if ! made >"$work/made.log" 2>&1; then
  failed=$((failed + 1))
  echo "FAIL package.sh makes ${NAME}_${VERSION}_*.deb"
  tail -n 40 "$work/made.log"
  finish
fi
deb=$(tail -n 1 "$work/package.log")
passed=$((passed + 1))
echo "ok   package.sh makes $(basename "$deb")"

# --- The Windows zip: the program, README and LICENSE; the program runs from it under Wine.
zip=$(tail -n 2 "$work/package.log" | head -n 1)
zip_is_named() { [ "$(basename "$zip")" = "KelmarPatrol-${VERSION}-win64.zip" ]; }
check "package.sh makes KelmarPatrol-${VERSION}-win64.zip" zip_is_named
zip_holds() { [ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "KelmarPatrol.exe LICENSE README.md " ]; }
check "the zip holds KelmarPatrol.exe, LICENSE and README.md, at its top" zip_holds
runs_from_zip() {
  unzip -q -o "$zip" -d "$work/win64" &&
    [ "$(WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
      wine "$work/win64/KelmarPatrol.exe" --version </dev/null 2>/dev/null)" = "KelmarPatrol $VERSION" ]
}
check "KelmarPatrol.exe from the zip prints KelmarPatrol $VERSION under Wine" runs_from_zip
WINEPREFIX="$work/wine" wineserver --kill >/dev/null 2>&1 || true

# --- Its contents and fields. ---------------------------------------------
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort >"$work/deb-files"
lists() { grep -qxF "$1" "$work/deb-files"; }
check "the package holds bin/KelmarPatrol" lists bin/KelmarPatrol
check "the package holds the desktop entry" lists "share/applications/$ID.desktop"
check "the package holds the AppStream metadata" lists "share/metainfo/$ID.metainfo.xml"
for size in "${SIZES[@]}"; do
  check "the package holds the ${size}x${size} icon" lists "share/icons/hicolor/${size}x${size}/apps/$ID.png"
done

field_is() { [ "$(dpkg-deb -f "$deb" "$1")" = "$2" ]; }
check "Package is $NAME" field_is Package "$NAME"
check "Version is $VERSION" field_is Version "$VERSION"
depends_on() { dpkg-deb -f "$deb" Depends | tr ',' '\n' | grep -qE "^ *$1( |$)"; }
check "Depends names libqt6widgets6" depends_on libqt6widgets6
check "Depends names qt6-qpa-plugins (the window system's plugins)" depends_on qt6-qpa-plugins

# --- The files it ships. --------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/$ID.desktop
metainfo=$root/usr/share/metainfo/$ID.metainfo.xml

check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
# A folder dropped on the entry still reaches the program through %f; the
# entry claims no MIME type, so it never becomes the desktop's program for
# every folder.
passes_folder() {
  grep -qx 'Exec=KelmarPatrol %f' "$desktop" &&
    ! grep -q '^MimeType=' "$desktop" &&
    grep -qx "Icon=$ID" "$desktop"
}
check "the desktop entry opens a folder given to it, claims no type, has our icon" passes_folder
check "appstreamcli validate accepts the metadata" appstreamcli validate --no-net "$metainfo"
metainfo_matches() {
  grep -qF "<id>$ID</id>" "$metainfo" &&
    grep -qF "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$metainfo" &&
    grep -qF "<binary>KelmarPatrol</binary>" "$metainfo" &&
    grep -qF "<release version=\"$VERSION\"" "$metainfo"
}
check "the metadata names the desktop entry, the program and release $VERSION" metainfo_matches

python3 res/make_icon.py "$work/drawn"
icon_is() {
  local size=$1 icon=$root/usr/share/icons/hicolor/$1x$1/apps/$ID.png drawn
  file -b "$icon" | grep -q "^PNG image data, $size x $size," || return 1
  if [ "$size" -eq 32 ]; then drawn=$work/drawn/kelmar_patrol.png; else drawn=$work/drawn/icons/kelmar_patrol_$size.png; fi
  cmp "$icon" "$drawn"
}
for size in "${SIZES[@]}"; do
  check "the ${size}x${size} icon is the one make_icon.py draws at that size" icon_is "$size"
done

# --- cmake --install puts the same files in place. ------------------------
installs_same() {
  cmake --install build/package --prefix "$work/prefix" >/dev/null &&
    (cd "$work/prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/install-files" &&
    diff "$work/deb-files" "$work/install-files" &&
    cmp "$desktop" "$work/prefix/share/applications/$ID.desktop" &&
    "$work/prefix/bin/KelmarPatrol" --version | grep -qx "KelmarPatrol $VERSION"
}
check "cmake --install puts the package's files in place, the program runs" installs_same

# --- apt-get installs it, the program runs, apt-get removes it. -----------
if installed; then
  failed=$((failed + 1))
  echo "FAIL $NAME is installed already; remove it first, this check must not replace it"
  finish
fi
installs() {
  we_installed=1
  apt_get install -y "$deb" && installed
}
check "apt-get install $(basename "$deb")" installs
runs() { [ "$(/usr/bin/KelmarPatrol --version)" = "KelmarPatrol $VERSION" ]; }
check "/usr/bin/KelmarPatrol --version prints KelmarPatrol $VERSION" runs
not_for_folders() { ! grep -qE "^inode/directory=(.*;)?$ID\.desktop;" /usr/share/applications/mimeinfo.cache 2>/dev/null; }
check "the desktop entry is not registered as a handler for folders" not_for_folders
removes() {
  apt_get remove -y "$NAME" && ! installed && [ ! -e /usr/bin/KelmarPatrol ]
}
check "apt-get remove $NAME leaves no program behind" removes

finish
