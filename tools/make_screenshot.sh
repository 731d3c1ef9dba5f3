#!/usr/bin/env bash
# Renders the screenshot of the AppStream metainfo with the program itself:
# the winter sky around Orion, constellation figures and boundaries on,
# 1600x900. Needs no display.
#   tools/make_screenshot.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '[Settings]\nConstelations=1\n[Location]\nTimeZone=0\nDaylightSavingTime=0\n' \
  >"$scratch/stellix.INI"
"$build/stellix" --non-interactive --settings "$scratch/stellix.INI" \
  --datetime 2026-12-08T22:00:00 --size 1600x900 \
  --render packaging/screenshots/stellix-sky.png
