#!/usr/bin/env bash
# Drives the built program in a virtual X server with xdotool, as a user
# would: keyboard and mouse in, window titles and geometry out, controls
# found by their names as a screen reader finds them. First as a command
# with no display (command_line_e2e.sh), then on a desktop
# (openbox: desktop_e2e.sh), then on a bare X server; both with the
# accessibility bus on, each in a session bus of its own.
#   ondiscale_e2e.sh <program> <output folder>
# Exits 77 (skipped) when the X tools are missing, outside CI. On failure it saves a
# screenshot into the output folder and names it.
set -uo pipefail

program=${1:?usage: ondiscale_e2e.sh <program> <output folder>}
out=${2:?usage: ondiscale_e2e.sh <program> <output folder>}
mkdir -p "$out"

for tool in Xvfb xdotool xdpyinfo import convert dbus-run-session \
  /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (bash scripts/setup.sh installs it)"
    [ -n "${CI:-}" ] && exit 1  # continuous integration installs them: never skip there
    exit 77
  fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "SKIP: python3-pyatspi is missing (bash scripts/setup.sh installs it)"
  [ -n "${CI:-}" ] && exit 1
  exit 77
fi

# Sanitizer builds: keep leak checking, minus the system library's own.
here=$(cd "$(dirname "$0")" && pwd)
LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"
export LSAN_OPTIONS="$LSAN_OPTIONS:print_suppressions=0"

source "$here/e2e_lib.sh"
readonly CLIENT_H=343  # the client area is 344 x 343; the menu rows lie above it
app_log="$out/ondiscale-e2e.log"
: >"$app_log"
unset WAYLAND_DISPLAY

if [ -z "${ONDISCALE_E2E_BUS:-}" ]; then
  started=$(date +%s%N)
  bash "$here/command_line_e2e.sh" "$program" "$out/command-line" || exit 1
  bash "$here/desktop_e2e.sh" "$program" "$out/desktop" || exit 1
  env ONDISCALE_E2E_BUS=1 dbus-run-session -- bash "$0" "$@" 2>>"$out/session.log" || exit 1
  echo "PASS in $((($(date +%s%N) - started) / 1000000)) ms"
  exit 0
fi
trap cleanup EXIT
trap 'exit 130' INT TERM

# ---------------------------------------------------------------- helpers

# Distinct colours in a rectangle of the main window's client area.
colours_in() { # colours_in <x> <y> <w> <h>
  import -window root -crop "$3x$4+$((win_x + $1))+$((win_y + menu_h + $2))" +repage \
    png:- 2>/dev/null | convert png:- -format %k info: 2>/dev/null
}

# A window not yet painted is one plain colour: wait for the frequency
# button's caption.
wait_painted() {
  local deadline=$((SECONDS + 10))
  until [ "$(colours_in 40 0 217 25)" -gt 1 ] 2>/dev/null; do
    [ $SECONDS -lt "$deadline" ] || fail "the main window was not painted"
    sleep 0.1
  done
}

# As a user starts it from a terminal on plain X11: no platform chosen for it.
launch() {
  env -u QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >>"$app_log" 2>&1 &
  app_pid=$!
  expect_window "$MAIN_TITLE" 15
  main=$found
  eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
  menu_h=$((win_h - CLIENT_H))
}

readonly COMMAND2="Fréquence pour 100.000 tirages"
readonly BAR="Progression du tirage"

# ---------------------------------------------------------------- the run

step="start-up"
start_x
start_accessibility
launch

step="main window"
[ "$win_w" -eq 344 ] || fail "width $win_w, expected 344"
if [ "$menu_h" -le 0 ] || [ "$menu_h" -ge 100 ]; then
  fail "height $win_h leaves $menu_h px of menus"
fi
if [ $((win_x + win_w)) -ne $SCREEN_W ] || [ "$win_y" -ne 0 ]; then
  fail "placed at $win_x,$win_y size ${win_w}x$win_h, not in the top-right corner"
fi
wait_painted
wait_control "$BAR" hidden
ok "caption, top-right corner, no progress bar, started without QT_QPA_PLATFORM"

