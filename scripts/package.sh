#!/usr/bin/env bash
# package.sh [--linux-only]: builds the program for release into
# build/package and makes its .deb with CPack and the self-contained Linux
# folder with its tarball (scripts/package-folder.sh), then KelmarPatrol.exe
# for 64-bit Windows into build/package-win64 and its zip. Prints the
# packages' paths as the last lines: the zip, the tarball, then the .deb.
# With --linux-only it makes the two Linux packages alone, without MinGW-w64,
# and prints the tarball's and the .deb's paths.
set -euo pipefail
cd "$(dirname "$0")/.."

windows=1
case "${1:-}" in
"") ;;
--linux-only) windows=0 ;;
*)
  echo "usage: scripts/package.sh [--linux-only]" >&2
  exit 2
  ;;
esac

# dpkg-shlibdeps (dpkg-dev) finds the libraries the program needs, with file;
# patchelf gives the folder's files their RUNPATH; the folder carries the
# platform themes of the last two.
linux_tools=(dpkg-dev file patchelf qt6-wayland qt6-gtk-platformtheme
  qt6-xdgdesktopportal-platformtheme)
windows_tools=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 zip)
if [ "$windows" -eq 1 ]; then
  if ! bash scripts/install-deps.sh "${linux_tools[@]}" "${windows_tools[@]}" ||
    ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
    echo "package.sh: MinGW-w64 (g++-mingw-w64-x86-64) is missing and could not be installed," \
      "so the Windows zip cannot be made. Run 'bash scripts/package.sh --linux-only' for the" \
      "Linux packages alone." >&2
    exit 1
  fi
else
  bash scripts/install-deps.sh "${linux_tools[@]}"
fi

cmake --preset release -B build/package \
  -DKP_WITH_GUI=ON -DKP_WITH_TESTS=OFF -DKP_WITH_BENCH=OFF -DKP_WITH_FUZZERS=OFF -DKP_SANITIZE=OFF
cmake --build build/package -j2
rm -rf build/package/deb
cpack --config build/package/CPackConfig.cmake -G DEB -B build/package/deb
tarball=$(bash scripts/package-folder.sh build/package build/package/folder | tail -n 1)

if [ "$windows" -eq 1 ]; then
  cmake --preset mingw-release -B build/package-win64 -DKP_WITH_BENCH=OFF
  cmake --build build/package-win64 -j2 --target KelmarPatrol
  rm -rf build/package-win64/zip
  cpack --config build/package-win64/CPackConfig.cmake -G ZIP -B build/package-win64/zip
  ls "$PWD"/build/package-win64/zip/*.zip
fi
echo "$tarball"
ls "$PWD"/build/package/deb/*.deb
