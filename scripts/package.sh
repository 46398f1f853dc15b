#!/usr/bin/env bash
# Builds the program for release into build/package, makes its .deb with
# CPack, then KelmarPatrol.exe for 64-bit Windows into build/package-win64 and
# its zip, and prints the two packages' paths as the last two lines: the zip,
# then the .deb.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev) finds the libraries the program needs, with file.
bash scripts/install-deps.sh dpkg-dev file g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 zip
cmake --preset release -B build/package \
  -DKP_WITH_GUI=ON -DKP_WITH_TESTS=OFF -DKP_WITH_BENCH=OFF -DKP_WITH_FUZZERS=OFF -DKP_SANITIZE=OFF
cmake --build build/package -j2
rm -rf build/package/deb
cpack --config build/package/CPackConfig.cmake -G DEB -B build/package/deb
cmake -S . -B build/package-win64 --toolchain cmake/toolchain-mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKP_WITH_GUI=OFF -DKP_WITH_TESTS=OFF -DKP_WITH_BENCH=OFF
cmake --build build/package-win64 -j2 --target KelmarPatrol
rm -rf build/package-win64/zip
cpack --config build/package-win64/CPackConfig.cmake -G ZIP -B build/package-win64/zip
ls "$PWD"/build/package-win64/zip/*.zip
ls "$PWD"/build/package/deb/*.deb
