#!/usr/bin/env bash
# Makes the kep package that `make python` built in BUILD/python importable by the
# Python it was built for, for this user, as an editable install would: a kep.pth
# file in that Python's user site-packages names the directory. Deleting the file
# undoes it. Says which interpreter that is, and warns when `python3` on the PATH
# outside the checkout is another one (pyenv's, say), which lacks Debian's numpy.
set -euo pipefail
build=${1:-build}
package_dir="$(cd "$build/python" && pwd)"
python=$(sed -n 's/^Python3_EXECUTABLE:FILEPATH=//p' "$build/CMakeCache.txt")
site=$("$python" -m site --user-site)
mkdir -p "$site"
echo "$package_dir" > "$site/kep.pth"
version=$("$python" -c 'import kep; print(kep.__version__)')
echo "kep $version: built in $package_dir/kep; $python imports it from any directory ($site/kep.pth)."
elsewhere=$(cd / && command -v python3 || true)
if [ -n "$elsewhere" ] && [ "$(cd / && python3 -c 'import sys; print(sys.executable)' 2>/dev/null)" != "$python" ] &&
   ! (cd / && python3 -c 'import numpy' 2>/dev/null); then
  echo "kep: note: outside this checkout, python3 is $elsewhere, which has no numpy; run $python instead."
fi
