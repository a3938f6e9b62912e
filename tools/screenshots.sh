#!/usr/bin/env bash
# Takes the README's pictures of the desktop program: `kep` on a virtual screen
# of 1024 x 768, once showing an interactive window and once a project window,
# written to docs/images/. Drives the program as a user would, with keys.
# $1 is the build directory (default: build); kep is built first.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
images="$root/docs/images"

if [ -z "${KEP_ON_VIRTUAL_SCREEN:-}" ]; then
  cmake --build "$build" --target kep > /dev/null
  mkdir -p "$images"
  exec env KEP_ON_VIRTUAL_SCREEN=1 GDK_BACKEND=x11 NO_AT_BRIDGE=1 \
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi

# Everything below runs on the virtual screen, with a home of its own so that
# no recent-file list or settings leak in or out.
home="$(mktemp -d)"
HOME="$home" "$build/src/app/kep" 2> /dev/null &
kep=$!
trap 'kill $kep 2> /dev/null; rm -rf "$home"' EXIT

# Waits for a window with exactly this title and gives it the keyboard.
focus_window() {
  local window
  window="$(timeout 20 xdotool search --sync --name "^$1\$" | head -n 1)"
  xdotool windowfocus --sync "$window"
}

# Waits until the program has painted, then photographs the whole screen.
photograph() {
  focus_window "$1"
  sleep 1
  import -window root "$images/$2"
  echo "Written $images/$2"
}

# "New" asks for the type: KEP, the first one, is already selected.
focus_window "New"
xdotool key Return
photograph "KEP - KEP1" interactive-window.png

xdotool key ctrl+n
focus_window "New"
xdotool key Down Return
photograph "KEP - PROJECT1" project-window.png
