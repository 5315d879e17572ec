#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private X session for the end-to-end tests and the benchmarks: Xvfb on
# a free display and, unless NO_WM=1, the openbox window manager. Both are
# started in the background and stopped by their process ids.
#
#   source xsession.sh; xsession_start [WxHxD]; ...; xsession_stop
#
# Without Xvfb (or when it does not come up) xsession_start returns 1 after
# printing why; the caller decides whether that skips or fails.

XSESSION_XVFB_PID=""
XSESSION_WM_PID=""

xsession_start() {
  local screen="${1:-1280x1024x24}"
  if ! command -v Xvfb >/dev/null 2>&1; then
    echo "xsession: Xvfb is not installed (Debian package xvfb)" >&2
    return 1
  fi
  local fifo
  fifo=$(mktemp -u /tmp/xsession-fd.XXXXXX)
  mkfifo "$fifo"
  # -displayfd: the server picks a free display and writes its number.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XSESSION_XVFB_PID=$!
  local number=""
  read -r -t 10 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ] || ! kill -0 "$XSESSION_XVFB_PID" 2>/dev/null; then
    echo "xsession: Xvfb did not start" >&2
    XSESSION_XVFB_PID=""
    return 1
  fi
  export DISPLAY=":$number"
  if [ "${NO_WM:-0}" != 1 ]; then
    if ! command -v openbox >/dev/null 2>&1; then
      echo "xsession: openbox is not installed" >&2
      xsession_stop
      return 1
    fi
    openbox >/dev/null 2>&1 &
    XSESSION_WM_PID=$!
    # openbox is ready once it has claimed the window manager selection.
    for _ in $(seq 50); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
      sleep 0.1
    done
  fi
  return 0
}

xsession_stop() {
  if [ -n "$XSESSION_WM_PID" ]; then
    kill "$XSESSION_WM_PID" 2>/dev/null
    wait "$XSESSION_WM_PID" 2>/dev/null
    XSESSION_WM_PID=""
  fi
  if [ -n "$XSESSION_XVFB_PID" ]; then
    kill "$XSESSION_XVFB_PID" 2>/dev/null
    wait "$XSESSION_XVFB_PID" 2>/dev/null
    XSESSION_XVFB_PID=""
  fi
}

# The id of the program's visible top-level window, waiting up to 10 s.
xsession_window_of() {
  local pid="$1"
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --onlyvisible --pid "$pid" --name "Numerina Desktop" 2>/dev/null | head -1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# x y width height of a window, in root coordinates.
xsession_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}
