#!/usr/bin/env bash
# A print server that accepts connections and never answers (here a listening socket that
# nobody reads) must not freeze the window: right after "Print Test Results" a click on
# "Main Screen" is handled within a second, no print dialog comes up, and closing the window
# while the job is still stuck ends the program within a few seconds.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/lib/drive.sh"
. "$(dirname "$0")/lib/cups.sh"

for tool in xdotool import python3; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

make_private_home
export CUPS_SERVER="$WORK/hung.sock"
[ ${#CUPS_SERVER} -lt 100 ] || skip "the temporary folder's path is too long for a Unix socket"
python3 - "$CUPS_SERVER" <<'PY' >"$WORK/server.log" 2>&1 &
import signal, socket, sys
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(sys.argv[1])
server.listen(64)
open(sys.argv[1] + ".listening", "w").close()
# Connections wait in the queue; nothing is ever accepted, read or answered.
signal.pause()
PY
CLEANUP_PIDS+=("$!")
wait_for 10 test -e "$CUPS_SERVER.listening" || skip "the stand-in print server did not start"

start_xvfb
export QT_QPA_PLATFORM=xcb
"$program" >"$WORK/program.log" 2>&1 &
program_pid=$!
CLEANUP_PIDS+=("$program_pid")
wait_for 20 main_window_shown && find_main_window \
    || { tail -n 20 "$WORK/program.log"; fail "the main window did not appear"; }

answer_a_significance_test
sleep 0.5

# A piece of the report pane, which changes only when another screen comes to the front (the
# buttons below it change as the pointer passes over them).
eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
pane_area="300x120+40+$((HEIGHT - 393 + 90))"
pane_now() { import -window "$MAIN_WINDOW" -crop "$pane_area" +repage rgb:- 2>/dev/null | md5sum; }
result_pane=$(pane_now)
[ "$result_pane" != "$(md5sum </dev/null)" ] || fail "could not read the window"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
press() { xdotool mousemove --sync $((CLIENT_X + 4 + $1)) $((CLIENT_Y + 30 + $2)) click 1; }
press $CMD_PRINT
press 512 288 # cmdGoToMain, "Main Screen"
clicked=$(now_ms)
answered=""
while [ $(($(now_ms) - clicked)) -lt 5000 ]; do
    if [ "$(pane_now)" != "$result_pane" ]; then
        answered=$(($(now_ms) - clicked))
        break
    fi
done
[ -n "$answered" ] || fail "the window did not answer the click on Main Screen within 5 s of Print"
echo "the click on Main Screen right after Print was answered within $answered ms"
[ "$answered" -lt 1000 ] || fail "the window took $answered ms to answer the click on Main Screen"

# The server never answered, so no dialog may come to ask it again.
sleep 2
[ -z "$(window_named '^Print$')" ] || fail "a print dialog came up although the print server does not answer"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended"

# File > Exit while the job is still stuck in the print server.
click_at 20 -10
sleep 0.3
closed=$(now_ms)
# E&xit by its access key: the menu's first item is Your Numbers.
xdotool key --clearmodifiers x
ended=""
while [ $(($(now_ms) - closed)) -lt 15000 ]; do
    if ! kill -0 "$program_pid" 2>/dev/null; then
        ended=$(($(now_ms) - closed))
        break
    fi
    sleep 0.05
done
[ -n "$ended" ] || fail "the program was still running 15 s after File > Exit"
wait "$program_pid"
status=$?
echo "the program ended $ended ms after File > Exit, with status $status"
[ "$ended" -lt 6000 ] || fail "the program took $ended ms to end after File > Exit"
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "PASSED: with a print server that never answers, the window answered $answered ms after Print, no dialog came up, and the program ended $ended ms after File > Exit"
