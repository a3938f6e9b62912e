#!/usr/bin/env bash
# The main job of `make bench`: runs the benchmarks of the Release build in $1,
# times whole kep-cli runs on generated pictures, and writes bench/RESULTS.md.
set -euo pipefail
build=${1:-build-bench}
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="$build/src/cli/kep-cli"
results="$root/bench/RESULTS.md"
# Other work on the machine slows every timing; the load before the run is noted.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "== Benchmarks (Google Benchmark)"
# Repetitions of all benchmarks interleaved in random order, so that a slow
# stretch of a shared machine does not fall on one benchmark's repetitions only.
"$build/bench/kep_bench" --benchmark_enable_random_interleaving=true --table="$work/table.md"

echo
echo "== Whole kep-cli runs"
"$build/bench/kep-bench-images" "$work"
snowflake="$work/snowflake-4096.bmp"
pixels=$((4096 * 4096))
# Peak memory allowed for measuring one image: 8 bytes per pixel and 64 MiB, in KiB.
budget_kib=$(((8 * pixels + 64 * 1024 * 1024) / 1024))

# Prints "seconds peak-KiB" of one command (its output discarded). A command that
# exits non-zero (a measurement without a dimension) makes time write a line
# about it first.
timed() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" > /dev/null 2>&1 || true
  tail -n 1 "$work/time"
}

{
  echo "| Method | Seconds | Peak memory (MiB) |"
  echo "|---|---:|---:|"
} > "$work/cli.md"
total=0
largest_kib=0
for method in $(seq 0 10); do
  read -r seconds kib < <(timed "$cli" measure "$snowflake" --method "$method")
  name=$("$cli" methods | awk -F'\t' -v m="$method" '$1 == m { print $2 }')
  echo "measure --method $method ($name): $seconds s, $((kib / 1024)) MiB"
  echo "| $method $name | $seconds | $((kib / 1024)) |" >> "$work/cli.md"
  total=$(awk -v a="$total" -v b="$seconds" 'BEGIN { print a + b }')
  ((kib > largest_kib)) && largest_kib=$kib
done

batch_files=("$work"/batch-*.bmp)
read -r one_job _ < <(timed "$cli" batch --report "$work/report-1.txt" -j 1 "${batch_files[@]}")
read -r two_jobs _ < <(timed "$cli" batch --report "$work/report-2.txt" -j 2 "${batch_files[@]}")
speedup=$(awk -v a="$one_job" -v b="$two_jobs" 'BEGIN { printf "%.2f", a / b }')
echo "batch over ${#batch_files[@]} files: -j 1 $one_job s, -j 2 $two_jobs s ($speedup x)"

# The desktop program's commands, on a virtual screen.
desktop_bench="$build/bench/desktop/kep_desktop_bench"
if [ -x "$desktop_bench" ]; then
  echo
  echo "== Commands of the interactive window"
  GDK_BACKEND=x11 NO_AT_BRIDGE=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$desktop_bench" "$work/desktop.md" "$cli" 2> /dev/null
fi

# The Python module, where the build has it, with the Python it was built for.
python=$(sed -n 's/^Python3_EXECUTABLE:FILEPATH=//p' "$build/CMakeCache.txt")
if [ -d "$build/python/kep" ]; then
  echo
  echo "== The Python module"
  PYTHONPATH="$build/python" "$python" "$root/bench/python_bench.py" "$build/bench/kep_bench" \
    "$work" "$work/python.md"
fi

{
  echo "# Benchmark results"
  echo
  echo "Written by \`make bench\` (scripts/bench.sh) on $(date -u '+%Y-%m-%d %H:%M UTC'):"
  echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'),"
  echo "$(c++ --version | head -n1), Release build; load average before the run: $load_before."
  echo
  echo "## Operations on generated pictures"
  echo
  echo "Each of the eleven methods with its default parameters on an engine prepared from the"
  echo "picture (bright particles), the preparation itself, the two pre-processing steps, and one"
  echo "full copy of the largest picture. Where a method has a faster form, its plain reference"
  echo "form (tests/reference) ran in the same process, the plain mass-radius forms only where"
  echo "an outline has at most about 5e8 pixel pairs per radius (up to the 2048-pixel snowflake)."
  echo "Each time is the fastest of five repetitions, interleaved in random order with those of"
  echo "every other benchmark; the plain forms ran once. corner-count-1-10000-1 is the corner"
  echo "count with the parameters (1, 10000, 1), 9999 tolerances from 0.1 to 999.9 pixels, on"
  echo "samples/koch-island-8bit.bmp (256 x 256); it should stay within 2 s."
  echo
  echo "The last table times operations against a yardstick timed in the same run: the corner,"
  echo "mass-radius (long) and dilation methods on the 4096-pixel island against box counting on"
  echo "it, and loading 4096 x 4096 image files as kep-cli loads them against reading the file's"
  echo "bytes into memory for the uncompressed 8-bit bitmap and TIFF files, libtiff decoding the"
  echo "strips of a 16-bit LZW TIFF file on its own; the ratio should stay within the target."
  echo
  cat "$work/table.md"
  echo
  echo "## Whole kep-cli measure runs on the 4096-pixel snowflake"
  echo
  echo "Reading the file and preparing the image included; the peak memory allowed is"
  echo "8 bytes per pixel and 64 MiB, $((budget_kib / 1024)) MiB."
  echo
  cat "$work/cli.md"
  echo
  echo "All eleven: $total s; largest peak: $((largest_kib / 1024)) MiB."
  echo
  echo "## Batch throughput"
  echo
  echo "\`kep-cli batch\` with the default method over ${#batch_files[@]} generated 1024-pixel pictures of"
  echo "random particles: -j 1 $one_job s, -j 2 $two_jobs s, $speedup times the throughput."
  if [ -f "$work/desktop.md" ]; then
    echo
    echo "## Commands of the interactive window"
    echo
    echo "Each command of the input form on the 4096-pixel snowflake, from the click to the last"
    echo "of the four panes drawn (1280 x 1024 virtual screen), without animation; Calculate FD"
    echo "with each method's defaults on the loaded picture. Then a project's run over 64 pictures"
    echo "of 1024 pixels, from the save dialog to the last pane drawn, beside kep-cli batch over"
    echo "the same files on as many threads, and another file selected in a list of 1000, the"
    echo "three display panes redrawn. The fastest of five runs."
    echo
    cat "$work/desktop.md"
  fi
  if [ -f "$work/python.md" ]; then
    echo
    echo "## The Python module"
    echo
    echo "\`kep.measure\` on the 4096-pixel snowflake as a numpy array (its one copy of the"
    echo "array included) against the same measurement in C++, each the fastest of five"
    echo "runs in each of three alternating rounds:"
    echo
    cat "$work/python.md"
  fi
} > "$results"
echo
echo "Wrote $results"
