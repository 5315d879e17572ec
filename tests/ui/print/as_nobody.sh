#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as nobody, with a home, configuration and runtime
# folder of its own: permission checks do not hold for root.
# Usage: as_nobody.sh PROGRAM [ARGS...]
set -u
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
if ! command -v setpriv >/dev/null 2>&1; then
  echo "SKIP: setpriv (util-linux) is missing" >&2
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
home=$(mktemp -d /tmp/numerina-nobody.XXXXXX)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/run"
chmod 700 "$home/run"
chown -R nobody:nogroup "$home"
# The program must be reachable for nobody.
prog=$(readlink -f "$1"); shift
cp "$prog" "$home/prog" && chown nobody:nogroup "$home/prog"
cd "$home" || exit 1
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" TMPDIR="$home" \
  setpriv --reuid=nobody --regid=nogroup --clear-groups "$home/prog" "$@"
