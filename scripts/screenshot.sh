#!/usr/bin/env bash
# Starts the built program on a virtual desktop (Xvfb, openbox with a 40-px
# top margin as a panel would leave), works it from the keyboard as a user
# would, and saves a picture of each window for the README:
#   scripts/screenshot.sh [folder]          (docs/ by default)
#   screenshot.png  the main window, with its default bounds
#   donne.png       "Fréquence d'une donne précisée", North-South with 30 points or more
#   journal.png     the journal, five spades with 12 to 14 points, after two batches
#   analysis.png    the journal on the analysis of 100 of those deals
#   tables.png      the window of probability tables
# SCREEN (1366x768) and DPI (96) choose the desktop; the analysis takes a
# minute or two. It runs inside a session bus of its own, with the
# accessibility bus, to see when the analysis is over.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${ONDISCALE_SCREENSHOT_BUS:-}" ]; then
  exec env ONDISCALE_SCREENSHOT_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
out=${1:-docs}
program=${ONDISCALE_PROGRAM:-build/src/ondiscale}
screen=${SCREEN:-1366x768}
dpi=${DPI:-96}
mkdir -p "$out"
readonly AT_SPI=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb openbox xdotool xprop import xdpyinfo "$AT_SPI"; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (bash scripts/setup.sh installs it)" >&2; exit 1; }
done

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=
bus=
app=
home=$(mktemp -d)
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  [ -n "$bus" ] && kill "$bus" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox --config-file "$PWD/tests/e2e/openbox-rc.xml" >/dev/null 2>&1 &
wm=$!
"$AT_SPI" --launch-immediately >/dev/null 2>&1 &
bus=$!
# openbox is up once it tells the work area below its margin.
for _ in $(seq 300); do
  xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= 0, 40,' && break
  sleep 0.1
done
xprop -root _NET_WORKAREA | grep -q '= 0, 40,' || { echo "openbox did not start" >&2; exit 1; }

# window <title>: the id of the visible window of that title, waiting for it.
window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] &&
      { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window \"$1\"" >&2
  return 1
}
keys() { xdotool key --delay 40 "$@"; sleep 0.3; }
typed() { xdotool type --delay 40 "$1"; sleep 0.2; }
tabs() { for _ in $(seq "$1"); do xdotool key Tab; done; sleep 0.2; }
# focus_named <accessible name>: the keyboard on that control, through the
# accessibility bus (counting tabs breaks whenever the form grows).
focus_named() {
  for _ in $(seq 50); do
    /usr/bin/python3 tests/e2e/desktop_checks.py focus ondiscale "$1" 2>/dev/null && { sleep 0.3; return 0; }
    sleep 0.2
  done
  echo "cannot focus \"$1\"" >&2
  return 1
}
# answer <title start> <key>: waits for that report box, then answers it.
answer() {
  window "^$1" >/dev/null
  sleep 0.5
  keys "$2"
}
shot() {
  sleep 1
  import -window "$1" "$out/$2"
  echo "saved $out/$2 ($(xdotool getwindowgeometry "$1" | sed -n 's/ *Geometry: //p'))"
}

# A session of its own.
HOME=$home QT_QPA_PLATFORM=xcb QT_FONT_DPI=$dpi \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>"$home/program.log" &
app=$!
main=$(window "QUADRIVELLE: fréquence")
xdotool windowactivate --sync "$main"
shot "$main" screenshot.png

# Five spades and 12 to 14 points, two batches: the journal's chart.
keys ctrl+a; typed 5; keys Tab ctrl+a; typed 5; tabs 7
keys ctrl+a; typed 12; keys Tab ctrl+a; typed 14; keys Tab Return
answer "Statistiques sur 100" alt+o
answer "Statistiques sur 200" alt+n
xdotool windowactivate --sync "$main"
keys alt+j
journal=$(window "Journal des tirages")
shot "$journal" journal.png

# North-South with 30 points or more, one batch, then 100 of its deals at
# double dummy with two contracts.
xdotool windowactivate --sync "$main"
keys alt+d
donne=$(window "Fréquence d'une donne précisée")
tabs 48; keys ctrl+a; typed 30
focus_named "Donnes à analyser"; keys ctrl+a; typed 100
focus_named "Contrats"; typed "3SA Sud, 4P Nord"
shot "$donne" donne.png
keys alt+f
answer "Statistiques sur 100" alt+n
xdotool windowactivate --sync "$donne"
keys alt+a
# The analysis is over when its bar has gone.
sleep 3
for _ in $(seq 300); do
  /usr/bin/python3 tests/e2e/desktop_checks.py shown ondiscale "Progression de l'analyse" ||
    break
  sleep 1
done
xdotool windowactivate --sync "$journal"
shot "$journal" analysis.png

xdotool windowactivate --sync "$main"
keys alt+t
shot "$(window "Tables de probabilités")" tables.png
