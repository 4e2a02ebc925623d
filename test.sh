#!/usr/bin/env bash
# Installs what is missing, builds the test build and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/scripts/setup.sh build-test RelWithDebInfo
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
