#!/usr/bin/env bash
# The program as a command, with no display: --help and --version answer in
# French on standard output with status 0 (a program that tried to show its
# window could not, here); with no screen it says so in one French sentence
# on standard error and ends with status 1, never with Qt's abort and core
# dump; platforms that need no screen (offscreen) still start.
#   command_line_e2e.sh <program> <output folder>
set -uo pipefail

program=${1:?usage: command_line_e2e.sh <program> <output folder>}
out=${2:?usage: command_line_e2e.sh <program> <output folder>}
mkdir -p "$out/cwd"
out=$(cd "$out" && pwd)
case $program in /*) ;; *) program=$PWD/$program ;; esac
here=$(cd "$(dirname "$0")" && pwd)
# The version the package announces, which the build holds to the project's.
version=$(sed -n '1s/^ondiscale (\([^)]*\)) .*/\1/p' "$here/../../packaging/changelog")
silent=999 # an X display nobody serves
while [ -e "/tmp/.X11-unix/X$silent" ] || [ -e "/tmp/.X$silent-lock" ]; do silent=$((silent + 1)); done

fail() {
  echo "FAIL [command line] $*"
  echo "--- standard output:" && cat "$out/stdout"
  echo "--- standard error:" && cat "$out/stderr"
  exit 1
}

# check <settings> <arguments> <status> <output> <error>: the program, with
# no display nor platform but the settings and in a folder where it may dump
# core, ends with that status and those exact words ($to, when set, takes
# its standard output).
check() {
  local status what="${1:-no display} $2${to:+ >$to}"
  rm -f "$out"/cwd/core* "$out/stdout"
  touch "$out/stdout"
  # shellcheck disable=SC2086 # settings and arguments are words
  (cd "$out/cwd" && ulimit -c unlimited 2>/dev/null
  exec timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $1 "$program" $2) \
    </dev/null >"${to:-$out/stdout}" 2>"$out/stderr"
  status=$?
  if compgen -G "$out/cwd/core*" >/dev/null; then fail "$what: core dumped"; fi
  [ "$status" -eq "$3" ] || fail "$what: status $status, expected $3"
  [ "$(cat "$out/stdout")" = "$4" ] || fail "$what: not the expected output"
  [ "$(cat "$out/stderr")" = "$5" ] || fail "$what: not the expected error"
  echo "ok   [command line] $what: status $3"
}

help="Utilisation : ondiscale [options]
Fréquence d'une main de bridge, par tirages au hasard. Sans option, le programme ouvre sa fenêtre.

Options :
  -h, --help     Afficher cette aide.
  -v, --version  Afficher la version du programme."
check "" --help 0 "$help" ""
check "" -h 0 "$help" ""
check "DISPLAY=:$silent" --help 0 "$help" ""
check "" --version 0 "ondiscale $version" ""
check "" -v 0 "ondiscale $version" ""
to=/dev/full check "" --version 1 "" \
  "ondiscale : la réponse n'a pas pu être écrite sur la sortie standard."

no="ondiscale ne peut pas ouvrir sa fenêtre, faute d'écran graphique :"
check "" "" 1 "" "$no ni DISPLAY ni WAYLAND_DISPLAY n'est défini."
# A mistaken option does not stop the start: the program looks for its screen.
check "" "--frobnicate partie.pbn" 1 "" "$no ni DISPLAY ni WAYLAND_DISPLAY n'est défini."
check "DISPLAY=:$silent" "" 1 "" "$no l'affichage X11 « :$silent » ne répond pas."
check "" "-display :$silent" 1 "" "$no l'affichage X11 « :$silent » ne répond pas."

# A platform that is not installed: said in French, status 1, no abort.
rm -f "$out"/cwd/core*
(cd "$out/cwd" && ulimit -c unlimited 2>/dev/null
exec timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=bogus "$program") \
  </dev/null >"$out/stdout" 2>"$out/stderr"
status=$?
if compgen -G "$out/cwd/core*" >/dev/null; then fail "QT_QPA_PLATFORM=bogus: core dumped"; fi
[ "$status" -eq 1 ] || fail "QT_QPA_PLATFORM=bogus: status $status, expected 1"
grep -qx "$no la plateforme graphique « bogus » n'est pas installée (plateformes disponibles : .*xcb.*)\." \
  "$out/stderr" || fail "QT_QPA_PLATFORM=bogus: not the expected error"
echo "ok   [command line] QT_QPA_PLATFORM=bogus: status 1, said in French"

# A display that wants a cookie the program does not have: it refuses,
# which is not the same as not answering.
if command -v Xvfb >/dev/null && command -v xauth >/dev/null; then
  locked=$((silent + 1))
  while [ -e "/tmp/.X11-unix/X$locked" ] || [ -e "/tmp/.X$locked-lock" ]; do locked=$((locked + 1)); done
  rm -f "$out/cookie"
  xauth -q -f "$out/cookie" add ":$locked" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')" 2>/dev/null
  Xvfb ":$locked" -auth "$out/cookie" -nolisten tcp >"$out/xvfb-locked.log" 2>&1 &
  xvfb_locked=$!
  for _ in $(seq 100); do
    XAUTHORITY="$out/cookie" DISPLAY=":$locked" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
  done
  check "DISPLAY=:$locked XAUTHORITY=/dev/null" "" 1 "" \
    "$no l'affichage X11 « :$locked » refuse la connexion, faute d'autorisation (XAUTHORITY)."
  kill "$xvfb_locked" 2>/dev/null
  wait "$xvfb_locked" 2>/dev/null
fi

# Platforms without a display server start, and wait for their user.
for row in "QT_QPA_PLATFORM=offscreen|" "DISPLAY=:$silent|-platform offscreen"; do
  # shellcheck disable=SC2086 # words
  timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${row%|*} "$program" ${row#*|} \
    </dev/null >"$out/stdout" 2>"$out/stderr"
  status=$?
  [ "$status" -eq 124 ] || fail "${row/|/ }: ended with status $status instead of running"
  echo "ok   [command line] ${row/|/ }: running after 3 s"
done
echo "PASS command line"
