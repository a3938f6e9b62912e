#!/usr/bin/env bash
# The main job of `make run`: shows what the command line does with the bundled
# sample pictures. $1 is the build directory.
set -euo pipefail
build=${1:-build}
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="$build/src/cli/kep-cli"
samples="$root/samples"

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
