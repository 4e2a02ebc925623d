#!/usr/bin/env bash
# Installs what is missing, builds the test build and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
# The validators let ctest check the installed desktop entry and metadata.
tools/scripts/setup.sh build-test RelWithDebInfo desktop-file-utils appstream
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