step="impossible bounds"
focus_control "$main" "Pique minimum"
keys "$main" ctrl+a
type_text "$main" 7
focus_control "$main" "Pique maximum"
keys "$main" ctrl+a
type_text "$main" 6
focus_control "$main" "$COMMAND2"
keys "$main" space
expect_window "$IMPOSSIBLE_TITLE"
close_box "$found" "$IMPOSSIBLE_TITLE" Return
expect_no_window "^Statistiques sur|^ondiscale$" 10
ok "7 <= spades <= 6 refused, no run"

# The refusal put the card boxes back to 0..13: typed after Text1's "0",
# a 5 makes 5 again, where after a leftover 7 it would make 75.
step="frequency run"
click_control "$main" "Pique minimum"
keys "$main" End
type_text "$main" 5
focus_control "$main" "Pique maximum"
keys "$main" ctrl+a
type_text "$main" 5
click_control "$main" "$COMMAND2"
expect_window "$(report_title 100000)"
wait_control "$BAR" shown
close_box "$found" "$(report_title 100000)" Return
expect_window "$(report_title 200000)"
close_box "$found" "$(report_title 200000)" Escape
expect_no_window "^Statistiques sur" 5
wait_control "$BAR" hidden
ok "5 <= spades <= 5: 100000, Oui, 200000, Non; bar hidden"

# Non put every box back to its default: a 9 typed after Text1's "0" makes
# 9 <= spades <= 13, valid; left at 5 and 5 it would make 59, refused.
step="boxes reset after a run"
click_control "$main" "Pique minimum"
keys "$main" End
type_text "$main" 9
click_control "$main" "$COMMAND2"
expect_window "$(report_title 100000)"
close_box "$found" "$(report_title 100000)" Escape
ok "defaults back after Non"

step="letters in a box"
click_control "$main" "Points Honneur maximum"
keys "$main" ctrl+a
type_text "$main" abc
focus_control "$main" "$COMMAND2"
keys "$main" space
expect_window "$IMPOSSIBLE_TITLE"
close_box "$found" "$IMPOSSIBLE_TITLE" Return
expect_no_window "^Statistiques sur|^ondiscale$" 10
ok "\"abc\" for the points refused, no run"

# Each of the three survey entries, from the keyboard; the first answers
# OK then Oui, the second cancels the input box (the survey still runs).
step="distribution surveys"
for entry in 1 2 3; do
  downs=()
  for ((i = 1; i < entry; i++)); do downs+=(Down); done
  keys "$main" alt+f "${downs[@]}" Return
  expect_window "$SURVEY_INPUT_TITLE"
  if [ "$entry" -eq 2 ]; then
    close_box "$found" "$SURVEY_INPUT_TITLE" Escape
  else
    close_box "$found" "$SURVEY_INPUT_TITLE" Return
  fi
  expect_window "$(survey_title 10000)"
  if [ "$entry" -eq 1 ]; then
    close_box "$found" "$(survey_title 10000)" Return
    expect_window "$(survey_title 20000)"
    close_box "$found" "$(survey_title 20000)" Escape
  else
    close_box "$found" "$(survey_title 10000)" Escape
  fi
  expect_no_window "^Statistiques sur" 3
  ok "entry $entry: input box, then the 10000 report"
done

step="about box"
keys "$main" alt+p
expect_window "À propos"
eval "$(xdotool getwindowgeometry --shell "$found" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
dx=$((2 * X + WIDTH - SCREEN_W)) dy=$((2 * Y + HEIGHT - SCREEN_H))
if [ "${dx#-}" -gt 2 ] || [ "${dy#-}" -gt 2 ]; then
  fail "About box at $X,$Y size ${WIDTH}x$HEIGHT, not centred on the screen"
fi
close_box "$found" "À propos" Return
ok "shown centred, closed by Return"

step="information and help"
for pair in "alt+i|QUADRIVELLE. Fréquence d'une main précisée" \
  "alt+a|QUADRIVELLE. Aide pour les choix de mains précisées"; do
  keys "$main" "${pair%%|*}"
  expect_window "${pair#*|}"
  close_box "$found" "${pair#*|}" Return
  ok "${pair%%|*}: \"${pair#*|}\""
