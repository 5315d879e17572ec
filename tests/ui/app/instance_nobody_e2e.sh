#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The single-instance lock where it cannot be made: the program runs as
# nobody (root passes every permission check) with XDG_RUNTIME_DIR on a
# folder nobody may not write, as after su without "-". It must start,
# with the lock in the user's own state folder, so that a second start
# still shows the first; and with no folder of its own writable either, it
# starts without the check.
# Usage: instance_nobody_e2e.sh path/to/numerina
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"
PROGRAM="${1:?usage: instance_nobody_e2e.sh path/to/numerina}"

e2e_begin instance_nobody 1024x768x24 setpriv xdotool xwininfo
WORK=$(mktemp -d /tmp/numerina-nobody.XXXXXX)
chmod 755 "$WORK"
mkdir -p "$WORK/prog" "$WORK/rootrun" "$WORK/user/home" "$WORK/user/config" "$WORK/user/state"
cp "$PROGRAM" "$WORK/prog/numerina"
chmod 755 "$WORK/prog" "$WORK/prog/numerina"
chmod 755 "$WORK/rootrun"  # another user's runtime folder: readable, not writable
chown -R nobody:nogroup "$WORK/user"

as_nobody() {  # HOME XDG_STATE_HOME, then the program in the background
  (cd "$WORK/prog" && exec env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$1" \
    XDG_CONFIG_HOME="$WORK/user/config" XDG_STATE_HOME="$2" XDG_RUNTIME_DIR="$WORK/rootrun" \
    setpriv --reuid=nobody --regid=nogroup --clear-groups ./numerina) >>"$WORK/out.log" 2>&1 &
  LAST=$!
}
windows_of() { xdotool search --all --onlyvisible --pid "$1" --name "^Numerina Desktop$" 2>/dev/null | head -1; }
wait_for() {  # seconds command...
  local n=$(($1 * 10)); shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
shown() { [ -n "$(windows_of "$1")" ]; }
ended() { ! kill -0 "$1" 2>/dev/null; }

# 1. The runtime folder refuses the lock: the user's state folder takes it.
as_nobody "$WORK/user/home" "$WORK/user/state"
FIRST=$LAST
PIDS+=("$FIRST")
if wait_for 10 shown "$FIRST"; then
  pass "with a runtime folder it may not write, the program starts"
else
  fail "the program did not start (ended: $(ended "$FIRST" && echo yes || echo no))"
fi
ls "$WORK/user/state/numerina/"*.lock >/dev/null 2>&1 && pass "the lock is in the user's state folder" ||
  fail "no lock in the user's state folder"
[ "$(stat -c %a "$WORK/user/state/numerina")" = 700 ] || fail "the state folder is not private (0700)"
# A second start asks the first to show itself and ends.
W=$(windows_of "$FIRST")
# The hide button: with no tray, the window goes to the taskbar (iconic).
[ -n "$W" ] && xdotool mousemove --window "$W" 172 13 click 1
wait_for 5 bash -c "[ -z \"\$(xdotool search --all --onlyvisible --pid $FIRST --name '^Numerina Desktop\$' 2>/dev/null)\" ]" ||
  fail "the hide button did not hide the window"
as_nobody "$WORK/user/home" "$WORK/user/state"
SECOND=$LAST
PIDS+=("$SECOND")
wait_for 10 ended "$SECOND" && pass "a second start ends" || fail "a second start kept running"
wait_for 5 shown "$FIRST" && pass "and the first calculator shows itself" ||
  fail "the first calculator did not show itself"
kill "$FIRST" 2>/dev/null
wait "$FIRST" 2>/dev/null

# 2. No folder of the user's is writable either: it starts unchecked.
mkdir -p "$WORK/rohome"
chmod 755 "$WORK/rohome"
as_nobody "$WORK/rohome" "$WORK/rohome/state"
THIRD=$LAST
PIDS+=("$THIRD")
wait_for 10 shown "$THIRD" && pass "with no writable folder at all, the program still starts" ||
  fail "with no writable folder the program did not start"

[ "$FAILURES" -gt 0 ] && cat "$WORK/out.log"
[ "$FAILURES" -eq 0 ] && echo "instance_nobody: all passed" || echo "instance_nobody: $FAILURES failed"
[ "$FAILURES" -eq 0 ]
