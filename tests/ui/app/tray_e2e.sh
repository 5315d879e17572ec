#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The tray icon under a real tray host: Xvfb, openbox and Debian's trayer,
# each started in the background and stopped by its process id.
# Usage: tray.sh path/to/numerina [SHOTS-DIR]
# With SHOTS-DIR, screenshots of the tray menu go there.
#
# Outside CI a machine without Xvfb or trayer skips (exit 77); under
# CI=true that is a failure.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/xsession.sh
source "$HERE/../../support/xsession.sh"
# shellcheck source=../../support/trayer.sh
source "$HERE/../../support/trayer.sh"
PROGRAM="${1:?usage: tray.sh path/to/numerina [SHOTS-DIR]}"
SHOTS="${2:-}"
FAILURES=0
PIDS=()
TRAYER_PID=""

fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok:   $*"; }
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  [ -n "$TRAYER_PID" ] && { kill "$TRAYER_PID" 2>/dev/null; wait "$TRAYER_PID" 2>/dev/null; }
  xsession_stop
  if [ -n "${WORK:-}" ]; then
    [ "$FAILURES" -gt 0 ] && cat "$WORK/out.log"
    rm -rf "$WORK"
  fi
}
trap cleanup EXIT

for tool in trayer xdotool xwininfo xclip import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "tray: $tool is missing (packages trayer xdotool x11-utils xclip imagemagick)"
    [ "${CI:-}" = true ] && exit 1
    exit 77
  fi
done
if ! xsession_start 1024x768x24; then
  [ "${CI:-}" = true ] && exit 1
  echo "tray: SKIPPED: no X server could be started here"
  exit 77
fi

WORK=$(mktemp -d /tmp/numerina-tray.XXXXXX)
# The tape journal in the scratch folder, never in the real home.
export XDG_STATE_HOME="$WORK/state"
mkdir -p "$WORK/prog"
cp "$PROGRAM" "$WORK/prog/numerina"

