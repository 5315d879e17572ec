#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland session: weston (its x11 backend, nested in a private Xvfb)
# with Xwayland. With both WAYLAND_DISPLAY and DISPLAY set, the program runs
# on X through Xwayland: the window maps at its saved place and computes a
# typed sum. With WAYLAND_DISPLAY alone it runs natively, says once on
# standard error what it cannot do there, and a drag does not write a
# position it cannot know. Every program is stopped by its process id.
# Usage: wayland_e2e.sh path/to/numerina
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"
PROGRAM="${1:?usage: wayland_e2e.sh path/to/numerina}"

NO_WM=1 e2e_begin wayland 1280x1024x24 weston Xwayland xdotool xwininfo xclip import convert
if [ ! -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ]; then
  echo "wayland: Qt's Wayland platform is missing (package qt6-wayland)"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
OUTER="$DISPLAY"
WORK=$(mktemp -d /tmp/numerina-wayland.XXXXXX)
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR" "$WORK/prog"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$PROGRAM" "$WORK/prog/numerina"
INI="$WORK/prog/voldrin.ini"
unset QT_QPA_PLATFORM
setting() { sed -n "s/^$1=//p" "$INI" | tr -d '\r'; }
wait_for() {  # seconds command...
  local n=$(($1 * 10)); shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}

SOCKET=wayland-numerina
weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 --xwayland \
  --socket="$SOCKET" --idle-time=0 --log="$WORK/weston.log" >/dev/null 2>&1 &
WESTON=$!
PIDS+=("$WESTON")
wait_for 10 test -S "$XDG_RUNTIME_DIR/$SOCKET" || { fail "weston did not come up"; exit 1; }
xwayland_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | head -1; }
wait_for 10 bash -c "grep -q 'xserver listening on display' '$WORK/weston.log'" ||
  { fail "weston offers no Xwayland"; cat "$WORK/weston.log"; exit 1; }
XW=$(xwayland_display)
# weston's own children (the shell, the keyboard, Xwayland once started)
# are stopped with it, by id.
children() { ps -o pid= --ppid "$WESTON" 2>/dev/null; }

# 1. WAYLAND_DISPLAY and DISPLAY: on X, at the saved place.
printf '[Opzioni]\r\nPosizione=%d,%d\r\n' $((200 * 15)) $((300 * 15)) >"$INI"
(cd "$WORK/prog" && WAYLAND_DISPLAY="$SOCKET" DISPLAY="$XW" exec ./numerina) >"$WORK/out.log" 2>&1 &
PID=$!
PIDS=("$PID" "${PIDS[@]}")
for c in $(children); do PIDS=("$c" "${PIDS[@]}"); done
x_window() { DISPLAY="$XW" xdotool search --all --onlyvisible --pid "$PID" --name "^Numerina Desktop$" 2>/dev/null | head -1; }
if wait_for 15 bash -c "[ -n \"\$(DISPLAY=$XW xdotool search --all --onlyvisible --pid $PID --name '^Numerina Desktop\$' 2>/dev/null)\" ]"; then
  pass "with DISPLAY set the window maps on Xwayland"
  W=$(x_window)
  read -r X Y < <(DISPLAY="$XW" xwininfo -id "$W" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}')
  [ "$X,$Y" = "300,200" ] && pass "at its saved place (300,200)" || fail "the window stands at $X,$Y, not at 300,200"
  DISPLAY="$XW" xdotool windowfocus --sync "$W" 2>/dev/null
  DISPLAY="$XW" xdotool type --window "$W" --delay 80 "12+3="
  sleep 0.5
  DISPLAY="$XW" xdotool mousemove --window "$W" 100 45 click 1
  sleep 0.3
  got=$(DISPLAY="$XW" xclip -o -selection clipboard 2>/dev/null)
  [ "$got" = "15," ] && pass "12+3= gives 15," || fail "12+3= gave '$got'"
else
  fail "with DISPLAY set no window appeared on Xwayland"
fi
grep -q "Wayland" "$WORK/out.log" && fail "a warning about Wayland on X: $(cat "$WORK/out.log")"
kill "$PID" 2>/dev/null; wait "$PID" 2>/dev/null
for c in $(children); do PIDS=("$c" "${PIDS[@]}"); done

# 2. WAYLAND_DISPLAY alone: native, one line on standard error, and a
# drag writes no position.
# The first run's tape journal would ask to be recovered: a state folder
# of its own.
export XDG_STATE_HOME="$WORK/state2"
import -display "$OUTER" -window root "$WORK/before.png"
(cd "$WORK/prog" && unset DISPLAY && WAYLAND_DISPLAY="$SOCKET" exec ./numerina) >"$WORK/out.log" 2>&1 &
PID=$!
PIDS=("$PID" "${PIDS[@]}")
sleep 3
kill -0 "$PID" 2>/dev/null && pass "with WAYLAND_DISPLAY alone the program runs" ||
  fail "with WAYLAND_DISPLAY alone the program ended: $(cat "$WORK/out.log")"
import -display "$OUTER" -window root "$WORK/after.png"
# Where the compositor put it: the housing's outermost edge (the skin's rim
# colour), below weston's panel.
read -r WX WY < <(convert "$WORK/after.png" -crop 1280x960+0+64 +repage -fill black -fuzz 1% \
  +opaque "rgb(30,35,40)" -format '%@' info: | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1 \2/')
[ -n "${WY:-}" ] && WY=$((WY + 64))
if [ -n "${WX:-}" ] && [ -n "${WY:-}" ]; then
  # A click on the housing keeps the place on X; then a drag.
  DISPLAY="$OUTER" xdotool mousemove --sync $((WX + 5)) $((WY + 150)) click 1
  sleep 0.5
  DISPLAY="$OUTER" xdotool mousemove --sync $((WX + 5)) $((WY + 150)) mousedown 1
  DISPLAY="$OUTER" xdotool mousemove --sync $((WX + 17)) $((WY + 150))
  for step in 1 2 3 4 5 6 7 8 9 10; do
    DISPLAY="$OUTER" xdotool mousemove --sync $((WX + 17 + step * 8)) $((WY + 150 + step * 5))
    sleep 0.03
  done
  DISPLAY="$OUTER" xdotool mouseup 1
  sleep 1
else
  fail "the native window was not found on the screen"
fi
kill "$PID" 2>/dev/null; wait "$PID" 2>/dev/null
pos=$(setting Posizione)
[ "$pos" = "$((200 * 15)),$((300 * 15))" ] && pass "no position written on Wayland" ||
  fail "Posizione became '$pos' on Wayland"
n=$(grep -c "Wayland" "$WORK/out.log")
[ "$n" = 1 ] && pass "one line on standard error says what Wayland prevents" ||
  fail "$n lines about Wayland on standard error: $(cat "$WORK/out.log")"

[ "$FAILURES" -gt 0 ] && { cat "$WORK/out.log"; tail -20 "$WORK/weston.log"; }
[ "$FAILURES" -eq 0 ] && echo "wayland: all passed" || echo "wayland: $FAILURES failed"
[ "$FAILURES" -eq 0 ]
