#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first map and resident memory 2 s after the start, for
# the calculator and a bare Qt window, alternated, medians of 20 runs, on
# Xvfb with a session bus (a private one when none is set), as a desktop
# session has: Qt's accessibility and tray code ask it at start-up.
# Usage: run.sh BUILD_DIR [RUNS]   (WM=1 runs them under openbox)
#
# Last medians (Xvfb, a fresh private session bus, alternated runs of 20 on
# the machine alone; compare within one run only). Four runs each:
#                        no window manager           openbox (WM=1)
#   bare window          22.2-41.4 ms  24.2 MiB      25.2-54.4 ms  24.2 MiB
#   calculator           0.96-1.09 x   +6.6-6.9 MiB  1.01-1.12 x   +6.6-7.1 MiB
# What the calculator pays before its map beyond the bare window: the lock
# (an flock, about 0.3 ms), the settings and the window (about 0.5 ms).
# Its memory beyond the bare window is mostly the font machinery (font
# database, four fonts, their shaping and glyph caches: about 3.5 MiB of
# library pages and heap) and Qt's gradient tables for the skin (0.3 MiB).
# Cut so far: the skin painted straight onto the window instead of from a
# window-sized cached picture (0.45 MiB, and two painting threads), the
# C++ standard streams' set-up (0.4 MiB), an XEmbed tray's menu made at
# its first use (0.1 MiB), the housing's edges kept as runs and the icon
# painted once (0.1 MiB); the QLockFile's synced write (0.5-4 ms).
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
# The tape journal in the scratch folder, never in the real home.
export XDG_STATE_HOME="$WORK/state"
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
