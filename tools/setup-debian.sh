#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Stellix need.
# Idempotent: installs only what is missing. Uses apt-get as root, sudo otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-image-formats-plugins qt6-qpa-plugins
  # The translations: lupdate and lrelease with their CMake functions, and Qt's own texts.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libegl-dev libegl-mesa0
  libgtest-dev libgmock-dev libbenchmark-dev
  liberfa-dev
  # The telescope: INDI's client library, and the server with its simulator
  # that the tests start.
  libindi-dev indi-bin
  xvfb xauth xfonts-base fonts-liberation
  # The time zones every place keeps its clock by.
  tzdata
  # The inputs of the planet series, which a test regenerates with Python
  # and compares.
  kstars-data python3
  openbox xdotool x11-utils x11-apps poppler-utils imagemagick
  # bench/run_benchmarks.py --peers compiles its screen watcher and frame logger.
  libx11-dev libxext-dev
  libclang-rt-14-dev llvm
  # The Debian package and its checks.
  dpkg-dev file desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
