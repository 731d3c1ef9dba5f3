#!/usr/bin/env bash
# Process start to a written chart: runs "stellix --print-pdf" RUNS times
# (default 5) with --timing, without a display, and prints each figure and
# their median.
#   bench/print_pdf_time.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-5}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

figures=()
for _ in $(seq "$runs"); do
  env -u DISPLAY "$build/stellix" --timing --print-pdf "$scratch/chart.pdf" \
    --settings "$scratch/stellix.INI" 2>"$scratch/log"
  figures+=("$(sed -n 's/.*chart written after \([0-9]*\) ms.*/\1/p' "$scratch/log")")
done
echo "start to written chart (ms): ${figures[*]}"
printf '%s\n' "${figures[@]}" | sort -n | awk '{a[NR]=$1} END {print "median: " a[int((NR+1)/2)] " ms"}'
