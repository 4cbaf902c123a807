#!/usr/bin/env bash
# Builds the Debian package and tries it as a user would: lintian, the
# desktop entry and AppStream metadata, then apt-get install, the end-to-end
# test against the installed /usr/bin/ondiscale, and a purge that must leave
# none of the package's files behind.
#   ondiscale_package_test.sh [output folder]
# It installs and purges the package on this machine: meant for CI, as root
# or through sudo.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-build/package-test}
mkdir -p "$out"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

fail() {
  echo "FAIL: $*"
  exit 1
}

bash scripts/package.sh
debs=(build/ondiscale_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in build/, found: ${debs[*]}"
deb=$PWD/${debs[0]}

echo "-- lintian"
lintian --display-info --fail-on error "$deb"

echo "-- desktop entry and AppStream metadata, as installed"
tree=$(mktemp -d)
installed=
cleanup() {
  rm -rf "$tree"
  if [ -n "$installed" ]; then "${sudo[@]}" apt-get purge -y -q ondiscale >/dev/null || true; fi
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree/usr/share/applications/ondiscale.desktop"
appstream=(--no-net)
# AppStream 1.0.2 and later want a homepage, which the project has not yet.
version=$(appstreamcli --version | awk '{print $NF}')
if dpkg --compare-versions "$version" ge 1.0.2 && ! grep -q '<url type="homepage">' "$tree"/usr/share/metainfo/*.xml; then
  appstream+=(--override=url-homepage-missing=info)
fi
appstreamcli validate "${appstream[@]}" "$tree"/usr/share/metainfo/*.xml
appstreamcli validate-tree "${appstream[@]}" "$tree"

echo "-- install"
installed=yes
"${sudo[@]}" apt-get install -y -q "$deb"
mapfile -t paths < <(dpkg -L ondiscale | grep -vx '/\.')
[ -x /usr/bin/ondiscale ] || fail "/usr/bin/ondiscale is not an installed program"

echo "-- end-to-end test of the installed program"
bash tests/e2e/ondiscale_e2e.sh /usr/bin/ondiscale "$out/e2e"

echo "-- purge"
"${sudo[@]}" apt-get purge -y -q ondiscale
installed=
status=$(dpkg-query -W -f '${db:Status-Status}' ondiscale 2>/dev/null || true)
[ -z "$status" ] || [ "$status" = not-installed ] || fail "dpkg still knows the package: $status"
# A directory may stay if another package owns it or it holds others' files.
left=()
for path in "${paths[@]}"; do
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    [ -z "$(ls -A "$path")" ] && ! dpkg -S "$path" >/dev/null 2>&1 && left+=("$path/")
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done
[ ${#left[@]} -eq 0 ] || fail "left after the purge: ${left[*]}"
echo "PASS: ${#paths[@]} installed paths, none left after the purge"
