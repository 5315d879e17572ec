#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private CUPS server for the printing tests: its own configuration,
# spool, logs and local socket (no network port), the system's programs
# with a capture backend added, started in the background and stopped by
# its process id. The system's CUPS is never touched.
#
#   source cupsd.sh; cupsd_start || ...; lpadmin ...; cupsd_stop
#
# After cupsd_start: CUPS_SERVER is the socket, CUPSD_WORK the folder, and
# CUPSD_JOBS the folder where the capture backend keeps each job's data
# (job-N.pdf: a raw queue hands Qt's PDF over unchanged).

CUPSD_PID=""
CUPSD_WORK=""

cupsd_start() {
  if [ ! -x /usr/sbin/cupsd ]; then
    echo "cupsd: /usr/sbin/cupsd is not installed (Debian package cups)" >&2
    return 1
  fi
  CUPSD_WORK=$(mktemp -d /tmp/numerina-cups.XXXXXX)
  local w="$CUPSD_WORK"
  mkdir -p "$w"/{conf,spool,tmp,cache,state,log,bin/backend,jobs}
  chmod 755 "$w" "$w/bin" "$w/bin/backend"
  chmod 1777 "$w/tmp"
  # ServerBin: every program folder of the system's CUPS, and a backend
  # folder with the system's backends and the capture backend.
  local d b
  for d in /usr/lib/cups/*; do
    [ "$(basename "$d")" = backend ] || ln -s "$d" "$w/bin/"
  done
  for b in /usr/lib/cups/backend/*; do ln -s "$b" "$w/bin/backend/"; done
  cat >"$w/bin/backend/capture" <<'SH'
#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct capture "Unknown" "Capture job data"'; exit 0; fi
cat "${6:-/dev/stdin}" > "${DEVICE_URI#capture:}/job-$1.pdf.part" &&
  mv "${DEVICE_URI#capture:}/job-$1.pdf.part" "${DEVICE_URI#capture:}/job-$1.pdf"
SH
  # Mode 0700: run as root, like cups-pdf, so it may write the jobs folder.
  chmod 700 "$w/bin/backend/capture"
  CUPSD_JOBS="$w/jobs"
  cat >"$w/conf/cups-files.conf" <<CONF
ServerRoot $w/conf
RequestRoot $w/spool
TempDir $w/tmp
CacheDir $w/cache
StateDir $w/state
ServerBin $w/bin
ErrorLog $w/log/error_log
AccessLog $w/log/access_log
PageLog $w/log/page_log
SystemGroup root
Sandboxing Relaxed
FileDevice No
Printcap $w/printcap
CONF
  cat >"$w/conf/cupsd.conf" <<CONF
Listen $w/cups.sock
LogLevel info
AccessLogLevel all
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  /usr/sbin/cupsd -f -c "$w/conf/cupsd.conf" -s "$w/conf/cups-files.conf" >"$w/log/stdout" 2>&1 &
  CUPSD_PID=$!
  export CUPS_SERVER="$w/cups.sock"
  for _ in $(seq 100); do
    [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && return 0
    kill -0 "$CUPSD_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "cupsd: the private server did not start:" >&2
  cat "$w/log/stdout" "$w/log/error_log" 2>/dev/null | tail -5 >&2
  cupsd_stop
  return 1
}

cupsd_stop() {
  if [ -n "$CUPSD_PID" ]; then
    kill "$CUPSD_PID" 2>/dev/null
    wait "$CUPSD_PID" 2>/dev/null
    CUPSD_PID=""
  fi
  [ -n "$CUPSD_WORK" ] && rm -rf "$CUPSD_WORK"
  CUPSD_WORK=""
}
