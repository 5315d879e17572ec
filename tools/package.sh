#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (dpkg-buildpackage -b -us -uc) in a copy of the
# checkout's tracked files, so that the checkout stays clean, and leaves the
# .deb files, .buildinfo and .changes in OUT (default build-deb/).
# Usage: tools/package.sh [OUT]
set -euo pipefail
SRC="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="${1:-$SRC/build-deb}"
mkdir -p "$OUT"
OUT="$(cd "$OUT" && pwd)"
COPY=$(mktemp -d /tmp/numerina-package.XXXXXX)
trap 'rm -rf "$COPY"' EXIT
mkdir "$COPY/numerina"
# Tracked files as they are in the working tree (a file deleted there is
# left out); untracked files and build folders stay behind.
git -C "$SRC" ls-files -z \
  | (cd "$SRC" && tar --null --ignore-failed-read -T - -c 2>/dev/null) | tar -x -C "$COPY/numerina"
# Both cores (debhelper builds with one job unless told).
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)}"
(cd "$COPY/numerina" && dpkg-buildpackage -b -us -uc)
mv "$COPY"/*.deb "$COPY"/*.buildinfo "$COPY"/*.changes "$OUT"/
echo "package.sh: $(cd "$OUT" && ls ./*.deb | tr '\n' ' ')in $OUT"
