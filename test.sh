#!/usr/bin/env bash
# Installs what is missing, builds the test build and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
# The validators let ctest check the installed desktop entry and metadata;
# libxkbcommon lets it check the keyboards' tables against the X layouts,
# hunspell the lessons' spelling against the Brazilian dictionary.
tools/scripts/setup.sh build-test RelWithDebInfo desktop-file-utils appstream libxkbcommon-dev \
  libhunspell-dev hunspell-pt-br
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
