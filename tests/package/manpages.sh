#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The man pages render without a single warning, through groff -ww and
# through man itself.
#   manpages.sh SOURCE_DIR
set -u
SRC="${1:?usage: manpages.sh SOURCE_DIR}"
for t in groff man; do
  command -v "$t" >/dev/null 2>&1 || { echo "manpages: $t is missing"; [ "${CI:-}" = true ] && exit 1; exit 77; }
done
FAILURES=0
for page in numerina numerina-tape; do
  file="$SRC/resources/$page.1"
  warnings=$( { LC_ALL=C.UTF-8 groff -ww -z -man -t "$file"; } 2>&1)
  warnings+=$( { LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" >/dev/null; } 2>&1)
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$file" 2>/dev/null)
  if [ -n "$warnings" ]; then
    echo "FAIL: $page.1: $warnings"; FAILURES=$((FAILURES + 1))
  elif ! grep -q "^NAME" <<<"$text" || ! grep -q -- "--version" <<<"$text" || ! grep -q "^EXIT STATUS" <<<"$text"; then
    echo "FAIL: $page.1 renders without its sections"; FAILURES=$((FAILURES + 1))
  else
    echo "ok:   $page.1 renders without warnings ($(wc -l <<<"$text") lines)"
  fi
done
[ "$FAILURES" -eq 0 ]
