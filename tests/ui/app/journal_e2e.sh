#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The tape outlives a kill -9 of the real program on a real X server
# (Xvfb, openbox): the next start shows the window, then asks; Yes puts the
# tape back exactly (read through Ctrl+Shift+C, which copies the whole
# tape); ending on purpose (Esc) removes the journal and the next start
# asks nothing.
#
# Usage: journal_e2e.sh path/to/numerina. Without Xvfb: skip (77), or fail
# under CI=true.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"

PROGRAM="${1:?usage: journal_e2e.sh path/to/numerina}"
e2e_begin journal_e2e 1280x1024x24 xdotool xclip xwininfo

WORK=$(mktemp -d /tmp/numerina-journal.XXXXXX)
export XDG_STATE_HOME="$WORK/state"
mkdir -p "$WORK/prog"
cp "$PROGRAM" "$WORK/prog/numerina"

start() {
  "$WORK/prog/numerina" >>"$WORK/out.log" 2>&1 &
  PID=$!
  PIDS+=("$PID")
  WIN=$(xsession_window_of "$PID") || { fail "the window did not appear"; return 1; }
  sleep 0.3
}

# The whole tape through Ctrl+Shift+C (LF line ends on the clipboard).
tape() {
  xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
  xdotool key ctrl+shift+c
  sleep 0.4
  xclip -o -selection clipboard 2>/dev/null
}

# The question: a visible window titled "Numerina" (the calculator's own
# title is the product's full name).
question() {
  local id
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name '^Numerina$' 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# ---- a tape, then kill -9 ----
start || exit 1
xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
xdotool type --delay 30 "12+3,5=7*2="
sleep 0.6
before=$(tape)
[ -n "$before" ] && pass "a tape of $(printf '%s\n' "$before" | wc -l) lines" || fail "the tape is empty"
kill -9 "$PID"
wait "$PID" 2>/dev/null

# ---- the next start asks; Yes puts the tape back ----
start || exit 1
if box=$(question); then
  pass "the next start asks"
  xdotool windowactivate --sync "$box" 2>/dev/null
  # The focus starts on No (the default): back one to Yes, whatever the
  # buttons' language.
  xdotool key shift+Tab space
  for _ in $(seq 30); do
    [ "$(xwininfo -id "$WIN" | awk '/Map State:/ {print $3}')" = IsViewable ] && break
    sleep 0.1
  done
  after=$(tape)
  [ "$after" = "$before" ] && pass "Yes gave the tape back exactly" ||
    fail "restored tape differs: '$after' for '$before'"
else
  fail "no question after kill -9"
fi

# ---- kill -9 while keys are being typed: whatever is restored is the
# tape as it stood, whole lines only. The complete tape of the same keys
# comes from the runner; a restored tape must be its beginning, line by
# line (at most the last line cut, when its record was being written). ----
KEYS="1+2+3+4+5+6+7+8+9+10=11*12=13-14="
RUNNER="$(dirname "$PROGRAM")/../tools/tape/numerina-tape"
if [ -x "$RUNNER" ]; then
  printf '%s' "$KEYS" | "$RUNNER" --tape "$WORK/full.tape" >/dev/null
  iconv -f WINDOWS-1252 -t UTF-8 "$WORK/full.tape" | tr -d '\r' | sed -e '$a\' >"$WORK/full.txt"
  for round in 1 2 3; do
    # Start from an empty tape.
    xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
    xdotool key Home   # clear entry: the tape empties
    xdotool type --delay 40 "$KEYS" &
    typing=$!
    sleep "0.$((RANDOM % 9 + 1))"
    kill -9 "$PID"
    wait "$PID" 2>/dev/null
    wait "$typing" 2>/dev/null
    start || exit 1
    if box=$(question); then
      xdotool windowactivate --sync "$box" 2>/dev/null
      xdotool key shift+Tab space
      for _ in $(seq 30); do
        [ "$(xwininfo -id "$WIN" | awk '/Map State:/ {print $3}')" = IsViewable ] && break
        sleep 0.1
      done
      got=$(tape)
      printf '%s\n' "$got" | sed -e '$a\' >"$WORK/got.txt"
      n=$(wc -l <"$WORK/got.txt")
      if head -n "$n" "$WORK/full.txt" | cmp -s - "$WORK/got.txt"; then
        pass "kill -9 round $round: $n whole lines back"
      else
        fail "kill -9 round $round: restored tape is not the typed one's beginning"
        diff "$WORK/got.txt" "$WORK/full.txt" | head -n 5
      fi
    else
      # Killed before the first line: nothing to offer.
      pass "kill -9 round $round: before the first line, no question"
    fi
  done
else
  fail "numerina-tape not found beside the build ($RUNNER)"
fi

# ---- Esc ends on purpose: the next start is the plain one ----
xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
xdotool key Escape
for _ in $(seq 30); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PID" 2>/dev/null && fail "Esc did not end the program"
start || exit 1
if question >/dev/null; then fail "a question after Esc"; else pass "no question after Esc"; fi

[ "$FAILURES" = 0 ] || { echo "$FAILURES end-to-end check(s) failed"; exit 1; }
echo "journal end to end: every check passed"
