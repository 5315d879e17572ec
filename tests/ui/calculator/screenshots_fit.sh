#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots for the display's fitting, the long name and the tape's
# scroll bar, at 100 % and 200 % on Xvfb with openbox: a 20-digit number in
# the display (and then a longer entry), a long "Nome" at the top, a tape
# long enough to scroll.
# Usage: screenshots_fit.sh path/to/numerina OUTDIR
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/../../support/xsession.sh"
PROGRAM="${1:?usage: screenshots_fit.sh path/to/numerina OUTDIR}"
OUT="${2:?usage: screenshots_fit.sh path/to/numerina OUTDIR}"
mkdir -p "$OUT"
xsession_start 1600x1200x24 || exit 1
WORK=$(mktemp -d /tmp/numerina-shots.XXXXXX)
# The tape journal in the scratch folder, never in the real home.
export XDG_STATE_HOME="$WORK/state"
PID=""
trap 'kill $PID 2>/dev/null; xsession_stop; rm -rf "$WORK"' EXIT
cp "$PROGRAM" "$WORK/numerina"

for scale in 1 2; do
  rm -rf "$WORK/state"  # a killed calculator's tape would be offered back
  printf '[Opzioni]\r\nNome=Studio Commercialista Associato Rossi, Bianchi & Verdi\r\n' >"$WORK/voldrin.ini"
  QT_SCALE_FACTOR=$scale "$WORK/numerina" 2>/dev/null &
  PID=$!
  WIN=$(xsession_window_of "$PID") || exit 1
  xdotool windowactivate --sync "$WIN" 2>/dev/null
  sleep 0.3
  xdotool type --delay 15 "1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17+18+19+20+21+22=1234567890123460"
  xdotool type --delay 15 "1234"
  sleep 0.4
  read -r X Y W H < <(xsession_geometry "$WIN")
  import -window root "$WORK/root.png"
  convert "$WORK/root.png" -crop "${W}x${H}+${X}+${Y}" +repage "$OUT/fit-$scale.png"
  echo "$OUT/fit-$scale.png: ${W}x${H}"
  # Beyond the smallest font: "…" and the right-hand end.
  xdotool type --delay 15 "56789012345678901234567890"
  sleep 0.4
  import -window root "$WORK/root.png"
  convert "$WORK/root.png" -crop "${W}x${H}+${X}+${Y}" +repage "$OUT/long-$scale.png"
  kill "$PID"; wait "$PID" 2>/dev/null; PID=""
done
