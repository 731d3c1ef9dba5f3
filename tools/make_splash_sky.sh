#!/usr/bin/env bash
# Draws the sky picture of the splash and About window, res/splash/sky.png,
# with the program's own --render: Orion rising over the south-east on a
# winter evening at Krakow, the default place. The window draws the name,
# the version and the rest of its face over it as it opens.
#   tools/make_splash_sky.sh [BUILD_DIR]     (default: build)
# Needs an X display; runs itself under xvfb-run when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Local horizon, looking 65 degrees east of south and 28 degrees up; stars to
# magnitude 5, dim constellation figures, the Milky Way, the coloured sky.
cat >"$scratch/stellix.INI" <<'INI'
[Settings]
Zoom=2.0
XRotation=-28.0
YRotation=25.0
HorizonMode=1
Coordinations=0
Boundaries=0
Constelations=1
DeepSky=0
MilkyWay=1
SolarSystem=1
Ecliptic=0
StarNames=0
DeepSkyLabels=0
PlanetNames=0
SkyColors=1
StarsLimit=8
ConstLinesColor=9198150
INI
"$build/stellix" --settings "$scratch/stellix.INI" --datetime 2026-01-15T19:00:00 \
  --size 400x250 --render "$PWD/res/splash/sky.png"
echo "wrote res/splash/sky.png"
