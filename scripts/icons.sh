#!/usr/bin/env bash
# Renders the program's icon, data/ondiscale.svg, into the PNG sizes of the
# hicolor theme: data/icons/<size>/ondiscale.png. The PNGs are committed;
# run this again (it needs Debian's librsvg2-bin) after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
  mkdir -p "data/icons/$size"
  rsvg-convert --width "$size" --height "$size" --output "data/icons/$size/ondiscale.png" data/ondiscale.svg
done
echo "rendered data/icons/{16,32,48,64,128,256}/ondiscale.png"