done

# The journal from its menu entry: beside the main window and never over
# it, with the keyboard; then its runs saved as a CSV table through Qt's
# own file dialog, typed in as a user would.
step="journal"
keys "$main" alt+j
expect_window "Journal des tirages"
journal=$found
eval "$(xdotool getwindowgeometry --shell "$journal" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
if [ $((X + WIDTH)) -gt "$win_x" ] || [ "$X" -lt 0 ] || [ "$Y" -lt 0 ]; then
  fail "journal at $X,$Y size ${WIDTH}x$HEIGHT: not beside the main window at $win_x,$win_y"
fi
journal_has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$journal" ]; }
for _ in $(seq 50); do journal_has_keyboard && break; sleep 0.1; done
journal_has_keyboard || fail "Alt+J did not give the journal the keyboard"
csv="$(cd "$out" && pwd)/journal-e2e.csv"  # the dialog reads a relative name from its own folder
rm -f "$csv"
keys "$journal" ctrl+shift+s
expect_window "Enregistrer le journal"
keys "$found" ctrl+a
type_text "$found" "$csv"
close_box "$found" "Enregistrer le journal" Return
for _ in $(seq 50); do [ -s "$csv" ] && break; sleep 0.1; done
[ -s "$csv" ] || fail "no file $csv"
# The surveys: 7 lines for the first and third, 6 for the cancelled second.
[ "$(wc -l <"$csv")" -eq 23 ] || fail "$(wc -l <"$csv") lines in $csv, expected 23"
[ "$(head -c 3 "$csv" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "no UTF-8 byte order mark"
for line in "1;Main précisée : 5 ≤ ♠ ≤ 5;Main précisée;200000;" \
  "2;Main précisée : 9 ≤ ♠ ≤ 13;Main précisée;100000;" \
  "3;Distributions 4432, 5332, … et « 6421 »;4432;20000;"; do
  grep -qF -- "$line" "$csv" || fail "no line \"$line\" in $csv"
done
# The exact values with every digit of their doubles.
grep -q ';12,469192583206691;[-0-9,]*.$' "$csv" || fail "no exact 12,469192583206691 % for five spades"
grep -q ';21,551175645163344;[-0-9,]*.$' "$csv" || fail "no exact 21,551175645163344 % for 4432"
ok "opened beside the main window, saved as a CSV table of 22 figures"

step="QUITTER by mouse"
click_control "$main" QUITTER
expect_exit_zero
ok "exit status 0"

step="QUITTER by keyboard"
launch
focus_control "$main" QUITTER
keys "$main" space
expect_exit_zero
ok "exit status 0"

# A logout sends SIGTERM: the session is saved as a quit saves it, and the
# program ends with status 0. Its data folder is the test's own.
step="logout"
data="$(cd "$out" && pwd)/data"
rm -rf "$data"
export XDG_DATA_HOME=$data
launch
click_control "$main" "$COMMAND2"
expect_window "$(report_title 100000)"
close_box "$found" "$(report_title 100000)" Escape
kill -TERM "$app_pid"
expect_exit 0
saved=$(ls "$data"/ondiscale/seance-*.journal 2>/dev/null)
[ "$(echo "$saved" | wc -w)" -eq 1 ] || fail "no session saved in $data/ondiscale: $saved"
head -c 200 "$saved" | grep -q '"format":"ondiscale-session".*"runs":1,' ||
  fail "not the session of one run: $(head -c 200 "$saved")"
ok "SIGTERM: the session of one run saved, exit status 0"

# The data folder's name taken by a file: the quit says so on screen, and
# quitting without the session ends with status 1, never a silent 0.
step="session not saved"
rm -rf "$data" && touch "$data"
launch
click_control "$main" "$COMMAND2"
expect_window "$(report_title 100000)"
close_box "$found" "$(report_title 100000)" Escape
click_control "$main" QUITTER
expect_window "Séance non enregistrée"
keys "$found" alt+q
expect_exit 1
ok "said on screen, Quitter sans enregistrer, exit status 1"
unset XDG_DATA_HOME

echo "PASS bare part"
