# shellcheck shell=bash
# Sourced by tests that print through a CUPS scheduler of their own: everything it
# keeps (configuration, spool, cache, state, logs, its socket) lies in one temporary
# folder, it listens on no network port, and its one printer is cups-pdf writing into
# that folder too.
#
#   start_cups_scheduler FOLDER   starts cupsd; exports CUPS_SERVER (its socket) and
#                                 CUPS_PDF_OUT (where the printed PDFs arrive); answers 1
#                                 with a line in CUPS_START_PROBLEM when cupsd cannot start
#   add_cups_pdf_printer NAME     adds the cups-pdf printer NAME
#   stop_cups_scheduler           stops cupsd and removes the printer's configuration

CUPS_PID=""
CUPS_PDF_CONF=""

start_cups_scheduler() {
  local folder=$1
  CUPS_START_PROBLEM=""
  local tool
  for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null ||
      { CUPS_START_PROBLEM="$tool is missing"; return 1; }
  done
  [ "$(id -u)" -eq 0 ] || { CUPS_START_PROBLEM="cupsd must be started as root"; return 1; }
  mkdir -p "$folder"/{conf/ppd,spool,cache,state,tmp,log,run,out,cups-pdf-spool}
  cat >"$folder/conf/cupsd.conf" <<EOF
Listen $folder/run/cups.sock
LogLevel debug
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
EOF
  # cupsd refuses to run its filters and backends as root.
  cat >"$folder/conf/cups-files.conf" <<EOF
User lp
Group lp
ServerRoot $folder/conf
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/tmp
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/run/printcap
EOF
  chown -R lp:lp "$folder"
  chmod 755 "$folder"
  cupsd -f -c "$folder/conf/cupsd.conf" -s "$folder/conf/cups-files.conf" \
    >"$folder/log/cupsd.out" 2>&1 &
  CUPS_PID=$!
  export CUPS_SERVER="$folder/run/cups.sock"
  export CUPS_PDF_OUT="$folder/out"
  local tries
  for tries in $(seq 100); do
    if lpstat -r >/dev/null 2>&1; then return 0; fi
    if ! kill -0 "$CUPS_PID" 2>/dev/null; then
      CUPS_START_PROBLEM="cupsd did not start: $(tail -n 1 "$folder/log/cupsd.out" "$folder/log/error_log" 2>/dev/null | grep -v '^==>' | grep -v '^$' | tail -n 1)"
      CUPS_PID=""
      return 1
    fi
    sleep 0.1
  done
  CUPS_START_PROBLEM="cupsd did not answer on $CUPS_SERVER within 10 s"
  return 1
}

# cups-pdf reads its settings from a fixed folder, /etc/cups, in the file named after
# the device URI (cups-pdf:/NAME reads cups-pdf-NAME.conf): a name of this run's own
# keeps the output, spool and log of the printer in the scheduler's folder.
add_cups_pdf_printer() {
  local printer=$1 folder
  folder=$(dirname "$(dirname "$CUPS_SERVER")")
  local setup="tessaly-$$"
  CUPS_PDF_CONF="/etc/cups/cups-pdf-$setup.conf"
  cat >"$CUPS_PDF_CONF" <<EOF
Out $folder/out
Spool $folder/cups-pdf-spool
Log $folder/log
AnonDirName $folder/out
GSTmp $folder/tmp
Grp lp
LogType 7
EOF
  lpadmin -p "$printer" -v "cups-pdf:/$setup" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E \
    2>&1 | grep -v 'deprecated' >&2
  lpstat -p "$printer" >/dev/null 2>&1
}

stop_cups_scheduler() {
  if [ -n "$CUPS_PID" ]; then
    kill "$CUPS_PID" 2>/dev/null
    wait "$CUPS_PID" 2>/dev/null
    CUPS_PID=""
  fi
  [ -n "$CUPS_PDF_CONF" ] && rm -f "$CUPS_PDF_CONF"
  CUPS_PDF_CONF=""
}
