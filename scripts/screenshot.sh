#!/usr/bin/env bash
# Takes PNG screenshots of the real program under a virtual X server:
#   docs/screenshots/main-window.png  the main window at start
#   docs/screenshots/help-window.png  the help window (Alt+H)
#   docs/screenshots/graph.png        sin(x)*cos(z) calculated, turned, Z-buffer on
# Usage: scripts/screenshot.sh [path/to/tessel]   (default build/default/tessel)
set -euo pipefail
cd "$(dirname "$0")/.."

program="${1:-build/default/tessel}"
out=docs/screenshots
[ -x "$program" ] || { echo "no program at $program; build it first" >&2; exit 1; }

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v import >/dev/null || missing+=(imagemagick)
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A display number that no other X server holds.
n=99
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"

xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  return 0
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
app_pid=$!

# Waits for a window whose title matches $1 and prints its id.
find_window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window '$1' appeared" >&2
  return 1
}

# There is no window manager: the program's window has no frame, and the
# keyboard goes to the window that has the input focus.
shoot() {
  sleep 0.7
  import -window "$1" "$out/$2"
  echo "wrote $out/$2"
}

mkdir -p "$out"
main=$(find_window '^Tessel version 1\.00 - F')
xdotool windowfocus --sync "$main"
shoot "$main" main-window.png

xdotool key --clearmodifiers alt+h
help=$(find_window '^Help$')
shoot "$help" help-window.png
xdotool key Return
sleep 0.5

# Closing the help put the focus back into the expression field.
xdotool type --delay 20 'sin(x)*cos(z)'
xdotool key --clearmodifiers alt+r
info=$(find_window '^Information$')
sleep 0.3
xdotool key Return
sleep 0.5
# Replace a view field's text: select it all, type, Enter repaints.
set_field() {
  xdotool key --clearmodifiers "alt+$1"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$2"
  xdotool key Return
  sleep 0.5
}
set_field v 0.5
set_field a 0.7
xdotool key --clearmodifiers alt+u
sleep 0.5
shoot "$main" graph.png
