#!/usr/bin/env bash
# Runs a test under a real X server with a window manager: Xvfb on a free
# display, openbox, the Qt xcb platform. Input then comes through the X server
# (xdotool's XTEST), as a user's does.
set -euo pipefail
test_bin="$1"
display=""
for d in $(seq 91 140); do
  if [ ! -e "/tmp/.X$d-lock" ] && [ ! -e "/tmp/.X11-unix/X$d" ]; then display=":$d"; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=""
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$test_bin"
