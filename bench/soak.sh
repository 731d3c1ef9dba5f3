#!/usr/bin/env bash
# The long soak: 100 000 animation steps, each with a redraw, and 10 000
# commands of the command table chosen at random, in the real main window
# under Xvfb, in a build with UndefinedBehaviorSanitizer (any report ends
# the run). Prints the resident memory at the end of the warm-up (the first
# 10 000 steps) and after it; fails when it rises by more than 5 %, when
# the program crashes or UBSan reports.
#
#   bench/soak.sh [STEPS [COMMANDS]]      the samples go to build-soak/soak.csv
set -euo pipefail
cd "$(dirname "$0")/.."
steps=${1:-100000}
commands=${2:-$((steps / 10))}
./tools/setup-debian.sh
cmake -S . -B build-soak -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DSTELLIX_BUILD_BENCH=OFF >/dev/null
cmake --build build-soak --target stellix_soak
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build-soak/tests/soak/stellix_soak \
  --steps "$steps" --commands "$commands" --warmup $((steps / 10)) --samples 500 \
  --csv build-soak/soak.csv
