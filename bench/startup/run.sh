#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first map and resident memory 2 s after the start, for
# the calculator and a bare Qt window, alternated, medians of 20 runs, on
# Xvfb with a session bus (a private one when none is set), as a desktop
# session has: Qt's accessibility and tray code ask it at start-up.
# Usage: run.sh BUILD_DIR [RUNS]   (WM=1 runs them under openbox)
#
# Last medians (Xvfb, a fresh private session bus, alternated runs of 20 on
# a machine shared with other builds: compare within one run only):
#                                  no window manager      openbox (WM=1)
#   bare window                    24.9 ms  24.2 MiB      37.9 ms  24.2 MiB
#   printing loaded at first print 49.2 ms  31.8 MiB      54.4 ms  31.8 MiB
#   + scroll bar sheet when needed,
#   icon and tray after 1st paint  46.2 ms  31.5 MiB      63.5 ms  31.5 MiB
# (an earlier run: bare 29.1 ms 24.2 MiB, printing module 43.6 ms 31.8 MiB).
# On the machine alone, with the tape journal opened after the first paint:
#   bare window 16.8 ms 24.2 MiB; calculator 21.8 ms 31.8 MiB (1.29x, +7.6).
# The map itself goes out in show() (Qt's xcb show() syncs); what comes
# before it and the bare window lacks is mostly Qt's accessibility bridge:
# the first accessible name of a key creates it, and it connects to the
# session bus while the window waits (without a session bus the gap to the
# bare window shrinks from about 29 to 16 ms); the bare window pays it too,
# after its map.
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
