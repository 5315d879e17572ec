# SPDX-License-Identifier: GPL-3.0-or-later
# An XEmbed tray (trayer) for end-to-end scripts, and the program's icon in
# it (sourced after harness.sh or xsession.sh, on a running X session).
#
#   trayer_start   starts trayer at the top right (TRAYER_PID) and waits up
#                  to 5 s for its panel; 1 when it did not come up
#   trayer_icon    the program's icon window inside the tray: a "numerina"
#                  window smaller than 64 x 64, waiting up to 5 s

trayer_start() {
  trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
    --expand true >/dev/null 2>&1 &
  TRAYER_PID=$!
  for _ in $(seq 50); do
    xwininfo -root -tree 2>/dev/null | grep -q '"panel": ("panel" "trayer")' && return 0
    sleep 0.1
  done
  return 1
}

trayer_icon() {
  for _ in $(seq 50); do
    local id
    id=$(xwininfo -root -tree 2>/dev/null | awk '/\("numerina" "numerina"\)/ {for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) { split($i, s, /[x+]/); if (s[1] < 64 && s[2] < 64) print $1 } }' | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
