#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing from the window to a real CUPS server (private, see cupsd.sh):
# a capture queue keeps the job's data for pdftotext, a cups-pdf queue
# writes its PDF into its output folder; then the no-default-printer path.
# Skips outside CI when CUPS cannot start; under CI=true it fails instead.
# Usage: cups_test.sh path/to/window_print_test
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/cupsd.sh"
TEST="${1:?usage: cups_test.sh path/to/window_print_test}"

skip() {
  echo "SKIP: $*"
  [ "${CI:-}" = true ] && exit 1
  exit 77
}
fail() { echo "FAIL: $*"; exit 1; }

for tool in lpadmin pdfinfo pdftotext; do
  command -v "$tool" >/dev/null || skip "$tool is missing (Debian packages cups, poppler-utils)"
done
cupsd_start || skip "the private CUPS server did not start"
trap cupsd_stop EXIT

# Waits up to 20 s for a file matching a pattern; prints its name.
wait_for() {
  for _ in $(seq 200); do
    for f in $1; do
      [ -s "$f" ] && { echo "$f"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

pages_of() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ {print $2}'; }

# 1. The capture queue: Qt's own PDF, as the window printed it.
lpadmin -p CAPTURE -v "capture:$CUPSD_JOBS" -E -m raw 2>/dev/null || fail "lpadmin CAPTURE"
lpadmin -d CAPTURE || fail "lpadmin -d CAPTURE"

# Starting the window and opening the print dialog do not reach CUPS: the
# server logs every request, and none comes before Ok.
sleep 0.5
before=$(wc -l <"$CUPSD_WORK/log/access_log")
"$TEST" dialogOpensOnceAndForgets >/dev/null || fail "the dialog test with a server"
sleep 0.5
after=$(wc -l <"$CUPSD_WORK/log/access_log")
[ "$before" = "$after" ] || fail "CUPS was reached before printing: $(tail -n +$((before + 1)) "$CUPSD_WORK/log/access_log")"
NUMERINA_PRINT_LINES=46 "$TEST" printsOnDefaultPrinter || fail "printing to CAPTURE"
job=$(wait_for "$CUPSD_JOBS/job-*.pdf") || fail "no job reached the capture backend"
[ "$(pages_of "$job")" = 2 ] || fail "$job has $(pages_of "$job") pages, not 2"
text=$(pdftotext -layout "$job" -)
grep -q "(pag.  *2 )" <<<"$text" || fail "no page 2 header in $job"
grep -q "op\. 1" <<<"$text" || fail "no op. 1 in $job"
echo "capture: $job, 2 pages"

# 2. The cups-pdf queue: the PDF lands in the job user's output folder.
lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || fail "lpadmin PDF"
lpadmin -d PDF || fail "lpadmin -d PDF"
out="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
had_out=0
[ -d "$out" ] && had_out=1
marker="$CUPSD_WORK/marker"
touch "$marker"
sleep 1
NUMERINA_PRINT_LINES=91 "$TEST" printsOnDefaultPrinter || fail "printing to PDF"
pdf=""
for _ in $(seq 300); do
  pdf=$(find "$out" -maxdepth 1 -name 'Numerina_Desktop*.pdf' -newer "$marker" 2>/dev/null | head -1)
  [ -n "$pdf" ] && [ -s "$pdf" ] && [ "$(pages_of "$pdf")" != "" ] && break
  pdf=""
  sleep 0.1
done
[ -n "$pdf" ] || fail "cups-pdf wrote nothing into $out"
pages=$(pages_of "$pdf")
rm -f "$pdf"
[ "$had_out" = 1 ] || rmdir "$out" 2>/dev/null
[ "$pages" = 3 ] || fail "cups-pdf's file has $pages pages, not 3"
echo "cups-pdf: 3 pages"

# 3. A server without a default printer: the failure message.
lpadmin -x PDF && lpadmin -x CAPTURE || fail "lpadmin -x"
"$TEST" okPrintsWithoutPrinter || fail "no-printer path with a server but no printer"
echo "PASS"
