#!/usr/bin/env bash
# Builds kep_VERSION_ARCH.deb in the top directory: a Release build in BUILD
# (default build-package) of the programs and the Python module only, compiled
# with Debian's hardening flags, packed by CPack. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-package}
JOBS=${JOBS:-$(nproc)}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
export CFLAGS="$(dpkg-buildflags --get CFLAGS) $CPPFLAGS"
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
export LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
# The changelog's date: that of the last commit, so that a build is repeatable.
if git rev-parse --git-dir >/dev/null 2>&1; then
  export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
fi

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DKEP_BUILD_PACKAGE=ON -DKEP_BUILD_TESTS=OFF -DKEP_BUILD_BENCH=OFF > /dev/null
cmake --build "$BUILD" -j "$JOBS"
top=$PWD
(cd "$BUILD" && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX="$top") |
  sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p'
