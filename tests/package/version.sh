#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's version (CMake's project()) is the one the Debian changelog,
# the man pages and the metainfo's newest release name.
#   version.sh SOURCE_DIR VERSION
set -u
SRC="${1:?usage: version.sh SOURCE_DIR VERSION}"
VERSION="${2:?usage: version.sh SOURCE_DIR VERSION}"
FAILURES=0
check() {  # what found
  if [ "$2" = "$VERSION" ]; then echo "ok:   $1 says $VERSION"
  else echo "FAIL: $1 says '$2', the project $VERSION"; FAILURES=$((FAILURES + 1)); fi
}
# The first entry's version, without a Debian revision (a native package
# has none; a revision after '-' would still name the same program).
changelog=$(sed -n '1s/^numerina (\([^)]*\)) .*/\1/p' "$SRC/debian/changelog")
check debian/changelog "${changelog%%-*}"
for page in numerina numerina-tape; do
  check "$page.1" "$(sed -n 's/^\.TH .* "Numerina Desktop \([^"]*\)" .*/\1/p' "$SRC/resources/$page.1")"
done
check metainfo "$(grep -o -m1 '<release version="[^"]*"' "$SRC/resources/org.numerina.Numerina.metainfo.xml" \
  | sed 's/.*"\(.*\)"/\1/')"
[ "$FAILURES" -eq 0 ]
