#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing figures: a 10,000-line tape printed from the window to a cups-pdf
# queue of a private CUPS server (time from Ok to the job accepted by CUPS,
# the window's longest pause meanwhile, and until cups-pdf's file is
# there), the time from Ok to the message with a stopped server, and
# numerina-tape --pdf of a 10,000-line tape (median of 5).
# Usage: bench/print/run.sh BUILD-DIR
set -u
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="$(cd "${1:?usage: run.sh BUILD-DIR}" && pwd)"
source "$ROOT/tests/ui/print/cupsd.sh"
TEST="$BUILD/tests/ui/print/window_print_test"
TAPE="$BUILD/tools/tape/numerina-tape"
LINES=10000
WORK=$(mktemp -d /tmp/numerina-printbench.XXXXXX)
# The tape journal in the scratch folder, never in the real home.
export XDG_STATE_HOME="$WORK/state"
trap '[ -n "$CUPSD_PID" ] && kill -CONT "$CUPSD_PID" 2>/dev/null; cupsd_stop; rm -rf "$WORK"' EXIT

# numerina-tape --pdf: 9,996 operand lines, then "=" adds four more.
{ for _ in $(seq $((LINES - 4))); do printf '1+'; done; printf '1='; } >"$WORK/script"
times=()
for _ in 1 2 3 4 5; do
  start=$(date +%s%N)
  "$TAPE" --pdf "$WORK/report.pdf" "$WORK/script" >/dev/null || { echo "numerina-tape failed"; exit 1; }
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "numerina-tape --pdf, $LINES lines: median ${median} ms (runs: ${times[*]}), $(pdfinfo "$WORK/report.pdf" | awk '/^Pages:/ {print $2}') pages"

# The window to cups-pdf.
cupsd_start || exit 1
lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
lpadmin -d PDF
out="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
had_out=0
[ -d "$out" ] && had_out=1
touch "$WORK/marker"
sleep 1
ok=$(date +%s%N)
QT_QPA_PLATFORM=offscreen NUMERINA_PRINT_LINES=$LINES "$TEST" printsOnDefaultPrinter 2>&1 | grep -E 'QINFO|FAIL'
pdf=""
for _ in $(seq 1200); do
  pdf=$(find "$out" -maxdepth 1 -name 'Numerina_Desktop*.pdf' -newer "$WORK/marker" 2>/dev/null | head -1)
  [ -n "$pdf" ] && [ -n "$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')" ] && break
  pdf=""
  sleep 0.1
done
if [ -n "$pdf" ]; then
  echo "cups-pdf's file complete $(( ($(date +%s%N) - ok) / 1000000 )) ms after the test program started (window start-up and tape filling included): $(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}') pages"
  rm -f "$pdf"
else
  echo "cups-pdf wrote nothing within 120 s"
fi
[ "$had_out" = 1 ] || rmdir "$out" 2>/dev/null

# A server that does not answer (stopped): Ok to the print problem's message.
kill -STOP "$CUPSD_PID"
QT_QPA_PLATFORM=offscreen NUMERINA_PRINT_LINES=10 "$TEST" printFailsOnDefaultPrinter 2>&1 |
  grep -E 'QINFO|FAIL'
kill -CONT "$CUPSD_PID"
