#!/usr/bin/env bash
# Builds the program for release into build/package, makes its .deb with
# CPack and prints the package's path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev) finds the libraries the program needs, with file.
bash scripts/install-deps.sh dpkg-dev file
cmake --preset release -B build/package \
  -DKP_WITH_GUI=ON -DKP_WITH_TESTS=OFF -DKP_WITH_BENCH=OFF -DKP_WITH_FUZZERS=OFF -DKP_SANITIZE=OFF
cmake --build build/package -j2
rm -rf build/package/deb
cpack --config build/package/CPackConfig.cmake -G DEB -B build/package/deb
ls "$PWD"/build/package/deb/*.deb
