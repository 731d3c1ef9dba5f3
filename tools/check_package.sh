#!/usr/bin/env bash
# Builds the Debian package from a build directory, checks that its
# dependencies are met, unpacks it into a temporary root (the machine's own
# packages stay untouched) and runs the installed program from there, without
# a display; then validates the desktop entry, the AppStream metainfo and the
# manual page as installed.
#   tools/check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(find "$scratch/package" -maxdepth 1 -name 'stellix_*.deb' -print -quit)
echo "package: $(basename "$deb")"
dpkg-deb --field "$deb" Depends

# Every dependency is installable here (a simulation: nothing is installed).
apt-get install --simulate --quiet "$deb" >"$scratch/simulate.log" ||
  { cat "$scratch/simulate.log"; exit 1; }

root=$scratch/root
dpkg --extract "$deb" "$root"
program=$root/usr/bin/stellix
home=$scratch/home
mkdir -p "$home"
run() {  # the installed program, no display, its own home
  env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME= "$program" "$@"
}

run --version
printf '[Location]\nTimeZone=0\nDaylightSavingTime=0\n' >"$scratch/utc.INI"
run --ephemeris --datetime 2000-01-01T12:00:00 --settings "$scratch/utc.INI" \
  >"$scratch/ephemeris.json"
grep -q '^{"JulianDay":2451545' "$scratch/ephemeris.json" ||
  { echo "unexpected ephemeris: $(head -c 200 "$scratch/ephemeris.json")"; exit 1; }
(cd "$scratch" && run --non-interactive --render sky.png --size 320x200)
file "$scratch/sky.png" | grep -q 'PNG image data, 320 x 200' ||
  { echo "no 320x200 PNG: $(file "$scratch/sky.png")"; exit 1; }
echo "installed program: --version, --ephemeris and --render ran without a display"

# The window, closed with File > Exit, keeps its settings in the user's
# configuration directory, never in the installed data directory.
cat >"$scratch/window.sh" <<'WINDOW'
#!/usr/bin/env bash
set -euo pipefail
HOME=$1 XDG_CONFIG_HOME= "$2" --no-splash --non-interactive &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Stellix' | head -1)
xdotool mousemove --window "$window" 100 100 click 1  # focus: Xvfb has no window manager
sleep 0.5
xdotool key --window "$window" alt+f
sleep 0.5
xdotool key x
wait "$pid"
WINDOW
chmod +x "$scratch/window.sh"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$scratch/window.sh" "$home" "$program"
test -s "$home/.config/stellix/stellix.INI" || { echo "no settings in ~/.config/stellix"; exit 1; }
if find "$root/usr/share/stellix" -name '*.INI' | grep -q .; then
  echo "settings written into the installed data directory"
  exit 1
fi
echo "installed program: the window keeps its settings in ~/.config/stellix"

share=$root/usr/share
desktop-file-validate "$share/applications/org.stellix.Stellix.desktop"
appstreamcli validate --no-net "$share/metainfo/org.stellix.Stellix.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
  file "$share/icons/hicolor/${size}x${size}/apps/org.stellix.Stellix.png" |
    grep -q "PNG image data, $size x $size" || { echo "icon $size missing"; exit 1; }
done
test -f "$share/icons/hicolor/scalable/apps/org.stellix.Stellix.svg"
# The manual page formats without a warning.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/stellix.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
echo "package checked"
