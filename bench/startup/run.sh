#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first map and resident memory 2 s after the start, for
# the calculator and a bare Qt window, alternated, medians of 20 runs, on
# Xvfb with a session bus (a private one when none is set), as a desktop
# session has: Qt's accessibility and tray code ask it at start-up.
# Usage: run.sh BUILD_DIR [RUNS]   (WM=1 runs them under openbox)
#
# Last medians (Xvfb, a fresh private session bus, no window manager, one
# alternated run of 20 with the build from before printing became a module):
#   bare window                              29.1 ms   24.2 MiB
#   printing linked in                       45.1 ms   32.1 MiB  (1.55x, +7.9)
#   printing loaded at the first print       43.6 ms   31.8 MiB  (1.50x, +7.6)
# A session bus kept across many runs slows every Qt program's start-up
# (the bare window's rose from 23 to about 140 ms): hence the fresh one.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/../../tests/support/xsession.sh"
BUILD="${1:?usage: run.sh BUILD_DIR [RUNS]}"
RUNS="${2:-20}"
[ "${WM:-0}" = 1 ] && NO_WM=0 || NO_WM=1
export NO_WM
xsession_start 1280x1024x24 || exit 1
WORK=$(mktemp -d /tmp/numerina-startup.XXXXXX)
BUS_PID=""
trap 'xsession_stop; [ -n "$BUS_PID" ] && kill "$BUS_PID"; rm -rf "$WORK"' EXIT
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-daemon >/dev/null; then
  { read -r DBUS_SESSION_BUS_ADDRESS; read -r BUS_PID; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS
fi
# The calculator in a program folder of its own (its settings file and
# single-instance lock live there; its print module beside it, as
# installed); no settings file: the defaults.
cp "$BUILD/ui/numerina" "$BUILD/ui/numerina-print.so" "$WORK/"
cp "$BUILD/bench/startup/bare_window" "$WORK/bare_window"
echo "X server $DISPLAY, window manager: $([ "$NO_WM" = 1 ] && echo none || echo openbox), session bus: ${DBUS_SESSION_BUS_ADDRESS:-none}"
"$BUILD/bench/startup/startwatch" --runs "$RUNS" --rss-after 2 --dir "$WORK" \
  bare="$WORK/bare_window" numerina="$WORK/numerina"
