#!/usr/bin/env bash
# Builds the libraries, kep-cli and every unit test with AddressSanitizer and
# UndefinedBehaviorSanitizer (no recovery) in build-sanitize, then runs the tests.
# The desktop program and its tests stay out: GTK's own allocations would drown
# the reports.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitizer-env.sh
BUILD=${SANITIZE_BUILD:-build-sanitize}
JOBS=${JOBS:-$(nproc)}

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEP_SANITIZE=ON \
  -DKEP_BUILD_DESKTOP=OFF -DKEP_BUILD_BENCH=OFF > /dev/null
cmake --build "$BUILD" -j "$JOBS"
cd "$BUILD" && ctest --output-on-failure -j "$JOBS"
