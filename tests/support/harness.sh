# SPDX-License-Identifier: GPL-3.0-or-later
# What every end-to-end script starts with: pass/fail counting, the
# background programs it starts (PIDS) and its scratch folder (WORK) cleaned
# up at exit together with the X session, the tools it needs, and the X
# session itself. Outside CI a missing tool or X server skips (exit 77);
# under CI=true it fails.
#
#   source harness.sh; e2e_begin NAME SCREEN TOOL...

HARNESS_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=xsession.sh
source "$HARNESS_DIR/xsession.sh"

FAILURES=0
PIDS=()
fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok:   $*"; }

e2e_cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  xsession_stop
  [ -n "${WORK:-}" ] && rm -rf "$WORK"
}

e2e_begin() {
  local name="$1" screen="$2"
  shift 2
  trap e2e_cleanup EXIT
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "$name: $tool is missing (see tools/deps.sh, test group)"
      [ "${CI:-}" = true ] && exit 1
      exit 77
    fi
  done
  if ! xsession_start "$screen"; then
    [ "${CI:-}" = true ] && { echo "$name: no X server could be started, and CI requires these tests"; exit 1; }
    echo "$name: SKIPPED: no X server could be started here (install xvfb and openbox)"
    exit 77
  fi
}
