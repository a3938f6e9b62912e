#!/usr/bin/env bash
# Installs every Debian package that building, testing, benchmarking, fuzzing and
# running the project needs. Safe to run again: it only installs what is missing.
set -euo pipefail

PACKAGES=(
  # toolchain and build
  build-essential cmake make pkg-config g++ clang-14 libclang-rt-14-dev clang-format
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # command line: arguments, JSON, PNG files
  libcli11-dev nlohmann-json3-dev libpng-dev
  # the t quantiles of the confidence intervals
  libboost-dev
  # TIFF files that the built-in reader does not read (compressed, deep, tiled)
  libtiff-dev
  # plots written to PNG and SVG, and the font they use
  libcairo2-dev fonts-dejavu-core
  # desktop program and its headless tests and screenshots
  libwxgtk3.2-dev libgtk-3-dev libx11-dev xvfb xauth x11-apps xdotool imagemagick
  # the Python module, its tests, its Dask batches, the README's plots, and
  # `pip install .` into a virtual environment, results as data frames, and the
  # type check of its stubs
  pybind11-dev python3-dev python3-numpy python3-pytest python3-distributed python3-matplotlib
  python3-venv python3-pip python3-setuptools python3-wheel python3-pandas mypy
  # the Debian package: its icons, its dependencies, and its checks
  librsvg2-bin dpkg-dev file lintian desktop-file-utils appstream bash-completion man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
