#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The help button on a real X session (Xvfb, openbox): with no xdg-open on
# PATH, and with one that fails, the page opens in the program's own
# viewer, above the calculator, and its links move the page; with one that
# starts a browser, the calculator leaves the top until it is next
# activated. Each session has its own private bin folder as PATH.
# Usage: help_e2e.sh path/to/numerina path/to/numerina.html [SHOTS-DIR]
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"
PROGRAM="${1:?usage: help_e2e.sh path/to/numerina path/to/numerina.html [SHOTS-DIR]}"
PAGE="${2:?the help page}"
SHOTS="${3:-}"

e2e_begin help "$([ -n "$SHOTS" ] && echo 2048x1536x24 || echo 1024x768x24)" xdotool xwininfo xprop xmessage import
WORK=$(mktemp -d /tmp/numerina-help.XXXXXX)
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR" "$WORK/prog"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$PROGRAM" "$WORK/prog/numerina"
cp "$PAGE" "$WORK/prog/numerina.html"
# What the program finds on PATH besides xdg-open: nothing (it needs none).
EMPTY_BIN="$WORK/bin-none"
FAILING_BIN="$WORK/bin-failing"
BROWSER_BIN="$WORK/bin-browser"
mkdir -p "$EMPTY_BIN" "$FAILING_BIN" "$BROWSER_BIN"
printf '#!/bin/sh\necho "xdg-open: no method available for opening $1" >&2\nexit 3\n' \
  >"$FAILING_BIN/xdg-open"
# A browser: a window of another program, started in the background the
# way xdg-open hands over, its id kept for the cleanup.
XMESSAGE=$(command -v xmessage)
cat >"$BROWSER_BIN/xdg-open" <<SH
#!/bin/sh
echo "\$1" >"$WORK/opened"
$XMESSAGE -name browser -title "Il browser" -geometry 300x200+600+400 "\$1" </dev/null >/dev/null 2>&1 &
echo \$! >"$WORK/browser.pid"
exit 0
SH
chmod +x "$FAILING_BIN/xdg-open" "$BROWSER_BIN/xdg-open"

wait_for() {  # seconds command...
  local n=$(($1 * 10)); shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
main_window() {
  local w
  for w in $(xdotool search --all --onlyvisible --pid "$PID" --name "^Numerina Desktop$" 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {exit !($2 > 100)}' && { echo "$w"; return; }
  done
}
viewer() { xdotool search --all --onlyvisible --pid "$PID" --name "^Guida in linea" 2>/dev/null | head -1; }
has_viewer() { [ -n "$(viewer)" ]; }
above() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above "$1"; }
# Whether window $1 is stacked above window $2 (openbox's stacking list,
# bottom first).
stacked_above() {
  local list; list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  local a b i=0 n
  for n in $list; do
    [ $((n)) -eq $(($1)) ] && a=$i
    [ $((n)) -eq $(($2)) ] && b=$i
    i=$((i + 1))
  done
  [ -n "${a:-}" ] && [ -n "${b:-}" ] && [ "$a" -gt "$b" ]
}
start() {  # PATH for the program
  (cd "$WORK/prog" && PATH="$1" exec ./numerina) >"$WORK/out.log" 2>&1 &
  PID=$!
  PIDS=("$PID" "${PIDS[@]}")
  wait_for 10 bash -c '[ -n "$(xdotool search --all --onlyvisible --pid '"$PID"' --name "^Numerina Desktop$" 2>/dev/null)" ]' ||
    fail "the window did not appear"
  W=$(main_window)
}
stop() {
  kill "$PID" 2>/dev/null
  wait "$PID" 2>/dev/null
}
# The toolbar's help button (in device pixels at QT_SCALE_FACTOR).
help_button() {
  local s=${QT_SCALE_FACTOR:-1}
  xdotool mousemove --window "$W" $((158 * s)) $((13 * s)) click 1
}

# 1. No xdg-open at all.
start "$EMPTY_BIN"
help_button
if wait_for 5 has_viewer; then
  pass "without xdg-open the help opens in the program's own viewer"
  V=$(viewer)
  wait_for 5 stacked_above "$V" "$W" && pass "the viewer stands above the calculator" ||
    fail "the viewer is not above the calculator"
  # The links: the first of the contents ("Primi passi") moves the page.
  xdotool windowactivate --sync "$V" 2>/dev/null
  sleep 0.3
  [ -n "$SHOTS" ] && { mkdir -p "$SHOTS"; import -window "$V" "$SHOTS/help-viewer-${QT_SCALE_FACTOR:-1}.png"; }
  # The first link takes the focus, then Return follows it.
  xdotool key Tab
  sleep 0.3
  import -window "$V" "$WORK/before.png"
  xdotool key Return
  sleep 0.5
  import -window "$V" "$WORK/after.png"
  if [ "$(compare -metric AE "$WORK/before.png" "$WORK/after.png" null: 2>&1)" != 0 ]; then
    pass "a link of the page moves the viewer within the page"
  else
    fail "a link of the page changed nothing"
  fi
  # Esc closes it; the calculator stays.
  xdotool key Escape
  wait_for 5 bash -c '! xdotool search --all --onlyvisible --pid '"$PID"' --name "^Guida in linea" >/dev/null 2>&1' &&
    pass "Esc closes the viewer" || fail "Esc did not close the viewer"
  [ -n "$(main_window)" ] || fail "the calculator went with the viewer"
else
  fail "without xdg-open the help button showed nothing"
fi
stop

# 2. An xdg-open that fails.
start "$FAILING_BIN"
help_button
wait_for 5 has_viewer && pass "when xdg-open fails the help opens in the program's own viewer" ||
  fail "when xdg-open fails the help button showed nothing"
stop

# 3. An xdg-open that starts a browser: no viewer, and the calculator
# leaves the top until it is activated again.
start "$BROWSER_BIN"
above "$W" && pass "the calculator starts on top" || fail "the calculator is not on top at the start"
help_button
browser_up() { xdotool search --onlyvisible --name "^Il browser$" >/dev/null 2>&1; }
wait_for 5 browser_up && pass "xdg-open is asked to open the page" || fail "xdg-open was not run"
[ -f "$WORK/browser.pid" ] && PIDS+=("$(cat "$WORK/browser.pid")")
[ "$(cat "$WORK/opened" 2>/dev/null)" = "file://$WORK/prog/numerina.html" ] ||
  fail "xdg-open got \"$(cat "$WORK/opened" 2>/dev/null)\""
sleep 0.5
has_viewer && fail "the viewer opened although a browser started"
wait_for 5 not_above "$W" && pass "the calculator leaves the top while the browser opens" ||
  fail "the calculator stayed on top over the browser"
B=$(xdotool search --onlyvisible --name "^Il browser$" | head -1)
xdotool windowactivate --sync "$B" 2>/dev/null
sleep 0.3
not_above "$W" || fail "the calculator went back on top before it was activated"
xdotool windowactivate --sync "$W" 2>/dev/null
wait_for 5 above "$W" && pass "activated again, the calculator is back on top" ||
  fail "the calculator did not go back on top when activated"
grep -q '^PrimoPiano' "$XDG_CONFIG_HOME/numerina/voldrin.ini" 2>/dev/null &&
  grep -q '^PrimoPiano *= *0' "$XDG_CONFIG_HOME/numerina/voldrin.ini" &&
  fail "the on-top setting was written off"
stop

[ "$FAILURES" -gt 0 ] && cat "$WORK/out.log"
[ "$FAILURES" -eq 0 ] && echo "help: all passed" || echo "help: $FAILURES failed"
[ "$FAILURES" -eq 0 ]
