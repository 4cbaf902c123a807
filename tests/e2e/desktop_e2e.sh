#!/usr/bin/env bash
# The program on a desktop as users meet it: openbox, with the 40-px top
# margin a panel would leave (openbox-rc.xml), and the accessibility bus on.
# Checks the frame against the work area, the focus at start, Enter on a
# button, the report box against its title, what a screen reader hears, the
# menu rows from the keyboard, the About box's centring and the window icon.
#   desktop_e2e.sh <program> <output folder>
# Called by ondiscale_e2e.sh; runs itself inside a session bus of its own.
set -uo pipefail

program=${1:?usage: desktop_e2e.sh <program> <output folder>}
out=${2:?usage: desktop_e2e.sh <program> <output folder>}
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
readonly AT_SPI=/usr/libexec/at-spi-bus-launcher

missing=
for tool in openbox dbus-run-session xprop xwininfo identify "$AT_SPI"; do
  command -v "$tool" >/dev/null || missing="$missing $tool"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
  echo "SKIP desktop part:$missing missing (bash scripts/setup.sh installs them)"
  [ -n "${CI:-}" ] && exit 1  # continuous integration installs them: never skip there
  exit 0
fi
if [ -z "${ONDISCALE_E2E_BUS:-}" ]; then
  exec env ONDISCALE_E2E_BUS=1 dbus-run-session -- bash "$0" "$@" 2>>"$out/session.log"
fi

source "$here/e2e_lib.sh"
app_log="$out/ondiscale-desktop.log"
trap cleanup EXIT
trap 'exit 130' INT TERM

# client <window>: sets cx cy cw ch, the window's client area on the screen.
client() {
  eval "$(xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X/ {print "cx=" $4} /Absolute upper-left Y/ {print "cy=" $4}
    /^ *Width:/ {print "cw=" $2} /^ *Height:/ {print "ch=" $2}')"
}

# frame <window>: sets fl fr ft fb, the frame openbox put around it; false
# until it has one.
frame() {
  local said
  said=$(xprop -id "$1" -notype _NET_FRAME_EXTENTS 2>/dev/null) || return 1
  [[ $said == *=* ]] || return 1
  IFS=', ' read -r fl fr ft fb <<<"${said#*= }"
}

# until_true <seconds> <command>...: polls, for a window manager busy under load.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# The width openbox needs for a title: the text in the theme's font
# (DejaVu Sans bold 8 pt), an icon and three buttons of the title bar's
# height.
title_needs() {
  local text
  text=$(convert -density 96 -font DejaVu-Sans-Bold -pointsize 8 label:"$1" -format %w info:)
  echo $((text + 4 * ft))
}

