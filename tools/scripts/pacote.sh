#!/usr/bin/env bash
# Builds the Debian package teclomatic_<version>_<arch>.deb in build/ from a
# Release build installed under /usr. Installs what is missing first, like
# run.sh (dpkg-dev and file are what cpack needs to compute the
# dependencies). Install the result with: sudo apt install ./build/teclomatic_*.deb
set -euo pipefail
cd "$(dirname "$0")/../.."
TECLOMATIC_CMAKE_ARGS="-DTECLOMATIC_TESTS=OFF -DTECLOMATIC_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr" \
  tools/scripts/setup.sh build Release dpkg-dev file
cd build
rm -f teclomatic_*.deb
cpack -G DEB
ls -l "$PWD"/teclomatic_*.deb