visible() { xwininfo -id "$1" 2>/dev/null | grep -q "Map State: IsViewable"; }
# The calculator: the visible window of that name that is not the tray icon
# (whose title Qt sets to the tooltip).
main_window() {
  local w
  for w in $(xdotool search --all --onlyvisible --pid "$PID" --name "^Numerina Desktop$" 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {exit !($2 > 100)}' && { echo "$w"; return; }
  done
}
wait_for() {  # seconds command...
  local n=$(($1 * 10)); shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
has_main() { [ -n "$(main_window)" ]; }
no_main() { [ -z "$(main_window)" ]; }
double_click_icon() { xdotool mousemove --window "$ICON" 8 8 click --repeat 2 --delay 80 1; }
# Opens the tray menu with the right button and picks an item by going up
# from the bottom (1 = "Esci", 2 = "Informazioni", 3 = "Configurazione",
# 4 = "Numerina").
menu_pick() {
  xdotool mousemove --window "$ICON" 8 8 click 3
  sleep 0.5
  [ -n "$SHOTS" ] && [ ! -f "$SHOTS/tray-menu-${QT_SCALE_FACTOR:-1}.png" ] && \
    import -window root -crop 420x260+604+0 "$SHOTS/tray-menu-${QT_SCALE_FACTOR:-1}.png"
  for _ in $(seq "$1"); do xdotool key Up; sleep 0.05; done
  xdotool key Return
}
# The display's text through its left click (copy) and the X clipboard.
display_text() {
  local w; w=$(main_window)
  xdotool mousemove --window "$w" 100 45 click 1
  sleep 0.3
  xclip -o -selection clipboard 2>/dev/null
}

# A tray that appears after the program: the icon shows once it is there.
(cd "$WORK/prog" && exec ./numerina) >"$WORK/out.log" 2>&1 &
PID=$!
PIDS+=("$PID")
wait_for 10 has_main || fail "the window did not appear"
trayer_start || fail "trayer did not come up"
ICON=$(trayer_icon) && pass "the icon shows in a tray that started later" || fail "no icon in the tray"

# The tooltip: hovering the icon maps a second small window of the program
# at the top level, beside the icon.
tooltip_shown() {
  xwininfo -root -tree 2>/dev/null | grep '"numerina": ("numerina" "numerina")' | grep -v "$ICON" | grep -q .
}
xdotool mousemove --window "$ICON" 8 8; sleep 0.2; xdotool mousemove_relative 1 1
wait_for 5 tooltip_shown && pass "a tooltip shows over the icon" || fail "no tooltip over the icon"
xdotool mousemove 300 600
sleep 0.5

# Single click: nothing. Double click: shows the hidden window.
W=$(main_window)
xdotool windowactivate --sync "$W" 2>/dev/null
xdotool type --delay 60 "12+3="
sleep 0.5
[ "$(display_text)" = "15," ] || fail "typing 12+3= did not show 15,"
xdotool key Escape  # Focus has the keys
wait_for 5 no_main && pass "Esc with a tray unloads the window; the program goes on" || fail "Esc did not unload the window"
kill -0 "$PID" 2>/dev/null || fail "the program ended on Esc"
xdotool mousemove --window "$ICON" 8 8 click 1
sleep 1
no_main && pass "a single click shows nothing" || fail "a single click showed the window"
double_click_icon
wait_for 5 has_main && pass "a double click shows the window again" || fail "a double click did not show the window"
[ "$(display_text)" = "0," ] && pass "the window came back with a zero display" || fail "the re-created display is not 0,"

# "Informazioni": the about box; Esc closes it, the window stays as it was.
menu_pick 2
wait_for 5 bash -c "xdotool search --onlyvisible --name 'Informazioni su Numerina DeskTop' >/dev/null" \
  && pass "\"Informazioni\" opens the about box" || fail "no about box"
A=$(xdotool search --onlyvisible --name 'Informazioni su Numerina DeskTop' | head -1)
[ -n "$A" ] && { xdotool windowactivate --sync "$A" 2>/dev/null; xdotool key Escape; }
wait_for 5 bash -c "! xdotool search --onlyvisible --name 'Informazioni su Numerina DeskTop' >/dev/null" \
  && pass "Esc closes the about box" || fail "the about box stayed"

# The hide button puts the window into the tray; "Numerina" brings it back.
W=$(main_window)
xdotool mousemove --window "$W" 172 13 click 1
wait_for 5 no_main && pass "the hide button hides the window into the tray" || fail "the hide button did not hide"
menu_pick 4
wait_for 5 has_main && pass "\"Numerina\" shows the window" || fail "\"Numerina\" did not show the window"

# "Configurazione": the configuration dialog; Esc closes it.
menu_pick 3
wait_for 5 bash -c "xdotool search --onlyvisible --name '^Configurazione Numerina$' >/dev/null" \
  && pass "\"Configurazione\" opens the configuration dialog" || fail "no configuration dialog"
C=$(xdotool search --onlyvisible --name '^Configurazione Numerina$' 2>/dev/null | head -1)
[ -n "$C" ] && { xdotool windowactivate --sync "$C" 2>/dev/null; xdotool key Escape; sleep 0.5; }

# The tray goes away while the about box opened from it is up and the
# window is hidden: the box's close brings the window back.
W=$(main_window)
xdotool mousemove --window "$W" 172 13 click 1
wait_for 5 no_main || fail "the hide button did not hide (before the about box)"
menu_pick 2
about_up() { xdotool search --onlyvisible --name 'Informazioni su Numerina DeskTop' >/dev/null 2>&1; }
wait_for 5 about_up || fail "no about box from the tray"
kill "$TRAYER_PID"; wait "$TRAYER_PID" 2>/dev/null; TRAYER_PID=""
sleep 1
no_main || fail "the window came back while the about box was still up"
A=$(xdotool search --onlyvisible --name 'Informazioni su Numerina DeskTop' | head -1)
[ -n "$A" ] && { xdotool windowactivate --sync "$A" 2>/dev/null; xdotool key Escape; }
wait_for 5 has_main && pass "the about box's close brings the window back when the tray has gone" ||
  fail "no window and no icon after the about box closed"
trayer_start || fail "trayer did not come up"
ICON=$(trayer_icon) || fail "no icon in the tray after the about box"

# The tray goes away while the window is hidden: the window comes back, so
# that it is never out of reach; a new tray gets the icon again.
W=$(main_window)
xdotool mousemove --window "$W" 172 13 click 1
wait_for 5 no_main || fail "the hide button did not hide (second time)"
kill "$TRAYER_PID"; wait "$TRAYER_PID" 2>/dev/null; TRAYER_PID=""
wait_for 5 has_main && pass "the window shows when the tray goes away" || fail "the window stayed hidden without a tray"
trayer_start || fail "trayer did not come up"
ICON=$(trayer_icon) && pass "a new tray gets the icon" || fail "no icon in the new tray"

# "Esci": the icon goes and the program ends.
menu_pick 1
if wait_for 5 bash -c "! kill -0 $PID 2>/dev/null"; then pass "\"Esci\" ends the program"; else fail "\"Esci\" did not end it"; fi
if trayer_icon >/dev/null; then fail "the icon stayed in the tray"; else pass "the icon is gone from the tray"; fi

[ "$FAILURES" -eq 0 ] && echo "tray: all passed" || echo "tray: $FAILURES failed"
[ "$FAILURES" -eq 0 ]
