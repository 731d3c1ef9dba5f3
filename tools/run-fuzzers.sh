#!/usr/bin/env bash
# Builds the libFuzzer targets of the program's own picture decoders with
# clang (AddressSanitizer, UndefinedBehaviorSanitizer) and runs each for
# FUZZ_SECONDS (default 60) from the seed corpus in tests/fuzz/corpus.
# New inputs go to a scratch copy; a crash is kept in build-fuzz/ and fails
# the run.
#   tools/run-fuzzers.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${FUZZ_SECONDS:-60}}
out=build-fuzz
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -I.
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

for target in pcx tga; do
  clang++ "${flags[@]}" "tests/fuzz/fuzz_${target}.cpp" "render/${target}_decoder.cpp" \
    render/image_file.cpp -o "$out/fuzz_${target}"
done

status=0
for target in pcx tga; do
  corpus="$out/corpus_${target}"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  cp "tests/fuzz/corpus/${target}/"* "$corpus/"
  echo "fuzzing the ${target} decoder for ${seconds} s"
  if ! UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "$out/fuzz_${target}" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
      -artifact_prefix="$out/${target}-" -print_final_stats=1 "$corpus" \
      >"$out/fuzz_${target}.log" 2>&1; then
    echo "the ${target} decoder failed under the fuzzer:" >&2
    tail -n 40 "$out/fuzz_${target}.log" >&2
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$out/fuzz_${target}.log" || true
  fi
done
exit "$status"
