#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the print options dialog and of the notice after a print
# job, at 100 % and 200 %, on Xvfb with openbox over a magenta backdrop (so
# that the rounded outline shows); the job goes to a private CUPS server.
# Usage: screenshots.sh path/to/numerina OUTDIR
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/../../support/xsession.sh"
source "$HERE/cupsd.sh"
PROGRAM="${1:?usage: screenshots.sh path/to/numerina OUTDIR}"
OUT="${2:?usage: screenshots.sh path/to/numerina OUTDIR}"
mkdir -p "$OUT"
xsession_start 1600x1200x24 || exit 1
WORK=$(mktemp -d /tmp/numerina-printshots.XXXXXX)
# The tape journal in the scratch folder, never in the real home.
export XDG_STATE_HOME="$WORK/state"
PID=""
trap 'kill $PID 2>/dev/null; cupsd_stop; xsession_stop; rm -rf "$WORK"' EXIT
cupsd_start || exit 1
lpadmin -p CAPTURE -v "capture:$CUPSD_JOBS" -E -m raw 2>/dev/null
lpadmin -d CAPTURE
# The program with its print module beside it.
cp "$PROGRAM" "$WORK/numerina"
cp "$(dirname "$PROGRAM")/numerina-print.so" "$WORK/"
convert -size 1600x1200 xc:"#ff00ff" "$WORK/backdrop.png"
display -window root "$WORK/backdrop.png" 2>/dev/null &
BACKDROP=$!
sleep 1

crop() {  # window id, output file
  local x y w h
  read -r x y w h < <(xsession_geometry "$1")
  import -window root "$WORK/root.png"
  convert "$WORK/root.png" -crop "$((w + 20))x$((h + 20))+$((x - 10))+$((y - 10))" +repage "$2"
  echo "$2: ${w}x${h} at $x,$y"
}

for scale in 1 2; do
  rm -f "$WORK/voldrin.ini"
  rm -rf "$WORK/state"  # a killed calculator's tape would be offered back
  QT_SCALE_FACTOR=$scale "$WORK/numerina" 2>/dev/null &
  PID=$!
  WIN=$(xsession_window_of "$PID") || exit 1
  xdotool windowactivate --sync "$WIN" 2>/dev/null
  sleep 0.3
  xdotool type --delay 30 "1234.5+678.9=12*3="
  read -r X Y W H < <(xsession_geometry "$WIN")
  for panel in wide narrow; do
    # The print button at (345, 7), 13 x 13.
    xdotool mousemove --sync "$(awk -v x="$X" -v s="$scale" 'BEGIN {print int(x + 351 * s)}')" \
      "$(awk -v y="$Y" -v s="$scale" 'BEGIN {print int(y + 13 * s)}')" click 1
    DLG=""
    for _ in $(seq 50); do
      DLG=$(xdotool search --all --onlyvisible --pid "$PID" --name '^Stampa report$' 2>/dev/null | head -1)
      [ -n "$DLG" ] && break
      sleep 0.1
    done
    [ -n "$DLG" ] || { echo "no print dialog"; exit 1; }
    sleep 0.5
    [ "$panel" = wide ] && crop "$DLG" "$OUT/frmprint-$scale.png"
    if [ "$panel" = narrow ]; then
      # The report panel hidden (button 3 at (124, 7)) while the dialog is open.
      xdotool mousemove --sync "$(awk -v x="$X" -v s="$scale" 'BEGIN {print int(x + 130 * s)}')" \
        "$(awk -v y="$Y" -v s="$scale" 'BEGIN {print int(y + 13 * s)}')" click 1
      sleep 0.5
    fi
    # Ok by the keyboard: the job goes to the capture queue, the notice shows.
    xdotool windowactivate --sync "$DLG" 2>/dev/null
    xdotool key Return
    sleep 0.8
    crop "$WIN" "$OUT/notice-$panel-$scale.png"
    sleep 2
  done
  kill "$PID"; wait "$PID" 2>/dev/null; PID=""
done
ls "$CUPSD_JOBS"
kill "$BACKDROP" 2>/dev/null
