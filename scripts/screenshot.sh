#!/usr/bin/env bash
# Starts the built program under a virtual X server and saves a picture of
# its main window: scripts/screenshot.sh [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
program=${ONDISCALE_PROGRAM:-build/src/ondiscale}
mkdir -p "$(dirname "$out")"

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" &
app=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name "QUADRIVELLE: fréquence" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 0.5
import -window "$window" "$out"
echo "saved $out"
