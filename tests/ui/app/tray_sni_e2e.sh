#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The tray icon on a StatusNotifier host: Xfce's panel with only its
# notification area, on Xvfb with a private session bus and private
# folders; every program started here is stopped by its process id. The
# host's activation (what a click on the icon sends) shows the hidden
# calculator; the menu works over com.canonical.dbusmenu.
# Usage: tray_sni_e2e.sh path/to/numerina
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"
PROGRAM="${1:?usage: tray_sni_e2e.sh path/to/numerina}"

e2e_begin tray_sni 1024x768x24 xfce4-panel dbus-daemon dbus-send xdotool xwininfo xclip
XFCONFD=/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd
if [ ! -x "$XFCONFD" ]; then
  echo "tray_sni: $XFCONFD is missing (package xfconf)"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi

WORK=$(mktemp -d /tmp/numerina-sni.XXXXXX)
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
export XDG_DATA_HOME="$WORK/data" XDG_STATE_HOME="$WORK/state" XDG_RUNTIME_DIR="$WORK/run"
export NO_AT_BRIDGE=1
mkdir -p "$HOME" "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml" "$XDG_CACHE_HOME" \
  "$XDG_DATA_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR" "$WORK/prog"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$PROGRAM" "$WORK/prog/numerina"
cat >"$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="size" type="uint" value="32"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
XML

# The session bus, its daemon stopped by id at the end.
BUS=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS="${BUS%%$'\n'*}"
PIDS+=("${BUS##*$'\n'}")
"$XFCONFD" >/dev/null 2>&1 &
PIDS+=("$!")
xfce4-panel --disable-wm-check >/dev/null 2>&1 &
PIDS+=("$!")

bus() { dbus-send --session --print-reply "$@" 2>/dev/null; }
watcher_up() {
  bus --dest=org.freedesktop.DBus / org.freedesktop.DBus.ListNames |
    grep -q '"org.kde.StatusNotifierWatcher"'
}
wait_for() {  # seconds command...
  local n=$(($1 * 10)); shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
if ! wait_for 20 watcher_up; then
  fail "the panel's StatusNotifierWatcher did not appear"
  exit 1
fi
# The watcher lives in the panel's plugin process: stopped too.
WPID=$(bus --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetConnectionUnixProcessID \
  string:org.kde.StatusNotifierWatcher | awk '/uint32/ {print $2}')
[ -n "$WPID" ] && PIDS=("$WPID" "${PIDS[@]}")

(cd "$WORK/prog" && exec ./numerina) >"$WORK/out.log" 2>&1 &
PID=$!
PIDS=("$PID" "${PIDS[@]}")

main_window() {
  local w
  for w in $(xdotool search --all --onlyvisible --pid "$PID" --name "^Numerina Desktop$" 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {exit !($2 > 100)}' && { echo "$w"; return; }
  done
}
has_main() { [ -n "$(main_window)" ]; }
no_main() { [ -z "$(main_window)" ]; }
# The item, as the watcher lists it: ":1.N/StatusNotifierItem".
item() {
  bus --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
    string:RegisteredStatusNotifierItems | grep -o '":[0-9.]*/StatusNotifierItem"' | tr -d '"' |
    head -1
}
has_item() { [ -n "$(item)" ]; }

wait_for 10 has_main || fail "the window did not appear"
wait_for 10 has_item && pass "the icon is registered with the panel's watcher" ||
  fail "no StatusNotifier item registered"
ITEM=$(item)
DEST=${ITEM%%/*}
activate() { bus --dest="$DEST" /StatusNotifierItem org.kde.StatusNotifierItem.Activate int32:10 int32:10 >/dev/null; }

# Esc on the window unloads it into the tray (the tray is there).
W=$(main_window)
xdotool windowactivate --sync "$W" 2>/dev/null
xdotool type --delay 60 "12+3="
xdotool key Escape
wait_for 5 no_main && pass "Esc unloads the window into the StatusNotifier tray" ||
  fail "Esc did not unload the window"

# One activation, as the panel sends on a click, shows it again.
activate || fail "Activate was not answered"
wait_for 5 has_main && pass "the host's activation shows the calculator" ||
  fail "the host's activation did not show the calculator"

# The menu over D-Bus: "Numerina" shows the hidden window, "Informazioni"
# opens the about box, "Esci" ends the program.
menu_id() {  # label
  bus --dest="$DEST" /MenuBar com.canonical.dbusmenu.GetLayout int32:0 int32:-1 \
    array:string:label | awk -v want="$1" '
      /int32/ && prev ~ /struct/ {id = $2}
      /string "label"/ {getline; if ($0 ~ "\"" want "\"") {print id; exit}}
      {prev = $0}'
}
click_item() {
  local id; id=$(menu_id "$1")
  [ -n "$id" ] || { fail "no menu item \"$1\" over com.canonical.dbusmenu"; return 1; }
  bus --dest="$DEST" /MenuBar com.canonical.dbusmenu.Event int32:"$id" string:clicked \
    variant:int32:0 uint32:0 >/dev/null
}
W=$(main_window)
xdotool mousemove --window "$W" 172 13 click 1  # the hide button
wait_for 5 no_main || fail "the hide button did not hide the window"
click_item Numerina && wait_for 5 has_main && pass "the menu's \"Numerina\" shows the window" ||
  fail "the menu's \"Numerina\" did not show the window"
about_up() { xdotool search --onlyvisible --name 'Informazioni su Numerina DeskTop' >/dev/null 2>&1; }
click_item Informazioni && wait_for 5 about_up && pass "the menu's \"Informazioni\" opens the about box" ||
  fail "the menu's \"Informazioni\" did not open the about box"
A=$(xdotool search --onlyvisible --name 'Informazioni su Numerina DeskTop' 2>/dev/null | head -1)
[ -n "$A" ] && { xdotool windowactivate --sync "$A" 2>/dev/null; xdotool key Escape; }
click_item Esci
if wait_for 5 bash -c "! kill -0 $PID 2>/dev/null"; then pass "the menu's \"Esci\" ends the program"
else fail "the menu's \"Esci\" did not end it"; fi

[ "$FAILURES" -gt 0 ] && cat "$WORK/out.log"
[ "$FAILURES" -eq 0 ] && echo "tray_sni: all passed" || echo "tray_sni: $FAILURES failed"
[ "$FAILURES" -eq 0 ]
