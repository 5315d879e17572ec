#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end on a 1280 x 1024 Xvfb with openbox: where the window goes. A
# drag keeps the pressed pixel under the pointer from the first pixel, at
# 100 % and 200 %; a click never moves the window; showing the report at
# the screen's right edge keeps the whole window on the screen and writes
# the place; a start with a place partly off the screen shows the whole
# window and leaves the saved place alone.
# Usage: placement.sh path/to/numerina. Skips (77) without an X server,
# fails under CI=true.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"

PROGRAM="${1:?usage: placement.sh path/to/numerina}"
e2e_begin e2e 1280x1024x24 xdotool xwininfo
# shellcheck source=../../support/calcwindow.sh
source "$HERE/../../support/calcwindow.sh"
calc_folder placement "$PROGRAM"

# ---- a drag of 50, 40 moves the window by exactly 50, 40 ----
for scale in 1 2; do
  rm -f "$INI"
  calc_start "$scale" || continue
  px=$((WX + 5 * scale)) py=$((WY + 150 * scale))
  xdotool mousemove --sync "$px" "$py" mousedown 1
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove --sync $((px + step * 5)) $((py + step * 4))
    sleep 0.03
  done
  sleep 0.2
  xdotool mouseup 1
  sleep 0.8
  read -r NX NY _ _ < <(xsession_geometry "$WIN")
  [ "$NX,$NY" = "$((WX + 50)),$((WY + 40))" ] &&
    pass "at $scale x: a drag of 50,40 moved the window from $WX,$WY to $NX,$NY" ||
    fail "at $scale x: a drag of 50,40 from $WX,$WY ended at $NX,$NY"
  # A click where the drag ended: the window stays.
  xdotool mousemove --sync $((NX + 5 * scale)) $((NY + 150 * scale)) click 1
  sleep 0.6
  read -r CX CY _ _ < <(xsession_geometry "$WIN")
  [ "$CX,$CY" = "$NX,$NY" ] && pass "at $scale x: a click leaves the window at $CX,$CY" ||
    fail "at $scale x: a click moved the window from $NX,$NY to $CX,$CY"
  calc_stop
done

# ---- the report shown at the right edge keeps the window on the screen ----
# The narrow window (205 pixels) against the right edge, 40 pixels up.
printf '[Opzioni]\r\nReport=0\r\nPosizione=%d,%d\r\n' $((600 * 15)) $((1075 * 15)) >"$INI"
calc_start && {
  [ "$WX,$WW" = "1075,205" ] && pass "the narrow window starts at $WX, $WW wide" ||
    fail "the narrow window starts at $WX, $WW wide (expected 1075, 205)"
  xdotool mousemove --sync $((WX + 130)) $((WY + 13)) click 1   # show the report
  sleep 0.8
  read -r RX RY RW _ < <(xsession_geometry "$WIN")
  [ "$RX,$RY,$RW" = "879,600,401" ] && pass "report shown: the window moved to $RX,$RY, $RW wide" ||
    fail "report shown: the window is at $RX,$RY, $RW wide (expected 879,600, 401 wide)"
  [ "$(calc_setting Posizione)" = "$((600 * 15)),$((879 * 15))" ] &&
    pass "the shift is written: Posizione=$(calc_setting Posizione)" ||
    fail "after the shift Posizione='$(calc_setting Posizione)'"
  calc_stop
}

# ---- a saved place partly off the screen ----
printf '[Opzioni]\r\nPosizione=%d,%d\r\n' $((900 * 15)) $((1100 * 15)) >"$INI"
saved=$(cat "$INI")
calc_start && {
  [ "$WX,$WY,$WW,$WH" = "879,749,401,275" ] &&
    pass "a place off the screen starts the whole window at $WX,$WY" ||
    fail "a place off the screen starts at $WX,$WY, $WW x $WH (expected 879,749)"
  calc_stop
  [ "$(cat "$INI")" = "$saved" ] && pass "the saved place stays $(calc_setting Posizione)" ||
    fail "the start changed the settings: Posizione='$(calc_setting Posizione)'"
}

echo "$FAILURES failure(s)"
[ "$FAILURES" = 0 ]
