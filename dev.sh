#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Stellix and runs it or its tests.
#   ./dev.sh run              install what is missing, build, start Stellix
#   ./dev.sh test             install what is missing, build, run every test
#   ./dev.sh test-sanitized   the same tests in a build with AddressSanitizer and UBSan
#   ./dev.sh package          a Release build, its Debian package, installed into a
#                             temporary root and run from there without a display
#   ./dev.sh build-clang      a RelWithDebInfo build with clang
#   ./dev.sh build-debug      a Debug build with GCC
# Warnings are errors in every build made here (STELLIX_WERROR).
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-}
shift || true

./tools/setup-debian.sh

configure() {  # configure DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DSTELLIX_WERROR=ON "$@" >/dev/null
}

build() {  # build DIR [cmake options...]
  configure "$@"
  cmake --build "$1"
}

run_tests() {  # run_tests DIR
  # The sky view and the widgets need an X server; Xvfb with Mesa's software GL
  # serves. -noreset: without it the server resets whenever its last client
  # leaves and drops a client that connects meanwhile.
  (cd "$1" && xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    ctest --output-on-failure --timeout 600 -j "$(nproc)")
}

case "$what" in
  run)
    # Only the program and the copy of its data: not the tests and benchmarks.
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build --target stellix
    exec ./build/stellix "$@"
    ;;
  test)
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    run_tests build
    ;;
  test-sanitized)
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSTELLIX_SANITIZE=ON -DSTELLIX_BUILD_BENCH=OFF
    # Mesa unloads its software driver when the last GL context goes, and the
    # leak report then cannot name the driver's own allocations. Loading it
    # up front keeps it mapped, so the suppressions can name it.
    dri=$(find /usr/lib -name swrast_dri.so -print -quit 2>/dev/null || true)
    # The leak check at exit sometimes crashes scanning the thread-local
    # storage of a library loaded late (libjpeg, through Qt's JPEG plugin,
    # when a test opens a picture); loaded up front, its storage is static.
    jpeg=$(find /usr/lib -name 'libjpeg.so.62' -print -quit 2>/dev/null || true)
    export LD_PRELOAD=${dri}${jpeg:+:${jpeg}}
    export ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0
    export LSAN_OPTIONS="suppressions=$PWD/tools/lsan-suppressions.txt:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_tests build-sanitize
    ;;
  package)
    # The tests are built (they must compile at -O3 too) but not run again:
    # the package check runs the installed program instead.
    build build-release -DCMAKE_BUILD_TYPE=Release -DSTELLIX_BUILD_BENCH=OFF
    ./tools/check_package.sh build-release
    ;;
  build-clang)
    CC=clang CXX=clang++ build build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ;;
  build-debug)
    build build-debug -DCMAKE_BUILD_TYPE=Debug
    ;;
  *)
    echo "usage: $0 run [stellix options] | test | test-sanitized | package | build-clang | build-debug" >&2
    exit 2
    ;;
esac
