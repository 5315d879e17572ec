#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# numerina --help, --version and an unknown option, from a terminal with
# nothing set: an empty environment (no DISPLAY, HOME, XDG_*), a copy of
# the program alone in a fresh folder so that a settings file or a lock
# would show there, TMPDIR/XDG folders pointing into it.
#   commandline.sh PROGRAM VERSION
set -u
PROGRAM="${1:?usage: commandline.sh PROGRAM VERSION}"
VERSION="${2:?usage: commandline.sh PROGRAM VERSION}"
WORK=$(mktemp -d /tmp/numerina-cli.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
FAILURES=0
fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok:   $*"; }

mkdir -p "$WORK/prog" "$WORK/cwd"
cp "$PROGRAM" "$WORK/prog/numerina"

# run ARGS...: sets OUT, ERR, CODE. HOME and the runtime folder are left
# unset, as on a bare terminal: the lock would then go to TMPDIR.
run() {
  (cd "$WORK/cwd" && env -i TMPDIR="$WORK/cwd" "$WORK/prog/numerina" "$@" \
    >"$WORK/out" 2>"$WORK/err")
  CODE=$?
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}

# Nothing but the program in its folder, nothing in the working folder.
untouched() {
  local extra
  extra=$(cd "$WORK" && find prog cwd -mindepth 1 ! -path prog/numerina)
  [ -z "$extra" ] && pass "$1: no settings, no lock" || fail "$1 left: $extra"
}

run --version
[ "$CODE" = 0 ] && [ "$OUT" = "numerina $VERSION" ] && [ -z "$ERR" ] \
  && pass "--version prints 'numerina $VERSION' and exits 0" \
  || fail "--version: exit $CODE, out '$OUT', err '$ERR'"
untouched --version

run --help
if [ "$CODE" = 0 ] && [ -z "$ERR" ] && [[ "$OUT" == "usage: numerina "* ]] \
   && grep -q -- "--version" "$WORK/out" && grep -q -- "-platform" "$WORK/out"; then
  pass "--help prints the usage on standard output and exits 0"
else
  fail "--help: exit $CODE, out '$OUT', err '$ERR'"
fi
untouched --help

# After Qt's options with their values, --version is still seen.
run -platform offscreen -style=Fusion --display :99 -reverse --version
[ "$CODE" = 0 ] && [ "$OUT" = "numerina $VERSION" ] \
  && pass "Qt's options are let through" || fail "Qt's options: exit $CODE, err '$ERR'"

for bad in --frobnicate -x --helpme --version=2 -reverse=1; do
  run "$bad"
  if [ "$CODE" = 2 ] && [ -z "$OUT" ] && [[ "$ERR" == "numerina: unknown option $bad"* ]] \
     && grep -q "^usage: numerina " "$WORK/err"; then
    pass "$bad: the usage on standard error, exit 2"
  else
    fail "$bad: exit $CODE, out '$OUT', err '$ERR'"
  fi
  untouched "$bad"
done

[ "$FAILURES" -eq 0 ] && echo "commandline: all passed" || echo "commandline: $FAILURES failed"
[ "$FAILURES" -eq 0 ]
