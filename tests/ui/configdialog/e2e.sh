#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end for the configuration dialog on a real X server (Xvfb with
# openbox), through configprobe: the calculator shows, the dialog opens in
# the same process as from the toolbar's about box; a name is typed, a row
# of the information text is edited in place, Escape closes the dialog, and
# the settings file and the calculator's face show the change. Then, as the
# user nobody, a read-only settings file survives a restore.
#
# Usage: config.sh path/to/configprobe. Without Xvfb: skip (77), or fail
# under CI=true.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../support/harness.sh
source "$HERE/../../support/harness.sh"

PROBE="${1:?usage: config.sh path/to/configprobe}"
e2e_begin "config e2e" 1280x1024x24 xdotool xwininfo xprop import compare setpriv

WORK=$(mktemp -d /tmp/numerina-config-e2e.XXXXXX)
chmod 755 "$WORK"
mkdir -p "$WORK/prog"
cp "$PROBE" "$WORK/prog/configprobe"
INI="$WORK/prog/voldrin.ini"
printf '[Opzioni]\r\nNomePos=1\r\nNome=\r\nInfo=1\r\n1=prima riga\r\n2=seconda riga\r\n' >"$INI"

# The id of a visible window of pid by its title, waiting up to 10 s.
window_named() {
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
# Clicks at x y inside a window (window pixels).
click_in() {
  local gx gy gw gh
  read -r gx gy gw gh < <(xsession_geometry "$1")
  xdotool mousemove --sync $((gx + $2)) $((gy + $3))
  xdotool click --repeat "${4:-1}" --delay 120 1
}

# --- A name and a row, then Escape ------------------------------------------
"$WORK/prog/configprobe" open 1500 >"$WORK/out.log" 2>&1 &
PID=$!
PIDS+=("$PID")
CALC=$(window_named "$PID" "^Numerina Desktop$") || { fail "the calculator did not appear"; exit 1; }
sleep 0.3
import -window "$CALC" "$WORK/before.png"
DLG=$(window_named "$PID" "Configurazione Numerina") || { fail "the dialog did not open"; exit 1; }
sleep 0.5
read -r DX DY DW DH < <(xsession_geometry "$DLG")
[ "$DW" = 306 ] && [ "$DH" = 396 ] && pass "the dialog is 306 x 396" || fail "dialog size $DW x $DH"
xdotool search --all --onlyvisible --pid "$PID" --name "^Numerina Desktop$" >/dev/null 2>&1 &&
  fail "the calculator stays visible while the dialog is open" || pass "the calculator is hidden meanwhile"

xdotool windowactivate --sync "$DLG" 2>/dev/null
click_in "$DLG" 120 127               # the name box
xdotool type --delay 30 "Studio Bianchi"
click_in "$DLG" 120 250 2             # a double click on row 2
sleep 0.3
xdotool type --delay 30 "riga nuova"
xdotool key Return
sleep 0.2
xdotool key Escape                    # closes, saves, brings the calculator back
for _ in $(seq 50); do grep -q '^nome=' "$WORK/out.log" && break; sleep 0.1; done

grep -qx 'nome=Studio Bianchi' "$WORK/out.log" && pass "the calculator re-read the settings" ||
  fail "the calculator shows: $(grep '^nome=' "$WORK/out.log")"
grep -q $'^Nome=Studio Bianchi\r$' "$INI" && pass "Nome written" || fail "Nome: $(grep '^Nome=' "$INI")"
grep -q $'^2=riga nuova\r$' "$INI" && pass "row 2 written" || fail "row 2: $(grep '^2=' "$INI")"
grep -q $'^1=prima riga\r$' "$INI" && pass "row 1 kept" || fail "row 1: $(grep '^1=' "$INI")"
CALC=$(window_named "$PID" "^Numerina Desktop$") || fail "the calculator did not come back"
sleep 0.3
import -window "$CALC" "$WORK/after.png"
# The name sits at the top of the report panel: its pixels changed.
changed=$(compare -metric AE -crop 180x15+218+4 "$WORK/before.png" "$WORK/after.png" null: 2>&1)
[ "${changed%% *}" -gt 50 ] 2>/dev/null && pass "the name on the face changed ($changed pixels)" ||
  fail "the face did not change ($changed)"
kill "$PID" 2>/dev/null; wait "$PID" 2>/dev/null

# --- A read-only settings file survives a restore, as nobody -----------------
# The folder belongs to nobody, so the file could be deleted; it is locked
# read-only for nobody, which is the administrator's choice to respect.
NB="$WORK/nobody"
mkdir -p "$NB/prog" "$NB/home" "$NB/run"
cp "$PROBE" "$NB/prog/configprobe"
printf '[Opzioni]\r\nPrimoPiano=0\r\nDecimali=4\r\nNome=Bloccato\r\nNomePos=2\r\n' >"$NB/prog/voldrin.ini"
cp "$NB/prog/voldrin.ini" "$WORK/locked.ini"
chown -R nobody:nogroup "$NB"
chown root:root "$NB/prog/voldrin.ini"
chmod 0444 "$NB/prog/voldrin.ini"
chmod 0700 "$NB/run" && chown nobody:nogroup "$NB/run"
out=$(cd "$NB" && timeout 60 setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env HOME="$NB/home" XDG_CONFIG_HOME="$NB/home/.config" XDG_RUNTIME_DIR="$NB/run" DISPLAY="$DISPLAY" \
  "$NB/prog/configprobe" restore 2>&1)
echo "$out" | grep -q '^restored$' && pass "the restore ran as nobody" || fail "the restore did not run: $out"
cmp -s "$NB/prog/voldrin.ini" "$WORK/locked.ini" && pass "the read-only file survived the restore" ||
  fail "the read-only file changed: $(ls -l "$NB/prog"; cat "$NB/prog/voldrin.ini" 2>&1)"

[ "$FAILURES" -eq 0 ] || { echo "$FAILURES failure(s)"; exit 1; }
echo "all passed"
