# A print server of our own for the printing scripts: a CUPS scheduler whose files all lie
# under $CUPSDIR and which listens only on its own socket, open to every request, so that it
# neither needs nor touches the system's CUPS. Needs make_private_home first.

# start_private_cupsd: sets CUPSDIR, exports CUPS_SERVER and starts the scheduler without any
# printer; skips when it cannot be started.
start_private_cupsd() {
    command -v cupsd >/dev/null || skip "cupsd is not installed"
    command -v lpstat >/dev/null || skip "lpstat is not installed"
    # The scheduler's filters run as lp and must reach the spool and the printer description.
    chmod 711 "$WORK"
    CUPSDIR="$WORK/cups"
    mkdir -p "$CUPSDIR"/{conf,spool/tmp,cache,state,log,pdf,backend-spool,backend-log,gstmp}
    chmod 755 "$CUPSDIR"
    export CUPS_SERVER="$CUPSDIR/cups.sock"
    [ ${#CUPS_SERVER} -lt 100 ] || skip "the temporary folder's path is too long for a Unix socket"

    cat >"$CUPSDIR/conf/cups-files.conf" <<CONF
ServerRoot $CUPSDIR/conf
RequestRoot $CUPSDIR/spool
TempDir $CUPSDIR/spool/tmp
CacheDir $CUPSDIR/cache
StateDir $CUPSDIR/state
ErrorLog $CUPSDIR/log/error_log
AccessLog $CUPSDIR/log/access_log
PageLog $CUPSDIR/log/page_log
User lp
Group lp
SystemGroup root
CONF
    cat >"$CUPSDIR/conf/cupsd.conf" <<CONF
Listen $CUPS_SERVER
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
CONF

    (cd "$CUPSDIR" && exec cupsd -f -c "$CUPSDIR/conf/cupsd.conf" -s "$CUPSDIR/conf/cups-files.conf") \
        >"$CUPSDIR/log/cupsd.out" 2>&1 &
    cupsd_pid=$!
    CLEANUP_PIDS+=("$cupsd_pid")
    if ! wait_for 15 scheduler_running || ! kill -0 "$cupsd_pid" 2>/dev/null; then
        cat "$CUPSDIR/log/cupsd.out"
        scheduler_log
        skip "cupsd could not start"
    fi
}

# lpstat -r exits with 0 either way; only its words tell.
scheduler_running() { lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }

scheduler_log() {
    echo "--- scheduler errors:"
    grep -E '^[EW] ' "$CUPSDIR/log/error_log" 2>/dev/null | tail -n 15
    echo "--- cups-pdf log:"
    tail -n 15 "$CUPSDIR"/backend-log/* 2>/dev/null
}

# find_main_window waits on a search that succeeds even when it finds nothing; this waits
# for the window itself.
main_window_shown() { [ -n "$(window_named "$MAIN_TITLE")" ]; }
