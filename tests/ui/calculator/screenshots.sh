#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the real window on Xvfb with openbox at 100 %, 125 % and
# 200 %, over a magenta backdrop so that the outline shows: a calculation on
# the tape, "M" in memory, the "5" key held down by the mouse.
# Usage: screenshots.sh path/to/numerina OUTDIR
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/../../support/xsession.sh"
PROGRAM="${1:?usage: screenshots.sh path/to/numerina OUTDIR}"
OUT="${2:?usage: screenshots.sh path/to/numerina OUTDIR}"
mkdir -p "$OUT"
xsession_start 1600x1200x24 || exit 1
WORK=$(mktemp -d /tmp/numerina-shots.XXXXXX)
# The tape journal in the scratch folder, never in the real home.
export XDG_STATE_HOME="$WORK/state"
PID=""
trap 'kill $PID 2>/dev/null; xsession_stop; rm -rf "$WORK"' EXIT
cp "$PROGRAM" "$WORK/numerina"
convert -size 1600x1200 xc:"#ff00ff" "$WORK/backdrop.png"
display -window root "$WORK/backdrop.png" 2>/dev/null

for scale in 1 1.25 2; do
  rm -f "$WORK/voldrin.ini"
  rm -rf "$WORK/state"  # a killed calculator's tape would be offered back
  QT_SCALE_FACTOR=$scale "$WORK/numerina" 2>/dev/null &
  PID=$!
  WIN=$(xsession_window_of "$PID") || exit 1
  xdotool windowactivate --sync "$WIN" 2>/dev/null
  sleep 0.3
  xdotool type --delay 30 "1234.5+678.9=12*3="
  sleep 0.3
  read -r X Y W H < <(xsession_geometry "$WIN")
  # M: store the display in memory (key at 43,103 of the 400 x 275 skin).
  xdotool mousemove --sync "$(awk -v x="$X" -v s="$scale" 'BEGIN {print int(x + 56 * s)}')" \
    "$(awk -v y="$Y" -v s="$scale" 'BEGIN {print int(y + 116 * s)}')" click 1
  sleep 0.3
  # Hold "5" (74,165) down while the picture is taken.
  xdotool mousemove --sync "$(awk -v x="$X" -v s="$scale" 'BEGIN {print int(x + 87 * s)}')" \
    "$(awk -v y="$Y" -v s="$scale" 'BEGIN {print int(y + 178 * s)}')" mousedown 1
  sleep 0.3
  import -window root "$WORK/root.png"
  xdotool mouseup 1
  convert "$WORK/root.png" -crop "$((W + 20))x$((H + 20))+$((X - 10))+$((Y - 10))" +repage \
    "$OUT/window-$scale.png"
  echo "$OUT/window-$scale.png: ${W}x${H} at $X,$Y"
  kill "$PID"; wait "$PID" 2>/dev/null; PID=""
done
