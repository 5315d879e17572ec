#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# 50 keys typed in about half a second into the real window on Xvfb
# (xdotool type --delay 10), read back from the timestamp log of a
# benchmark build: every key must be taken, in order, every display change
# must come in the order the keys ask for, and the last key's result must
# be on the display within 150 ms of that key.
#
# Usage: keyburst.sh path/to/numerina-built-with-NUMERINA_KEYLOG=ON
#   cmake -S . -B build-keylog -DNUMERINA_KEYLOG=ON && cmake --build build-keylog --target numerina
# Also prints the time from main() to the first paint from the same log.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/../../tests/support/xsession.sh"
PROGRAM="${1:?usage: keyburst.sh path/to/keylog-build/numerina}"
ROUNDS="${2:-5}"
KEYS="9+8+7+6+5+4+3+2+1+9+8+7+6+5+4+3+2+1+9+8+7+6+5+4+3="  # 50 keys

xsession_start 1280x1024x24 || exit 1
WORK=$(mktemp -d /tmp/numerina-keyburst.XXXXXX)
# The tape journal in the scratch folder, never in the real home.
export XDG_STATE_HOME="$WORK/state"
trap 'kill $PID 2>/dev/null; xsession_stop; rm -rf "$WORK"' EXIT
PID=""
cp "$PROGRAM" "$WORK/numerina"

# The displays the keys must produce, in order (repeats folded): a digit
# shows itself, every operator after the first shows the running sum.
expected() {
  echo "$KEYS" | awk '{
    n = split($0, c, ""); sum = 0; ops = 0; last = ""
    for (i = 1; i <= n; i++) {
      if (c[i] ~ /[0-9]/) { d = c[i]; show = d "," }
      else { sum += d; ops++; show = (ops == 1 ? d : sum) "," }
      if (show != last) print show; last = show
    }
  }'
}
expected >"$WORK/expected"

status=0
for round in $(seq "$ROUNDS"); do
  rm -f "$WORK/voldrin.ini"
  rm -rf "$WORK/state"  # a killed calculator's tape would be offered back
  "$WORK/numerina" 2>"$WORK/log" &
  PID=$!
  WIN=$(xsession_window_of "$PID") || { echo "no window"; exit 1; }
  xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
  sleep 0.3
  xdotool type --delay 10 "$KEYS"
  sleep 1
  kill "$PID"; wait "$PID" 2>/dev/null; PID=""

  typed=$(awk '$2 == "key" {printf "%s", $3}' "$WORK/log")
  awk 'BEGIN {k = 0} $2 == "key" {k = 1} k && $2 == "display" {print $3}' "$WORK/log" |
    awk '$0 != last {print} {last = $0}' >"$WORK/shown"
  first=$(awk '$2 == "key" {print $1; exit}' "$WORK/log")
  last=$(awk '$2 == "key" {t = $1} END {print t}' "$WORK/log")
  final=$(tail -1 "$WORK/expected")
  result=$(awk -v want="$final" '$2 == "display" && $3 == want {t = $1} END {print t}' "$WORK/log")
  main=$(awk '$2 == "main" {print $1; exit}' "$WORK/log")
  painted=$(awk '$2 == "painted" {print $1; exit}' "$WORK/log")

  ok=yes
  [ "$typed" = "$KEYS" ] || { ok=no; echo "keys taken: $typed"; }
  cmp -s "$WORK/expected" "$WORK/shown" || { ok=no; echo "displays out of order:"; diff "$WORK/expected" "$WORK/shown" | head; }
  latency=$(( (result - last) / 1000 ))
  [ -n "$result" ] && [ "$latency" -le 150 ] || ok=no
  printf "round %d: %d keys in %d ms, last key to its result %d ms, main() to first paint %.1f ms: %s\n" \
    "$round" "${#typed}" $(( (last - first) / 1000 )) "$latency" \
    "$(awk -v a="$main" -v b="$painted" 'BEGIN {print (b - a) / 1000}')" "$ok"
  [ "$ok" = yes ] || status=1
done
exit $status