step="openbox and the accessibility bus"
start_x
openbox --config-file "$here/openbox-rc.xml" >"$out/openbox.log" 2>&1 &
also_stop+=($!)
read_workarea() {
  local said
  said=$(xprop -root -notype _NET_WORKAREA 2>/dev/null) || return 1
  [[ $said == *=* ]] || return 1
  read -r ax ay aw ah _ <<<"$(echo "${said#*= }" | tr -d ,)"
  [ "${ay:-0}" -eq 40 ]
}
until_true 20 read_workarea || fail "openbox did not start with its 40-px margin"
"$AT_SPI" --launch-immediately >"$out/at-spi.log" 2>&1 &
also_stop+=($!)
ok "work area ${aw}x$ah at $ax,$ay"

step="frame at the work area's top-right"
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >>"$app_log" 2>&1 &
app_pid=$!
expect_window "$MAIN_TITLE" 20
main=$found
at_top_right() {
  frame "$main" && client "$main" &&
    [ $((cx + cw + fr)) -eq $((ax + aw)) ] && [ $((cy - ft)) -eq "$ay" ]
}
until_true 10 at_top_right ||
  fail "frame from $((cx - fl)),$((cy - ft)) to $((cx + cw + fr)),$((cy + ch + fb)); work area from $ax,$ay to $((ax + aw)),$((ay + ah))"
ok "frame right edge $((cx + cw + fr)) = work area's $((ax + aw)), top $((cy - ft)) = $ay"

step="window icon"
/usr/bin/python3 "$here/desktop_checks.py" icon "$main" "$here/../../data/icons/32/ondiscale.png" ||
  fail "the window does not carry the program's icon"
ok "_NET_WM_ICON holds the program's 32-px icon"

# The tree reaches the registry a moment after the window shows.
step="what a screen reader hears"
readonly NAMES="Pique minimum
Pique maximum
Cœur minimum
Cœur maximum
Carreau minimum
Carreau maximum
Trèfle minimum
Trèfle maximum
Points Honneur minimum
Points Honneur maximum
focus: Pique minimum"
heard=
hears_all() {
  heard=$(timeout 10 /usr/bin/python3 "$here/desktop_checks.py" names ondiscale 2>/dev/null)
  [ "$heard" = "$NAMES" ]
}
until_true 30 hears_all || fail "over AT-SPI: $(echo "$heard" | tr '\n' '|')"
ok "ten boxes named in reading order, the focus in Pique minimum (Text1) with no click"

step="Enter on the frequency button"
focus_control "$main" "Fréquence pour 100.000 tirages"
keys "$main" Return
expect_window "$(report_title 100000)" 30
report=$found
until_true 10 frame "$report" || fail "the report box has no frame"
client "$report"
needs=$(title_needs "$(report_title 100000)")
[ "$cw" -ge "$needs" ] || fail "report box ${cw} px wide; its title needs $needs"
[ $((cw + fl + fr)) -le "$aw" ] || fail "report box wider than the work area"
ok "report box $cw px wide, its title needs $needs px"
close_box "$report" "$(report_title 100000)" Escape

step="menu rows from the keyboard"
keys "$main" alt Right Right Right Right Right Down Return  # the sixth entry, first of the second row
expect_window "$SURVEY_INPUT_TITLE"
close_box "$found" "$SURVEY_INPUT_TITLE" Escape
expect_window "$(survey_title 10000)" 30
close_box "$found" "$(survey_title 10000)" Escape
ok "Alt, Right five times, Down, Return: the first survey"

step="About box centred on the work area"
keys "$main" alt+p
expect_window "À propos"
about=$found
centred() {
  frame "$about" && client "$about" || return 1
  local dx=$((2 * (cx - fl - ax) + cw + fl + fr - aw)) dy=$((2 * (cy - ft - ay) + ch + ft + fb - ah))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}
until_true 10 centred ||
  fail "About frame at $((cx - fl)),$((cy - ft)) size $((cw + fl + fr))x$((ch + ft + fb)), not centred on the work area"
ok "frame at $((cx - fl)),$((cy - ft)) size $((cw + fl + fr))x$((ch + ft + fb)), centred on the first showing"
close_box "$about" "À propos" Return

# The journal as a keyboard and a screen reader user meet it: Alt+J gives it
# the keyboard, Tab goes through its parts to "Enregistrer sous…" without
# being caught in a table, the example hands read card by card, Escape
# goes back to the main window.
step="the journal from the keyboard"
keys "$main" alt+j
expect_window "Journal des tirages"
journal=$found
has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$journal" ]; }
until_true 10 has_keyboard || fail "Alt+J did not give the journal the keyboard"
heard_focus=
for _ in $(seq 12); do
  keys "$journal" Tab
  sleep 0.3
  heard_focus=$(checks focused ondiscale)
  [ "$heard_focus" = "Enregistrer sous…" ] && break
done
[ "$heard_focus" = "Enregistrer sous…" ] || fail "Tab did not reach \"Enregistrer sous…\" (last: $heard_focus)"
card=
read_card() { card=$(checks starting ondiscale "Pique : ") && [ -n "$card" ]; }
until_true 10 read_card || fail "no hand read card by card"
keys "$journal" Escape
back_home() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main" ]; }
until_true 10 back_home || fail "Escape did not give the keyboard back to the main window"
ok "Alt+J, Tab to \"Enregistrer sous…\", a hand heard as \"$card\", Escape back"

# A four-hand run: North-South with 25 points and 8 spades together, two
# batches; its deals exported as PBN through Qt's own file dialog. On the
# way, the main menu's keys from a box of this window: Alt+J shows the
# journal, Alt+N does nothing, and neither types into the box; the two
# report boxes at one place; after "Non" the keyboard back in this window.
step="four-hand run and its PBN file"
keys "$main" alt+d
expect_window "Fréquence d'une donne précisée"
donne=$found
focus_control "$donne" "Nord-Sud points minimum"
keys "$donne" ctrl+a
type_text "$donne" 25
keys "$donne" alt+j
expect_window "Journal des tirages"
keys "$donne" alt+n
held=$(checks text ondiscale "Nord-Sud points minimum")
[ "$held" = "25" ] || fail "Alt+J and Alt+N from the box left \"$held\" in it, not 25"
focus_control "$donne" "Nord-Sud pique minimum"
keys "$donne" ctrl+a
type_text "$donne" 8
focus_control "$donne" "Fréquence pour 100 000 donnes"
keys "$donne" Return
report=
find_report() { report=$(xdotool search --onlyvisible --name "^Statistiques sur $1.000 donnes" 2>/dev/null | head -n 1) && [ -n "$report" ]; }
# where_settled <window>: sets X Y once the window manager has stopped
# moving it (two readings alike).
where_settled() {
  local before=
  for _ in $(seq 30); do
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y)=')"
    [ "$X,$Y" = "$before" ] && return 0
    before="$X,$Y"
    sleep 0.2
  done
}
until_true 30 find_report 100 || fail "no report of the four-hand run"
where_settled "$report"
first_x=$X first_y=$Y
keys "$report" alt+o
until_true 30 find_report 200 || fail "no second report of the four-hand run"
where_settled "$report"
# Within a pixel or two: the window manager may still be nudging a box.
dx=$((X - first_x)) dy=$((Y - first_y))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
  fail "the second report box at $X,$Y, the first at $first_x,$first_y"
