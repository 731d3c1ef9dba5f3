#!/usr/bin/env bash
# Continuous integration of the reliability checks that the test suites do
# not run: every fuzz target (tests/fuzz), built once with clang,
# AddressSanitizer and UBSan, runs for 60 seconds, two at a time. The fault
# tests, the replay of every crash input and a short soak run with the
# test suites of .ci/run.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup-debian.sh
FUZZ_JOBS=$(nproc) ./tools/fuzz.sh 60
