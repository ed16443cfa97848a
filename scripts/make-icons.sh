#!/usr/bin/env bash
# Renders the program's icon, packaging/icons/selvane.svg, into the PNGs beside it (48 and
# 256 px) that the package installs and the program shows. Run it after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" selvane.svg -o "selvane-$size.png"
done
