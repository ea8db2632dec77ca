#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages described in debian/ (tidewatch, libreelkit0, libreelkit-dev,
# reelkit-designer-plugin and their -dbgsym packages) into build-deb/, then checks them
# with lintian and prints its summary. Fails when lintian reports an error or a warning.
# Install them with
#   sudo apt install ./build-deb/*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh dpkg-dev debhelper lintian
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  echo "Installing the build dependencies named in debian/control"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y --no-install-recommends ./
fi

# dpkg-buildpackage writes its results beside the source folder, so the build runs on a
# copy of the sources inside build-deb/: the files git knows or would add, which leaves
# the build folders out.
version=$(dpkg-parsechangelog -S Version)
out=build-deb
src=$out/tidewatch-$version
rm -rf "$out"
mkdir -p "$src"
git ls-files -z --cached --others --exclude-standard \
  | while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done \
  | tar -c --null -T - | tar -x -C "$src"
# A developer's ccache speeds up rebuilds; the packages are the same without it.
[ -d /usr/lib/ccache ] && export PATH="/usr/lib/ccache:$PATH"
(cd "$src" && dpkg-buildpackage -us -uc -b)

changes=$(ls "$out"/tidewatch_"$version"_*.changes)
ls "$out"/*.deb
echo "== lintian -I --pedantic $(basename "$changes")"
lintian -I --pedantic "$changes" 2>/dev/null | tee "$out/lintian.txt"
errors=$(grep -c '^E: ' "$out/lintian.txt" || true)
warnings=$(grep -c '^W: ' "$out/lintian.txt" || true)
infos=$(grep -c '^I: ' "$out/lintian.txt" || true)
echo "== lintian: $errors errors, $warnings warnings, $infos info tags"
[ "$errors" -eq 0 ] && [ "$warnings" -eq 0 ]
