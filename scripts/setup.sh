#!/usr/bin/env bash
# Installs what the project needs to build, run, test and package on Debian
# or Ubuntu.
# Does nothing when every package is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  # The double-dummy solver.
  libdds-dev
  # JSON files (header-only).
  nlohmann-json3-dev
  # The tests run the dealer scripts the program exports through dealer itself.
  dealer
  qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core qt6-translations-l10n
  # Qt Charts' CMake files ask for Qt OpenGL's, which its package lacks.
  qt6-charts-dev libqt6opengl6-dev
  xvfb xdotool imagemagick x11-utils
  # The lesson's PDF read back and rendered by the tests.
  poppler-utils
  openbox dbus at-spi2-core python3-pyatspi
  clang-format clang-tidy
  dpkg-dev file lintian appstream desktop-file-utils
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
