# What the end-to-end scripts share: starting a virtual X server, finding
# windows by title, typing into them, failing with a screenshot. Sourced;
# the caller sets $out (output folder) and $app_log and keeps $app_pid,
# $xvfb_pid and also_stop (more pids to end) up to date.

readonly MAIN_TITLE="QUADRIVELLE: fréquence d'une main précisée"
readonly SCREEN_W=1024 SCREEN_H=768

report_title() { echo "Statistiques sur $1 tirages au hasard. Voulez-vous continuer?"; }
survey_title() { echo "Statistiques sur $1 donnes tirées au hasard. Voulez-vous recommencer?"; }
readonly IMPOSSIBLE_TITLE="ondiscale"
readonly SURVEY_INPUT_TITLE="Choix d'une autre main à distribution précisée."

xvfb_pid=
app_pid=
also_stop=()
step="start-up"

alive() { # pid: running and not yet a zombie
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

stop() { # pid: TERM, then KILL if it lingers; reaps our child
  local pid=$1
  [ -n "$pid" ] || return 0
  if alive "$pid"; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 40); do alive "$pid" || break; sleep 0.05; done
    alive "$pid" && kill -9 "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
  return 0
}

cleanup() { # our processes, the program first, the X server last
  local pid
  stop "$app_pid"
  for pid in "${also_stop[@]}"; do stop "$pid"; done
  stop "$xvfb_pid"
}

fail() {
  echo "FAIL [$step]: $*"
  local shot="$out/e2e-failure.png"
  if [ -n "$xvfb_pid" ] && alive "$xvfb_pid" && import -window root "$shot" 2>/dev/null; then
    echo "screenshot: $shot"
  fi
  if [ -s "$app_log" ]; then
    echo "--- program output ($app_log), last lines:"
    tail -n 20 "$app_log"
  fi
  exit 1
}

ok() { echo "ok   [$step] $*"; }

# Visible windows whose title is exactly $1. xdotool matches an
# extended, case-insensitive regex, so the title is escaped and each match
# compared again byte for byte.
windows_titled() {
  local regex id
  regex="^$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|/]/\\&/g')\$"
  for id in $(xdotool search --onlyvisible --name "$regex" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
  done
}

# wait_for_window <title> [seconds]: sets $found to the window's id.
wait_for_window() {
  local title=$1 deadline=$((SECONDS + ${2:-10}))
  found=
  while [ $SECONDS -lt "$deadline" ]; do
    found=$(windows_titled "$title" | head -n 1)
    [ -n "$found" ] && return 0
    alive "$app_pid" || return 1
    sleep 0.05
  done
  return 1
}

# wait_gone <id> <title> [seconds]: until that window is no longer shown.
wait_gone() {
  local deadline=$((SECONDS + ${3:-10}))
  while [ $SECONDS -lt "$deadline" ]; do
    windows_titled "$2" | grep -qx "$1" || return 0
    sleep 0.05
  done
  return 1
}

# expect_no_window <regex> <tenths of a second>: fails if a window whose
# title matches shows up meanwhile.
expect_no_window() {
  local id
  for _ in $(seq "$2"); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -z "$id" ] || fail "unexpected window \"$(xdotool getwindowname "$id")\""
    sleep 0.1
  done
}

# Without a window manager nobody hands out the keyboard: give it to the
# window ourselves and check that the server agrees before typing.
focus() {
  local id=$1
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$id" 2>/dev/null
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && return 0
    sleep 0.05
  done
  fail "could not give the keyboard to window $id"
}

keys() { # keys <window> <key>...: keystrokes to that window
  local id=$1
  shift
  focus "$id"
  xdotool key --delay 20 "$@" || fail "xdotool key $*"
}

type_text() { # type_text <window> <text>
  focus "$1"
  xdotool type --delay 20 "$2" || fail "xdotool type $2"
}

expect_window() { # expect_window <title> [seconds]: sets $found
  wait_for_window "$1" "${2:-10}" && return 0
  alive "$app_pid" || fail "the program ended while waiting for \"$1\""
  fail "no window \"$1\""
}

# close_box <id> <title> <key>: answers a box and checks that it goes.
close_box() {
  keys "$1" "$3"
  wait_gone "$1" "$2" || fail "\"$2\" still shown after $3"
}

start_x() {
  local display=90
  for _ in $(seq 20); do
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
      display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset \
      >"$out/xvfb-e2e.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    for _ in $(seq 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      alive "$xvfb_pid" || break
      sleep 0.05
    done
    # Another server took the number first, or this one hangs: next one.
    stop "$xvfb_pid"
    xvfb_pid=
    display=$((display + 1))
  done
  fail "no virtual X server would start"
}

# Controls are found as a screen reader finds them, by their accessible
# names over AT-SPI (the caller runs the accessibility bus): the tree
# reaches the registry a moment after a window shows, hence the polls.
checks() { timeout 10 /usr/bin/python3 "$here/desktop_checks.py" "$@" 2>/dev/null; }

# click_control <window> <name>: a click in the middle of that control.
click_control() {
  local where deadline=$((SECONDS + 20))
  until where=$(checks at ondiscale "$2") && [ -n "$where" ]; do
    [ $SECONDS -lt "$deadline" ] || fail "no control \"$2\" over AT-SPI"
    sleep 0.2
  done
  focus "$1"
  # shellcheck disable=SC2086 # "x y"
  xdotool mousemove --sync $where click 1 || fail "click on \"$2\""
}

# focus_control <window> <name>: the keyboard to that control, as Tab would.
focus_control() {
  local deadline=$((SECONDS + 20))
  focus "$1"
  until checks focus ondiscale "$2"; do
    [ $SECONDS -lt "$deadline" ] || fail "cannot focus \"$2\" over AT-SPI"
    sleep 0.2
  done
}

# wait_control <name> <shown|hidden>: until that control is (not) on screen.
wait_control() {
  local seen deadline=$((SECONDS + 10))
  while [ $SECONDS -lt "$deadline" ]; do
    seen=hidden
    checks shown ondiscale "$1" && seen=shown
    [ "$seen" = "$2" ] && return 0
    sleep 0.1
  done
  fail "\"$1\" not $2"
}

# start_accessibility: the accessibility bus for the running X server.
start_accessibility() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$out/at-spi.log" 2>&1 &
  also_stop+=($!)
}

# expect_exit <status>: the program ends by itself, with that exit status.
expect_exit() {
  local deadline=$((SECONDS + 10)) status
  while alive "$app_pid"; do
    [ $SECONDS -lt "$deadline" ] || fail "the program is still running"
    sleep 0.05
  done
  wait "$app_pid"
  status=$?
  app_pid=
  [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
}

expect_exit_zero() { expect_exit 0; }
