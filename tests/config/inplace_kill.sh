#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A settings file rewritten in place (the program's folder locked, the file
# writable, as an office may set it up), its writer killed with SIGKILL at
# random moments: after the start-up check the file holds all of its old
# content or all of the new one, never a mix, and no copy is left behind.
# Runs as nobody when started as root (root passes every permission check).
# Usage: inplace_kill.sh FOLDER_PROBE [TRIALS] [MEGABYTES]
set -u
probe=$(readlink -f "$1")
trials=${2:-100}
megabytes=${3:-20}

AS=()
if [ "$(id -u)" -eq 0 ]; then
  if ! command -v setpriv >/dev/null 2>&1; then
    echo "inplace_kill: setpriv (util-linux) is missing"
    [ "${CI:-}" = true ] && exit 1
    exit 77
  fi
  AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# In memory where there is room: a kill tears the file in the page cache just
# the same, and 100 writes of 20 MB stay quick on a busy disk.
base=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
WORK=$(mktemp -d "$base/numerina-kill.XXXXXX")
WRITER=
cleanup() {
  [ -n "$WRITER" ] && kill -9 "$WRITER" 2>/dev/null && wait "$WRITER" 2>/dev/null
  chmod -R u+w "$WORK" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
chmod 755 "$WORK"
mkdir -p "$WORK/prog" "$WORK/ref" "$WORK/home" "$WORK/state"
cp "$probe" "$WORK/prog/probe"
cp "$probe" "$WORK/ref/probe"

# The old file: CR LF lines of about 25 bytes; the write lengthens the first
# value, so that every byte after it moves.
awk -v n=$((megabytes * 1024 * 1024 / 25)) 'BEGIN {
  printf "[Opzioni]\r\nDecimali=2\r\n"
  for (i = 0; i < n; i++) printf "chiave%06d=valore %d\r\n", i, i
}' >"$WORK/old.ini"
# The new file, as the writer makes it where it may use a temporary file.
cp "$WORK/old.ini" "$WORK/ref/voldrin.ini"
HOME="$WORK/home" XDG_STATE_HOME="$WORK/refstate" "$WORK/ref/probe" set Decimali 12345 >/dev/null
cp "$WORK/ref/voldrin.ini" "$WORK/new.ini"
if cmp -s "$WORK/old.ini" "$WORK/new.ini"; then
  echo "FAIL: the reference write changed nothing"
  exit 1
fi

# The folder is not the writer's, the file is.
cp "$WORK/old.ini" "$WORK/prog/voldrin.ini"
if [ ${#AS[@]} -gt 0 ]; then
  chown nobody:nogroup "$WORK/prog/voldrin.ini" "$WORK/home" "$WORK/state"
else
  chmod 555 "$WORK/prog"
fi

# exec: the process started in the background is the writer itself, so that
# the kill reaches it.
run() {
  exec env -i HOME="$WORK/home" XDG_STATE_HOME="$WORK/state" ${AS[@]+"${AS[@]}"} "$WORK/prog/probe" "$@"
}
now_ns() { date +%s%N; }

# How long one whole write takes: the kills fall inside that window.
start=$(now_ns)
(run set Decimali 12345 >/dev/null)
window=$((($(now_ns) - start) / 1000))  # microseconds
if ! cmp -s "$WORK/prog/voldrin.ini" "$WORK/new.ini"; then
  echo "FAIL: the write in place did not give the new file"
  exit 1
fi
echo "one write in place of $(stat -c %s "$WORK/old.ini") bytes: ${window} us"

old=0 new=0 torn=0 leftover=0 restorefail=0
for ((trial = 0; trial < trials; trial++)); do
  cat "$WORK/old.ini" >"$WORK/prog/voldrin.ini"
  (run set Decimali 12345 >/dev/null) &
  WRITER=$!
  # A random moment from the start to a little past the end.
  delay=$(((RANDOM * 32768 + RANDOM) % (window * 11 / 10 + 1)))
  sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
  kill -9 "$WRITER" 2>/dev/null
  wait "$WRITER" 2>/dev/null
  WRITER=
  # The next start.
  (run recover >/dev/null) || restorefail=$((restorefail + 1))
  if cmp -s "$WORK/prog/voldrin.ini" "$WORK/old.ini"; then
    old=$((old + 1))
  elif cmp -s "$WORK/prog/voldrin.ini" "$WORK/new.ini"; then
    new=$((new + 1))
  else
    torn=$((torn + 1))
    echo "trial $trial: killed ${delay} us after the start, the file is neither the old nor the new one"
  fi
  if [ -n "$(find "$WORK/state" -name '*.copia' 2>/dev/null)" ]; then
    leftover=$((leftover + 1))
    rm -f "$WORK"/state/numerina/*.copia
  fi
done
echo "$trials kills: $old old, $new new, $torn torn, $leftover copies left, $restorefail failed checks"
[ "$torn" -eq 0 ] && [ "$leftover" -eq 0 ] && [ "$restorefail" -eq 0 ]
