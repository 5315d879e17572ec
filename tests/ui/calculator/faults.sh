#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end on Xvfb with openbox: the window faults that only a real window
# manager shows. Quick clicks on the background (press and release in the
# same instant) never leave the window in a move; a saved "0,0" is kept;
# the height stays when the report is toggled at 150 % and 175 %.
# Usage: faults.sh path/to/numerina. Skips (77) without an X server, fails
# under CI=true.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"

PROGRAM="${1:?usage: faults.sh path/to/numerina}"
e2e_begin e2e 1280x1024x24 xdotool xwininfo
# shellcheck source=../../support/calcwindow.sh
source "$HERE/../../support/calcwindow.sh"
calc_folder faults "$PROGRAM"
at() {  # at X Y SCALE: a window point in root coordinates
  awk -v x="$WX" -v y="$WY" -v px="$1" -v py="$2" -v s="${3:-1}" \
    'BEGIN {print int(x + px * s), int(y + py * s)}'
}

# ---- quick clicks on the background, each on a fresh start ----
stuck=0
for round in $(seq 10); do
  rm -f "$INI"
  calc_start || break
  # Press and release in the same instant, then the mouse goes elsewhere.
  xdotool mousemove --sync $((WX + 5)) $((WY + 150)) mousedown 1 mouseup 1
  xdotool mousemove --sync $((WX + 300)) $((WY + 220))
  sleep 0.4
  xdotool mousemove --sync $((WX + 250)) $((WY + 320))
  sleep 0.4
  read -r NX NY _ _ < <(xsession_geometry "$WIN")
  pos=$(calc_setting Posizione)
  if [ "$NX,$NY" != "$WX,$WY" ] || [ "$pos" != "$((WY * 15)),$((WX * 15))" ]; then
    stuck=$((stuck + 1))
    echo "  round $round: window at $NX,$NY (was $WX,$WY), Posizione='$pos'"
  fi
  calc_stop
done
[ "$stuck" = 0 ] && pass "10 quick clicks: the window stayed and wrote its place" ||
  fail "$stuck of 10 quick clicks moved the window or lost its place"

# ---- a window saved in the top-left corner comes back there ----
printf '[Opzioni]\r\nPosizione=0,0\r\n' >"$INI"
calc_start && {
  [ "$WX,$WY" = "0,0" ] && pass "Posizione=0,0 restored at 0,0" || fail "Posizione=0,0 started at $WX,$WY"
  calc_stop
}

# ---- the height at fractional scales, report hidden and shown twice ----
for scale in 1.5 1.75; do
  rm -f "$INI"
  calc_start "$scale" || continue
  heights="$WH"
  read -r bx by < <(at 130 13 "$scale")
  # (--sync waits for the pointer to arrive: only once, not onto the same spot.)
  xdotool mousemove --sync "$bx" "$by"
  for _ in 1 2 3 4; do
    xdotool click 1
    sleep 0.4
    read -r _ _ _ h < <(xsession_geometry "$WIN")
    heights="$heights $h"
  done
  [ "$(echo "$heights" | tr ' ' '\n' | sort -u | wc -l)" = 1 ] &&
    pass "at $scale the height stays $WH" || fail "at $scale the height goes $heights"
  calc_stop
done

if [ "$FAILURES" -gt 0 ]; then
  echo "$FAILURES check(s) failed"
  exit 1
fi
echo "all checks passed"
