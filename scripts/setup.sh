#!/usr/bin/env bash
# Installs what the project needs to build, run, test and package on Debian
# or Ubuntu.
# Does nothing when every package is already there.
set -euo pipefail

# What builds the package (packaging/build-depends), then what runs and
# tests it.
mapfile -t packages < <(grep -v -e '^#' -e '^$' "$(dirname "$0")/../packaging/build-depends")
packages+=(
  fonts-dejavu-core qt6-translations-l10n
  # xauth: a display that refuses a client without its cookie, end to end.
  xvfb xdotool imagemagick x11-utils xauth
  # The tests run the dealer scripts the program exports through dealer itself.
  dealer
  # The lesson's PDF read back and rendered by the tests.
  poppler-utils
  openbox dbus at-spi2-core python3-pyatspi
  clang-format clang-tidy
  lintian appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
