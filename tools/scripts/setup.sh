#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages Teclomatic needs,
# only those that are missing, and configures + builds one build folder.
#   setup.sh <build-dir> <build-type> [extra packages...]
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
  qt6-qpa-plugins libxkbfile-dev libx11-dev libxrandr-dev libwayland-dev libqt6sql6-sqlite
  fonts-liberation
)

build_dir=$1; build_type=$2; shift 2
PACKAGES+=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

here=$(cd "$(dirname "$0")/../.." && pwd)
# TECLOMATIC_CMAKE_ARGS: further cmake options, split at spaces.
# shellcheck disable=SC2086
cmake -S "$here" -B "$here/$build_dir" -DCMAKE_BUILD_TYPE="$build_type" ${TECLOMATIC_CMAKE_ARGS:-}
cmake --build "$here/$build_dir" -j"$(nproc)"
