#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, AddressSanitizer and
# UBSan) once, then runs every target it finds, two at a time.
#
#   tools/fuzz.sh [SECONDS | -runs=N]     (default: -runs=10000000)
#
# Each target starts from its seed corpus (tests/fuzz/corpus/<name>) and the
# inputs it once crashed on (tests/fuzz/regressions/<name>); what it finds
# new goes to build-fuzz/fuzz-corpus/<name>, crashes to
# build-fuzz/fuzz-artifacts/<name>/, its output to build-fuzz/fuzz-logs.
# A crash input that is fixed belongs in tests/fuzz/regressions/<name>/,
# where the ordinary test builds replay it. Exits non-zero when a target
# failed. FUZZ_JOBS sets how many run at once, FUZZ_BUILD the build
# directory, FUZZ_TARGETS which targets run, in that order (default: all).
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD

limit=${1:--runs=10000000}
case "$limit" in
  -runs=[0-9]*) budget=("$limit") ;;
  [0-9]*) budget=("-max_total_time=$limit") ;;
  *) echo "usage: $0 [SECONDS | -runs=N]" >&2; exit 2 ;;
esac

build=${FUZZ_BUILD:-$source/build-fuzz}
jobs=${FUZZ_JOBS:-$(nproc)}
CC=clang CXX=clang++ cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTELLIX_FUZZ=ON -DSTELLIX_BUILD_TESTS=OFF -DSTELLIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzzers

mkdir -p "$build/fuzz-logs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run_target() {  # run_target NAME
  local name=$1 bin="$build/tests/fuzz/$1_fuzz"
  local log="$build/fuzz-logs/$name.log" dict=()
  mkdir -p "$build/fuzz-corpus/$name" "$build/fuzz-artifacts/$name"
  [ -f "$source/tests/fuzz/$name.dict" ] && dict=("-dict=$source/tests/fuzz/$name.dict")
  local seeds=("$source/tests/fuzz/corpus/$name")
  [ -d "$source/tests/fuzz/regressions/$name" ] && seeds+=("$source/tests/fuzz/regressions/$name")
  local started=$SECONDS status=0
  "$bin" "${budget[@]}" -timeout=20 -rss_limit_mb=2560 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/$name/" "${dict[@]}" \
    "$build/fuzz-corpus/$name" "${seeds[@]}" >"$log" 2>&1 || status=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-22s %12s executions %7d s  %s\n' "$name" "${runs:-?}" $((SECONDS - started)) \
    "$([ "$status" -eq 0 ] && echo ok || echo "FAILED (status $status, see $log)")"
  return "$status"
}

targets=()
if [ -n "${FUZZ_TARGETS:-}" ]; then
  read -r -a targets <<<"$FUZZ_TARGETS"
else
  for bin in "$build"/tests/fuzz/*_fuzz; do
    [ -x "$bin" ] && targets+=("$(basename "$bin" _fuzz)")
  done
fi
echo "fuzzing ${#targets[@]} targets, $jobs at a time (${budget[*]})"

failed=0
running=0
for name in "${targets[@]}"; do
  run_target "$name" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
