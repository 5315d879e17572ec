#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The configuration dialog's message boxes when the dialog was opened from
# the tray menu while the calculator stays on top: on Xvfb with openbox and
# trayer (the tray host), the dialog is dragged to a corner, "Ripristina"
# is clicked, and the "Numerna" question must stand above the calculator in
# the window manager's stacking order, centred on the place the dialog had
# and whole on the screen, and it must answer a click: "No" keeps the
# settings file, "Sì" removes it.
#
# Usage: tray_boxes_e2e.sh path/to/numerina. Without Xvfb, openbox or
# trayer: skip (77), or fail under CI=true.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"
# shellcheck source=../../support/trayer.sh
source "$HERE/../../support/trayer.sh"

PROGRAM="${1:?usage: tray_boxes_e2e.sh path/to/numerina}"
e2e_begin "tray boxes e2e" 1024x768x24 trayer xdotool xwininfo xprop

WORK=$(mktemp -d /tmp/numerina-tray-boxes.XXXXXX)
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR" "$WORK/prog"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$PROGRAM" "$WORK/prog/numerina"
INI="$WORK/prog/voldrin.ini"
# The calculator kept on top; a file to restore, so that the question comes.
write_ini() { printf '[Opzioni]\r\nPrimoPiano=1\r\nNome=Prova\r\nNomePos=1\r\n' >"$INI"; }
write_ini

wait_for() {  # seconds command...
  local n=$(($1 * 10)); shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
# The first visible window whose title matches (the program is alone on
# this X server; its process is timeout's child), waiting up
# to 5 s; wider than 100 pixels (the tray icon carries a title too).
window_named() {
  for _ in $(seq 50); do
    local w
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {exit !($2 > 100)}' && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
no_window_named() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
# Position of a window in _NET_CLIENT_LIST_STACKING, bottom first (-1: absent).
stacking_index() {
  local hex
  hex=$(printf '0x%x' "$1")
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | tr -d ' ' |
    awk -v w="$hex" '$0 == w {print NR - 1; found = 1} END {if (!found) print -1}'
}
click_in() {  # window x y (window pixels)
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

trayer_start || fail "trayer did not come up"
PIDS+=("$TRAYER_PID")
(cd "$WORK/prog" && exec timeout 120 ./numerina) >"$WORK/out.log" 2>&1 &
PID=$!
PIDS+=("$PID")
CALC=$(window_named '^Numerina Desktop$') || { fail "the calculator did not appear"; exit 1; }
ICON=$(trayer_icon) || { fail "no icon in the tray"; exit 1; }
xprop -id "$CALC" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE \
  && pass "the calculator is kept on top" || fail "the calculator is not kept on top"

# One round: open the dialog from the tray menu (third item from the
# bottom), move it to the top left corner, click "Ripristina" and check the
# question; answer it with a click on the button at the given offset from
# the box's bottom right corner.
ask_restore() {  # answer-name dx dy
  xdotool mousemove --window "$ICON" 8 8 click 3
  sleep 0.5
  xdotool key Up Up Up Return
  DIALOG=$(window_named '^Configurazione Numerina$') || { fail "no configuration dialog"; return 1; }
  xdotool windowmove --sync "$DIALOG" 0 40 2>/dev/null
  sleep 0.3
  local dx dy dw dh
  read -r dx dy dw dh < <(xsession_geometry "$DIALOG")
  sleep 0.3
  # "Ripristina", at its place in the dialog.
  click_in "$DIALOG" 242 377
  local box
  box=$(window_named '^Numerna$') || { fail "$1: no question box"; return 1; }
  sleep 0.3
  local ib ic
  ib=$(stacking_index "$box"); ic=$(stacking_index "$CALC")
  if [ "$ib" -gt "$ic" ] && [ "$ic" -ge 0 ]; then
    pass "$1: the question stands above the calculator ($ib over $ic)"
  else
    fail "$1: the question is under the calculator (box $ib, calculator $ic in the stacking order)"
  fi
  local bx by bw bh
  read -r bx by bw bh < <(xsession_geometry "$box")
  local cx=$((bx + bw / 2)) cy=$((by + bh / 2)) wx=$((dx + dw / 2)) wy=$((dy + dh / 2))
  # Centred on the dialog, but moved right as far as the screen's left edge
  # asks (the box is wider than the dialog in the corner).
  local ex=$wx
  [ $((wx - bw / 2)) -lt 0 ] && ex=$((bw / 2))
  # The window manager's frame may push the client down by its title bar
  # and in by its border.
  if [ $((cx - ex)) -ge -3 ] && [ $((cx - ex)) -le 3 ] && [ $((cy - wy)) -ge -3 ] && [ $((cy - wy)) -le 30 ]; then
    pass "$1: the box is centred on the dialog's place (box centre $cx,$cy; expected $ex,$wy)"
  else
    fail "$1: the box is not centred on the dialog (box centre $cx,$cy; expected $ex,$wy)"
  fi
  if [ "$bx" -ge 0 ] && [ "$by" -ge 0 ] && [ $((bx + bw)) -le 1024 ] && [ $((by + bh)) -le 768 ]; then
    pass "$1: the box lies on the screen"
  else
    fail "$1: the box leaves the screen ($bx,$by ${bw}x$bh)"
  fi
  [ -n "$SHOTS" ] && import -window root "$SHOTS/tray-question.png" 2>/dev/null
  click_in "$box" $((bw - $2)) $((bh - $3))
  if wait_for 5 no_window_named '^Numerna$'; then
    pass "$1: a click answers the question"
  else
    fail "$1: the question did not answer a click"
    xdotool key --window "$box" Escape
  fi
  wait_for 5 window_named '^Configurazione Numerina$' >/dev/null \
    && pass "$1: the dialog is back" || fail "$1: the dialog did not come back"
  DIALOG=$(window_named '^Configurazione Numerina$') && {
    xdotool windowactivate --sync "$DIALOG" 2>/dev/null
    xdotool key Escape
  }
  wait_for 5 no_window_named '^Configurazione Numerina$' || fail "$1: the dialog did not close"
}

SHOTS="${NUMERINA_SHOTS:-}"
# "No" is the right-hand button, "Sì" the one before it.
ask_restore "No" 50 22
[ -f "$INI" ] && pass "No keeps the settings file" || fail "No removed the settings file"
ask_restore "Sì" 140 22
grep -q 'Nome=Prova' "$INI" 2>/dev/null && fail "Sì kept the old settings" || pass "Sì restored the settings"

[ "$FAILURES" -eq 0 ] || cat "$WORK/out.log"
[ "$FAILURES" -eq 0 ] && echo "tray boxes e2e: all passed" || echo "tray boxes e2e: $FAILURES failed"
[ "$FAILURES" -eq 0 ]
