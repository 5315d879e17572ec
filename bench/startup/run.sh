#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first map and resident memory 2 s after the start, for
# the calculator and a bare Qt window, alternated, medians of 20 runs.
# Usage: run.sh BUILD_DIR [RUNS]   (WM=1 runs them under openbox)
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/../../tests/support/xsession.sh"
BUILD="${1:?usage: run.sh BUILD_DIR [RUNS]}"
RUNS="${2:-20}"
[ "${WM:-0}" = 1 ] && NO_WM=0 || NO_WM=1
export NO_WM
xsession_start 1280x1024x24 || exit 1
WORK=$(mktemp -d /tmp/numerina-startup.XXXXXX)
trap 'xsession_stop; rm -rf "$WORK"' EXIT
# The calculator in a program folder of its own (its settings file and
# single-instance lock live there; its print module beside it, as
# installed); no settings file: the defaults.
cp "$BUILD/ui/numerina" "$BUILD/ui/numerina-print.so" "$WORK/"
cp "$BUILD/bench/startup/bare_window" "$WORK/bare_window"
echo "X server $DISPLAY, window manager: $([ "$NO_WM" = 1 ] && echo none || echo openbox)"
"$BUILD/bench/startup/startwatch" --runs "$RUNS" --rss-after 2 --dir "$WORK" \
  bare="$WORK/bare_window" numerina="$WORK/numerina"
