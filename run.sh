#!/usr/bin/env bash
# Installs what is missing, builds Teclomatic (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
# The program only: no test suite or benchmarks in this build.
TECLOMATIC_CMAKE_ARGS="-DTECLOMATIC_TESTS=OFF -DTECLOMATIC_BENCH=OFF" tools/scripts/setup.sh build Release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Teclomatic was built in build/app, but there is no display to open it on." >&2
  echo "Start it from a desktop session: build/app/Teclomatic" >&2
  exit 1
fi
exec build/app/Teclomatic "$@"
