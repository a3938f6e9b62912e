#!/usr/bin/env bash
# Takes the README's pictures of the desktop program: `kep` on a virtual screen
# of 1280 x 1024, driven with keys as a user would drive it, written to
# docs/images/: an interactive window at each stage of an analysis with its
# particle table, and a project window after a run over the samples with the
# files it skipped. $1 is the build directory (default: build); kep is built first.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
images="$root/docs/images"
kep="$build/src/desktop/kep"

if [ -z "${KEP_ON_VIRTUAL_SCREEN:-}" ]; then
  cmake --build "$build" --target kep > /dev/null
  mkdir -p "$images"
  exec env KEP_ON_VIRTUAL_SCREEN=1 GDK_BACKEND=x11 NO_AT_BRIDGE=1 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

# Everything below runs on the virtual screen, with a home of its own so that
# no recent-file list or settings leak in or out; the project is built from the
# samples, copied there.
home="$(mktemp -d)"
cp "$root"/samples/*.bmp "$root"/samples/*.tif "$home"
# A TIFF file cut short, which the project run skips.
printf 'II*\0' > "$home/damaged.tif"
cd "$home"
pid=
trap 'kill $pid 2> /dev/null; rm -rf "$home"' EXIT

# Starts kep with the arguments, ending the one that runs.
start_kep() {
  [ -n "$pid" ] && kill "$pid" && wait "$pid" 2> /dev/null || true
  HOME="$home" "$kep" "$@" 2> /dev/null &
  pid=$!
}

# Waits for a window with exactly this title and gives it the keyboard.
focus_window() {
  local window
  window="$(timeout 20 xdotool search --sync --name "^$1\$" | head -n 1)"
  xdotool windowfocus --sync "$window"
}

# Presses a key n times.
press() {
  for _ in $(seq "$2"); do xdotool key "$1"; done
}

# Waits until the program has painted, then photographs the whole screen.
photograph() {
  sleep 1
  import -window root "$images/$1"
  echo "Written $images/$1"
}

# The keyboard starts on "Load File..."; Tab walks the form in this order:
# Load File, method, the three parameters, Calculate FD, Animate, Histogram,
# Threshold, Delete SP, Fill Holes, Get Edge, Swap, then the values.
start_kep "$root/samples/noisy-blobs-8bit.bmp"
focus_window "KEP - KEP1\\*"
photograph interactive-loaded.png
press Tab 7 && xdotool key space
photograph interactive-histogram.png
press Tab 1 && xdotool key space
photograph interactive-threshold.png
press Tab 3 && xdotool key space
photograph interactive-edges.png
press Tab 1 && xdotool key space
press shift+Tab 7 && xdotool key space
photograph interactive-result.png
# Window > Particles: every particle of the measured image on its own.
xdotool key alt+w p
photograph interactive-particles.png
xdotool key Escape

# A project of the samples' TIFF files, by keys: the keyboard starts on the
# method list; Tab walks on through the three parameters, Calculate FD, the
# directory box (its text, then its button), the listing, the file type and
# Add. The browser starts in the home directory, where the samples are; the
# listing's first entry, [..], is no image, so Add names it as skipped. The
# report goes into the home directory.
start_kep
focus_window "New"
xdotool key Down Return
focus_window "KEP - PROJECT1"
press Tab 8
xdotool key Home Down shift+End
xdotool key Tab Tab space && sleep 1
xdotool key Return && sleep 1
press shift+Tab 5 && xdotool key space && sleep 1.5
xdotool type report.txt && sleep 0.7
xdotool key Return && sleep 3
photograph project-window.png
# View > Skipped Files: the damaged file, with the reason.
xdotool key alt+v k
photograph project-skipped.png
