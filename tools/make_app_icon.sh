#!/usr/bin/env bash
# Rasterises the application icon into the PNG sizes of the hicolor theme,
# committed under packaging/icons/png/ (the build needs no SVG tool).
# 16 and 24 pixels come from a simpler drawing whose stars survive them.
# Needs rsvg-convert (Debian: librsvg2-bin). Run: tools/make_app_icon.sh
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
mkdir -p png
for size in 16 24 32 48 64 128 256; do
  source=org.stellix.Stellix.svg
  [ "$size" -le 24 ] && source=org.stellix.Stellix-small.svg
  rsvg-convert --width "$size" --height "$size" --output "png/$size.png" "$source"
done
