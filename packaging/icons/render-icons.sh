#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG; run after changing the drawing and
# commit the PNGs, so that a build needs no renderer (rsvg-convert: Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/hicolor"
icon=com.vantricsystems.ZoltProgrammer
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "scalable/apps/$icon.svg" -o "${size}x${size}/apps/$icon.png"
done
