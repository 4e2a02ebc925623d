#!/usr/bin/env bash
# Renders the application icon (packaging/icons/teclomatic.svg) into the PNG
# sizes of the hicolor icon theme, packaging/icons/hicolor/<N>x<N>/apps/.
# The PNGs are kept in the repository; run this again after editing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../../packaging/icons"
for n in 16 22 24 32 48 64 128 256 512; do
  mkdir -p "hicolor/${n}x${n}/apps"
  rsvg-convert -w "$n" -h "$n" teclomatic.svg -o "hicolor/${n}x${n}/apps/io.github.teclomatic.teclomatic.png"
done
