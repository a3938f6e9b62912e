#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it: its contents, the
# unpacked programs and Python module, the manual page against kep-cli's options,
# the completion, and the verdicts of lintian, desktop-file-validate and
# appstreamcli. On CI, run as root, it also installs and removes the package.
# The module is for Debian's python3, /usr/bin/python3, whatever else PATH holds.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-package}

deb=$(bash scripts/package.sh "$BUILD" | tail -n 1)
version=$(dpkg-deb -f "$deb" Version)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
passes=0 failures=0
check() {  # check DESCRIPTION COMMAND...: runs the command and counts its outcome
  if "${@:2}"; then
    passes=$((passes + 1))
  else
    echo "FAILED: $1"
    failures=$((failures + 1))
  fi
}
equal() { [ "$1" = "$2" ] || { printf 'got:      %s\nexpected: %s\n' "$1" "$2"; return 1; }; }

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/kep ./usr/bin/kep-cli ./usr/share/applications/kep.desktop \
  ./usr/share/icons/hicolor/scalable/apps/kep.svg ./usr/share/icons/hicolor/48x48/apps/kep.png \
  ./usr/share/man/man1/kep.1.gz ./usr/share/man/man1/kep-cli.1.gz \
  ./usr/share/bash-completion/completions/kep-cli ./usr/share/metainfo/org.example.kep.metainfo.xml \
  ./usr/share/doc/kep/copyright ./usr/share/doc/kep/changelog.gz ./usr/share/doc/kep/README.md.gz \
  ./usr/lib/python3/dist-packages/kep/__init__.py ./usr/lib/python3/dist-packages/kep/dask.py \
  ./usr/lib/python3/dist-packages/kep/_kep.pyi ./usr/lib/python3/dist-packages/kep/py.typed; do
  check "the package holds $path" grep -qxF "$path" <<<"$contents"
done

dpkg-deb -x "$deb" "$root"
bin=$root/usr/bin
island=$root/usr/share/kep/samples/koch-island-8bit.bmp
check "kep-cli --version says the package's version" equal "$("$bin/kep-cli" --version)" "kep-cli $version"
check "kep --version answers without a display" \
  equal "$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/kep" --version)" "kep $version"
check "kep-cli measures the island sample" equal "$("$bin/kep-cli" measure "$island" | head -n 1)" "1.508"
check "the unpacked module measures the island and has the version" equal "$(
  PYTHONPATH=$root/usr/lib/python3/dist-packages PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -c '
import sys, kep
assert kep.__file__.startswith(sys.argv[1]), kep.__file__
print(kep.__version__, kep.measure(kep.load(sys.argv[2])).dimension)' "$root" "$island")" \
  "$version 1.508584947327516"

# Every option of every command is in the manual page.
page=$(zcat "$root/usr/share/man/man1/kep-cli.1.gz" | sed 's/\\-/-/g')
commands=$("$bin/kep-cli" --help | sed -n '/^Subcommands:/,$ s/^  \([a-z]\+\) .*/\1/p')
check "kep-cli --help lists the nine commands" equal "$(echo $commands)" \
  "info convert prep measure outline methods batch plot particles"
for command in $commands; do
  for option in $("$bin/kep-cli" "$command" --help | grep -o -- '--[a-z-]\+' | sort -u); do
    check "the manual page names $command $option" grep -qF -- "$option" <<<"$page"
  done
done

# The completion, as bash runs it on a tab after each line.
complete_line() {
  PATH=$bin:$PATH bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_LINE=$2 COMP_POINT=${#2}
    read -ra COMP_WORDS <<<"$2"
    [[ $2 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _kep_cli kep-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    echo $(printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort)' _ "$root/usr/share/bash-completion/completions/kep-cli" "$1"
}
samples=$root/usr/share/kep/samples
check "completion: commands" equal "$(complete_line 'kep-cli p')" "particles plot prep"
check "completion: options" equal "$(complete_line 'kep-cli batch --re')" "--report"
check "completion: methods" equal "$(complete_line 'kep-cli measure x.bmp --method mass')" \
  "mass-radius-long mass-radius-short"
check "completion: image files" equal "$(complete_line "kep-cli info $samples/disc-")" \
  "$samples/disc-24bit.bmp $samples/disc-8bit.bmp $samples/disc-ii.tif $samples/disc-mm.tif"

check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/kep.desktop"
check "appstreamcli validate (no network here)" \
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.kep.metainfo.xml"
check "lintian finds no error" lintian --fail-on error "$deb"

if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
  check "apt-get installs the package" apt-get install -y -qq "$deb"
  # Without the user's own site directory, where `make python` points at a build.
  check "the installed module imports from anywhere" \
    env -C / /usr/bin/python3 -s -c 'import kep; assert kep.__file__.startswith("/usr/lib/python3/")'
  check "man finds kep-cli" man -w kep-cli
  check "apt-get removes the package" apt-get remove -y -qq kep
  check "nothing of it is left" \
    test ! -e /usr/lib/python3/dist-packages/kep -a ! -e /usr/share/kep -a ! -e /usr/bin/kep
fi

echo "package: $deb, $(stat -c %s "$deb") bytes"
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
