#!/usr/bin/env bash
# package-folder.sh BUILD OUT: makes the self-contained Linux folder
# KelmarPatrol-<version> in OUT from the release build in BUILD, and its
# tarball KelmarPatrol-<version>-linux-x86_64.tar.gz beside it, whose path it
# prints last. The folder carries Qt, the Qt plugins of res/linux/qt-plugins.txt
# and every library they need but those of res/linux/base-libraries.txt; each
# finds the next through its RUNPATH, Qt its plugins through qt.conf.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$1
out=$2
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=KelmarPatrol-$version
folder=$out/$name
qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)

rm -rf "$out"
mkdir -p "$out/stage" "$folder/lib" "$folder/licenses"
# The same program, desktop entry, icons and AppStream file as the .deb; the
# Debian package's own documents stay out (LICENSE and README stand at the top).
cmake --install "$build" --prefix "$out/stage" --strip >/dev/null
mv "$out/stage/bin/KelmarPatrol" "$folder/"
rm -rf "$out/stage/share/doc" "$out/stage/share/man"
mv "$out/stage/share" "$folder/share"
rm -rf "$out/stage"
cp res/linux/qt.conf res/linux/README res/linux/install-desktop-entry LICENSE "$folder/"

roots=("$folder/KelmarPatrol")
while read -r plugin; do
  mkdir -p "$folder/plugins/$(dirname "$plugin")"
  cp "$qt_plugins/$plugin" "$folder/plugins/$plugin"
  roots+=("$folder/plugins/$plugin")
done < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' res/linux/qt-plugins.txt)

declare -A base=() where=() carried=()
while read -r soname; do base[$soname]=1; done < <(awk '{ sub(/#.*/, "") } NF { print $1 }' res/linux/base-libraries.txt)
# Where this system has each library the roots load, directly or not.
for root in "${roots[@]}"; do
  while read -r soname path; do where[$soname]=$path; done < <(ldd "$root" | awk '$2 == "=>" && $3 ~ /^\// { print $1, $3 }')
done

# Walks the libraries each file names, carrying every one not in the base;
# a base library's own needs are the system's business.
queue=("${roots[@]}")
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  for soname in $(objdump -p "$file" | awk '$1 == "NEEDED" { print $2 }'); do
    if [ -n "${base[$soname]:-}" ] || [ -n "${carried[$soname]:-}" ]; then continue; fi
    if [ -z "${where[$soname]:-}" ]; then
      echo "package-folder.sh: $file needs $soname, which this system lacks" >&2
      exit 1
    fi
    carried[$soname]=${where[$soname]}
    cp -L "${where[$soname]}" "$folder/lib/$soname"
    queue+=("$folder/lib/$soname")
  done
done

patchelf --set-rpath '$ORIGIN/lib' "$folder/KelmarPatrol"
for lib in "$folder"/lib/*; do patchelf --set-rpath '$ORIGIN' "$lib"; done
for plugin in "$folder"/plugins/*/*; do patchelf --set-rpath '$ORIGIN/../../lib' "$plugin"; done

# The licence of each Debian package a carried file comes from.
packages=$(for path in "${carried[@]}" "${roots[@]:1}"; do
  real=$(realpath "$path")
  [[ $path == "$folder"/* ]] && real=$qt_plugins/${path#"$folder/plugins/"}
  dpkg -S "$real" 2>/dev/null || dpkg -S "${real#/usr}"
done | cut -d: -f1 | sort -u)
for package in $packages; do
  cp -L "/usr/share/doc/$package/copyright" "$folder/licenses/$package.copyright"
done

chmod -R u=rwX,go=rX "$folder"
tar -C "$out" --owner=0 --group=0 --numeric-owner -czf "$out/$name-linux-x86_64.tar.gz" "$name"
echo "$PWD/$out/$name-linux-x86_64.tar.gz"
