#!/usr/bin/env bash
# Builds the concurrent-measurement test with ThreadSanitizer in build-tsan and
# runs it: files measured on two threads at once must share nothing unguarded.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitizer-env.sh
BUILD=${TSAN_BUILD:-build-tsan}
JOBS=${JOBS:-$(nproc)}

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread \
  -DKEP_BUILD_DESKTOP=OFF -DKEP_BUILD_BENCH=OFF > /dev/null
cmake --build "$BUILD" -j "$JOBS" --target kep_threads_tests
"$BUILD/tests/threads/kep_threads_tests"
