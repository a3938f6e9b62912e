#!/usr/bin/env bash
# Makes the kep package that `make python` built in BUILD/python importable by the
# Python it was built for, for this user, as an editable install would: a kep.pth
# file in that Python's user site-packages names the directory. Deleting the file
# undoes it.
set -euo pipefail
build=${1:-build}
package_dir="$(cd "$build/python" && pwd)"
python=$(sed -n 's/^Python3_EXECUTABLE:FILEPATH=//p' "$build/CMakeCache.txt")
site=$("$python" -m site --user-site)
mkdir -p "$site"
echo "$package_dir" > "$site/kep.pth"
echo "kep: built in $package_dir/kep; $python imports it from any directory ($site/kep.pth)."
