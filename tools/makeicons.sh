#!/usr/bin/env bash
# Draws the application icon's PNG sizes from its SVG, into the hicolor folders the install
# copies: packaging/icons/hicolor/NxN/apps/chalkface.png. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
icons=$root/packaging/icons/hicolor
svg=$icons/scalable/apps/chalkface.svg

for size in 16 22 24 32 48 64 128 256 512; do
    mkdir -p "$icons/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" "$svg" --output "$icons/${size}x${size}/apps/chalkface.png"
done
echo "makeicons: drew $svg at 16 to 512 pixels"
