#!/usr/bin/env bash
# Start-up to first frame: starts Stellix RUNS times (default 5), reads the
# "first frame after N ms" line that --timing writes, and prints each figure
# and their median. Without a display it runs itself under Xvfb.
#   bench/startup_time.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-5}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

figures=()
for _ in $(seq "$runs"); do
  log="$scratch/log"
  : >"$log"
  "$build/stellix" --timing --no-splash --settings "$scratch/stellix.INI" 2>"$log" &
  pid=$!
  for _ in $(seq 100); do
    grep -q "first frame after" "$log" && break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  figures+=("$(sed -n 's/.*first frame after \([0-9]*\) ms.*/\1/p' "$log")")
done
echo "start-up to first frame (ms): ${figures[*]}"
printf '%s\n' "${figures[@]}" | sort -n | awk '{a[NR]=$1} END {print "median: " a[int((NR+1)/2)] " ms"}'
