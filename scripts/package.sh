#!/usr/bin/env bash
# Builds the Debian package build/ondiscale_<version>_<arch>.deb from the
# build folder, building that first if needed. Install it with
#   sudo apt-get install ./build/ondiscale_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
rm -f build/ondiscale_*.deb  # so that the one left is this build's
# Directories in the package take their mode from the umask, as with
# dpkg-buildpackage: a private umask would make them unreadable once installed.
umask 022
(cd build && cpack -G DEB)
