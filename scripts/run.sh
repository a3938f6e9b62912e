#!/usr/bin/env bash
# The main job of `make run`: shows what the command line does with the bundled
# sample pictures. $1 is the build directory.
set -euo pipefail
build=${1:-build}
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="$(cd "$build" && pwd)/src/cli/kep-cli"
samples="$root/samples"

# With a display, the desktop program on a grey sample; without one, the command
# line at work.
has_display() {
  [ -n "${WAYLAND_DISPLAY:-}" ] && return 0
  [ -n "${DISPLAY:-}" ] && xwd -root -silent -out /dev/null 2>/dev/null
}
kep="$build/src/desktop/kep"
if [ -x "$kep" ] && has_display; then
  echo "Opening the desktop program, kep, on samples/noisy-blobs-8bit.bmp."
  exec "$kep" "$samples/noisy-blobs-8bit.bmp"
fi
echo "No display to open the desktop program kep on: showing the command line, kep-cli, instead."
echo

echo "== kep-cli info: what the readers make of each sample file"
for file in "$samples"/*.bmp "$samples"/*.tif; do
  "$cli" info "$file" | grep -v '^histogram:' | sed "s|^file: $root/|file: |" | paste -sd ';' | sed 's/;/, /g'
done

echo
echo "== kep-cli convert: each picture as the system loads it, written as PNG"
converted="$build/samples-png"
mkdir -p "$converted"
for picture in koch-island disc noisy-blobs; do
  "$cli" convert "$samples/$picture-8bit.bmp" "$converted/$picture.png"
done
echo "Written to $(cd "$converted" && pwd)/"

echo
echo "== kep-cli measure: the Koch island (dimension 1.5) by each of the eleven methods"
for method in $("$cli" methods | cut -f2); do
  printf '%-24s %s\n' "$method" "$("$cli" measure --method "$method" "$samples/koch-island-8bit.bmp" | head -n 1)" || true
done

echo
echo "== kep-cli batch: every sample, box counting, one report line per file"
out="$(cd "$build" && pwd)/demo"
mkdir -p "$out"
(cd "$root" && "$cli" batch --report "$out/report.txt" --method box-counting \
  --plot "$out/dimension-plot.png" samples/*.bmp samples/*.tif) || true
tr -d '\r' < "$out/report.txt"
"$cli" plot --method dilation "$samples/koch-island-8bit.bmp" "$out/koch-island-loglog.png" || true
"$cli" plot --histogram "$samples/noisy-blobs-8bit.bmp" "$out/noisy-blobs-histogram.png"
echo
echo "Report and plots written to $out/:"
ls "$out"
