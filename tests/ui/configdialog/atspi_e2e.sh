#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The configuration dialog's position lists as a screen reader finds them:
# on Xvfb with openbox, a private session bus and the AT-SPI bus launcher,
# configprobe opens the dialog with a place chosen in both lists, and a
# small reader on the accessibility bus (atspi_names.py) lists every drop-
# down list with its name and the caption it is labelled by.
#
# Usage: atspi_e2e.sh path/to/configprobe. Without Xvfb, dbus-daemon, the
# bus launcher or python3-dbus-next: skip (77), or fail under CI=true.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"

PROBE="${1:?usage: atspi_e2e.sh path/to/configprobe}"
LAUNCHER=/usr/libexec/at-spi-bus-launcher
PYTHON=/usr/bin/python3
if [ ! -x "$LAUNCHER" ] || ! "$PYTHON" -c 'import dbus_next' 2>/dev/null; then
  echo "atspi e2e: at-spi2-core or python3-dbus-next is missing (see tools/deps.sh)"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
e2e_begin "atspi e2e" 1280x1024x24 dbus-daemon dbus-send

WORK=$(mktemp -d /tmp/numerina-atspi.XXXXXX)
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CACHE_HOME="$WORK/cache" XDG_DATA_HOME="$WORK/data"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR" "$XDG_CACHE_HOME" \
  "$XDG_DATA_HOME" "$WORK/prog"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$PROBE" "$WORK/prog/configprobe"
printf '[Opzioni]\r\nBannerPos=1\r\nNomePos=2\r\nNome=Ditta\r\n' >"$WORK/prog/voldrin.ini"

# Every process started below, and whatever they started in turn (the
# accessibility bus and its registry), stopped by id at the end.
descendants() {
  local child
  for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do
    descendants "$child"
    echo "$child"
  done
}
stop_all() {
  local pid
  # The deepest first, each with a moment for its parent to collect it.
  for pid in "${PIDS[@]}"; do
    for child in $(descendants "$pid"); do kill "$child" 2>/dev/null; sleep 0.2; done
  done
  for pid in "${PIDS[@]}"; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  PIDS=()
  if [ -n "${BUS_PID:-}" ]; then
    # Services the session bus started on demand are its children.
    for child in $(descendants "$BUS_PID"); do kill "$child" 2>/dev/null; sleep 0.2; done
    kill "$BUS_PID" 2>/dev/null
  fi
  BUS_PID=""
}
trap 'stop_all; e2e_cleanup' EXIT

# A session bus of our own: its address on line 1, its process id on line 2.
dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$WORK/bus" || {
  fail "no session bus"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$WORK/bus")
BUS_PID=$(sed -n 2p "$WORK/bus")
export NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

"$LAUNCHER" --launch-immediately >"$WORK/launcher.log" 2>&1 &
PIDS+=($!)
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.ListNames \
    2>/dev/null | grep -q '"org.a11y.Bus"'
}
for _ in $(seq 50); do a11y_bus_up && break; sleep 0.1; done
a11y_bus_up || { fail "the accessibility bus did not come up"; cat "$WORK/launcher.log"; exit 1; }

(cd "$WORK/prog" && exec timeout 60 ./configprobe open 300) >"$WORK/probe.log" 2>&1 &
PIDS+=($!)
if timeout 30 "$PYTHON" "$HERE/atspi_names.py" 15 2 >"$WORK/lists" 2>"$WORK/reader.log"; then
  pass "the reader found the dialog's two drop-down lists"
else
  fail "the reader did not find two drop-down lists: $(cat "$WORK/reader.log")"
fi
cat "$WORK/lists"
# The chosen places (1 and 2) must not be what the lists are called.
check() {  # name caption
  if awk -F '\t' -v n="$1" -v c="$2" '$2 == n && $4 == c {f = 1} END {exit !f}' "$WORK/lists"; then
    pass "a list is announced as \"$1\", labelled by \"$2\""
  else
    fail "no list announced as \"$1\" labelled by \"$2\""
  fi
}
check "Posizione dell'immagine" "Posizione:"
check "Posizione del nome" "Posizione:"
if awk -F '\t' '$2 == "1" || $2 == "2" {f = 1} END {exit !f}' "$WORK/lists"; then
  fail "a list is announced by its chosen place"
else
  pass "no list is announced by its chosen place"
fi

[ "$FAILURES" -eq 0 ] || cat "$WORK/probe.log"
[ "$FAILURES" -eq 0 ] && echo "atspi e2e: all passed" || echo "atspi e2e: $FAILURES failed"
[ "$FAILURES" -eq 0 ]