first_box="$first_x,$first_y"
report_title=$(xdotool getwindowname "$report")
close_box "$report" "$report_title" Escape
donne_has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$donne" ]; }
until_true 10 donne_has_keyboard || fail "after Non the keyboard is not back in the four-hand window"
expect_window "Journal des tirages"
journal=$found
pbn="$(cd "$out" && pwd)/donnes-e2e.pbn"
# The journal's run exported to $pbn through Qt's own file dialog.
export_pbn() {
  rm -f "$pbn"
  click_control "$journal" "Exporter en PBN…"
  expect_window "Exporter les donnes en PBN"
  keys "$found" ctrl+a
  type_text "$found" "$pbn"
  close_box "$found" "Exporter les donnes en PBN" Return
  for _ in $(seq 50); do [ -s "$pbn" ] && break; sleep 0.1; done
}
export_pbn
[ -s "$pbn" ] || fail "no file $pbn"
boards=$(grep -c '^\[Board "' "$pbn")
[ "$boards" -eq 1000 ] || fail "$boards boards in $pbn, expected the last 1000 deals"
grep -q '^\[Deal "N:[AKQJT2-9]*\.[^ ]* [^ ]* [^ ]* [^ ]*"\]$' "$pbn" || fail "no whole deal in $pbn"
grep -q '^\[Event "Donne précisée : Nord-Sud : 8 ≤ ♠ ≤ 13, 25 ≤ points ≤ 40"\]$' "$pbn" ||
  fail "no event naming the run in $pbn"
ok "Alt+J and Alt+N typed nothing; both boxes at $first_box; \"$report_title\"; the keyboard back; $boards deals exported as PBN"

# The analysis at double dummy of a rare run's deals (North with 26 points
# or more: some twenty in 100,000), in the background; the journal takes
# its tricks, which a screen reader hears under each diagram, and writes
# them in PBN.
step="analysis at double dummy"
for box in "Nord-Sud points minimum" "Nord-Sud pique minimum" "Nord points minimum"; do
  focus_control "$donne" "$box"
  keys "$donne" ctrl+a
  case $box in
    Nord\ points*) type_text "$donne" 26 ;;
    *) type_text "$donne" 0 ;;
  esac
done
focus_control "$donne" "Fréquence pour 100 000 donnes"
keys "$donne" Return
until_true 30 find_report 100 || fail "no report of the rare run"
close_box "$report" "$(xdotool getwindowname "$report")" Escape
focus_control "$donne" "Contrats"
type_text "$donne" "3SA Sud"
click_control "$donne" "Analyse à quatre jeux"
analysed() {
  label=$(checks starting ondiscale "Analyse à quatre jeux : ") &&
    ! checks shown ondiscale "Progression de l'analyse"
}
until_true 120 analysed || fail "the analysis did not end"
heard=
hears_tricks() { heard=$(checks starting ondiscale "Levées à quatre jeux — ") && [ -n "$heard" ]; }
until_true 10 hears_tricks || fail "no tricks under the diagrams"
export_pbn
grep -q '^\[OptimumResultTable "Declarer;Denomination\\2R;Result\\2R"\]$' "$pbn" ||
  fail "no OptimumResultTable in $pbn"
grep -q '^\[ParContract ' "$pbn" || fail "no ParContract in $pbn"
ok "\"$label\"; heard \"${heard:0:60}…\"; tricks and par in PBN"

echo "PASS desktop part"
