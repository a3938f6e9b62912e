#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 (AddressSanitizer and
# UndefinedBehaviorSanitizer, no recovery) in build-fuzz and runs each in turn.
#
#   scripts/fuzz.sh        each target for FUZZ_SECONDS seconds (default 60),
#                          growing a working corpus under build-fuzz/corpus/ from
#                          the committed seeds in fuzz/corpus/
#   scripts/fuzz.sh --ci   each target for a fixed number of inputs from a fixed
#                          random seed, starting from the committed seeds only, so
#                          that every run tries exactly the same inputs: without
#                          address randomisation (compared pointers feed the
#                          mutations) and without the timed corpus reloads
#
# A crash, a leak, a failed check or an input that takes longer than 10 s ends
# the run with a non-zero status; the input is kept under build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitizer-env.sh
BUILD=${FUZZ_BUILD:-build-fuzz}
JOBS=${JOBS:-$(nproc)}
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
TARGETS=(load_bmp_fuzzer tiff_reader_fuzzer measure_fuzzer)
# Inputs per target in CI mode: about a minute or two each on a 2-core machine.
declare -A CI_RUNS=([load_bmp_fuzzer]=150000 [tiff_reader_fuzzer]=100000 [measure_fuzzer]=60000)
declare -A MAX_LEN=([load_bmp_fuzzer]=4096 [tiff_reader_fuzzer]=4096 [measure_fuzzer]=4200)

ci=false
if [ "${1:-}" = "--ci" ]; then
  ci=true
fi

cmake -S . -B "$BUILD" -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEP_SANITIZE=ON -DKEP_BUILD_FUZZERS=ON \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
  -DKEP_BUILD_TESTS=OFF -DKEP_BUILD_DESKTOP=OFF -DKEP_BUILD_BENCH=OFF > /dev/null
cmake --build "$BUILD" -j "$JOBS" --target "${TARGETS[@]}"

mkdir -p "$BUILD/artifacts"
for target in "${TARGETS[@]}"; do
  options=(-max_len="${MAX_LEN[$target]}" -timeout=10 -close_fd_mask=2 -print_final_stats=1
           -artifact_prefix="$BUILD/artifacts/$target-")
  if [ -f "fuzz/$target.dict" ]; then
    options+=(-dict="fuzz/$target.dict")
  fi
  launcher=()
  if $ci; then
    corpus=$(mktemp -d "$BUILD/ci-corpus-XXXXXX")
    cp "fuzz/corpus/$target"/* "$corpus"/
    options+=(-seed=1 -runs="${CI_RUNS[$target]}" -reload=0 "$corpus")
    launcher=(setarch "$(uname -m)" -R)
  else
    corpus="$BUILD/corpus/$target"
    mkdir -p "$corpus"
    options+=(-max_total_time="$FUZZ_SECONDS" "$corpus" "fuzz/corpus/$target")
  fi
  log="$BUILD/$target.log"
  echo "== $target"
  status=0
  "${launcher[@]}" "$BUILD/fuzz/$target" "${options[@]}" > "$log" 2>&1 || status=$?
  if $ci; then
    rm -rf "$corpus"
  fi
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "$target: finding kept under $BUILD/artifacts/ (full log: $log)" >&2
    exit "$status"
  fi
  grep -E '^Done |stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb' "$log" \
    | sed 's/^/   /'
  grep -E '#[0-9]+.*DONE' "$log" | tail -n 1 | sed 's/^/   /'
done
