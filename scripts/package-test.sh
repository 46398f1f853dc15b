#!/usr/bin/env bash
# Builds the packages with scripts/package.sh and checks them: the Windows
# zip under Wine; the Linux folder's tarball, whose program opens its window
# on X11 and on Wayland with the system's Qt hidden, in the desktop's
# colours and font, heard through AT-SPI as a screen reader hears it, and its
# menu entry installer; the .deb's contents and fields, the desktop entry and AppStream
# metadata through their validators, `cmake --install`, then installs it with
# apt-get, runs the program and removes it again. Ends with
# "package: N passed, M failed".
set -euo pipefail
cd "$(dirname "$0")/.."

ID=io.github.kelmarpatrol.KelmarPatrol
NAME=kelmarpatrol
# The version project() names in CMakeLists.txt, the one place it stands.
VERSION=$(sed -n 's/^project(KelmarPatrol VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
SIZES=(16 32 48 64 128 256)

bash scripts/install-deps.sh desktop-file-utils appstream file python3 unzip wine wine64 \
  xvfb x11-utils x11-apps weston lintian at-spi2-core dbus gir1.2-atspi-2.0 python3-gi

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
servers=()
cleanup() {
  for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null || true; done
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
zip=$(tail -n 3 "$work/package.log" | head -n 1)
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

# --- The Linux folder: all it needs but the base, its window with the system's
# Qt hidden, from a path with blanks, on X11 and on Wayland; its menu entry.
tarball=$(tail -n 2 "$work/package.log" | head -n 1)
folder_name=KelmarPatrol-$VERSION
tarball_is_named() { [ -f "$tarball" ] && [ "$(basename "$tarball")" = "$folder_name-linux-x86_64.tar.gz" ]; }
check "package.sh makes $folder_name-linux-x86_64.tar.gz" tarball_is_named
place="$work/a place with blanks"
mkdir -p "$place"
tar -C "$place" -xzf "$tarball"
folder=$place/$folder_name
tarball_holds() {
  [ "$(tar -tzf "$tarball" | cut -d/ -f1 | sort -u)" = "$folder_name" ] || return 1
  local file
  for file in KelmarPatrol qt.conf README LICENSE install-desktop-entry \
    "share/applications/$ID.desktop" "share/metainfo/$ID.metainfo.xml" \
    "share/icons/hicolor/256x256/apps/$ID.png" lib/libQt6Widgets.so.6 \
    plugins/platforms/libqxcb.so plugins/platforms/libqwayland-generic.so \
    plugins/wayland-shell-integration/libxdg-shell.so licenses/libqt6core6.copyright; do
    [ -f "$folder/$file" ] || { echo "no $file"; return 1; }
  done
}
check "the tarball holds the folder $folder_name: program, qt.conf, README, licences, entry, icons, AppStream file, Qt, X11 and Wayland" tarball_holds
echo "     the folder takes $(du -sm "$folder" | cut -f1) MiB, its tarball $(($(stat -c %s "$tarball") / 1048576)) MiB"
by_runpath() {
  file -b "$folder/KelmarPatrol" | grep -q '^ELF 64-bit' &&
    readelf -d "$folder/KelmarPatrol" | grep -qF 'Library runpath: [$ORIGIN/lib]'
}
check "KelmarPatrol in it is the program, finding its libraries through RUNPATH \$ORIGIN/lib" by_runpath

declare -A needed=()
base=$(awk '{ sub(/#.*/, "") } NF { print $1 }' res/linux/base-libraries.txt)
elf_files() { find "$folder" -type f \( -name '*.so*' -o -name KelmarPatrol \); }
needs_only_base() {
  local file soname bad=0
  while read -r file; do
    for soname in $(objdump -p "$file" | awk '$1 == "NEEDED" { print $2 }'); do
      if [ ! -f "$folder/lib/$soname" ] && ! grep -qxF "$soname" <<<"$base"; then
        echo "${file#"$folder/"} needs $soname"
        bad=1
      fi
    done
  done < <(elf_files)
  [ "$bad" -eq 0 ]
}
check "every library a file of the folder needs is in its lib/ or a base library" needs_only_base
carries_no_base() { ! find "$folder/lib" -type f -printf '%f\n' | grep -xF "$base"; }
check "its lib/ carries no base library" carries_no_base
# The newest symbol version of each of the C library, the C++ library and its
# ABI that any file of the folder needs, as the dynamic loader will ask for them.
newest_needed() {
  elf_files | tr '\n' '\0' | xargs -0 objdump -T | grep -o "\b$1_[0-9.]*[0-9]" | sort -uV | tail -n 1
}
for family in GLIBC GLIBCXX CXXABI; do
  needed[$family]=$(newest_needed "$family")
done
echo "     the folder needs ${needed[GLIBC]}, ${needed[GLIBCXX]} and ${needed[CXXABI]}"
# The README names the floor as these symbol versions; every one it names
# must be the one measured, so the floor it states is never stale.
readme_states_floor() {
  local family stated ok=0
  for family in GLIBC GLIBCXX CXXABI; do
    stated=$(grep -o "\b${family}_[0-9.]*[0-9]" README.md | sort -u)
    if [ "$stated" != "${needed[$family]}" ]; then
      echo "the README names '${stated//$'\n'/ }' for $family; the folder needs ${needed[$family]}"
      ok=1
    fi
  done
  # Both READMEs also name the C library as "glibc 2.NN".
  stated=$(grep -oh 'glibc [0-9.]*[0-9]' README.md res/linux/README | sort -u)
  if [ "$stated" != "glibc ${needed[GLIBC]#GLIBC_}" ]; then
    echo "the READMEs name '${stated//$'\n'/, }'; the folder needs glibc ${needed[GLIBC]#GLIBC_}"
    ok=1
  fi
  return "$ok"
}
check "the READMEs state the folder's floor: ${needed[GLIBC]}, ${needed[GLIBCXX]}, ${needed[CXXABI]}" readme_states_floor

# The system's Qt libraries, its plugins and every library the folder carries
# get an empty file (or folder) bound over them in a private mount namespace,
# one process making every mount since mount(8) itself needs some of them.
hide_py='
import ctypes, os, sys
libc = ctypes.CDLL("libc.so.6", use_errno=True)
empty_file, empty_dir, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
for target in sys.argv[4:4 + count]:
    source = empty_dir if os.path.isdir(target) else empty_file
    if libc.mount(source.encode(), target.encode(), None, 4096, None) != 0:  # MS_BIND
        sys.exit("cannot hide %s: %s" % (target, os.strerror(ctypes.get_errno())))
os.execv(sys.argv[4 + count], sys.argv[4 + count:])
'
system_libs=$(qtpaths6 --query QT_INSTALL_LIBS)
# A base library the folder loads (GTK, for the GTK 3 theme) takes what it
# needs from the system, as it does on any desktop, also a library the
# folder carries for itself but has not loaded yet (Wayland's on X11): those
# stay in sight. The folder's own files find their copies first, by RUNPATH.
base_needs=$(elf_files | tr '\n' '\0' | xargs -0 objdump -p | awk '$1 == "NEEDED" { print $2 }' |
  sort -u | grep -xF "$base" | while read -r soname; do
  path=$(ldconfig -p | awk -v soname="$soname" '$1 == soname && /x86-64/ { print $NF; exit }')
  [ -n "$path" ] && ldd "$path" | awk '$2 == "=>" { print $1 }'
done | sort -u)
hidden=("$(qtpaths6 --query QT_INSTALL_PLUGINS)")
for lib in "$system_libs"/libQt6*.so.6 "$folder"/lib/*; do
  grep -qxF "$(basename "$lib")" <<<"$base_needs" && continue
  lib=$system_libs/$(basename "$lib")
  [ -e "$lib" ] && hidden+=("$(realpath "$lib")")
done
: >"$work/empty"
mkdir -p "$work/empty-dir"
# hidden_run COMMAND...: runs the command from / with the libraries above hidden.
hidden_run() {
  cd / && exec env -u LD_LIBRARY_PATH unshare -m python3 -c "$hide_py" \
    "$work/empty" "$work/empty-dir" "${#hidden[@]}" "${hidden[@]}" "$@"
}
system_qt_hidden() { ! (hidden_run "$PWD/build/package/KelmarPatrol" --version); }
check "with the system's Qt hidden, the program built on it cannot start" system_qt_hidden
folder_runs() { [ "$(hidden_run "$folder/KelmarPatrol" --version)" = "KelmarPatrol $VERSION" ]; }
check "with the system's Qt hidden, the folder's program prints KelmarPatrol $VERSION" folder_runs

cp -R demo/cfg "$work/cfg"
caption=$(sed -n 's/^#define KP_TEXT_WINDOW_CAPTION "\(.*\)"$/\1/p' src/ui/window_layout.h)
# opens_window PLATFORM SHOWN: starts the folder's program on the demo careers
# with the system's Qt hidden, and waits up to 20 s for the command SHOWN to
# see its window, the program still running.
opens_window() {
  local platform=$1 shown=$2 pid result=1
  (QT_QPA_PLATFORM=$platform hidden_run "$folder/KelmarPatrol" "$work/cfg") >"$work/$platform.log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    if "$shown"; then
      kill -0 "$pid" 2>/dev/null && result=0
      break
    fi
    sleep 0.2
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$result" -eq 0 ] || tail -n 20 "$work/$platform.log"
  return "$result"
}

# -noreset: by default the server resets when its last client leaves, and a
# program started in that moment cannot connect (2 starts in 11 here, after the
# one before it was ended).
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
servers+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.2; done
DISPLAY=:$(cat "$work/display")
export DISPLAY
x11_shown() { xwininfo -name "$caption" 2>/dev/null | grep -q 'Map State: IsViewable'; }
check "the folder's program opens its window on the demo careers on X11, the system's Qt hidden" opens_window xcb x11_shown

# The desktop's colours and font size, as GNOME or Xfce set them through
# Qt's GTK 3 theme, as KDE Plasma (the Steam Deck's desktop) writes them in
# kdeglobals, and through the desktop portal's theme: the folder's program,
# the system's Qt hidden, must look as the program built on the system's Qt
# does. Both desktops' settings here are dark at 16 points.
desktop_config=$work/desktop-config
mkdir -p "$desktop_config/gtk-3.0"
printf '[Settings]\ngtk-font-name=Sans 16\ngtk-application-prefer-dark-theme=1\n' \
  >"$desktop_config/gtk-3.0/settings.ini"
printf '%s\n' '[General]' 'font=Sans Serif,16,-1,5,50,0,0,0,0,0' \
  '[Colors:Window]' 'BackgroundNormal=32,35,38' 'ForegroundNormal=234,236,239' \
  '[Colors:View]' 'BackgroundNormal=27,30,32' 'ForegroundNormal=234,236,239' \
  '[Colors:Button]' 'BackgroundNormal=41,44,48' 'ForegroundNormal=234,236,239' \
  >"$desktop_config/kdeglobals"
# By desktop: the environment that desktop's session gives a program.
declare -A desktop_env=(
  [gtk]="XDG_CURRENT_DESKTOP=GNOME GTK_THEME=Adwaita:dark QT_QPA_PLATFORMTHEME=gtk3"
  [kde]="XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 KDE_FULL_SESSION=true"
  [portal]="XDG_CURRENT_DESKTOP=GNOME GTK_THEME=Adwaita:dark QT_QPA_PLATFORMTHEME=xdgdesktopportal"
  [none]="XDG_CURRENT_DESKTOP=none"
)
# The mean brightness (0 to 255) of a window's picture from xwd, 32 bits a pixel.
brightness_py='
import struct, sys
data = sys.stdin.buffer.read()
h = struct.unpack(">25I", data[:100])
width, height, line, start = h[4], h[5], h[12], h[0] + h[19] * 12
total = 0
for y in range(height):
    row = data[start + y * line:start + y * line + width * 4]
    total += sum(row[x + 2] * 299 + row[x + 1] * 587 + row[x] * 114 for x in range(0, width * 4, 4))
print(total // (width * height * 1000))
'
# window_look DESKTOP COMMAND...: starts the command on the demo careers as
# DESKTOP's session would, and prints its window's width, height and mean
# brightness once it has been shown for two seconds. A window that does not
# show within a minute (a loaded machine starts slowly) leaves the program's
# own words on standard error.
window_look() {
  local desktop=$1 pid id look="" deadline=$((SECONDS + 60))
  shift
  (
    unset QT_QPA_PLATFORMTHEME GTK_THEME
    # shellcheck disable=SC2086 # the desktop's variables, one word each
    export XDG_CONFIG_HOME="$desktop_config" QT_QPA_PLATFORM=xcb ${desktop_env[$desktop]}
    "$@" "$work/cfg"
  ) >"$work/look.log" 2>&1 &
  pid=$!
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xwininfo -name "$caption" 2>/dev/null | awk '/Window id:/ { print $4 }')
    if [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
      sleep 2
      look="$(xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }') $(xwd -silent -id "$id" | python3 -c "$brightness_py")"
      break
    fi
    sleep 0.2
  done
  [ -n "$look" ] || { echo "$desktop: no window from $*" && sed 's/^/  /' "$work/look.log"; } >&2
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$look"
}
read -r plain_w plain_h plain_light <<<"$(window_look none hidden_run "$folder/KelmarPatrol")"
echo "     no desktop's settings: the folder's program ${plain_w}x${plain_h}, brightness ${plain_light}"
# as_system_build DESKTOP DARK: the folder's program looks as the system's
# build does under DESKTOP, and (DARK "dark") dark and larger than plain.
as_system_build() {
  local desktop=$1 dark=$2 system_w system_h system_b folder_w folder_h folder_b
  read -r system_w system_h system_b <<<"$(window_look "$desktop" "$PWD/build/package/KelmarPatrol")"
  read -r folder_w folder_h folder_b <<<"$(window_look "$desktop" hidden_run "$folder/KelmarPatrol")"
  echo "$desktop: the system's build ${system_w}x${system_h}, brightness ${system_b};" \
    "the folder's ${folder_w}x${folder_h}, brightness ${folder_b}" | tee -a "$work/looks"
  [ -n "$system_b" ] && [ -n "$folder_b" ] && [ -n "$plain_light" ] && [ "$plain_light" -gt 150 ] &&
    [ "$folder_w" = "$system_w" ] && [ "$folder_h" = "$system_h" ] &&
    [ $((folder_b - system_b)) -le 10 ] && [ $((system_b - folder_b)) -le 10 ] &&
    { [ "$dark" != dark ] || { [ "$folder_b" -lt 100 ] && [ "$folder_w" -gt "$plain_w" ] &&
      [ "$folder_h" -gt "$plain_h" ]; }; }
}
check "under a dark GTK theme at 16 points on X11 the folder's program turns dark and grows, as the system's build does" as_system_build gtk dark
check "under KDE Plasma's dark colours at 16 points the folder's program turns dark and grows, as the system's build does" as_system_build kde dark
check "through the desktop portal's theme the folder's program looks as the system's build does" as_system_build portal same
sed 's/^/     /' "$work/looks"

# What a screen reader hears, through AT-SPI as Orca asks it. atspi_py MODE:
# "window GROUP FIELD NOTE BUTTON...": the base buttons inside their group,
# and the note as the grid field's description; "box": prints the labels of
# the first message box; "box-after-cancel": the same after pressing Cancel
# in the folder chooser.
atspi_py='
import sys, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi
mode, *args = sys.argv[1:]
def nodes(node):
    if node is None:
        return
    yield node
    if node.get_role_name() not in ("table", "tree table", "tree", "list"):
        for i in range(node.get_child_count()):
            yield from nodes(node.get_child_at_index(i))
def found(role, name=None):
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    return [n for app in apps if app and app.get_name() == "KelmarPatrol"
            for n in nodes(app) if n.get_role_name() == role and name in (None, n.get_name())]
def first(role, name=None):
    for _ in range(100):
        hits = found(role, name)
        if hits:
            return hits[0]
        time.sleep(0.2)
    sys.exit("no " + role + " " + repr(name) + " on AT-SPI")
if mode == "window":
    group, field, note, *buttons = args
    children = [first("panel", group).get_child_at_index(i)
                for i in range(first("panel", group).get_child_count())]
    heard = [(c.get_role_name(), c.get_name()) for c in children]
    print("the group holds", heard)
    described = [f.get_description() for f in found("text", field)]
    print("the grid field describes itself as", described)
    sys.exit(0 if heard == [("radio button", b) for b in buttons] and described == [note] else 1)
if mode == "box-after-cancel":
    first("push button", "Cancel").get_action_iface().do_action(0)
print("\n".join(n.get_name() for n in nodes(first("alert")) if n.get_role_name() == "label"))
'
# on_atspi MODE [ARG...] -- COMMAND...: runs the command with its
# accessibility on, on a session bus of its own with the AT-SPI bus, while
# atspi_py reads it in MODE; the command's output goes to atspi-program.log.
on_atspi() {
  local launcher bus args=() result=0
  while [ "$1" != -- ]; do args+=("$1"); shift; done
  shift
  launcher=$(ls /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher \
    2>/dev/null | head -n 1)
  mapfile -t bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  (
    export DBUS_SESSION_BUS_ADDRESS=${bus[0]}
    "$launcher" --launch-immediately &
    launcher_pid=$!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$@" >"$work/atspi-program.log" 2>&1 &
    program_pid=$!
    /usr/bin/python3 -c "$atspi_py" "${args[@]}"
    result=$?
    kill "$program_pid" "$launcher_pid" 2>/dev/null || true
    wait "$program_pid" "$launcher_pid" 2>/dev/null || true
    exit "$result"
  ) || result=$?
  kill "${bus[1]}" 2>/dev/null || true
  return "$result"
}
text_of() { sed -n "s/^#define KP_TEXT_$1 \"\(.*\)\"\$/\1/p" src/ui/window_layout.h | tr -d '&'; }
check "on AT-SPI the base buttons are the group's children and the note is the grid field's description" \
  on_atspi window "$(text_of BASE_GROUP)" "$(text_of PATROL_GRID)" "$(text_of CREATED_GRID_NOTE)" \
  "$(text_of LAND_BASE)" "$(text_of TANKER_NORTH)" "$(text_of TANKER_MID)" "$(text_of TANKER_SOUTH)" \
  -- hidden_run "$folder/KelmarPatrol" "$work/cfg"

# The boxes a player meets before the window, read as a screen reader reads
# them: Cancel in the folder chooser, on an account where nothing is found,
# and a name given that is no folder (a file dropped on the menu entry).
mkdir -p "$work/new-account"
told_in_box() {
  local mode=$1 expected=$2 told
  shift 2
  told=$(
    unset WINEPREFIX
    HOME=$work/new-account XDG_CONFIG_HOME=$work/new-account/.config \
      XDG_DATA_HOME=$work/new-account/.local/share on_atspi "$mode" -- "$@"
  ) || return 1
  echo "the box says: $told"
  [[ "$told" == *"$expected"* ]]
}
check "Cancel in the folder chooser says in a box that no folder was chosen and how to choose one, from the menu or with the folder's own program" \
  told_in_box box-after-cancel "No configuration folder was chosen, so KelmarPatrol has nothing to open.
To choose one, start KelmarPatrol again from the menu and choose the folder that holds 'careers', \
or drop that folder on the menu entry's icon, or name it in a terminal: '$folder/KelmarPatrol' FOLDER." \
  hidden_run "$folder/KelmarPatrol"
given_file_told() {
  local file=$work/cfg/careers/Topp/patrols.cfg
  told_in_box box "'$file' is a file, not a folder." hidden_run "$folder/KelmarPatrol" "$file" &&
    grep -qF "KelmarPatrol: not a folder: '$file'" "$work/atspi-program.log" &&
    told_in_box box "There is no folder '$work/no such folder'." \
      hidden_run "$folder/KelmarPatrol" "$work/no such folder" &&
    grep -qF "KelmarPatrol: no such folder: '$work/no such folder'" "$work/atspi-program.log"
}
check "a name given that is a file or no folder is named in a box, and on standard error" given_file_told
unset DISPLAY

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=kelmar-test
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$work/weston.log" 2>&1 &
servers+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.2; done
# The client's protocol trace: the window got its title, the compositor
# configured it, and a painted buffer was attached after that.
wayland_shown() {
  grep -qF "set_title(\"$caption\")" "$work/wayland.log" &&
    sed -n '/xdg_surface@[0-9]*\.configure(/,$p' "$work/wayland.log" | grep -q 'wl_surface@[0-9]*\.attach(wl_buffer'
}
if [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
  export WAYLAND_DEBUG=client
  check "the folder's program opens its window on the demo careers on Wayland (weston), the system's Qt hidden" opens_window wayland wayland_shown
  unset WAYLAND_DEBUG
else
  echo "skip the window on Wayland: weston's headless compositor did not start"
  sed 's/^/     /' "$work/weston.log" | tail -n 5
fi
unset WAYLAND_DISPLAY XDG_RUNTIME_DIR

# The menu entry goes under ~/.local/share alone, and follows the folder.
home=$work/home
entry=$home/.local/share/applications/$ID.desktop
in_home() {
  echo "./.local/share/applications/$ID.desktop"
  for size in "${SIZES[@]}"; do echo "./.local/share/icons/hicolor/${size}x${size}/apps/$ID.png"; done
}
# entry_points_at FOLDER: runs the folder's installer; the entry, valid, is the
# shipped one starting that folder's program, and nothing else was written.
entry_points_at() {
  local at=$1
  env -u XDG_DATA_HOME HOME="$home" "$at/install-desktop-entry" &&
    desktop-file-validate "$entry" &&
    grep -qxF "Exec=\"$at/KelmarPatrol\" %f" "$entry" &&
    grep -qxF "TryExec=$at/KelmarPatrol" "$entry" &&
    diff <(grep -v '^TryExec=' "$entry" | grep -v '^Exec=') <(grep -v '^Exec=' "$at/share/applications/$ID.desktop") &&
    diff <(cd "$home" && find . -type f | sort) <(in_home | sort)
}
check "install-desktop-entry puts the menu entry and icons under ~/.local/share alone, for the folder's program" entry_points_at "$folder"
mv "$place" "$work/moved, with blanks"
folder="$work/moved, with blanks/$folder_name"
check "run again after the folder moved, it points the entry at the new place" entry_points_at "$folder"

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
check "Section is utils" field_is Section utils
for file in share/doc/$NAME/copyright share/doc/$NAME/changelog.gz share/man/man1/KelmarPatrol.1.gz; do
  check "the package holds $file" lists "$file"
done
# Debian's own judge of a package: errors fail, warnings are shown.
# lintian's status is 1 for an error it found and 2 when it could not judge
# the package at all; both fail.
lintian_clean() {
  local status=0
  lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || status=$?
  cat "$work/lintian.log"
  [ "$status" -eq 0 ] && ! grep -q '^E: ' "$work/lintian.log"
}
if command -v lintian >/dev/null; then
  check "lintian finds no error in $(basename "$deb")" lintian_clean
  sed -n 's/^/     /; /^     [WI]: /p' "$work/lintian.log"
else
  echo "skip lintian: it is not installed"
fi

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
