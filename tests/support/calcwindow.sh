# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator in a scratch program folder of its own, for end-to-end
# scripts that start it again and again and look at its window (sourced
# after harness.sh and e2e_begin).
#
#   calc_folder NAME PROGRAM   WORK, the program copied there, INI its
#                              settings file, the tape journal kept in WORK
#   calc_start [SCALE]         starts it: PID, WIN and its geometry WX WY WW WH
#   calc_stop                  ends it
#   calc_setting KEY           a value of the settings file

calc_folder() {
  WORK=$(mktemp -d "/tmp/numerina-$1.XXXXXX")
  # The tape journal in the scratch folder, never in the real home.
  export XDG_STATE_HOME="$WORK/state"
  cp "$2" "$WORK/numerina"
  INI="$WORK/voldrin.ini"
  PID=""
}

calc_start() {
  QT_SCALE_FACTOR="${1:-1}" timeout 120 "$WORK/numerina" >/dev/null 2>&1 &
  PID=$!
  PIDS+=("$PID")
  WIN=$(xsession_window_of "$PID") || { fail "the window did not appear"; return 1; }
  sleep 0.4
  read -r WX WY WW WH < <(xsession_geometry "$WIN")
}

calc_stop() { kill "$PID" 2>/dev/null; wait "$PID" 2>/dev/null; PID=""; }

calc_setting() { sed -n "s/^$1=//p" "$INI" | tr -d '\r'; }
